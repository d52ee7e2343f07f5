// OPISY_WYDRUKOW_KSIEGA: the budget filter's description lines for the head of a printout.
#include "budget/quickfilter/BudgetFilterDescription.h"
#include "frame/SessionContext.h"
#include "ksiega/ksiega.h"

namespace ksiega {

void OPISY_WYDRUKOW_KSIEGA(const QString& filter) {
    SessionContext& s = session();
    s.DANE_OPIS_PRN << budget::describeBudgetFilter(filter, budget::budgetFilterState().switches, s.DANE_CZY_WERSJA_BUDZET == 1,
                                                    s.GGG_BT_SEPARATOR);
}

} // namespace ksiega
