#include "platform/db/BudgetLineCopies.h"
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
    QStringList set, differs;
    for (const Copy& c : kCopies) {
        const QString column = QLatin1String(c.column);
        const QString from = source(c, QStringLiteral("p"), QStringLiteral("n"));
        set << QStringLiteral("%1 = %2").arg(column, from);
        differs << QStringLiteral("BT_DANE.%1 <> %2").arg(column, from);
    }
    // UPDATE ... FROM: one join with the ledger line and its header for the whole set.
    return QStringLiteral("update BT_DANE set ") + set.join(QStringLiteral(", ")) +
           QStringLiteral(" from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok where p.id_poz_dok = BT_DANE.id_poz_dok") +
           scope + QStringLiteral(" and (") + differs.join(QStringLiteral(" or ")) + QStringLiteral(")");
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
