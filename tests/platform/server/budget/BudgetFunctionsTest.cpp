// The budget server functions: names valid on a date, the plan after changes of a symbol
// and of its subtree, global parameters and the address in force, each kept to its company.
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/Date.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using ksiega::test::zl;

class BudgetFunctionsTest : public test::DbTest {
protected:
    void name(int64_t company, const QString& symbol, int level, const QString& nazwa, int from, int to = 0, const QString& typ = {}) {
        db().execute("insert into KLASYFIKACJA_BUDZETOWA (id_firmy, symbol, typ, poziom, nazwa, data_od, data_do) values (?,?,?,?,?,?,?)",
                     {company, symbol, typ, level, nazwa, from, to});
    }
    void plan(int64_t company, int64_t year, const QString& symbol, int date, const char* amount, QChar side = 'W') {
        db().execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, rodzaj_zmiany, kwota) "
                     "values (?,?,?,?,?,?,?)",
                     {company, year, symbol, QString(side), date, 0, zl(amount).minor()});
    }
    int64_t secondCompany() {
        db().execute("insert into FIRMA (nazwa) values ('Druga')");
        return *db().scalarInt("select max(id_firmy) from FIRMA");
    }
};
KSIEGA_ON_BOTH_ENGINES(BudgetFunctionsTest);

TEST_P(BudgetFunctionsTest, namesEachLevelAsValidOnTheDateAndFallsBackToTheParagrafForAnalytics) {
    test::LedgerFixture f(db());
    const int jan = date::fromYmd(2026, 1, 1), jun = date::fromYmd(2026, 6, 1), may31 = date::fromYmd(2026, 5, 31);
    name(f.company, "801", 1, "Oświata i wychowanie", 0);
    name(f.company, "801-80101", 2, "Szkoły podstawowe", 0, may31);
    name(f.company, "801-80101", 2, "Szkoły podstawowe i filie", jun);
    name(f.company, "801-80101-4010", 3, "Wynagrodzenia osobowe", 0);
    name(f.company, "801-80101-0830", 3, "Wpływy z usług", 0, 0, "D");
    const int64_t other = secondCompany();
    name(other, "801-80101-4010", 3, "Cudza nazwa", 0);

    auto info = [&](const QString& symbol, int date, int mode, const QString& side = "W") {
        return server::TG_Klasyfikacja_Info(db(), f.company, symbol, date, "-", side, mode);
    };
    EXPECT_EQ(info("801-80101-4010", jan, 0), "Oświata i wychowanie");
    EXPECT_EQ(info("801-80101-4010", jan, 1), "Szkoły podstawowe");
    EXPECT_EQ(info("801-80101-4010", jun, 1), "Szkoły podstawowe i filie") << "the name renamed during the year";
    EXPECT_EQ(info("801-80101-4010", jan, 4), "Wynagrodzenia osobowe");
    EXPECT_EQ(info("801-80101-4010-01", jan, 4), "Wynagrodzenia osobowe") << "an analytic symbol without a name of its own";
    EXPECT_EQ(info("801-80101-", jan, 3), "Szkoły podstawowe");
    EXPECT_EQ(info("801-80101-0830", jan, 4), "") << "a revenue name is not an expenditure name";
    EXPECT_EQ(info("801-80101-0830", jan, 4, "D"), "Wpływy z usług");
    EXPECT_EQ(info("851", jan, 0), "");

    // By name, as the reports send it.
    db::PassThrough pt(db());
    EXPECT_EQ(pt.FUNCVAY(QStringLiteral("select dbo.TG_Klasyfikacja_Info(%1,'801-80101-4010',%2,'-','W',1)").arg(f.company).arg(jun)),
              QString("Szkoły podstawowe i filie"));
}

