#include "costcentres/FilterTree.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::costcentres {

namespace {

const QString kSetField = QStringLiteral("MPK:DRZEWO_ZBIOR_ID");
const QString kNothing = QStringLiteral("SQL(1=0)");

bool numericField(const QString& field) {
    return field.endsWith(QLatin1String("_ID")) || field.startsWith(QLatin1String("MPK:ID_")) ||
           field.startsWith(QLatin1String("MPK:DATA_")) || field == QLatin1String("MPK:KWOTA") ||
           field == QLatin1String("MPK:NR_POZ_DOK");
}

// A LIKE pattern that matches the text literally ('!' escapes).
QString literalLike(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('!')) out += QLatin1Char('!');
        out += c;
    }
    return out;
}

} // namespace

const QStringList& treeFields() {
    static const QStringList fields = {
        QStringLiteral("MPK:DRZEWO_ZBIOR_ID"), QStringLiteral("MPK:KONTO"),       QStringLiteral("MPK:STRONA"),
        QStringLiteral("MPK:WSKAZNIK_1"),      QStringLiteral("MPK:WSKAZNIK_2"),  QStringLiteral("MPK:WSKAZNIK_3"),
        QStringLiteral("MPK:WSKAZNIK_4"),      QStringLiteral("MPK:WSKAZNIK_5"),  QStringLiteral("MPK:WSKAZNIK_1_ID"),
        QStringLiteral("MPK:WSKAZNIK_2_ID"),   QStringLiteral("MPK:WSKAZNIK_3_ID"), QStringLiteral("MPK:WSKAZNIK_4_ID"),
        QStringLiteral("MPK:WSKAZNIK_5_ID"),   QStringLiteral("MPK:ID_PACZKA"),   QStringLiteral("MPK:ID_TYP_DOK"),
        QStringLiteral("MPK:ID_LATA_OBROT"),   QStringLiteral("MPK:DATA_OKRESU"), QStringLiteral("MPK:DATA_BIEZACA"),
        QStringLiteral("MPK:DATA_DOK_ORG"),    QStringLiteral("MPK:NR_EWID_DOK"), QStringLiteral("MPK:NR_DOK_ORG"),
        QStringLiteral("MPK:NR_POZ_DOK"),      QStringLiteral("MPK:TRESC_POZ_DOK"), QStringLiteral("MPK:KWOTA"),
    };
    return fields;
}

const QStringList& treeOperators() {
    static const QStringList ops = {QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("<"),
                                    QStringLiteral(">"),  QStringLiteral("<="), QStringLiteral(">="),
                                    QStringLiteral("like")};
    return ops;
}

std::vector<FilterTreeNode> pathTo(const std::vector<FilterTreeNode>& nodes, int index) {
    std::vector<FilterTreeNode> path;
    if (index < 0 || index >= int(nodes.size())) return path;
    int level = nodes[size_t(index)].level + 1;
    for (int i = index; i >= 0 && level > 1; --i) {
        if (nodes[size_t(i)].level < level) {
            path.insert(path.begin(), nodes[size_t(i)]);
            level = nodes[size_t(i)].level;
        }
    }
    return path;
}

QString nodeCondition(const FilterTreeNode& node, const QString& separator) {
    const QString field = node.field.trimmed().toUpper();
    if (!treeFields().contains(field)) return kNothing;
    const QString value = node.value.trimmed();
    if (field == kSetField) {
        bool number = false;
        const qint64 set = value.toLongLong(&number);
        if (!number || separator.isEmpty()) return kNothing;
        // Each id in the path is followed by the separator; one in front makes every id
        // stand between two of them.
        const QString wanted = separator + QString::number(set) + separator;
        return sqlPiece(QStringLiteral("%1 || drzewo_zbior_id like %2 escape '!'")
                            .arg(db::quoted(separator), db::quoted(QLatin1Char('%') + literalLike(wanted) + QLatin1Char('%'))));
    }
    const QString op = node.op.trimmed().toLower();
    if (!treeOperators().contains(op)) return kNothing;
    const QString column = field.mid(4).toLower();
    if (op == QLatin1String("like")) return sqlPiece(QStringLiteral("%1 like %2").arg(column, db::quoted(value)));
    if (numericField(field)) {
        bool number = false;
        const qint64 n = value.toLongLong(&number);
        if (!number) return kNothing;
        return field + op + QString::number(n);
    }
    return field + op + db::quoted(value);
}

QString pathCondition(const std::vector<FilterTreeNode>& path, const QString& separator) {
    FilterBuilder f;
    for (const FilterTreeNode& n : path) f.add(nodeCondition(n, separator));
    return f.text();
}

} // namespace ksiega::costcentres
