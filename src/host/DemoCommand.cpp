// ksiega demo: creates the demo database, or a large benchmark ledger with --lines.
#include "host/Subcommands.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DemoTarget.h"
#include "platform/db/demo/LedgerGenerator.h"
#include <QElapsedTimer>
#include <QTextStream>

namespace ksiega::host {
namespace {

int64_t positiveNumber(const Arguments& args, const QString& name, int64_t fallback) {
    const auto text = args.option(name);
    if (!text) return fallback;
    bool ok = false;
    const int64_t value = text->toLongLong(&ok);
    if (!ok || value <= 0) throw UsageError(QStringLiteral("--%1 must be a positive whole number").arg(name));
    return value;
}

int runDemo(const Arguments& args) {
    if (args.option("seed") && !args.option("lines")) throw UsageError(QStringLiteral("--seed goes with --lines"));
    if (args.flag(QStringLiteral("budget")) && !args.option("lines")) throw UsageError(QStringLiteral("--budget goes with --lines"));
    const QString url = args.option(QStringLiteral("db"), defaultDatabaseUrl());
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    db::demo::DemoTarget target(url, args.flag(QStringLiteral("force")));
    db::Database* db = &target.db();

    if (!args.option("lines")) {
        const auto summary = db::demo::buildDemoDatabase(*db);
        target.commit();
        out << QStringLiteral("Baza demonstracyjna %1: %2 dokumentów, %3 pozycji (%4 s)\n")
                   .arg(url).arg(summary.documents).arg(summary.lines).arg(timer.elapsed() / 1000.0, 0, 'f', 1);
        return 0;
    }
    db::demo::LedgerOptions options;
    options.lines = positiveNumber(args, QStringLiteral("lines"), 0);
    options.seed = uint64_t(positiveNumber(args, QStringLiteral("seed"), 1));
    if (args.flag(QStringLiteral("budget"))) {
        options.budget = true;
        options.company = db::demo::kBudgetUnit;
    }
    db::demo::buildDemoBase(*db);
    const auto r = db::demo::generateLedger(*db, options, [&](const QString& step) {
        out << QStringLiteral("  %1 ...\n").arg(step);
        out.flush();
    });
    target.commit();
    out << QStringLiteral("Księga %1: %2 pozycji w %3 dokumentach, %4 podziałów na MPK\n").arg(url).arg(r.lines).arg(r.documents)
               .arg(r.costCentreSplits);
    if (options.budget) out << QStringLiteral("  %1 pozycji klasyfikacji budżetowej (firma %2)\n").arg(r.budgetLines).arg(options.company);
    out
        << QStringLiteral("  ładowanie %1 s (%2 pozycji/s), indeksy %3 s, ANALYZE %4 s, obroty %5 s, razem %6 s (%7 pozycji/s)\n")
               .arg(r.loadSeconds, 0, 'f', 1).arg(qint64(r.lines / std::max(r.loadSeconds, 1e-3)))
               .arg(r.indexSeconds, 0, 'f', 1).arg(r.analyzeSeconds, 0, 'f', 1).arg(r.turnoverSeconds, 0, 'f', 1)
               .arg(r.totalSeconds, 0, 'f', 1).arg(qint64(r.lines / std::max(r.totalSeconds, 1e-3)));
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("demo"),
                  QStringLiteral("create the demo database, or with --lines a large benchmark ledger of N lines "
                                 "(company 1, 2026)"),
                  QString(),
                  Options{options::database(), Option::flag("force", "replace a database that holds data"),
                          Option::value("lines", "N", "a benchmark ledger of N lines"),
                          Option::value("seed", "S", "the benchmark ledger's seed (with --lines)"),
                          Option::flag("budget", "the benchmark ledger of the budget unit (company 2) with a budget line per line")},
                  runDemo);

} // namespace ksiega::host
