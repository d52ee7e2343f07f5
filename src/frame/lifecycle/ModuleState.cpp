#include "frame/lifecycle/ModuleState.h"
#include "frame/SessionContext.h"
#include "platform/siblings/data/Globals.h"

namespace ksiega {

ModuleState::ModuleState() {
    // Order of load: error object, settings object, pointers, fuzzy matcher, tooltip.
    const QString file = session().GGG_SCIEZKA_SET.trimmed();
    m_settings = std::make_unique<Settings>(file.isEmpty() ? defaultSettingsFile() : file);
    setSettingsObject(m_settings.get());
    if (!errorObject()) setErrorObject(&m_errors);
    m_fuzzy.init();
    m_fuzzy.setOption(FuzzyMatcher::CaseInsensitive, true);
    m_fuzzy.setOption(FuzzyMatcher::WholeWord, false);
    m_tooltip.init(QStringLiteral("Help"));
}

ModuleState::~ModuleState() {
    // Order of unload: tooltip, fuzzy matcher, settings; then both pointers empty.
    m_tooltip.kill();
    m_fuzzy.kill();
    m_settings->kill();
    setErrorObject(nullptr);
    setSettingsObject(nullptr);
}

static std::mutex instanceMutex;
static std::unique_ptr<ModuleState>& instance() {
    static std::unique_ptr<ModuleState> s;
    return s;
}

ModuleState& moduleState() {
    std::lock_guard lock(instanceMutex);
    if (!instance()) instance() = std::make_unique<ModuleState>();
    return *instance();
}

void unloadModule() {
    std::lock_guard lock(instanceMutex);
    instance().reset();
}

void resetModuleState() {
    unloadModule();
    moduleState();
}

} // namespace ksiega
