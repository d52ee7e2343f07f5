#pragma once
// The stored turnovers of a year against a full recompute from its documents.
#include "platform/db/Database.h"
#include <optional>
#include <vector>

namespace ksiega::server {

// One figure of OBROTY_I_SALDA where the stored row and the recompute differ. A row that
// only one side has gives a difference for each of its figures, the other side empty.
struct TurnoverDifference {
    QString account;
    QString currency;
    int period = 0;
    QString column;
    std::optional<int64_t> stored;
    std::optional<int64_t> recomputed;
};

// Every difference, by account, currency, period and column. Reads only: the recompute
// is one query, nothing is written (a connection that may only read will do). Throws
// db::DbError when the company has no such year.
std::vector<TurnoverDifference> compareTurnovers(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

} // namespace ksiega::server
