#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/CopyRefresh.h"

namespace ksiega::db {

namespace {

// The header fields a split repeats under the same names.
constexpr const char* kHeaderFields[] = {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org"};

QString refreshSql(const QString& scope) {
    std::vector<CopiedColumn> copies;
    for (const char* f : kHeaderFields) copies.push_back({QLatin1String(f), QStringLiteral("n.") + QLatin1String(f)});
    // One join with the line and its header for the whole set.
    return copiesRefreshSql(QStringLiteral("MPK_DANE"), copies, QStringLiteral("POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok"),
                            QStringLiteral("p.id_poz_dok = MPK_DANE.id_poz_dok") + scope);
}

} // namespace

int64_t refreshCostCentreLineCopies(Database& db, const CostCentreCopyScope& scope) {
    switch (scope.by) {
    case CostCentreCopyScope::By::Documents: {
        static const QString sql = refreshSql(QStringLiteral(" and p.id_nag_dok between ? and ?"));
        return db.execute(sql, {scope.first, scope.last});
    }
    case CostCentreCopyScope::By::Lines: {
        static const QString sql = refreshSql(QStringLiteral(" and MPK_DANE.id_poz_dok between ? and ?"));
        return db.execute(sql, {scope.first, scope.last});
    }
    case CostCentreCopyScope::By::All: break;
    }
    static const QString sql = refreshSql(QString());
    return db.execute(sql);
}

} // namespace ksiega::db
