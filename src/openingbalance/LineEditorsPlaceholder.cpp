#include "openingbalance/LineEditors.h"

// Placeholder until the amount entry and card windows land; replaced by their wiring.
namespace ksiega::openingbalance {
namespace {
class NoLineEditors : public LineEditors {
public:
    uint8_t editAmounts(db::Database&, const SessionContext&, const LineRequest&, QWidget*) override { return 0; }
    uint8_t editCard(db::Database&, const SessionContext&, const LineRequest&, QWidget*) override { return 0; }
};
} // namespace

LineEditors& productionLineEditors() {
    static NoLineEditors editors;
    return editors;
}

} // namespace ksiega::openingbalance
