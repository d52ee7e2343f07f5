#include "closing/ClosingController.h"
#include "closing/ClosingWindow.h"
#include "host/gui/ShotTargets.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <stdexcept>

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class ClosingShot : public closing::ClosingWindow {
public:
    explicit ClosingShot(std::unique_ptr<closing::ClosingController> c)
        : closing::ClosingWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<closing::ClosingController> m_controller;
};
} // namespace

// "BO w następnym roku obrotowym" of the session's year (on the demo: 2025, followed by 2026).
KSIEGA_SHOT_TARGET("ZAMKNIECIE_ROKU", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    ui::ScriptedDialogs quiet;
    ui::ScopedDialogs scoped(quiet);
    auto controller = std::make_unique<closing::ClosingController>(c.db, c.session, closing::productionClosingServices());
    if (!controller->open()) throw std::runtime_error(quiet.texts().join(QLatin1Char(' ')).toStdString());
    auto window = std::make_unique<ClosingShot>(std::move(controller));
    window->sync();
    return window;
});

} // namespace ksiega::host
