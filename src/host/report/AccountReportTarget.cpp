// `ksiega report RAPORT_DLA_KONTA --account A --from D --to D [--date-kind K] [--currency X]
//  [--code C]`: the account (65), cash (66) or bank (67) report of one range, as "Raport z
// konta" prints it (dates ISO yyyy-mm-dd; K 0 = document date, 1 = posting date).
#include "frame/SessionContext.h"
#include "host/BatchWindowServices.h"
#include "frame/database/ModuleDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/runtime/Date.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "printouts/accountreport/AccountReportController.h"
#include "entries/print/LedgerListingStart.h"

namespace ksiega::host {

namespace {

int dateOption(const Arguments& args, const QString& name) {
    const auto text = args.option(name);
    if (!text) throw UsageError(QStringLiteral("--%1 is required").arg(name));
    const auto day = date::parseIso(*text);
    if (!day) throw UsageError(QStringLiteral("--%1: not a date (yyyy-mm-dd): %2").arg(name, *text));
    return *day;
}

ReportTargetResult accountReportTarget(const Arguments& args) {
    SessionContext& s = session();
    const auto account = args.option(QStringLiteral("account"));
    if (account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));
    const int from = dateOption(args, QStringLiteral("from"));
    const int to = dateOption(args, QStringLiteral("to"));
    if (from > to) throw UsageError(QStringLiteral("--from is after --to"));
    if (from < s.DANE_POCZATEK_ROKU || to > s.DANE_KONIEC_ROKU)
        return ReportTargetResult::failed(QStringLiteral("Zakres dat wykracza poza bieżacy rok obrotowy."));
    const QString kind = args.option(QStringLiteral("date-kind"), QStringLiteral("0"));
    if (kind != QLatin1String("0") && kind != QLatin1String("1")) throw UsageError(QStringLiteral("--date-kind takes 0 or 1"));

    const int code = args.option(QStringLiteral("code"), QStringLiteral("65")).toInt();
    if (code != printouts::kAccountReport && code != printouts::kCashReport && code != printouts::kBankReport)
        throw UsageError(QStringLiteral("--code takes 65, 66 or 67"));

    // The window's "Drukuj" with the chooser answered by --code; the listing is laid out here.
    // The window's "Drukuj" with the chooser answered by --code.
    BatchWindowServices services(code);
    printouts::AccountReportController controller(moduleDatabase(), services);
    controller.addRange({from == to, from, to, account->trimmed()});
    const bool posting = kind == QLatin1String("1");
    controller.setDateKind(posting ? printouts::DateKind::Posting : printouts::DateKind::Document);
    controller.setCurrency(args.option(QStringLiteral("currency"), s.activeCurrency()));
    const std::optional<printouts::PrintRequest> request = controller.print(0, posting ? 1 : 2, false);
    if (!request) return ReportTargetResult::failed(QStringLiteral("nothing to print"));

    ledgerprint::ListingJob job = entries::sessionListingJob(s, request->parameters, request->filter, request->heading);
    job.currency = controller.currency();
    job.broughtForward = {request->carriedInDt, request->carriedInCt};
    report::RunResult r = ledgerprint::layoutListing(job, moduleDatabase());
    if (!r.error.isEmpty()) return ReportTargetResult::failed(r.error);
    return ReportTargetResult::pages(std::move(r.document));
}

} // namespace

KSIEGA_REPORT_TARGET("RAPORT_DLA_KONTA", accountReportTarget,
                     Options{options::account().required(),
                             Option::value("from", "yyyy-mm-dd", "the first day of the range").required(),
                             Option::value("to", "yyyy-mm-dd", "the last day of the range").required(),
                             Option::value("date-kind", "0|1", "0: by document date, 1: by posting date").defaultsTo("0"),
                             Option::value("currency", "X", "the currency (default: the session's)"),
                             Option::value("code", "65|66|67", "account, cash or bank report").defaultsTo("65")});

} // namespace ksiega::host
