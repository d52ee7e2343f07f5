#pragma once
// Small controls the module's windows build the same way: a tool button named by its
// control name (an icon, or the tool tip's text before its hot key), a read-only table of
// label/value pairs (two pairs per row), and a cell of such a table.
#include <QString>

class QCheckBox;
class QTableView;
class QTableWidget;
class QToolButton;
class QWidget;

namespace ksiega::ui {

class PagedListModel;

QToolButton* toolButton(QWidget* parent, const char* name, const QString& tip, const QString& icon = {});
QTableWidget* pairTable(QWidget* parent, const char* name);
// A check box named by its control name, with its tool tip and an optional text.
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& tip, const QString& text = {});
// A list of rows over a paged model: one row chosen at a time, pages fetched as it scrolls.
QTableView* listView(QWidget* parent, const char* name, PagedListModel& model);
void setCell(QTableWidget* table, int row, int column, const QString& text, bool alignRight = false);

} // namespace ksiega::ui
