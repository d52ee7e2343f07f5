#include "platform/server/YearClosing.h"

namespace ksiega::server {

std::optional<FiscalYear> nextFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    const std::optional<FiscalYear> current = loadFiscalYear(db, idFirmy, idLataObrot);
    if (!current) return std::nullopt;
    const std::optional<int64_t> next = db.scalarInt(
        QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and poczatek_roku>? "
                       "order by poczatek_roku limit 1"),
        {idFirmy, current->start});
    if (!next || *next == 0) return std::nullopt;
    return loadFiscalYear(db, idFirmy, *next);
}

// The closing itself arrives with its own files.
ClosingOutcome createNextYearOpeningBalance(db::Database&, const ClosingRequest&) {
    throw db::DbError(QStringLiteral("year-end closing not built yet"));
}

FiscalYear removeNextYearOpeningBalance(db::Database&, int64_t, int64_t, bool) {
    throw db::DbError(QStringLiteral("year-end closing not built yet"));
}

int64_t DODAJ_POZYCJE_ZAMKNIECIE_ROKU(db::Database&, int64_t, int64_t, int64_t, int64_t, const QString&, int, int64_t,
                                      ClosingRange, bool) {
    throw db::DbError(QStringLiteral("year-end closing not built yet"));
}

} // namespace ksiega::server
