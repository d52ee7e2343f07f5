// The transfer report: one "GEN_BO2" row per plan-change row, saying what it moved in
// each currency.
#include "platform/runtime/Money.h"
#include "platform/server/closing/ClosingSteps.h"
#include <map>

namespace ksiega::server::closing {

void noteTransfers(db::Database& db, const CurrencyRun& run) {
    // A result account's balance is reported apart: it went to 860 (or nowhere), not to the
    // row's target.
    db.execute(QStringLiteral("insert into tmp_zr_report (zid, waluta, dt, ct, nrozr, brak, zostaje, wynik, wdt, wct, w860) "
                              "select s.zid, ?, "
                              "coalesce(sum(case when s.typ<>'W' and p.target<>p.konto and p.net>0 then p.net else 0 end), 0), "
                              "coalesce(sum(case when s.typ<>'W' and p.target<>p.konto and p.net<0 then -p.net else 0 end), 0), "
                              "(select count(*) from tmp_zr_rozr r where r.zid=s.zid and r.target<>r.konto), "
                              "max(case when s.stan=2 then 1 else 0 end), max(case when s.stan=1 then 1 else 0 end), "
                              "max(case when s.typ='W' then 1 else 0 end), "
                              "coalesce(sum(case when s.typ='W' and s.net>0 then s.net else 0 end), 0), "
                              "coalesce(sum(case when s.typ='W' and s.net<0 then -s.net else 0 end), 0), "
                              "min(case when s.typ='W' and s.stan=4 then 0 else 1 end) "
                              "from tmp_zr_src s left join tmp_zr_part p on p.konto=s.konto where s.zid<>0 group by s.zid"),
               {run.currency});
}

void writeTransferReport(db::Database& db, const FiscalYear& closingYear, int64_t userNumber) {
    struct Note {
        QString currency;
        int64_t dt = 0, ct = 0, settlements = 0;
        bool missing = false, stays = false;
        bool result = false;          // result accounts met the row
        int64_t resultDt = 0, resultCt = 0;
        bool to860 = true;
    };
    std::map<int64_t, std::vector<Note>> notes;
    db::Rows n = db.select(QStringLiteral("select zid, waluta, cast(dt as bigint), cast(ct as bigint), cast(nrozr as bigint), brak, zostaje, "
                                          "wynik, cast(wdt as bigint), cast(wct as bigint), w860 "
                                          "from tmp_zr_report order by zid, case when waluta='PLN' then 0 else 1 end, waluta"));
    while (n.next())
        notes[n.int64(0)].push_back({n.text(1), n.int64(2), n.int64(3), n.int64(4), n.integer(5) == 1, n.integer(6) == 1,
                                     n.integer(7) == 1, n.int64(8), n.int64(9), n.integer(10) == 1});
    auto sidesText = [](int64_t dt, int64_t ct) {
        QStringList sides;
        if (dt != 0) sides << QStringLiteral("Dt ") + Money::fromMinor(dt).toDisplay();
        if (ct != 0) sides << QStringLiteral("Ct ") + Money::fromMinor(ct).toDisplay();
        return sides.join(QStringLiteral(", "));
    };

    struct Change { int64_t id; QString from, to; int rows; };
    std::vector<Change> changes;
    db::Rows z = db.select(QStringLiteral("select z.id_zmiana_planu_kont, z.z_konta, z.na_konto, (select count(*) from ZMIANA_PLANU_KONT d "
                                          "where d.id_firmy=z.id_firmy and d.id_lata_obrot=z.id_lata_obrot and d.z_konta=z.z_konta) "
                                          "from ZMIANA_PLANU_KONT z where z.id_firmy=? and z.id_lata_obrot=? order by z.id_zmiana_planu_kont"),
                           {closingYear.idFirmy, closingYear.idLataObrot});
    while (z.next()) changes.push_back({z.int64(0), z.text(1), z.text(2), z.integer(3)});

    for (const Change& c : changes) {
        QStringList remarks;
        bool result = false;
        for (const Note& note : notes[c.id]) result = result || note.result;
        if (result) {
            // Result accounts do not follow the plan change: their balance closes to 860.
            remarks << QStringLiteral("konto wynikowe: saldo przechodzi na konto 860, nie na konto docelowe z tabeli zmian");
            for (const Note& note : notes[c.id]) {
                const QString amount = sidesText(note.resultDt, note.resultCt);
                if (amount.isEmpty()) continue;
                remarks << (note.to860 ? QStringLiteral("%1: na konto 860 przeniesiono %2").arg(note.currency, amount)
                                       : QStringLiteral("%1: saldo %2 nie zostało przeniesione, bo w planie kont następnego roku "
                                                        "nie ma konta 860")
                                             .arg(note.currency, amount));
            }
            if (remarks.size() == 1) remarks << QStringLiteral("brak salda");
        } else if (c.rows > 1) {
            remarks << QStringLiteral("konto występuje w tabeli zmian więcej niż raz: saldo pozostało na koncie %1").arg(c.from);
        } else {
            int64_t settlements = 0;
            bool missing = false;
            for (const Note& note : notes[c.id]) {
                const QString amount = sidesText(note.dt, note.ct);
                if (!amount.isEmpty()) remarks << QStringLiteral("%1: przeniesiono %2").arg(note.currency, amount);
                settlements += note.settlements;
                missing = missing || note.missing;
            }
            if (settlements > 0) remarks << QStringLiteral("przeniesionych rozrachunków: %1").arg(settlements);
            if (missing) remarks << QStringLiteral("brak konta docelowego w planie kont następnego roku: saldo nie zostało przeniesione");
            if (remarks.isEmpty()) remarks << QStringLiteral("brak salda");
        }
        db.execute(QStringLiteral("insert into KOMUNIKAT (id_uzytkownika, kontekst, tekst1, tekst2, tekst3) values (?, 'GEN_BO2', ?, ?, ?)"),
                   {userNumber, c.from.left(250), c.to.left(60), remarks.join(QStringLiteral("; ")).left(250)});
    }
    db.execute(QStringLiteral("delete from tmp_zr_report"));
}

} // namespace ksiega::server::closing
