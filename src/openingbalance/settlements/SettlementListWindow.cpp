#include "openingbalance/settlements/SettlementListWindow.h"
#include "openingbalance/settlements/SettlementFormDialog.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::openingbalance {

namespace {

const ui::TableColumn kColumns[] = {
    {"Symbol", 65, Qt::AlignLeft},          {"Data dok.", 51, Qt::AlignLeft},     {"Termin płatności", 56, Qt::AlignLeft},
    {"Rodzaj", 52, Qt::AlignLeft},          {"Strona", 24, Qt::AlignHCenter},     {"Saldo", 58, Qt::AlignRight},
    {"Saldo /wal./", 58, Qt::AlignRight},   {"Kor", 14, Qt::AlignLeft},           {"Opis", 200, Qt::AlignLeft},
};

QLineEdit* total(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

bool DialogFormRunner::run(SettlementFormController& form) {
    SettlementFormDialog dialog(form, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

SettlementListWindow::SettlementListWindow(SettlementListController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("ROZRACHUNKI_DLA_KONTA"));
    setWindowTitle(m_c.caption());
    auto* layout = new QVBoxLayout(this);

    m_list = ui::rowTable(this, "LIST1", kColumns);
    layout->addWidget(m_list, 1);

    auto* totals = new QFormLayout;
    m_sumWn = total(this, "SUM_WN");
    m_sumMa = total(this, "SUM_MA");
    totals->addRow(QStringLiteral("Razem saldo Dt"), m_sumWn);
    totals->addRow(QStringLiteral("Razem saldo Ct"), m_sumMa);
    layout->addLayout(totals);

    auto* buttons = new QHBoxLayout;
    const auto [add, correct, remove, close] = ui::editButtons(this, buttons);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.add()); }));
    connect(correct, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.correct(selected())); }));
    connect(m_list, &QTableWidget::cellDoubleClicked, this,
            ui::guarded(this, [this] { redisplay(m_c.correct(selected())); }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.remove(selected())); }));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 420);
    redisplay(m_c.rows().empty() ? -1 : 0);
}

int SettlementListWindow::selected() const { return m_list->currentRow(); }

void SettlementListWindow::redisplay(int select) {
    const auto& rows = m_c.rows();
    m_list->setRowCount(int(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) {
        const QStringList cells = m_c.cells(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(kColumns[c].align | Qt::AlignVCenter);
            m_list->setItem(int(r), c, item);
        }
    }
    if (select >= 0 && select < int(rows.size())) m_list->selectRow(select);
    const Picture amount("@N-19_`2");
    m_sumWn->setText(amount.format(m_c.sumWn()).trimmed());
    m_sumMa->setText(amount.format(m_c.sumMa()).trimmed());
}

} // namespace ksiega::openingbalance
