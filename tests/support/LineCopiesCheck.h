#pragma once
// Whether every ledger line carries what it repeats: the header's fields, compared here by a
// plain join, and each side's synthetic account, computed here from the account's text.
#include "platform/db/Database.h"
#include <QStringList>

namespace ksiega::test {

// Descriptions of the lines whose copies differ ("line 12: data_biezaca"); empty when all agree.
inline QStringList staleLineCopies(db::Database& db) {
    QStringList stale;
    const QStringList fields{"nr_ewid_dok", "data_okresu", "status", "czy_rk", "data_biezaca", "nr_dok_org",
                             "data_dok_org", "data_oper_gosp", "data_zatwierdzenia", "nr_sys_dok"};
    for (const QString& f : fields) {
        db::Rows r = db.select(QStringLiteral("select p.id_poz_dok from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
                                              "where p.%1 <> n.%1 order by 1").arg(f));
        while (r.next()) stale << QStringLiteral("line %1: %2").arg(r.int64(0)).arg(f);
    }
    db::Rows r = db.select(QStringLiteral("select id_poz_dok, konto_wn, syntetyka_wn, konto_ma, syntetyka_ma from POZ_DOK order by 1"));
    while (r.next()) {
        if (r.text(1).section(QLatin1Char('-'), 0, 0) != r.text(2)) stale << QStringLiteral("line %1: syntetyka_wn").arg(r.int64(0));
        if (r.text(3).section(QLatin1Char('-'), 0, 0) != r.text(4)) stale << QStringLiteral("line %1: syntetyka_ma").arg(r.int64(0));
    }
    return stale;
}

// Descriptions of the budget lines whose copies of their document and ledger line differ
// ("budget line 7: konto_wn"); empty when all agree.
inline QStringList staleBudgetLineCopies(db::Database& db) {
    QStringList stale;
    for (const char* f : {"n.nr_ewid_dok", "n.data_biezaca", "n.nr_dok_org", "n.data_dok_org", "p.konto_wn", "p.konto_ma"}) {
        const QString field = QLatin1String(f).mid(2);
        db::Rows r = db.select(QStringLiteral("select b.id_bt_dane from BT_DANE b join POZ_DOK p on p.id_poz_dok = b.id_poz_dok "
                                              "join NAG_DOK n on n.id_nag_dok = p.id_nag_dok where b.%1 <> %2 order by 1")
                                   .arg(field, QLatin1String(f)));
        while (r.next()) stale << QStringLiteral("budget line %1: %2").arg(r.int64(0)).arg(field);
    }
    return stale;
}

} // namespace ksiega::test
