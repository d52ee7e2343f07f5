// The header's sort columns a cost-centre split repeats: written with the split, refreshed
// after a header correction and after a split moved to another document's line, filled by
// the upgrade, and read by the splits' view.
#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/LineCopies.h"
#include "platform/db/Schema.h"
#include "platform/siblings/costcentres/CostCentreStore.h"
#include "support/CostCentreCopiesCheck.h"
#include "support/LedgerFixture.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using test::zl;

namespace {

class CostCentreCopiesTest : public test::DbTest {
protected:
    // Two documents with a split line each, through the split window's writer.
    void writeLedger(db::Database& d) {
        test::LedgerFixture f(d);
        docA = f.addDocument({f.year2026, f.month2026(3), 2, 0, "PK/3/1", ""});
        docB = f.addDocument({f.year2026, f.month2026(4), 2, 0, "PK/4/1", ""});
        d.execute("update NAG_DOK set nr_dok_org='FV ' || nr_ewid_dok, data_dok_org=data_biezaca - 2 where id_nag_dok in (?, ?)",
                  {docA, docB});
        db::refreshLineCopies(d, docA, docB);
        lineA = f.post(docA, "401-01", "201-01-001", zl("30.00"));
        lineB = f.post(docB, "402", "130-01", zl("12.00"));
        costcentres::CostCentreSplit split;
        split.wn = {{{1, 0, 0, 0, 0}, zl("10.00")}, {{2, 0, 0, 0, 0}, zl("20.00")}};
        split.ma = {{{3, 0, 0, 0, 0}, zl("30.00")}};
        costcentres::writeSplit(d, {f.company, f.year2026, lineA, "401-01", "201-01-001", zl("30.00"), zl("30.00")}, split);
        costcentres::CostCentreSplit other;
        other.wn = {{{1, 0, 0, 0, 0}, zl("12.00")}};
        costcentres::writeSplit(d, {f.company, f.year2026, lineB, "402", "130-01", zl("12.00"), zl("12.00")}, other);
        year = f.year2026;
        march = f.month2026(3);
    }
    int64_t count(db::Database& d, const QString& sql, const db::Params& params = {}) { return d.scalarInt(sql, params).value_or(-1); }

