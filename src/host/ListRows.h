#pragma once
// A paged list written out by a command: its id column, then its columns as text.
#include "host/MachineTable.h"
#include "platform/ui/list/ListColumn.h"
#include <functional>

namespace ksiega::ui {
class PagedListModel;
}

namespace ksiega::host {

// The table for a list's rows: `idColumn` first, then the columns; ids, amounts and whole
// numbers are numeric.
TextRowTable listRowTable(QTextStream& out, MachineTable::Format format, const QString& idColumn, const ui::ListColumns& columns);

// Calls `row` for up to `limit` rows of the list from its first, a page at a time. The model
// may drop pages far above, so the next row is found after the last one visited.
void forEachListRow(ui::PagedListModel& model, int limit, const std::function<void(int row)>& row);

// Up to `limit` rows of the list from its first, a page at a time: amounts with a dot,
// dates as ISO. The model may drop pages far above, so the next row to write is found after
// the last written id. Finishes the table.
void writeListRows(ui::PagedListModel& model, const ui::ListColumns& columns, int limit, TextRowTable& table);

} // namespace ksiega::host
