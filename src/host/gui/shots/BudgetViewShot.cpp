#include "budget/views/BudgetViewWindow.h"
#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class BudgetViewShot : public budget::BudgetViewWindow {
public:
    explicit BudgetViewShot(std::unique_ptr<budget::BudgetViewController> c)
        : budget::BudgetViewWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<budget::BudgetViewController> m_controller;
};

std::unique_ptr<QWidget> budgetShot(ShotContext& c, const QString& side) {
    auto controller = std::make_unique<budget::BudgetViewController>(c.db, c.session, shotWindowServices(),
                                                                     budget::budgetViewServices(), budget::BudgetSide::of(side));
    controller->open();
    controller->setCurrentRow(0);
    auto window = std::make_unique<BudgetViewShot>(std::move(controller));
    window->sync();
    return window;
}
} // namespace

// The budget lines of the session's company, expenditure and revenue, the first row's
// properties shown.
KSIEGA_SHOT_TARGET("BT_VIEW_W", [](ShotContext& c) { return budgetShot(c, QStringLiteral("W")); });
KSIEGA_SHOT_TARGET("BT_VIEW_D", [](ShotContext& c) { return budgetShot(c, QStringLiteral("D")); });

} // namespace ksiega::host
