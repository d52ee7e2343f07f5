// The account's line of an opening-balance document and its claim in BLOKADY_POZYCJI.
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include <QDate>
#include <map>

namespace ksiega::server {

namespace {

// Logins are stored as the session keeps them, without padding.
QString loginKey(const QString& login) { return login.trimmed(); }

struct DocumentHeader {
    int64_t idLataObrot = 0;
};

struct AccountLine {
    int64_t id = 0;
    QString kontoWn, kontoMa;
    Money wn, wnW, ma, maW;
    // Only this account stands on the line (on one side, or on both).
    bool carriesOnly(const QString& konto) const {
        return (kontoWn == konto || kontoWn.isEmpty()) && (kontoMa == konto || kontoMa.isEmpty());
    }
};

// Takes the document for the rest of the transaction, so that two sessions looking for
// the same account's line do one after the other. nullopt when the company has no such
// opening-balance document.
std::optional<DocumentHeader> lockDocument(db::Database& db, int64_t idFirmy, int64_t idNagDok) {
    if (db.execute(QStringLiteral("update NAG_DOK set status=status where id_nag_dok=? and id_firmy=? and czy_rk=10"),
                   {idNagDok, idFirmy}) == 0)
        return std::nullopt;
    db::Rows r = db.select(QStringLiteral("select id_lata_obrot from NAG_DOK where id_nag_dok=?"), {idNagDok});
    if (!r.next()) return std::nullopt;
    return DocumentHeader{r.int64(0)};
}

// The lines of the document on which the account stands on either side, oldest first;
// each side is read through its account index.
std::vector<AccountLine> linesOfAccount(db::Database& db, const DocumentHeader& doc, int64_t idNagDok, const QString& konto) {
    db::Rows r = db.select(QStringLiteral("select id_poz_dok, konto_wn, konto_ma, kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w from POZ_DOK "
                                          "where id_lata_obrot=? and konto_wn=? and id_nag_dok=? "
                                          "union "
                                          "select id_poz_dok, konto_wn, konto_ma, kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w from POZ_DOK "
                                          "where id_lata_obrot=? and konto_ma=? and id_nag_dok=? order by 1"),
                           {doc.idLataObrot, konto, idNagDok, doc.idLataObrot, konto, idNagDok});
    std::vector<AccountLine> lines;
    while (r.next())
        lines.push_back({r.int64(0), r.text(1), r.text(2), r.money(3), r.money(4), r.money(5), r.money(6)});
    return lines;
}

std::map<int64_t, QString> claimsOf(db::Database& db, const std::vector<AccountLine>& lines) {
    std::map<int64_t, QString> claims;
    for (const AccountLine& line : lines) {
        db::Rows r = db.select(QStringLiteral("select id_uzyt from BLOKADY_POZYCJI where id_poz_dok=?"), {line.id});
        if (r.next()) claims[line.id] = loginKey(r.text(0));
    }
    return claims;
}

// A new line of the account in the document, repeating the header's fields.
int64_t insertLine(db::Database& db, int64_t idNagDok, const QString& konto) {
    return db.insertReturningId(
        QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, waluta, nr_ewid_dok, data_okresu, "
                       "status, czy_rk) "
                       "select n.id_nag_dok, n.id_firmy, n.id_lata_obrot, "
                       "coalesce((select max(p.lp) from POZ_DOK p where p.id_nag_dok=n.id_nag_dok), 0) + 1, ?, n.waluta, "
                       "n.nr_ewid_dok, n.data_okresu, n.status, n.czy_rk from NAG_DOK n where n.id_nag_dok=? "
                       "returning id_poz_dok"),
        {konto, idNagDok});
}

// Rows numbered per line (lp) follow the kept line's own rows, in their order.
void moveNumberedRows(db::Database& db, const QString& table, int64_t from, int64_t to) {
    db.execute(QStringLiteral("update %1 set lp = lp + coalesce((select max(k.lp) from %1 k where k.id_poz_dok=?), 0) "
                              "- coalesce((select min(f.lp) from %1 f where f.id_poz_dok=?), 0) + 1, id_poz_dok=? "
                              "where id_poz_dok=?")
                   .arg(table),
               {to, from, to, from});
}

// Everything that hangs on a line of this account alone moves to the kept line, and the
// line goes.
void absorbWholeLine(db::Database& db, int64_t from, int64_t to) {
    db.execute(QStringLiteral("update POZ_DOK_CZASTKOWE set id_poz_dok=? where id_poz_dok=?"), {to, from});
    db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=? where id_poz_dok_f=?"), {to, from});
    db.execute(QStringLiteral("update ROZLICZENIE set id_poz_dok=? where id_poz_dok=?"), {to, from});
    db.execute(QStringLiteral("update MPK_DANE set id_poz_dok=? where id_poz_dok=?"), {to, from});
    moveNumberedRows(db, QStringLiteral("SLOW_DANE"), from, to);
    moveNumberedRows(db, QStringLiteral("BT_DANE"), from, to);
    db.execute(QStringLiteral("delete from BLOKADY_POZYCJI where id_poz_dok=?"), {from});
    db.execute(QStringLiteral("delete from POZ_DOK where id_poz_dok=?"), {from});
}

// A line that carries another account on its other side keeps that side with whatever
// describes the whole line (partial entries, dictionary values, budget lines); the
// account's side, its settlements and its cost-centre split move to the kept line.
void absorbSide(db::Database& db, const AccountLine& line, const QString& konto, int64_t to) {
    db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=? where id_poz_dok_f=? and nr_konta=?"), {to, line.id, konto});
    for (const QString& side : {QStringLiteral("wn"), QStringLiteral("ma")}) {
        if ((side == QLatin1String("wn") ? line.kontoWn : line.kontoMa) != konto) continue;
        db.execute(QStringLiteral("update MPK_DANE set id_poz_dok=? where id_poz_dok=? and strona=?"), {to, line.id, side.toUpper()});
        db.execute(QStringLiteral("update POZ_DOK set konto_%1='', kwota_%1=0, kwota_%1_w=0 where id_poz_dok=?").arg(side), {line.id});
    }
}

// The kept line takes the sums: the account on each side with an amount (on Dt when
// there is none), and the header's fields.
void writeMergedLine(db::Database& db, int64_t id, int64_t idNagDok, const QString& konto, const AccountLine& sums) {
    const bool dt = !sums.wn.isZero() || !sums.wnW.isZero();
    const bool ct = !sums.ma.isZero() || !sums.maW.isZero();
    db.execute(QStringLiteral("update POZ_DOK set konto_wn=?, konto_ma=?, kwota_wn=?, kwota_wn_w=?, kwota_ma=?, kwota_ma_w=?, "
                              "waluta=(select n.waluta from NAG_DOK n where n.id_nag_dok=?), "
                              "nr_ewid_dok=(select n.nr_ewid_dok from NAG_DOK n where n.id_nag_dok=?), "
                              "data_okresu=(select n.data_okresu from NAG_DOK n where n.id_nag_dok=?), "
                              "status=(select n.status from NAG_DOK n where n.id_nag_dok=?), czy_rk=10 where id_poz_dok=?"),
               {dt || !ct ? konto : QString(), ct ? konto : QString(), sums.wn, sums.wnW, sums.ma, sums.maW, idNagDok, idNagDok,
                idNagDok, idNagDok, id});
    db.execute(QStringLiteral("update MPK_DANE set konto=? where id_poz_dok=?"), {konto, id});
}

// Merges the account's lines into one and returns its id.
int64_t mergeIntoOneLine(db::Database& db, int64_t idNagDok, const QString& konto, const std::vector<AccountLine>& lines,
                         const std::map<int64_t, QString>& claims) {
    const AccountLine* kept = nullptr;
    for (const AccountLine& line : lines)
        if (line.carriesOnly(konto) && (!kept || (claims.count(line.id) && !claims.count(kept->id)))) kept = &line;
    if (kept && lines.size() == 1) return kept->id;

    AccountLine sums;
    for (const AccountLine& line : lines) {
        if (line.kontoWn == konto) { sums.wn += line.wn; sums.wnW += line.wnW; }
        if (line.kontoMa == konto) { sums.ma += line.ma; sums.maW += line.maW; }
    }
    const int64_t keptId = kept ? kept->id : insertLine(db, idNagDok, konto);
    for (const AccountLine& line : lines) {
        if (line.id == keptId) continue;
        if (line.carriesOnly(konto)) absorbWholeLine(db, line.id, keptId);
        else absorbSide(db, line, konto, keptId);
    }
    writeMergedLine(db, keptId, idNagDok, konto, sums);
    return keptId;
}

} // namespace

