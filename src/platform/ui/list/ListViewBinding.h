#pragma once
// Connects a table view to a paged list: scrolling to the top reads the page before
// (the view itself asks for the page after through fetchMore), and a row suggested by a
// locator or a refresh becomes the current one.
#include "platform/ui/list/PagedListModel.h"
#include <QObject>

class QTableView;

namespace ksiega::ui {

class ListViewBinding : public QObject {
    Q_OBJECT
public:
    ListViewBinding(QTableView& view, PagedListModel& model);

private:
    void keepOnTop(int row);
    QTableView& m_view;
    PagedListModel& m_model;
    int m_topBeforeRemoval = -1;
    bool m_adjusting = false;   // the binding itself is moving the view
};

} // namespace ksiega::ui
