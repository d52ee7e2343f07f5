// ksiega report NAME [options] --pdf FILE | --text FILE | --png FILE: lays a report out
// for the session given by --company/--year (and --user, --date) and writes it to a PDF,
// a plain-text file or the first page as a PNG image.
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/SessionLoader.h"
#include "host/Subcommands.h"
#include "host/gui/HostDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/report/Report.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

// Gives the connection back to nobody when the report is done, however it ends.
struct LentDatabase {
    explicit LentDatabase(db::Database& db) { lendDatabase(&db); }
    ~LentDatabase() { lendDatabase(nullptr); }
};

int reportCommand(const Arguments& args) {
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("name one report: %1").arg(reportTargetNames().join(", ")));
    const QString name = args.positional().first();
    const ReportTarget* target = findReportTarget(name);
    if (!target) throw UsageError(QStringLiteral("no report %1; known: %2").arg(name, reportTargetNames().join(", ")));
    if (const QStringList unknown = args.unknownOptions(commonReportOptions() + target->options); !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    const QString pdf = args.option(QStringLiteral("pdf"), QString());
    const QString text = args.option(QStringLiteral("text"), QString());
    const QString png = args.option(QStringLiteral("png"), QString());
    if (int(!pdf.isEmpty()) + int(!text.isEmpty()) + int(!png.isEmpty()) != 1)
        throw UsageError(QStringLiteral("give one of --pdf FILE, --text FILE or --png FILE"));
    if (!args.option(QStringLiteral("company")) || !args.option(QStringLiteral("year")))
        throw UsageError(QStringLiteral("--company and --year are required"));

    auto db = openExistingDatabase(args);
    SessionChoice choice = choiceFromArguments(*db, args);
    if (choice.login.isEmpty()) choice.login = firstChoice(*db).login;
    try {
        loadSession(*db, choice);
    } catch (const SessionError& e) {
        throw UsageError(e.text());
    }
    LentDatabase lent(*db);
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

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("report"),
                  QStringLiteral("report NAME --company C --year Y [report options] --pdf FILE | --text FILE | --png FILE   "
                                 "lay a report out into a PDF or a text file"),
                  reportCommand);

} // namespace ksiega::host
