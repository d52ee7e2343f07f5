#include "openingbalance/entry/AmountEntryDialog.h"
#include "platform/ui/controls/WindowControls.h"
#include "openingbalance/entry/MoneyEdit.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/dialogs/Messages.h"
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega::openingbalance {

AmountEntryDialog::AmountEntryDialog(AmountEntryController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName(QStringLiteral("BO_KWOTY"));
    setWindowTitle(m_controller.caption());

    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("Konto:"), this));
    auto* name = new QLabel(m_controller.header(), this);
    name->setObjectName(QStringLiteral("NAZWA_NAGLOWKA"));
    header->addWidget(name, 1);

    auto side = [this](const QString& title, AmountField amount, const char* amountName, AmountField currency,
                       const char* currencyName, const char* mpkName) {
        auto* group = new QGroupBox(title, this);
        auto* form = new QFormLayout(group);
        auto* pln = new MoneyEdit(group, amountName);
        auto* cur = new MoneyEdit(group, currencyName);
        pln->setReadOnly(!m_controller.fieldEditable(amount));
        cur->setReadOnly(!m_controller.fieldEditable(currency));
        cur->setEnabled(m_controller.currencyAmountsUsable());
        form->addRow(QStringLiteral("Kwota"), pln);
        form->addRow(QStringLiteral("Kwota w walucie"), cur);
        auto* mpk = new QPushButton(QStringLiteral("Miejsca powstawania kosztów"), group);
        mpk->setObjectName(QString::fromLatin1(mpkName));
        mpk->setAutoDefault(false);
        mpk->setEnabled(m_controller.costCentresEnabled());
        form->addRow(mpk);
        m_fields[amount] = pln;
        m_fields[currency] = cur;
        return std::make_pair(group, mpk);
    };
    auto [dt, mpkWn] = side(QStringLiteral("Dt"), AmountField::Wn, "KWOTA_WN", AmountField::WnW, "KWOTA_WN_W", "B_MPK_WN");
    auto [ct, mpkMa] = side(QStringLiteral("Ct"), AmountField::Ma, "KWOTA_MA", AmountField::MaW, "KWOTA_MA_W", "B_MPK_MA");
    auto* sides = new QHBoxLayout;
    sides->addWidget(dt);
    sides->addWidget(ct);

    auto* settlements = ui::pushButton(this, "B_ROZRACH", QStringLiteral("Rozrachunki"), QKeySequence(Qt::CTRL | Qt::Key_R));
    settlements->setEnabled(m_controller.settlementsEnabled());
    auto* partials = ui::pushButton(this, "B_POZYCJE", QStringLiteral("Szczegóły"), QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* save = ui::pushButton(this, "B_ZAPISZ", QStringLiteral("Zapisz"), QKeySequence(Qt::Key_F10));
    auto* cancel = ui::pushButton(this, "B_ANULUJ", QStringLiteral("Anuluj"), QKeySequence(Qt::Key_Escape));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(settlements);
    buttons->addWidget(partials);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(sides);
    layout->addLayout(buttons);
    showAmounts();
    adjustSize();

    for (auto& [field, edit] : m_fields) {
        MoneyEdit* e = edit;
        const AmountField f = field;
        connect(e, &QLineEdit::editingFinished, this, ui::guarded(this, [this, e, f] {
            if (e->isReadOnly()) return;
            if (const auto m = e->money()) m_controller.setAmount(f, *m);
            e->setMoney(m_controller.amount(f));
        }));
    }
    // The sub-windows see the amounts as typed.
    auto opening = [this](auto&& open) {
        return ui::guarded(this, [this, open] {
            if (!takeAmounts()) return;
            open();
            showAmounts();
        });
    };
    connect(settlements, &QPushButton::clicked, this, opening([this] { m_controller.editSettlements(this); }));
    connect(partials, &QPushButton::clicked, this, opening([this] { m_controller.editPartialEntries(this); }));
    connect(mpkWn, &QPushButton::clicked, this, opening([this] { m_controller.editCostCentres(QStringLiteral("WN"), this); }));
    connect(mpkMa, &QPushButton::clicked, this, opening([this] { m_controller.editCostCentres(QStringLiteral("MA"), this); }));
    connect(save, &QPushButton::clicked, this, ui::guarded(this, [this] {
        if (!takeAmounts()) return;
        const bool saved = m_controller.save();
        showAmounts();
        if (saved) accept();
    }));
    connect(cancel, &QPushButton::clicked, this, &AmountEntryDialog::reject);
}

bool AmountEntryDialog::takeAmounts() {
    for (auto& [field, edit] : m_fields) {
        if (edit->isReadOnly() || !edit->isEnabled()) continue;
        const auto m = edit->money();
        if (!m) {
            MSG_INF(QStringLiteral("Niepoprawna kwota: ") + edit->text());
            edit->setFocus();
            return false;
        }
        m_controller.setAmount(field, *m);
    }
    return true;
}

void AmountEntryDialog::showAmounts() {
    for (auto& [field, edit] : m_fields) edit->setMoney(m_controller.amount(field));
}

void AmountEntryDialog::reject() {
    ui::runGuarded(objectName(), [this] { m_controller.close(); });
    QDialog::reject();
}

} // namespace ksiega::openingbalance
