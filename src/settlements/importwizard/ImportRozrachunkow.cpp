#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/ui/help/HelpTopics.h"
#include "settlements/importwizard/ImportWizardController.h"
#include "settlements/importwizard/ImportWizardWindow.h"

namespace ksiega {

uint8_t IMPORT_ROZRACHUNKOW(const QString& title, const QString& cardSymbol, const QString& cardFlag, const QString& account,
                            uint8_t importOption) {
    using namespace settlements;
    uint8_t result = 0;
    runWindow({ImportWizardController::PROCEDURE, ImportWizardController::SECTION, help::IMPORT_ROZRACHUNKOW},
              [&](WindowProcedure& window) {
                  ImportWizardController controller(moduleDatabase(), session(), settlementServices(),
                                                    {title, cardSymbol.left(10), cardFlag, account, importOption});
                  if (!controller.open()) return;
                  ImportWizardWindow view(controller);
                  window.attach(&view);
                  view.exec();
                  result = controller.result();
              });
    return result;
}

} // namespace ksiega
