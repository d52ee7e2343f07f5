// The entry views are written differently for each engine; whatever the form, each holds
// one row per non-empty side of a line with the line's, the header's, the first budget
// line's and the account's fields, as a plain join reads them.
#include "platform/db/EntryViews.h"
#include "platform/db/Schema.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;
using test::zl;

class EntryViewsTest : public test::DbTest {
protected:
    // Every row of a view, its columns as text, in id_dokument_pozycja order.
    std::vector<QStringList> rowsOf(const QString& sql) {
        std::vector<QStringList> out;
        db::Rows r = db().select(sql);
        while (r.next()) {
            QStringList row;
            for (int c = 0; c < r.columnCount(); ++c) row << (r.isNull(c) ? QStringLiteral("<null>") : r.text(c));
            out.push_back(row);
        }
        return out;
    }
    QStringList columnsOf(const QString& view) {
        // The server names the columns with the first row.
        db::Rows r = db().select(QStringLiteral("select * from %1").arg(view));
        EXPECT_TRUE(r.next()) << view.toStdString();
        QStringList out;
        for (int c = 0; c < r.columnCount(); ++c) out << r.columnName(c).toLower();
        return out;
    }
    const QStringList kEntryColumns = QStringLiteral(
        "id_firmy id_lata_obrot id_poz_dok id_dokument_pozycja id_nag_dok lp konto strona kwota_wn kwota_ma kwota_wn_w "
        "kwota_ma_w waluta kurs_waluty opis data_okresu status czy_rk nr_ewid_dok nr_dok_org nr_sys_dok nr_dziennik "
        "data_biezaca data_dok_org data_wplywu data_oper_gosp data_zatwierdzenia id_uzyt_p id_paczka id_typ_dok "
        "id_kontrahenta rodzaj_kartoteki sygnatura nr_poz_dok syntetyka").split(' ');
    const QStringList kBudgetColumns =
        QStringLiteral("id_bt_dane bt_klasyfikacja typ rodzaj_wy rodzaj_k rodzaj_z rodzaj_x rodzaj_d rodzaj_wp").split(' ');
    const QStringList kExtColumns = {QStringLiteral("nazwa_konta"), QStringLiteral("sym_typ_dok_uz")};
};
KSIEGA_ON_BOTH_ENGINES(EntryViewsTest);

TEST_P(EntryViewsTest, theTwinsHaveTheBaseColumnsInOrderFollowedByTheirOwn) {
    test::LedgerFixture f(db());
    f.postIn2026(3, "130-01", "700-01", zl("10.00"));
    EXPECT_EQ(columnsOf("POZ_DOK_VIEW_UNION"), kEntryColumns);
    EXPECT_EQ(columnsOf("POZ_DOK_VIEW_UNION_BT"), kEntryColumns + kBudgetColumns);
    EXPECT_EQ(columnsOf("POZ_DOK_VIEW_UNION_EXT"), kEntryColumns + kExtColumns);
    EXPECT_EQ(columnsOf("POZ_DOK_VIEW_UNION_BT_EXT"), kEntryColumns + kBudgetColumns + kExtColumns);
    EXPECT_EQ(db::entryViewNames().size(), 4);
}

TEST_P(EntryViewsTest, everyTwinHoldsOneRowPerSideWithTheFieldsOfAPlainJoin) {
    test::LedgerFixture f(db());
    const int64_t doc = f.addDocument({f.year2026, f.month2026(3), 2, 0, "PK/3/9", ""});
    const int64_t both = f.post(doc, "130-01", "700-01", zl("125.40"));
    // One side only: the Ct side stays out of every view.
    const int64_t dtOnly = f.addLine(doc, {"990", "", zl("7.00"), Money(), Money(), Money(), ""});
    db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, kwota) "
                 "values (?, 1, ?, ?, '801-80101-4010', 'W', 1, 12540), (?, 2, ?, ?, '801-80101-4210', 'W', 0, 1)",
                 {both, f.company, f.year2026, both, f.company, f.year2026});

    const QString header = QStringLiteral(
        "n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu, n.data_oper_gosp, "
        "n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta, n.rodzaj_kartoteki, k.kod_paczki");
    const QString budget = QStringLiteral(
        ", coalesce(b.id_bt_dane, 0), coalesce(b.bt_klasyfikacja, ''), coalesce(b.typ, ''), coalesce(b.rodzaj_wy, 0), "
        "coalesce(b.rodzaj_k, 0), coalesce(b.rodzaj_z, 0), coalesce(b.rodzaj_x, 0), coalesce(b.rodzaj_d, 0), coalesce(b.rodzaj_wp, 0)");
    const QString account = QStringLiteral(", coalesce(w.nazwa_konta, ''), coalesce(t.sym_typ_dok_uz, '')");
    auto joined = [&](bool withBudget, bool withAccount) {
        QString sides;
        for (int side : {0, 1}) {
            const QString konto = side == 0 ? QStringLiteral("p.konto_wn") : QStringLiteral("p.konto_ma");
            const QString id = QStringLiteral("p.id_poz_dok * 2 + %1").arg(side);
            const QString amounts = side == 0 ? QStringLiteral("p.kwota_wn, 0, p.kwota_wn_w, 0") : QStringLiteral("0, p.kwota_ma, 0, p.kwota_ma_w");
            if (!sides.isEmpty()) sides += QStringLiteral(" union all ");
            sides += QStringLiteral("select %1 as id, %2 as konto, %3 as strona, %4, p.opis, p.nr_ewid_dok, %5, p.lp")
                         .arg(id, konto, QString::number(side), amounts, header) +
                     (withBudget ? budget : QString()) + (withAccount ? account : QString()) +
                     QStringLiteral(" from POZ_DOK p left join NAG_DOK n on n.id_nag_dok = p.id_nag_dok"
                                    " left join PACZKA k on k.id_paczka = n.id_paczka"
                                    " left join BT_DANE b on b.id_poz_dok = p.id_poz_dok and b.lp = 1"
                                    " left join TYP_DOK t on t.id_typ_dok = n.id_typ_dok"
                                    " left join WARTOSCI_KONT w on w.id_firmy = p.id_firmy and w.id_lata_obrot = p.id_lata_obrot"
                                    " and w.nr_konta = ") + konto +
                     QStringLiteral(" where ") + konto + QStringLiteral(" <> ''");
        }
        return rowsOf(QStringLiteral("select * from (") + sides + QStringLiteral(") j order by id"));
    };
    const QString columns = QStringLiteral(
        "id_dokument_pozycja, konto, strona, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, opis, nr_ewid_dok, nr_dok_org, "
        "nr_sys_dok, nr_dziennik, data_biezaca, data_dok_org, data_wplywu, data_oper_gosp, data_zatwierdzenia, id_uzyt_p, "
        "id_paczka, id_typ_dok, id_kontrahenta, rodzaj_kartoteki, sygnatura, nr_poz_dok");
    const QString budgetColumns = QStringLiteral(", id_bt_dane, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp");
    const QString accountColumns = QStringLiteral(", nazwa_konta, sym_typ_dok_uz");
    struct Twin {
        const char* view;
        bool budget, account;
    };
    for (const Twin& t : {Twin{"POZ_DOK_VIEW_UNION", false, false}, Twin{"POZ_DOK_VIEW_UNION_BT", true, false},
                          Twin{"POZ_DOK_VIEW_UNION_EXT", false, true}, Twin{"POZ_DOK_VIEW_UNION_BT_EXT", true, true}}) {
        const auto view = rowsOf(QStringLiteral("select ") + columns + (t.budget ? budgetColumns : QString()) +
                                 (t.account ? accountColumns : QString()) + QStringLiteral(" from ") + t.view +
                                 QStringLiteral(" order by id_dokument_pozycja"));
        const auto expected = joined(t.budget, t.account);
        ASSERT_GT(view.size(), 3u) << t.view;
        EXPECT_EQ(view, expected) << t.view;
        const auto missing = db().scalarInt(QStringLiteral("select count(*) from %1 where id_dokument_pozycja = ?").arg(t.view),
                                            {dtOnly * 2 + 1});
        EXPECT_EQ(missing, 0) << t.view;
    }
}

