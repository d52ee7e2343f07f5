#include "platform/server/PartyAccounts.h"
#include "platform/db/SqlText.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include <QStringList>

namespace ksiega::server {

QString TG_GetKontaKontrahenta(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idKartoteki,
                               const QString& kind) {
    QStringList accounts;
    db::Rows rows = db.select(QStringLiteral("select nr_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                                             "and rodzaj_kartoteki=? and id_kartoteki=? order by nr_konta"),
                              {idFirmy, idLataObrot, kind.trimmed().toUpper(), idKartoteki});
    while (rows.next()) accounts << db::quoted(rows.text(0));
    return accounts.isEmpty() ? QStringLiteral("''") : accounts.join(QChar(','));
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_GetKontaKontrahenta"), [](db::Database& db, const db::Params& args) {
    return ResultSet{{QStringLiteral("konta")},
                     {{TG_GetKontaKontrahenta(db, intArg(args, 0), intArg(args, 1), intArg(args, 2), textArg(args, 3))}}};
});

} // namespace ksiega::server
