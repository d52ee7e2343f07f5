#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/TaxIds.h"
#include "support/CostCentreCopiesCheck.h"
#include "support/LineCopiesCheck.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

class DemoDatabaseTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        if (!IsSkipped()) summary = demo::buildDemoDatabase(db());
    }
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
    demo::DemoSummary summary;
};
KSIEGA_ON_BOTH_ENGINES(DemoDatabaseTest);

TEST_P(DemoDatabaseTest, hasATradeCompanyAndABudgetUnitWithBothYearsAndValidIdentifiers) {
    EXPECT_EQ(count("select count(*) from FIRMA"), 2);
    EXPECT_EQ(count("select czy_budzet from FIRMA where id_firmy=2"), 1);
    EXPECT_EQ(count("select czy_budzet from FIRMA where id_firmy=1"), 0);
    for (int company : {1, 2}) {
        EXPECT_EQ(count("select count(*) from LATA_OBROTOWE where id_firmy=? and rok_obrotowy in ('2025','2026')", {company}), 2);
        // The budget unit moved during the year: two seats.
        EXPECT_EQ(count("select count(*) from ADRESY_FIRMY where id_firmy=?", {company}), company == 2 ? 2 : 1);
        EXPECT_TRUE(demo::isValidNip(*db().scalarText("select nip from FIRMA where id_firmy=?", {company})));
        EXPECT_TRUE(demo::isValidRegon(*db().scalarText("select regon from FIRMA where id_firmy=?", {company})));
    }
    EXPECT_EQ(count("select count(*) from WALUTY where sym_waluty in ('PLN','EUR','USD')"), 3);
    // Ids given by the loader must not collide with the next ordinary insert.
    EXPECT_GT(db().insertReturningId("insert into FIRMA (nazwa) values ('Nowa') returning id_firmy"), 2);
}

TEST_P(DemoDatabaseTest, chartsAreTypedAndRegisterAccountsHaveCardAccounts) {
    EXPECT_EQ(count("select count(*) from KONTA_SYNT where typ_konta not in ('B','W','P')"), 0);
    for (int company : {1, 2}) {
        // Every account group 0-9 is there in each year, and every synthetic account has its row of values.
        EXPECT_EQ(count("select count(distinct substr(nr_konta,1,1)) from WARTOSCI_KONT w join LATA_OBROTOWE l "
                        "on l.id_lata_obrot=w.id_lata_obrot where w.id_firmy=? and l.rok_obrotowy='2026' and w.poziom=0", {company}),
                  company == 1 ? 10 : 8);
        EXPECT_EQ(count("select count(*) from KONTA_SYNT k where id_firmy=? and not exists (select 1 from WARTOSCI_KONT w "
                        "where w.id_lata_obrot=k.id_lata_obrot and w.nr_konta_syn=k.nr_konta_syn and w.poziom=0)", {company}), 0);
    }
    for (const char* kind : {"K", "P", "U"})
        EXPECT_EQ(count("select count(*) from KONTA_SYNT k where kartoteka=? and not exists (select 1 from WARTOSCI_KONT w "
                        "where w.id_lata_obrot=k.id_lata_obrot and w.nr_konta_syn=k.nr_konta_syn and w.rodzaj_kartoteki=? "
                        "and w.id_kartoteki<>0 and w.czy_analityka=1)", {kind, kind}), 0) << kind;
    EXPECT_GT(count("select count(*) from KONTA_SYNT where czy_dwusaldowe=1"), 0);
    EXPECT_GT(count("select count(*) from KONTA_SYNT where czy_walutowe=1 and id_firmy=1"), 0);
    EXPECT_GT(count("select count(*) from KONTA_SYNT where czy_mpk=1 and id_firmy=1"), 0);
    EXPECT_GT(count("select count(*) from KONTA_SYNT where typ_konta='P' and nr_konta_syn in (980,998)"), 0);
    // Every posting goes to a leaf account of the chart of its own year.
    EXPECT_EQ(count("select count(*) from POZ_DOK p where (p.konto_wn<>'' and not exists (select 1 from WARTOSCI_KONT w "
                    "where w.id_lata_obrot=p.id_lata_obrot and w.nr_konta=p.konto_wn and w.czy_analityka=1)) "
                    "or (p.konto_ma<>'' and not exists (select 1 from WARTOSCI_KONT w "
                    "where w.id_lata_obrot=p.id_lata_obrot and w.nr_konta=p.konto_ma and w.czy_analityka=1))"), 0);
}

