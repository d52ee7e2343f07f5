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

namespace {

// Each line of a document as the file gave it, with the columns the import derives from
// the header, in the file's order: what two imports of the same lines must agree on.
QStringList linesOfDocuments(db::Database& db, int64_t year, const QString& numberPrefix) {
    db::Rows r = db.select("select p.lp, p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, p.waluta, p.opis, "
                           "p.data_okresu, p.status, p.data_biezaca, p.nr_dok_org, p.data_dok_org, p.syntetyka_wn, p.syntetyka_ma, "
                           "substr(p.nr_ewid_dok, length(?) + 1) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                           "where n.id_lata_obrot=? and n.nr_ewid_dok like ? order by p.id_poz_dok",
                           {numberPrefix, year, numberPrefix + "%"});
    QStringList lines;
    while (r.next()) {
        QStringList fields;
        for (int c = 0; c < 17; ++c) fields << r.text(c);
        lines << fields.join('|');
    }
    return lines;
}

QString documentsFile(const QString& numberPrefix, int documents) {
    QString rows;
    for (int i = 1; i <= documents; ++i)
        rows += QStringLiteral("D%2,%1%2,2026-0%3-05,2026-0%3-04,2026-0%3,KP,PK,%4,100,700,%5.%6,%7,\"Opis %2\"\n")
                    .arg(numberPrefix).arg(i).arg(i % 9 + 1).arg(i % 7 == 0 ? "EUR" : "").arg(i % 1000 + 1).arg(i % 100, 2, 10, QChar('0'))
                    .arg(i % 7 == 0 ? QStringLiteral("%1.25").arg(i % 300) : QString());
    return rows;
}

} // namespace

// The first file outnumbers the year's lines (on SQLite its indexes are dropped and built
// again), the second one does not (the indexes take each line): both leave the same lines,
// every index whole, and the connection's page cache as it was.
TEST_P(BulkImportTest, aLoadWithTheIndexesRebuiltLeavesWhatALoadIntoThemLeaves) {
    constexpr int kDocuments = 21000;
    const bool sqlite = db::engineOf(db()) == db::Engine::Sqlite;
    const auto cacheSize = [&] { return db().scalarInt("PRAGMA cache_size").value_or(0); };
    const int64_t cacheBefore = sqlite ? cacheSize() : 0;
    const int64_t linesBefore = count("select count(*) from POZ_DOK");

    const auto first = importText(db(), ledger.options(), documentsFile("R/", kDocuments));
    ASSERT_TRUE(first.ok()) << errorTexts(first).join('\n').toStdString();
    const auto second = importText(db(), ledger.options(), documentsFile("P/", kDocuments));
    ASSERT_TRUE(second.ok()) << errorTexts(second).join('\n').toStdString();
    EXPECT_EQ(count("select count(*) from POZ_DOK"), linesBefore + 2 * kDocuments);

    const QStringList rebuilt = linesOfDocuments(db(), ledger.year2026, "R/");
    ASSERT_EQ(rebuilt.size(), kDocuments);
    EXPECT_EQ(rebuilt, linesOfDocuments(db(), ledger.year2026, "P/"));
    int64_t grosze = 0;
    for (int i = 1; i <= kDocuments; ++i) grosze += int64_t(i % 1000 + 1) * 100 + i % 100;
    EXPECT_EQ(count("select sum(kwota_wn) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where n.nr_ewid_dok like 'R/%'"), grosze);

    for (const auto& i : db::demo::secondaryIndexes(db().dialect(), {"NAG_DOK", "POZ_DOK"})) {
        const QString sql = sqlite ? "select count(*) from sqlite_master where type='index' and lower(name)=lower(?)"
                                   : "select count(*) from pg_indexes where schemaname=current_schema() and lower(indexname)=lower(?)";
        EXPECT_EQ(count(sql, {i.name}), 1) << i.name.toStdString();
    }
    if (sqlite) {
        // Every index holds exactly the table's rows.
        EXPECT_EQ(db().scalarText("PRAGMA integrity_check"), QStringLiteral("ok"));
        EXPECT_EQ(cacheSize(), cacheBefore);
    }
}
