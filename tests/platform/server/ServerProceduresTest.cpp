// Rights, account names and search, the opening-balance header, trial-balance periods.
#include "platform/runtime/Date.h"
#include "platform/server/AccessRights.h"
#include "platform/server/Accounts.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/Procedures.h"
#include "platform/server/TrialBalance.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <thread>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

class ServerProceduresTest : public test::DbTest {
protected:
    test::LedgerFixture& fixture() {
        if (!m_fixture) m_fixture = std::make_unique<test::LedgerFixture>(db());
        return *m_fixture;
    }

private:
    std::unique_ptr<test::LedgerFixture> m_fixture;
};
KSIEGA_ON_BOTH_ENGINES(ServerProceduresTest);

TEST_P(ServerProceduresTest, aRightWithoutAStoredRowIsLeftToTheCallerWhoGrantsIt) {
    auto& f = fixture();
    EXPECT_EQ(USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), f.company, f.login, "4_1_1_1"), std::nullopt);
    EXPECT_TRUE(callProcedure(db(), "USTAL_PRAWO_DOSTEPU_FUNKCJA", {f.company, f.login, "4_1_1_1"}).rows.empty());

    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, ?, 0)", {f.company, f.login, "4_1_1_2"});
    EXPECT_EQ(USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), f.company, f.login, "4_1_1_2"), 0);
    const ResultSet denied = callProcedure(db(), "ustal_prawo_dostepu_funkcja", {f.company, f.login, "4_1_1_2"});
    ASSERT_EQ(denied.rows.size(), 1u);
    EXPECT_EQ(denied.rows[0][0].toInt64(), 0);
    // The right belongs to that company and user only; a quote in a login is just a character.
    EXPECT_EQ(USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), f.company + 1, f.login, "4_1_1_2"), std::nullopt);
    EXPECT_EQ(USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), f.company, "x' or '1'='1", "4_1_1_2"), std::nullopt);
}

TEST_P(ServerProceduresTest, accountNamesComeFromTheChartOfTheYear) {
    auto& f = fixture();
    EXPECT_EQ(USTAL_NAZWE_KONTA(db(), f.company, f.year2026, "201-01-002"), QString("Odbiorca Beta S.A."));
    // Quoted as the browse sends it, and the synthetic account with its leading zero.
    EXPECT_EQ(TG_GetNazwaKonta(db(), f.company, f.year2026, "'010'"), QString("Środki trwałe"));
    EXPECT_EQ(TG_GetNazwaKonta(db(), f.company, f.year2026, "999-99"), QString());
    const ResultSet scalar = callProcedure(db(), "dbo.TG_GetNazwaKonta", {f.company, f.year2026, "'234-02'"});
    ASSERT_EQ(scalar.rows.size(), 1u);
    EXPECT_EQ(scalar.rows[0][0].toText(), "Pożyczki");
    EXPECT_TRUE(callProcedure(db(), "USTAL_NAZWE_KONTA", {f.company, f.year2026, "999"}).rows.empty());
    // A synthetic account missing among the account numbers is named from KONTA_SYNT.
    db().execute("delete from WARTOSCI_KONT where id_lata_obrot=? and nr_konta='800'", {f.year2026});
    EXPECT_EQ(USTAL_NAZWE_KONTA(db(), f.company, f.year2026, "800"), QString("Kapitał podstawowy"));
}

TEST_P(ServerProceduresTest, typedAccountResolvesExactlyOrByAUniqueBeginning) {
    auto& f = fixture();
    auto exact = SZUKAJ_KONTA(db(), f.company, f.year2026, " 201-01-001 ", 1);
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->nrKonta, "201-01-001");
    EXPECT_TRUE(exact->czyAnalityka);
    EXPECT_FALSE(SZUKAJ_KONTA(db(), f.company, f.year2026, "201-01", 1)->czyAnalityka);
    // Mode 1 confirms only an exact number; other modes accept a unique beginning.
    EXPECT_FALSE(SZUKAJ_KONTA(db(), f.company, f.year2026, "202-01-0", 1));
    EXPECT_EQ(SZUKAJ_KONTA(db(), f.company, f.year2026, "202-01-0", 0)->nrKonta, "202-01-001");
    EXPECT_FALSE(SZUKAJ_KONTA(db(), f.company, f.year2026, "201-01-00", 0));   // two cards
    EXPECT_FALSE(SZUKAJ_KONTA(db(), f.company, f.year2026, "2%", 0));          // wildcards are plain characters
    EXPECT_FALSE(SZUKAJ_KONTA(db(), f.company, f.year2026, "", 0));
    const ResultSet found = callProcedure(db(), "SZUKAJ_KONTA", {f.company, f.year2026, "131-02", 1});
    ASSERT_EQ(found.rows.size(), 1u);
    EXPECT_EQ(found.rows[0][0].toInt64(), 1);
    EXPECT_EQ(found.rows[0][2].toText(), "Rachunek walutowy USD");
    EXPECT_TRUE(callProcedure(db(), "SZUKAJ_KONTA", {f.company, f.year2026, "555", 1}).rows.empty());
}

