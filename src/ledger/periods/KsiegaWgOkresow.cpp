#include "entries/view/EntryWindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/periods/KsiegaWgOkresowWindow.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void KSIEGA_WG_OKRESOW(const QString& /*parameter*/) {
    runWindow({QStringLiteral("KSIEGA_WG_OKRESOW"), ledger::KsiegaWgOkresowController::SECTION, help::KSIEGA_WG_OKRESOW},
              [](WindowProcedure& window) {
                  entries::runEntryWindow<ledger::KsiegaWgOkresowController, ledger::KsiegaWgOkresowWindow>(
                      window, &KSIEGA_O_SZYBKI_FILTR);
              });
}

} // namespace ksiega
