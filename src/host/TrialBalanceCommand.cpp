// ksiega trial-balance: the turnovers and balances of every account in one period and
// currency, as CSV or JSON: the rows of the turnover view of "Przeglądanie stanu kont"
// (KSIEGA_WG_OKRESOW) on that period and currency, by account. With --period all every
// period of the year in one statement: one row per account and period, the periods in
// order (BO, the months, BZ), each by account, as one run per period would print them,
// with the period's name in the column "okres".
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TrialBalance.h"
#include <QTextStream>

namespace ksiega::host {

namespace {
int trialBalance(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const QString currency = currencyArgument(args);

    BatchSession batch(args, BatchSession::Access::Read);
    const SessionContext& s = batch.session();
    const auto fiscalYear = server::loadFiscalYear(batch.db(), s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE);
    const QString periodText = args.option(QStringLiteral("period"), QStringLiteral("BZ"));
    const bool everyPeriod = periodText.trimmed().compare(QLatin1String("all"), Qt::CaseInsensitive) == 0;
    const auto period = everyPeriod ? std::optional<int>(0) : server::parsePeriod(*fiscalYear, periodText);
    if (!period)
        throw UsageError(QStringLiteral("--period must be BO, BZ, YYYY-MM of the fiscal year or all, not '%1'").arg(periodText));

    server::TrialBalanceQuery query;
    query.company = s.DANE_ID_FIRMY;
    query.year = s.DANE_LATA_OBROTOWE;
    query.periodDate = *period;
    query.currency = currency;
    query.withUnposted = s.customerVariant >= 1;

    QTextStream out(stdout);
    if (everyPeriod) {
        query.sort = server::TrialBalanceSort::PeriodThenAccount;
        MachineTable table(out, format, {"konto", "okres", "obroty_dt", "obroty_ct", "saldo_dt", "saldo_ct"});
        server::forEachTrialBalanceRow(batch.db(), query, [&](const server::TrialBalanceRow& r) {
            table.addRow(QStringList{r.konto, server::periodName(r.periodDate)}, {}, {r.obrotyDt, r.obrotyCt, r.saldoDt, r.saldoCt});
            return true;
        });
        table.finish();
        return 0;
    }
    MachineTable table(out, format, {"konto", "obroty_dt", "obroty_ct", "saldo_dt", "saldo_ct"});
    server::forEachTrialBalanceRow(batch.db(), query, [&](const server::TrialBalanceRow& r) {
        table.addRow(r.konto, {r.obrotyDt, r.obrotyCt, r.saldoDt, r.saldoCt});
        return true;
    });
    table.finish();
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("trial-balance"),
                  QStringLiteral("turnovers and balances of every account for a period"), QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("period", "BO|YYYY-MM|BZ|all", "the period, or all: every period of the year").defaultsTo("BZ"), options::currency(),
                              options::format()},
                  trialBalance);

} // namespace ksiega::host
