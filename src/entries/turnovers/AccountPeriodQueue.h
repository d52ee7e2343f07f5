#pragma once
// The module-wide account period-turnover queue: the rows of the ledger browse's
// period-turnover list together with the account and currency they were computed for.
// The browse fills it before it starts the account ledger printout; the printout (on its
// own thread, possibly) reads a copy of it.
#include "entries/turnovers/PeriodTurnoverList.h"
#include <QString>
#include <vector>

namespace ksiega::entries {

struct AccountPeriodQueue {
    QString konto;    // the browse's current account
    QString waluta;   // its currency ("PLN" for the home currency)
    std::vector<PeriodTurnoverRow> rows;  // in period order: BO, the months, BZ
};

// Replaces the queue (the browse, after it rebuilt its period-turnover list).
void setAccountPeriodQueue(AccountPeriodQueue queue);
// A copy of the queue as it is now.
AccountPeriodQueue accountPeriodQueue();

} // namespace ksiega::entries
