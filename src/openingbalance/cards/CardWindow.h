#pragma once
// The card window "Kartoteka" of a register account: its analytic sub-accounts with
// opening amounts; adding one by a card of the register, correcting and removing one.
// The amounts of a sub-account are entered through `editors` (the amount entry window).
// 1 when something was saved.
#include "openingbalance/LineEditors.h"

namespace ksiega::openingbalance {

uint8_t openCardWindow(db::Database& db, const SessionContext& session, const LineRequest& request, QWidget* parent,
                       LineEditors& editors);

} // namespace ksiega::openingbalance
