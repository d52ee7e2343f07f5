#pragma once
// A fiscal year of a company as the server procedures need it: its first and last day
// and the period dates in between (BO on day 1 of the first month, each month on day 2,
// BZ on day 28 of the last month).
#include "platform/db/Database.h"
#include <optional>
#include <vector>

namespace ksiega::server {

struct FiscalYear {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    int start = 0;          // poczatek_roku, day number
    int end = 0;            // koniec_roku
    int zamknieteBo = 0;

    int openingPeriod() const;
    int closingPeriod() const;
    // BO, every month of the year in order, BZ: ascending day numbers.
    std::vector<int> periodDates() const;
};

// Whether the company has a fiscal year that begins before `start`. Such a later year takes
// its opening balance from the closing of the year before.
bool hasEarlierYear(db::Database& db, int64_t idFirmy, int start);

// The year, or nullopt when the company has no such year.
std::optional<FiscalYear> loadFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

} // namespace ksiega::server
