#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"
#include "ledger/accounts/window/KsiegaWgKontWindow.h"

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class KsiegaWgKontShot : public ledger::KsiegaWgKontWindow {
public:
    explicit KsiegaWgKontShot(std::unique_ptr<ledger::KsiegaWgKontController> c)
        : ledger::KsiegaWgKontWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<ledger::KsiegaWgKontController> m_controller;
};
} // namespace

// "Księga główna" with names shown, on the account given with --account (its entries
// and the document of the first one).
KSIEGA_SHOT_TARGET("KSIEGA_WG_KONT", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto controller = std::make_unique<ledger::KsiegaWgKontController>(c.db, c.session, shotWindowServices());
    ledger::KsiegaWgKontController& ctl = *controller;
    ctl.open();
    ctl.tree().setNamesShown(true);
    auto window = std::make_unique<KsiegaWgKontShot>(std::move(controller));
    if (!c.account.isEmpty()) window->chooseAccount(c.account.trimmed());
    window->sync();
    return window;
});

} // namespace ksiega::host
