#pragma once
// The amount entry window "Wprowadzanie kwot bilansu otwarcia" of one account of the
// opening-balance document: 1 when it saved.
#include "openingbalance/LineEditors.h"

namespace ksiega::openingbalance {

uint8_t openAmountEntry(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent);

} // namespace ksiega::openingbalance
