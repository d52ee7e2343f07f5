#pragma once
// The server functions of budget units: names of classification symbols, the plan of a
// symbol, the global parameters and the address of a company. Each is also registered by
// name, so that "select dbo.NAME(...)" sent as text reaches it.
//
// A classification symbol is dział, rozdział, paragraf and an optional analytic part
// joined by the company's separator ("801-80101-4010-01"). KLASYFIKACJA_BUDZETOWA names
// every prefix of a symbol under the prefix itself: "801" (poziom 1), "801-80101" (2),
// "801-80101-4010" (3), "801-80101-4010-01" (4); a name holds from data_od to data_do.
// Amounts are grosze.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"

namespace ksiega::server {

// What TG_Klasyfikacja_Info names (its last argument):
//   0, 1, 2: the level of a prefix, given as the number of separators in it (0 = dział,
//            1 = rozdział, 2 = paragraf): the prefix's own name;
//   3:       a symbol that ends with the separator: the name of the symbol without it;
//   4:       a complete symbol: its name, or, for an analytic symbol without a name of its
//            own, the name of its paragraf.
// The side ('W' or 'D') picks names kept for that side or for both (typ ''). "" when the
// dictionary holds no name valid on the date.
QString TG_Klasyfikacja_Info(db::Database& db, int64_t idFirmy, const QString& symbol, int date, const QString& separator,
                             const QString& side, int mode);

// The plan after changes of exactly `symbol` on `side`: the adopted plan and every change
// of the fiscal year that holds `to`, dated up to `to` (data_planu <= to). `from` is taken for the same signature as the
// database function and does not narrow the sum (a plan is in force, not booked, over a
// period). mode 2 is the only mode; any other gives 0.
Money TG_BT_Plan(db::Database& db, int64_t idFirmy, int from, int to, const QString& symbol, const QString& side, int mode);

// The same for `symbol` and every symbol below it (symbol + separator + ...), so that a
// paragraf's plan includes its analytic symbols' plans.
Money TG_BT_Plan_Sub(db::Database& db, int64_t idFirmy, int from, int to, const QString& symbol, const QString& side, int mode,
                     const QString& separator = QStringLiteral("-"));

// A global parameter of the company by name ('BeKodW', 'BeKodP', 'BeKodG', 'BeTypG',
// 'BeTypP'); "" when it is not kept.
QString fn_fk_PobierzParamGlo(db::Database& db, int64_t idFirmy, const QString& name);

// A line of the company's address of kind `kind` ('S' the registered seat) in force on
// `date` (the latest data_od not after it): line 1 street and house number, line 2 postal
// code and town; "" when none is in force.
QString tg_AdresFirmy(db::Database& db, int64_t idFirmy, int date, const QString& kind, int line);

} // namespace ksiega::server
