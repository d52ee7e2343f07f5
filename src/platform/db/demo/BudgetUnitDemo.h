#pragma once
// What the budget unit's demo adds to its documents so that every budget window has
// something to show: the classification dictionary (with a name changed during the year),
// plan changes, lines split over two symbols, analytic symbols under one paragraf, every
// combination of the budget senses on both sides, budget lines of the opening balance, a
// symbol only planned and one only booked, a storno, the task budget with its dictionaries,
// a locked document, the territorial codes, the unit's identifier and an address change.
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/GeneratorContext.h"

namespace ksiega::db::demo {

// Symbols the demo uses on purpose (tests read them).
inline const QString kSplitSecondSymbol = QStringLiteral("801-80101-4270");   // second part of split lines
inline const QString kAnalyticOne = QStringLiteral("801-80101-4210-01");
inline const QString kAnalyticTwo = QStringLiteral("801-80101-4210-02");
inline const QString kPlanOnlySymbol = QStringLiteral("801-80101-4280");
inline const QString kEntryOnlySymbol = QStringLiteral("801-80101-4170");
inline const QString kRenamedSymbol = QStringLiteral("801-80101-4120");
inline const QString kFlagsExpenditureSymbol = QStringLiteral("801-80101-4300");
inline const QString kFlagsRevenueSymbol = QStringLiteral("801-80148-0830");

// The documents of the current year added to the budget unit's own (classified lines).
std::vector<DemoDocument> budgetUnitDocuments(GeneratorContext& ctx);

// Everything written after the documents and their budget lines: `years` maps the
// calendar year to id_lata_obrot.
void writeBudgetUnitDemo(Database& db, int64_t company, const std::map<int, int64_t>& years, const std::vector<DemoDocument>& docs,
                         const WrittenDocuments& written);

} // namespace ksiega::db::demo
