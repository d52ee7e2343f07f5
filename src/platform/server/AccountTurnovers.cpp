#include "platform/server/AccountTurnovers.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

AccountTurnover OBLICZ_OBROTY_DLA_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu,
                                        const QString& waluta, const QString& konto, int calyNumer, int wariant) {
    const CurrencyCode currency = CurrencyCode::of(waluta);
    const QString symbol = currency.symbol();
    const char* set = !currency.isHome() ? "_w" : (wariant == 0 ? "_2" : "");

    // The period's rows of one currency are a range of the unique key; the account
    // condition is then checked on those rows.
    QString sql = QStringLiteral("select coalesce(sum(obr_wn%1), 0), coalesce(sum(obr_ma%1), 0), "
                                 "coalesce(sum(saldo_wn%1), 0), coalesce(sum(saldo_ma%1), 0) from OBROTY_I_SALDA "
                                 "where id_firmy=? and id_lata_obrot=? and sym_waluty=? and data_okresu=? and ")
                      .arg(QLatin1String(set));
    db::Params params{idFirmy, idLataObrot, symbol, dataOkresu};
    if (calyNumer != 0) {
        sql += QStringLiteral("nr_konta=?");
        params.push_back(konto);
    } else {
        // Begins with the text, and no dash after it: a dash at or after the end of the
        // text would make a prefix (the parent) that begins with the text as well.
        const int length = int(konto.size());
        // The lengths are whole numbers of our own, written into the statement so that
        // both engines pick the integer form of substr.
        sql += QStringLiteral("substr(nr_konta, 1, %1)=? and substr(nr_konta, %2) not like '%-%'").arg(length).arg(length + 1);
        params.push_back(konto);
    }
    db::Rows r = db.select(sql, params);
    AccountTurnover result;
    if (r.next()) {
        result.obrotyDt = Money::fromMinor(r.int64(0));
        result.obrotyCt = Money::fromMinor(r.int64(1));
        result.saldoDt = Money::fromMinor(r.int64(2));
        result.saldoCt = Money::fromMinor(r.int64(3));
    }
    return result;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("OBLICZ_OBROTY_DLA_KONTA"), [](db::Database& db, const db::Params& args) {
    const AccountTurnover t = OBLICZ_OBROTY_DLA_KONTA(db, intArg(args, 0), intArg(args, 1), int(intArg(args, 2)),
                                                      textArg(args, 3), textArg(args, 4), int(intArg(args, 5)),
                                                      args.size() > 6 ? int(intArg(args, 6)) : 1);
    return ResultSet{{QStringLiteral("obroty_wn"), QStringLiteral("obroty_ma"), QStringLiteral("saldo_wn"),
                      QStringLiteral("saldo_ma")},
                     {{t.obrotyDt, t.obrotyCt, t.saldoDt, t.saldoCt}}};
});

} // namespace ksiega::server
