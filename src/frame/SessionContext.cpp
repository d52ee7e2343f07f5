#include "frame/SessionContext.h"
#include <memory>

namespace ksiega {

static std::unique_ptr<SessionContext>& instance() {
    static std::unique_ptr<SessionContext> s = std::make_unique<SessionContext>();
    return s;
}

SessionContext& session() { return *instance(); }
void resetSession() { instance() = std::make_unique<SessionContext>(); }

} // namespace ksiega
