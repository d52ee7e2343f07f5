// The open settlements carried into the next year: what is left of each at the closing
// year's last day, on the target account, found again by its source on every later run.
#include "platform/server/closing/ClosingSteps.h"

namespace ksiega::server::closing {

namespace {

// The signed amount of a settlement row of tmp_zr_rozr (a correction counts negative) with
// the sign of its side: Dt positive, Ct negative.
const QString kSignedNet = QStringLiteral("(case when strona='WN' then 1 else -1 end) * (case when korekta=1 then -1 else 1 end)");

// The columns a carried settlement takes over from its source.
const QStringList kCopied{"symbol", "nr_dok", "data_dok", "termin_platnosci", "rodzaj", "strona", "opis", "czy_korekta",
                          "id_nag_dok_m", "aplikacja_status", "znacznik_transakcji", "id_rozrachunek_klasyfikacja",
                          "id_kartoteki", "rodzaj_kartoteki"};

} // namespace

void collectSettlements(db::Database& db, const CurrencyRun& run) {
    const int64_t firm = run.closingYear.idFirmy, year = run.closingYear.idLataObrot;
    // What is left of each settlement of a carried account at the year's end; clearings
    // dated after it belong to the next year.
    const QString cleared = QStringLiteral("coalesce((select sum(z.%1) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku "
                                           "and z.data_rozliczenia<=?), 0)");
    db.execute(QStringLiteral("insert into tmp_zr_rozr (id, konto, target, zid, strona, korekta, rem, remw, attached, id_new) "
                              "select x.id, x.konto, case when x.zalaczone=1 and x.attached=0 then x.konto else x.target end, x.zid, "
                              "x.strona, x.korekta, x.rem, x.remw, x.attached, null from ("
                              "select r.id_rozrachunku as id, s.konto, s.target, s.zid, s.zalaczone, r.strona, r.czy_korekta as korekta, "
                              "r.kwota - %1 as rem, r.kwota_w - %2 as remw, "
                              "case when s.zalaczone=1 and exists (select 1 from ZMIANA_PLANU_KONT_ROZRACHUNKI a where a.id_uzytkownika=? "
                              "and a.id_zmiana_planu_kont=s.zid and a.id_rozrachunku=r.id_rozrachunku) then 1 else 0 end as attached "
                              "from tmp_zr_src s join ROZRACHUNEK r on r.id_firmy=? and r.id_lata_obrot=? and r.nr_konta=s.konto "
                              "where s.stan in (0, 1) and s.typ<>'W' and %3=?) x where x.rem<>0 or x.remw<>0")
                   .arg(cleared.arg(QStringLiteral("kwota")), cleared.arg(QStringLiteral("kwota_w")),
                        currencyKey(QStringLiteral("r.sym_waluty"))),
               {run.closingYear.end, run.closingYear.end, run.userNumber, firm, year, run.currency});

    // What each account gives: all of it to its target, or, when its change row has
    // settlements attached, those settlements to the target and the rest to itself.
    db.execute(QStringLiteral("insert into tmp_zr_part (konto, target, net, netw, zid, czesc) "
                              "select konto, target, net, netw, zid, 0 from tmp_zr_src where stan in (0, 1) and zalaczone=0"));
    const QString moved = QStringLiteral("coalesce((select sum(%1 * r.%2) from tmp_zr_rozr r where r.konto=s.konto and r.attached=1), 0)");
    const QString movedRem = moved.arg(kSignedNet, QStringLiteral("rem")), movedRemW = moved.arg(kSignedNet, QStringLiteral("remw"));
    db.execute(QStringLiteral("insert into tmp_zr_part (konto, target, net, netw, zid, czesc) "
                              "select s.konto, s.target, %1, %2, s.zid, 1 from tmp_zr_src s where s.stan=0 and s.zalaczone=1 "
                              "union all "
                              "select s.konto, s.konto, s.net - %1, s.netw - %2, s.zid, 2 from tmp_zr_src s where s.stan=0 and s.zalaczone=1")
                   .arg(movedRem, movedRemW));
    validateTargets(db, run);
}

void writeSettlements(db::Database& db, const CurrencyRun& run) {
    const int64_t next = run.nextYear.idLataObrot;
    // A settlement carried before keeps its id (and its clearings of the next year).
    QStringList sets{QStringLiteral("nr_konta=(select t.target from tmp_zr_rozr t where t.id_new=ROZRACHUNEK.id_rozrachunku)"),
                     QStringLiteral("kwota=(select t.rem from tmp_zr_rozr t where t.id_new=ROZRACHUNEK.id_rozrachunku)"),
                     QStringLiteral("kwota_w=(select t.remw from tmp_zr_rozr t where t.id_new=ROZRACHUNEK.id_rozrachunku)"),
                     QStringLiteral("id_poz_dok_f=(select l.id_poz_dok from tmp_zr_rozr t join tmp_zr_line l on l.konto=t.target "
                                    "where t.id_new=ROZRACHUNEK.id_rozrachunku)"),
                     QStringLiteral("sym_waluty=?"), QStringLiteral("czy_bo=1")};
    for (const QString& c : kCopied)
        sets << QStringLiteral("%1=(select s.%1 from tmp_zr_rozr t join ROZRACHUNEK s on s.id_rozrachunku=t.id "
                               "where t.id_new=ROZRACHUNEK.id_rozrachunku)")
                    .arg(c);
    db.execute(QStringLiteral("update ROZRACHUNEK set ") + sets.join(QStringLiteral(", ")) +
                   QStringLiteral(" where id_lata_obrot=? and id_rozrachunku in (select id_new from tmp_zr_rozr where id_new is not null)"),
               {run.currency, next});
    QStringList source;
    for (const QString& c : kCopied) source << QStringLiteral("s.") + c;
    db.execute(QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, kwota, kwota_w, sym_waluty, czy_bo, id_poz_dok_f, "
                              "id_rozrachunku_zrodla, %1) "
                              "select s.id_firmy, ?, t.target, t.rem, t.remw, ?, 1, l.id_poz_dok, t.id, %2 "
                              "from tmp_zr_rozr t join ROZRACHUNEK s on s.id_rozrachunku=t.id join tmp_zr_line l on l.konto=t.target "
                              "where t.id_new is null order by t.target, t.id")
                   .arg(kCopied.join(QStringLiteral(", ")), source.join(QStringLiteral(", "))),
               {next, run.currency});
    dropOrDetachOldSettlements(db, run.userNumber, run.currency);
}

