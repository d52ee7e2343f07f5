// The work tables of the year-end closing and the one pass over the closing year's lines.
#include "platform/server/closing/ClosingSteps.h"
#include <map>

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

namespace {

// The currency columns' values of the year's lines, grouped by their key ("" and "pln" are
// both "PLN"). Read by skipping through the (company, year, currency) index, one look-up
// per value, not by reading the lines.
std::map<QString, QStringList> lineCurrencies(db::Database& db, const FiscalYear& year) {
    std::map<QString, QStringList> byKey;
    db::Rows r = db.select(QStringLiteral(
                               "with recursive w(v) as (select min(waluta) from POZ_DOK where id_firmy=? and id_lata_obrot=? "
                               "union all select (select min(p.waluta) from POZ_DOK p where p.id_firmy=? and p.id_lata_obrot=? "
                               "and p.waluta>w.v) from w where w.v is not null) select v from w where v is not null"),
                           {year.idFirmy, year.idLataObrot, year.idFirmy, year.idLataObrot});
    while (r.next()) {
        const QString value = r.text(0);
        const QString upper = value.toUpper();
        byKey[upper.isEmpty() || upper == QLatin1String("PLN") ? QStringLiteral("PLN") : upper] << value;
    }
    return byKey;
}

} // namespace

void readBalances(db::Database& db, const FiscalYear& closingYear, const QString& onlyCurrency) {
    std::map<QString, QStringList> currencies = lineCurrencies(db, closingYear);
    if (!onlyCurrency.isEmpty()) std::erase_if(currencies, [&](const auto& c) { return c.first != onlyCurrency; });
    if (currencies.empty()) return;
    // One pass per side through its covering account index (year, account, ..., status,
    // czy_rk, currency, amounts), grouped by the account alone in the index's order, with
    // the sums of each currency side by side: no sort of the lines, whatever their number.
    // The account's row of a currency is kept when it has a line in that currency.
    for (const QString& side : {QStringLiteral("wn"), QStringLiteral("ma")}) {
        const bool dt = side == QLatin1String("wn");
        QStringList sums, amount, amountW, count, keys;
        db::Params sumParams, keyParams;
        int i = 0;
        for (const auto& [key, values] : currencies) {
            const QString in = QStringLiteral("waluta in (%1)").arg(QStringList(values.size(), QStringLiteral("?")).join(QLatin1Char(',')));
            sums << QStringLiteral("sum(case when %1 then kwota_%2 else 0 end) as a%3").arg(in, side).arg(i)
                 << QStringLiteral("sum(case when %1 then kwota_%2_w else 0 end) as b%3").arg(in, side).arg(i)
                 << QStringLiteral("sum(case when %1 then 1 else 0 end) as n%2").arg(in).arg(i);
            for (int k = 0; k < 3; ++k)
                for (const QString& v : values) sumParams.push_back(v);
            amount << QStringLiteral("when %1 then g.a%1").arg(i);
            amountW << QStringLiteral("when %1 then g.b%1").arg(i);
            count << QStringLiteral("when %1 then g.n%1").arg(i);
            keys << QStringLiteral("select %1 as i, ? as k").arg(i);
            keyParams.push_back(key);
            ++i;
        }
        const QString pick = QStringLiteral("(case c.i %1 end)");
        const QString a = pick.arg(amount.join(QLatin1Char(' '))), b = pick.arg(amountW.join(QLatin1Char(' ')));
        const QString sql = QStringLiteral("select g.konto, c.k, %1, %2 from (select konto_%3 as konto, %4 from POZ_DOK "
                                           "where id_lata_obrot=? and konto_%3<>'' and (status=2 or czy_rk=10) group by konto_%3) g "
                                           "join (%5) c on %6>0")
                                .arg(a, b, side, sums.join(QStringLiteral(", ")), keys.join(QStringLiteral(" union all ")),
                                     pick.arg(count.join(QLatin1Char(' '))));
        db::Params params = sumParams;
        params.push_back(closingYear.idLataObrot);
        params.insert(params.end(), keyParams.begin(), keyParams.end());
        // Read, then written: a plain read may run on several workers where the engine has
        // them, an insert from a read would not; the rows are one per account and currency.
        std::vector<db::Params> rows;
        db::Rows r = db.select(sql, params);
        while (r.next()) {
            const int64_t amountOfSide = r.int64(2), currencyAmount = r.int64(3);
            rows.push_back({r.text(0), r.text(1), dt ? amountOfSide : 0, dt ? 0 : amountOfSide, dt ? currencyAmount : 0,
                            dt ? 0 : currencyAmount});
        }
        auto writer = db.bulkInsert(QStringLiteral("tmp_zr_saldo"), {QStringLiteral("konto"), QStringLiteral("waluta"), QStringLiteral("wn"),
                                                                     QStringLiteral("ma"), QStringLiteral("wnw"), QStringLiteral("maw")});
        for (const db::Params& row : rows) writer->add(row);
        writer->finish();
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
