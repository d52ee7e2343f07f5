#include "ledger/periods/PeriodsState.h"
#include "frame/lifecycle/ModuleState.h"

namespace ksiega::ledger {

PeriodsState& periodsState() { return moduleState().state<PeriodsState>(); }

} // namespace ksiega::ledger