TEST_P(DemoDatabaseTest, documentsBalanceAndLinesRepeatTheirHeader) {
    EXPECT_EQ(count("select count(*) from (select id_nag_dok from POZ_DOK where czy_rk<>10 group by id_nag_dok "
                    "having sum(kwota_wn)<>sum(kwota_ma)) x"), 0);
    EXPECT_EQ(count("select count(*) from (select id_firmy, id_lata_obrot from POZ_DOK where czy_rk=10 "
                    "group by id_firmy, id_lata_obrot having sum(kwota_wn)<>sum(kwota_ma)) x"), 0);
    EXPECT_EQ(count("select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_firmy<>n.id_firmy "
                    "or p.id_lata_obrot<>n.id_lata_obrot or p.nr_ewid_dok<>n.nr_ewid_dok or p.data_okresu<>n.data_okresu "
                    "or p.status<>n.status or p.czy_rk<>n.czy_rk"), 0);
    EXPECT_EQ(count("select count(*) from NAG_DOK n where not exists (select 1 from POZ_DOK p where p.id_nag_dok=n.id_nag_dok)"), 0);
    EXPECT_EQ(count("select count(*) from POZ_DOK"), summary.lines);

    const int64_t posted2026 = count("select count(*) from NAG_DOK n join LATA_OBROTOWE l on l.id_lata_obrot=n.id_lata_obrot "
                                     "where l.rok_obrotowy='2026' and n.status=2 and n.czy_rk<>10");
    EXPECT_GT(posted2026, 1800);
    EXPECT_LT(posted2026, 2300);
    EXPECT_GT(count("select count(*) from NAG_DOK n join LATA_OBROTOWE l on l.id_lata_obrot=n.id_lata_obrot "
                    "where l.rok_obrotowy='2025' and n.status=2"), 100);
    EXPECT_GT(count("select count(*) from NAG_DOK where status<2"), 0);
    EXPECT_EQ(count("select count(*) from NAG_DOK where status<2 and nr_dziennik<>0"), 0);
    // An opening balance per company and year, in the period BO, and lines in foreign currencies with their rates.
    EXPECT_EQ(count("select count(distinct id_lata_obrot) from NAG_DOK where czy_rk=10"), 4);
    EXPECT_EQ(count("select count(*) from NAG_DOK n join LATA_OBROTOWE l on l.id_lata_obrot=n.id_lata_obrot "
                    "where n.czy_rk=10 and n.data_okresu<>l.poczatek_roku"), 0);
    EXPECT_GT(count("select count(*) from POZ_DOK where waluta in ('EUR','USD') and czy_rk<>10"), 50);
    EXPECT_EQ(count("select count(*) from POZ_DOK where waluta<>'' and (kurs_waluty<=0 or kwota_wn_w+kwota_ma_w=0)"), 0);
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    EXPECT_GT(count("select count(*) from BT_DANE"), 0);
    EXPECT_EQ(test::staleBudgetLineCopies(db()), QStringList());
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
}

TEST_P(DemoDatabaseTest, openingBalanceOf2026CarriesTheClosingBalancesOf2025) {
    // For every balance-sheet account (not closed into the result) the balance at the end of 2025,
    // opening balance included, equals its opening balance in 2026.
    const char* differing =
        "select count(*) from (select konto, sum(case when rok='2025' then kwota else 0 end) closing, "
        "       sum(case when rok='2026' and czy_rk=10 then kwota else 0 end) opening from ("
        "  select p.konto_wn konto, p.kwota_wn kwota, l.rok_obrotowy rok, p.czy_rk, p.status from POZ_DOK p "
        "    join LATA_OBROTOWE l on l.id_lata_obrot=p.id_lata_obrot where p.id_firmy=? and p.konto_wn<>'' "
        "  union all select p.konto_ma, -p.kwota_ma, l.rok_obrotowy, p.czy_rk, p.status from POZ_DOK p "
        "    join LATA_OBROTOWE l on l.id_lata_obrot=p.id_lata_obrot where p.id_firmy=? and p.konto_ma<>'') a "
        " where status=2 and cast(substr(konto,1,3) as integer) in (select k.nr_konta_syn from KONTA_SYNT k "
        "   join LATA_OBROTOWE l on l.id_lata_obrot=k.id_lata_obrot where k.id_firmy=? and l.rok_obrotowy='2025' "
        "   and k.typ_konta='B' and k.nr_konta_syn not in (222,223,800,820)) "
        " group by konto) x where closing<>opening";
    for (int company : {1, 2}) EXPECT_EQ(count(differing, {company, company, company}), 0) << company;
}

