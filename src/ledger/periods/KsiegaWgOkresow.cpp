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
                  ledger::KsiegaWgOkresowController controller(moduleDatabase(), session());
                  controller.quickFilter = [](const QString& mode) { return KSIEGA_O_SZYBKI_FILTR(mode); };
                  controller.open(window.switches());
                  ledger::KsiegaWgOkresowWindow view(controller);
                  window.attach(&view);
                  view.exec();
                  controller.storeSwitches(window.switches());
              });
}

} // namespace ksiega
