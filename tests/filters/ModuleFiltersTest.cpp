// Every filter the windows and quick filters build passes the same checker as a person's
// filter: what the module writes itself is no exception to the grammar.
#include "costcentres/FilterTree.h"
#include "costcentres/MpkQuickFilterExpression.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/quickfilter/QuickFilterExpression.h"
#include "platform/runtime/FilterExpression.h"
#include <gtest/gtest.h>

using namespace ksiega;

namespace {

void expectAccepted(const QString& filter, const char* what) {
    const FilterTranslation t = translateFilter(filter);
    EXPECT_TRUE(t.ok()) << what << ": " << filter.toStdString() << "\n  " << t.error.toStdString();
}

} // namespace

TEST(ModuleFilters, ledgerEntriesAndQuickFiltersAreAccepted) {
    for (bool whole : {true, false})
        for (bool marked : {false, true}) {
            ledger::EntriesFilterInput in;
            in.account = QStringLiteral("201-01");
            in.wholeAccount = whole;
            in.currency = QStringLiteral("EUR");
            in.savedFilter = QStringLiteral("PDU:kwota_wn>100 OR SQL(opis like '%x%')");
            in.showMarked = marked;
            in.userNumber = 3;
            in.fiscalYear = 7;
            in.quickFilterOn = true;
            in.quickFilter = QStringLiteral("PDU:strona=0");
            expectAccepted(ledger::buildEntriesFilter(in).filter, "entries filter");
        }

    const std::vector<ledger::ListRow> journals = {{1, "DZ", "DZ", true}, {2, "KS", "KS", false}};
    const std::vector<ledger::ListRow> types = {{5, "PK", "PK", false}, {6, "FV", "FV", true}};
    const std::vector<ledger::PeriodRow> periods;
    for (int scope = 0; scope <= 4; ++scope)
        for (bool several : {false, true})
            for (bool budget : {false, true}) {
                ledger::QuickFilterSettings s;
                s.account = ledger::AccountScope(scope);
                s.rangeFirst = QStringLiteral("1");
                s.rangeSecond = QStringLiteral("4'0");
                s.accountMask = QStringLiteral("2*-0?");
                s.chosenAccount = QStringLiteral("201-01'");
                s.severalAccounts = several;
                s.severalDocuments = several;
                s.document = ledger::DocumentChoice::Wybrany;
                s.documentId = QStringLiteral("12");
                s.sideDt = !several;
                s.bookingDates = {ledger::DateChoice::Okreslony, 82000, 82100};
                s.severalSymbols = several;
                s.classification = several ? ledger::ClassificationChoice::Wybrana : ledger::ClassificationChoice::Maska;
                s.chosenClassification = QStringLiteral("801");
                s.dzial = {QStringLiteral("801"), false};
                s.budgetKinds = {true, false, true, true, true, true};
                ledger::QuickFilterInput in{s, journals, types, periods};
                in.accountsUsed = true;
                in.budgetEdition = budget;
                in.user = 3;
                in.partyAccounts = several ? QStringLiteral("'201-01-001','202-01-001'") : QString();
                expectAccepted(ledger::buildQuickFilterExpression(in), "ledger quick filter");
            }
    expectAccepted(marks::markedOnlyCondition(3, 40), "marked only");
    expectAccepted(marks::markedOnlyCondition(3, 1, QStringLiteral("id_nag_dok")), "marked documents");
}

TEST(ModuleFilters, costCentreQuickFilterAndTreeAreAccepted) {
    for (int account = 0; account <= 3; ++account) {
        costcentres::MpkQuickFilterChoice c;
        c.firm = 1;
        c.year = account % 2 ? 7 : 0;
        c.journals = {{1, "DZ", "DZ", true}, {2, "KS", "KS", false}};
        c.periods = {{82000, "I", "01", true}};
        c.types = {{5, "PK", "PK", false}};
        c.sideCt = false;
        c.account = costcentres::AccountChoice(account);
        c.rangeFrom = QStringLiteral("2");
        c.rangeTo = QStringLiteral("5");
        c.mask = QStringLiteral("4?-*");
        c.single = QStringLiteral("401-01");
        c.documentDates = c.postingDates = true;
        c.documentFrom = c.postingFrom = 82000;
        c.documentTo = c.postingTo = 82100;
        expectAccepted(costcentres::expression(c), "cost-centre quick filter");
    }
    std::vector<costcentres::FilterTreeNode> path;
    for (const QString& field : costcentres::treeFields())
        for (const QString& op : costcentres::treeOperators())
            path.push_back({0, 1, {}, field, op, field == QLatin1String("MPK:DRZEWO_ZBIOR_ID") ? "12" : "5'%_!"});
    for (const costcentres::FilterTreeNode& node : path) expectAccepted(costcentres::nodeCondition(node, "-"), "tree node");
    expectAccepted(costcentres::pathCondition(path, QStringLiteral("-")), "tree path");
}
