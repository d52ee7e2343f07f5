#pragma once
// A large deterministic ledger for benchmarks: exactly `lines` document lines for one
// company and fiscal year, spread over the leaf accounts of its chart so that one account
// (the current bank account 130-01) takes part in about a tenth of the lines; periods BO
// to BZ; a share of the documents in EUR and USD and a few not posted; about one line in
// five split onto cost centres. Loaded in bulk in
// one transaction with ids given out here, the secondary indexes of NAG_DOK and POZ_DOK
// dropped before and built after; then ANALYZE and the turnovers of the year.
#include "platform/db/Database.h"
#include <functional>

namespace ksiega::db::demo {

struct LedgerOptions {
    int64_t lines = 0;
    uint64_t seed = 1;
    int64_t company = 1;
    QString year = QStringLiteral("2026");        // rok_obrotowy
    // A budget unit's ledger: a budget line for every ledger line (BudgetLedger.h) and no
    // cost-centre splits.
    bool budget = false;
};

struct LedgerResult {
    int64_t documents = 0;
    int64_t lines = 0;
    int64_t costCentreSplits = 0;  // about one line in five split onto cost centres
    int64_t budgetLines = 0;       // with LedgerOptions::budget
    double loadSeconds = 0;       // headers and lines
    double indexSeconds = 0;      // building the secondary indexes, checking the foreign keys, commit
    double analyzeSeconds = 0;
    double turnoverSeconds = 0;
    double totalSeconds = 0;
};

// The chosen hot account.
QString hotAccount();

// Needs the company, year, chart and journals in place (buildDemoBase). Throws DbError.
LedgerResult generateLedger(Database& db, const LedgerOptions& options,
                            const std::function<void(const QString&)>& progress = {});

} // namespace ksiega::db::demo
