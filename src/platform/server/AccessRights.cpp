#include "platform/server/AccessRights.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

std::optional<int> USTAL_PRAWO_DOSTEPU_FUNKCJA(db::Database& db, int64_t idFirmy, const QString& login,
                                               const QString& kodFunkcji) {
    db::Rows r = db.select(QStringLiteral("select prawo from PRAWA_DOSTEPU where id_firmy=? and login=? and kod_funkcji=?"),
                           {idFirmy, login.trimmed(), kodFunkcji.trimmed()});
    if (!r.next()) return std::nullopt;
    return r.int64(0) != 0 ? 1 : 0;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("USTAL_PRAWO_DOSTEPU_FUNKCJA"), [](db::Database& db, const db::Params& args) {
    ResultSet result{{QStringLiteral("prawo")}, {}};
    if (auto right = USTAL_PRAWO_DOSTEPU_FUNKCJA(db, intArg(args, 0), textArg(args, 1), textArg(args, 2)))
        result.rows.push_back({*right});
    return result;
});

} // namespace ksiega::server
