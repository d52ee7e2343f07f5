#include "platform/siblings/pickers/PickerDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ksiega::pickers {

PickerDialog::PickerDialog(PickerList& list, QWidget* parent) : QDialog(parent), m_list(list) {
    setObjectName(list.definition().objectName);
    setWindowTitle(list.definition().title);
    auto* layout = new QVBoxLayout(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("LIST1"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setModel(&list.model());
    new ui::ListViewBinding(*m_view, list.model());
    layout->addWidget(m_view);
    if (list.model().heldRows() > 0) m_view->selectRow(0);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            ui::guarded(this, [this](const QModelIndex& current) { m_list.setCurrentRow(current.isValid() ? current.row() : -1); }));
    connect(m_view, &QTableView::clicked, this, ui::guarded(this, [this](const QModelIndex& index) {
        if (m_list.model().hasMarkColumn() && index.column() == 0) m_list.toggleMark(index.row());
    }));
    connect(m_view, &QTableView::doubleClicked, this, ui::guarded(this, [this](const QModelIndex& index) {
        if (!(m_list.model().hasMarkColumn() && index.column() == 0)) choose();
    }));

    auto* buttons = new QHBoxLayout;
    auto* pick = new QPushButton(QStringLiteral("Wybierz"), this);
    pick->setObjectName(QStringLiteral("WYBIERZ"));
    pick->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("ANULUJ"));
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(pick);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(pick, &QPushButton::clicked, this, &PickerDialog::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 420);
}

void PickerDialog::choose() {
    if (m_list.choose()) accept();
}

bool runPicker(PickerList& list) {
    PickerDialog dialog(list);
    return dialog.exec() == QDialog::Accepted && list.chosen();
}

} // namespace ksiega::pickers
