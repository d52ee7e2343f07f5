#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "printouts/accountreport/AccountReportWindow.h"
#include "printouts/accountreport/RangeDialog.h"

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
                  entries::ProductionWindowServices services(moduleDatabase(), session(), &KSIEGA_O_SZYBKI_FILTR);
                  auto controller = std::make_unique<printouts::AccountReportController>(moduleDatabase(), services);
                  controller->setCurrency(session().activeCurrency());
                  controller->open(window.switches());
                  printouts::AccountReportWindow view(moduleDatabase(), std::move(controller));
                  services.attach(&view, view.controller().lists());
                  window.attach(&view);
                  view.exec();
                  view.controller().storeSwitches(window.switches());
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
