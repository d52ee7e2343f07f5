#include "frame/SessionContext.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "entries/accountfilter/AccountFilterDialog.h"
#include "entries/accountfilter/AccountFilterSettings.h"

namespace ksiega {

uint8_t FILTR() {
    uint8_t result = 0;
    runWindow({QStringLiteral("FILTR"), QStringLiteral("Filtr"), QString()}, [&](WindowProcedure& window) {
        entries::AccountFilterDialog dialog(std::make_unique<entries::AccountFilterController>(
            entries::accountFilter(), session().DANE_CZY_WERSJA_MPK == 1));
        window.attach(&dialog);
        dialog.exec();
        result = dialog.controller().result();
    });
    return result;
}

} // namespace ksiega
