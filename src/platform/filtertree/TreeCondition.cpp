#include "platform/filtertree/TreeCondition.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::filtertree {
namespace {

// The branch and its ancestors, the branch first.
std::vector<const TreeBranch*> pathUp(const std::vector<TreeBranch>& tree, int64_t branch) {
    std::vector<const TreeBranch*> path;
    int64_t id = branch;
    while (id) {
        const TreeBranch* found = nullptr;
        for (const TreeBranch& b : tree)
            if (b.id == id) found = &b;
        if (!found) throw InvalidBranch(QStringLiteral("Nie ma gałęzi %1").arg(id));
        if (path.size() > tree.size()) throw InvalidBranch(QStringLiteral("Gałąź %1 jest swoim przodkiem").arg(branch));
        path.push_back(found);
        id = found->parent;
    }
    return path;
}

// A LIKE pattern of the literal text, with "!" as the escape character.
QString likeLiteral(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QChar('!') || c == QChar('%') || c == QChar('_')) out += QChar('!');
        out += c;
    }
    return out;
}

struct Part {
    TreeField field;
    QString op;
    db::SqlValue value;
};

Part partOf(const TreeBranch& b, const std::vector<TreeField>& fields) {
    const auto f = findField(fields, b.field);
    if (!f) throw InvalidBranch(QStringLiteral("Nieznane pole: %1").arg(b.field));
    return {*f, checkedOperator(*f, b.op), typedValue(*f, b.value)};
}

QString separatorOf(const QString& separator) { return separator.isEmpty() ? QStringLiteral("-") : separator; }

QString setPattern(const QString& separator, const db::SqlValue& id) {
    const QString sep = likeLiteral(separatorOf(separator));
    return QStringLiteral("%") + sep + QString::number(id.toInt64()) + sep + QStringLiteral("%");
}

} // namespace

BoundCondition branchCondition(const std::vector<TreeBranch>& tree, int64_t branch, const std::vector<TreeField>& fields,
                               const QString& separator) {
    BoundCondition out;
    QStringList parts;
    const auto path = pathUp(tree, branch);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const Part p = partOf(**it, fields);
        if (p.field.kind == FieldKind::SetPath) {
            // The path with a separator in front, so that the first id is enclosed too.
            parts << QStringLiteral("((? || %1) LIKE ? ESCAPE '!')").arg(p.field.column);
            out.params.push_back(separatorOf(separator));
            out.params.push_back(setPattern(separator, p.value));
        } else {
            parts << QStringLiteral("(%1 %2 ?)").arg(p.field.column, p.op);
            out.params.push_back(p.value);
        }
    }
    out.sql = parts.join(QStringLiteral(" AND "));
    return out;
}

QString branchFilter(const std::vector<TreeBranch>& tree, int64_t branch, const std::vector<TreeField>& fields,
                     const QString& separator, const QString& prefix) {
    FilterBuilder filter;
    const auto path = pathUp(tree, branch);
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const Part p = partOf(**it, fields);
        const QString column = prefix.isEmpty() ? p.field.column : prefix + QChar(':') + p.field.column.toUpper();
        if (p.field.kind == FieldKind::SetPath) {
            filter.add(sqlPiece(QStringLiteral("(%1 || %2) LIKE %3 ESCAPE '!'")
                                    .arg(db::quoted(separatorOf(separator)), p.field.column,
                                         db::quoted(setPattern(separator, p.value)))));
        } else if (p.op == QLatin1String("LIKE")) {
            filter.add(sqlPiece(QStringLiteral("%1 LIKE %2").arg(p.field.column, db::quoted(p.value.toText()))));
        } else {
            const QString value = p.field.kind == FieldKind::Text ? db::quoted(p.value.toText()) : QString::number(p.value.toInt64());
            filter.add(QStringLiteral("%1%2%3").arg(column, p.op, value));
        }
    }
    return filter.text();
}

} // namespace ksiega::filtertree
