#include "frame/window/ThreadRegistry.h"
#include "frame/SessionContext.h"
#include <algorithm>
#include <atomic>

namespace ksiega {

static std::atomic<int64_t> lastNumber{0};

int64_t registerWindowThread() {
    SessionContext& s = session();
    const int64_t number = ++lastNumber;
    std::lock_guard lock(s.watkiMutex);
    s.DANE_WATKI.push_back(ThreadRow{number, 0});
    return number;
}

bool removeWindowThread(int64_t threadNumber) {
    SessionContext& s = session();
    std::lock_guard lock(s.watkiMutex);
    auto it = std::find_if(s.DANE_WATKI.begin(), s.DANE_WATKI.end(),
                           [&](const ThreadRow& r) { return r.threadNumber == threadNumber; });
    if (it == s.DANE_WATKI.end()) return false;
    s.DANE_WATKI.erase(it);
    return true;
}

size_t openWindowCount() {
    SessionContext& s = session();
    std::lock_guard lock(s.watkiMutex);
    return s.DANE_WATKI.size();
}

} // namespace ksiega
