#pragma once
// The turnovers and balances of the accounts as OBROTY_I_SALDA holds them: the rows of
// the trial-balance command, of the turnover statement of the ledger print library and
// of the turnover list of the ledger by periods, read in one way.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include "platform/server/FiscalYear.h"
#include <functional>

namespace ksiega::server {

// The turnover list's sort choices: by account, or by one of the four amounts shown
// (the account, then the period, break ties).
// PeriodThenAccount: every period's rows one after another, each by account, as the
// table's unique key holds them (the trial balance of every period).
enum class TrialBalanceSort { Account, TurnoverDt, TurnoverCt, BalanceDt, BalanceCt, PeriodThenAccount };

struct TrialBalanceQuery {
    int64_t company = 0;        // id_firmy
    int64_t year = 0;           // id_lata_obrot
    int periodDate = 0;         // one period (BO, a month, BZ); 0: every period of the year
    QString currency;           // "" or PLN: the PLN amounts; another symbol: the amounts in that currency
    bool withUnposted = false;  // PLN only: the figures that count unposted documents as well (*_2)
    QString where;              // a further condition on OBROTY_I_SALDA, already translated to SQL; "" none
    TrialBalanceSort sort = TrialBalanceSort::Account;
    bool descending = false;    // every sort key descending
};

struct TrialBalanceRow {
    QString konto;
    int periodDate = 0;
    Money obrotyDt, obrotyCt, saldoDt, saldoCt;
};

// "BO", "BZ" or "YYYY-MM" of a month inside the year, as a period date; nullopt otherwise.
std::optional<int> parsePeriod(const FiscalYear& year, const QString& text);
// The name parsePeriod reads back: "BO" (day 1), "BZ" (day 28), "YYYY-MM" for a month.
QString periodName(int periodDate);

// The four amount columns the query reads: obr_wn, obr_ma, saldo_wn, saldo_ma with the
// suffix of its set ("", "_2" or "_w").
QStringList trialBalanceColumns(const TrialBalanceQuery& query);

int64_t countTrialBalanceRows(db::Database& db, const TrialBalanceQuery& query);

// Streams the rows in the query's order; stops early when `row` returns false.
void forEachTrialBalanceRow(db::Database& db, const TrialBalanceQuery& query,
                            const std::function<bool(const TrialBalanceRow&)>& row);

} // namespace ksiega::server
