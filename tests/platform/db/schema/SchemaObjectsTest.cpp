#include "platform/db/Schema.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;

class SchemaObjectsTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(SchemaObjectsTest);

TEST_P(SchemaObjectsTest, everyTableAndViewTheModuleReadsExists) {
    const char* names[] = {
        "FIRMA", "ADRESY_FIRMY", "LATA_OBROTOWE", "WALUTY", "KONTA_SYNT", "WARTOSCI_KONT", "NAG_DOK", "POZ_DOK",
        "POZ_DOK_CZASTKOWE", "POZ_DOK_VIEW_UNION", "POZ_DOK_VIEW_UNION_BT", "POZ_DOK_VIEW_UNION_EXT",
        "POZ_DOK_VIEW_UNION_BT_EXT", "OBROTY_I_SALDA", "PACZKA", "TYP_DOK", "PACZKA_TYPDOK", "ZAZNACZENIE",
        "OPCJE_SYSTEMOWE", "PARAMETRY_GLOBALNE", "KOMUNIKAT", "ZMIANA_PLANU_KONT", "ZMIANA_PLANU_KONT_ROZRACHUNKI",
        "KARTOTEKA_UZYTKOWNIKA", "KARTOTEKA_UZYTKOWNIKA_POZ", "KARTOTEKA_UZYTKOWNIKA_DANE_VIEW", "SLOW_DANE",
        "KONTRAHENCI", "PRACOWNICY", "URZEDY", "RACHUNKI_BANKOWE", "SRODKI_TRWALE", "ROZRACHUNEK", "ROZLICZENIE", "ROZRACHUNEK_VIEW",
        "ROZRACHUNEK_VIEW_ALIAS", "ROZRACHUNEK_BILANTOR_V", "ROZRACHUNEK_TOVARIX_V", "ROZRACHUNEK_VIEW_TOVARIX",
        "ROZLICZENIE_BILANTOR_V", "MPK_WSKAZNIK", "MPK_DANE", "MPK_VIEW", "BT_DANE", "BT_VIEW", "BT_PLAN",
        "KLASYFIKACJA_BUDZETOWA", "ZESTAW_ZESTAW", "UZYTKOWNICY", "PRAWA_DOSTEPU", "BLOKADY_DOKUMENTOW",
        "BLOKADY_POZYCJI", "FILTR_LISTA", "FILTR_SLOWNIK_NAG", "KONFIG_BROW", "KONFIGURACJA_KOLUMN",
        "USTAWIENIA_UZYTKOWNIKA"};
    for (const char* name : names) EXPECT_TRUE(db().tableExists(name)) << name;
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
}

// A value that fits where it is first written must fit everywhere it is copied to; only
// PostgreSQL enforces the lengths, so the lengths are compared there.
TEST_P(SchemaObjectsTest, accountNumbersAndSymbolsHaveOneLengthWhereverTheyAreCopied) {
    if (GetParam() != db::Engine::Postgres) GTEST_SKIP() << "SQLite does not enforce lengths";
    auto length = [&](const char* table, const char* column) {
        return db().scalarInt("select character_maximum_length from information_schema.columns"
                              " where table_schema=current_schema() and table_name=? and column_name=?",
                              {QString::fromLatin1(table).toLower(), QString::fromLatin1(column)}).value_or(-1);
    };
    const std::pair<const char*, const char*> accounts[] = {
        {"POZ_DOK", "konto_wn"}, {"POZ_DOK", "konto_ma"}, {"OBROTY_I_SALDA", "nr_konta"},
        {"ROZRACHUNEK", "nr_konta"}, {"MPK_DANE", "konto"}, {"ZAZNACZENIE", "opis_elementu"},
        {"ZMIANA_PLANU_KONT", "z_konta"}, {"ZMIANA_PLANU_KONT", "na_konto"}, {"POZ_DOK_VIEW_UNION", "konto"}};
    const auto chart = length("WARTOSCI_KONT", "nr_konta");
    EXPECT_EQ(chart, 60);
    for (const auto& [table, column] : accounts) EXPECT_EQ(length(table, column), chart) << table << "." << column;
    // Classification symbols are marked in the selection store by their text.
    EXPECT_GE(length("ZAZNACZENIE", "opis_elementu"), length("BT_DANE", "bt_klasyfikacja"));
    EXPECT_EQ(length("BT_PLAN", "bt_klasyfikacja"), length("BT_DANE", "bt_klasyfikacja"));
    EXPECT_EQ(length("ROZRACHUNEK", "sym_waluty"), length("WALUTY", "sym_waluty"));
}

TEST_P(SchemaObjectsTest, aVersionEightDatabaseGetsTheBudgetWindowsListView) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (8, 'schemat utworzony')");
    owner->executeScript("DROP VIEW BT_VIEW_KWOTY");
    owner->executeScript("DROP INDEX BT_DANE_FIRMA_TYP_KWOTA");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_TRUE(db().tableExists("BT_VIEW_KWOTY"));
    EXPECT_THROW(owner->executeScript("CREATE INDEX BT_DANE_FIRMA_TYP_KWOTA ON BT_DANE (id_firmy)"), db::DbError) << "recreated";
}
