#pragma once
// "Eksport do Excela": every row of a list's current range and filter (not only the
// rows held on screen), in the list's order, into an .xlsx workbook. The rows stream from
// one cursor and the workbook is written row by row, so memory stays flat whatever the
// size. Column titles are the list's; amounts are numeric cells with two decimals, dates
// real dates (dd-mm-yyyy), whole numbers numbers, texts text. A sheet holds at most
// 1,048,575 rows under its titles; further rows go on to "Arkusz2", "Arkusz3", ...
#include "platform/db/Database.h"
#include "platform/ui/list/ListQuery.h"
#include <functional>

namespace ksiega::ui {

class PagedListModel;

// Percent done (0..100); return false to cancel.
using ExportProgress = std::function<bool(int percent)>;

struct ExportResult {
    int64_t rows = 0;
    bool cancelled = false;   // a cancelled export leaves no file behind
    QString error;            // "" on success
    bool ok() const { return !cancelled && error.isEmpty(); }
};

ExportResult exportToXlsx(db::Database& db, const ListQuery& query, const QString& path,
                          const ExportProgress& progress = {});

// The popup item's call for a list on screen.
ExportResult EXPORT2EXCEL(PagedListModel& list, const QString& path, const ExportProgress& progress = {});

} // namespace ksiega::ui