TEST_P(DemoDatabaseTest, clerkIsDeniedPrintingFromTheLedgerAndAdminIsAdministrator) {
    EXPECT_EQ(count("select czy_administrator from UZYTKOWNICY where login='admin'"), 1);
    EXPECT_EQ(count("select czy_administrator from UZYTKOWNICY where login='ksiegowa'"), 0);
    for (int company : {1, 2})
        EXPECT_EQ(count("select prawo from PRAWA_DOSTEPU where id_firmy=? and login='ksiegowa' and kod_funkcji='4_1_1_1'", {company}), 0);
}

TEST_P(DemoDatabaseTest, buildsTheSameDataOnEveryRun) {
    test::ScratchDatabase other(Engine::Sqlite);
    demo::buildDemoDatabase(other.db());
    const QString fingerprint = "select count(*), sum(kwota_wn), sum(kwota_ma_w), sum(lp * length(konto_wn || konto_ma)), "
                                "sum(data_okresu), sum(status) from POZ_DOK";
    Rows a = db().select(fingerprint);
    Rows b = other.db().select(fingerprint);
    ASSERT_TRUE(a.next());
    ASSERT_TRUE(b.next());
    for (int c = 0; c < 6; ++c) EXPECT_EQ(a.int64(c), b.int64(c)) << c;
}

} // namespace

namespace {

TEST_P(DemoDatabaseTest, cardsSettlementsCostCentresAndBudgetLinesHangOnTheDocuments) {
    // Card accounts point at their contractor, employee or office of the same company.
    EXPECT_EQ(count("select count(*) from WARTOSCI_KONT w where w.rodzaj_kartoteki='K' and not exists "
                    "(select 1 from KONTRAHENCI k where k.id_kontrahenta=w.id_kartoteki and k.id_firmy=w.id_firmy)"), 0);
    EXPECT_EQ(count("select count(*) from WARTOSCI_KONT w where w.rodzaj_kartoteki='P' and not exists "
                    "(select 1 from PRACOWNICY k where k.id_pracownika=w.id_kartoteki and k.id_firmy=w.id_firmy)"), 0);
    // Invoices open settlements on the account of their line; payments never exceed them.
    EXPECT_GT(count("select count(*) from ROZRACHUNEK"), 500);
    EXPECT_GT(count("select count(*) from ROZLICZENIE"), 300);
    // Those no line carries yet are the ones the warehouse system sent and one note of the ledger.
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK r where r.id_poz_dok_f <> 0 and not exists (select 1 from POZ_DOK p where "
                    "p.id_poz_dok=r.id_poz_dok_f and (p.konto_wn=r.nr_konta or p.konto_ma=r.nr_konta))"), 0);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK r where r.id_poz_dok_f = 0 and r.id_nag_dok_m = 0"), 1);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK r where r.kwota_w < (select coalesce(sum(z.kwota_w), 0) from ROZLICZENIE z "
                    "where z.id_rozrachunku=r.id_rozrachunku) or (r.sym_waluty='PLN' and r.kwota < (select coalesce(sum(z.kwota), 0) "
                    "from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku))"), 0);
    // Cost-centre splits add up to their line, in the company that keeps cost centres.
    EXPECT_GT(count("select count(*) from MPK_VIEW where id_firmy=1"), 200);
    EXPECT_EQ(count("select count(*) from POZ_DOK p join (select id_poz_dok, strona, sum(kwota) as kwota from MPK_DANE "
                    "group by id_poz_dok, strona) m on m.id_poz_dok=p.id_poz_dok "
                    "where m.kwota <> case when m.strona='WN' then p.kwota_wn else p.kwota_ma end"), 0);
    // Budget lines of the budget unit only, classified dział-rozdział-paragraf, with the line's amount; a plan in each year.
    EXPECT_GT(count("select count(*) from BT_VIEW where id_firmy=2 and typ='W' and rodzaj_wy=1"), 100);
    EXPECT_GT(count("select count(*) from BT_VIEW where id_firmy=2 and typ='D' and rodzaj_d=1"), 10);
    EXPECT_EQ(count("select count(*) from BT_DANE where id_firmy<>2"), 0);
    EXPECT_EQ(count("select count(*) from BT_DANE where substr(bt_klasyfikacja,1,4)<>'801-' or substr(bt_klasyfikacja,10,1)<>'-' "
                    "or length(bt_klasyfikacja) not in (14, 17)"), 0);
    EXPECT_EQ(count("select count(*) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                    "where b.kwota<>p.kwota_wn and b.kwota<>p.kwota_ma and not exists (select 1 from BT_DANE s "
                    "where s.id_poz_dok=b.id_poz_dok and s.lp=2)"), 0);
    EXPECT_EQ(count("select count(distinct id_lata_obrot) from BT_PLAN where id_firmy=2"), 2);
    EXPECT_GT(count("select count(*) from BT_PLAN where bt_klasyfikacja='801-80101-4010'"), 0);
}

} // namespace

