#include "openingbalance/partials/PartialEntriesDialog.h"
#include "openingbalance/entry/MoneyEdit.h"
#include "platform/runtime/Date.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/dialogs/Messages.h"
#include <QDateEdit>
#include <functional>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::openingbalance {

namespace {

// Both buttons of a form: "Zapisz" (F10) runs `confirm`, which closes the form when it
// returns true; "Anuluj" (Esc) closes it.
QHBoxLayout* formButtons(QDialog* dialog, const std::function<bool()>& confirm) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = ui::pushButton(dialog, "B_ZAPISZ", QStringLiteral("Zapisz"), QKeySequence(Qt::Key_F10));
    auto* cancel = ui::pushButton(dialog, "B_ANULUJ", QStringLiteral("Anuluj"));
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, ui::guarded(dialog, [dialog, confirm] {
        if (confirm()) dialog->accept();
    }));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

} // namespace

bool editCurrencyAmounts(server::PartialEntry& entry, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ZAPISY_WALUTOWE"));
    dialog.setWindowTitle(QStringLiteral("Zapisy walutowe"));
    auto* form = new QFormLayout;
    struct Side {
        MoneyEdit* amount;
        QLineEdit* rate;
        QSpinBox* multiplier;
    };
    auto side = [&](const char* amount, const char* rate, const char* multiplier, const QString& label, Money value, Rate kurs,
                    int mnoznik) {
        Side s{new MoneyEdit(&dialog, amount), new QLineEdit(kurs.isZero() ? QString() : kurs.toString(), &dialog),
               new QSpinBox(&dialog)};
        s.amount->setMoney(value);
        s.rate->setObjectName(QString::fromLatin1(rate));
        s.multiplier->setObjectName(QString::fromLatin1(multiplier));
        s.multiplier->setRange(1, 1000000);
        s.multiplier->setValue(mnoznik);
        form->addRow(label + QStringLiteral(" - kwota w walucie"), s.amount);
        form->addRow(label + QStringLiteral(" - kurs"), s.rate);
        form->addRow(label + QStringLiteral(" - mnożnik"), s.multiplier);
        return s;
    };
    const Side wn = side("KWOTA_WN_W", "KURS_WN", "MNOZNIK_WN", QStringLiteral("Dt"), entry.kwotaWnW, entry.kursWn, entry.mnoznikWn);
    const Side ma = side("KWOTA_MA_W", "KURS_MA", "MNOZNIK_MA", QStringLiteral("Ct"), entry.kwotaMaW, entry.kursMa, entry.mnoznikMa);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addLayout(formButtons(&dialog, [&] {
        const auto wnW = wn.amount->money();
        const auto maW = ma.amount->money();
        const auto kursWn = wn.rate->text().trimmed().isEmpty() ? Rate() : Rate::parse(wn.rate->text().trimmed());
        const auto kursMa = ma.rate->text().trimmed().isEmpty() ? Rate() : Rate::parse(ma.rate->text().trimmed());
        if (!wnW || !maW) {
            MSG_INF(QStringLiteral("Niepoprawna kwota."));
            return false;
        }
        if (!kursWn || !kursMa) {
            MSG_INF(QStringLiteral("Niepoprawny kurs waluty."));
            return false;
        }
        entry.kwotaWnW = *wnW;
        entry.kwotaMaW = *maW;
        entry.kursWn = *kursWn;
        entry.kursMa = *kursMa;
        entry.mnoznikWn = wn.multiplier->value();
        entry.mnoznikMa = ma.multiplier->value();
        return true;
    }));
    return dialog.exec() == QDialog::Accepted;
}

