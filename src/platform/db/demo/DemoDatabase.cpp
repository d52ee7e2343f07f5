#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/Schema.h"
#include "platform/db/demo/BudgetDocuments.h"
#include "platform/db/demo/BudgetUnitDemo.h"
#include "platform/db/demo/ChartOfAccounts.h"
#include "platform/db/demo/ClosingDemo.h"
#include "platform/db/demo/CostCentreDemo.h"
#include "platform/db/demo/DemoExtras.h"
#include "platform/db/demo/DemoStandInData.h"
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/OpeningBalance.h"
#include "platform/db/demo/OpeningBalanceExtras.h"
#include "platform/db/demo/SettlementsDemo.h"
#include "platform/db/demo/TradeDocuments.h"
#include "platform/server/Turnovers.h"

namespace ksiega::db::demo {
namespace {

const QString kTradeChart = QStringLiteral("plan_kont_handel.csv");
const QString kBudgetChart = QStringLiteral("plan_kont_budzet.csv");

void append(std::vector<DemoDocument>& to, const std::vector<DemoDocument>& from) { to.insert(to.end(), from.begin(), from.end()); }

std::map<int64_t, CompanyIds> createBase(Database& db, const std::vector<DemoCard>& cards) {
    auto ids = createCompanies(db);
    for (const auto& [company, companyIds] : ids) {
        const ChartOfAccounts chart = ChartOfAccounts::fromResource(company == kBudgetUnit ? kBudgetChart : kTradeChart);
        for (const auto& [year, yearId] : companyIds.years) loadChart(db, company, yearId, chart, cards);
    }
    return ids;
}

} // namespace

std::map<int64_t, CompanyIds> buildDemoBase(Database& db) {
    createSchema(db);
    Transaction tx(db);
    const std::vector<DemoCard> cards = demoCards();
    auto ids = createBase(db, cards);
    writeCards(db, cards);
    writeCardRegisters(db);
    tx.commit();
    return ids;
}

DemoSummary buildDemoDatabase(Database& db) {
    createSchema(db);
    const std::vector<DemoCard> cards = demoCards();
    Transaction tx(db);
    auto ids = createBase(db, cards);

    std::vector<DemoDocument> all;
    {
        const ChartOfAccounts chart = ChartOfAccounts::fromResource(kTradeChart);
        GeneratorContext first(kTradeCompany, kFirstYear, ids[kTradeCompany], cards, 0x5EED2025);
        std::vector<DemoDocument> previous = openingBalanceFromFile(first, QStringLiteral("bo_2025_handel.csv"));
        append(previous, tradeDocuments(first, 17, false));
        append(previous, closingFirstYearDocuments(ids[kTradeCompany], cards, previous, chart));
        GeneratorContext current(kTradeCompany, kCurrentYear, ids[kTradeCompany], cards, 0x5EED2026);
        append(all, previous);
        append(all, openingBalanceFromYear(current, previous, chart, QStringLiteral("820"), {}));
        append(all, tradeDocuments(current, 100, true));
        append(all, closingNextYearDocuments(ids[kTradeCompany], cards));
    }
    {
        const ChartOfAccounts chart = ChartOfAccounts::fromResource(kBudgetChart);
        GeneratorContext first(kBudgetUnit, kFirstYear, ids[kBudgetUnit], cards, 0xB0D2025);
        std::vector<DemoDocument> previous = openingBalanceFromFile(first, QStringLiteral("bo_2025_budzet.csv"));
        append(previous, budgetDocuments(first, 50));
        GeneratorContext current(kBudgetUnit, kCurrentYear, ids[kBudgetUnit], cards, 0xB0D2026);
        append(all, previous);
        // A budget unit closes its result and the settlements of revenue and expenditure into its fund.
        append(all, openingBalanceFromYear(current, previous, chart, QStringLiteral("800"), {222, 223}));
        append(all, budgetDocuments(current, 100));
        append(all, budgetUnitDocuments(current));
    }
    const WrittenDocuments written = writeDocuments(db, all);
    writeCards(db, cards);
    writeSettlements(db, all, written);
    writeCostCentreDemo(db, kTradeCompany, ids[kTradeCompany], all, written);
    writeBudget(db, kBudgetUnit, ids[kBudgetUnit].years, all, written);
    writeBudgetUnitDemo(db, kBudgetUnit, ids[kBudgetUnit].years, all, written);
    writeStandInData(db);
    writeCardRegisters(db);
    writeOpeningBalanceExtras(db, kTradeCompany, ids[kTradeCompany].years[kFirstYear]);
    writeClosingExtras(db, ids);
    writeSettlementsDemo(db, ids);
    tx.commit();

    recomputeAllTurnovers(db);
    db.analyze();
    DemoSummary summary;
    summary.documents = int64_t(all.size());
    for (const DemoDocument& d : all) summary.lines += int64_t(d.lines.size());
    return summary;
}

void recomputeAllTurnovers(Database& db) {
    std::vector<std::pair<int64_t, int64_t>> years;
    Rows rows = db.select(QStringLiteral("select id_firmy, id_lata_obrot from LATA_OBROTOWE order by id_firmy, poczatek_roku"));
    while (rows.next()) years.emplace_back(rows.int64(0), rows.int64(1));
    for (const auto& [company, year] : years) server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db, company, year, 0);
}

} // namespace ksiega::db::demo
