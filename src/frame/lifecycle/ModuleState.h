#pragma once
// The module's own objects, from load to unload: its error object, its settings object
// (on the file named by GGG_SCIEZKA_SET), the fuzzy matcher, the shared tooltip object
// and the one-shot flags of KSIEGA_INIT and KSIEGA_KILL. Subsystems keep their
// module-level state here too (state<T>()), so that reset() gives tests a freshly
// loaded module.
#include "platform/siblings/data/ErrorReporter.h"
#include "platform/siblings/data/FuzzyMatcher.h"
#include "platform/siblings/data/Tooltip.h"
#include "platform/ui/settings/Settings.h"
#include <map>
#include <memory>
#include <mutex>
#include <typeindex>

namespace ksiega {

class ModuleState {
public:
    ModuleState();   // load
    ~ModuleState();  // unload
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;

    ErrorReporter& moduleErrors() { return m_errors; }
    Settings& moduleSettings() { return *m_settings; }
    FuzzyMatcher& fuzzy() { return m_fuzzy; }
    Tooltip& tooltip() { return m_tooltip; }

    bool initDone = false;   // KSIEGA_INIT has run
    bool killDone = false;   // KSIEGA_KILL has run

    // Module-level state of a subsystem (the account filter settings, the quick-filter
    // settings, ...): made on first use, shared by every window of the process.
    template <class T>
    T& state() {
        std::lock_guard lock(m_slotsMutex);
        auto& slot = m_slots[std::type_index(typeid(T))];
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

private:
    ErrorReporter m_errors;
    std::unique_ptr<Settings> m_settings;
    FuzzyMatcher m_fuzzy;
    Tooltip m_tooltip;
    std::mutex m_slotsMutex;
    std::map<std::type_index, std::shared_ptr<void>> m_slots;
};

// The loaded module (loads it on first use).
ModuleState& moduleState();
// Unloads the module and loads it afresh: flags clear, pointers back to the module's
// own objects, every subsystem's module-level state dropped. For tests.
void resetModuleState();
// Unloads the module (the host's shut-down; also before a reset).
void unloadModule();

} // namespace ksiega
