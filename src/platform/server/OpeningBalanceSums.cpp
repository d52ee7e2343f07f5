// The sums of the opening balance that the browse's summary shows.
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

OpeningSums POZYCJE_BO_SUMUJ(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& waluta, int mode) {
    if (mode < 1 || mode > 4) throw db::DbError(QStringLiteral("POZYCJE_BO_SUMUJ: nieznany tryb %1").arg(mode));
    // The opening-balance documents summed: the currency's one, or every one of the year.
    QString documents = QStringLiteral("select n.id_nag_dok from NAG_DOK n where n.id_firmy=? and n.id_lata_obrot=? and n.czy_rk=10");
    db::Params documentParams{idFirmy, idLataObrot};
    if (mode == 1) {
        documents += QStringLiteral(" and (case when upper(n.waluta)='PLN' then '' else upper(n.waluta) end)=?");
        documentParams.push_back(CurrencyCode::of(waluta).entrySymbol());
    }
    // Each side grouped by account, so that the off-balance test runs once per account.
    QString sql = QStringLiteral("select coalesce(sum(g.wn), 0), coalesce(sum(g.wn_w), 0), coalesce(sum(g.ma), 0), coalesce(sum(g.ma_w), 0) "
                                 "from (select konto_wn as konto, sum(kwota_wn) as wn, sum(kwota_wn_w) as wn_w, 0 as ma, 0 as ma_w "
                                 "from POZ_DOK where id_nag_dok in (%1) and konto_wn<>'' group by konto_wn "
                                 "union all "
                                 "select konto_ma, 0, 0, sum(kwota_ma), sum(kwota_ma_w) "
                                 "from POZ_DOK where id_nag_dok in (%1) and konto_ma<>'' group by konto_ma) g")
                      .arg(documents);
    db::Params params = documentParams;
    params.insert(params.end(), documentParams.begin(), documentParams.end());
    if (mode >= 3) {
        sql += QStringLiteral(" where exists (select 1 from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
                              "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
                              "where w.id_firmy=? and w.id_lata_obrot=? and w.poziom=0 and s.typ_konta='P' "
                              "and (g.konto=w.nr_konta or substr(g.konto, 1, length(w.nr_konta) + 1)=w.nr_konta || '-'))");
        params.push_back(idFirmy);
        params.push_back(idLataObrot);
    }
    db::Rows r = db.select(sql, params);
    r.next();
    const Money dt = r.money(0), dtW = r.money(1), ct = r.money(2), ctW = r.money(3);
    switch (mode) {
    case 1: return {dt, dtW, ct, ctW};
    case 2:
    case 3: return {dt, {}, ct, {}};
    default: return {ct, {}, dt, {}};
    }
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_SUMUJ"), [](db::Database& db, const db::Params& args) {
    const OpeningSums s = POZYCJE_BO_SUMUJ(db, intArg(args, 0), intArg(args, 1), textArg(args, 2), int(intArg(args, 3)));
    return ResultSet{{QStringLiteral("kwota1"), QStringLiteral("kwota2"), QStringLiteral("kwota3"), QStringLiteral("kwota4")},
                     {{s.first, s.second, s.third, s.fourth}}};
});

} // namespace ksiega::server