TEST_P(DemoDatabaseTest, firstOpeningBalanceCarriesWhatItsWindowsEdit) {
    const int64_t first = count("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2025'");
    EXPECT_EQ(count("select count(*) from LATA_OBROTOWE where zamkniete_bo<>0"), 0);
    // Settlements of an opening line add up to its amount, corrections counted negative.
    EXPECT_EQ(count("select count(*) from POZ_DOK p where p.czy_rk=10 and exists (select 1 from ROZRACHUNEK r where r.id_poz_dok_f=p.id_poz_dok) "
                    "and p.kwota_wn + p.kwota_ma <> (select sum(case when r.czy_korekta=1 then -r.kwota else r.kwota end) "
                    "from ROZRACHUNEK r where r.id_poz_dok_f=p.id_poz_dok)"), 0);
    EXPECT_GT(count("select count(*) from ROZRACHUNEK where czy_bo=1 and id_lata_obrot=? and id_nag_dok_m=0", {first}), 5);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where czy_bo=1 and id_lata_obrot=? and id_nag_dok_m<>0", {first}), 1);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where czy_bo=1 and id_lata_obrot=? and czy_korekta=1", {first}), 1);
    // The clearing of the correction is a pair, one row for each settlement.
    EXPECT_EQ(count("select count(*) from ROZLICZENIE a join ROZLICZENIE b on b.id_rozrachunku=a.id_rozrachunku_rozl "
                    "and b.id_rozrachunku_rozl=a.id_rozrachunku"), 2);
    // Partial entries and the cost-centre split match the amounts of their lines.
    EXPECT_EQ(count("select count(*) from POZ_DOK p where exists (select 1 from POZ_DOK_CZASTKOWE c where c.id_poz_dok=p.id_poz_dok) "
                    "and p.kwota_wn <> (select sum(c.kwota_wn) from POZ_DOK_CZASTKOWE c where c.id_poz_dok=p.id_poz_dok)"), 0);
    EXPECT_EQ(count("select count(*) from POZ_DOK_CZASTKOWE where opis like '%''%'"), 1);
    EXPECT_EQ(count("select sum(m.kwota) - max(p.kwota_wn) from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                    "where p.czy_rk=10 and p.id_lata_obrot=?", {first}), 0);
    // Off-balance, currency, one-sided Dt and Ct lines of one account, and 130-1 beside 130-10.
    EXPECT_GT(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and konto_wn='980'", {first}), 0);
    EXPECT_GT(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and waluta='EUR'", {first}), 0);
    EXPECT_EQ(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and (konto_wn='100-01' or konto_ma='100-01')", {first}), 2);
    EXPECT_EQ(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and konto_wn in ('130-1','130-10')", {first}), 2);
    EXPECT_EQ(count("select count(*) from KONTA_SYNT where kartoteka<>'' and symbol_kartoteki not in "
                    "(select symbol_kartoteki from KARTOTEKA_UZYTKOWNIKA u where u.id_firmy=KONTA_SYNT.id_firmy)"), 0);
    EXPECT_EQ(count("select count(*) from OPCJE_SYSTEMOWE where id_opcje in (180,224)"), 8);
}
