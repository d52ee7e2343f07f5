#pragma once
// A chart of accounts read from the embedded files and loaded into KONTA_SYNT and
// WARTOSCI_KONT for one company and fiscal year.
#include "platform/db/Database.h"
#include "platform/db/demo/DemoCards.h"
#include <QString>
#include <vector>

namespace ksiega::db::demo {

struct SyntheticAccount {
    int number = 0;
    QString name;
    QChar type;                    // 'B', 'W', 'P'
    bool settlement = false;       // czy_rozrach
    bool currency = false;         // czy_walutowe
    bool twoBalance = false;       // czy_dwusaldowe
    bool costCentre = false;       // czy_mpk
    QString registerKind;          // kartoteka: '', 'K', 'P', 'U'
};

struct AnalyticAccount {
    QString number;                // "130-01"
    QString name;
};

struct ChartOfAccounts {
    std::vector<SyntheticAccount> synthetic;
    std::vector<AnalyticAccount> analytic;

    // Reads an embedded chart file; throws DbError for a malformed line.
    static ChartOfAccounts fromResource(const QString& name);
    const SyntheticAccount* find(int number) const;
};

// Accounts written for a company and year: every account number, and the leaves that take postings.
struct LoadedChart {
    std::vector<QString> leaves;
};

// Writes the chart for the company and year, with a card account below each register
// account for every card of its kind (foreign contractors under currency accounts only,
// domestic ones under the others). In the caller's transaction.
LoadedChart loadChart(Database& db, int64_t company, int64_t year, const ChartOfAccounts& chart,
                      const std::vector<DemoCard>& cards);

} // namespace ksiega::db::demo
