#include "platform/db/demo/SecondaryIndexes.h"
#include "platform/db/Schema.h"
#include <QRegularExpression>

namespace ksiega::db::demo {

std::vector<IndexDefinition> secondaryIndexes(const Dialect& dialect, const QStringList& tables) {
    static const QRegularExpression createIndex(
        // The whole statement up to its semicolon: a partial index keeps its WHERE clause.
        QStringLiteral("CREATE\\s+(?:UNIQUE\\s+)?INDEX\\s+(\\w+)\\s+ON\\s+(\\w+)\\s*\\([^;]*"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<IndexDefinition> out;
    auto it = createIndex.globalMatch(schemaSql(dialect));
    while (it.hasNext()) {
        const auto m = it.next();
        if (tables.contains(m.captured(2), Qt::CaseInsensitive)) out.push_back({m.captured(1), m.captured(2), m.captured(0)});
    }
    return out;
}

void dropIndexes(Database& db, const std::vector<IndexDefinition>& indexes) {
    // Index names come from the schema script, never from a person.
    for (const IndexDefinition& i : indexes) db.executeScript(QStringLiteral("DROP INDEX IF EXISTS %1").arg(i.name));
}

void createIndexes(Database& db, const std::vector<IndexDefinition>& indexes) {
    if (indexes.empty()) return;
    // Each build sorts the whole table: SQLite may sort with a helper thread; PostgreSQL
    // sorts in memory when the transaction allows it more than the default work memory.
    db.dialect().beginIndexBuild(db);
    for (const IndexDefinition& i : indexes) db.executeScript(i.createSql);
    db.dialect().endIndexBuild(db);
}

} // namespace ksiega::db::demo
