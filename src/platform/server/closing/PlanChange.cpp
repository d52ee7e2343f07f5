// Where each account of the closing year goes: its own number, a plan-change target, or,
// for a profit-and-loss account, account 860; and which of them the user chose.
#include "platform/runtime/Money.h"
#include "platform/server/closing/ClosingSteps.h"

namespace ksiega::server::closing {

namespace {

// A posting account (czy_analityka 1) of the year's chart, as a condition on `column`.
QString postingAccount(const QString& column) {
    return QStringLiteral("exists (select 1 from WARTOSCI_KONT w where w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=%1 "
                          "and w.czy_analityka=1)")
        .arg(column);
}

// The synthetic account's type in the closing year's chart, by the account's own row or
// else by its synthetic number.
QString typeOf(const QString& column) {
    return QStringLiteral("(select s.typ_konta from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
                          "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
                          "where w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=%1)")
        .arg(column);
}

} // namespace

QString amountText(int64_t net) {
    return net >= 0 ? QStringLiteral("Dt ") + Money::fromMinor(net).toDisplay()
                    : QStringLiteral("Ct ") + Money::fromMinor(-net).toDisplay();
}

void mapAccounts(db::Database& db, const CurrencyRun& run) {
    const int64_t firm = run.closingYear.idFirmy, year = run.closingYear.idLataObrot, next = run.nextYear.idLataObrot;
    db.execute(QStringLiteral("insert into tmp_zr_src (konto, synt, net, netw, typ, zlen, zcnt, zid, target, wybrane, stan, zalaczone) "
                              "select konto, konto, sum(wn) - sum(ma), sum(wnw) - sum(maw), 'B', 0, 0, 0, konto, 0, 0, 0 "
                              "from tmp_zr_saldo where waluta=? group by konto"),
               {run.currency});
    // The synthetic account: the number before the first dash.
    db.execute(QStringLiteral("update tmp_zr_src set synt=coalesce((select substr(tmp_zr_src.konto, 1, min(p.i) - 1) from tmp_zr_pos p "
                              "where p.i<=length(tmp_zr_src.konto) and substr(tmp_zr_src.konto, p.i, 1)='-'), konto)"));
    db.execute(QStringLiteral("update tmp_zr_src set typ=coalesce(%1, %2, 'B')")
                   .arg(typeOf(QStringLiteral("tmp_zr_src.konto")), typeOf(QStringLiteral("tmp_zr_src.synt"))),
               {firm, year, firm, year});
    if (run.skip980And998) db.execute(QStringLiteral("update tmp_zr_src set stan=5 where synt in ('980', '998')"));

    // Profit and loss: the result not yet closed goes to 860 when next year has it.
    const bool has860 = db.scalarInt(QStringLiteral("select 1 where ") + postingAccount(QStringLiteral("'860'")), {firm, next}).has_value();
    db.execute(QStringLiteral("update tmp_zr_src set target='860', stan=? where typ='W' and stan=0"), {has860 ? 0 : 4});
    db::Rows w = db.select(QStringLiteral("select cast(coalesce(sum(net), 0) as bigint), cast(coalesce(sum(netw), 0) as bigint) "
                                          "from tmp_zr_src where typ='W' and stan in (0, 4)"));
    if (w.next() && (w.int64(0) != 0 || w.int64(1) != 0)) {
        QString amount = amountText(w.int64(0));
        if (run.currency != QLatin1String("PLN") && w.int64(1) != 0) amount += QStringLiteral("; %1 %2").arg(run.currency, amountText(w.int64(1)));
        addProblem(db, run.userNumber,
                   has860 ? QStringLiteral("Wynik finansowy nie został zamknięty: saldo kont wynikowych przeniesiono na konto 860 (%1).").arg(amount)
                          : QStringLiteral("Wynik finansowy nie został zamknięty: saldo kont wynikowych (%1) nie zostało przeniesione, "
                                           "bo w planie kont następnego roku nie ma konta 860.").arg(amount),
                   run.currency);
    }

    // The plan change, applied once: the exact account, or a prefix at a dash that is not a
    // posting account of the closing year; the longest prefix wins. A result account finds
    // its row too (for the report), but its balance goes to 860 all the same.
    const QString matches = QStringLiteral(
        "from ZMIANA_PLANU_KONT z where z.id_firmy=? and z.id_lata_obrot=? and (z.z_konta=tmp_zr_src.konto "
        "or (substr(tmp_zr_src.konto, 1, length(z.z_konta) + 1)=z.z_konta || '-' and not exists (select 1 from WARTOSCI_KONT w "
        "where w.id_firmy=z.id_firmy and w.id_lata_obrot=z.id_lata_obrot and w.nr_konta=z.z_konta and w.czy_analityka=1)))");
    db.execute(QStringLiteral("update tmp_zr_src set zlen=coalesce((select max(length(z.z_konta)) %1), 0) where stan=0 or (stan=4 and typ='W')").arg(matches),
               {firm, year});
    const QString best = QStringLiteral("from ZMIANA_PLANU_KONT z where z.id_firmy=? and z.id_lata_obrot=? "
                                        "and z.z_konta=substr(tmp_zr_src.konto, 1, tmp_zr_src.zlen)");
    db.execute(QStringLiteral("update tmp_zr_src set zcnt=(select count(*) %1), zid=(select min(z.id_zmiana_planu_kont) %1) where zlen>0")
                   .arg(best),
               {firm, year, firm, year});
    db.execute(QStringLiteral("update tmp_zr_src set target=(select z.na_konto from ZMIANA_PLANU_KONT z where z.id_zmiana_planu_kont=tmp_zr_src.zid) "
                              "|| substr(konto, zlen + 1) where zcnt=1 and typ<>'W'"));
    db.execute(QStringLiteral("update tmp_zr_src set stan=1 where zcnt>1 and typ<>'W'"));
    db.execute(QStringLiteral("update tmp_zr_src set zalaczone=1 where zcnt=1 and typ<>'W' and exists (select 1 from ZMIANA_PLANU_KONT_ROZRACHUNKI a "
                              "where a.id_uzytkownika=? and a.id_zmiana_planu_kont=tmp_zr_src.zid)"),
               {run.userNumber});

    db::Rows dup = db.select(QStringLiteral("select substr(konto, 1, zlen), count(*) from tmp_zr_src where stan=1 and (net<>0 or netw<>0) "
                                            "group by substr(konto, 1, zlen) order by 1"));
    QStringList duplicated;
    while (dup.next()) duplicated << dup.text(0);
    for (const QString& account : duplicated)
        addProblem(db, run.userNumber,
                   QStringLiteral("Konto %1 występuje w tabeli zmian planu kont więcej niż raz: saldo pozostało na koncie %1.").arg(account),
                   run.currency);

    if (run.range == ClosingRange::Chosen)
        db.execute(QStringLiteral("update tmp_zr_src set wybrane=1 where exists (select 1 from ZAZNACZENIE z where z.id_uzytkownika=? "
                                  "and z.id_browsera=11 and trim(z.opis_elementu)<>'' and (tmp_zr_src.konto=trim(z.opis_elementu) "
                                  "or substr(tmp_zr_src.konto, 1, length(trim(z.opis_elementu)) + 1)=trim(z.opis_elementu) || '-'))"),
                   {run.userNumber});
}

void validateTargets(db::Database& db, const CurrencyRun& run) {
    const int64_t firm = run.nextYear.idFirmy, next = run.nextYear.idLataObrot;
    // Parts that reach no posting account of the next year are not written.
    db::Rows r = db.select(QStringLiteral("select p.konto, p.target, cast(sum(p.net) as bigint), cast(sum(p.netw) as bigint) from tmp_zr_part p "
                                          "where not ") + postingAccount(QStringLiteral("p.target")) +
                               QStringLiteral(" group by p.konto, p.target order by p.konto, p.target"),
                           {firm, next});
    struct Missing { QString konto, target; int64_t net, netw; };
    std::vector<Missing> missing;
    while (r.next()) missing.push_back({r.text(0), r.text(1), r.int64(2), r.int64(3)});
    for (const Missing& m : missing) {
        if (m.net == 0 && m.netw == 0) continue;
        QString amount = amountText(m.net);
        if (run.currency != QLatin1String("PLN") && m.netw != 0) amount += QStringLiteral("; %1 %2").arg(run.currency, amountText(m.netw));
        addProblem(db, run.userNumber,
                   m.konto == m.target
                       ? QStringLiteral("Konto %1 nie jest kontem analitycznym planu kont następnego roku: saldo (%2) nie zostało przeniesione.")
                             .arg(m.konto, amount)
                       : QStringLiteral("Konto docelowe %2 (z konta %1) nie jest kontem analitycznym planu kont następnego roku: "
                                        "saldo (%3) nie zostało przeniesione.")
                             .arg(m.konto, m.target, amount),
                   run.currency);
    }
    db.execute(QStringLiteral("update tmp_zr_src set stan=2 where exists (select 1 from tmp_zr_part p where p.konto=tmp_zr_src.konto "
                              "and p.target<>p.konto and not ") + postingAccount(QStringLiteral("p.target")) + QStringLiteral(")"),
               {firm, next});
    db.execute(QStringLiteral("delete from tmp_zr_part where not ") + postingAccount(QStringLiteral("tmp_zr_part.target")), {firm, next});
}

} // namespace ksiega::server::closing
