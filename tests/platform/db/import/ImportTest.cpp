// Importing well-formed files: amounts, periods, currencies, the header values repeated on
// the lines, several documents, quoted fields, ids, and analytic accounts created on demand.
#include "ImportLedger.h"
#include "platform/runtime/Date.h"
#include "support/LineCopiesCheck.h"
#include "platform/server/Turnovers.h"
#include "support/TurnoverCheck.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::test;

namespace {

class ImportTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (!IsSkipped()) ledger = ImportLedger::create(db());
    }
    // One imported line by document and lp: accounts, amounts, currency, description.
    struct Line { QString wn, ma; int64_t kwotaWn, kwotaMa, kwotaWnW, kwotaMaW; QString waluta, opis; };
    Line line(const QString& nrEwid, int lp) {
        db::Rows r = db().select(QStringLiteral(
            "select p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, p.waluta, p.opis "
            "from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
            "where n.id_lata_obrot = ? and n.nr_ewid_dok = ? and p.lp = ?"), {ledger.year2026, nrEwid, lp});
        EXPECT_TRUE(r.next()) << nrEwid.toStdString() << " lp " << lp;
        return {r.text(0), r.text(1), r.int64(2), r.int64(3), r.int64(4), r.int64(5), r.text(6), r.text(7)};
    }
    ImportLedger ledger;
};
KSIEGA_ON_BOTH_ENGINES(ImportTest);

