// ksiega turnovers: the period-turnover list of one account (BO, the months, BZ) with
// period turnovers, running sums and balances, as CSV or JSON.
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/server/FiscalYear.h"
#include <QTextStream>

namespace ksiega::host {

namespace {
int turnovers(const Arguments& args) {
    if (const QStringList unknown = args.unknownOptions({"db", "company", "year", "account", "whole", "currency", "format"});
        !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    const auto format = MachineTable::formatArgument(args);
    const QString currency = currencyArgument(args);
    const QString whole = args.option(QStringLiteral("whole"), QStringLiteral("1"));
    if (whole != QLatin1String("0") && whole != QLatin1String("1")) throw UsageError(QStringLiteral("--whole must be 0 or 1"));
    const auto account = args.option(QStringLiteral("account"));
    if (!account || account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));

    auto db = openDatabase(args);
    const int64_t company = companyArgument(*db, args);
    const int64_t year = yearArgument(*db, company, args);
    const auto fiscalYear = server::loadFiscalYear(*db, company, year);
    if (!fiscalYear) throw UsageError(QStringLiteral("no fiscal year %1 for company %2").arg(year).arg(company));

    entries::PeriodTurnoverList list(*db);
    list.rebuild({company, year, fiscalYear->start, fiscalYear->end, currency, account->trimmed(), whole == QLatin1String("1"), 0});

    QTextStream out(stdout);
    MachineTable table(out, format,
                       {"okres", "obroty_dt", "obroty_ct", "narastajaco_dt", "narastajaco_ct", "saldo_dt", "saldo_ct"});
    for (const auto& r : list.rows())
        table.addRow(r.okres, {r.obrotyDt, r.obrotyCt, r.narastajacoDt, r.narastajacoCt, r.saldoDt, r.saldoCt});
    table.finish();
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("turnovers"),
                  QStringLiteral("turnovers --company C --year Y --account A [--whole 0|1] [--currency PLN] [--format csv|json]"),
                  turnovers);

} // namespace ksiega::host
