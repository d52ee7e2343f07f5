// The work tables of the year-end closing and the one pass over the closing year's lines.
#include "platform/server/closing/ClosingSteps.h"

namespace ksiega::server::closing {

namespace {

const char* const kWorkTables[][2] = {
    {"tmp_zr_pos", "i INTEGER PRIMARY KEY"},
    {"tmp_zr_saldo", "konto VARCHAR(60), waluta VARCHAR(3), wn BIGINT, ma BIGINT, wnw BIGINT, maw BIGINT"},
    // stan: 0 carried, 1 duplicate change rows (stays), 2 target not in next chart,
    // 3 own number not in next chart, 4 result account without 860, 5 skipped (980/998)
    {"tmp_zr_src", "konto VARCHAR(60), synt VARCHAR(60), net BIGINT, netw BIGINT, typ VARCHAR(1), zlen INTEGER, zcnt INTEGER, zid BIGINT, "
                   "target VARCHAR(60), wybrane INTEGER, stan INTEGER, zalaczone INTEGER"},
    // czesc: 0 the whole account, 1 the attached settlements moved, 2 the rest that stays
    {"tmp_zr_part", "konto VARCHAR(60), target VARCHAR(60), net BIGINT, netw BIGINT, zid BIGINT, czesc INTEGER"},
    {"tmp_zr_rozr", "id BIGINT, konto VARCHAR(60), target VARCHAR(60), zid BIGINT, strona VARCHAR(2), korekta INTEGER, "
                    "rem BIGINT, remw BIGINT, attached INTEGER, id_new BIGINT"},
    {"tmp_zr_line", "konto VARCHAR(60), net BIGINT, netw BIGINT, rozrach INTEGER, mpk INTEGER, sdt BIGINT, sct BIGINT, "
                    "sdtw BIGINT, sctw BIGINT, dt BIGINT, ct BIGINT, dtw BIGINT, ctw BIGINT, id_poz_dok BIGINT"},
    {"tmp_zr_target", "konto VARCHAR(60)"},
    {"tmp_zr_old", "id BIGINT"},
    // wynik: 1 when result accounts met the row, wdt/wct their balance, w860 1 when it went to 860
    {"tmp_zr_report", "zid BIGINT, waluta VARCHAR(3), dt BIGINT, ct BIGINT, nrozr BIGINT, brak INTEGER, zostaje INTEGER, "
                      "wynik INTEGER, wdt BIGINT, wct BIGINT, w860 INTEGER"},
};

} // namespace

QString currencyKey(const QString& column) {
    return QStringLiteral("(case when upper(%1) in ('', 'PLN') then 'PLN' else upper(%1) end)").arg(column);
}

void prepareWorkTables(db::Database& db) {
    for (const auto& t : kWorkTables) {
        db.execute(QStringLiteral("create temporary table if not exists %1 (%2)").arg(QLatin1String(t[0]), QLatin1String(t[1])));
        if (QLatin1String(t[0]) != QLatin1String("tmp_zr_pos")) db.execute(QStringLiteral("delete from %1").arg(QLatin1String(t[0])));
    }
    if (db.scalarInt(QStringLiteral("select count(*) from tmp_zr_pos")).value_or(0) == 0) {
        QStringList values;
        for (int i = 1; i <= 61; ++i) values << QStringLiteral("(%1)").arg(i);
        db.execute(QStringLiteral("insert into tmp_zr_pos (i) values ") + values.join(QLatin1Char(',')));
    }
}

void clearCurrencyTables(db::Database& db) {
    for (const char* t : {"tmp_zr_src", "tmp_zr_part", "tmp_zr_rozr", "tmp_zr_line", "tmp_zr_target", "tmp_zr_old"})
        db.execute(QStringLiteral("delete from %1").arg(QLatin1String(t)));
}

void addProblem(db::Database& db, int64_t userNumber, const QString& text, const QString& currency) {
    db.execute(QStringLiteral("insert into KOMUNIKAT (id_uzytkownika, kontekst, tekst1, tekst2) values (?, 'GEN_BO', ?, ?)"),
               {userNumber, text.left(250), currency.left(60)});
}

void readBalances(db::Database& db, const FiscalYear& closingYear, const QString& onlyCurrency) {
    // Each side through its covering account index (year, account, ..., status, czy_rk,
    // currency, amounts): grouped in the index's order, the table itself is never read.
    for (const QString& side : {QStringLiteral("wn"), QStringLiteral("ma")}) {
        const bool dt = side == QLatin1String("wn");
        QString sql = QStringLiteral("insert into tmp_zr_saldo (konto, waluta, wn, ma, wnw, maw) "
                                     "select konto_%1, %2, %3, %4, %5, %6 from POZ_DOK "
                                     "where id_lata_obrot=? and konto_%1<>'' and (status=2 or czy_rk=10)")
                          .arg(side, currencyKey(QStringLiteral("waluta")),
                               dt ? QStringLiteral("sum(kwota_wn)") : QStringLiteral("0"),
                               dt ? QStringLiteral("0") : QStringLiteral("sum(kwota_ma)"),
                               dt ? QStringLiteral("sum(kwota_wn_w)") : QStringLiteral("0"),
                               dt ? QStringLiteral("0") : QStringLiteral("sum(kwota_ma_w)"));
        db::Params params{closingYear.idLataObrot};
        if (!onlyCurrency.isEmpty()) {
            sql += QStringLiteral(" and ") + currencyKey(QStringLiteral("waluta")) + QStringLiteral("=?");
            params.push_back(onlyCurrency);
        }
        sql += QStringLiteral(" group by konto_%1, waluta").arg(side);
        db.execute(sql, params);
    }
    db.dialect().analyzeTable(db, QStringLiteral("tmp_zr_saldo"));
}

QStringList balanceCurrencies(db::Database& db) {
    QStringList all;
    db::Rows r = db.select(QStringLiteral("select distinct waluta from tmp_zr_saldo order by waluta"));
    while (r.next()) all << r.text(0);
    if (all.removeAll(QStringLiteral("PLN"))) all.prepend(QStringLiteral("PLN"));
    return all;
}

} // namespace ksiega::server::closing