    int64_t docA = 0, docB = 0, lineA = 0, lineB = 0, year = 0;
    int march = 0;
};
KSIEGA_ON_BOTH_ENGINES(CostCentreCopiesTest);

TEST_P(CostCentreCopiesTest, splitsFollowTheirHeaderThroughWritesCorrectionsAndMoves) {
    writeLedger(db());
    ASSERT_EQ(count(db(), "select count(*) from MPK_DANE"), 4);
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
    EXPECT_EQ(count(db(), "select count(*) from MPK_DANE where nr_dok_org='FV PK/3/1' and id_poz_dok=?", {lineA}), 3);

    // A header correction: stale until the writer's refresh, which touches that document's splits only.
    db().execute("update NAG_DOK set nr_ewid_dok='PK/3/9', nr_dok_org='FV 77', data_biezaca=?, data_dok_org=? where id_nag_dok=?",
                 {march + 20, march + 1, docA});
    EXPECT_EQ(test::staleCostCentreCopies(db()).size(), 3 * 4);
    EXPECT_EQ(db::refreshCostCentreLineCopies(db(), db::CostCentreCopyScope::document(docB)), 0);
    db::refreshLineCopies(db(), docA);
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
    EXPECT_EQ(db::refreshCostCentreLineCopies(db(), db::CostCentreCopyScope::all()), 0);
    // The list's view shows the corrected values.
    EXPECT_EQ(count(db(), "select count(*) from MPK_VIEW where nr_ewid_dok='PK/3/9' and nr_dok_org='FV 77' and data_biezaca=? "
                          "and data_dok_org=?", {march + 20, march + 1}), 3);

    // A split moved onto another document's line (as the opening balance's merge does) takes
    // that document's values with the line's refresh.
    const int64_t moved = count(db(), "select min(id_mpk_dane) from MPK_DANE where id_poz_dok=?", {lineA});
    db().execute("update MPK_DANE set id_poz_dok=? where id_mpk_dane=?", {lineB, moved});
    EXPECT_EQ(test::staleCostCentreCopies(db()).size(), 4);
    db::refreshLineCopiesOfLine(db(), lineB);
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
    EXPECT_EQ(count(db(), "select count(*) from MPK_DANE where id_mpk_dane=? and nr_ewid_dok='PK/4/1'", {moved}), 1);
}

TEST_P(CostCentreCopiesTest, anUpgradeFillsTheCopiesMakesTheirIndexesAndTheViewReadsThem) {
    const auto owner = test::openAsOwner(url());   // an upgrade is the owner's work
    db::Database& d = *owner;
    writeLedger(d);
    // The database as version 11 had it: no copies, no indexes on them, the view reading the header.
    d.execute("delete from WERSJA_SCHEMATU");
    d.execute("insert into WERSJA_SCHEMATU (wersja, opis) values (11, 'schemat uaktualniony')");
    d.executeScript("DROP VIEW MPK_VIEW_KWOTY;\nDROP VIEW MPK_VIEW;\n");
    for (const char* index : {"MPK_DANE_FIRMA_NREWID", "MPK_DANE_FIRMA_DATABIEZ", "MPK_DANE_FIRMA_NRDOK", "MPK_DANE_FIRMA_DATADOK"})
        d.executeScript(QStringLiteral("DROP INDEX %1").arg(QLatin1String(index)));
    for (const char* column : {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org"})
        d.executeScript(QStringLiteral("ALTER TABLE MPK_DANE DROP COLUMN %1").arg(QLatin1String(column)));
    d.executeScript("CREATE VIEW MPK_VIEW AS SELECT id_mpk_dane FROM MPK_DANE;\n"
                    "CREATE VIEW MPK_VIEW_KWOTY AS SELECT id_mpk_dane FROM MPK_VIEW;\n");
    // A database with statistics: the new indexes get theirs, or SQLite prefers them unread
    // over the account and amount orders' indexes.
    if (GetParam() == db::Engine::Sqlite) d.executeScript("ANALYZE");

    db::upgradeSchema(d);
    EXPECT_EQ(db::schemaVersion(d), db::kSchemaVersion);
    EXPECT_EQ(test::staleCostCentreCopies(d), QStringList());
    EXPECT_EQ(count(d, "select count(*) from MPK_DANE where data_biezaca=? and nr_ewid_dok='PK/3/1'", {march}), 3);
    EXPECT_EQ(count(d, "select count(*) from MPK_VIEW_KWOTY where nr_dok_org='FV PK/4/1' and kwota_wn=1200"), 1);
    const int64_t indexes = count(d, GetParam() == db::Engine::Sqlite
        ? "select count(*) from sqlite_master where type='index' and upper(name) in "
          "('MPK_DANE_FIRMA_NREWID', 'MPK_DANE_FIRMA_DATABIEZ', 'MPK_DANE_FIRMA_NRDOK', 'MPK_DANE_FIRMA_DATADOK')"
        : "select count(*) from pg_indexes where schemaname=current_schema() and upper(indexname) in "
          "('MPK_DANE_FIRMA_NREWID', 'MPK_DANE_FIRMA_DATABIEZ', 'MPK_DANE_FIRMA_NRDOK', 'MPK_DANE_FIRMA_DATADOK')");
    EXPECT_EQ(indexes, 4);
    if (GetParam() == db::Engine::Sqlite) {
        EXPECT_EQ(count(d, "select count(*) from sqlite_stat1 where upper(idx) like 'MPK_DANE_FIRMA_%'"), 6);
    }
}

} // namespace
