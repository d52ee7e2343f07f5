#pragma once
// The two demo companies and what every company needs before its ledger: addresses,
// fiscal years, currencies, users and their rights, journals and document types.
#include "platform/db/Database.h"
#include <QString>
#include <map>

namespace ksiega::db::demo {

constexpr int64_t kTradeCompany = 1;    // a wholesale company
constexpr int64_t kBudgetUnit = 2;      // a school, a public-sector budget unit
constexpr int kFirstYear = 2025;
constexpr int kCurrentYear = 2026;

constexpr const char* kAdminLogin = "admin";
constexpr const char* kClerkLogin = "ksiegowa";
constexpr const char* kClerkDeniedRight = "4_1_1_1";   // printing from the ledger browse

struct JournalIds {
    int64_t journal = 0;        // id_paczka
    int64_t documentType = 0;   // id_typ_dok
};

// Fiscal years and journals of one company: year -> id_lata_obrot; document type symbol ->
// its journal in that year and its id.
struct CompanyIds {
    std::map<int, int64_t> years;
    std::map<int, std::map<QString, JournalIds>> journals;
};

// Writes the currencies, users, both companies with their addresses, fiscal years,
// rights, journals and document types. In the caller's transaction.
std::map<int64_t, CompanyIds> createCompanies(Database& db);

} // namespace ksiega::db::demo
