// A ledger document booked from chosen settlements.
#include "platform/server/settlements/SettlementDocument.h"
#include "platform/db/LineCopies.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include "platform/server/settlements/SettlementWork.h"
#include <set>

namespace ksiega::server {

using namespace settlements;

namespace {

[[noreturn]] void refuse(const QString& text) { throw db::DbError(text); }

const QString kMarked = QStringLiteral("(select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=?)");

bool postingAccount(db::Database& db, const SettlementDocumentRequest& q, const QString& account) {
    return db.scalarInt(QStringLiteral("select czy_analityka from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and nr_konta=?"),
                        {q.idFirmy, q.idLataObrot, account})
               .value_or(0) == 1;
}

void checkAccount(db::Database& db, const SettlementDocumentRequest& q, const QString& account, bool needed, const QString& side) {
    if (account.isEmpty()) {
        if (needed) refuse(QStringLiteral("Proszę podać konto %1.").arg(side));
        return;
    }
    if (!postingAccount(db, q, account))
        refuse(QStringLiteral("Konto %1 %2 nie jest kontem analitycznym w planie kont roku obrotowego.").arg(side, account));
}

struct Journal {
    QString code;
    QString typeSymbol;
};

Journal checkJournal(db::Database& db, const SettlementDocumentRequest& q) {
    db::Rows r = db.select(QStringLiteral("select p.kod_paczki, t.sym_typ_dok_uz from PACZKA p join PACZKA_TYPDOK a on a.id_paczka=p.id_paczka "
                                          "join TYP_DOK t on t.id_typ_dok=a.id_typ_dok "
                                          "where p.id_paczka=? and p.id_firmy=? and p.id_lata_obrot=? and a.id_typ_dok=?"),
                           {q.idPaczka, q.idFirmy, q.idLataObrot, q.idTypDok});
    if (!r.next()) refuse(QStringLiteral("Dziennik %1 nie przyjmuje dokumentów typu %2 w tym roku obrotowym.").arg(q.idPaczka).arg(q.idTypDok));
    return {r.text(0).trimmed(), r.text(1).trimmed()};
}

} // namespace

int64_t TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db::Database& db, const SettlementDocumentRequest& q) {
    const QString kontoWn = q.kontoWn.trimmed(), kontoMa = q.kontoMa.trimmed();
    db::Transaction tx(db);
    takeYear(db, q.idFirmy, q.idLataObrot);   // one writer of the year's settlements at a time
    int yearStart = 0, yearEnd = 0;
    {
        db::Rows year = db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_lata_obrot=?"), {q.idLataObrot});
        if (!year.next()) refuse(QStringLiteral("Brak roku obrotowego %1.").arg(q.idLataObrot));
        yearStart = year.integer(0);
        yearEnd = year.integer(1);
    }
    if (q.dataOkresu < yearStart || q.dataOkresu > yearEnd)
        refuse(QStringLiteral("Okres dokumentu nie należy do bieżącego roku obrotowego."));
    const QString login = loginOf(db, q.userNumber);
    const Journal journal = checkJournal(db, q);

    // What the marked settlements need: the sides, and accounts the chart lacks.
    const db::Params scope{q.idFirmy, q.idLataObrot, q.userNumber, kMarkedSettlementsBrowser};
    const QString candidates = QStringLiteral("from ROZRACHUNEK r where r.id_firmy=? and r.id_lata_obrot=? and r.id_poz_dok_f=0 "
                                              "and r.id_rozrachunku in ") + kMarked;
    int64_t marked = 0, onDt = 0, onCt = 0;
    {
        db::Rows need = db.select(QStringLiteral("select count(*), coalesce(sum(case when r.strona='WN' then 1 else 0 end), 0), "
                                                 "coalesce(sum(case when r.strona='MA' then 1 else 0 end), 0) ") + candidates,
                                  scope);
        if (need.next()) { marked = need.int64(0); onDt = need.int64(1); onCt = need.int64(2); }
    }
    if (marked == 0) refuse(QStringLiteral("Proszę wybrać rozrachunki."));
    checkAccount(db, q, kontoWn, onCt > 0, QStringLiteral("Dt"));
    checkAccount(db, q, kontoMa, onDt > 0, QStringLiteral("Ct"));
    if (const std::optional<QString> unknown = db.scalarText(
            QStringLiteral("select min(r.nr_konta) ") + candidates +
                QStringLiteral(" and not exists (select 1 from WARTOSCI_KONT w where w.id_firmy=r.id_firmy "
                               "and w.id_lata_obrot=r.id_lata_obrot and w.nr_konta=r.nr_konta)"),
            scope))
        refuse(QStringLiteral("Konto rozrachunku %1 nie istnieje w planie kont roku obrotowego.").arg(*unknown));

    // The header, then the claim of the settlements, then their lines.
    const int64_t number = db.scalarInt(QStringLiteral("select coalesce(max(nr_dziennik), 0) + 1 from NAG_DOK where id_paczka=?"),
                                        {q.idPaczka})
                               .value_or(1);
    const QString nrEwid = journal.code + QLatin1Char('/') + QString::number(number);
    const int64_t document = db.insertReturningId(
        QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, id_paczka, id_typ_dok, nr_ewid_dok, nr_dok_org, nr_dziennik, "
                       "data_biezaca, data_dok_org, data_okresu, status, czy_rk, waluta, opis, id_uzyt_p) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 0, '', ?, ?) returning id_nag_dok"),
        {q.idFirmy, q.idLataObrot, q.idPaczka, q.idTypDok, nrEwid, journal.typeSymbol + QLatin1Char('/') + QString::number(number), number,
         q.dataBiezaca, q.dataBiezaca, q.dataOkresu, q.opis.left(250), login});
    // Until their lines exist the taken settlements carry the document's id, negated: no
    // line has such an id, and no other session sees it before the commit.
    const int64_t marker = -document;
    db::Params claim{marker};
    claim.insert(claim.end(), scope.begin(), scope.end());
    if (db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=? where id_firmy=? and id_lata_obrot=? and id_poz_dok_f=0 "
                                  "and id_rozrachunku in ") + kMarked,
                   claim) == 0)
        refuse(QStringLiteral("Proszę wybrać rozrachunki."));

    db.execute(QStringLiteral(
                   "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, "
                   "kwota_ma_w, waluta, kurs_waluty, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
                   "select ?, r.id_firmy, r.id_lata_obrot, row_number() over (order by r.id_rozrachunku), "
                   "case when r.strona='WN' then r.nr_konta else ? end, case when r.strona='MA' then r.nr_konta else ? end, "
                   "(case when r.czy_korekta=1 then -1 else 1 end) * r.kwota, (case when r.czy_korekta=1 then -1 else 1 end) * r.kwota, "
                   "(case when r.czy_korekta=1 then -1 else 1 end) * r.kwota_w, (case when r.czy_korekta=1 then -1 else 1 end) * r.kwota_w, "
                   "case when upper(r.sym_waluty)='PLN' then '' else upper(r.sym_waluty) end, "
                   "case when upper(r.sym_waluty)<>'PLN' and r.kwota_w<>0 then (r.kwota * 10000) / r.kwota_w else 0 end, "
                   "case when ?='' then r.symbol else ? end, ?, ?, 1, 0 "
                   "from ROZRACHUNEK r where r.id_poz_dok_f=?"),
               {document, kontoWn, kontoMa, q.opis.left(250), q.opis.left(250), nrEwid, q.dataOkresu, marker});
    db::refreshLineCopies(db, document);

    // Each settlement to its line: the lines follow the settlements' ids.
    std::vector<int64_t> lines, settlementIds;
    {
        db::Rows r = db.select(QStringLiteral("select id_poz_dok from POZ_DOK where id_nag_dok=? order by lp"), {document});
        while (r.next()) lines.push_back(r.int64(0));
        db::Rows s = db.select(QStringLiteral("select id_rozrachunku from ROZRACHUNEK where id_poz_dok_f=? order by id_rozrachunku"), {marker});
        while (s.next()) settlementIds.push_back(s.int64(0));
    }
    if (lines.size() != settlementIds.size()) refuse(QStringLiteral("Nie udało się utworzyć pozycji dokumentu."));
    for (size_t from = 0; from < lines.size(); from += kIdsPerStatement) {
        const size_t n = std::min(kIdsPerStatement, lines.size() - from);
        QString cases;
        db::Params params;
        for (size_t i = from; i < from + n; ++i) {
            cases += QStringLiteral(" when ? then ?");
            params.push_back(settlementIds[i]);
            params.push_back(lines[i]);
        }
        params.push_back(marker);
        db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f = case id_rozrachunku%1 else id_poz_dok_f end where id_poz_dok_f=?")
                       .arg(cases),
                   params);
    }

    TurnoverChange turnovers(db, q.idFirmy, q.idLataObrot);
    turnovers.arriving({document});
    turnovers.apply();
    tx.commit();
    return document;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI"), [](db::Database& db, const db::Params& args) {
    SettlementDocumentRequest q;
    q.idFirmy = intArg(args, 0);
    q.idLataObrot = intArg(args, 1);
    q.userNumber = intArg(args, 2);
    q.idTypDok = intArg(args, 3);
    q.idPaczka = intArg(args, 4);
    q.dataOkresu = int(intArg(args, 5));
    q.dataBiezaca = int(intArg(args, 6));
    q.opis = textArg(args, 7);
    q.kontoWn = textArg(args, 8);
    q.kontoMa = textArg(args, 9);
    return ResultSet{{QStringLiteral("id_nag_dok")}, {{TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db, q)}}};
});

} // namespace ksiega::server
