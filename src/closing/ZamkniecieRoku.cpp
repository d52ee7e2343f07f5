#include "closing/ClosingController.h"
#include "closing/ClosingWindow.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void ZAMKNIECIE_ROKU() {
    runWindow({closing::ClosingController::PROCEDURE, closing::ClosingController::SECTION, help::ZAMKNIECIE_ROKU},
              [](WindowProcedure& window) {
                  closing::ClosingController controller(moduleDatabase(), session(), closing::closingServices());
                  if (!controller.open()) return;
                  closing::ClosingWindow view(controller);
                  window.attach(&view);
                  view.exec();
              });
}

} // namespace ksiega
