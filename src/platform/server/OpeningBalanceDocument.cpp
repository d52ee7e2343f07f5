#include "platform/server/OpeningBalanceDocument.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

namespace {
QString documentCurrency(const QString& waluta) {
    return CurrencyCode::of(waluta).entrySymbol();
}
} // namespace

int64_t PRZYGOTUJ_DOKUMENT_BO(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& login,
                              int dataDokumentu, int dataOkresu, const QString& waluta, OpeningBalanceMode mode) {
    (void)dataOkresu;   // always the year's BO period
    const QString currency = documentCurrency(waluta);
    db::Transaction tx(db);
    // The year's row is the lock that keeps two sessions from creating two headers.
    if (db.execute(QStringLiteral("update LATA_OBROTOWE set status=status where id_firmy=? and id_lata_obrot=?"),
                   {idFirmy, idLataObrot}) == 0)
        return 0;
    const FiscalYear year = *loadFiscalYear(db, idFirmy, idLataObrot);
    if (auto id = db.scalarInt(QStringLiteral("select min(id_nag_dok) from NAG_DOK where id_firmy=? and id_lata_obrot=? "
                                              "and czy_rk=10 and (case when upper(waluta)='PLN' then '' else upper(waluta) end)=?"),
                               {idFirmy, idLataObrot, currency})) {
        tx.commit();
        return *id;
    }
    if (mode == OpeningBalanceMode::FindOnly) return 0;
    const int documentDate = dataDokumentu > 0 ? dataDokumentu : year.start;
    const QString number = currency.isEmpty() ? QStringLiteral("BO") : QStringLiteral("BO ") + currency;
    const int64_t id = db.insertReturningId(
        QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok, nr_dok_org, data_biezaca, data_dok_org, "
                       "data_okresu, status, czy_rk, waluta, opis, id_uzyt_p) values (?, ?, ?, ?, ?, ?, ?, 2, 10, ?, ?, ?) "
                       "returning id_nag_dok"),
        {idFirmy, idLataObrot, number, number, documentDate, documentDate, year.openingPeriod(), currency,
         QStringLiteral("Bilans otwarcia"), login.trimmed().left(8)});
    tx.commit();
    return id;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("PRZYGOTUJ_DOKUMENT_BO"), [](db::Database& db, const db::Params& args) {
    const auto mode = intArg(args, 6) == 1 ? OpeningBalanceMode::FindOnly : OpeningBalanceMode::FindOrCreate;
    const int64_t id = PRZYGOTUJ_DOKUMENT_BO(db, intArg(args, 0), intArg(args, 1), textArg(args, 2), int(intArg(args, 3)),
                                             int(intArg(args, 4)), textArg(args, 5), mode);
    return ResultSet{{QStringLiteral("id_nag_dok")}, {{id}}};
});

} // namespace ksiega::server
