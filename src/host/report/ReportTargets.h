#pragma once
// Reports that `ksiega report NAME [options] --pdf FILE | --text FILE | --png FILE` can produce. A
// report adds itself with one line in a file of its own under src/host/report/:
//
//   KSIEGA_REPORT_TARGET("PRN_62_KSIEGA_K", accountLedgerTarget);
//
// The function gets the parsed command line. Before it runs, the command has loaded the
// session from --db/--company/--year/--user/--date (session()) and lent its connection
// to the calling thread (moduleDatabase()). It lays the report out (layoutReport, no
// progress window) and returns the pages, or an error text for standard error. A wrong
// option may also be thrown as UsageError. The options the target reads besides the
// common ones are declared at registration: they are parsed, shown by `ksiega help
// report`, and anything else is refused.
#include "host/Subcommands.h"
#include "platform/report/PageModel.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace ksiega::host {

struct ReportTargetResult {
    std::optional<report::Document> document;
    QString error;

    static ReportTargetResult pages(report::Document document) { return {std::move(document), {}}; }
    static ReportTargetResult failed(const QString& error) { return {std::nullopt, error}; }
};

using ReportTargetFunction = std::function<ReportTargetResult(const Arguments&)>;

struct ReportTarget {
    QString name;
    ReportTargetFunction build;
    Options options;  // the target's own options
    // The report writes the user's work rows before it prints (the Rb forms fill their
    // statement rows), so its database is opened for writing; every other report only reads.
    bool writesWorkRows = false;
};

// Throws std::logic_error for a name already registered.
bool registerReportTarget(ReportTarget target);
const ReportTarget* findReportTarget(const QString& name);
QStringList reportTargetNames();
// The options every report takes: db, company, year, user, date, pdf, text, png.
Options commonReportOptions();

} // namespace ksiega::host

#define KSIEGA_REPORT_CAT2(a, b) a##b
#define KSIEGA_REPORT_CAT(a, b) KSIEGA_REPORT_CAT2(a, b)
// KSIEGA_REPORT_TARGET(name, fn [, Options options])
#define KSIEGA_REPORT_TARGET(name, fn, ...)                                                   \
    static const bool KSIEGA_REPORT_CAT(registeredReportTarget_, __LINE__) =                  \
        ::ksiega::host::registerReportTarget(::ksiega::host::ReportTarget{QStringLiteral(name), fn, ##__VA_ARGS__})
