#include "platform/server/TrialBalance.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/Date.h"
#include <QRegularExpression>

namespace ksiega::server {

std::optional<int> parsePeriod(const FiscalYear& year, const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("BO")) return year.openingPeriod();
    if (t == QLatin1String("BZ")) return year.closingPeriod();
    static const QRegularExpression month(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = month.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const int y = m.captured(1).toInt(), mm = m.captured(2).toInt();
    if (mm < 1 || mm > 12) return std::nullopt;
    const int period = date::monthPeriod(y, mm);
    for (int d : year.periodDates())
        if (d == period) return period;
    return std::nullopt;
}

QString periodName(int periodDate) {
    switch (date::day(periodDate)) {
    case 1: return QStringLiteral("BO");
    case 28: return QStringLiteral("BZ");
    default:
        return QStringLiteral("%1-%2").arg(date::year(periodDate), 4, 10, QLatin1Char('0')).arg(date::month(periodDate), 2, 10, QLatin1Char('0'));
    }
}

namespace {

QString symbolOf(const QString& currency) {
    return CurrencyCode::of(currency).symbol();
}

// The scope every query has, with its bound values; the caller's condition is SQL text.
QString whereOf(const TrialBalanceQuery& q, db::Params& params) {
    QString where = QStringLiteral("id_firmy=? and id_lata_obrot=? and sym_waluty=?");
    params = {q.company, q.year, symbolOf(q.currency)};
    if (q.periodDate != 0) {
        where += QStringLiteral(" and data_okresu=?");
        params.push_back(q.periodDate);
    }
    if (!q.where.trimmed().isEmpty()) where += QStringLiteral(" and (") + q.where + QStringLiteral(")");
    return where;
}

} // namespace

QStringList trialBalanceColumns(const TrialBalanceQuery& q) {
    const bool home = symbolOf(q.currency) == QLatin1String("PLN");
    const QString suffix = home ? (q.withUnposted ? QStringLiteral("_2") : QString()) : QStringLiteral("_w");
    QStringList columns;
    for (const char* name : {"obr_wn", "obr_ma", "saldo_wn", "saldo_ma"}) columns << QString::fromLatin1(name) + suffix;
    return columns;
}

int64_t countTrialBalanceRows(db::Database& db, const TrialBalanceQuery& q) {
    db::Params params;
    const QString where = whereOf(q, params);
    return db.scalarInt(QStringLiteral("select count(*) from OBROTY_I_SALDA where ") + where, params).value_or(0);
}

void forEachTrialBalanceRow(db::Database& db, const TrialBalanceQuery& q,
                            const std::function<bool(const TrialBalanceRow&)>& row) {
    const QStringList amounts = trialBalanceColumns(q);
    const QString direction = q.descending ? QStringLiteral(" desc") : QString();
    QStringList keys;
    if (q.sort == TrialBalanceSort::PeriodThenAccount) keys << QStringLiteral("data_okresu") << QStringLiteral("nr_konta");
    else {
        if (q.sort != TrialBalanceSort::Account) keys << amounts[int(q.sort) - 1];
        keys << QStringLiteral("nr_konta") << QStringLiteral("data_okresu");
    }
    for (QString& k : keys) k += direction;

    db::Params params;
    const QString where = whereOf(q, params);
    db::Rows r = db.select(QStringLiteral("select nr_konta, data_okresu, %1 from OBROTY_I_SALDA where %2 order by %3")
                               .arg(amounts.join(QStringLiteral(", ")), where, keys.join(QStringLiteral(", "))),
                           params);
    while (r.next()) {
        if (!row({r.text(0), int(r.int64(1)), r.money(2), r.money(3), r.money(4), r.money(5)})) return;
    }
}

} // namespace ksiega::server
