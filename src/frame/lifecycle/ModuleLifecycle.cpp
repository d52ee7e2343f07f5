// KSIEGA_INIT and KSIEGA_KILL: the host's hand-over of its error and settings objects,
// and the start and shut-down of the sibling libraries.
#include "frame/lifecycle/ModuleState.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/SiblingLibrary.h"
#include "platform/siblings/data/Globals.h"

namespace ksiega {

void KSIEGA_INIT(ErrorReporter* errors, Settings* settings) {
    ModuleState& module = moduleState();
    if (module.initDone) return;
    module.initDone = true;
    if (errors) setErrorObject(errors);
    if (settings) setSettingsObject(settings);
    // Every table's file errors go through the global error object (FileAccess reads it
    // at the moment of the error), so the hand-over above binds them all.
    for (Sibling which : SIBLING_ORDER) siblingLibrary(which).init(errorObject(), settingsObject());
}

void KSIEGA_KILL() {
    ModuleState& module = moduleState();
    if (module.killDone) return;
    module.killDone = true;
    for (Sibling which : SIBLING_ORDER) siblingLibrary(which).kill();
}

} // namespace ksiega