TEST_P(ImportTest, goodFileLoadsPostedDocumentsWithTheirPeriodsCurrenciesAndAmounts) {
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), ledger.firma, ledger.year2026, 0);   // current before the import
    const auto before = tableCounts(db());
    auto options = ledger.options();
    options.user = QStringLiteral("jkowal");
    const auto result = importFixture(db(), options, QStringLiteral("good.csv"));
    ASSERT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
    EXPECT_EQ(result.documents, 5);
    EXPECT_EQ(result.lines, 7);
    EXPECT_EQ(tableCounts(db()).nagDok, before.nagDok + 5);
    EXPECT_EQ(tableCounts(db()).pozDok, before.pozDok + 7);

    // Header: period date by kind, currency, dates, journal, type, posted by the given user.
    struct Header { const char* nr; int okres; const char* waluta; int biezaca; int dokOrg; const char* paczka; const char* typ; const char* org; };
    for (const Header& h : {Header{"BO/1", date::fromYmd(2026, 1, 1), "", date::fromYmd(2026, 1, 1), date::fromYmd(2026, 1, 1), "KP", "PK", "BO/2026"},
                            {"FV/1", date::fromYmd(2026, 3, 2), "", date::fromYmd(2026, 3, 15), date::fromYmd(2026, 3, 10), "KP", "FV", "FV 12/2026, korekta"},
                            {"WB/7", date::fromYmd(2026, 4, 2), "EUR", date::fromYmd(2026, 4, 30), date::fromYmd(2026, 4, 29), "BANK", "WB", "WB/7"},
                            {"PK/1", date::fromYmd(2026, 12, 2), "", date::fromYmd(2026, 12, 31), date::fromYmd(2026, 12, 31), "KP", "PK", "PK-A"},
                            {"BZ/1", date::fromYmd(2026, 12, 28), "", date::fromYmd(2026, 12, 31), 0, "KP", "PK", "BZ"}}) {
        SCOPED_TRACE(h.nr);
        db::Rows r = db().select(QStringLiteral(
            "select n.data_okresu, n.waluta, n.data_biezaca, n.data_dok_org, k.kod_paczki, t.sym_typ_dok_uz, n.nr_dok_org, "
            "n.status, n.czy_rk, n.id_uzyt_p, n.id_firmy "
            "from NAG_DOK n join PACZKA k on k.id_paczka = n.id_paczka join TYP_DOK t on t.id_typ_dok = n.id_typ_dok "
            "where n.id_lata_obrot = ? and n.nr_ewid_dok = ?"), {ledger.year2026, h.nr});
        ASSERT_TRUE(r.next());
        EXPECT_EQ(r.integer(0), h.okres);
        EXPECT_EQ(r.text(1), h.waluta);
        EXPECT_EQ(r.integer(2), h.biezaca);
        EXPECT_EQ(r.integer(3), h.dokOrg);
        EXPECT_EQ(r.text(4), h.paczka);
        EXPECT_EQ(r.text(5), h.typ);
        EXPECT_EQ(r.text(6), h.org);
        EXPECT_EQ(r.integer(7), 2);
        EXPECT_EQ(r.integer(8), 0);
        EXPECT_EQ(r.text(9), "jkowal");
        EXPECT_EQ(r.int64(10), ledger.firma);
    }

    // Lines: one side or both, PLN and currency amounts, descriptions with quotes, commas, line breaks.
    const Line bo1 = line("BO/1", 1), bo2 = line("BO/1", 2);
    EXPECT_EQ(bo1.wn, "100"); EXPECT_EQ(bo1.ma, ""); EXPECT_EQ(bo1.kwotaWn, 150000); EXPECT_EQ(bo1.kwotaMa, 0);
    EXPECT_EQ(bo2.wn, ""); EXPECT_EQ(bo2.ma, "201-01"); EXPECT_EQ(bo2.kwotaWn, 0); EXPECT_EQ(bo2.kwotaMa, 150000);
    EXPECT_EQ(bo2.opis, QStringLiteral("Bilans otwarcia rozrachunków"));
    const Line fv = line("FV/1", 1);
    EXPECT_EQ(fv.kwotaWn, 123050); EXPECT_EQ(fv.kwotaMa, 123050); EXPECT_EQ(fv.kwotaWnW, 0); EXPECT_EQ(fv.waluta, "");
    EXPECT_EQ(fv.opis, QStringLiteral("Sprzedaż \"usług\", marzec"));
    const Line wb = line("WB/7", 1);
    EXPECT_EQ(wb.kwotaWn, 43000); EXPECT_EQ(wb.kwotaMa, 43000); EXPECT_EQ(wb.kwotaWnW, 10000); EXPECT_EQ(wb.kwotaMaW, 10000);
    EXPECT_EQ(wb.waluta, "EUR");
    EXPECT_EQ(wb.opis, QStringLiteral("Wpłata\nw dwóch liniach"));
    // PK/1 is split by another document in the file; its lines keep their order.
    EXPECT_EQ(line("PK/1", 1).wn, "401");
    EXPECT_EQ(line("PK/1", 2).ma, "201-02");
    EXPECT_EQ(line("BZ/1", 1).kwotaWn, -500);

    // Every line repeats its header's company, year, register number, period, status, kind and currency.
    EXPECT_EQ(*db().scalarInt(QStringLiteral(
                  "select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
                  "where n.id_uzyt_p = 'jkowal' and (p.id_firmy <> n.id_firmy or p.id_lata_obrot <> n.id_lata_obrot "
                  "or p.nr_ewid_dok <> n.nr_ewid_dok or p.data_okresu <> n.data_okresu or p.status <> n.status or p.czy_rk <> n.czy_rk or p.waluta <> n.waluta)")),
              0);
    // The entry view sees the posted lines, one row per side.
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot = ? and konto = '201-01'"),
                              {ledger.year2026}),
              2);
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    EXPECT_TURNOVERS_CURRENT(db(), ledger.firma, ledger.year2026);
}

TEST_P(ImportTest, newRowsAfterAnImportGetFreshIdsAndASecondImportOfTheSameFileIsRefused) {
    ASSERT_TRUE(importFixture(db(), ledger.options(), QStringLiteral("good.csv")).ok());
    const int64_t maxNag = *db().scalarInt(QStringLiteral("select max(id_nag_dok) from NAG_DOK"));
    const int64_t maxPoz = *db().scalarInt(QStringLiteral("select max(id_poz_dok) from POZ_DOK"));
    const int64_t nag = db().insertReturningId(
        QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok) values (?, ?, 'NOWY') returning id_nag_dok"),
        {ledger.firma, ledger.year2026});
    EXPECT_GT(nag, maxNag);
    EXPECT_GT(db().insertReturningId(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot) values (?, ?, ?) "
                                                    "returning id_poz_dok"),
                                     {nag, ledger.firma, ledger.year2026}),
              maxPoz);

    const auto counts = tableCounts(db());
    const auto again = importFixture(db(), ledger.options(), QStringLiteral("good.csv"));
    EXPECT_EQ(errorTexts(again), (QStringList{"line 2: document BO/1 already exists in this fiscal year",
                                              "line 4: document FV/1 already exists in this fiscal year",
                                              "line 5: document PK/1 already exists in this fiscal year",
                                              "line 6: document WB/7 already exists in this fiscal year",
                                              "line 9: document BZ/1 already exists in this fiscal year"}));
    EXPECT_EQ(tableCounts(db()), counts);
}

