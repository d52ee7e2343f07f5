#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "printouts/accountreport/AccountReportWindow.h"
#include "printouts/accountreport/RangeDialog.h"
#include "printouts/listing/LedgerListingStart.h"

namespace ksiega {

namespace {
// The range that UP_RAPORT_DLA_KONTA edits, as the module keeps it between calls.
printouts::AccountRange& heldRange() {
    static printouts::AccountRange range;
    return range;
}
} // namespace

void RAPORT_DLA_KONTA() {
    runWindow({QStringLiteral("RAPORT_DLA_KONTA"), printouts::AccountReportController::SECTION, QStringLiteral("08_04_raport_z_konta.htm")},
              [](WindowProcedure& window) {
                  auto controller = std::make_unique<printouts::AccountReportController>(moduleDatabase());
                  controller->setCurrency(session().activeCurrency());
                  controller->open(window.switches());
                  printouts::AccountReportWindow view(moduleDatabase(), std::move(controller));
                  SessionContext& s = session();
                  printouts::AccountReportHooks& hooks = printouts::accountReportHooks();
                  const printouts::AccountReportHooks before = hooks;
                  hooks.chooseStatement = [&view](const QString& set) { return printouts::chooseStatement(set, &view); };
                  hooks.choosePrintRange = [&view, &s] { return printouts::askPrintRange(s, &view) ? 1 : 0; };
                  hooks.startPrint = [&s, &view](const printouts::PrintRequest& r) {
                      ledgerprint::ListingJob job = printouts::sessionListingJob(s, r.parameters, r.filter, r.heading);
                      job.currency = view.controller().currency();
                      job.broughtForward = {r.carriedInDt, r.carriedInCt};
                      printouts::startLedgerListing(std::move(job));
                  };
                  window.attach(&view);
                  view.exec();
                  view.controller().storeSwitches(window.switches());
                  hooks = before;
              });
}

uint8_t UP_RAPORT_DLA_KONTA(uint8_t newRange) {
    const printouts::AccountRange* existing = newRange ? nullptr : &heldRange();
    printouts::RangeDialog dialog(
        std::make_unique<printouts::RangeDialogController>(moduleDatabase(), existing, printouts::DateKind::Document));
    if (dialog.exec() != QDialog::Accepted) return 0;
    heldRange() = dialog.controller().result();
    return 1;
}

} // namespace ksiega
