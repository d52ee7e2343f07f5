#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "openingbalance/browse/BrowseLineEditors.h"
#include "openingbalance/browse/OpeningBalanceWindow.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void BO() {
    runWindow({QStringLiteral("BO"), openingbalance::OpeningBalanceController::SECTION, help::BO},
              [](WindowProcedure& window) {
                  openingbalance::OpeningBalanceController controller(moduleDatabase(), session(),
                                                                      openingbalance::browseLineEditors());
                  controller.open();
                  openingbalance::OpeningBalanceWindow view(controller);
                  window.attach(&view);
                  view.exec();
              });
}

} // namespace ksiega
