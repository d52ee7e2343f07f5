// The turnover statement: the rows of OBROTY_I_SALDA in the job's currency under the
#include "platform/runtime/CurrencyCode.h"
// caller's filter (the turnover list's own filter: year, currency, period), by account and
// period, with turnovers and balances summed per page, carried and in "Razem".
#include "platform/db/Database.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include "platform/server/TrialBalance.h"
#include "platform/siblings/ledgerprint/ListingParts.h"

namespace ksiega::ledgerprint::detail {

namespace {

QString periodName(int periodDate) {
    switch (date::periodKind(periodDate)) {
    case date::PeriodKind::OpeningBalance: return QStringLiteral("BO");
    case date::PeriodKind::ClosingBalance: return QStringLiteral("BZ");
    case date::PeriodKind::Month:
        return QStringLiteral("%1  %2").arg(date::year(periodDate)).arg(NAZWA_MIESIACA(date::month(periodDate)));
    default: return QString::number(periodDate);
    }
}

} // namespace

PreparedListing turnoverListing(const ListingJob& job, const ListingParameters& p, const QString& filterWhere,
                                ConnectionProvider connection) {
    using report::Column;
    PreparedListing out;
    out.definition = baseDefinition(job, p, QStringLiteral("Wydruk_Obroty_I_Salda"));
    const bool currency = !CurrencyCode::of(job.currency).isHome();
    const QString suffix = currency ? QStringLiteral("\n/wal./") : QString();
    out.definition.columns = {Column::text(QStringLiteral("Nr konta"), 3), Column::text(QStringLiteral("Okres"), 2),
                              Column::money(QStringLiteral("Obroty Dt") + suffix, 2),
                              Column::money(QStringLiteral("Obroty Ct") + suffix, 2),
                              Column::money(QStringLiteral("Saldo Dt") + suffix, 2),
                              Column::money(QStringLiteral("Saldo Ct") + suffix, 2)};

    // The rows as the turnover view of the ledger by periods lists them, sorted by its
    // choice a ("Nr konta", "Obroty Dt", "Obroty Ct", "Saldo Dt", "Saldo Ct"), descending
    // when b is 1.
    server::TrialBalanceQuery query;
    query.company = job.company;
    query.year = job.fiscalYear;
    query.currency = job.currency;
    query.withUnposted = job.customerVariant >= 1;
    query.where = filterWhere;
    if (p.first >= 2 && p.first <= 5) query.sort = server::TrialBalanceSort(p.first - 1);
    query.descending = p.second == 1;

    out.source = [query, connection](report::RowSink& sink) {
        db::Database& db = connection();
        sink.setTotal(server::countTrialBalanceRows(db, query));
        server::forEachTrialBalanceRow(db, query, [&](const server::TrialBalanceRow& r) {
            return sink.add(report::Row{r.konto.trimmed(), periodName(r.periodDate), r.obrotyDt, r.obrotyCt, r.saldoDt,
                                        r.saldoCt});
        });
    };
    return out;
}

} // namespace ksiega::ledgerprint::detail
