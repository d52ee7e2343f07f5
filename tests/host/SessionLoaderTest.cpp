#include "HostFixture.h"
#include "host/SessionLoader.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::host;

namespace {

class SessionLoaderTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        unit = test::addCompany(db(), "Gmina Przykładowa", 1, 1, "123-456-78-90");
        db().execute("update FIRMA set separator_bt='.' where id_firmy=?", {unit});
        // A correspondence address, the seat, and the seat it moves to in June 2026.
        const char* address = "insert into ADRESY_FIRMY (id_firmy, typ_adresu, data_od, ulica, nr_domu, kod_pocztowy, miejscowosc) "
                              "values (?, ?, ?, ?, ?, ?, ?)";
        db().execute(address, {unit, "K", date::fromYmd(2025, 1, 1), "Boczna", "1", "11-111", "Gdzieś"});
        db().execute(address, {unit, "S", 0, "ul. Długa", "5", "00-950", "Warszawa"});
        db().execute(address, {unit, "S", date::fromYmd(2026, 6, 1), "ul. Nowa", "2", "00-951", "Warszawa"});
        // An extended first year: 18 months.
        longYear = test::addYear(db(), unit, "2025/2026", QDate(2025, 7, 1), QDate(2026, 12, 31));
        other = test::addCompany(db(), "Spółka");
        otherYear = test::addYear(db(), other, "2026", QDate(2026, 1, 1), QDate(2026, 12, 31));
        admin = test::addUser(db(), "admin", 1);
        test::addUser(db(), "ksiegowa", 0);
        paths.settingsFolder = "/cfg/ksiega";
        paths.helpFile = "/help/ksiega.htm";
    }

    int64_t unit = 0, longYear = 0, other = 0, otherYear = 0, admin = 0;
    SessionPaths paths;
    const int today = date::fromYmd(2026, 3, 15);
};
KSIEGA_ON_BOTH_ENGINES(SessionLoaderTest);

TEST_P(SessionLoaderTest, fillsTheGlobalsOfABudgetUnitWithAnExtendedYear) {
    SessionContext s;
    loadSession(db(), {unit, longYear, " admin ", date::fromYmd(2026, 2, 10)}, today, paths, s);

    EXPECT_EQ(s.DANE_ID_FIRMY, unit);
    EXPECT_EQ(s.DANE_LATA_OBROTOWE, longYear);
    EXPECT_EQ(s.DANE_POCZATEK_ROKU, date::fromYmd(2025, 7, 1));
    EXPECT_EQ(s.DANE_KONIEC_ROKU, date::fromYmd(2026, 12, 31));
    EXPECT_EQ(s.DANE_LATA_OBROT_NAZWA, "2025/2026");
    EXPECT_EQ(s.DANE_DATA_BIEZACA, date::fromYmd(2026, 2, 10));
    EXPECT_EQ(s.DANE_DATA_OKRESU, date::fromYmd(2026, 2, 2));
    EXPECT_EQ(s.DANE_DATA_WYDRUKU, today);
    EXPECT_EQ(s.DANE_ID_UZYT, "admin");
    EXPECT_EQ(s.DANE_ID_UZYTKOWNIKA_NR, admin);
    EXPECT_EQ(s.DANE_ADMINISTRATOR, 1);
    EXPECT_EQ(s.DANE_AKTYWNA_WALUTA, "PLN");
    EXPECT_EQ(s.DANE_CZY_WERSJA_BUDZET, 1);
    EXPECT_EQ(s.DANE_CZY_WERSJA_MPK, 1);
    EXPECT_EQ(s.DANE_SEPARATOR_MPK, "/");
    EXPECT_EQ(s.DANE_NAZWA_FIRMY, "Gmina Przykładowa");
    EXPECT_EQ(s.DANE_ADRES1_FIRMY, "ul. Długa 5");
    EXPECT_EQ(s.DANE_ADRES2_FIRMY, "00-950 Warszawa");
    EXPECT_EQ(s.DANE_NIP_FIRMY, "123-456-78-90");
    EXPECT_EQ(s.DANE_WERSJA_SERWERA.size(), 4);
    EXPECT_EQ(s.GGG_SCIEZKA_SET, "/cfg/ksiega/ustawienia_admin.ini");
    EXPECT_EQ(s.GGG_HELP_PLIK, "/help/ksiega.htm");
    EXPECT_EQ(s.GGG_BT_SEPARATOR, ".");

    // After the move the seat address is the new one.
    loadSession(db(), {unit, longYear, "admin", date::fromYmd(2026, 7, 1)}, today, paths, s);
    EXPECT_EQ(s.DANE_ADRES1_FIRMY, "ul. Nowa 2");
    EXPECT_EQ(s.DANE_ADRES2_FIRMY, "00-951 Warszawa");
}

