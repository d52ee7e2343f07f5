#pragma once
// Whether every cost-centre split carries its document header's sort columns, compared by a
// plain join of the split, its line and the header.
#include "platform/db/Database.h"
#include <QStringList>

namespace ksiega::test {

// Descriptions of the splits whose copies differ ("split 12: data_biezaca"); empty when all agree.
inline QStringList staleCostCentreCopies(db::Database& db) {
    QStringList stale;
    for (const char* f : {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org"}) {
        db::Rows r = db.select(QStringLiteral("select m.id_mpk_dane from MPK_DANE m join POZ_DOK p on p.id_poz_dok = m.id_poz_dok "
                                              "join NAG_DOK n on n.id_nag_dok = p.id_nag_dok where m.%1 <> n.%1 order by 1")
                                   .arg(QLatin1String(f)));
        while (r.next()) stale << QStringLiteral("split %1: %2").arg(r.int64(0)).arg(QLatin1String(f));
    }
    return stale;
}

} // namespace ksiega::test
