#pragma once
// The entries list of "Raport z konta" (LIST1): its columns and its sort choices
// (?S:NAZWA), each ascending or descending (?B_ROS_MAL).
#include "platform/ui/list/ListQuery.h"
#include "printouts/accountreport/AccountRange.h"
#include <QStringList>

namespace ksiega::printouts {

// Sort choices, in the order offered; the number handed to a printout is the index + 1.
enum class EntrySort : int { PostingDate = 0, DocumentDate = 1, RegisterNumber = 2, DocumentNumber = 3 };
inline constexpr int kEntrySortChoices = 4;

ui::ListColumns accountReportColumns();
QStringList accountReportSortNames();
// The choice a window opens with: the date the range compares.
EntrySort defaultEntrySort(DateKind kind);
ui::SortOrder accountReportSortOrder(EntrySort choice, bool descending);
// The date orders are served by ?SZUKAJ_DATY, the text orders by ?SZUKAJ.
bool isDateSort(EntrySort choice);

} // namespace ksiega::printouts
