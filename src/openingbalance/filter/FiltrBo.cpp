// FILTR_BO: the account filter window of the opening-balance browse. It is the window of
// the ledger's account filter on the same module-wide settings, without the cost-centre
// switch; "Wykonaj" copies its settings there and answers 1.
#include "entries/accountfilter/AccountFilterDialog.h"
#include "entries/accountfilter/AccountFilterSettings.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"

namespace ksiega {

uint8_t FILTR_BO() {
    uint8_t result = 0;
    runWindow({QStringLiteral("FILTR_BO"), QStringLiteral("Filtr"), QString()}, [&](WindowProcedure& window) {
        entries::AccountFilterDialog dialog(std::make_unique<entries::AccountFilterController>(entries::accountFilter(), false));
        dialog.setObjectName(QStringLiteral("FILTR_BO"));
        window.attach(&dialog);
        dialog.exec();
        result = dialog.controller().result();
    });
    return result;
}

} // namespace ksiega
