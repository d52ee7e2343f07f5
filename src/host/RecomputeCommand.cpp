// ksiega recompute: rebuilds the turnovers table of a fiscal year from its documents.
#include "host/BatchSession.h"
#include "host/Subcommands.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TrialBalance.h"
#include "platform/server/Turnovers.h"
#include <QElapsedTimer>
#include <QTextStream>

namespace ksiega::host {

namespace {
int recompute(const Arguments& args) {
    BatchSession batch(args);
    db::Database& db = batch.db();
    const int64_t company = batch.session().DANE_ID_FIRMY;
    const int64_t year = batch.session().DANE_LATA_OBROTOWE;
    int period = 0;
    if (const auto text = args.option(QStringLiteral("period"))) {
        const auto fiscalYear = server::loadFiscalYear(db, company, year);
        const auto parsed = server::parsePeriod(*fiscalYear, *text);
        if (!parsed) throw UsageError(QStringLiteral("--period must be BO, BZ or YYYY-MM of the fiscal year, not '%1'").arg(*text));
        period = *parsed;
    }
    QElapsedTimer timer;
    timer.start();
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db, company, year, period);
    const auto rows = db.scalarInt(QStringLiteral("select count(*) from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=?"),
                                    {company, year});
    QTextStream(stdout) << "OBROTY_I_SALDA: " << rows.value_or(0) << " rows in " << timer.elapsed() << " ms\n";
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("recompute"),
                  QStringLiteral("rebuild the turnovers and balances (OBROTY_I_SALDA) from the documents"), QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("period", "BO|YYYY-MM|BZ", "where the changes began")},
                  recompute);

} // namespace ksiega::host
