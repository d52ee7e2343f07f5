#include "openingbalance/cards/CardWindow.h"
#include "frame/window/WindowProcedure.h"
#include "openingbalance/cards/CardWindowDialog.h"

namespace ksiega::openingbalance {

uint8_t openCardWindow(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent,
                       LineEditors& editors) {
    CardWindowController controller(db, session, request, editors);
    runWindow({QStringLiteral("KARTOTEKA"), QStringLiteral("Kartoteka_BO"), QString()}, [&](WindowProcedure& window) {
        controller.load();
        CardWindowDialog dialog(controller, parent);
        window.attach(&dialog);
        dialog.exec();
    });
    // What was saved before an error stays saved: the browse reloads.
    return controller.result();
}

} // namespace ksiega::openingbalance
