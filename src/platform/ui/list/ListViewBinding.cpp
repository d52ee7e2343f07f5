#include "platform/ui/list/ListViewBinding.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QScrollBar>
#include <QTableView>

namespace ksiega::ui {

ListViewBinding::ListViewBinding(QTableView& view, PagedListModel& model)
    : QObject(&view), m_view(view), m_model(model) {
    connect(view.verticalScrollBar(), &QScrollBar::valueChanged, this, ui::guarded(this, [this](int value) {
        if (m_adjusting || value != m_view.verticalScrollBar()->minimum() || !m_model.canFetchPrevious()) return;
        const QModelIndex top = m_view.indexAt(QPoint(0, 0));
        const int added = m_model.fetchPrevious();
        // Keep the row that was on top where it was.
        if (top.isValid() && added > 0) keepOnTop(top.row() + added);
    }));
    // A page dropped above the view (after fetchMore) must not make the rows jump.
    // (The view moves its scroll bar while rows go, so the top row is taken before.)
    connect(&model, &PagedListModel::rowsAboutToBeDropped, this, ui::guarded(this, [this](int first, int) {
        m_topBeforeRemoval = first == 0 ? m_view.indexAt(QPoint(0, 0)).row() : -1;
        m_adjusting = true;
    }));
    connect(&model, &QAbstractItemModel::rowsRemoved, this, ui::guarded(this, [this](const QModelIndex&, int first, int last) {
        if (first != 0 || m_topBeforeRemoval < 0) {
            m_adjusting = false;
            return;
        }
        const int top = m_topBeforeRemoval - (last + 1);
        if (top >= 0) keepOnTop(top);
        else m_adjusting = false;
    }));
    connect(&model, &PagedListModel::currentRowSuggested, this, ui::guarded(this, [this](int row) {
        const QModelIndex i = m_model.index(row, m_model.firstColumn());
        m_view.setCurrentIndex(i);
        m_view.scrollTo(i, QAbstractItemView::PositionAtCenter);
    }));
}

// After the view has laid out the changed rows (it does so when events are next
// processed), brings `row` back to the top of the viewport.
void ListViewBinding::keepOnTop(int row) {
    m_adjusting = true;
    QMetaObject::invokeMethod(this, [this, row] {
        if (row < m_model.heldRows()) m_view.scrollTo(m_model.index(row, 0), QAbstractItemView::PositionAtTop);
        m_adjusting = false;
    }, Qt::QueuedConnection);
}

} // namespace ksiega::ui

