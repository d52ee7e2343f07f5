#include "platform/ui/list/ListViewBinding.h"
#include <QScrollBar>
#include <QTableView>

namespace ksiega::ui {

ListViewBinding::ListViewBinding(QTableView& view, PagedListModel& model)
    : QObject(&view), m_view(view), m_model(model) {
    connect(view.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value != m_view.verticalScrollBar()->minimum() || !m_model.canFetchPrevious()) return;
        const QModelIndex top = m_view.indexAt(QPoint(0, 0));
        const int added = m_model.fetchPrevious();
        // Keep the row that was on top where it was.
        if (top.isValid() && added > 0)
            m_view.scrollTo(m_model.index(top.row() + added, 0), QAbstractItemView::PositionAtTop);
    });
    connect(&model, &PagedListModel::currentRowSuggested, this, [this](int row) {
        const QModelIndex i = m_model.index(row, m_model.firstColumn());
        m_view.setCurrentIndex(i);
        m_view.scrollTo(i, QAbstractItemView::PositionAtCenter);
    });
}

} // namespace ksiega::ui
