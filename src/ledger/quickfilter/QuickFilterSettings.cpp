#include "ledger/quickfilter/QuickFilterSettings.h"
#include "frame/lifecycle/ModuleState.h"

namespace ksiega::ledger {

void QuickFilterSettings::clear() {
    const bool dt = sideDt, ct = sideCt;
    *this = QuickFilterSettings{};
    sideDt = dt;
    sideCt = ct;
}

QuickFilterState& quickFilterState() {
    return moduleState().state<QuickFilterState>();
}

} // namespace ksiega::ledger
