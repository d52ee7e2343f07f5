#pragma once
// What the opening-balance settlement import and the document from settlements meet in the
// wholesaler's current year: settlements the warehouse system sent that the ledger has not
// booked yet (id_nag_dok_m set, id_poz_dok_f 0), in PLN and EUR, on both sides, with a
// correction, some partly cleared before the year began and again after it, one cleared
// whole; a note kept by the ledger outside any document; and a register of returnable-
// packaging deposits kept on cards whose filter holds an apostrophe. In the caller's
// transaction, after the documents and the card registers are written.
#include "platform/db/Database.h"
#include "platform/db/demo/DemoCompanies.h"
#include <map>

namespace ksiega::db::demo {

// The register of the deposit account and its filter (KARTOTEKA_UZYTKOWNIKA).
constexpr const char* kDepositRegister = "KAUCJE";
constexpr const char* kDepositFilter = "O'*";
// The warehouse documents the settlements came from are numbered from here.
constexpr int64_t kFirstWarehouseDocument = 700001;

void writeSettlementsDemo(Database& db, const std::map<int64_t, CompanyIds>& ids);

} // namespace ksiega::db::demo