TEST_P(ImportTest, documentNumbersOfAnotherFiscalYearDoNotCount) {
    // PK/1 exists in 2025; in 2026 it is a new document.
    const auto result = importText(db(), ledger.options(),
                                   "X,PK/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\n");
    EXPECT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
}

TEST_P(ImportTest, createAccountsAddsMissingAnalyticAccountsWithTheirLevels) {
    auto options = ledger.options();
    options.createAccounts = true;
    const auto result = importFixture(db(), options, QStringLiteral("create_accounts.csv"));
    ASSERT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
    EXPECT_EQ(result.accountsCreated, 4);

    struct Account { const char* nr; int syn; int level; const char* parent; int posting; };
    for (const Account& a : {Account{"201-03", 201, 1, "201", 1}, {"202-05", 202, 1, "202", 0},
                             {"202-05-01", 202, 2, "202-05", 1}, {"202-05-02", 202, 2, "202-05", 1}}) {
        SCOPED_TRACE(a.nr);
        db::Rows r = db().select(QStringLiteral("select nr_konta_syn, poziom, nr_konta_nadrz, czy_analityka, nazwa_konta "
                                                "from WARTOSCI_KONT where id_firmy = ? and id_lata_obrot = ? and nr_konta = ?"),
                                 {ledger.firma, ledger.year2026, a.nr});
        ASSERT_TRUE(r.next());
        EXPECT_EQ(r.integer(0), a.syn);
        EXPECT_EQ(r.integer(1), a.level);
        EXPECT_EQ(r.text(2), a.parent);
        EXPECT_EQ(r.integer(3), a.posting);
        EXPECT_EQ(r.text(4), QStringLiteral("Konto utworzone przy imporcie"));
    }
    // Only the year imported into gets them.
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select count(*) from WARTOSCI_KONT where id_lata_obrot = ? and nr_konta like '202-05%'"),
                              {ledger.year2025}),
              0);
}

TEST_P(ImportTest, createAccountsStillRefusesWhatItCannotCreate) {
    auto options = ledger.options();
    options.createAccounts = true;
    const auto before = tableCounts(db());
    const auto result = importText(db(), options,
                                   "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,999-01,700,1.00,,missing synthetic\n"
                                   "X,A/2,2026-01-05,2026-01-05,2026-01,KP,PK,,100-01,700,1.00,,under a posting account\n"
                                   "X,A/3,2026-01-05,2026-01-05,2026-01,KP,PK,,130-05,700,1.00,,would be a leaf\n"
                                   "X,A/4,2026-01-05,2026-01-05,2026-01,KP,PK,,130-05-01,700,1.00,,and a parent\n"
                                   "X,A/5,2026-01-05,2026-01-05,2026-01,KP,PK,,201--1,700,1.00,,malformed\n");
    EXPECT_EQ(errorTexts(result),
              (QStringList{"line 2: unknown account 999-01: synthetic account 999 does not exist",
                           "line 3: cannot create account 100-01: account 100 takes postings",
                           "line 5: cannot create account 130-05-01: account 130-05 takes postings (line 4)",
                           "line 6: unknown account 201--1"}));
    EXPECT_EQ(tableCounts(db()), before);

    // Without the option a missing analytic account is just unknown.
    const auto plain = importText(db(), ledger.options(), "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,201-03,700,1.00,,\n");
    EXPECT_EQ(errorTexts(plain), QStringList{"line 2: unknown account 201-03"});
}

} // namespace
