// ksiega import: ledger documents from a CSV file into a company's fiscal year.
#include "host/Subcommands.h"
#include "host/gui/HostDatabase.h"
#include "platform/db/import/DocumentImporter.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

int runImport(const Arguments& args) {
    if (args.positional().size() != 1) throw UsageError(QStringLiteral("give exactly one CSV file"));

    auto db = openExistingDatabase(args);
    db::import::ImportOptions options;
    options.idFirmy = companyArgument(*db, args);
    options.idLataObrot = yearArgument(*db, options.idFirmy, args);
    options.user = args.option(QStringLiteral("user"), QStringLiteral("import"));
    options.createAccounts = args.flag(QStringLiteral("create-accounts"));

    const auto result = db::import::importDocumentsFromFile(*db, args.positional().first(), options);
    if (!result.ok()) {
        QTextStream err(stderr);
        for (const auto& e : result.errors) err << e.text() << "\n";
        if (result.errorCount > int(result.errors.size()))
            err << "... and " << result.errorCount - int(result.errors.size()) << " more errors\n";
        err << result.errorCount << (result.errorCount == 1 ? " error" : " errors") << "; nothing was imported\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "imported " << result.documents << " documents, " << result.lines << " lines";
    if (result.accountsCreated > 0) out << ", created " << result.accountsCreated << " accounts";
    out << " in " << QString::number(result.seconds, 'f', 2) << " s";
    if (result.seconds > 0) out << " (" << qint64(double(result.lines) / result.seconds) << " lines/s)";
    out << "\n";
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("import"),
                  QStringLiteral("load ledger documents from a CSV file (docs/import.md); one transaction, errors with "
                                 "line numbers"),
                  QStringLiteral("FILE.csv"),
                  Options{options::database(), options::company().required(), options::year().required(),
                          Option::value("user", "LOGIN", "the user the documents are entered by").defaultsTo("import"),
                          Option::flag("create-accounts", "create the accounts the file names and the chart lacks")},
                  runImport);

} // namespace ksiega::host
