// The card pickers: each kind lists its own table of the company (a register's own
// values for 'X'), the register's filter narrows the cards by symbol as a bound mask,
// and the answer carries the chosen card's id, symbol and name.
#include "platform/siblings/pickers/CardLists.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::pickers;

class CardPickersTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        firm = f().company;
        other = db().insertReturningId("insert into FIRMA (nazwa) values ('Inna') returning id_firmy");
    }
    int64_t contractor(int64_t company, const char* symbol) {
        return db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                      {company, symbol, QStringLiteral("Firma %1").arg(symbol)});
    }
    int64_t registerOf(int64_t company, const char* symbol) {
        return db().insertReturningId("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki) values (?, ?, ?)"
                                      " returning id_kartoteki_uzytkownika", {company, symbol, QStringLiteral("Rejestr %1").arg(symbol)});
    }
    int64_t value(int64_t reg, const char* kod, const char* wartosc) {
        return db().insertReturningId("insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod, wartosc) values (?, ?, ?)"
                                      " returning id_kartoteki_poz", {reg, kod, wartosc});
    }
    // The ids the list offers, in its order.
    std::vector<int64_t> offered(QChar kind, const QString& filter, const QString& reg = {}) {
        auto list = cardList(context(), kind, reg, filter);
        std::vector<int64_t> ids;
        if (!list) return ids;
        for (int row = 0; row < list->model().heldRows(); ++row) ids.push_back(list->model().idAt(row));
        return ids;
    }
    PickerContext context() { return {db(), firm, f().year2026, 7, 0}; }
    int64_t firm = 0, other = 0;
};
KSIEGA_ON_BOTH_ENGINES(CardPickersTest);

TEST_P(CardPickersTest, theFilterNarrowsTheCompanysCardsBySymbolAndIsNeverPartOfTheStatement) {
    const int64_t abc = contractor(firm, "ABC01"), abd = contractor(firm, "abd02"), xyz = contractor(firm, "XYZ01");
    const int64_t percent = contractor(firm, "A%B"), axb = contractor(firm, "AXB");
    contractor(other, "ABC01");
    using Ids = std::vector<int64_t>;
    auto sorted = [](Ids ids) { std::sort(ids.begin(), ids.end()); return ids; };

    EXPECT_EQ(sorted(offered('K', "")), sorted({abc, abd, xyz, percent, axb})) << "no filter: every card of the company";
    EXPECT_EQ(sorted(offered('K', "ab")), sorted({abc, abd})) << "without wildcards the symbol begins with it, any case";
    EXPECT_EQ(sorted(offered('K', "*01")), sorted({abc, xyz})) << "a mask covers the whole symbol";
    EXPECT_EQ(sorted(offered('K', "a?d*")), Ids{abd});
    EXPECT_EQ(sorted(offered('K', "A%B")), Ids{percent}) << "% is a plain character";
    EXPECT_EQ(sorted(offered('K', "A_B")), Ids{}) << "_ is a plain character";
    EXPECT_EQ(offered('K', "x' or '1'='1"), Ids{}) << "a quote is data";

    auto list = cardList(context(), 'K', {}, "XYZ");
    ASSERT_TRUE(list->choose());
    const CardChoice chosen = finishCardPick(*list, 'K');
    EXPECT_EQ(chosen.id, xyz);
    EXPECT_EQ(chosen.symbol, QString("XYZ01"));
    EXPECT_EQ(chosen.name, QString("Firma XYZ01"));
    auto nothing = cardList(context(), 'K', {}, "ZZZ");
    EXPECT_FALSE(nothing->choose()) << "an empty list offers nothing to choose";
    EXPECT_EQ(finishCardPick(*nothing, 'K').id, 0);
}

TEST_P(CardPickersTest, eachKindListsItsOwnTableAndAnswersItsIdSymbolAndName) {
    const int64_t employee = db().insertReturningId(
        "insert into PRACOWNICY (id_firmy, symbol, nazwa) values (?, 'P01', 'Kowalska Anna') returning id_pracownika", {firm});
    const int64_t office = db().insertReturningId(
        "insert into URZEDY (id_firmy, symbol, nazwa) values (?, 'US-1', 'Urząd Skarbowy') returning id_urzedu", {firm});
    const int64_t bank = db().insertReturningId(
        "insert into RACHUNKI_BANKOWE (id_firmy, symbol, nazwa) values (?, 'RB-PLN', 'Rachunek bieżący') returning id_rachunku", {firm});
    db().execute("insert into RACHUNKI_BANKOWE (id_firmy, symbol, nazwa) values (?, 'KASA', 'Kasa')", {firm});
    db().execute("insert into RACHUNKI_BANKOWE (id_firmy, symbol, nazwa) values (?, 'RB-EUR', 'Obcy')", {other});
    const int64_t asset = db().insertReturningId(
        "insert into SRODKI_TRWALE (id_firmy, nr_inwentarzowy, nazwa) values (?, 'ST/001', 'Wózek widłowy') returning id_srodka", {firm});
    db().execute("insert into SRODKI_TRWALE (id_firmy, nr_inwentarzowy, nazwa) values (?, 'WY/001', 'Wyposażenie')", {firm});
    const int64_t tasks = registerOf(firm, "ZAD"), others = registerOf(firm, "INNE");
    const int64_t z1 = value(tasks, "Z1", "Remont dachu"), z2 = value(tasks, "Z2", "Boisko");
    value(tasks, "Y1", "Inne zadanie");
    value(others, "Z9", "Z innego rejestru");
    registerOf(other, "ZAD");

    struct Case { QChar kind; QString reg; QString filter; int64_t id; QString symbol; QString name; };
    const Case cases[] = {{'P', {}, "P", employee, "P01", "Kowalska Anna"},
                          {'U', {}, "", office, "US-1", "Urząd Skarbowy"},
                          {'R', {}, "RB*", bank, "RB-PLN", "Rachunek bieżący"},
                          {'S', {}, "ST/", asset, "ST/001", "Wózek widłowy"},
                          {'X', "ZAD", "Z*", z1, "Z1", "Remont dachu"}};
    for (const Case& c : cases) {
        auto list = cardList(context(), c.kind, c.reg, c.filter);
        ASSERT_TRUE(list) << c.kind.toLatin1();
        ASSERT_TRUE(list->choose());
        const CardChoice chosen = finishCardPick(*list, c.kind);
        EXPECT_EQ(chosen.id, c.id) << c.kind.toLatin1();
        EXPECT_EQ(chosen.symbol, c.symbol);
        EXPECT_EQ(chosen.name, c.name);
    }
    EXPECT_EQ(offered('R', ""), (std::vector<int64_t>{db().scalarInt("select id_rachunku from RACHUNKI_BANKOWE where symbol='KASA'").value(), bank}));
    EXPECT_EQ(offered('X', "Z", "ZAD"), (std::vector<int64_t>{z1, z2})) << "only the named register's values of the company";
    EXPECT_EQ(offered('X', "", "BRAK"), std::vector<int64_t>{});
    EXPECT_EQ(cardList(context(), 'X', "BRAK", ""), nullptr) << "a register the company does not have";
    EXPECT_EQ(cardList(context(), 'Q', {}, ""), nullptr);
    EXPECT_EQ(cardPickers().pickCard(context(), 'Q', {}, {}, "0", "2").id, 0) << "an unknown kind answers no choice";
}
