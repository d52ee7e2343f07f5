// ksiega recompute: rebuilds the turnovers table of a fiscal year from its documents.
#include "host/Subcommands.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TrialBalance.h"
#include "platform/server/Turnovers.h"
#include <QElapsedTimer>
#include <QTextStream>

namespace ksiega::host {

namespace {
int recompute(const Arguments& args) {
    if (const QStringList unknown = args.unknownOptions({"db", "company", "year", "period"}); !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    auto db = openDatabase(args);
    const int64_t company = companyArgument(*db, args);
    const int64_t year = yearArgument(*db, company, args);
    int period = 0;
    if (const auto text = args.option(QStringLiteral("period"))) {
        const auto fiscalYear = server::loadFiscalYear(*db, company, year);
        const auto parsed = server::parsePeriod(*fiscalYear, *text);
        if (!parsed) throw UsageError(QStringLiteral("--period must be BO, BZ or YYYY-MM of the fiscal year, not '%1'").arg(*text));
        period = *parsed;
    }
    QElapsedTimer timer;
    timer.start();
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*db, company, year, period);
    const auto rows = db->scalarInt(QStringLiteral("select count(*) from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=?"),
                                    {company, year});
    QTextStream(stderr) << "OBROTY_I_SALDA: " << rows.value_or(0) << " rows in " << timer.elapsed() << " ms\n";
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("recompute"),
                  QStringLiteral("recompute --company C --year Y [--period BO|YYYY-MM|BZ]   rebuild OBROTY_I_SALDA from the documents"),
                  recompute);

} // namespace ksiega::host
