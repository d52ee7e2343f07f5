#include "settlements/openingimport/SettlementQuickFilter.h"
#include "platform/db/DbError.h"
#include "platform/runtime/FilterExpression.h"
#include <QRegularExpression>

namespace ksiega::settlements {

namespace {

bool wordBoundary(const QString& s, qsizetype at) {
    if (at < 0 || at >= s.size()) return true;
    const QChar c = s.at(at);
    return c.isSpace() || c == QChar('(') || c == QChar(')');
}

QString entryCondition(const QString& entryView, int64_t year, const QString& where) {
    return QStringLiteral("SQL(id_poz_dok_f in (select e.id_poz_dok from %1 e where e.id_lata_obrot=%2 AND (%3)))")
        .arg(entryView)
        .arg(year)
        .arg(where);
}

// The condition as the settlement list takes it, "" when it is one to leave out.
QString translated(const QString& condition, const QString& entryView, int64_t year) {
    static const QRegularExpression side(QStringLiteral("^\\s*PDU:STRONA\\s*=\\s*([01])\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression docDate(
        QStringLiteral("^\\s*PDU:DATA_DOK_ORG\\s*(>=|<=|<>|=|<|>)\\s*(-?\\d+)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    if (const auto m = side.match(condition); m.hasMatch())
        return m.captured(1) == QLatin1String("0") ? QStringLiteral("RNVA:STRONA='WN'") : QStringLiteral("RNVA:STRONA='MA'");
    if (const auto m = docDate.match(condition); m.hasMatch())
        return QStringLiteral("RNVA:DATA_DOK_ORG%1%2").arg(m.captured(1), m.captured(2));
    const FilterTranslation t = translateFilter(condition);
    if (!t.ok() || t.where.trimmed().isEmpty()) return {};
    return entryCondition(entryView, year, t.where);
}

// Whether the engine reads the condition over the view (a statement that fetches nothing).
bool readable(db::Database& db, const QString& view, const QString& condition) {
    const FilterTranslation t = translateFilter(condition);
    if (!t.ok()) return false;
    try {
        db::Rows r = db.select(QStringLiteral("select 1 from %1 where 1=0 AND (%2)").arg(view, t.where));
        while (r.next()) {
        }
        return true;
    } catch (const db::DbError&) {
        return false;
    }
}

} // namespace

QStringList topLevelConditions(const QString& expression) {
    QStringList out;
    int depth = 0;
    bool inText = false;
    qsizetype start = 0;
    const QString& s = expression;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (inText) {
            if (c == QChar('\'')) {
                if (i + 1 < s.size() && s.at(i + 1) == QChar('\'')) ++i;
                else inText = false;
            }
            continue;
        }
        if (c == QChar('\'')) inText = true;
        else if (c == QChar('(')) ++depth;
        else if (c == QChar(')')) --depth;
        else if (depth == 0 && wordBoundary(s, i - 1) && s.mid(i, 3).compare(QLatin1String("AND"), Qt::CaseInsensitive) == 0 &&
                 wordBoundary(s, i + 3)) {
            out << s.mid(start, i - start).trimmed();
            start = i + 3;
            i += 2;
        }
    }
    out << s.mid(start).trimmed();
    out.removeAll(QString());
    return out;
}

SettlementQuickFilter translateQuickFilter(db::Database& db, const SessionContext& session, const QString& quick,
                                           const QString& settlementView) {
    SettlementQuickFilter out;
    const QString entryView = session.DANE_CZY_WERSJA_BUDZET == 1 ? QStringLiteral("POZ_DOK_VIEW_UNION_BT")
                                                                   : QStringLiteral("POZ_DOK_VIEW_UNION");
    FilterBuilder kept;
    for (const QString& condition : topLevelConditions(quick)) {
        const QString piece = translated(condition, entryView, session.DANE_LATA_OBROTOWE);
        if (piece.isEmpty() || !readable(db, settlementView, piece)) {
            out.dropped << condition;
            continue;
        }
        kept.add(piece);
    }
    out.expression = kept.text();
    return out;
}

} // namespace ksiega::settlements
