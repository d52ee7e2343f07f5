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
    m_checksOff = m_db.dialect().suspendForeignKeyChecks(m_db);
}

SuspendedForeignKeys::~SuspendedForeignKeys() {
    if (m_checksOff) {
        try { m_db.dialect().resumeForeignKeyChecks(m_db); } catch (...) {}
    }
}

void SuspendedForeignKeys::dropInsideTransaction() {
    for (const QString& table : m_tables)
        for (const ForeignKey& key : m_db.dialect().droppableForeignKeys(m_db, table))
            m_dropped.push_back({table, key.name, key.definition});
    // Table names are the schema's, given by code; constraint names come from the catalog.
    for (const Constraint& c : m_dropped)
        m_db.executeScript(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT %2").arg(c.table, identifier(c.name)));
}

void SuspendedForeignKeys::addInsideTransaction() {
    for (const Constraint& c : m_dropped)
        m_db.executeScript(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 %3").arg(c.table, identifier(c.name), c.definition));
    m_dropped.clear();
    if (!m_checksOff) return;
    for (const QString& table : m_tables) {
        if (const auto parent = m_db.dialect().foreignKeyViolation(m_db, table))
            throw DbError(QStringLiteral("Tabela %1 ma wiersze bez wiersza nadrzędnego (%2)").arg(table, *parent));
    }
}

void SuspendedForeignKeys::restore() {
    if (!m_checksOff) return;
    m_db.dialect().resumeForeignKeyChecks(m_db);
    m_checksOff = false;
}

} // namespace ksiega::db::demo
