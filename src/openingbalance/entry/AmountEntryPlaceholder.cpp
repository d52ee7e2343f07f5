#include "openingbalance/entry/AmountEntry.h"

// Placeholder until the amount entry window lands.
namespace ksiega::openingbalance {
uint8_t openAmountEntry(db::Database&, const SessionContext&, const LineRequest&, QWidget*) { return 0; }
} // namespace ksiega::openingbalance
