// The turnover statement: the rows of OBROTY_I_SALDA under the caller's filter (the
// turnover list's own filter: year, currency, period), by account and period, with
// turnovers and balances summed per page, carried and in "Razem".
#include "platform/db/Database.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
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

// Which of the three amount sets the statement shows.
QString amountColumns(const ListingJob& job) {
    if (job.currency.trimmed().toUpper() != QStringLiteral("PLN"))
        return QStringLiteral("obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w");
    if (job.customerVariant >= 1) return QStringLiteral("obr_wn_2, obr_ma_2, saldo_wn_2, saldo_ma_2");
    return QStringLiteral("obr_wn, obr_ma, saldo_wn, saldo_ma");
}

} // namespace

PreparedListing turnoverListing(const ListingJob& job, const ListingParameters& p, const QString& filterWhere,
                                ConnectionProvider connection) {
    using report::Column;
    PreparedListing out;
    out.definition = baseDefinition(job, p, QStringLiteral("Wydruk_Obroty_I_Salda"));
    const bool currency = job.currency.trimmed().toUpper() != QStringLiteral("PLN");
    const QString suffix = currency ? QStringLiteral("\n/wal./") : QString();
    out.definition.columns = {Column::text(QStringLiteral("Nr konta"), 3), Column::text(QStringLiteral("Okres"), 2),
                              Column::money(QStringLiteral("Obroty Dt") + suffix, 2),
                              Column::money(QStringLiteral("Obroty Ct") + suffix, 2),
                              Column::money(QStringLiteral("Saldo Dt") + suffix, 2),
                              Column::money(QStringLiteral("Saldo Ct") + suffix, 2)};

    QString where = QStringLiteral("id_firmy = ? AND id_lata_obrot = ?");
    const db::Params scopeParams{job.company, job.fiscalYear};
    if (!filterWhere.isEmpty()) where += QStringLiteral(" AND (") + filterWhere + QStringLiteral(")");
    // The turnover view of the ledger by periods sorts by its choice a ("Nr konta",
    // "Obroty Dt", "Obroty Ct", "Saldo Dt", "Saldo Ct"), descending when b is 1.
    const QStringList amounts = amountColumns(job).split(QStringLiteral(", "));
    const QString direction = p.second == 1 ? QStringLiteral(" DESC") : QString();
    QString order = QStringLiteral("nr_konta") + direction + QStringLiteral(", data_okresu");
    if (p.first >= 2 && p.first <= 5)
        order = amounts[p.first - 2] + direction + QStringLiteral(", nr_konta, data_okresu");
    const QString sql = QStringLiteral("SELECT nr_konta, data_okresu, ") + amounts.join(QStringLiteral(", ")) +
                        QStringLiteral(" FROM OBROTY_I_SALDA WHERE ") + where + QStringLiteral(" ORDER BY ") + order;
    const QString countSql = QStringLiteral("SELECT count(*) FROM OBROTY_I_SALDA WHERE ") + where;

    out.source = [sql, countSql, scopeParams, connection](report::RowSink& sink) {
        db::Database& db = connection();
        sink.setTotal(db.scalarInt(countSql, scopeParams).value_or(0));
        db::Rows rows = db.select(sql, scopeParams);
        while (rows.next()) {
            const report::Row row{rows.text(0).trimmed(), periodName(int(rows.int64(1))), rows.money(2), rows.money(3),
                                  rows.money(4), rows.money(5)};
            if (!sink.add(row)) return;
        }
    };
    return out;
}

} // namespace ksiega::ledgerprint::detail
