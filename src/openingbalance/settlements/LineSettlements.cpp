#include "openingbalance/settlements/LineSettlements.h"
#include "openingbalance/settlements/SettlementListWindow.h"

namespace ksiega::openingbalance {

void editLineSettlements(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                         std::vector<SettlementRow>& rows, QWidget* parent) {
    SettlementListWindow* window = nullptr;
    // The forms belong to the list window once it exists.
    struct OverTheList : FormRunner {
        SettlementListWindow** list;
        QWidget* fallback;
        bool run(SettlementFormController& form) override {
            return DialogFormRunner(*list ? static_cast<QWidget*>(*list) : fallback).run(form);
        }
    } forms;
    forms.list = &window;
    forms.fallback = parent;
    SettlementListController controller(db, session, context, rows, forms);
    SettlementListWindow view(controller, parent);
    window = &view;
    view.exec();
}

} // namespace ksiega::openingbalance
