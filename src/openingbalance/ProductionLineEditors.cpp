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

class NoLineEditors : public LineEditors {
public:
    uint8_t editAmounts(db::Database&, const SessionContext&, const LineRequest&, QWidget*) override { return 0; }
    uint8_t editCard(db::Database&, const SessionContext&, const LineRequest&, QWidget*) override { return 0; }
};

} // namespace

LineEditors& noLineEditors() {
    static NoLineEditors editors;
    return editors;
}

LineEditors& productionLineEditors() {
    static ProductionLineEditors editors;
    return editors;
}

} // namespace ksiega::openingbalance
