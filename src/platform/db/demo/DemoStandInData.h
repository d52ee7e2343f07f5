#pragma once
// The rows the stand-ins of the sibling libraries read in the demo database: bank
// accounts and fixed assets of each company (cards of kinds 'R' and 'S'), the standard
// descriptions of settlements, and a VAT register on each PLN opening balance of the
// wholesale company. In the caller's transaction, after the documents and cards.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

void writeStandInData(Database& db);

} // namespace ksiega::db::demo
