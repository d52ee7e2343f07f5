#include "openingbalance/LineEditors.h"
#include "openingbalance/cards/CardWindow.h"
#include "openingbalance/entry/AmountEntry.h"

namespace ksiega::openingbalance {
namespace {

class ProductionLineEditors : public LineEditors {
public:
    uint8_t editAmounts(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent) override {
        return openAmountEntry(db, session, request, parent);
    }
    uint8_t editCard(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent) override {
        return openCardWindow(db, session, request, parent, *this);
    }
};

} // namespace

LineEditors& productionLineEditors() {
    static ProductionLineEditors editors;
    return editors;
}

} // namespace ksiega::openingbalance
