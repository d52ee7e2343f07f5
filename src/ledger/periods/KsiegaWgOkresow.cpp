#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/periods/KsiegaWgOkresowWindow.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void KSIEGA_WG_OKRESOW(const QString& /*parameter*/) {
    runWindow({QStringLiteral("KSIEGA_WG_OKRESOW"), ledger::KsiegaWgOkresowController::SECTION, help::KSIEGA_WG_OKRESOW},
              [](WindowProcedure& window) {
                  entries::ProductionWindowServices services(moduleDatabase(), session(), &KSIEGA_O_SZYBKI_FILTR);
                  ledger::KsiegaWgOkresowController controller(moduleDatabase(), session(), services);
                  controller.open(window.switches());
                  ledger::KsiegaWgOkresowWindow view(controller);
                  services.attach(&view, controller.lists());
                  window.attach(&view);
                  view.exec();
                  controller.storeSwitches(window.switches());
              });
}

} // namespace ksiega
