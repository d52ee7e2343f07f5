#include "costcentres/MpkWindow.h"
#include "costcentres/StoredFilterTree.h"
#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/filtertree/TreeFunctions.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void MPK_VIEW() {
    runWindow({QStringLiteral("MPK_VIEW"), costcentres::MpkViewController::SECTION, help::MPK_VIEW},
              [](WindowProcedure& window) {
                  entries::ProductionWindowServices services(moduleDatabase(), session(),
                                                             [](const QString&) { return MPK_SZYBKI_FILTR(); });
                  costcentres::StoredFilterTree tree(moduleDatabase(), {session().DANE_ID_FIRMY, filtertree::kCostCentreBrowser,
                                                                        session().DANE_ID_UZYTKOWNIKA_NR});
                  costcentres::MpkViewController controller(moduleDatabase(), session(), services, &tree);
                  controller.open();
                  costcentres::MpkWindow view(controller);
                  services.attach(&view, controller.lists());
                  window.attach(&view);
                  view.exec();
              });
}

} // namespace ksiega
