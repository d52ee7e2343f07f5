// The refusals shared by the closing and the removal, and the removal of the next year's
// opening balance.
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include "platform/server/YearClosing.h"
#include "platform/server/closing/ClosingGuard.h"
#include "platform/server/closing/ClosingSteps.h"

namespace ksiega::server {

namespace closing {

FiscalYear lockYears(db::Database& db, const FiscalYear& closingYear, const QString& login) {
    (void)login;
    const std::optional<FiscalYear> next = nextFiscalYear(db, closingYear.idFirmy, closingYear.idLataObrot);
    if (!next)
        throw ClosingRefused(ClosingRefused::Reason::NoNextYear,
                             QStringLiteral("Nie można wykonać tej operacji.|Następny rok obrotowy nie jest zdefiniowany."));
    for (int64_t id : {closingYear.idLataObrot, next->idLataObrot})
        db.execute(QStringLiteral("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_lata_obrot=?"), {id});
    // Read again under the lock: an approval made since the window opened counts.
    if (db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_lata_obrot=?"), {next->idLataObrot}).value_or(0) == 1)
        throw ClosingRefused(ClosingRefused::Reason::NextYearApproved,
                             QStringLiteral("Nie można wykonać tej operacji.|Bilans otwarcia w następnym roku obrotowym jest zatwierdzony."));
    return *loadFiscalYear(db, next->idFirmy, next->idLataObrot);
}

void refuseLinesOfOthers(db::Database& db, const FiscalYear& nextYear, const QString& login) {
    db::Rows r = db.select(QStringLiteral("select p.konto_wn, p.konto_ma, b.id_uzyt from BLOKADY_POZYCJI b "
                                          "join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                          "where p.id_firmy=? and p.id_lata_obrot=? and p.czy_rk=10 and trim(b.id_uzyt)<>? "
                                          "order by p.id_poz_dok limit 1"),
                           {nextYear.idFirmy, nextYear.idLataObrot, login.trimmed()});
    if (!r.next()) return;
    const QString account = r.text(0).isEmpty() ? r.text(1) : r.text(0);
    throw ClosingRefused(ClosingRefused::Reason::LineLockedByOther,
                         QStringLiteral("Pozycja bilansu otwarcia konta %1 w następnym roku obrotowym jest zablokowana przez "
                                        "użytkownika %2.")
                             .arg(account, r.text(2).trimmed()));
}

} // namespace closing

FiscalYear removeNextYearOpeningBalance(db::Database& db, int64_t idFirmy, int64_t idLataObrot, bool dryRun) {
    db::Transaction tx(db);
    const std::optional<FiscalYear> closingYear = loadFiscalYear(db, idFirmy, idLataObrot);
    if (!closingYear) throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    const FiscalYear next = closing::lockYears(db, *closingYear, QString());
    closing::refuseLinesOfOthers(db, next, QString());

    // The settlements of the removed lines: those of the warehouse system and those with
    // clearings stay, detached; the rest go with their lines.
    closing::prepareWorkTables(db);
    db.execute(QStringLiteral("insert into tmp_zr_old (id) select r.id_rozrachunku from ROZRACHUNEK r where r.id_poz_dok_f in "
                              "(select p.id_poz_dok from POZ_DOK p where p.id_firmy=? and p.id_lata_obrot=? and p.czy_rk=10)"),
               {idFirmy, next.idLataObrot});
    closing::dropOrDetachOldSettlements(db, 0, QString());
    db.execute(QStringLiteral("delete from BLOKADY_POZYCJI where id_poz_dok in (select p.id_poz_dok from POZ_DOK p where p.id_firmy=? "
                              "and p.id_lata_obrot=? and p.czy_rk=10)"),
               {idFirmy, next.idLataObrot});
    TurnoverChange turnovers(db, idFirmy, next.idLataObrot);
    turnovers.leavingOpeningBalance();
    db.execute(QStringLiteral("delete from NAG_DOK where id_lata_obrot=? and czy_rk=10"), {next.idLataObrot});
    turnovers.apply();
    if (!dryRun) tx.commit();
    return next;
}

} // namespace ksiega::server
