#include "platform/siblings/contractors/SavedFilterChooser.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ksiega::contractors {

SavedFilterChooser::SavedFilterChooser(SavedFilterChooserController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName(QStringLiteral("FILTR_LISTA"));
    setWindowTitle(QStringLiteral("Lista filtrów"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("LIST1"));
    m_list->setModel(&controller.filters());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->setColumnHidden(2, true);
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    auto* remove = new QPushButton(QStringLiteral("&Usuń"), this);
    remove->setObjectName(QStringLiteral("B_USUN"));
    auto* choose = new QPushButton(QStringLiteral("&Wybierz"), this);
    choose->setObjectName(QStringLiteral("B_WYBIERZ"));
    choose->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("&Anuluj"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(choose);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    auto chooseCurrent = [this] {
        if (m_controller.choose(currentRow())) accept();
    };
    connect(choose, &QPushButton::clicked, this, chooseCurrent);
    connect(m_list, &QTableView::doubleClicked, this, chooseCurrent);
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { m_controller.remove(currentRow(), ui::dialogs()); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    if (controller.filters().rowCount() > 0) m_list->selectRow(0);
    resize(600, 400);
}

int SavedFilterChooser::currentRow() const { return m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1; }

} // namespace ksiega::contractors
