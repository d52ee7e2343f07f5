#include "settlements/assignment/AssignmentWindow.h"
#include "platform/ui/dialogs/Guarded.h"
#include "settlements/shared/SettlementTexts.h"
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::settlements {

AssignmentWindow::AssignmentWindow(AssignmentController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(AssignmentController::PROCEDURE);
    setWindowTitle(texts::DOCUMENT_CAPTION);
    m_parts = new ChoiceWidgets(m_c, this);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(texts::DOCUMENT_HEADING_1 + QLatin1Char('\n') + texts::DOCUMENT_HEADING_2, this);
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);
    layout->addWidget(heading);
    m_journal = new QLabel(this);
    m_journal->setObjectName(QStringLiteral("TXT_DZIENNIK"));
    layout->addWidget(m_journal);

    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    auto* first = new QWidget;
    auto* grid = new QGridLayout(first);
    grid->addWidget(new QLabel(texts::TYP_DOKUMENTU, first), 0, 0);
    m_type = new QComboBox(first);
    m_type->setObjectName(QStringLiteral("DT:SYMBOL"));
    grid->addWidget(m_type, 0, 1, 1, 2);
    grid->addWidget(new QLabel(texts::OPIS, first), 1, 0);
    m_opis = new QLineEdit(first);
    m_opis->setObjectName(QStringLiteral("DOK_OPIS"));
    m_opis->setMaxLength(50);
    grid->addWidget(m_opis, 1, 1);
    auto* opisButton = new QToolButton(first);
    opisButton->setObjectName(QStringLiteral("B_OPIS"));
    opisButton->setText(QStringLiteral("..."));
    grid->addWidget(opisButton, 1, 2);
    m_wn = accountField(first, "KONTO_WN", "B_WN", AccountSide::Dt, grid, 2, texts::KONTO_DT);
    m_ma = accountField(first, "KONTO_MA", "B_MA", AccountSide::Ct, grid, 3, texts::KONTO_CT);
    grid->setRowStretch(4, 1);
    m_sheet->addTab(first, QStringLiteral("Dokument"));

    auto* second = new QWidget;
    auto* secondLayout = new QVBoxLayout(second);
    secondLayout->addWidget(m_parts->listBox(second), 1);
    m_sheet->addTab(second, QStringLiteral("Rozrachunki"));

    auto* third = new QWidget;
    auto* thirdLayout = new QVBoxLayout(third);
    thirdLayout->addWidget(m_parts->optionsBox(third));
    thirdLayout->addWidget(m_parts->resultBox(third), 1);
    m_sheet->addTab(third, QStringLiteral("Opcje i raport"));
    layout->addWidget(m_sheet, 1);
    layout->addWidget(m_parts->buttonRow(this));

    for (const DocumentType& t : m_c.documentTypes()) m_type->addItem(t.symbol + QStringLiteral("  ") + t.name);
    connect(m_type, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this](int index) {
        if (!m_syncing) m_c.setTypeIndex(index);
    }));
    connect(m_opis, &QLineEdit::editingFinished, this, ui::guarded(this, [this] {
        if (!m_syncing) m_c.setDescription(m_opis->text());
    }));
    connect(opisButton, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.pickDescription(); }));
    connect(m_sheet, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_syncing) m_c.setPage(WizardPage(index));
    });
    m_c.changed = [this] { sync(); };
    resize(820, 520);
    sync();
}

AssignmentWindow::~AssignmentWindow() { m_c.changed = nullptr; }

QLineEdit* AssignmentWindow::accountField(QWidget* parent, const char* name, const char* button, AccountSide side,
                                          QGridLayout* grid, int row, const QString& label) {
    grid->addWidget(new QLabel(label, parent), row, 0);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(50);
    grid->addWidget(field, row, 1);
    auto* picker = new QToolButton(parent);
    picker->setObjectName(QString::fromLatin1(button));
    picker->setText(QStringLiteral("..."));
    grid->addWidget(picker, row, 2);
    connect(field, &QLineEdit::editingFinished, this, ui::guarded(this, [this, field, side] {
        if (m_syncing || !field->isModified()) return;
        field->setModified(false);
        m_c.typeAccount(side, field->text());
    }));
    connect(picker, &QToolButton::clicked, this, ui::guarded(this, [this, side] { m_c.pickAccount(side); }));
    return field;
}

void AssignmentWindow::sync() {
    m_syncing = true;
    m_journal->setText(m_c.journalText());
    m_type->setCurrentIndex(m_c.typeIndex());
    if (!m_opis->hasFocus()) m_opis->setText(m_c.description());
    if (!m_wn->hasFocus()) m_wn->setText(m_c.account(AccountSide::Dt));
    if (!m_ma->hasFocus()) m_ma->setText(m_c.account(AccountSide::Ct));
    m_sheet->setCurrentIndex(int(m_c.page()));
    m_parts->sync();
    m_syncing = false;
}

} // namespace ksiega::settlements
