#include "platform/siblings/costcentres/CostCentreSplitDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::costcentres {

CostCentreSplitDialog::CostCentreSplitDialog(CostCentreSplitController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("MPK_DANE"));
    setWindowTitle(controller.caption());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kwota: %1").arg(controller.sideAmount().toDisplay()), this));

    m_table = new QTableWidget(0, kDimensions + 1, this);
    m_table->setObjectName(QStringLiteral("LIST1"));
    QStringList titles;
    for (int d = 1; d <= kDimensions; ++d) titles << QStringLiteral("Wskaźnik %1").arg(d);
    titles << QStringLiteral("Kwota");
    m_table->setHorizontalHeaderLabels(titles);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_table);
    for (int row = 0; row < controller.rowCount(); ++row) {
        m_table->insertRow(row);
        fillRow(row);
    }

    auto* sums = new QHBoxLayout;
    m_sum = new QLabel(this);
    m_sum->setObjectName(QStringLiteral("SUMA"));
    m_left = new QLabel(this);
    m_left->setObjectName(QStringLiteral("POZOSTALO"));
    sums->addWidget(m_sum);
    sums->addWidget(m_left);
    sums->addStretch();
    layout->addLayout(sums);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Dodaj"), this);
    add->setObjectName(QStringLiteral("B_DODAJ"));
    auto* remove = new QPushButton(QStringLiteral("Usuń"), this);
    remove->setObjectName(QStringLiteral("B_USUN"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("CANCEL"));
    for (QPushButton* b : {add, remove}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] {
        const int row = m_c.addRow();
        m_table->insertRow(row);
        fillRow(row);
        m_table->selectRow(row);
        showSums();
    }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] {
        const int row = m_table->currentRow();
        if (row < 0) return;
        m_c.removeRow(row);
        m_table->removeRow(row);
        showSums();
    }));
    connect(ok, &QPushButton::clicked, this, ui::guarded(this, [this] {
        if (m_c.accept()) accept();
    }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showSums();
    resize(720, 360);
}

int CostCentreSplitDialog::rowOf(const QWidget* cell, int column) const {
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->cellWidget(row, column) == cell) return row;
    return -1;
}

// The widgets of a row; each reports to the controller by the row it stands in now.
void CostCentreSplitDialog::fillRow(int row) {
    const CostCentrePart& part = m_c.part(row);
    for (int d = 0; d < kDimensions; ++d) {
        auto* box = new QComboBox(m_table);
        box->setObjectName(QStringLiteral("WSKAZNIK_%1").arg(d + 1));
        box->addItem(QString());
        for (const IndicatorChoice& c : m_c.choices(d))
            box->addItem(c.nazwa.isEmpty() ? c.symbol : QStringLiteral("%1 - %2").arg(c.symbol, c.nazwa));
        box->setCurrentIndex(m_c.choiceIndex(d, part.wskazniki[size_t(d)]) + 1);
        m_table->setCellWidget(row, d, box);
        connect(box, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this, box, d](int index) {
            const int r = rowOf(box, d);
            if (r >= 0) m_c.setIndicator(r, d, index - 1);
        }));
    }
    auto* amount = new QLineEdit(part.kwota.toDisplay(), m_table);
    amount->setObjectName(QStringLiteral("KWOTA"));
    amount->setAlignment(Qt::AlignRight);
    m_table->setCellWidget(row, kDimensions, amount);
    connect(amount, &QLineEdit::editingFinished, this, ui::guarded(this, [this, amount] {
        const int r = rowOf(amount, kDimensions);
        if (r < 0) return;
        if (!m_c.setAmountText(r, amount->text())) amount->setText(m_c.part(r).kwota.toDisplay());
        showSums();
    }));
}

void CostCentreSplitDialog::showSums() {
    m_sum->setText(QStringLiteral("Suma: %1").arg(m_c.sum().toDisplay()));
    m_left->setText(QStringLiteral("Pozostało: %1").arg(m_c.remaining().toDisplay()));
}

} // namespace ksiega::costcentres