TEST_P(ServerProceduresTest, openingBalanceHeaderIsFoundInsteadOfCreatedTwice) {
    auto& f = fixture();
    const int start = date::fromYmd(2027, 1, 1);
    // The existing headers of 2026, whatever the case of the currency or "PLN" for home.
    EXPECT_EQ(PRZYGOTUJ_DOKUMENT_BO(db(), f.company, f.year2026, f.login, f.bo2026(), f.bo2026(), "PLN"), f.openingPln);
    EXPECT_EQ(PRZYGOTUJ_DOKUMENT_BO(db(), f.company, f.year2026, f.login, f.bo2026(), f.bo2026(), "eur"), f.openingEur);

    const int64_t created = PRZYGOTUJ_DOKUMENT_BO(db(), f.company, f.year18, "bardzo_dlugi_login", start, start, "USD");
    ASSERT_GT(created, 0);
    const ResultSet again = callProcedure(db(), "PRZYGOTUJ_DOKUMENT_BO", {f.company, f.year18, f.login, start, start, "USD", 0});
    ASSERT_EQ(again.rows.size(), 1u);
    EXPECT_EQ(again.rows[0][0].toInt64(), created);
    EXPECT_EQ(db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f.year18}), 1);
    db::Rows h = db().select("select czy_rk, data_okresu, waluta, status from NAG_DOK where id_nag_dok=?", {created});
    ASSERT_TRUE(h.next());
    EXPECT_EQ(h.integer(0), 10);
    EXPECT_EQ(h.integer(1), f.bo18());
    EXPECT_EQ(h.text(2), "USD");
    EXPECT_EQ(h.integer(3), 2);
    // Find-only mode and a year of no such company answer 0 and create nothing.
    EXPECT_EQ(PRZYGOTUJ_DOKUMENT_BO(db(), f.company, f.year18, f.login, start, start, "EUR", OpeningBalanceMode::FindOnly), 0);
    EXPECT_EQ(PRZYGOTUJ_DOKUMENT_BO(db(), f.company + 7, f.year18, f.login, start, start, "EUR"), 0);
    EXPECT_EQ(db().scalarInt("select count(*) from NAG_DOK where czy_rk=10"), 3);
}

TEST_P(ServerProceduresTest, twoSessionsPreparingTheSameHeaderGetOneDocument) {
    auto& f = fixture();
    const int start = date::fromYmd(2027, 1, 1);
    std::vector<int64_t> ids(2);
    std::vector<std::thread> sessions;
    for (int i = 0; i < 2; ++i)
        sessions.emplace_back([&, i] {
            auto own = db::Database::open(url());
            ids[i] = PRZYGOTUJ_DOKUMENT_BO(*own, f.company, f.year18, f.login, start, start, "PLN");
        });
    for (auto& t : sessions) t.join();
    EXPECT_EQ(ids[0], ids[1]);
    EXPECT_EQ(db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f.year18}), 1);
}

TEST_P(ServerProceduresTest, trialBalancePeriodsAreBoMonthsOfTheYearAndBz) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const FiscalYear y = *loadFiscalYear(db(), f.company, f.year2026);
    EXPECT_EQ(parsePeriod(y, "bo"), f.bo2026());
    EXPECT_EQ(parsePeriod(y, "2026-03"), f.month2026(3));
    EXPECT_EQ(parsePeriod(y, "BZ"), f.bz2026());
    EXPECT_EQ(parsePeriod(y, "2027-01"), std::nullopt);
    EXPECT_EQ(parsePeriod(y, "2026-13"), std::nullopt);
}
