#pragma once
// Which engine a connection runs on: known inside src/platform/db (where the dialects are
// implemented) and to the tests, which run on both. Everything else uses Database::dialect().
#include "platform/db/Database.h"
#include "platform/db/Dialect.h"

namespace ksiega::db {

enum class Engine { Sqlite, Postgres };

const Dialect& sqliteDialect();
const Dialect& postgresDialect();

inline const Dialect& dialectOf(Engine engine) { return engine == Engine::Sqlite ? sqliteDialect() : postgresDialect(); }
inline Engine engineOf(const Dialect& dialect) { return &dialect == &sqliteDialect() ? Engine::Sqlite : Engine::Postgres; }
inline Engine engineOf(const Database& db) { return engineOf(db.dialect()); }

} // namespace ksiega::db
