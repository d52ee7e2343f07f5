#pragma once
// A company, a fiscal year and ledger lines for tests that read POZ_DOK_VIEW_UNION.
#include "platform/db/Database.h"
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"

namespace ksiega::test {

struct LedgerLine {
    QString kontoWn;
    QString kontoMa;
    int64_t kwota = 0;        // grosze, on both sides present
    int status = 2;
    int czyRk = 0;
    QString opis;
    QString waluta;
};

struct Ledger {
    int64_t company = 0;
    int64_t year = 0;
    int64_t document = 0;
};

inline Ledger makeLedger(db::Database& db) {
    Ledger l;
    l.company = db.insertReturningId("insert into FIRMA (nazwa) values ('Test') returning id_firmy");
    l.year = db.insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?,?,?,?) returning id_lata_obrot",
        {l.company, "2026", date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    l.document = db.insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, status, nr_ewid_dok) values (?,?,2,'PK/1') returning id_nag_dok",
        {l.company, l.year});
    return l;
}

// Adds the lines in one bulk load; the lines' ids follow in order.
inline void addLines(db::Database& db, const Ledger& l, const std::vector<LedgerLine>& lines) {
    db::Transaction tx(db);
    auto w = db.bulkInsert("POZ_DOK", {"id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma", "kwota_wn",
                                       "kwota_ma", "status", "czy_rk", "opis", "waluta", "data_okresu", "syntetyka_wn",
                                       "syntetyka_ma"});
    int lp = 0;
    for (const LedgerLine& line : lines)
        w->add({l.document, l.company, l.year, ++lp, line.kontoWn, line.kontoMa, line.kontoWn.isEmpty() ? 0 : line.kwota,
                line.kontoMa.isEmpty() ? 0 : line.kwota, line.status, line.czyRk, line.opis, line.waluta,
                date::monthPeriod(2026, 3), db::accountFirstSegment(line.kontoWn), db::accountFirstSegment(line.kontoMa)});
    w->finish();
    tx.commit();
}

// n one-sided lines on account "201-01" of 1,00 each: n view rows.
inline void addSimpleLines(db::Database& db, const Ledger& l, int n) {
    std::vector<LedgerLine> lines(size_t(n), LedgerLine{"201-01", "", 100});
    addLines(db, l, lines);
}

} // namespace ksiega::test
