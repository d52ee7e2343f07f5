#include "platform/db/BudgetLineCopies.h"
#include "platform/db/CopyRefresh.h"
#include <QStringList>

namespace ksiega::db {

namespace {

struct Copy {
    const char* column;
    bool fromHeader;   // NAG_DOK, else POZ_DOK
};

constexpr Copy kCopies[] = {{"nr_ewid_dok", true}, {"data_biezaca", true}, {"nr_dok_org", true},
                            {"data_dok_org", true}, {"konto_wn", false},   {"konto_ma", false}};

QString source(const Copy& c, const QString& line, const QString& header) {
    return (c.fromHeader ? header : line) + QLatin1Char('.') + QLatin1String(c.column);
}

QString refreshSql(const QString& scope) {
    std::vector<CopiedColumn> copies;
    for (const Copy& c : kCopies) copies.push_back({QLatin1String(c.column), source(c, QStringLiteral("p"), QStringLiteral("n"))});
    // One join with the ledger line and its header for the whole set.
    return copiesRefreshSql(QStringLiteral("BT_DANE"), copies, QStringLiteral("POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok"),
                            QStringLiteral("p.id_poz_dok = BT_DANE.id_poz_dok") + scope);
}

} // namespace

QString budgetLineCopyColumns() {
    QStringList out;
    for (const Copy& c : kCopies) out << QLatin1String(c.column);
    return out.join(QStringLiteral(", "));
}

QString budgetLineCopiesSelect(const QString& line, const QString& header) {
    QStringList out;
    for (const Copy& c : kCopies) out << source(c, line, header);
    return out.join(QStringLiteral(", "));
}

int64_t refreshBudgetLineCopies(Database& db, int64_t firstDocument, int64_t lastDocument) {
    static const QString sql = refreshSql(QStringLiteral(" and p.id_nag_dok between ? and ?"));
    return db.execute(sql, {firstDocument, lastDocument});
}

int64_t refreshBudgetLineCopiesOfLine(Database& db, int64_t line) {
    static const QString sql = refreshSql(QStringLiteral(" and BT_DANE.id_poz_dok = ?"));
    return db.execute(sql, {line});
}

int64_t refreshAllBudgetLineCopies(Database& db) {
    static const QString sql = refreshSql(QString());
    return db.execute(sql);
}

} // namespace ksiega::db
