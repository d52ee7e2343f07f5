// `ksiega report PRN_BT_PLAN|PRN_BT_KLASYFIKACJA|PRN_BT_KLASYFIKACJA_PELNY|PRN_BT_DOWODY|PRN_BT_RB27|PRN_BT_RB30
//  --side W|D --from D --to D [--date-basis booking|document] [--subtotals --level 1..4] [--with-plan] [--wrap]
//  [--accounts] [--sort 1..8 [--desc]] [--filter EXPR]`: the budget printouts of the session's company and year,
// laid out as "Parametry drukowania" would start them. The Rb forms are printed from the
// user's prepared rows; this command prepares them first and fills their amounts with the
// stand-in of the statement engine (plan and execution of the period).
#include "budget/reports/BudgetReports.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/runtime/Date.h"

namespace ksiega::host {

namespace {

int dayOption(const Arguments& args, const QString& name) {
    const auto text = args.option(name);
    if (!text) throw UsageError(QStringLiteral("--%1 is required").arg(name));
    const auto day = date::parseIso(*text);
    if (!day) throw UsageError(QStringLiteral("--%1: not a date (yyyy-mm-dd): %2").arg(name, *text));
    return *day;
}

int numberOption(const Arguments& args, const QString& name, int fallback, int low, int high) {
    bool ok = false;
    const int n = args.option(name, QString::number(fallback)).toInt(&ok);
    if (!ok || n < low || n > high) throw UsageError(QStringLiteral("--%1 must be a number from %2 to %3").arg(name).arg(low).arg(high));
    return n;
}

budget::BudgetReportJob jobOf(const Arguments& args, int report) {
    SessionContext& s = session();
    budget::BudgetReportJob job;
    job.report = report;
    job.side = args.option(QStringLiteral("side"), QString()).trimmed().toUpper();
    if (job.side != QLatin1String("W") && job.side != QLatin1String("D")) throw UsageError(QStringLiteral("--side takes W or D"));
    auto& st = job.settings;
    st.BT_PRN_DATA_OD = dayOption(args, QStringLiteral("from"));
    st.BT_PRN_DATA_DO = dayOption(args, QStringLiteral("to"));
    if (st.BT_PRN_DATA_OD > st.BT_PRN_DATA_DO) throw UsageError(QStringLiteral("--from is after --to"));
    const QString basis = args.option(QStringLiteral("date-basis"), QStringLiteral("booking"));
    if (basis != QLatin1String("booking") && basis != QLatin1String("document"))
        throw UsageError(QStringLiteral("--date-basis takes booking or document"));
    st.BT_PRN_KONTEKST_DATY = basis == QLatin1String("document") ? 1 : 0;
    st.BT_PRN_CZY_SYNTETYKI = args.flag(QStringLiteral("subtotals"));
    st.BT_PRN_POZIOM = st.BT_PRN_CZY_SYNTETYKI ? numberOption(args, QStringLiteral("level"), 4, 1, 4) : 4;
    st.BT_PRN_CZY_PLAN = args.flag(QStringLiteral("with-plan"));
    st.BT_PRN_ZAWIJAJ_WIERSZE = args.flag(QStringLiteral("wrap"));
    st.BT_PRN_CZY_KONTA_KSIEGOWE = args.flag(QStringLiteral("accounts")) ? 1 : 0;
    job.sortOrder = numberOption(args, QStringLiteral("sort"), 1, 1, 8);
    job.descending = args.flag(QStringLiteral("desc"));
    job.filter = args.option(QStringLiteral("filter"), QString());
    job.scope = budget::BudgetScope::of(s);
    job.heading = budget::budgetReportHeading(report);
    job.description = s.DANE_OPIS_PRN;
    return job;
}

ReportTargetResult budgetTarget(const Arguments& args, int report) {
    budget::BudgetReportJob job = jobOf(args, report);
    db::Database& db = moduleDatabase();
    if (report == budget::kRb27Form || report == budget::kRb30Form) {
        const budget::PreparedClassification forms =
            budget::prepareForms(db, job.scope, job.settings, job.side, job.filter, 50);
        if (!forms.ok()) return ReportTargetResult::failed(forms.error);
        const QString error = budget::fillFormColumnsStandIn(db, job.scope, forms, 50);
        if (!error.isEmpty()) return ReportTargetResult::failed(error);
    }
    budget::BudgetReportResult r = budget::layOutBudgetReport(db, job);
    if (!r.document) return ReportTargetResult::failed(r.error);
    return ReportTargetResult::pages(std::move(*r.document));
}

Options budgetOptions() {
    return Options{Option::value("side", "W|D", "expenditure (W) or revenue (D)").required(),
                   Option::value("from", "yyyy-mm-dd", "the first day of the period").required(),
                   Option::value("to", "yyyy-mm-dd", "the last day of the period").required(),
                   Option::value("date-basis", "booking|document", "the date the range applies to").defaultsTo("booking"),
                   Option::flag("subtotals", "print the subtotals of the higher levels"),
                   Option::value("level", "1..4", "with --subtotals: the depth printed (1 dział .. 4 all)").defaultsTo("4"),
                   Option::flag("with-plan", "take symbols from the plan too"),
                   Option::flag("wrap", "wrap long descriptions"),
                   Option::flag("accounts", "full report: accounts instead of budget properties"),
                   Option::value("sort", "1..8", "entries report: the view's sort order").defaultsTo("1"),
                   Option::flag("desc", "entries report: descending"),
                   Option::value("filter", "EXPR", "a record filter on the budget lines (BTV: fields)")};
}

} // namespace

KSIEGA_REPORT_TARGET("PRN_BT_PLAN", [](const Arguments& a) { return budgetTarget(a, budget::kPlanReport); }, budgetOptions());
KSIEGA_REPORT_TARGET("PRN_BT_KLASYFIKACJA", [](const Arguments& a) { return budgetTarget(a, budget::kClassificationReport); },
                     budgetOptions());
KSIEGA_REPORT_TARGET("PRN_BT_KLASYFIKACJA_PELNY",
                     [](const Arguments& a) { return budgetTarget(a, budget::kFullClassificationReport); }, budgetOptions());
KSIEGA_REPORT_TARGET("PRN_BT_DOWODY", [](const Arguments& a) { return budgetTarget(a, budget::kEntriesReport); }, budgetOptions());
KSIEGA_REPORT_TARGET("PRN_BT_RB27", [](const Arguments& a) { return budgetTarget(a, budget::kRb27Form); }, budgetOptions(), true);
KSIEGA_REPORT_TARGET("PRN_BT_RB30", [](const Arguments& a) { return budgetTarget(a, budget::kRb30Form); }, budgetOptions(), true);

} // namespace ksiega::host
