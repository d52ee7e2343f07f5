#include "platform/server/Accounts.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

namespace {
// Account texts arrive as typed or as quoted SQL literals ('201-01').
QString bareAccount(QString konto) {
    konto = konto.trimmed();
    if (konto.size() >= 2 && konto.startsWith('\'') && konto.endsWith('\'')) konto = konto.mid(1, konto.size() - 2).trimmed();
    return konto;
}
} // namespace

std::optional<QString> USTAL_NAZWE_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& konto) {
    const QString nr = bareAccount(konto);
    if (nr.isEmpty()) return std::nullopt;
    if (auto name = db.scalarText(QStringLiteral("select nazwa_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                                                 "and nr_konta=?"),
                                  {idFirmy, idLataObrot, nr}))
        return name;
    bool numeric = false;
    const int synthetic = nr.toInt(&numeric);
    if (!numeric || nr.contains('-') || nr.startsWith('+')) return std::nullopt;
    return db.scalarText(QStringLiteral("select nazwa from KONTA_SYNT where id_firmy=? and id_lata_obrot=? and nr_konta_syn=?"),
                         {idFirmy, idLataObrot, synthetic});
}

QString TG_GetNazwaKonta(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& konto) {
    return USTAL_NAZWE_KONTA(db, idFirmy, idLataObrot, konto).value_or(QString());
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("USTAL_NAZWE_KONTA"), [](db::Database& db, const db::Params& args) {
    ResultSet result{{QStringLiteral("nazwa_konta")}, {}};
    if (auto name = USTAL_NAZWE_KONTA(db, intArg(args, 0), intArg(args, 1), textArg(args, 2))) result.rows.push_back({*name});
    return result;
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_GetNazwaKonta"), [](db::Database& db, const db::Params& args) {
    return ResultSet{{QStringLiteral("nazwa_konta")}, {{TG_GetNazwaKonta(db, intArg(args, 0), intArg(args, 1), textArg(args, 2))}}};
});

} // namespace ksiega::server
