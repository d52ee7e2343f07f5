#pragma once
// An independent check of a year-end closing, from the document lines and settlements
// with plain SQL and maps: it never calls the closing's code.
#include "platform/db/Database.h"
#include <QString>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace ksiega::test {

// (account, currency key "PLN"/"EUR") -> {net PLN, net in currency}
using Nets = std::map<std::pair<QString, QString>, std::pair<int64_t, int64_t>>;

// The closing balance of every posted account of the year (posted or opening-balance lines).
Nets closingBalances(db::Database& db, int64_t idLataObrot);
// The net of the year's opening-balance lines per account and document currency.
Nets openingLines(db::Database& db, int64_t idLataObrot);
// The sources mapped to their targets and summed; `target` answers "" for a source that is
// not carried.
Nets mapped(const Nets& sources, const std::function<QString(const QString&)>& target);
// Lines of settlement accounts whose settlements do not add up per side, as "account".
std::set<QString> settlementMismatches(db::Database& db, int64_t idLataObrot);
// Accounts (every level) whose BO row of `next` differs from the BZ row of `closing` in
// OBROTY_I_SALDA, over the accounts `compare` accepts.
std::set<QString> turnoverMismatches(db::Database& db, int64_t idFirmy, int64_t closing, int bz, int64_t next, int bo,
                                     const std::function<bool(const QString&)>& compare);
// A readable difference of two net maps ("" when equal, zero entries ignored).
QString differences(const Nets& expected, const Nets& actual);

// A settlement as the check sees it: account, side, correction, currency key, amounts.
struct SettlementState {
    QString account, strona;
    bool korekta = false;
    QString currency;
    int64_t kwota = 0, kwotaW = 0;
    bool operator==(const SettlementState&) const = default;
};
// The settlements of the year with what is left of them at `end` (clearings dated later
// do not count), those with nothing left omitted; by id.
std::map<int64_t, SettlementState> openAtEnd(db::Database& db, int64_t idLataObrot, int end);
// The settlements of the year carried from an earlier year that hang on an opening-balance
// line of their own account and of their currency's document; by their source's id. Those
// that hang on no such line are listed under a negative key (minus their own id).
std::map<int64_t, SettlementState> carriedSettlements(db::Database& db, int64_t idLataObrot);

// (account, currency key, indicator set) -> signed cost-centre amount (Dt positive) of the
// year's counted lines, or with `openingOnly` of its opening-balance lines (currency of the
// document); zero sums omitted.
using CostNets = std::map<std::tuple<QString, QString, QString>, int64_t>;
CostNets costCentreNets(db::Database& db, int64_t idLataObrot, bool openingOnly);

// Every row of the year that a closing may touch (lines, settlements, their clearings,
// cost-centre splits, turnovers, documents), as text, for before/after comparisons.
QString yearState(db::Database& db, int64_t idLataObrot);

} // namespace ksiega::test
