#include "entries/summary/AccountSummary.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/FilterExpression.h"
#include <QRegularExpression>

namespace ksiega::entries {

EntryFigures& EntryFigures::operator+=(const EntryFigures& o) {
    count += o.count;
    dt += o.dt;
    ct += o.ct;
    dtW += o.dtW;
    ctW += o.ctW;
    return *this;
}

EntryFigures& EntryFigures::operator-=(const EntryFigures& o) {
    count -= o.count;
    dt -= o.dt;
    ct -= o.ct;
    dtW -= o.dtW;
    ctW -= o.ctW;
    return *this;
}

QString SummaryValue::display() const {
    return isCount ? QString::number(count) : amount.toDisplay();
}

QString SummaryValue::machine() const {
    return isCount ? QString::number(count) : amount.toString();
}

bool AccountSummary::computeTotals(const SummaryScope& scope) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(scope.viewName).hasMatch()) {
        m_error = QStringLiteral("Nieprawidłowa nazwa widoku: %1").arg(scope.viewName);
        return false;
    }
    // The same rows as the list: the fiscal year bound outside the filter's text, so that
    // nothing in the filter can take it away, and the filter as one condition beside it.
    const FilterTranslation t = translateFilter(scope.rawFilter);
    if (!t.ok()) {
        m_error = t.error;
        return false;
    }
    const QString filterWhere = t.where.isEmpty() ? QString() : QStringLiteral(" and (") + t.where + QLatin1Char(')');
    // Count and the four sums in one pass over the rows. The rows are read in a subquery
    // that names only the amounts: aggregating the union view directly makes SQLite build
    // every column of every row (the header join included), about fifteen times slower.
    // "limit -1" keeps SQLite from flattening the subquery back into the aggregate. The
    // fiscal year (one company's) scopes the rows; a company condition beside it would make
    // every row leave the account index for the table.
    const QString keepSubquery = m_db.dialect().limitWithoutEnd();
    auto rows = m_db.select(QStringLiteral("select count(*), coalesce(sum(kwota_wn),0), coalesce(sum(kwota_ma),0), "
                                           "coalesce(sum(kwota_wn_w),0), coalesce(sum(kwota_ma_w),0) from "
                                           "(select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from %1 "
                                           "where id_lata_obrot = ?%2%3) entries")
                                .arg(scope.viewName, filterWhere, keepSubquery),
                            {scope.fiscalYear});
    if (rows.next()) {
        m_totals.count = rows.int64(0);
        m_totals.dt = rows.money(1);
        m_totals.ct = rows.money(2);
        m_totals.dtW = rows.money(3);
        m_totals.ctW = rows.money(4);
    }
    m_computed = true;
    m_error.clear();
    return true;
}

void AccountSummary::invalidate(bool keepMarked) {
    m_computed = false;
    if (!keepMarked) m_marked = {};
}

void AccountSummary::invert() {
    EntryFigures inverted = m_totals;
    inverted -= m_marked;
    m_marked = inverted;
}

namespace {

SummaryValue countValue(const char* label, int64_t n) {
    return {QString::fromUtf8(label), true, n, {}};
}

SummaryValue amountValue(const QString& label, Money m) {
    return {label, false, 0, m};
}

} // namespace

std::vector<SummaryRow> AccountSummary::rows(const QString& currency) const {
    const Balance total = Balance::of(m_totals.dt, m_totals.ct);
    const Balance marked = Balance::of(m_marked.dt, m_marked.ct);
    std::vector<SummaryRow> out{
        {countValue("Ilość pozycji", m_totals.count), countValue("Ilość pozycji /zaznaczone/", m_marked.count)},
        {amountValue(QStringLiteral("Obroty Dt"), m_totals.dt), amountValue(QStringLiteral("Obroty Ct"), m_totals.ct)},
        {amountValue(QStringLiteral("Saldo Dt"), total.dt), amountValue(QStringLiteral("Saldo Ct"), total.ct)},
        {amountValue(QStringLiteral("Obroty Dt/zaznaczone/"), m_marked.dt), amountValue(QStringLiteral("Obroty Ct/zaznaczone/"), m_marked.ct)},
        {amountValue(QStringLiteral("Saldo Dt/zaznaczone/"), marked.dt), amountValue(QStringLiteral("Saldo Ct/zaznaczone/"), marked.ct)},
    };
    if (isHomeCurrency(currency)) return out;
    const QString c = currency.trimmed();
    const QString marks = QStringLiteral(" /zaznaczone/");
    const Balance totalW = Balance::of(m_totals.dtW, m_totals.ctW);
    const Balance markedW = Balance::of(m_marked.dtW, m_marked.ctW);
    out.push_back({amountValue("Obroty Dt " + c, m_totals.dtW), amountValue("Obroty Ct " + c, m_totals.ctW)});
    out.push_back({amountValue("Saldo Dt " + c, totalW.dt), amountValue("Saldo Ct " + c, totalW.ct)});
    out.push_back({amountValue("Obroty Dt " + c + marks, m_marked.dtW), amountValue("Obroty Ct " + c + marks, m_marked.ctW)});
    out.push_back({amountValue("Saldo Dt " + c + marks, markedW.dt), amountValue("Saldo Ct " + c + marks, markedW.ct)});
    return out;
}

} // namespace ksiega::entries
