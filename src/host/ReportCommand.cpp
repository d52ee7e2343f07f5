// ksiega report NAME [options] --pdf FILE | --text FILE | --png FILE: lays a report out
// for the session given by --company/--year (and --user, --date) and writes it to a PDF,
// a plain-text file or the first page as a PNG image.
#include "host/BatchSession.h"
#include "host/Subcommands.h"
#include "host/report/ReportTargets.h"
#include "platform/report/Report.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

int reportCommand(const Arguments& args) {
    const QString name = args.positional().value(0);
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("name one report: %1").arg(reportTargetNames().join(", ")));
    const ReportTarget* target = findReportTarget(name);
    if (!target) throw UsageError(QStringLiteral("no report %1; known: %2").arg(name, reportTargetNames().join(", ")));
    const QString pdf = args.option(QStringLiteral("pdf"), QString());
    const QString text = args.option(QStringLiteral("text"), QString());
    const QString png = args.option(QStringLiteral("png"), QString());
    if (int(!pdf.isEmpty()) + int(!text.isEmpty()) + int(!png.isEmpty()) != 1)
        throw UsageError(QStringLiteral("give one of --pdf FILE, --text FILE or --png FILE"));

    BatchSession batch(args, target->writesWorkRows ? BatchSession::Access::Write : BatchSession::Access::Read);
    const ReportTargetResult result = target->build(args);
    if (!result.document) {
        QTextStream(stderr) << "ksiega report " << name << ": " << result.error << "\n";
        return 1;
    }
    const report::Document& document = *result.document;
    const bool written = !pdf.isEmpty()    ? report::writePdf(document, pdf)
                         : !text.isEmpty() ? report::writeText(document, text)
                                           : report::writePageImage(document, 0, png, 110);
    const QString file = !pdf.isEmpty() ? pdf : !text.isEmpty() ? text : png;
    if (!written) {
        QTextStream(stderr) << "ksiega report: could not write " << file << "\n";
        return 1;
    }
    QTextStream(stdout) << file << " " << document.pages.size() << " pages\n";
    return 0;
}

// The options of the report named first; an unknown or missing name is refused here,
// before its options are looked at.
Options reportOptions(const QString& name) {
    if (name.isEmpty()) throw UsageError(QStringLiteral("name one report: %1").arg(reportTargetNames().join(", ")));
    const ReportTarget* target = findReportTarget(name);
    if (!target) throw UsageError(QStringLiteral("no report %1; known: %2").arg(name, reportTargetNames().join(", ")));
    return target->options;
}

QString reportsHelp() {
    QString text = QStringLiteral("reports:\n");
    for (const QString& name : reportTargetNames()) {
        QStringList words{QStringLiteral("  ") + name};
        for (const Option& o : findReportTarget(name)->options) words << o.usage();
        text += words.join(' ') + '\n';
    }
    return text;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("report"),
                  QStringLiteral("lay a report out into a PDF, a text file or a PNG of its first page"),
                  QStringLiteral("NAME [report options]"), commonReportOptions(), reportCommand, reportOptions, reportsHelp);

} // namespace ksiega::host
