#include "budget/reports/BudgetHeading.h"
#include "platform/server/budget/BudgetFunctions.h"

namespace ksiega::budget {

BudgetHeading readBudgetHeading(db::Database& db, const BudgetScope& scope) {
    BudgetHeading h;
    db::Rows firm = db.select(QStringLiteral("select nazwa_pelna, nazwa, regon from FIRMA where id_firmy=?"), {scope.company});
    if (firm.next()) {
        h.name = firm.text(0).trimmed().isEmpty() ? firm.text(1) : firm.text(0);
        h.regon = firm.text(2);
    }
    h.address1 = server::tg_AdresFirmy(db, scope.company, scope.printDate, QStringLiteral("S"), 1);
    h.address2 = server::tg_AdresFirmy(db, scope.company, scope.printDate, QStringLiteral("S"), 2);
    h.yearName = db.scalarText(QStringLiteral("select rok_obrotowy from LATA_OBROTOWE where id_lata_obrot=? and id_firmy=?"),
                               {scope.year, scope.company})
                     .value_or(QString());
    // The address in force on the print date: the latest one not after it.
    db::Rows a = db.select(QStringLiteral("select fk_rio, fk_kod_gus_1, fk_kod_gus_2, fk_kod_gus_3, fk_kod_gus_4 from ADRESY_FIRMY "
                                          "where id_firmy=? and data_od<=? and typ_adresu='S' order by data_od desc, id_adresu desc"),
                           {scope.company, scope.printDate});
    if (a.next()) {
        h.rio = QStringLiteral("w ") + a.text(0);
        h.wojewodztwo = a.text(1);
        h.powiat = a.text(2);
        h.gmina = (a.text(3) + ' ' + a.text(4)).trimmed();
    }
    return h;
}

} // namespace ksiega::budget
