#pragma once
// The turnovers and balances of every account in one period and currency, as stored in
// OBROTY_I_SALDA: the figures behind the trial-balance listing of the command line.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include "platform/server/FiscalYear.h"
#include <functional>

namespace ksiega::server {

struct TrialBalanceRow {
    QString konto;
    Money obrotyDt, obrotyCt, saldoDt, saldoCt;
};

// "BO", "BZ" or "YYYY-MM" of a month inside the year, as a period date; nullopt otherwise.
std::optional<int> parsePeriod(const FiscalYear& year, const QString& text);

// Calls `row` for each account of the period and currency, in account order, streaming.
// For "PLN" the posted PLN set; for another currency the amounts in that currency.
void forEachTrialBalanceRow(db::Database& db, const FiscalYear& year, int periodDate, const QString& currency,
                            const std::function<void(const TrialBalanceRow&)>& row);

} // namespace ksiega::server
