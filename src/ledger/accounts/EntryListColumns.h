#pragma once
// The entries list of "Księga główna" (LIST1): its columns in order with their titles,
// its 25 sort orders and the names the sort choice (LIST3) offers.
//   1..11   ascending: nr_ewid_dok, data_biezaca, data_okresu, nr_dok_org, data_dok_org,
//           data_oper_gosp, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, opis
//   12..22  the same, descending
//   23, 24  data_zatwierdzenia ascending, descending
//   25      nr_sys_dok
#include "platform/ui/list/ListColumn.h"
#include "platform/ui/list/SortOrder.h"
#include <QStringList>

namespace ksiega::ledger {

inline constexpr int kEntrySortOrders = 25;
inline constexpr const char* kEntryIdColumn = "id_dokument_pozycja";

// The data columns (the mark column comes first on screen, from the list model).
ui::ListColumns entryListColumns();
// The document and amount columns both ledger entry lists show, from "Nr ewidencyjny" to
// "Opis pozycji", in their order.
ui::ListColumns entryDocumentColumns();
// Titles of the data columns, in order.
QStringList entryColumnTitles();

// Sort order 1..25 (anything else gives order 1).
ui::SortOrder entrySortOrder(int number);
// The names of LIST3: one per ascending/descending pair, then "Data zatwierdzenia".
QStringList entrySortNames();
// LIST3 index (0-based) of an order and whether it is the descending twin; order 25 is
// not offered in LIST3 and gives -1.
int entrySortChoiceIndex(int number);
bool entrySortDescending(int number);
// The order number of a LIST3 index and direction.
int entrySortNumber(int choiceIndex, bool descending);
// The order with the direction turned: 1..11 <-> 12..22, 23 <-> 24; 25 stays.
int entrySortToggled(int number);

// okresu_obrot, the period of a line: "BO" (day 1), "BZ" (day 28), else the month name,
// with the year in front when the fiscal year spans two calendar years.
QString entryPeriodLabel(int dataOkresu, bool twoCalendarYears);

} // namespace ksiega::ledger
