#include "costcentres/CostCentreFigures.h"
#include <stdexcept>

namespace ksiega::costcentres {

namespace {

const QString kSums = QStringLiteral("coalesce(sum(case when strona='WN' then kwota else 0 end),0), "
                                     "coalesce(sum(case when strona='MA' then kwota else 0 end),0), count(*)");

SplitFigures figuresAt(db::Rows& r, int first) {
    return {r.money(first), r.money(first + 1), r.int64(first + 2)};
}

} // namespace

QString SplitSelection::condition() const {
    QString c = QStringLiteral("id_firmy=?");
    if (year != 0) c += QStringLiteral(" AND id_lata_obrot=?");
    if (!where.trimmed().isEmpty()) c += QStringLiteral(" AND (") + where + QStringLiteral(")");
    return c;
}

db::Params SplitSelection::params() const {
    db::Params p{company};
    if (year != 0) p.push_back(year);
    return p;
}

SplitFigures splitFigures(db::Database& db, const SplitSelection& selection) {
    // Every split has its line and the line its document (both enforced by foreign keys),
    // and the view's company and year are the split's own: with no filter the view's rows
    // are the table's rows, read without the joins.
    const QString source = selection.where.trimmed().isEmpty() ? QStringLiteral("MPK_DANE") : QStringLiteral("MPK_VIEW");
    db::Rows r = db.select(QStringLiteral("select ") + kSums + QStringLiteral(" from ") + source + QStringLiteral(" where ") +
                               selection.condition(),
                           selection.params());
    return r.next() ? figuresAt(r, 0) : SplitFigures{};
}

std::vector<IndicatorFigures> splitFiguresBy(db::Database& db, const SplitSelection& selection, int indicator) {
    if (indicator < 1 || indicator > 5) throw std::invalid_argument("indicator number out of 1..5");
    const QString column = QStringLiteral("wskaznik_%1").arg(indicator);
    db::Rows r = db.select(QStringLiteral("select %1, ").arg(column) + kSums + QStringLiteral(" from MPK_VIEW where ") +
                               selection.condition() + QStringLiteral(" group by %1 order by %1").arg(column),
                           selection.params());
    std::vector<IndicatorFigures> out;
    while (r.next()) out.push_back({r.isNull(0) ? QString() : r.text(0), figuresAt(r, 1)});
    return out;
}

} // namespace ksiega::costcentres
