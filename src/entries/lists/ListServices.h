#pragma once
// What the entry lists of the ledger windows offer from their popup, the same way in
// every window: the stored column layout of a list (KONFIGURACJA_OKNA mode 2 at open,
// mode 3 for "Konfiguracja kolumn"), "Eksport do Excela" (EXPORT2EXCEL: the rows stream
// from the list's own query, with a progress window that can be cancelled) and the
// fields of the current row as the list shows them.
#include "platform/ui/export/XlsxExport.h"
#include "platform/ui/list/PagedListModel.h"
#include <utility>
#include <vector>

class QTableView;

namespace ksiega::entries {

// The list as the view shows it: the view, its model, the list's browser number.
struct ListOnScreen {
    QTableView& view;
    ui::PagedListModel& model;
    int browser = 0;
    int64_t userNumber = 0;   // DANE_ID_UZYTKOWNIKA_NR
};

// The names of the view's columns in a stored layout ("flaga" for the mark column).
QStringList layoutColumnNames(const ui::PagedListModel& model);
// At open: the user's stored layout of the list, when there is one.
void applyStoredColumns(const ListOnScreen& list);
// "Konfiguracja kolumn".
void configureColumns(const ListOnScreen& list);
// "Eksport do Excela" to the file (".xlsx" is added when missing); a failure is shown.
ui::ExportResult exportList(ui::PagedListModel& model, QString path);
// The row's columns: the column's name, then its text as shown.
std::vector<std::pair<QString, QString>> rowFields(ui::PagedListModel& model, int row);

} // namespace ksiega::entries
