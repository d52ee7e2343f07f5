// The opening-balance lines of one currency: one per target account, replacing what the
// document held for the targets it rewrites.
#include "platform/db/LineCopies.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/closing/ClosingSteps.h"

namespace ksiega::server::closing {

namespace {

// A flag of the target's synthetic account in the next year's chart.
QString nextChartFlag(const QString& flag) {
    return QStringLiteral("coalesce((select s.%1 from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
                          "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
                          "where w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=tmp_zr_line.konto), 0)")
        .arg(flag);
}

// The side sums of a settlement account's line: signed sums of its settlements per side.
QString settlementSide(const QString& strona, const QString& amount) {
    return QStringLiteral("coalesce((select sum(case when r.korekta=1 then -r.%2 else r.%2 end) from tmp_zr_rozr r "
                          "where r.target=tmp_zr_line.konto and r.strona='%1'), 0)")
        .arg(strona, amount);
}

// The document's line of the account (the oldest, whichever side carries it).
QString lineOfAccount() {
    const QString side = QStringLiteral("(select min(p.id_poz_dok) from POZ_DOK p where p.id_nag_dok=? and p.czy_rk=10 and p.konto_%1=tmp_zr_line.konto)");
    const QString dt = side.arg(QStringLiteral("wn")), ct = side.arg(QStringLiteral("ma"));
    return QStringLiteral("case when %1 is null then %2 when %2 is null then %1 when %1<%2 then %1 else %2 end").arg(dt, ct);
}

// The lines of the document that the run rewrites: every line, or those of the targets.
QString inScope(const CurrencyRun& run, const QString& alias) {
    if (run.range == ClosingRange::All) return QStringLiteral("1=1");
    return QStringLiteral("(%1.konto_wn in (select konto from tmp_zr_target) or %1.konto_ma in (select konto from tmp_zr_target))").arg(alias);
}

} // namespace

void computeLines(db::Database& db, const CurrencyRun& run) {
    const int64_t firm = run.nextYear.idFirmy, next = run.nextYear.idLataObrot;
    if (run.range == ClosingRange::All)
        db.execute(QStringLiteral("insert into tmp_zr_target (konto) select distinct target from tmp_zr_part"));
    else   // a target that receives a chosen account is rewritten from all its sources
        db.execute(QStringLiteral("insert into tmp_zr_target (konto) select distinct p.target from tmp_zr_part p "
                                  "join tmp_zr_src s on s.konto=p.konto where s.wybrane=1"));
    db.execute(QStringLiteral("insert into tmp_zr_line (konto, net, netw, rozrach, mpk, sdt, sct, sdtw, sctw, dt, ct, dtw, ctw, id_poz_dok) "
                              "select target, sum(net), sum(netw), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, null from tmp_zr_part "
                              "where target in (select konto from tmp_zr_target) group by target"));
    db.execute(QStringLiteral("update tmp_zr_line set rozrach=%1, mpk=%2").arg(nextChartFlag(QStringLiteral("czy_rozrach")),
                                                                               nextChartFlag(QStringLiteral("czy_mpk"))),
               {firm, next, firm, next});
    // Only settlement accounts of the next year carry settlements.
    db.execute(QStringLiteral("delete from tmp_zr_rozr where target not in (select konto from tmp_zr_line where rozrach=1)"));
    db.execute(QStringLiteral("update tmp_zr_line set sdt=%1, sct=%2, sdtw=%3, sctw=%4 where rozrach=1")
                   .arg(settlementSide(QStringLiteral("WN"), QStringLiteral("rem")), settlementSide(QStringLiteral("MA"), QStringLiteral("rem")),
                        settlementSide(QStringLiteral("WN"), QStringLiteral("remw")), settlementSide(QStringLiteral("MA"), QStringLiteral("remw"))));
    // The ledger decides the net: what the settlements do not explain goes on its side.
    db.execute(QStringLiteral("update tmp_zr_line set "
                              "dt=sdt + case when net - (sdt - sct) > 0 then net - (sdt - sct) else 0 end, "
                              "ct=sct + case when net - (sdt - sct) < 0 then (sdt - sct) - net else 0 end, "
                              "dtw=sdtw + case when netw - (sdtw - sctw) > 0 then netw - (sdtw - sctw) else 0 end, "
                              "ctw=sctw + case when netw - (sdtw - sctw) < 0 then (sdtw - sctw) - netw else 0 end"));
    db::Rows r = db.select(QStringLiteral("select konto, net - (sdt - sct), netw - (sdtw - sctw) from tmp_zr_line where rozrach=1 "
                                          "and (net<>sdt - sct or netw<>sdtw - sctw) order by konto"));
    struct Difference { QString konto; int64_t pln, currency; };
    std::vector<Difference> differences;
    while (r.next()) differences.push_back({r.text(0), r.int64(1), r.int64(2)});
    for (const Difference& d : differences) {
        QString amount = amountText(d.pln);
        if (run.currency != QLatin1String("PLN") && d.currency != 0) amount += QStringLiteral("; %1 %2").arg(run.currency, amountText(d.currency));
        addProblem(db, run.userNumber,
                   QStringLiteral("Saldo konta %1 różni się od sumy jego otwartych rozrachunków o %2: różnicę dopisano do pozycji bilansu otwarcia.")
                       .arg(d.konto, amount),
                   run.currency);
    }
    db.execute(QStringLiteral("delete from tmp_zr_line where dt=0 and ct=0 and dtw=0 and ctw=0"));
}

void splitSharedLines(db::Database& db, const CurrencyRun& run) {
    // Hand-entered lines only: the closing itself writes one account per line.
    QStringList shared;
    {
    db::Rows r = db.select(QStringLiteral("select t.konto from tmp_zr_target t where exists (select 1 from POZ_DOK p where p.id_nag_dok=? "
                                          "and ((p.konto_wn=t.konto and p.konto_ma<>'' and p.konto_ma<>t.konto) "
                                          "or (p.konto_ma=t.konto and p.konto_wn<>'' and p.konto_wn<>t.konto))) order by t.konto"),
                           {run.idNagDok});
    while (r.next()) shared << r.text(0);
    }   // the cursor is closed before the lines change
    for (const QString& account : shared) {
        const bool claimedBefore =
            db.scalarInt(QStringLiteral("select count(*) from BLOKADY_POZYCJI b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                        "where p.id_nag_dok=? and (p.konto_wn=? or p.konto_ma=?) and b.id_uzyt=?"),
                         {run.idNagDok, account, account, run.login.trimmed()})
                .value_or(0) > 0;
        const LineClaim claim = POZYCJE_BO_DODAJ(db, run.nextYear.idFirmy, run.idNagDok, account, run.login, run.userNumber);
        if (claim.status == LineClaimStatus::LockedByOther)
            throw db::DbError(QStringLiteral("Pozycja bilansu otwarcia konta %1 w następnym roku obrotowym jest zablokowana przez "
                                             "użytkownika %2.")
                                  .arg(account, claim.heldBy));
        if (claim.status != LineClaimStatus::Claimed)
            throw db::DbError(QStringLiteral("Wystąpił błąd odczytu z tabeli pozycji dokumentów."));
        if (!claimedBefore) POZYCJE_BO_ZWOLNIJ(db, claim.idPozDok, run.login);
    }
}

void writeLines(db::Database& db, const CurrencyRun& run) {
    const int64_t doc = run.idNagDok, next = run.nextYear.idLataObrot;
    const db::Params eightTimes(8, db::SqlValue(doc));   // the document of each look-up in lineOfAccount
    db.execute(QStringLiteral("update tmp_zr_line set id_poz_dok=") + lineOfAccount(), eightTimes);
    db.execute(QStringLiteral("update tmp_zr_rozr set id_new=(select min(n.id_rozrachunku) from ROZRACHUNEK n where n.id_lata_obrot=? "
                              "and n.id_rozrachunku_zrodla<>0 and n.id_rozrachunku_zrodla=tmp_zr_rozr.id)"),
               {next});

    // The settlements of the lines that go or are rewritten, and in a full run the carried
    // ones of this currency left without a line, unless they are carried again.
    db.execute(QStringLiteral("insert into tmp_zr_old (id) select r.id_rozrachunku from ROZRACHUNEK r where r.id_poz_dok_f in "
                              "(select p.id_poz_dok from POZ_DOK p where p.id_nag_dok=? and %1)")
                   .arg(inScope(run, QStringLiteral("p"))),
               {doc});
    if (run.range == ClosingRange::All)
        db.execute(QStringLiteral("insert into tmp_zr_old (id) select r.id_rozrachunku from ROZRACHUNEK r where r.id_lata_obrot=? "
                                  "and r.id_rozrachunku_zrodla<>0 and r.id_poz_dok_f=0 and %1=?")
                       .arg(currencyKey(QStringLiteral("r.sym_waluty"))),
                   {next, run.currency});
    db.execute(QStringLiteral("delete from tmp_zr_old where id in (select id_new from tmp_zr_rozr where id_new is not null)"));

    // Lines that are not produced again go; those that stay lose what divided them.
    const QString gone = QStringLiteral("select p.id_poz_dok from POZ_DOK p where p.id_nag_dok=? and %1 and p.id_poz_dok not in "
                                        "(select id_poz_dok from tmp_zr_line where id_poz_dok is not null)")
                             .arg(inScope(run, QStringLiteral("p")));
    db.execute(QStringLiteral("delete from BLOKADY_POZYCJI where id_poz_dok in (%1)").arg(gone), {doc});
    db.execute(QStringLiteral("delete from POZ_DOK where id_poz_dok in (%1)").arg(gone), {doc});
    db.execute(QStringLiteral("delete from POZ_DOK_CZASTKOWE where id_poz_dok in (select id_poz_dok from tmp_zr_line)"));
    db.execute(QStringLiteral("delete from MPK_DANE where id_poz_dok in (select id_poz_dok from tmp_zr_line)"));

    const QString of = QStringLiteral("(select %1 from tmp_zr_line l where l.id_poz_dok=POZ_DOK.id_poz_dok)");
    const QString header = QStringLiteral("(select n.%1 from NAG_DOK n where n.id_nag_dok=POZ_DOK.id_nag_dok)");
    db.execute(QStringLiteral("update POZ_DOK set konto_wn=%1, konto_ma=%2, kwota_wn=%3, kwota_ma=%4, kwota_wn_w=%5, kwota_ma_w=%6, "
                              "waluta=%7, nr_ewid_dok=%8, data_okresu=%9, status=%10, czy_rk=10 "
                              "where id_nag_dok=? and id_poz_dok in (select id_poz_dok from tmp_zr_line where id_poz_dok is not null)")
                   .arg(of.arg(QStringLiteral("case when l.dt<>0 or l.dtw<>0 then l.konto else '' end")),
                        of.arg(QStringLiteral("case when l.ct<>0 or l.ctw<>0 then l.konto else '' end")), of.arg(QStringLiteral("l.dt")),
                        of.arg(QStringLiteral("l.ct")), of.arg(QStringLiteral("l.dtw")), of.arg(QStringLiteral("l.ctw")),
                        header.arg(QStringLiteral("waluta")), header.arg(QStringLiteral("nr_ewid_dok")),
                        header.arg(QStringLiteral("data_okresu")))
                   .arg(header.arg(QStringLiteral("status"))),
               {doc});
    db.execute(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, "
                              "kwota_wn_w, kwota_ma_w, waluta, kurs_waluty, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
                              "select n.id_nag_dok, n.id_firmy, n.id_lata_obrot, "
                              "coalesce((select max(p.lp) from POZ_DOK p where p.id_nag_dok=n.id_nag_dok), 0) + row_number() over (order by l.konto), "
                              "case when l.dt<>0 or l.dtw<>0 then l.konto else '' end, case when l.ct<>0 or l.ctw<>0 then l.konto else '' end, "
                              "l.dt, l.ct, l.dtw, l.ctw, n.waluta, 0, 'Bilans otwarcia', n.nr_ewid_dok, n.data_okresu, n.status, 10 "
                              "from tmp_zr_line l join NAG_DOK n on n.id_nag_dok=? where l.id_poz_dok is null"),
               {doc});
    db.execute(QStringLiteral("update tmp_zr_line set id_poz_dok=") + lineOfAccount() + QStringLiteral(" where id_poz_dok is null"), eightTimes);
    db::refreshLineCopies(db, doc);
}

void writeCostCentres(db::Database& db, const CurrencyRun& run) {
    const int64_t firm = run.closingYear.idFirmy;
    // The split of the sources' lines (those the balances count) netted per indicator set,
    // on the side of the line, the amount counted towards that side.
    const QString side = QStringLiteral("(case when l.dt - l.ct >= 0 then 1 else -1 end)");
    db.execute(QStringLiteral("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, wskaznik_2_id, "
                              "wskaznik_3_id, wskaznik_4_id, wskaznik_5_id, drzewo_zbior_id) "
                              "select l.id_poz_dok, ?, ?, case when %1=1 then 'WN' else 'MA' end, l.konto, "
                              "%1 * sum(case when m.strona='WN' then m.kwota else -m.kwota end), "
                              "m.wskaznik_1_id, m.wskaznik_2_id, m.wskaznik_3_id, m.wskaznik_4_id, m.wskaznik_5_id, m.drzewo_zbior_id "
                              "from tmp_zr_line l join tmp_zr_part t on t.target=l.konto and t.czesc<>1 "
                              "join MPK_DANE m on m.id_firmy=? and m.id_lata_obrot=? and m.konto=t.konto "
                              "join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                              "where l.mpk=1 and (p.status=2 or p.czy_rk=10) and %2=? "
                              "group by l.id_poz_dok, l.konto, l.dt, l.ct, m.wskaznik_1_id, m.wskaznik_2_id, m.wskaznik_3_id, "
                              "m.wskaznik_4_id, m.wskaznik_5_id, m.drzewo_zbior_id "
                              "having sum(case when m.strona='WN' then m.kwota else -m.kwota end)<>0")
                   .arg(side, currencyKey(QStringLiteral("p.waluta"))),
               {firm, run.nextYear.idLataObrot, firm, run.closingYear.idLataObrot, run.currency});
    db::refreshCostCentreLineCopies(db, db::CostCentreCopyScope::document(run.idNagDok));
}

} // namespace ksiega::server::closing
