#include "openingbalance/settlements/LineSettlements.h"
#include "openingbalance/settlements/SettlementListWindow.h"

namespace ksiega::openingbalance {

void editLineSettlements(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                         std::vector<SettlementRow>& rows, QWidget* parent) {
    DialogFormRunner forms(parent);
    SettlementListController controller(db, session, context, rows, forms);
    SettlementListWindow window(controller, parent);
    forms.setParent(&window);
    window.exec();
}

} // namespace ksiega::openingbalance
