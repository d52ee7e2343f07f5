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
    const QString sql = QStringLiteral("SELECT nr_konta, data_okresu, ") + amountColumns(job) +
                        QStringLiteral(" FROM OBROTY_I_SALDA WHERE ") + where +
                        QStringLiteral(" AND (nr_konta > ? OR (nr_konta = ? AND data_okresu > ?))"
                                       " ORDER BY nr_konta, data_okresu LIMIT %1")
                            .arg(LISTING_PAGE_ROWS);
    const QString countSql = QStringLiteral("SELECT count(*) FROM OBROTY_I_SALDA WHERE ") + where;

    out.source = [sql, countSql, scopeParams, connection](report::RowSink& sink) {
        db::Database& db = connection();
        sink.setTotal(db.scalarInt(countSql, scopeParams).value_or(0));
        QString lastAccount;
        int64_t lastPeriod = -1;
        bool first = true;
        for (;;) {
            db::Params params = scopeParams;
            // Before the first row every account sorts after the key (an empty account
            // number with period -1 precedes every stored row).
            params.push_back(lastAccount);
            params.push_back(lastAccount);
            params.push_back(first ? int64_t(-1) : lastPeriod);
            std::vector<report::Row> page;
            {
                db::Rows rows = db.select(sql, params);
                while (rows.next()) {
                    lastAccount = rows.text(0);
                    lastPeriod = rows.int64(1);
                    page.push_back({lastAccount.trimmed(), periodName(int(lastPeriod)), rows.money(2), rows.money(3),
                                    rows.money(4), rows.money(5)});
                }
            }
            first = false;
            for (const auto& row : page)
                if (!sink.add(row)) return;
            if (int(page.size()) < LISTING_PAGE_ROWS) return;
        }
    };
    return out;
}

} // namespace ksiega::ledgerprint::detail
