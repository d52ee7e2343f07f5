#pragma once
// The global error pointer and the global settings pointer: the objects every procedure
// reports file errors to and stores its window settings in. The module sets them at
// load and KSIEGA_INIT may point them at the host's objects. Empty until the module loads.
#include "platform/siblings/data/ErrorReporter.h"
#include "platform/ui/settings/Settings.h"

namespace ksiega {

ErrorReporter* errorObject();
Settings* settingsObject();
void setErrorObject(ErrorReporter* errors);
void setSettingsObject(Settings* settings);

} // namespace ksiega
