#pragma once
// The year a benchmark ledger of `ksiega demo --lines N` is made in: company 1, 2026.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/db/EntryRowId.h"
#include <QtGlobal>

namespace ksiega::bench {

struct DemoYear {
    int64_t id = 0;
    int start = 0, end = 0;
};

inline DemoYear demoYear(db::Database& db) {
    db::Rows r = db.select(QStringLiteral("select id_lata_obrot, poczatek_roku, koniec_roku from LATA_OBROTOWE "
                                          "where id_firmy=1 and rok_obrotowy='2026'"));
    if (!r.next()) qFatal("no fiscal year 2026 of company 1: make the database with ksiega demo --lines N");
    return {r.int64(0), r.integer(1), r.integer(2)};
}

// User 1's session in that year, as the windows are opened with it.
inline void openDemoSession(SessionContext& s, const DemoYear& y) {
    s.DANE_ID_FIRMY = 1;
    s.DANE_LATA_OBROTOWE = y.id;
    s.DANE_POCZATEK_ROKU = y.start;
    s.DANE_KONIEC_ROKU = y.end;
    s.DANE_ID_UZYTKOWNIKA_NR = 1;
}

// The bare SQL beside "Zaznacz wszystko" of an account prefix: the ids of both sides' posted
// entries inserted into `table` (id BIGINT PRIMARY KEY). Parameters: year, prefix%, year, prefix%.
inline QString bareMarkedIdsInsert(const QString& table) {
    return QStringLiteral("insert into %1 (id) select %2 from POZ_DOK where id_lata_obrot=? and konto_wn like ? and status=2 and "
                          "czy_rk<>10 union all select %3 from POZ_DOK where id_lata_obrot=? and konto_ma like ? and status=2 and "
                          "czy_rk<>10")
        .arg(table, db::EntryRowId::sql(QStringLiteral("id_poz_dok"), 0), db::EntryRowId::sql(QStringLiteral("id_poz_dok"), 1));
}

} // namespace ksiega::bench
