// The header's fields and the synthetic accounts a line repeats: refreshed for the documents a
// writer names, after a header correction and an account change, and filled by the upgrade.
#include "platform/db/EntryViews.h"
#include "platform/db/LineCopies.h"
#include "platform/db/Schema.h"
#include "support/LedgerFixture.h"
#include "support/LineCopiesCheck.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using test::zl;

class LineCopiesTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(LineCopiesTest);

TEST_P(LineCopiesTest, aHeaderCorrectionReachesItsLinesOnlyAndASecondRefreshChangesNothing) {
    test::LedgerFixture f(db());
    const int64_t doc = f.addDocument({f.year2026, f.month2026(3), 2, 0, "PK/3/1", ""});
    f.post(doc, "201-01-003", "700-01", zl("10.00"));
    f.post(doc, "130-01", "", zl("5.00"));
    const int64_t other = f.postIn2026(4, "201-02", "130-01", zl("7.00"));
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());

    // The document's number, dates and period corrected in its header.
    db().execute("update NAG_DOK set nr_ewid_dok='PK/3/7', nr_dok_org='FV 12/2026', data_biezaca=?, data_dok_org=?, "
                 "data_oper_gosp=?, data_zatwierdzenia=?, nr_sys_dok='S-9', data_okresu=? where id_nag_dok=?",
                 {f.month2026(5) + 3, f.month2026(5) + 1, f.month2026(5) + 2, f.month2026(5) + 4, f.month2026(5), doc});
    EXPECT_EQ(test::staleLineCopies(db()).size(), 2 * 8);
    const std::optional<QString> otherBefore = db().scalarText("select nr_dok_org || '|' || data_biezaca from POZ_DOK where id_nag_dok=?", {other});
    EXPECT_EQ(db::refreshLineCopies(db(), doc), 2);
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    EXPECT_EQ(db::refreshLineCopies(db(), doc), 0);
    EXPECT_EQ(db().scalarText("select nr_dok_org || '|' || data_biezaca from POZ_DOK where id_nag_dok=?", {other}), otherBefore);
    // The entry list reads the corrected values.
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where nr_dok_org='FV 12/2026' and data_biezaca=?",
                             {f.month2026(5) + 3}), 3);
}

TEST_P(LineCopiesTest, aChangedAccountGetsItsSyntheticAccount) {
    test::LedgerFixture f(db());
    const int64_t doc = f.addDocument({f.year2026, f.month2026(3), 2, 0, "PK/3/1", ""});
    const int64_t line = f.post(doc, "201-01-003", "700-01", zl("10.00"));
    db().execute("update POZ_DOK set konto_wn='1300', konto_ma='' where id_poz_dok=?", {line});
    EXPECT_EQ(db::refreshLineCopiesOfLine(db(), line), 1);
    EXPECT_EQ(db().scalarText("select syntetyka_wn || '|' || syntetyka_ma from POZ_DOK where id_poz_dok=?", {line}), "1300|");
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    // Long first segments are kept whole in C++ as in SQL.
    for (const QString& account : {QStringLiteral("201"), QStringLiteral(""), QStringLiteral("1234567890123456-01"),
                                   QStringLiteral("123456789012345-01"), QStringLiteral("2-0-1")}) {
        db().execute("update POZ_DOK set konto_wn=? where id_poz_dok=?", {account, line});
        db::refreshLineCopiesOfLine(db(), line);
        EXPECT_EQ(db().scalarText("select syntetyka_wn from POZ_DOK where id_poz_dok=?", {line}), db::accountFirstSegment(account))
            << account.toStdString();
    }
}

