#include "platform/siblings/data/Globals.h"
#include <atomic>

namespace ksiega {

static std::atomic<ErrorReporter*> errorPointer{nullptr};
static std::atomic<Settings*> settingsPointer{nullptr};

ErrorReporter* errorObject() { return errorPointer.load(); }
Settings* settingsObject() { return settingsPointer.load(); }
void setErrorObject(ErrorReporter* errors) { errorPointer.store(errors); }
void setSettingsObject(Settings* settings) { settingsPointer.store(settings); }

} // namespace ksiega
