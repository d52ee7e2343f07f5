#include "openingbalance/settlements/LineSettlements.h"

// Placeholder until the settlement windows land.
namespace ksiega::openingbalance {
void editLineSettlements(db::Database&, const SessionContext&, const LineSettlementsContext&, std::vector<SettlementRow>&,
                         QWidget*) {}
} // namespace ksiega::openingbalance
