// ksiega budget-sums: the rows of the budget classification report (plan, accumulated and
// period execution, "% realiz.", "Do realizacji") of one side and date range, detail and
// subtotal rows in print order, as CSV or JSON. poziom is 0 on a detail row and the level
// (1 dział .. 4 analytic) on a subtotal row.
#include "budget/reports/BudgetPreparation.h"
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/runtime/Date.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

int dayOption(const Arguments& args, const QString& name) {
    const auto text = args.option(name);
    if (!text) throw UsageError(QStringLiteral("--%1 is required").arg(name));
    const auto day = date::parseIso(*text);
    if (!day) throw UsageError(QStringLiteral("--%1: not a date (yyyy-mm-dd): %2").arg(name, *text));
    return *day;
}

int budgetSums(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const QString side = args.option(QStringLiteral("side"), QString()).trimmed().toUpper();
    if (side != QLatin1String("W") && side != QLatin1String("D")) throw UsageError(QStringLiteral("--side takes W or D"));
    const int from = dayOption(args, QStringLiteral("from"));
    const int to = dayOption(args, QStringLiteral("to"));
    if (from > to) throw UsageError(QStringLiteral("--from is after --to"));
    const QString basis = args.option(QStringLiteral("date-basis"), QStringLiteral("booking"));
    if (basis != QLatin1String("booking") && basis != QLatin1String("document"))
        throw UsageError(QStringLiteral("--date-basis takes booking or document"));

    BatchSession batch(args);
    budget::BudgetPrintSettings settings;
    settings.BT_PRN_DATA_OD = from;
    settings.BT_PRN_DATA_DO = to;
    settings.BT_PRN_KONTEKST_DATY = basis == QLatin1String("document") ? 1 : 0;
    settings.BT_PRN_CZY_PLAN = true;
    settings.BT_PRN_CZY_SYNTETYKI = true;
    const budget::PreparedClassification prepared = budget::prepareClassification(
        batch.db(), budget::BudgetScope::of(batch.session()), settings, side, args.option(QStringLiteral("filter"), QString()), 2);
    if (!prepared.ok()) {
        QTextStream(stderr) << "ksiega budget-sums: " << prepared.error << "\n";
        return 1;
    }
    QTextStream out(stdout);
    MachineTable table(out, format,
                       {QStringLiteral("symbol"), QStringLiteral("poziom"), QStringLiteral("plan"), QStringLiteral("wykonanie_nar"),
                        QStringLiteral("koszty_nar"), QStringLiteral("zaangazowanie_nar"), QStringLiteral("wykonanie"),
                        QStringLiteral("koszty"), QStringLiteral("zaangazowanie"), QStringLiteral("procent"),
                        QStringLiteral("do_realizacji")});
    for (const budget::ClassificationEntry& e : prepared.queue) {
        const budget::ClassificationFigures& f = e.figures;
        table.addRow(e.symbol, {e.detail ? 0 : e.separators + 1},
                     {f.plan, f.accumulated[0], f.accumulated[1], f.accumulated[2], f.period[0], f.period[1], f.period[2],
                      Money::fromMinor(f.percentHundredths()), f.toRealise()});
    }
    table.finish();
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("budget-sums"),
                  QStringLiteral("the rows of the budget classification report: plan, execution accumulated and in the "
                                 "period, per cent realised and left to realise, per symbol and subtotal"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("side", "W|D", "expenditure (W) or revenue (D)").required(),
                              Option::value("from", "yyyy-mm-dd", "the first day of the period").required(),
                              Option::value("to", "yyyy-mm-dd", "the last day of the period").required(),
                              Option::value("date-basis", "booking|document", "the date the range applies to").defaultsTo("booking"),
                              Option::value("filter", "EXPR", "a record filter on the budget lines (BTV: fields)"),
                              options::format()},
                  budgetSums);

} // namespace ksiega::host
