#include "platform/server/settlements/AccountChoice.h"

namespace ksiega::server {

AccountTextKind accountTextKind(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& tekst) {
    const QString text = tekst.trimmed();
    if (text.isEmpty()) return AccountTextKind::NoMatch;
    db::Rows exact = db.select(QStringLiteral("select czy_analityka from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and nr_konta=?"),
                               {idFirmy, idLataObrot, text});
    if (exact.next()) return exact.int64(0) == 1 ? AccountTextKind::PostingAccount : AccountTextKind::HigherAccount;
    if (db.scalarInt(QStringLiteral("select 1 from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and substr(nr_konta, 1, ?)=? limit 1"),
                     {idFirmy, idLataObrot, int(text.size()), text}))
        return AccountTextKind::Beginning;
    return AccountTextKind::NoMatch;
}

} // namespace ksiega::server
