#pragma once
// What "Przeglądanie stanu kont" keeps for the life of the loaded module, shared by every
// open copy of the window: the view mode, whether the previews are shown, the period list
// and the currency.
#include "ledger/periods/PeriodList.h"
#include <QString>
#include <vector>

namespace ksiega::ledger {

struct PeriodsState {
    int viewMode = 0;          // 0 entries, 1 turnovers
    bool previewsShown = true;
    std::vector<PeriodListRow> periods;
    QString currency = QStringLiteral("PLN");
};

// The module's one instance.
PeriodsState& periodsState();

} // namespace ksiega::ledger
