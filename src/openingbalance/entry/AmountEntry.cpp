#include "openingbalance/entry/AmountEntry.h"
#include "frame/window/WindowProcedure.h"
#include "openingbalance/entry/AmountEntryDialog.h"

namespace ksiega::openingbalance {

uint8_t openAmountEntry(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent) {
    uint8_t result = 0;
    runWindow({QStringLiteral("BO_KWOTY"), QStringLiteral("Bo_kwoty"), QStringLiteral("07_01_wprowadzanie_bilansu_otwarcia.htm")},
              [&](WindowProcedure& window) {
                  if (!window.opened()) return;
                  AmountEntryController controller(db, session, request, productionAmountEntryServices());
                  if (!controller.open()) return;
                  AmountEntryDialog dialog(controller, parent);
                  window.attach(&dialog);
                  dialog.exec();
                  controller.close();
                  result = controller.result();
              });
    return result;
}

} // namespace ksiega::openingbalance