bool editPartialEntry(const PartialEntriesContext& context, server::PartialEntry& entry, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DEKRET"));
    dialog.setWindowTitle(QStringLiteral("Dekret"));
    server::PartialEntry edited = entry;
    auto* form = new QFormLayout;
    auto* date = new QDateEdit(date::toQDate(edited.dataDok), &dialog);
    date->setObjectName(QStringLiteral("DATA_DOK"));
    date->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    auto* number = new QLineEdit(edited.nrDok, &dialog);
    number->setObjectName(QStringLiteral("NR_DOK"));
    number->setMaxLength(PartialEntriesController::NR_DOK_MAX);
    auto* description = new QLineEdit(edited.opis, &dialog);
    description->setObjectName(QStringLiteral("OPIS"));
    description->setMaxLength(PartialEntriesController::OPIS_MAX);
    auto* wn = new MoneyEdit(&dialog, "KWOTA_WN");
    wn->setMoney(edited.kwotaWn);
    auto* ma = new MoneyEdit(&dialog, "KWOTA_MA");
    ma->setMoney(edited.kwotaMa);
    form->addRow(QStringLiteral("Data dokumentu"), date);
    form->addRow(QStringLiteral("Numer dokumentu"), number);
    form->addRow(QStringLiteral("Opis"), description);
    form->addRow(QStringLiteral("Kwota Dt"), wn);
    form->addRow(QStringLiteral("Kwota Ct"), ma);
    auto* currency = ui::pushButton(&dialog, "B_WALUTY", QStringLiteral("Zapisy walutowe"));
    currency->setEnabled(context.currencyAmounts);
    QObject::connect(currency, &QPushButton::clicked, &dialog, ui::guarded(&dialog, [&] { editCurrencyAmounts(edited, &dialog); }));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(currency);
    layout->addLayout(formButtons(&dialog, [&] {
        const auto kwotaWn = wn->money();
        const auto kwotaMa = ma->money();
        if (!kwotaWn || !kwotaMa) {
            MSG_INF(QStringLiteral("Niepoprawna kwota."));
            return false;
        }
        edited.dataDok = date::fromQDate(date->date());
        edited.nrDok = number->text();
        edited.opis = description->text();
        edited.kwotaWn = *kwotaWn;
        edited.kwotaMa = *kwotaMa;
        entry = edited;
        return true;
    }));
    return dialog.exec() == QDialog::Accepted;
}

PartialEntriesDialog::PartialEntriesDialog(PartialEntriesController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName(QStringLiteral("DEKRETY_DLA_KONTA"));
    setWindowTitle(m_controller.caption());
    m_list = ui::rowTable(this, "LIST1",
                          {QStringLiteral("Data dok."), QStringLiteral("Numer"), QStringLiteral("Opis"), QStringLiteral("Kwota Dt"),
                           QStringLiteral("Kwota Dt /wal./"), QStringLiteral("Kwota Ct"), QStringLiteral("Kwota Ct /wal./")});
    m_sums = new QTableWidget(1, 5, this);
    m_sums->setObjectName(QStringLiteral("SUMY"));
    m_sums->horizontalHeader()->hide();
    m_sums->verticalHeader()->hide();
    m_sums->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sums->setMaximumHeight(m_sums->rowHeight(0) + 4);

    auto* buttons = new QHBoxLayout;
    const auto [add, change, remove, close] = ui::editButtons(this, buttons);
    for (QPushButton* b : {add, change, remove}) b->setEnabled(m_controller.editable());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_sums);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { edit(-1); }));
    connect(change, &QPushButton::clicked, this, ui::guarded(this, [this] { edit(m_list->currentRow()); }));
    connect(m_list, &QTableWidget::cellDoubleClicked, this, ui::guarded(this, [this](int row, int) {
        if (m_controller.editable()) edit(row);
    }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] {
        const int row = m_list->currentRow();
        if (m_controller.remove(row)) reload(qMin(row, m_controller.count() - 1));
    }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    reload(0);
    resize(760, 380);
}

void PartialEntriesDialog::edit(int row) {
    const bool isNew = row < 0;
    if (!isNew && row >= m_controller.count()) return;
    server::PartialEntry e = isNew ? m_controller.newEntry() : m_controller.entry(row);
    while (editPartialEntry(m_controller.context(), e, this)) {
        const QString why = isNew ? m_controller.add(e) : m_controller.correct(row, e);
        if (why.isEmpty()) {
            reload(isNew ? m_controller.count() - 1 : row);
            return;
        }
        MSG_INF(why);
    }
}

void PartialEntriesDialog::reload(int row) {
    m_list->setRowCount(m_controller.count());
    for (int r = 0; r < m_controller.count(); ++r) {
        const server::PartialEntry& e = m_controller.entry(r);
        ui::setCell(m_list, r, 0, date::toDisplay(e.dataDok));
        ui::setCell(m_list, r, 1, e.nrDok);
        ui::setCell(m_list, r, 2, e.opis);
        ui::setCell(m_list, r, 3, e.kwotaWn.toDisplay(), true);
        ui::setCell(m_list, r, 4, e.kwotaWnW.toDisplay(), true);
        ui::setCell(m_list, r, 5, e.kwotaMa.toDisplay(), true);
        ui::setCell(m_list, r, 6, e.kwotaMaW.toDisplay(), true);
    }
    const server::LineAmounts s = m_controller.sums();
    ui::setCell(m_sums, 0, 0, QStringLiteral("Razem"));
    ui::setCell(m_sums, 0, 1, s.kwotaWn.toDisplay(), true);
    ui::setCell(m_sums, 0, 2, s.kwotaWnW.toDisplay(), true);
    ui::setCell(m_sums, 0, 3, s.kwotaMa.toDisplay(), true);
    ui::setCell(m_sums, 0, 4, s.kwotaMaW.toDisplay(), true);
    if (row >= 0 && row < m_controller.count()) m_list->selectRow(row);
}

} // namespace ksiega::openingbalance
