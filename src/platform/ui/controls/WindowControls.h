#pragma once
// Small controls the module's windows build the same way: a tool button named by its
// control name (an icon, or the tool tip's text before its hot key), a read-only table of
// label/value pairs (two pairs per row), and a cell of such a table.
#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <span>

class QBoxLayout;
class QCheckBox;
class QPushButton;
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
// A column of a list as the window defines it: its title, its width in the runtime's dialog
// units (about two pixels each) and the alignment of its cells.
struct TableColumn {
    const char* title;
    int width;
    Qt::Alignment align;
};
// A read-only list of rows, one chosen at a time, with the given column titles.
QTableWidget* rowTable(QWidget* parent, const char* name, const QStringList& titles);
// The same with the columns' titles and widths.
QTableWidget* rowTable(QWidget* parent, const char* name, std::span<const TableColumn> columns);

// A push button named by its control name, with its text and hot key; never a default button.
QPushButton* pushButton(QWidget* parent, const char* name, const QString& text, const QKeySequence& key = {});

// The buttons of a list whose rows a window edits, added to `row`: "Dodaj" (Ins), "Popraw",
// "Usuń" (Del), and "Zamknij" (Esc) at the right.
struct EditButtons {
    QPushButton* add = nullptr;
    QPushButton* correct = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* close = nullptr;
};
EditButtons editButtons(QWidget* parent, QBoxLayout* row);

} // namespace ksiega::ui
