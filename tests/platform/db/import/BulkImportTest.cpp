// A large import: enough rows for the load to take its bulk path (on SQLite the secondary
// indexes are built again after the load), with texts that need escaping on the way in.
#include "ImportLedger.h"
#include "platform/db/demo/SecondaryIndexes.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::test;

namespace {

class BulkImportTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (!IsSkipped()) ledger = ImportLedger::create(db());
    }
    int64_t count(const QString& sql, const db::Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
    ImportLedger ledger;
};
KSIEGA_ON_BOTH_ENGINES(BulkImportTest);

TEST_P(BulkImportTest, largeFileKeepsEveryIndexAndItsTextsExactly) {
    constexpr int kDocuments = 21000;
    QString rows;
    for (int i = 1; i <= kDocuments; ++i)
        rows += QStringLiteral("D%1,B/%1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,%2.05,,\"Zażółć %1\\tgęś\tjaźń\"\n")
                    .arg(i).arg(i % 1000);
    // Multi-byte characters, a backslash, a tab, a line break and a character beyond the BMP in one text.
    rows += QStringLiteral("X,B/X,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\"ą\\b\tc\nd \U0001F600 e\"\n");
    const auto before = tableCounts(db());
    const auto result = importText(db(), ledger.options(), rows);
    ASSERT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
    EXPECT_EQ(result.lines, kDocuments + 1);
    EXPECT_EQ(tableCounts(db()).pozDok, before.pozDok + kDocuments + 1);

    for (const auto& i : db::demo::secondaryIndexes(db().dialect(), {"NAG_DOK", "POZ_DOK"})) {
        const QString sql = db::engineOf(db()) == db::Engine::Sqlite
            ? "select count(*) from sqlite_master where type='index' and lower(name)=lower(?)"
            : "select count(*) from pg_indexes where schemaname=current_schema() and lower(indexname)=lower(?)";
        EXPECT_EQ(count(sql, {i.name}), 1) << i.name.toStdString();
    }
    EXPECT_EQ(count("select sum(kwota_wn) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                    "where n.id_lata_obrot=? and n.nr_ewid_dok like 'B/%'", {ledger.year2026}),
              int64_t(kDocuments) * 5 + 499500LL * 2100 + 100);
    EXPECT_EQ(db().scalarText("select p.opis from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                              "where n.id_lata_obrot=? and n.nr_ewid_dok='B/20999'", {ledger.year2026}),
              QStringLiteral("Zażółć 20999\\tgęś\tjaźń"));
    EXPECT_EQ(db().scalarText("select p.opis from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                              "where n.id_lata_obrot=? and n.nr_ewid_dok='B/X'", {ledger.year2026}),
              QStringLiteral("ą\\b\tc\nd \U0001F600 e"));
}

} // namespace
