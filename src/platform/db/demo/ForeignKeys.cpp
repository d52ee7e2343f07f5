#include "platform/db/demo/ForeignKeys.h"

namespace ksiega::db::demo {
namespace {

QString identifier(const QString& name) {
    QString n = name;
    n.replace(QChar('"'), QStringLiteral("\"\""));
    return QChar('"') + n + QChar('"');
}

} // namespace

SuspendedForeignKeys::SuspendedForeignKeys(Database& db, const QStringList& tables) : m_db(db), m_tables(tables) {
    if (m_db.engine() == Engine::Sqlite && m_db.transactionDepth() == 0) {
        m_db.executeScript(QStringLiteral("PRAGMA foreign_keys=OFF"));
        m_sqliteOff = true;
    }
}

SuspendedForeignKeys::~SuspendedForeignKeys() {
    if (m_sqliteOff) {
        try { m_db.executeScript(QStringLiteral("PRAGMA foreign_keys=ON")); } catch (...) {}
    }
}

void SuspendedForeignKeys::dropInsideTransaction() {
    if (m_db.engine() != Engine::Postgres) return;
    for (const QString& table : m_tables) {
        Rows rows = m_db.select(QStringLiteral("select conname, pg_get_constraintdef(oid) from pg_constraint "
                                               "where conrelid = cast(? as regclass) and contype = 'f' order by conname"),
                                {table.toLower()});
        while (rows.next()) m_dropped.push_back({table, rows.text(0), rows.text(1)});
    }
    // Table names are the schema's, given by code; constraint names come from the catalog.
    for (const Constraint& c : m_dropped)
        m_db.executeScript(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT %2").arg(c.table, identifier(c.name)));
}

void SuspendedForeignKeys::addInsideTransaction() {
    for (const Constraint& c : m_dropped)
        m_db.executeScript(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 %3").arg(c.table, identifier(c.name), c.definition));
    m_dropped.clear();
    if (!m_sqliteOff) return;
    for (const QString& table : m_tables) {
        Rows rows = m_db.select(QStringLiteral("PRAGMA foreign_key_check(%1)").arg(table));
        if (rows.next())
            throw DbError(QStringLiteral("Tabela %1 ma wiersze bez wiersza nadrzędnego (%2)").arg(table, rows.text(2)));
    }
}

void SuspendedForeignKeys::restore() {
    if (!m_sqliteOff) return;
    m_db.executeScript(QStringLiteral("PRAGMA foreign_keys=ON"));
    m_sqliteOff = false;
}

} // namespace ksiega::db::demo
