#include "platform/siblings/budget/BudgetLineDialog.h"
#include "platform/runtime/Money.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ksiega::siblings {

BudgetLineDialog::BudgetLineDialog(BudgetLineEditor& editor, BudgetLineData line, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_line(std::move(line)) {
    setObjectName(QStringLiteral("UP_BUDZET_DANE"));
    setWindowTitle(QStringLiteral("Dane budżetowe pozycji"));
    auto* form = new QFormLayout(this);
    m_symbol = new QLineEdit(m_line.symbol, this);
    m_symbol->setObjectName(QStringLiteral("BT_KLASYFIKACJA"));
    m_symbol->setMaxLength(50);
    form->addRow(QStringLiteral("Klasyfikacja"), m_symbol);
    m_side = new QComboBox(this);
    m_side->setObjectName(QStringLiteral("BT_TYP_KLASYFIKACJI"));
    m_side->addItem(QStringLiteral(" Wydatki"), QStringLiteral("W"));
    m_side->addItem(QStringLiteral(" Dochody"), QStringLiteral("D"));
    m_side->setCurrentIndex(m_line.side == QStringLiteral("D") ? 1 : 0);
    form->addRow(QStringLiteral("Typ"), m_side);
    static const char* const names[SenseCount][2] = {{"RODZAJ_WY", "Wydatek"}, {"RODZAJ_K", "Koszt"}, {"RODZAJ_Z", "Zaangażowanie"},
                                                     {"RODZAJ_X", "Środki pieniężne"}, {"RODZAJ_D", "Dochód"}, {"RODZAJ_WP", "Wpływ"}};
    for (int i = 0; i < SenseCount; ++i) {
        m_senses[size_t(i)] = new QCheckBox(QString::fromUtf8(names[i][1]), this);
        m_senses[size_t(i)]->setObjectName(QString::fromLatin1(names[i][0]));
        m_senses[size_t(i)]->setChecked(m_line.senses[size_t(i)]);
        form->addRow(QString(), m_senses[size_t(i)]);
    }
    form->addRow(QStringLiteral("Kwota"), new QLabel(Money::fromMinor(m_line.amount).toDisplay(), this));
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Zapisz"), this);
    ok->setObjectName(QStringLiteral("B_ZAPISZ"));
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("B_ANULUJ"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    connect(ok, &QPushButton::clicked, this, &BudgetLineDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void BudgetLineDialog::save() {
    m_line.symbol = m_symbol->text();
    m_line.side = m_side->currentData().toString();
    for (int i = 0; i < SenseCount; ++i) m_line.senses[size_t(i)] = m_senses[size_t(i)]->isChecked();
    if (const QString refusal = BudgetLineEditor::check(m_line); !refusal.isEmpty()) {
        ui::dialogs().information(refusal);
        return;
    }
    m_saved = m_editor.save(m_line);
    accept();
}

} // namespace ksiega::siblings
