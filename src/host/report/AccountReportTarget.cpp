// `ksiega report RAPORT_DLA_KONTA --account A --from D --to D [--date-kind K] [--currency X]`:
// the account report of one range (dates ISO yyyy-mm-dd; K 0 = document date, 1 =
// posting date).
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/runtime/Date.h"
#include "printouts/accountreport/AccountReportPrint.h"

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
    const SessionContext& s = session();
    const auto account = args.option(QStringLiteral("account"));
    if (!account || account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));
    const int from = dateOption(args, QStringLiteral("from"));
    const int to = dateOption(args, QStringLiteral("to"));
    if (from > to) throw UsageError(QStringLiteral("--from is after --to"));
    if (from < s.DANE_POCZATEK_ROKU || to > s.DANE_KONIEC_ROKU)
        return ReportTargetResult::failed(QStringLiteral("Zakres dat wykracza poza bieżacy rok obrotowy."));
    const QString kind = args.option(QStringLiteral("date-kind"), QStringLiteral("0"));
    if (kind != QLatin1String("0") && kind != QLatin1String("1")) throw UsageError(QStringLiteral("--date-kind takes 0 or 1"));

    printouts::AccountReportController controller(moduleDatabase());
    controller.addRange({from == to, from, to, account->trimmed()});
    controller.setDateKind(kind == QLatin1String("1") ? printouts::DateKind::Posting : printouts::DateKind::Document);
    controller.setCurrency(args.option(QStringLiteral("currency"), s.activeCurrency()));
    report::RunResult r = printouts::layoutAccountReport(moduleDatabase(), controller, printouts::kAccountReport);
    if (!r.error.isEmpty()) return ReportTargetResult::failed(r.error);
    return ReportTargetResult::pages(std::move(r.document));
}

} // namespace

KSIEGA_REPORT_TARGET("RAPORT_DLA_KONTA", accountReportTarget,
                     QStringList{QStringLiteral("account"), QStringLiteral("from"), QStringLiteral("to"),
                                 QStringLiteral("date-kind"), QStringLiteral("currency")},
                     QStringLiteral("--account A --from yyyy-mm-dd --to yyyy-mm-dd [--date-kind 0|1] [--currency X]"));

} // namespace ksiega::host
