#include "entries/view/EntryWindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/accounts/window/KsiegaWgKontWindow.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega {

void KSIEGA_WG_KONT() {
    runWindow({QStringLiteral("KSIEGA_WG_KONT"), ledger::KsiegaWgKontController::SECTION, help::KSIEGA_WG_KONT},
              [](WindowProcedure& window) {
                  entries::runEntryWindow<ledger::KsiegaWgKontController, ledger::KsiegaWgKontWindow>(
                      window, &KSIEGA_O_SZYBKI_FILTR);
              });
}

} // namespace ksiega
