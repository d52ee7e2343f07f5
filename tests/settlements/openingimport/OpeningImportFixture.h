#pragma once
// The ledger of the window tests with settlements in the opening balance of 2026 (on two
// accounts, both sides, one partly cleared) and an ordinary settlement of a March document
// on the same account, which the window must never list nor remove.
#include "support/WindowFixture.h"
#include "support/ScriptedWindowServices.h"

namespace ksiega::test {

class OpeningImportTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        const int64_t l1 = f().openingBalanceLine(f().year2026, "201-01-001", "", zl("300.00"));
        boAlfa = f().openSettlement(l1, "WN", "FV/BO/1");
        const int64_t l2 = f().openingBalanceLine(f().year2026, "", "201-01-002", zl("120.50"));
        boBeta = f().openSettlement(l2, "MA", "FK/BO/2");
        const int64_t l3 = f().openingBalanceLine(f().year2026, "234-01", "", zl("80.00"));
        boZaliczka = f().openSettlement(l3, "WN", "ZAL/BO/3");
        const int64_t march = f().postIn2026(3, "201-01-001", "700-01", zl("500.00"));
        ordinary = f().openSettlement(march, "WN", "FV/03/1");
        const int64_t pay = f().postIn2026(4, "130-01", "201-01-001", zl("50.00"));
        f().settle(ordinary, pay, zl("50.00"));
        recompute();
    }

    int64_t scalar(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(-1); }
    // Plain sums over the settlements of the opening balance whose account begins with
    // the prefix: amount (signed by correction) and what is left after the clearings.
    int64_t amountSum(const QString& prefix, const QString& side) {
        return scalar("select coalesce(sum(case when czy_korekta=1 then -kwota else kwota end),0) from ROZRACHUNEK "
                      "where id_firmy=? and id_lata_obrot=? and czy_bo=1 and nr_konta like ? and strona=?",
                      {f().company, f().year2026, prefix + "%", side});
    }
    int64_t leftSum(const QString& prefix, const QString& side) {
        return scalar("select coalesce(sum((case when r.czy_korekta=1 then -1 else 1 end) * (r.kwota - coalesce((select "
                      "sum(z.kwota) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku),0))),0) from ROZRACHUNEK r "
                      "where r.id_firmy=? and r.id_lata_obrot=? and r.czy_bo=1 and r.nr_konta like ? and r.strona=?",
                      {f().company, f().year2026, prefix + "%", side});
    }
    int64_t openingCount() {
        return scalar("select count(*) from ROZRACHUNEK where id_firmy=? and id_lata_obrot=? and czy_bo=1",
                      {f().company, f().year2026});
    }
    bool exists(int64_t id) { return scalar("select count(*) from ROZRACHUNEK where id_rozrachunku=?", {id}) == 1; }

    ScriptedWindowServices services;
    int64_t boAlfa = 0, boBeta = 0, boZaliczka = 0, ordinary = 0;
};

} // namespace ksiega::test
