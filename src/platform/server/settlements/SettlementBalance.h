#pragma once
// What is left of a settlement on a date: its amount on its side, signed (a correction
// counts negative), less the clearings dated up to that date. Clearings dated later do
// not count; date 0 counts every clearing (the current remaining amount). A settlement
// on the other side has 0 on this one.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>

namespace ksiega::server {

enum class BalanceAmount { Pln = 0, Currency = 1 };

// Called by name as TG_SaldoRozrachNaDzienTovarix(settlement, date, 'WN'|'MA', mode), mode
// 0 in PLN, 1 in the settlement's currency: one row, one column (grosze). An unknown
// settlement has 0; an unknown side or mode is refused (db::DbError).
Money TG_SaldoRozrachNaDzienTovarix(db::Database& db, int64_t idRozrachunku, int date, const QString& strona,
                                    BalanceAmount amount = BalanceAmount::Pln);

// The same as an expression for a select list or a condition on either engine: `alias`
// names any row with the settlement's id_rozrachunku (ROZRACHUNEK, ROZRACHUNEK_VIEW,
// ROZRACHUNEK_VIEW_TOVARIX, ...). Its values are bound: the expression's `?` take
// `params`, in order, wherever the expression stands among the statement's `?`.
struct BoundExpression {
    QString sql;
    db::Params params;
};
BoundExpression balanceOnDateSql(const QString& alias, int date, const QString& strona, BalanceAmount amount = BalanceAmount::Pln);
// The same on the settlement's own side, whichever it is.
BoundExpression balanceOnDateOwnSideSql(const QString& alias, int date, BalanceAmount amount = BalanceAmount::Pln);

} // namespace ksiega::server
