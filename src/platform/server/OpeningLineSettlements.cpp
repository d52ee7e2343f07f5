// The settlements carried by an opening-balance line: read, written in place or anew, and
// removed with both halves of their clearings.
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceArgs.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include <set>

namespace ksiega::server {

namespace {

// The selection-store browser that lists the settlements the entry window kept as read.
constexpr int kKeptSettlementsBrowser = 300;
// Ids bound into one IN list.
constexpr size_t kIdsPerStatement = 500;

QString placeholders(size_t n) {
    QStringList marks;
    for (size_t i = 0; i < n; ++i) marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// Removes the settlements and every clearing that involves them: their own rows and the
// rows of other settlements cleared against them.
void removeSettlements(db::Database& db, const std::vector<int64_t>& ids) {
    for (size_t from = 0; from < ids.size(); from += kIdsPerStatement) {
        const size_t n = std::min(kIdsPerStatement, ids.size() - from);
        db::Params chunk(ids.begin() + from, ids.begin() + from + n);
        db::Params twice = chunk;
        twice.insert(twice.end(), chunk.begin(), chunk.end());
        db.execute(QStringLiteral("delete from ROZLICZENIE where id_rozrachunku in (%1) or id_rozrachunku_rozl in (%1)").arg(placeholders(n)),
                   twice);
        db.execute(QStringLiteral("delete from ROZRACHUNEK where id_rozrachunku in (%1)").arg(placeholders(n)), chunk);
    }
}

void removeClearingsOf(db::Database& db, int64_t id) {
    db.execute(QStringLiteral("delete from ROZLICZENIE where id_rozrachunku=? or id_rozrachunku_rozl=?"), {id, id});
}

void checkSettlement(const OpeningSettlement& s) {
    const QString kind(s.rodzaj);
    if (kind != QLatin1String("N") && kind != QLatin1String("Z") && kind != QLatin1String("P"))
        throw db::DbError(QStringLiteral("Nieznany rodzaj rozrachunku: %1").arg(kind));
    if (s.strona != QLatin1String("WN") && s.strona != QLatin1String("MA"))
        throw db::DbError(QStringLiteral("Nieznana strona rozrachunku: %1").arg(s.strona));
    if (s.kwota.minor() < 0 || s.kwotaW.minor() < 0)
        throw db::DbError(QStringLiteral("Kwota rozrachunku nie może być ujemna; korektę oznacza znacznik korekty."));
}

struct StoredSettlement {
    int64_t idPozDokF = 0;
    int64_t idNagDokM = 0;
    Money kwota, kwotaW;
    QString strona;
};

std::optional<StoredSettlement> storedSettlement(db::Database& db, int64_t id) {
    db::Rows r = db.select(QStringLiteral("select id_poz_dok_f, id_nag_dok_m, kwota, kwota_w, strona from ROZRACHUNEK where id_rozrachunku=?"),
                           {id});
    if (!r.next()) return std::nullopt;
    return StoredSettlement{r.int64(0), r.int64(1), r.money(2), r.money(3), r.text(4)};
}

} // namespace

std::vector<OpeningSettlement> readLineSettlements(db::Database& db, int64_t idPozDok) {
    db::Rows r = db.select(
        QStringLiteral("select id_rozrachunku, symbol, data_dok, termin_platnosci, rodzaj, strona, kwota, kwota_w, opis, czy_korekta, "
                       "id_nag_dok_m, aplikacja_status, znacznik_transakcji, id_rozrachunek_klasyfikacja, "
                       "case when exists (select 1 from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku) "
                       "or exists (select 1 from ROZLICZENIE z where z.id_rozrachunku_rozl=r.id_rozrachunku) then 1 else 0 end "
                       "from ROZRACHUNEK r where id_poz_dok_f=? order by id_rozrachunku"),
        {idPozDok});
    std::vector<OpeningSettlement> all;
    while (r.next()) {
        OpeningSettlement s;
        s.id = r.int64(0);
        s.symbol = r.text(1);
        s.dataDok = r.integer(2);
        s.terminPlatnosci = r.integer(3);
        s.rodzaj = r.text(4).isEmpty() ? QChar('N') : r.text(4).at(0);
        s.strona = r.text(5);
        s.kwota = r.money(6);
        s.kwotaW = r.money(7);
        s.opis = r.text(8);
        s.korekta = r.integer(9) == 1;
        s.idNagDokM = r.int64(10);
        s.aplikacjaStatus = r.integer(11);
        s.znacznikTransakcji = r.text(12);
        s.idKlasyfikacja = r.int64(13);
        s.hasClearings = r.integer(14) == 1;
        all.push_back(s);
    }
    return all;
}

int64_t POZYCJE_BO_ROZRACH(db::Database& db, int64_t idNagDok, int64_t idPozDok, int64_t idFirmy, int64_t idLataObrot,
                           const QString& konto, const QString& waluta, int64_t userNumber, const OpeningSettlement& s) {
    (void)userNumber;
    checkSettlement(s);
    db::Transaction tx(db);
    if (!db.scalarInt(QStringLiteral("select 1 from POZ_DOK where id_poz_dok=? and id_nag_dok=? and id_firmy=?"),
                      {idPozDok, idNagDok, idFirmy}))
        throw db::DbError(QStringLiteral("Pozycja %1 nie należy do dokumentu bilansu otwarcia %2.").arg(idPozDok).arg(idNagDok));

    if (s.id != 0) {
        if (const std::optional<StoredSettlement> stored = storedSettlement(db, s.id)) {
            if (stored->idNagDokM != 0) {   // the warehouse system's: never written here
                tx.commit();
                return s.id;
            }
            if (stored->idPozDokF != idPozDok)
                throw db::DbError(QStringLiteral("Rozrachunek %1 nie należy do pozycji %2.").arg(s.id).arg(idPozDok));
            if (stored->kwota != s.kwota || stored->kwotaW != s.kwotaW || stored->strona != s.strona) removeClearingsOf(db, s.id);
            db.execute(QStringLiteral("update ROZRACHUNEK set symbol=?, data_dok=?, termin_platnosci=?, rodzaj=?, strona=?, kwota=?, "
                                      "kwota_w=?, opis=?, czy_korekta=?, aplikacja_status=?, znacznik_transakcji=?, "
                                      "id_rozrachunek_klasyfikacja=? where id_rozrachunku=?"),
                       {s.symbol.left(30), s.dataDok, s.terminPlatnosci, QString(s.rodzaj), s.strona, s.kwota, s.kwotaW,
                        s.opis.left(100), s.korekta ? 1 : 0, s.aplikacjaStatus, s.znacznikTransakcji.left(30), s.idKlasyfikacja,
                        s.id});
            tx.commit();
            return s.id;
        }
    }

    const QString account = konto.trimmed();
    db::Rows card = db.select(QStringLiteral("select id_kartoteki, rodzaj_kartoteki from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                                             "and nr_konta=?"),
                              {idFirmy, idLataObrot, account});
    const bool hasCard = card.next();
    const int64_t id = db.insertReturningId(
        QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
                       "strona, kwota, kwota_w, sym_waluty, opis, czy_korekta, czy_bo, id_poz_dok_f, id_nag_dok_m, aplikacja_status, "
                       "znacznik_transakcji, id_rozrachunek_klasyfikacja, id_kartoteki, rodzaj_kartoteki) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, 0, ?, ?, ?, ?, ?) returning id_rozrachunku"),
        {idFirmy, idLataObrot, account, s.symbol.left(30), s.symbol.left(30), s.dataDok, s.terminPlatnosci, QString(s.rodzaj),
         s.strona, s.kwota, s.kwotaW, CurrencyCode::of(waluta).symbol(), s.opis.left(100), s.korekta ? 1 : 0, idPozDok,
         s.aplikacjaStatus, s.znacznikTransakcji.left(30), s.idKlasyfikacja, hasCard ? card.int64(0) : int64_t(0),
         hasCard ? card.text(1) : QString()});
    tx.commit();
    return id;
}

int TG_BO_USUN_ROZRACH(db::Database& db, int64_t userNumber, int64_t idPozDok, int mode, const std::vector<int64_t>& readIds) {
    if (mode != 0 && mode != 1) throw db::DbError(QStringLiteral("TG_BO_USUN_ROZRACH: nieznany tryb %1").arg(mode));
    db::Transaction tx(db);
    // The line's settlements that the ledger keeps; in mode 1 those the user's selection
    // does not list as kept.
    QString sql = QStringLiteral("select id_rozrachunku from ROZRACHUNEK r where id_poz_dok_f=? and id_nag_dok_m=0");
    db::Params params{idPozDok};
    if (mode == 1) {
        sql += QStringLiteral(" and not exists (select 1 from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=? "
                              "and z.id_elementu=r.id_rozrachunku)");
        params.push_back(userNumber);
        params.push_back(kKeptSettlementsBrowser);
    }
    const std::set<int64_t> read(readIds.begin(), readIds.end());
    std::vector<int64_t> ids;
    db::Rows r = db.select(sql, params);
    while (r.next())
        if (mode == 0 || read.count(r.int64(0))) ids.push_back(r.int64(0));
    removeSettlements(db, ids);
    tx.commit();
    return int(ids.size());
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_ROZRACH"), [](db::Database& db, const db::Params& args) {
    OpeningSettlement s;
    s.kwota = amountArg(args, 5);
    s.kwotaW = amountArg(args, 6);
    s.symbol = textArg(args, 7);
    s.dataDok = int(intArg(args, 9));
    s.terminPlatnosci = int(intArg(args, 10));
    const QString kind = textArg(args, 11).trimmed().toUpper();
    s.rodzaj = kind.isEmpty() ? QChar('N') : kind.at(0);
    s.strona = textArg(args, 12).trimmed().toUpper();
    s.opis = textArg(args, 14);
    s.korekta = intArg(args, 15) == 1;
    s.id = intArg(args, 16);
    s.aplikacjaStatus = int(intArg(args, 17));
    s.znacznikTransakcji = textArg(args, 18);
    s.idKlasyfikacja = intArg(args, 19);
    const int64_t id = POZYCJE_BO_ROZRACH(db, intArg(args, 0), intArg(args, 1), intArg(args, 2), intArg(args, 3), textArg(args, 4),
                                          textArg(args, 8), intArg(args, 13), s);
    return ResultSet{{QStringLiteral("id_rozrachunku")}, {{id}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BO_USUN_ROZRACH"), [](db::Database& db, const db::Params& args) {
    std::vector<int64_t> readIds;
    for (size_t i = 3; i < args.size(); ++i) readIds.push_back(intArg(args, i));
    const int removed = TG_BO_USUN_ROZRACH(db, intArg(args, 0), intArg(args, 1), int(intArg(args, 2)), readIds);
    return ResultSet{{QStringLiteral("usuniete")}, {{removed}}};
});

} // namespace ksiega::server
