// The exported procedures of the budget entries: the two windows and the document of a
// budget line.
#include "budget/views/BudgetViewWindow.h"
#include "entries/drilldown/DocumentDrillDown.h"
#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega {

namespace {

void runBudgetView(const QString& sideCode) {
    const budget::BudgetSide& side = budget::BudgetSide::of(sideCode);
    runWindow({side.procedure, side.section, side.help}, [&side](WindowProcedure& window) {
        entries::ProductionWindowServices services(moduleDatabase(), session(),
                                                   [&side](const QString&) { return BT_SZYBKI_FILTR(QString(), side.code, QStringLiteral("0")); });
        budget::BudgetViewController controller(moduleDatabase(), session(), services, budget::budgetViewServices(), side);
        controller.open();
        budget::BudgetViewWindow view(controller);
        services.attach(&view, controller.lists());
        window.attach(&view);
        view.exec();
    });
}

} // namespace

// Each window shows the side its caller names; the procedure's own side when none is given.
void BT_VIEW_W(const QString& side) { runBudgetView(side.trimmed().isEmpty() ? QStringLiteral("W") : side); }
void BT_VIEW_D(const QString& side) { runBudgetView(side.trimmed().isEmpty() ? QStringLiteral("D") : side); }

void UP_BT_DOKUMENT(int64_t idNagDok) {
    if (idNagDok == 0) return;
    ui::dialogs().beginBusy();
    try {
        entries::DocumentDrillDown drill(moduleDatabase(), session(), ui::dialogs(), documents::documentsLibrary());
        drill.open({idNagDok, 0, 0});
    } catch (...) {
        ui::dialogs().endBusy();
        throw;
    }
    ui::dialogs().endBusy();
}

} // namespace ksiega