LineClaim POZYCJE_BO_DODAJ(db::Database& db, int64_t idFirmy, int64_t idNagDok, const QString& konto, const QString& login,
                           int64_t userNumber) {
    (void)userNumber;   // the claim is the login's
    const QString account = konto.trimmed();
    const QString who = loginKey(login);
    LineClaim result;
    if (account.isEmpty() || who.isEmpty()) return result;
    db::Transaction tx(db);
    const std::optional<DocumentHeader> doc = lockDocument(db, idFirmy, idNagDok);
    if (!doc) return result;

    const std::vector<AccountLine> lines = linesOfAccount(db, *doc, idNagDok, account);
    const std::map<int64_t, QString> claims = claimsOf(db, lines);
    // A line of the account that another user holds keeps all of them as they are.
    for (const auto& [id, holder] : claims)
        if (holder != who) return {LineClaimStatus::LockedByOther, id, holder};

    const int64_t id = lines.empty() ? insertLine(db, idNagDok, account) : mergeIntoOneLine(db, idNagDok, account, lines, claims);
    db::refreshLineCopiesOfLine(db, id);
    for (const AccountLine& line : lines) db::refreshLineCopiesOfLine(db, line.id);
    if (lines.empty()) {
        // A new line is a turnover of its account even before it has an amount: the
        // turnovers follow it, with the year taken as every writer of the opening balance
        // takes it.
        db.execute(QStringLiteral("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_firmy=? and id_lata_obrot=?"),
                   {idFirmy, doc->idLataObrot});
        TurnoverChange turnovers(db, idFirmy, doc->idLataObrot);
        turnovers.arrivingLines({id});
        turnovers.apply();
    }

    // The insert decides: it creates the claim or meets the row of whoever holds it.
    db.execute(QStringLiteral("insert into BLOKADY_POZYCJI (id_poz_dok, id_uzyt, data_blokady) values (?, ?, ?) "
                              "on conflict (id_poz_dok) do nothing"),
               {id, who, int64_t(date::fromQDate(QDate::currentDate()))});
    const QString holder = loginKey(lineClaimHolder(db, id));
    if (holder != who) return {LineClaimStatus::LockedByOther, id, holder};
    tx.commit();
    return {LineClaimStatus::Claimed, id, QString()};
}

