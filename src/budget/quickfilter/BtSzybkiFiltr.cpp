// BT_SZYBKI_FILTR: the budget quick filter of the budget views (mode ""), or the export
// form "Export do pliku" (mode "EKSPORT"). Returns the filter chosen with "Wykonaj" ("" when
// cancelled, and always in export mode).
#include "budget/quickfilter/BudgetQuickFilterDialog.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/lifecycle/ModuleState.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"

namespace ksiega {

QString BT_SZYBKI_FILTR(const QString& mode, const QString& side, const QString& /*third*/) {
    QString result;
    runWindow({QStringLiteral("BT_SZYBKI_FILTR"), budget::BT_SZYBKI_FILTR_SECTION, QString()}, [&](WindowProcedure& window) {
        budget::BudgetQuickFilterController controller(moduleDatabase(), session(), budget::budgetFilterState(),
                                                       moduleState().moduleSettings(), mode, side);
        budget::BudgetQuickFilterDialog dialog(controller);
        window.attach(&dialog);
        dialog.exec();
        if (controller.applied() && !controller.exportMode()) result = controller.result();
    });
    return result;
}

} // namespace ksiega