int64_t dropOrDetachOldSettlements(db::Database& db, int64_t userNumber, const QString& currency) {
    const QString clearings = QStringLiteral("(exists (select 1 from ROZLICZENIE z where z.id_rozrachunku=ROZRACHUNEK.id_rozrachunku) "
                                             "or exists (select 1 from ROZLICZENIE z where z.id_rozrachunku_rozl=ROZRACHUNEK.id_rozrachunku))");
    const QString kept = QStringLiteral("id_rozrachunku in (select id from tmp_zr_old) and (id_nag_dok_m<>0 or %1)").arg(clearings);
    // A carried settlement that is no longer open but was cleared next year stays, detached.
    db::Rows r = db.select(QStringLiteral("select id_rozrachunku, nr_konta, symbol from ROZRACHUNEK where id_rozrachunku_zrodla<>0 and "
                                          "id_poz_dok_f<>0 and ") + kept + QStringLiteral(" order by id_rozrachunku"));
    struct Row { int64_t id; QString konto, symbol; };
    std::vector<Row> detached;
    while (r.next()) detached.push_back({r.int64(0), r.text(1), r.text(2)});
    if (userNumber != 0)
        for (const Row& d : detached)
            addProblem(db, userNumber,
                       QStringLiteral("Rozrachunek %1 konta %2 nie jest już otwarty na koniec roku, ale ma rozliczenia w następnym roku: "
                                      "pozostał bez pozycji bilansu otwarcia.")
                           .arg(d.symbol, d.konto),
                       currency);
    const int64_t stayed = db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=0 where ") + kept);
    db.execute(QStringLiteral("delete from ROZRACHUNEK where id_rozrachunku in (select id from tmp_zr_old) and id_nag_dok_m=0 and not ") + clearings);
    return stayed;
}

} // namespace ksiega::server::closing