void POZYCJE_BO_ZWOLNIJ(db::Database& db, int64_t idPozDok, const QString& login) {
    db.execute(QStringLiteral("delete from BLOKADY_POZYCJI where id_poz_dok=? and id_uzyt=?"), {idPozDok, loginKey(login)});
}

QString lineClaimHolder(db::Database& db, int64_t idPozDok) {
    return db.scalarText(QStringLiteral("select id_uzyt from BLOKADY_POZYCJI where id_poz_dok=?"), {idPozDok}).value_or(QString());
}

LineWriteRefusal checkLineWritable(db::Database& db, int64_t idPozDok, const QString& login) {
    db::Rows line = db.select(QStringLiteral("select id_firmy, id_lata_obrot from POZ_DOK where id_poz_dok=?"), {idPozDok});
    if (!line.next()) return LineWriteRefusal::Missing;
    const int64_t idFirmy = line.int64(0), idLataObrot = line.int64(1);
    // Writing the rows (to their own values) holds them until the caller's transaction
    // ends: an approval or a change of the claim waits for it, and so does another writer
    // of the year's opening balance, whose turnovers follow after this one's.
    db.execute(QStringLiteral("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_firmy=? and id_lata_obrot=?"),
               {idFirmy, idLataObrot});
    if (db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_firmy=? and id_lata_obrot=?"),
                     {idFirmy, idLataObrot})
            .value_or(0) == 1)
        return LineWriteRefusal::Approved;
    db.execute(QStringLiteral("update BLOKADY_POZYCJI set id_uzyt=id_uzyt where id_poz_dok=?"), {idPozDok});
    if (!db.scalarInt(QStringLiteral("select 1 from POZ_DOK where id_poz_dok=?"), {idPozDok})) return LineWriteRefusal::Missing;
    if (loginKey(lineClaimHolder(db, idPozDok)) != loginKey(login) || loginKey(login).isEmpty()) return LineWriteRefusal::NotClaimed;
    return LineWriteRefusal::None;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_DODAJ"), [](db::Database& db, const db::Params& args) {
    const LineClaim claim = POZYCJE_BO_DODAJ(db, intArg(args, 0), intArg(args, 1), textArg(args, 2), textArg(args, 3), intArg(args, 4));
    const int status = claim.status == LineClaimStatus::Claimed ? 0 : claim.status == LineClaimStatus::LockedByOther ? 1 : 2;
    return ResultSet{{QStringLiteral("status"), QStringLiteral("id_poz_dok")}, {{status, claim.idPozDok}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_ZWOLNIJ"), [](db::Database& db, const db::Params& args) {
    POZYCJE_BO_ZWOLNIJ(db, intArg(args, 0), textArg(args, 1));
    return ResultSet{};
});

} // namespace ksiega::server
