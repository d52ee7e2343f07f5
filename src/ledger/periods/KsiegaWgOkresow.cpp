#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/periods/KsiegaWgOkresowWindow.h"
#include "platform/ui/help/HelpTopics.h"
#include "printouts/listing/LedgerListingStart.h"

namespace ksiega {

void KSIEGA_WG_OKRESOW(const QString& /*parameter*/) {
    runWindow({QStringLiteral("KSIEGA_WG_OKRESOW"), ledger::KsiegaWgOkresowController::SECTION, help::KSIEGA_WG_OKRESOW},
              [](WindowProcedure& window) {
                  ledger::KsiegaWgOkresowController controller(moduleDatabase(), session());
                  controller.quickFilter = [](const QString& mode) { return KSIEGA_O_SZYBKI_FILTR(mode); };
                  controller.open(window.switches());
                  ledger::KsiegaWgOkresowWindow view(controller);
                  SessionContext& s = session();
                  controller.chooseStatement = [&view](const QString& set) { return printouts::chooseStatement(set, &view); };
                  controller.askPrintRange = [&view, &s] { return printouts::askPrintRange(s, &view); };
                  controller.startPrint = [&controller, &s](const ledger::LedgerPrintJob& j) {
                      ledgerprint::ListingJob job = printouts::sessionListingJob(s, j.parameters, j.filter, j.header);
                      job.currency = controller.currency();
                      printouts::startLedgerListing(std::move(job));
                  };
                  window.attach(&view);
                  view.exec();
                  controller.storeSwitches(window.switches());
              });
}

} // namespace ksiega
