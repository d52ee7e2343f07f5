#pragma once
// The year a benchmark ledger of `ksiega demo --lines N` is made in: company 1, 2026.
#include "platform/db/Database.h"
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

} // namespace ksiega::bench
