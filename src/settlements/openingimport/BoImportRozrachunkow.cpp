#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/ui/help/HelpTopics.h"
#include "settlements/openingimport/OpeningImportController.h"
#include "settlements/openingimport/OpeningImportWindow.h"

namespace ksiega {

void BO_IMPORT_ROZRACHUNKOW() {
    runWindow({QStringLiteral("BO_IMPORT_ROZRACHUNKOW"), settlements::OpeningImportController::SECTION,
               help::BO_IMPORT_ROZRACHUNKOW},
              [](WindowProcedure& window) {
                  entries::ProductionWindowServices services(moduleDatabase(), session(), &KSIEGA_O_SZYBKI_FILTR);
                  // The controller outlives the view: its destructor is the last way out
                  // (the postponed update, the settlement flag) should the loop throw.
                  settlements::OpeningImportController controller(moduleDatabase(), session(), services);
                  controller.open();
                  settlements::OpeningImportWindow view(controller);
                  services.attach(&view, controller.lists());
                  window.attach(&view);
                  view.exec();
                  controller.close();
              });
}

} // namespace ksiega
