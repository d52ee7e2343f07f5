// ksiega report PRN_62_KSIEGA_K --account A [--whole 0|1] [--currency X] [--title T]:
// the period-turnover list of the account, built as the ledger browse builds it, put
// into the account period-turnover queue and printed from there.
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/MachineTable.h"
#include "host/report/ReportTargets.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/server/Accounts.h"
#include "printouts/accountledger/AccountLedgerReport.h"

namespace ksiega::host {

namespace {

ReportTargetResult accountLedgerTarget(const Arguments& args) {
    const auto account = args.option(QStringLiteral("account"));
    if (account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));
    const QString whole = args.option(QStringLiteral("whole"), QStringLiteral("1"));
    if (whole != QLatin1String("0") && whole != QLatin1String("1")) throw UsageError(QStringLiteral("--whole must be 0 or 1"));
    const QString currency = currencyArgument(args);

    SessionContext& s = session();
    db::Database& db = moduleDatabase();
    entries::PeriodTurnoverList list(db);
    list.rebuild({s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_POCZATEK_ROKU, s.DANE_KONIEC_ROKU, currency,
                  account->trimmed(), whole == QLatin1String("1"), s.customerVariant});
    entries::setAccountPeriodQueue({account->trimmed(), currency, list.rows()});

    const entries::AccountPeriodQueue queue = entries::accountPeriodQueue();
    const QString title = args.option(QStringLiteral("title"), QStringLiteral("Zestawienie obrotów i sald konta"));
    const int64_t firm = s.DANE_ID_FIRMY, year = s.DANE_LATA_OBROTOWE;
    const report::ReportDefinition def = printouts::accountLedgerDefinition(
        s, queue, title, 0, [&](const QString& konto) { return server::USTAL_NAZWE_KONTA(db, firm, year, konto); });
    s.DANE_OPIS_PRN.clear();
    report::RunResult result =
        report::layoutReport(def, [&](report::RowSink& sink) { printouts::feedAccountLedgerRows(queue.rows, sink); });
    if (!result.error.isEmpty()) return ReportTargetResult::failed(result.error);
    return ReportTargetResult::pages(std::move(result.document));
}

} // namespace

KSIEGA_REPORT_TARGET("PRN_62_KSIEGA_K", accountLedgerTarget,
                     Options{options::account().required(), options::whole(), options::currency(),
                             Option::value("title", "T", "the heading").defaultsTo("Zestawienie obrotów i sald konta")});

} // namespace ksiega::host
