#include "entries/turnovers/AccountPeriodQueue.h"
#include "frame/lifecycle/ModuleState.h"
#include <mutex>

namespace ksiega::entries {

namespace {
struct QueueState {
    std::mutex mutex;
    AccountPeriodQueue queue;
};
QueueState& queueState() { return moduleState().state<QueueState>(); }
} // namespace

void setAccountPeriodQueue(AccountPeriodQueue queue) {
    auto& s = queueState();
    std::lock_guard lock(s.mutex);
    s.queue = std::move(queue);
}

AccountPeriodQueue accountPeriodQueue() {
    auto& s = queueState();
    std::lock_guard lock(s.mutex);
    return s.queue;
}

} // namespace ksiega::entries
