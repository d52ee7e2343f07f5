#include "closing/PlanChanges.h"
#include "closing/ClosingTexts.h"
#include "platform/siblings/settlements/SettlementsWindow.h"

namespace ksiega::closing {

std::vector<PlanChangeRow> loadPlanChanges(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t user) {
    std::vector<PlanChangeRow> out;
    db::Rows rows = db.select(
        QStringLiteral("select z.id_zmiana_planu_kont, z.z_konta, z.na_konto, z.uwagi, "
                       "(select count(*) from ZMIANA_PLANU_KONT_ROZRACHUNKI r "
                       "  where r.id_zmiana_planu_kont = z.id_zmiana_planu_kont and r.id_uzytkownika = ?) "
                       "from ZMIANA_PLANU_KONT z where z.id_firmy = ? and z.id_lata_obrot = ? "
                       "order by z.z_konta, z.id_zmiana_planu_kont limit ?"),
        {user, idFirmy, idLataObrot, int64_t(kPlanChangeRowsShown)});
    while (rows.next()) {
        PlanChangeRow r;
        r.id = rows.int64(0);
        r.fromAccount = rows.text(1).trimmed();
        r.toAccount = rows.text(2).trimmed();
        r.attached = rows.int64(4);
        r.remark = (r.attached > 0 ? texts::MARKED_SETTLEMENTS + QString::number(r.attached) : rows.text(3)).left(100);
        out.push_back(std::move(r));
    }
    return out;
}

QString settlementPrefixOf(const QString& fromAccount) {
    const QString account = fromAccount.trimmed();
    return account.left(qMax(0, int(account.size()) - 1));
}

int64_t attachMarkedSettlements(db::Database& db, int64_t user, int64_t idZmianaPlanuKont) {
    db::Transaction tx(db);
    db.execute(QStringLiteral("delete from ZMIANA_PLANU_KONT_ROZRACHUNKI where id_uzytkownika=? and id_zmiana_planu_kont=?"),
               {user, idZmianaPlanuKont});
    db.execute(QStringLiteral("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) "
                              "select distinct cast(? as bigint), cast(? as bigint), z.id_elementu from ZAZNACZENIE z "
                              "join ROZRACHUNEK r on r.id_rozrachunku = z.id_elementu "
                              "where z.id_uzytkownika=? and z.id_browsera=?"),
               {user, idZmianaPlanuKont, user, settlements::kSettlementBrowser});
    const int64_t count = db.scalarInt(QStringLiteral("select count(*) from ZMIANA_PLANU_KONT_ROZRACHUNKI "
                                                      "where id_uzytkownika=? and id_zmiana_planu_kont=?"),
                                       {user, idZmianaPlanuKont})
                              .value_or(0);
    tx.commit();
    return count;
}

} // namespace ksiega::closing
