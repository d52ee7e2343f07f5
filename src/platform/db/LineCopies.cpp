#include "platform/db/LineCopies.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/CopyRefresh.h"
#include "platform/db/CostCentreLineCopies.h"
#include <QStringList>

namespace ksiega::db {

namespace {

// The header fields a line repeats under the same names.
constexpr const char* kHeaderFields[] = {"nr_ewid_dok", "data_okresu", "status", "czy_rk", "data_biezaca", "nr_dok_org",
                                         "data_dok_org", "data_oper_gosp", "data_zatwierdzenia", "nr_sys_dok"};

// Synthetic account numbers are short; a first segment longer than this is kept whole with
// the rest of the account (such an account is its own synthetic prefix).
constexpr int kLongestFirstSegment = 15;

QString refreshSql(const QString& scope) {
    std::vector<CopiedColumn> copies;
    for (const char* f : kHeaderFields) copies.push_back({QLatin1String(f), QStringLiteral("n.") + QLatin1String(f)});
    for (const char* side : {"wn", "ma"})
        copies.push_back({QStringLiteral("syntetyka_") + QLatin1String(side),
                          accountFirstSegmentSql(QStringLiteral("POZ_DOK.konto_") + QLatin1String(side))});
    // One join with the header for the whole set.
    return copiesRefreshSql(QStringLiteral("POZ_DOK"), copies, QStringLiteral("NAG_DOK n"),
                            QStringLiteral("n.id_nag_dok = POZ_DOK.id_nag_dok") + scope);
}

} // namespace

QString accountFirstSegmentSql(const QString& column) {
    QString sql = QStringLiteral("case");
    for (int k = 1; k <= kLongestFirstSegment; ++k)
        sql += QStringLiteral(" when substr(%1, %2, 1) in ('-', '') then substr(%1, 1, %3)").arg(column).arg(k + 1).arg(k);
    return sql + QStringLiteral(" else %1 end").arg(column);
}

QString accountFirstSegment(const QString& account) {
    const qsizetype dash = account.indexOf(QLatin1Char('-'), 1);
    return dash > 0 && dash <= kLongestFirstSegment ? account.left(dash) : account;
}

bool prefixIsOneSynthetic(Database& db, int64_t year, const QString& prefix) {
    if (prefix.isEmpty() || prefix.size() >= kLongestFirstSegment) return false;
    for (QChar c : prefix)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    // Every longer text beginning with the digits sorts after the prefix and before the prefix
    // with its last digit raised (':' follows '9').
    QString above = prefix;
    above[above.size() - 1] = QChar(above.back().unicode() + 1);
    for (const char* side : {"wn", "ma"}) {
        const QString sql = QStringLiteral("select count(*) from (select 1 from POZ_DOK where id_lata_obrot = ? and "
                                           "syntetyka_%1 > ? and syntetyka_%1 < ? limit 1) longer").arg(QLatin1String(side));
        if (db.scalarInt(sql, {year, prefix, above}).value_or(1) != 0) return false;
    }
    return true;
}

int64_t refreshLineCopies(Database& db, int64_t firstDocument, int64_t lastDocument) {
    static const QString sql = refreshSql(QStringLiteral(" and POZ_DOK.id_nag_dok between ? and ?"));
    const int64_t changed = db.execute(sql, {firstDocument, lastDocument});
    refreshBudgetLineCopies(db, firstDocument, lastDocument);
    refreshCostCentreLineCopies(db, CostCentreCopyScope::documents(firstDocument, lastDocument));
    return changed;
}

int64_t refreshLineCopiesOfLine(Database& db, int64_t line) {
    static const QString sql = refreshSql(QStringLiteral(" and POZ_DOK.id_poz_dok = ?"));
    const int64_t changed = db.execute(sql, {line});
    refreshBudgetLineCopiesOfLine(db, line);
    refreshCostCentreLineCopies(db, CostCentreCopyScope::line(line));
    return changed;
}

int64_t refreshAllLineCopies(Database& db) {
    static const QString sql = refreshSql(QString());
    const int64_t changed = db.execute(sql);
    refreshCostCentreLineCopies(db, CostCentreCopyScope::all());
    return changed;
}

} // namespace ksiega::db
