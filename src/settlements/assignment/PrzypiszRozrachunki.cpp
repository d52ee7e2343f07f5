#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/ui/help/HelpTopics.h"
#include "settlements/assignment/AssignmentController.h"
#include "settlements/assignment/AssignmentWindow.h"

namespace ksiega {

void PRZYPISZ_ROZRACHUNKI(int64_t idPaczka) {
    using namespace settlements;
    runWindow({AssignmentController::PROCEDURE, AssignmentController::SECTION, help::PRZYPISZ_ROZRACHUNKI},
              [&](WindowProcedure& window) {
                  AssignmentController controller(moduleDatabase(), session(), settlementServices(), idPaczka);
                  if (!controller.open()) return;
                  AssignmentWindow view(controller);
                  window.attach(&view);
                  view.exec();
              });
}

} // namespace ksiega
