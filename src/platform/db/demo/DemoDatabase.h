#pragma once
// The ready demo database: schema, two companies (a wholesale company and a school),
// fiscal years 2025 and 2026, charts of accounts, opening balances and about two thousand
// documents of 2026 (and fewer of 2025), then the turnovers of every company and year.
// Deterministic: the same data on every run and engine.
#include "platform/db/Database.h"
#include "platform/db/demo/DemoCompanies.h"

namespace ksiega::db::demo {

struct DemoSummary {
    int64_t documents = 0;
    int64_t lines = 0;
};

// Fills an empty database (the schema is created when missing). Throws DbError.
DemoSummary buildDemoDatabase(Database& db);

// The part every demo database shares: schema, currencies, users and rights, companies,
// fiscal years, journals, document types and both charts of accounts, without documents.
// In one transaction.
std::map<int64_t, CompanyIds> buildDemoBase(Database& db);

// Recomputes the turnovers of every company and fiscal year.
void recomputeAllTurnovers(Database& db);

} // namespace ksiega::db::demo
