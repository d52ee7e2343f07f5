#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"
#include "ledger/periods/KsiegaWgOkresowWindow.h"

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class KsiegaWgOkresowShot : public ledger::KsiegaWgOkresowWindow {
public:
    explicit KsiegaWgOkresowShot(std::unique_ptr<ledger::KsiegaWgOkresowController> c)
        : ledger::KsiegaWgOkresowWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<ledger::KsiegaWgOkresowController> m_controller;
};
} // namespace

// "Przeglądanie stanu kont" on the session's period, the summary of its entries shown.
KSIEGA_SHOT_TARGET("KSIEGA_WG_OKRESOW", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto controller = std::make_unique<ledger::KsiegaWgOkresowController>(c.db, c.session, shotWindowServices());
    controller->open();
    controller->setPreviewTab(1);
    auto window = std::make_unique<KsiegaWgOkresowShot>(std::move(controller));
    window->sync();
    return window;
});

} // namespace ksiega::host
