#pragma once
// The two lists of "Przeglądanie stanu kont": the entries list LIST1 (over the entry view
// with account names) and the turnover list LIST6 (over OBROTY_I_SALDA), their columns and
// their sort choices (LIST3), each choice ascending or descending.
//
// LIST6 shows four amounts: the PLN set ("Obroty Dt", ...), or under the customer variant
// the alternative PLN set under the same titles; for any other currency the currency set
// ("Obroty Dt /wal./", ...).
#include "platform/ui/list/ListColumn.h"
#include "platform/ui/list/SortOrder.h"
#include <QStringList>

namespace ksiega::ledger {

inline constexpr const char* kTurnoverIdColumn = "id_obroty_i_salda";

ui::ListColumns periodEntryColumns();
ui::ListColumns turnoverColumns(const QString& currency, int64_t customerVariant);

QStringList periodEntrySortNames();
QStringList turnoverSortNames();
// The sort of a LIST3 choice (0-based; out of range gives the first) in a view.
ui::SortOrder periodsSortOrder(int viewMode, int choice, bool descending);
int periodsSortChoices(int viewMode);


} // namespace ksiega::ledger
