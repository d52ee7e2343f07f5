// The transfer report: one "GEN_BO2" row per plan-change row, saying what it moved in
// each currency.
#include "platform/runtime/Money.h"
#include "platform/server/closing/ClosingSteps.h"
#include <map>

namespace ksiega::server::closing {

void noteTransfers(db::Database& db, const CurrencyRun& run) {
    db.execute(QStringLiteral("insert into tmp_zr_report (zid, waluta, dt, ct, nrozr, brak, zostaje) "
                              "select s.zid, ?, "
                              "coalesce(sum(case when p.target<>p.konto and p.net>0 then p.net else 0 end), 0), "
                              "coalesce(sum(case when p.target<>p.konto and p.net<0 then -p.net else 0 end), 0), "
                              "(select count(*) from tmp_zr_rozr r where r.zid=s.zid and r.target<>r.konto), "
                              "max(case when s.stan=2 then 1 else 0 end), max(case when s.stan=1 then 1 else 0 end) "
                              "from tmp_zr_src s left join tmp_zr_part p on p.konto=s.konto where s.zid<>0 group by s.zid"),
               {run.currency});
}

void writeTransferReport(db::Database& db, const FiscalYear& closingYear, int64_t userNumber) {
    struct Note { QString currency; int64_t dt = 0, ct = 0, settlements = 0; bool missing = false, stays = false; };
    std::map<int64_t, std::vector<Note>> notes;
    db::Rows n = db.select(QStringLiteral("select zid, waluta, cast(dt as bigint), cast(ct as bigint), cast(nrozr as bigint), brak, zostaje "
                                          "from tmp_zr_report order by zid, case when waluta='PLN' then 0 else 1 end, waluta"));
    while (n.next())
        notes[n.int64(0)].push_back({n.text(1), n.int64(2), n.int64(3), n.int64(4), n.integer(5) == 1, n.integer(6) == 1});

    struct Change { int64_t id; QString from, to; int rows; };
    std::vector<Change> changes;
    db::Rows z = db.select(QStringLiteral("select z.id_zmiana_planu_kont, z.z_konta, z.na_konto, (select count(*) from ZMIANA_PLANU_KONT d "
                                          "where d.id_firmy=z.id_firmy and d.id_lata_obrot=z.id_lata_obrot and d.z_konta=z.z_konta) "
                                          "from ZMIANA_PLANU_KONT z where z.id_firmy=? and z.id_lata_obrot=? order by z.id_zmiana_planu_kont"),
                           {closingYear.idFirmy, closingYear.idLataObrot});
    while (z.next()) changes.push_back({z.int64(0), z.text(1), z.text(2), z.integer(3)});

    for (const Change& c : changes) {
        QStringList remarks;
        if (c.rows > 1) {
            remarks << QStringLiteral("konto występuje w tabeli zmian więcej niż raz: saldo pozostało na koncie %1").arg(c.from);
        } else {
            int64_t settlements = 0;
            bool missing = false;
            for (const Note& note : notes[c.id]) {
                QStringList sides;
                if (note.dt != 0) sides << QStringLiteral("Dt ") + Money::fromMinor(note.dt).toDisplay();
                if (note.ct != 0) sides << QStringLiteral("Ct ") + Money::fromMinor(note.ct).toDisplay();
                if (!sides.isEmpty()) remarks << QStringLiteral("%1: przeniesiono %2").arg(note.currency, sides.join(QStringLiteral(", ")));
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