TEST_P(LineCopiesTest, aPrefixIsOneSyntheticAccountOnlyWhenNoLongerFirstSegmentBeginsWithIt) {
    test::LedgerFixture f(db());
    f.postIn2026(3, "201-01", "202-01", zl("1.00"));
    f.postIn2026(3, "201-02-001", "130-01", zl("1.00"));
    EXPECT_TRUE(db::prefixIsOneSynthetic(db(), f.year2026, "201"));
    EXPECT_TRUE(db::prefixIsOneSynthetic(db(), f.year2026, "130"));
    EXPECT_FALSE(db::prefixIsOneSynthetic(db(), f.year2026, "20"));     // 201 and 202
    EXPECT_FALSE(db::prefixIsOneSynthetic(db(), f.year2026, "201-0")); // below the synthetic level
    EXPECT_FALSE(db::prefixIsOneSynthetic(db(), f.year2026, "2%"));
    EXPECT_FALSE(db::prefixIsOneSynthetic(db(), f.year2026, ""));
    // A longer synthetic number beginning with the prefix, on the Ct side only.
    f.postIn2026(4, "130-01", "2019", zl("1.00"));
    EXPECT_FALSE(db::prefixIsOneSynthetic(db(), f.year2026, "201"));
    EXPECT_TRUE(db::prefixIsOneSynthetic(db(), f.year2026, "202"));
    // Another year's lines do not count.
    EXPECT_TRUE(db::prefixIsOneSynthetic(db(), f.year18, "201"));
}

TEST_P(LineCopiesTest, aVersionNineDatabaseGetsTheCopiesFilledTheirIndexesAndTheViewsReadingThem) {
    const auto owner = test::openAsOwner(url());   // an upgrade is the owner's work
    db::Database& d = *owner;
    test::LedgerFixture f(d);
    const int64_t doc = f.addDocument({f.year2026, f.month2026(3), 2, 0, "PK/3/1", ""});
    f.post(doc, "201-01-003", "700-01", zl("10.00"));
    f.postIn2026(4, "130-01", "", zl("2.00"));
    d.execute("update NAG_DOK set nr_dok_org='FV 1', data_oper_gosp=?, data_zatwierdzenia=?, nr_sys_dok='S-1' where id_nag_dok=?",
              {f.month2026(3) + 5, f.month2026(3) + 6, doc});
    // The database as version 9 had it: no copies, no indexes on them.
    d.execute("delete from WERSJA_SCHEMATU");
    d.execute("insert into WERSJA_SCHEMATU (wersja, opis) values (9, 'schemat utworzony')");
    d.executeScript(db::dropEntryViewsSql());
    for (const char* index : {"POZ_DOK_SYNT_WN", "POZ_DOK_SYNT_MA", "POZ_DOK_KONTO_WN_DATABIEZ", "POZ_DOK_KONTO_MA_DATABIEZ",
                              "POZ_DOK_KONTO_WN_OKRES", "POZ_DOK_KONTO_MA_OKRES"})
        d.executeScript(QStringLiteral("DROP INDEX %1").arg(QLatin1String(index)));
    for (const char* column : {"data_biezaca", "nr_dok_org", "data_dok_org", "data_oper_gosp", "data_zatwierdzenia",
                               "nr_sys_dok", "syntetyka_wn", "syntetyka_ma"})
        d.executeScript(QStringLiteral("ALTER TABLE POZ_DOK DROP COLUMN %1").arg(QLatin1String(column)));
    d.executeScript("CREATE VIEW POZ_DOK_VIEW_UNION AS SELECT id_poz_dok FROM POZ_DOK");

    db::upgradeSchema(d);
    EXPECT_EQ(db::schemaVersion(d), db::kSchemaVersion);
    EXPECT_EQ(test::staleLineCopies(d), QStringList());
    EXPECT_EQ(d.scalarInt("select count(*) from POZ_DOK_VIEW_UNION where syntetyka='201' and nr_dok_org='FV 1'"), 1);
    const int64_t indexes = d.scalarInt(GetParam() == db::Engine::Sqlite
        ? "select count(*) from sqlite_master where type='index' and (upper(name) like 'POZ_DOK_SYNT_%' or upper(name) like 'POZ_DOK_KONTO___\\_%' escape '\\')"
        : "select count(*) from pg_indexes where schemaname=current_schema() and (upper(indexname) like 'POZ_DOK_SYNT_%' "
          "or upper(indexname) like 'POZ_DOK_KONTO___\\_%' escape '\\')").value_or(0);
    EXPECT_EQ(indexes, 6);
}
