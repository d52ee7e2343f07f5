#include "host/gui/ShotTargets.h"
#include "entries/accountfilter/AccountFilterDialog.h"

namespace ksiega::host {

// The account filter window on the module-wide settings.
KSIEGA_SHOT_TARGET("FILTR", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<entries::AccountFilterDialog>(std::make_unique<entries::AccountFilterController>(
        entries::accountFilter(), c.session.DANE_CZY_WERSJA_MPK == 1));
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
