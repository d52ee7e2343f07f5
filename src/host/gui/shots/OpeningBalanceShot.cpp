#include "entries/accountfilter/AccountFilterDialog.h"
#include "host/gui/ShotTargets.h"
#include "openingbalance/browse/OpeningBalanceWindow.h"

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class OpeningBalanceShot : public openingbalance::OpeningBalanceWindow {
public:
    explicit OpeningBalanceShot(std::unique_ptr<openingbalance::OpeningBalanceController> c)
        : openingbalance::OpeningBalanceWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<openingbalance::OpeningBalanceController> m_controller;
};
} // namespace

// "Bilans otwarcia" in PLN; with --account that row is current.
KSIEGA_SHOT_TARGET("BO", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    // The picture never edits a line.
    auto controller = std::make_unique<openingbalance::OpeningBalanceController>(c.db, c.session, openingbalance::noLineEditors());
    controller->filterWindow = [] { return uint8_t(0); };
    controller->open();
    if (!c.account.isEmpty()) controller->selectAccount(c.account);
    auto window = std::make_unique<OpeningBalanceShot>(std::move(controller));
    window->sync();
    return window;
});

// FILTR_BO: the account filter on the module-wide settings, without the cost-centre switch.
KSIEGA_SHOT_TARGET("FILTR_BO", [](ShotContext&) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<entries::AccountFilterDialog>(
        std::make_unique<entries::AccountFilterController>(entries::accountFilter(), false));
    dialog->setObjectName(QStringLiteral("FILTR_BO"));
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
