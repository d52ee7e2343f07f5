#include "host/gui/MainWindow.h"
#include "host/gui/ShotTargets.h"

namespace ksiega::host {

KSIEGA_SHOT_TARGET("main", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    return std::make_unique<MainWindow>(c.db, c.session, catalogue());
});

} // namespace ksiega::host
