// The amounts of an opening-balance line, with the turnovers they feed.
#include "platform/db/LineCopies.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceArgs.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"

namespace ksiega::server {

namespace {

// The one account of an opening-balance line (on one side or both), or a refusal.
QString accountOfLine(db::Database& db, int64_t idPozDok, int64_t idNagDok, int64_t idFirmy, int64_t idLataObrot) {
    db::Rows r = db.select(QStringLiteral("select konto_wn, konto_ma from POZ_DOK where id_poz_dok=? and id_nag_dok=? and id_firmy=? "
                                          "and id_lata_obrot=?"),
                           {idPozDok, idNagDok, idFirmy, idLataObrot});
    if (!r.next())
        throw db::DbError(QStringLiteral("Pozycja %1 nie należy do dokumentu bilansu otwarcia %2.").arg(idPozDok).arg(idNagDok));
    const QString dt = r.text(0), ct = r.text(1);
    if (!dt.isEmpty() && !ct.isEmpty() && dt != ct)
        throw db::DbError(QStringLiteral("Pozycja %1 dotyczy dwóch kont: %2 i %3.").arg(idPozDok).arg(dt, ct));
    const QString account = dt.isEmpty() ? ct : dt;
    if (account.isEmpty()) throw db::DbError(QStringLiteral("Pozycja %1 nie ma konta.").arg(idPozDok));
    return account;
}

// The currency of the line is its document's; a caller naming another one is refused.
void checkCurrency(db::Database& db, int64_t idNagDok, const QString& walutaWn, const QString& walutaMa) {
    const QString document = CurrencyCode::of(db.scalarText(QStringLiteral("select waluta from NAG_DOK where id_nag_dok=?"), {idNagDok})
                                                  .value_or(QString()))
                                 .symbol();
    for (const QString& given : {walutaWn, walutaMa})
        if (!given.trimmed().isEmpty() && CurrencyCode::of(given).symbol() != document)
            throw db::DbError(QStringLiteral("Waluta %1 nie jest walutą dokumentu bilansu otwarcia (%2).").arg(given.trimmed(), document));
}

} // namespace

void POZYCJE_BO_AKTUALIZUJ(db::Database& db, int64_t idNagDok, int dataBo, int64_t idFirmy, int64_t idLataObrot, int64_t idPozDok,
                           int flag, const QString& walutaWn, const QString& walutaMa, const LineAmounts& amounts,
                           int64_t userNumber, bool refreshTurnovers) {
    (void)dataBo;       // the line repeats its document's period date
    (void)flag;         // a card line's removal writes what the entry window writes
    (void)userNumber;
    db::Transaction tx(db);
    // The year first, as every writer of the opening balance takes it: the approval is
    // read under it and the turnovers of the year are recomputed one writer at a time.
    if (db.execute(QStringLiteral("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_firmy=? and id_lata_obrot=?"),
                   {idFirmy, idLataObrot}) == 0)
        throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    if (db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_lata_obrot=?"), {idLataObrot}).value_or(0) == 1)
        throw db::DbError(QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone."));
    const QString account = accountOfLine(db, idPozDok, idNagDok, idFirmy, idLataObrot);
    checkCurrency(db, idNagDok, walutaWn, walutaMa);

    std::optional<TurnoverChange> turnovers;
    if (refreshTurnovers) {
        turnovers.emplace(db, idFirmy, idLataObrot);
        turnovers->leavingLines({idPozDok});
    }
    const bool dt = !amounts.kwotaWn.isZero() || !amounts.kwotaWnW.isZero();
    const bool ct = !amounts.kwotaMa.isZero() || !amounts.kwotaMaW.isZero();
    db.execute(QStringLiteral("update POZ_DOK set konto_wn=?, konto_ma=?, kwota_wn=?, kwota_wn_w=?, kwota_ma=?, kwota_ma_w=?, "
                              "waluta=(select n.waluta from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok), "
                              "nr_ewid_dok=(select n.nr_ewid_dok from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok), "
                              "data_okresu=(select n.data_okresu from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok), "
                              "status=(select n.status from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok), "
                              "czy_rk=(select n.czy_rk from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok) "
                              "where id_poz_dok=?"),
               {dt || !ct ? account : QString(), ct ? account : QString(), amounts.kwotaWn, amounts.kwotaWnW, amounts.kwotaMa,
                amounts.kwotaMaW, idPozDok});

    // What divides an amount that is no longer there goes with it.
    db::refreshLineCopiesOfLine(db, idPozDok);
    if (amounts.isZero()) db.execute(QStringLiteral("delete from POZ_DOK_CZASTKOWE where id_poz_dok=?"), {idPozDok});
    if (!dt) db.execute(QStringLiteral("delete from MPK_DANE where id_poz_dok=? and strona='WN'"), {idPozDok});
    if (!ct) db.execute(QStringLiteral("delete from MPK_DANE where id_poz_dok=? and strona='MA'"), {idPozDok});
    db.execute(QStringLiteral("update MPK_DANE set konto=? where id_poz_dok=? and konto<>?"), {account, idPozDok, account});

    if (turnovers) {
        turnovers->arrivingLines({idPozDok});
        turnovers->apply();
    }
    tx.commit();
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_AKTUALIZUJ"), [](db::Database& db, const db::Params& args) {
    const LineAmounts amounts{amountArg(args, 8), amountArg(args, 9), amountArg(args, 10), amountArg(args, 11)};
    POZYCJE_BO_AKTUALIZUJ(db, intArg(args, 0), int(intArg(args, 1)), intArg(args, 2), intArg(args, 3), intArg(args, 4),
                          int(intArg(args, 5)), textArg(args, 6), textArg(args, 7), amounts, intArg(args, 12));
    return ResultSet{};
});

} // namespace ksiega::server
