#include "costcentres/MpkQuickFilterDialog.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/lifecycle/ModuleState.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"

namespace ksiega {

QString MPK_SZYBKI_FILTR() {
    QString result;
    runWindow({QStringLiteral("MPK_SZYBKI_FILTR"), costcentres::MpkQuickFilterController::SECTION, QString()},
              [&](WindowProcedure& window) {
                  costcentres::MpkQuickFilterController controller(moduleDatabase(), session(),
                                                                   moduleState().moduleSettings());
                  costcentres::MpkQuickFilterDialog dialog(controller);
                  window.attach(&dialog);
                  dialog.exec();
                  if (controller.applied()) result = controller.result();
              });
    return result;
}

} // namespace ksiega
