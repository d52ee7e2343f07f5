#include "platform/server/TurnoverCheck.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TurnoverSql.h"

namespace ksiega::server {

std::vector<TurnoverDifference> compareTurnovers(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    const auto year = loadFiscalYear(db, idFirmy, idLataObrot);
    if (!year) throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    const QStringList& figures = turnovers::figureColumns();
    QStringList same, storedFigures, recomputedFigures, nulls;
    for (const QString& c : figures) {
        same << QStringLiteral("r.%1=o.%1").arg(c);
        storedFigures << QStringLiteral("o.") + c;
        recomputedFigures << QStringLiteral("r.") + c;
        nulls << QStringLiteral("null");
    }
    db::Params params;
    const QString head = turnovers::yearQuery(db, *year, params);
    for (int i = 0; i < 2; ++i) {
        params.push_back(idFirmy);
        params.push_back(idLataObrot);
    }
    const QString sql = head + QStringLiteral(
        "select r.nr_konta, r.sym_waluty, r.data_okresu, %1, %2, case when o.nr_konta is null then 0 else 1 end "
        "from tmp_turn_result r left join OBROTY_I_SALDA o on o.id_firmy=? and o.id_lata_obrot=? "
        "and o.sym_waluty=r.sym_waluty and o.data_okresu=r.data_okresu and o.nr_konta=r.nr_konta "
        "where o.nr_konta is null or not (%3) "
        "union all "
        "select o.nr_konta, o.sym_waluty, o.data_okresu, %4, %2, 2 from OBROTY_I_SALDA o "
        "where o.id_firmy=? and o.id_lata_obrot=? and not exists (select 1 from tmp_turn_result r "
        "where r.sym_waluty=o.sym_waluty and r.data_okresu=o.data_okresu and r.nr_konta=o.nr_konta) "
        "order by 1, 2, 3")
        .arg(recomputedFigures.join(", "), storedFigures.join(", "), same.join(" and "), nulls.join(", "));
    std::vector<TurnoverDifference> out;
    const int n = int(figures.size());
    db::Rows rows = db.select(sql, params);
    while (rows.next()) {
        const int kind = rows.integer(3 + 2 * n);   // 0: not stored, 1: both, 2: not recomputed
        for (int f = 0; f < n; ++f) {
            TurnoverDifference d{rows.text(0), rows.text(1), rows.integer(2), figures[f], std::nullopt, std::nullopt};
            if (kind != 2) d.recomputed = rows.int64(3 + f);
            if (kind != 0) d.stored = rows.int64(3 + n + f);
            if (kind == 1 && *d.recomputed == *d.stored) continue;
            out.push_back(std::move(d));
        }
    }
    return out;
}

} // namespace ksiega::server
