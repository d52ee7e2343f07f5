#include "platform/siblings/vat/VatRegisterWindow.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ksiega::vat {

VatRegisterWindow::VatRegisterWindow(VatRegisterController& controller, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("REJESTR_BO"));
    setWindowTitle(controller.caption());
    auto* layout = new QVBoxLayout(this);
    auto* view = new QTableView(this);
    view->setObjectName(QStringLiteral("LIST1"));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->setModel(&controller.rows());
    new ui::ListViewBinding(*view, controller.rows());
    layout->addWidget(view);

    const VatRegisterTotals& t = controller.totals();
    auto* totals = new QLabel(QStringLiteral("Razem: netto %1, VAT %2, brutto %3")
                                  .arg(t.netto.toDisplay(), t.vat.toDisplay(), t.brutto.toDisplay()),
                              this);
    totals->setObjectName(QStringLiteral("RAZEM"));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("B_ZAMKNIJ"));
    close->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totals);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 460);
}

} // namespace ksiega::vat
