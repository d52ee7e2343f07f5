#include "platform/db/demo/ChartOfAccounts.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/SecondaryIndexes.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;
using namespace ksiega::db::demo;

namespace {

class DemoPartsTest : public test::DbTest {
protected:
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
    DemoDocument document(const std::map<int64_t, CompanyIds>& ids, int64_t company, int status) {
        DemoDocument d;
        d.company = company;
        d.year = ids.at(company).years.at(kCurrentYear);
        d.periodDate = 75000;
        d.status = status;
        d.registerNumber = QStringLiteral("PK/1");
        d.post("100-01", "130-01", 12345);
        return d;
    }
};
KSIEGA_ON_BOTH_ENGINES(DemoPartsTest);

TEST_P(DemoPartsTest, writerRefusesAnUnbalancedDocumentAndNumbersPostedOnesPerCompanyAndYear) {
    Transaction tx(db());
    const auto ids = createCompanies(db());
    std::vector<DemoDocument> docs = {document(ids, 1, 2), document(ids, 1, 1), document(ids, 1, 2), document(ids, 2, 2)};
    DemoDocument unbalanced = document(ids, 1, 2);
    unbalanced.debit("100-01", 1);
    EXPECT_THROW(writeDocuments(db(), {docs[0], unbalanced}), DbError);
    EXPECT_EQ(count("select count(*) from NAG_DOK"), 0);

    writeDocuments(db(), docs);
    writeDocuments(db(), {document(ids, 1, 2)});
    tx.commit();
    Rows r = db().select("select id_firmy, status, nr_dziennik from NAG_DOK order by id_nag_dok");
    std::vector<std::tuple<int64_t, int64_t, int64_t>> got;
    while (r.next()) got.emplace_back(r.int64(0), r.int64(1), r.int64(2));
    const std::vector<std::tuple<int64_t, int64_t, int64_t>> expected = {{1, 2, 1}, {1, 1, 0}, {1, 2, 2}, {2, 2, 1}, {1, 2, 3}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(count("select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                    "where p.status=n.status and p.data_okresu=75000 and p.id_lata_obrot=n.id_lata_obrot"), 5);
}

TEST_P(DemoPartsTest, chartPutsCardAccountsUnderTheRightRegisterAndMarksOnlyLeaves) {
    Transaction tx(db());
    const auto ids = createCompanies(db());
    ChartOfAccounts chart;
    chart.synthetic = {{130, "Rachunek", 'B', false, false, false, false, ""},
                       {201, "Odbiorcy", 'B', true, false, false, false, "K"},
                       {203, "Zagraniczni", 'B', true, true, false, false, "K"}};
    chart.analytic = {{"130-01", "Bieżący"}, {"130-01-01", "Podrachunek"}};
    DemoCard home, foreign;
    home.id = 7; home.company = 1; home.kind = 'K'; home.number = 3; home.name = "Krajowy";
    foreign = home; foreign.id = 8; foreign.number = 4; foreign.currency = "EUR"; foreign.name = "Zagraniczny";
    const LoadedChart loaded = loadChart(db(), 1, ids.at(1).years.at(kCurrentYear), chart, {home, foreign});
    tx.commit();
    EXPECT_EQ(loaded.leaves, (std::vector<QString>{"130-01-01", "201-00003", "203-00004"}));
    EXPECT_EQ(count("select id_kartoteki from WARTOSCI_KONT where nr_konta='203-00004'"), 8);
    EXPECT_EQ(count("select count(*) from WARTOSCI_KONT where nr_konta in ('201-00004', '203-00003')"), 0);
    EXPECT_EQ(count("select czy_analityka from WARTOSCI_KONT where nr_konta='130-01'"), 0);
    EXPECT_EQ(*db().scalarText("select nr_konta_nadrz from WARTOSCI_KONT where nr_konta='130-01-01'"), "130-01");
    EXPECT_EQ(count("select poziom from WARTOSCI_KONT where nr_konta='130-01-01'"), 2);

    ChartOfAccounts orphan = chart;
    orphan.analytic.push_back({"140-01", "Bez konta nadrzędnego"});
    EXPECT_THROW(loadChart(db(), 2, ids.at(2).years.at(kCurrentYear), orphan, {}), DbError);
}

TEST(DemoValuesTest, currencyAmountsRoundHalfAwayFromZeroAndIndexesKeepTheirCondition) {
    EXPECT_EQ(plnValue(100, 42805), 428);      // 4.2805 zł -> 4.28
    EXPECT_EQ(plnValue(100, 42850), 429);      // 4.285 -> 4.29
    EXPECT_EQ(plnValue(-100, 42850), -429);
    for (const auto& i : secondaryIndexes(db::sqliteDialect(), {"NAG_DOK"}))
        if (i.name == "NAG_DOK_JEDEN_BO") {
            EXPECT_TRUE(i.createSql.contains("WHERE czy_rk = 10"));
            return;
        }
    ADD_FAILURE() << "the opening-balance index is not found";
}

} // namespace
