#include "printouts/accountreport/RangeDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/runtime/Date.h"
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ksiega::printouts {

RangeDialog::RangeDialog(std::unique_ptr<RangeDialogController> controller, QWidget* parent)
    : QDialog(parent), m_controller(std::move(controller)) {
    setObjectName(QStringLiteral("UP_RAPORT_DLA_KONTA"));
    setWindowTitle(m_controller->title());
    auto* form = new QFormLayout;

    auto* accountRow = new QHBoxLayout;
    m_account = new QLineEdit(m_controller->accountText(), this);
    m_account->setObjectName(QStringLiteral("KONTO"));
    m_account->setMaxLength(70);
    auto* chart = new QPushButton(QStringLiteral("..."), this);
    chart->setObjectName(QStringLiteral("BUTTON3"));
    accountRow->addWidget(m_account);
    accountRow->addWidget(chart);
    form->addRow(QStringLiteral("Nr konta"), accountRow);
    m_name = new QLineEdit(m_controller->accountName(), this);
    m_name->setObjectName(QStringLiteral("NAZWA"));
    m_name->setReadOnly(true);
    form->addRow(QString(), m_name);

    auto dateRow = [this](QDateEdit*& edit, const char* name, const char* button) {
        auto* row = new QHBoxLayout;
        edit = new QDateEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
        auto* calendar = new QPushButton(QStringLiteral("..."), this);
        calendar->setObjectName(QString::fromLatin1(button));
        row->addWidget(edit);
        row->addWidget(calendar);
        return std::make_pair(row, calendar);
    };
    auto [fromRow, fromCalendar] = dateRow(m_from, "DATA_OD", "B_KALENDARZ_OD");
    auto [toRow, toCalendar] = dateRow(m_to, "DATA_DO", "B_KALENDARZ_DO");
    form->addRow(QStringLiteral("Data od"), fromRow);
    form->addRow(QStringLiteral("Data do"), toRow);

    auto* choices = new QHBoxLayout;
    auto addChoice = [&](const QString& text, void (RangeDialogController::*set)()) {
        auto* b = new QPushButton(text, this);
        choices->addWidget(b);
        connect(b, &QPushButton::clicked, this, ui::guarded(this, [this, set] {
            readDates();
            (m_controller.get()->*set)();
            showDates();
        }));
        return b;
    };
    addChoice(QStringLiteral("Wybór zakresu dat"), &RangeDialogController::pickRange)->setObjectName(QStringLiteral("B_WYBOROKRESU"));
    addChoice(QStringLiteral("Początek okresu obrotowego"), &RangeDialogController::periodStart);
    addChoice(QStringLiteral("Koniec okresu obrotowego"), &RangeDialogController::periodEnd);
    addChoice(QStringLiteral("Początek roku obrotowego"), &RangeDialogController::yearStart);
    addChoice(QStringLiteral("Koniec roku obrotowego"), &RangeDialogController::yearEnd);

    auto* kindRow = new QHBoxLayout;
    auto* byDocument = new QRadioButton(QStringLiteral("wg daty dokumentu"), this);
    auto* byPosting = new QRadioButton(QStringLiteral("wg daty księgowania"), this);
    byDocument->setObjectName(QStringLiteral("RODZAJ_DATY"));
    (m_controller->dateKind() == DateKind::Posting ? byPosting : byDocument)->setChecked(true);
    kindRow->addWidget(byDocument);
    kindRow->addWidget(byPosting);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("Wykonaj"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setShortcut(QKeySequence(Qt::Key_F10));
    auto* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CANCEL"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(choices);
    layout->addLayout(kindRow);
    layout->addWidget(buttons);
    showDates();

    connect(m_account, &QLineEdit::editingFinished, this, ui::guarded(this, [this] {
        m_controller->setAccountText(m_account->text());
        m_name->setText(m_controller->accountName());
    }));
    connect(chart, &QPushButton::clicked, this, ui::guarded(this, [this] {
        m_controller->pickAccount();
        m_account->setText(m_controller->accountText());
        m_name->setText(m_controller->accountName());
    }));
    connect(fromCalendar, &QPushButton::clicked, this, ui::guarded(this, [this] { readDates(); m_controller->pickFrom(); showDates(); }));
    connect(toCalendar, &QPushButton::clicked, this, ui::guarded(this, [this] { readDates(); m_controller->pickTo(); showDates(); }));
    connect(byPosting, &QRadioButton::toggled, this,
            ui::guarded(this, [this](bool on) { m_controller->setDateKind(on ? DateKind::Posting : DateKind::Document); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, ui::guarded(this, [this] {
        m_controller->setAccountText(m_account->text());
        readDates();
        const bool ok = m_controller->confirm();
        m_account->setText(m_controller->accountText());
        m_name->setText(m_controller->accountName());
        if (ok) accept();
    }));
}

void RangeDialog::showDates() {
    m_from->setDate(date::toQDate(m_controller->from()));
    m_to->setDate(date::toQDate(m_controller->to()));
}

void RangeDialog::readDates() {
    m_controller->setFrom(date::fromQDate(m_from->date()));
    m_controller->setTo(date::fromQDate(m_to->date()));
}

} // namespace ksiega::printouts
