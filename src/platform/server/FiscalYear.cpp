#include "platform/server/FiscalYear.h"
#include "platform/runtime/Date.h"

namespace ksiega::server {

int FiscalYear::openingPeriod() const { return date::openingPeriod(start); }
int FiscalYear::closingPeriod() const { return date::closingPeriod(end); }

std::vector<int> FiscalYear::periodDates() const {
    std::vector<int> dates{openingPeriod()};
    int y = date::year(start), m = date::month(start);
    const int lastY = date::year(end), lastM = date::month(end);
    while (y < lastY || (y == lastY && m <= lastM)) {
        dates.push_back(date::monthPeriod(y, m));
        if (++m > 12) { m = 1; ++y; }
    }
    dates.push_back(closingPeriod());
    return dates;
}

bool hasEarlierYear(db::Database& db, int64_t idFirmy, int start) {
    return db.scalarInt(QStringLiteral("select 1 from LATA_OBROTOWE where id_firmy=? and poczatek_roku<? limit 1"), {idFirmy, start})
        .has_value();
}

std::optional<FiscalYear> loadFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    db::Rows r = db.select(QStringLiteral("select poczatek_roku, koniec_roku, zamkniete_bo from LATA_OBROTOWE "
                                          "where id_firmy=? and id_lata_obrot=?"),
                           {idFirmy, idLataObrot});
    if (!r.next()) return std::nullopt;
    FiscalYear y;
    y.idFirmy = idFirmy;
    y.idLataObrot = idLataObrot;
    y.start = r.integer(0);
    y.end = r.integer(1);
    y.zamknieteBo = r.integer(2);
    return y;
}

} // namespace ksiega::server
