// ksiega trial-balance: the turnovers and balances of every account in one period and
// currency, as CSV or JSON: exactly the turnover view of "Przeglądanie stanu kont"
// (KSIEGA_WG_OKRESOW) on that period and currency, read through its controller.
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/server/FiscalYear.h"
#include "host/BatchWindowServices.h"
#include "ledger/periods/KsiegaWgOkresowController.h"
#include "platform/server/TrialBalance.h"
#include <QTextStream>

namespace ksiega::host {

namespace {
int trialBalance(const Arguments& args) {
    if (const QStringList unknown = args.unknownOptions({"db", "company", "year", "period", "currency", "format"});
        !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    const auto format = MachineTable::formatArgument(args);
    const QString currency = currencyArgument(args);

    auto db = openDatabase(args);
    const int64_t company = companyArgument(*db, args);
    const int64_t year = yearArgument(*db, company, args);
    const auto fiscalYear = server::loadFiscalYear(*db, company, year);
    const QString periodText = args.option(QStringLiteral("period"), QStringLiteral("BZ"));
    const auto period = server::parsePeriod(*fiscalYear, periodText);
    if (!period) throw UsageError(QStringLiteral("--period must be BO, BZ or YYYY-MM of the fiscal year, not '%1'").arg(periodText));

    // A batch session on the company and year; the rights of the window's buttons do not
    // apply to a listing.
    SessionContext session;
    session.DANE_ID_FIRMY = company;
    session.DANE_LATA_OBROTOWE = year;
    session.DANE_POCZATEK_ROKU = fiscalYear->start;
    session.DANE_KONIEC_ROKU = fiscalYear->end;
    session.DANE_DATA_OKRESU = *period;
    session.DANE_AKTYWNA_WALUTA = currency;
    session.DANE_ADMINISTRATOR = 1;
    BatchWindowServices services;
    ledger::KsiegaWgOkresowController window(*db, session, services);
    window.open();
    window.setViewMode(1);

    QTextStream out(stdout);
    MachineTable table(out, format, {"konto", "obroty_dt", "obroty_ct", "saldo_dt", "saldo_ct"});
    window.forEachTurnoverRow([&](const ledger::TurnoverRow& r) {
        table.addRow(r.konto, {r.obrotyDt, r.obrotyCt, r.saldoDt, r.saldoCt});
    });
    table.finish();
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("trial-balance"),
                  QStringLiteral("trial-balance --company C --year Y [--period BO|YYYY-MM|BZ] [--currency PLN] [--format csv|json]"),
                  trialBalance);

} // namespace ksiega::host
