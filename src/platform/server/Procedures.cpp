#include "platform/server/Procedures.h"
#include "platform/runtime/Registry.h"

namespace ksiega::server {

static QString normalised(const QString& text) {
    QString name = text.trimmed().toUpper();
    if (name.startsWith(QLatin1String("DBO."))) name = name.mid(4);
    return name;
}

static Registry<Procedure>& registry() {
    static Registry<Procedure> all(QStringLiteral("server procedure"), normalised);
    return all;
}

bool registerProcedure(const QString& name, Procedure procedure) {
    registry().add(name, std::move(procedure));
    return true;
}

const Procedure* findProcedure(const QString& name) { return registry().find(name); }

QStringList procedureNames() { return registry().names(); }

ResultSet callProcedure(db::Database& db, const QString& name, const db::Params& args) {
    const Procedure* p = findProcedure(name);
    if (!p) throw db::DbError(QStringLiteral("Nieznana procedura serwera: %1").arg(name));
    return (*p)(db, args);
}

} // namespace ksiega::server
