#pragma once
// Pieces that the turnover procedures share (the full recompute, the writers' change, the
// comparison): not for other callers.
#include "platform/db/Database.h"
#include "platform/server/FiscalYear.h"
#include <QStringList>

namespace ksiega::server::turnovers {

// The figures of a row of OBROTY_I_SALDA, in the table's order.
const QStringList& figureColumns();

// The accounts of one synthetic account's subtree as a condition on `column`: a range that
// an index on the column serves, narrowed to the synthetic itself and its dashed
// sub-accounts. Its bound values follow the statement's others (subtreeParams).
QString subtreeCondition(const QString& column);
db::Params subtreeParams(db::Params head, const QString& account);

// Takes the year for a change of its turnovers: a second recompute or change of it waits
// for this transaction. Throws db::DbError when the company has no such year.
FiscalYear lockYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

// The full recompute as the head of one read-only query ("with ... "): the statement that
// follows it reads tmp_turn_result (sym_waluty, data_okresu, nr_konta and the figures).
// `params` gets the head's bound values, which come before the statement's own.
QString yearQuery(db::Database& db, const FiscalYear& year, db::Params& params);

} // namespace ksiega::server::turnovers
