#pragma once
// The test ledger with cost-centre splits of 2026 on both sides, indicator sets whose ids
// are parts of each other's digits, a split of another company that no list may show, and
// the figures read back with plain SQL over MPK_DANE.
#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"

namespace ksiega::test {

class CostCentreTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        admin = f().costCentre(1, "ADM");
        sales = f().costCentre(1, "SPR");
        car = f().costCentre(2, "AUTO");
        const int64_t d1 = f().addDocument({f().year2026, f().month2026(3), 2, 0, "PK/3/1", ""});
        lineMarch = f().post(d1, "401-01", "201-01-001", zl("300.00"));
        dtSplits = f().splitCostCentres(lineMarch, "WN", {{zl("100.00"), {admin, car}}, {zl("200.00"), {sales}}});
        ctSplits = f().splitCostCentres(lineMarch, "MA", {{zl("300.00"), {sales}}});
        const int64_t d2 = f().addDocument({f().year2026, f().month2026(5), 2, 0, "PK/5/1", ""});
        lineMay = f().post(d2, "402", "130-01", zl("45.67"));
        maySplits = f().splitCostCentres(lineMay, "WN", {{zl("45.67"), {admin}}});
        // Another company's split over one of our lines: never listed, never summed.
        db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota) "
                     "values (?, ?, ?, 'WN', '401-01', 99999)",
                     {lineMarch, f().company + 1000, f().year2026});
    }

    // Sum of a side (or both, "") over the company's splits under a plain SQL condition.
    Money sqlSum(const QString& strona, const QString& where = "1=1") {
        QString sql = "select coalesce(sum(m.kwota),0) from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                      "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where m.id_firmy=? AND " + where;
        if (!strona.isEmpty()) sql += " AND m.strona='" + strona + "'";
        return Money::fromMinor(*db().scalarInt(sql, {f().company}));
    }
    int64_t sqlCount(const QString& where = "1=1") {
        return *db().scalarInt("select count(*) from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                               "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where m.id_firmy=? AND " + where,
                               {f().company});
    }

    ScriptedWindowServices services;
    int64_t admin = 0, sales = 0, car = 0, lineMarch = 0, lineMay = 0;
    std::vector<int64_t> dtSplits, ctSplits, maySplits;
};

} // namespace ksiega::test