TEST_P(BudgetFunctionsTest, planAfterChangesOfASymbolAndOfItsSubtreeUpToTheEndDate) {
    test::LedgerFixture f(db());
    const int jan = date::fromYmd(2026, 1, 2), mar = date::fromYmd(2026, 3, 15), sep = date::fromYmd(2026, 9, 1);
    plan(f.company, f.year2026, "801-80101-4010", jan, "1000.00");
    plan(f.company, f.year2026, "801-80101-4010", mar, "-150.50");
    plan(f.company, f.year2026, "801-80101-4010-01", jan, "200.00");
    plan(f.company, f.year2026, "801-80101-4010", sep, "99.00");
    plan(f.company, f.year2026, "801-80101-40100", jan, "7.00");  // a longer paragraf is not below 4010
    plan(f.company, f.year2026, "801-80101-4010", jan, "5.00", 'D');
    const int64_t other = secondCompany();
    plan(other, f.year2026, "801-80101-4010", jan, "333.00");
    // The year before: its plan is not in force in 2026.
    db().execute("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2025', ?, ?)",
                 {f.company, date::fromYmd(2025, 1, 1), date::fromYmd(2025, 12, 31)});
    const int64_t year2025 = *db().scalarInt("select max(id_lata_obrot) from LATA_OBROTOWE");
    plan(f.company, year2025, "801-80101-4010", date::fromYmd(2025, 1, 2), "5000.00");

    const int from = date::fromYmd(2026, 1, 1), june = date::fromYmd(2026, 6, 30);
    EXPECT_EQ(server::TG_BT_Plan(db(), f.company, from, june, "801-80101-4010", "W", 2), zl("849.50"));
    EXPECT_EQ(server::TG_BT_Plan(db(), f.company, from, from, "801-80101-4010", "W", 2), zl("0.00"));
    EXPECT_EQ(server::TG_BT_Plan_Sub(db(), f.company, from, june, "801-80101-4010", "W", 2), zl("1049.50"));
    EXPECT_EQ(server::TG_BT_Plan_Sub(db(), f.company, from, june, "801-80101", "W", 2), zl("1056.50"));
    EXPECT_EQ(server::TG_BT_Plan_Sub(db(), f.company, from, june, "801-80101-4010", "D", 2), zl("5.00"));
    EXPECT_EQ(server::TG_BT_Plan_Sub(db(), f.company, from, june, "801-80101-4010", "W", 1), zl("0.00")) << "mode 2 only";

    db::PassThrough pt(db());
    EXPECT_EQ(pt.FUNCVAY(QStringLiteral("select dbo.TG_BT_Plan_Sub(%1,%2,%3,'801-80101-4010','W',2)").arg(f.company).arg(from).arg(june)),
              QString::number(zl("1049.50").minor()));
}

TEST_P(BudgetFunctionsTest, globalParametersAndTheAddressInForceBelongToTheirCompany) {
    test::LedgerFixture f(db());
    const int64_t other = secondCompany();
    db().execute("insert into PARAMETRY_GLOBALNE (id_firmy, nazwa_parametru, wartosc) values (?, 'BeKodW', '14'), (?, 'BeKodW', '32')",
                 {f.company, other});
    EXPECT_EQ(server::fn_fk_PobierzParamGlo(db(), f.company, "BeKodW"), "14");
    EXPECT_EQ(server::fn_fk_PobierzParamGlo(db(), other, "BeKodW"), "32");
    EXPECT_EQ(server::fn_fk_PobierzParamGlo(db(), f.company, "BeKodP"), "");

    const int moved = date::fromYmd(2026, 7, 1);
    db().execute("insert into ADRESY_FIRMY (id_firmy, ulica, nr_domu, kod_pocztowy, miejscowosc, typ_adresu, data_od) values "
                 "(?, 'Szkolna', '1', '00-001', 'Warszawa', 'S', 0), (?, 'Nowa', '2a', '30-002', 'Kraków', 'S', ?)",
                 {f.company, f.company, moved});
    EXPECT_EQ(server::tg_AdresFirmy(db(), f.company, moved - 1, "S", 1), "Szkolna 1");
    EXPECT_EQ(server::tg_AdresFirmy(db(), f.company, moved, "S", 1), "Nowa 2a");
    EXPECT_EQ(server::tg_AdresFirmy(db(), f.company, moved, "S", 2), "30-002 Kraków");
    EXPECT_EQ(server::tg_AdresFirmy(db(), other, moved, "S", 1), "");
}
