#pragma once
// The account ledger printout laid out from the account period-turnover queue: one row
// per period with the period turnovers, the cumulative turnovers and the balance.
// "Razem na stronie" runs from the first row on (it is not restarted at a page break):
// period turnovers summed, cumulative turnovers and balances of the last row. "Razem"
// is the same at the end, followed by "Persaldo" of the final balances.
#include "frame/SessionContext.h"
#include "platform/report/Report.h"
#include "entries/turnovers/AccountPeriodQueue.h"
#include <functional>
#include <optional>

namespace ksiega::printouts {

// The account's name for the "Konto: " line; nullopt when the account has none.
using AccountNameLookup = std::function<std::optional<QString>(const QString& konto)>;

inline constexpr int kTitleLength = 150;

// Column indexes of the printout's amounts.
enum AccountLedgerColumn : int { Okres = 0, ObrotyDt, ObrotyCt, NarastajacoDt, NarastajacoCt, SaldoDt, SaldoCt };

// The description lines: the internal-use line (customer variant below 1), "Waluta: ",
// "Konto: " with the name (asked only when noAccountName is 0), then DANE_OPIS_PRN.
QStringList accountLedgerDescription(const SessionContext& session, const entries::AccountPeriodQueue& queue,
                                     uint8_t noAccountName, const AccountNameLookup& lookupName);

// The whole definition: heading (company, addresses, NIP, fiscal year, print date), the
// clipped title, description, columns and shading.
report::ReportDefinition accountLedgerDefinition(const SessionContext& session, const entries::AccountPeriodQueue& queue,
                                                 const QString& title, uint8_t noAccountName,
                                                 const AccountNameLookup& lookupName);

report::Row accountLedgerRow(const entries::PeriodTurnoverRow& row);

// Hands the queue's rows to a report source, stopping when the layout is stopped.
void feedAccountLedgerRows(const std::vector<entries::PeriodTurnoverRow>& rows, report::RowSink& sink);

} // namespace ksiega::printouts
