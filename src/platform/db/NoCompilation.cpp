#include "platform/db/NoCompilation.h"
#include "platform/db/Engine.h"

namespace ksiega::db {

void setLocalNoCompilation(Database& db) {
    if (engineOf(db) == Engine::Postgres) db.scalarText(QStringLiteral("select set_config('jit', 'off', true)"));
}

} // namespace ksiega::db
