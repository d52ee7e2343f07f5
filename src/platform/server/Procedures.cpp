#include "platform/server/Procedures.h"
#include <map>

namespace ksiega::server {

static QString normalised(QString name) {
    name = name.trimmed().toUpper();
    if (name.startsWith(QLatin1String("DBO."))) name = name.mid(4);
    return name;
}

static std::map<QString, Procedure>& registry() {
    static std::map<QString, Procedure> all;
    return all;
}

bool registerProcedure(const QString& name, Procedure procedure) {
    registry()[normalised(name)] = std::move(procedure);
    return true;
}

const Procedure* findProcedure(const QString& name) {
    auto it = registry().find(normalised(name));
    return it == registry().end() ? nullptr : &it->second;
}

ResultSet callProcedure(db::Database& db, const QString& name, const db::Params& args) {
    const Procedure* p = findProcedure(name);
    if (!p) throw db::DbError(QStringLiteral("Nieznana procedura serwera: %1").arg(name));
    return (*p)(db, args);
}

} // namespace ksiega::server