TEST_P(SessionLoaderTest, anOrdinaryCompanyWithoutAddressGetsNoEditionsAndBlankAddress) {
    SessionContext s;
    loadSession(db(), {other, otherYear, "ksiegowa", {}}, today, paths, s);
    EXPECT_EQ(s.DANE_CZY_WERSJA_BUDZET, 0);
    EXPECT_EQ(s.DANE_ADMINISTRATOR, 0);
    EXPECT_EQ(s.DANE_ADRES1_FIRMY, "");
    EXPECT_EQ(s.DANE_ADRES2_FIRMY, "");
    EXPECT_EQ(s.DANE_DATA_BIEZACA, today);  // no date given: today, inside the year
}

TEST_P(SessionLoaderTest, workingDateIsKeptInsideTheYear) {
    SessionContext s;
    loadSession(db(), {other, otherYear, "admin", date::fromYmd(2027, 5, 5)}, today, paths, s);
    EXPECT_EQ(s.DANE_DATA_BIEZACA, date::fromYmd(2026, 12, 31));
    EXPECT_EQ(s.DANE_DATA_OKRESU, date::fromYmd(2026, 12, 2));

    loadSession(db(), {unit, longYear, "admin", {}}, date::fromYmd(2024, 1, 1), paths, s);
    EXPECT_EQ(s.DANE_DATA_BIEZACA, date::fromYmd(2025, 7, 1));
    EXPECT_EQ(s.DANE_DATA_OKRESU, date::fromYmd(2025, 7, 2));
    EXPECT_EQ(s.DANE_DATA_WYDRUKU, date::fromYmd(2024, 1, 1));
}

TEST_P(SessionLoaderTest, anUnknownChoiceFailsAndLeavesTheSessionAsItWas) {
    SessionContext s;
    loadSession(db(), {other, otherYear, "admin", {}}, today, paths, s);

    EXPECT_THROW(loadSession(db(), {999999, otherYear, "admin", {}}, today, paths, s), SessionError);
    // A year that exists, but of another company.
    EXPECT_THROW(loadSession(db(), {other, longYear, "admin", {}}, today, paths, s), SessionError);
    EXPECT_THROW(loadSession(db(), {unit, longYear, "nikt", {}}, today, paths, s), SessionError);
    // A login that only looks like SQL is just an unknown login.
    EXPECT_THROW(loadSession(db(), {unit, longYear, "x' or '1'='1", {}}, today, paths, s), SessionError);

    EXPECT_EQ(s.DANE_ID_FIRMY, other);
    EXPECT_EQ(s.DANE_LATA_OBROTOWE, otherYear);
    EXPECT_EQ(s.DANE_NAZWA_FIRMY, "Spółka");
}

TEST_P(SessionLoaderTest, firstChoicePicksTheNewestYearAndAnAdministrator) {
    const int64_t newer = test::addYear(db(), unit, "2027", QDate(2027, 1, 1), QDate(2027, 12, 31));
    const SessionChoice c = firstChoice(db());
    EXPECT_EQ(c.company, unit);
    EXPECT_EQ(c.year, newer);
    EXPECT_EQ(c.login, "admin");
}

} // namespace

TEST(SettingsFile, aLoginNeverLeadsOutOfTheSettingsFolder) {
    EXPECT_EQ(settingsFileFor("/cfg", "jan_k-1"), "/cfg/ustawienia_jan_k-1.ini");
    for (const QString login : {"../../etc/x", "a/b", "..", "", "żaba"}) {
        const QString file = settingsFileFor("/cfg", login);
        EXPECT_TRUE(file.startsWith("/cfg/ustawienia_")) << file.toStdString();
        EXPECT_FALSE(file.mid(5).contains('/')) << file.toStdString();
        EXPECT_FALSE(file.contains("..")) << file.toStdString();
    }
    EXPECT_NE(settingsFileFor("/cfg", "a/b"), settingsFileFor("/cfg", "a.b"));
    EXPECT_NE(settingsFileFor("/cfg", "a/b"), settingsFileFor("/cfg", "a_002fb"));
}
