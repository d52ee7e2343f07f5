#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/accounts/window/KsiegaWgKontWindow.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void KSIEGA_WG_KONT() {
    runWindow({QStringLiteral("KSIEGA_WG_KONT"), ledger::KsiegaWgKontController::SECTION, help::KSIEGA_WG_KONT},
              [](WindowProcedure& window) {
                  entries::ProductionWindowServices services(moduleDatabase(), session(), &KSIEGA_O_SZYBKI_FILTR);
                  ledger::KsiegaWgKontController controller(moduleDatabase(), session(), services);
                  controller.open(window.switches());
                  ledger::KsiegaWgKontWindow view(controller);
                  services.attach(&view, controller.lists());
                  window.attach(&view);
                  view.exec();
                  controller.storeSwitches(window.switches());
              });
}

} // namespace ksiega