TEST_P(EntryViewsTest, aVersionOneDatabaseIsBroughtToTheCurrentViews) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    test::LedgerFixture f(db());
    f.postIn2026(3, "130-01", "700-01", zl("10.00"));
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (1, 'schemat utworzony')");
    // Views of an older form: the upgrade puts the generated ones in their place.
    owner->executeScript(db::dropEntryViewsSql());
    owner->executeScript("CREATE VIEW POZ_DOK_VIEW_UNION AS SELECT id_poz_dok FROM POZ_DOK");
    db::upgradeSchema(*owner);
    EXPECT_EQ(columnsOf("POZ_DOK_VIEW_UNION"), kEntryColumns);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_EQ(db().scalarText("select opis from WERSJA_SCHEMATU where wersja=?", {db::kSchemaVersion}), "schemat uaktualniony");
    EXPECT_GT(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION_BT_EXT where konto = '130-01'").value_or(0), 0);
}

TEST_P(EntryViewsTest, aVersionTwoDatabaseGetsTheRegistersOfTheOpeningBalance) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (2, 'schemat utworzony')");
    owner->execute("drop view REJESTR_VAT_BO_VIEW");
    owner->execute("drop table REJESTR_VAT_BO");
    owner->execute("drop table OPISY_STANDARDOWE");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_EQ(db().scalarInt("select count(*) from REJESTR_VAT_BO_VIEW"), 0);
    EXPECT_EQ(db().scalarInt("select count(*) from OPISY_STANDARDOWE"), 0);
}

TEST_P(EntryViewsTest, aVersionThreeDatabaseGetsTheIndexesOfTheOpeningBalanceSums) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    auto openingIndexes = [&] {
        return db().scalarInt(GetParam() == db::Engine::Sqlite
                                  ? "select count(*) from sqlite_master where type='index' and upper(name) like 'POZ_DOK_BO_%'"
                                  : "select count(*) from pg_indexes where schemaname=current_schema() and upper(indexname) like 'POZ_DOK_BO_%'")
            .value_or(0);
    };
    EXPECT_EQ(openingIndexes(), 4);
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (3, 'schemat utworzony')");
    // One of them already there: the step creates only the missing ones.
    for (const char* name : {"POZ_DOK_BO_DOK_WN", "POZ_DOK_BO_ROK_WN", "POZ_DOK_BO_ROK_MA"})
        owner->executeScript(QStringLiteral("DROP INDEX %1").arg(QString::fromLatin1(name)));
    EXPECT_EQ(openingIndexes(), 1);
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_EQ(openingIndexes(), 4);
}

TEST_P(EntryViewsTest, aVersionFourDatabaseGetsTheSourceOfCarriedSettlements) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    test::LedgerFixture f(db());
    db().execute("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, kwota) values (?, ?, '201-01', 100)",
                 {f.company, f.year2026});
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (4, 'schemat utworzony')");
    owner->executeScript("DROP INDEX ROZRACHUNEK_ZRODLO");
    owner->executeScript("ALTER TABLE ROZRACHUNEK DROP COLUMN id_rozrachunku_zrodla");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    // The settlement written before the step is nobody's carried copy.
    EXPECT_EQ(db().scalarInt("select id_rozrachunku_zrodla from ROZRACHUNEK where nr_konta='201-01'"), 0);
}
