#include "platform/server/TurnoverChange.h"
#include "platform/db/NoCompilation.h"
#include "platform/server/TurnoverSql.h"
#include "platform/server/Turnovers.h"
#include <limits>

namespace ksiega::server {

namespace {

// A writer's change may hold another one (a line claimed inside a larger write): each
// level collects into tables of its own. The work tables stay with the connection (made
// once: creating and dropping tables costs more than the change itself on a server).
thread_local int t_depth = 0;

// The three sets of a change: posted PLN, every line in PLN, the currency.
const QStringList kSets{QString(), QStringLiteral("2"), QStringLiteral("w")};

// A work table of the connection, created on first use and emptied for this use (one
// round trip to the server: a change is many small statements, each one's trip counts).
void workTable(db::Database& db, const QString& name, const QString& columns) {
    db.executeScript(QStringLiteral("create temporary table if not exists %1 (%2)%3; delete from %1")
                         .arg(name, columns, db.dialect().keptWorkTableOptions()));
}

QString positive(const QString& x) {
    return QStringLiteral("case when %1 > 0 then %1 else 0 end").arg(x);
}

QString dateList(const std::vector<int>& dates) {
    QStringList out;
    for (int d : dates) out << QString::number(d);
    return out.join(',');
}

} // namespace

TurnoverChange::TurnoverChange(db::Database& db, int64_t idFirmy, int64_t idLataObrot)
    : m_db(db), m_year(turnovers::lockYear(db, idFirmy, idLataObrot)), m_depth(t_depth++) {
    const QString level = m_depth == 0 ? QString() : QStringLiteral("_%1").arg(m_depth);
    m_docs = QStringLiteral("tmp_tc_docs") + level;
    m_lines = QStringLiteral("tmp_tc_lines") + level;
    try {
        workTable(m_db, m_docs, QStringLiteral("id BIGINT"));
        workTable(m_db, m_lines, QStringLiteral("konto VARCHAR(60), waluta VARCHAR(3), data_okresu INTEGER, "
                                                "wn BIGINT, wn_2 BIGINT, wnw BIGINT, ma BIGINT, ma_2 BIGINT, maw BIGINT, n BIGINT"));
    } catch (...) {
        --t_depth;
        throw;
    }
}

TurnoverChange::~TurnoverChange() {
    --t_depth;
}

void TurnoverChange::collect(const std::vector<int64_t>& documentIds, int sign, const QString& idColumn) {
    if (documentIds.empty()) return;
    m_db.execute(QStringLiteral("delete from %1").arg(m_docs));
    constexpr size_t kChunk = 500;
    for (size_t at = 0; at < documentIds.size(); at += kChunk) {
        const size_t n = std::min(kChunk, documentIds.size() - at);
        QStringList marks;
        db::Params ids;
        for (size_t i = 0; i < n; ++i) {
            marks << QStringLiteral("(?)");
            ids.push_back(documentIds[at + i]);
        }
        m_db.execute(QStringLiteral("insert into %1 (id) values %2").arg(m_docs, marks.join(',')), ids);
    }
    collectWhere(QStringLiteral("%1 in (select id from %2)").arg(idColumn, m_docs), {}, sign);
}

void TurnoverChange::collectOpeningBalance(int sign) {
    collectWhere(QStringLiteral("id_nag_dok in (select n.id_nag_dok from NAG_DOK n where n.id_firmy=? and n.id_lata_obrot=? and n.czy_rk=10)"),
                 {m_year.idFirmy, m_year.idLataObrot}, sign);
}

void TurnoverChange::collectRange(int64_t first, int64_t last, int sign) {
    if (first > last) return;
    collectWhere(QStringLiteral("id_nag_dok between ? and ?"), {first, last}, sign);
}

// Per posted account, currency and period, each side of the lines in the three sets and
// the number of lines, with the writer's sign: the same pass as the full recompute's, over
// the given documents' lines only (through the document index).
void TurnoverChange::collectWhere(const QString& documentCondition, const db::Params& params, int sign) {
    if (m_applied) throw db::DbError(QStringLiteral("TurnoverChange: lines collected after apply()"));
    const QString period = QStringLiteral("case when czy_rk=10 then %1 else data_okresu end").arg(m_year.openingPeriod());
    const QString s = QString::number(sign);
    for (const QString& side : {QStringLiteral("wn"), QStringLiteral("ma")}) {
        const QString other = side == QLatin1String("wn") ? QStringLiteral("ma") : QStringLiteral("wn");
        const QString posted = QStringLiteral("%3*sum(case when status=2 or czy_rk=10 then kwota_%1%2 else 0 end)");
        db::Params all{m_year.idFirmy, m_year.idLataObrot};
        all.insert(all.end(), params.begin(), params.end());
        m_db.execute(QStringLiteral("insert into %8 (konto, waluta, data_okresu, %1, %1_2, %1w, %2, %2_2, %2w, n) "
                                    "select konto_%1, waluta, %3, %4, %7*sum(kwota_%1), %5, 0, 0, 0, %7*count(*) "
                                    "from POZ_DOK where id_firmy=? and id_lata_obrot=? and konto_%1<>'' and %6 "
                                    "group by konto_%1, waluta, %3")
                         .arg(side, other, period, posted.arg(side, QString(), s), posted.arg(side, QStringLiteral("_w"), s),
                              documentCondition, s)
                         .arg(m_lines),
                     all);
    }
}

void TurnoverChange::apply() {
    if (m_applied) throw db::DbError(QStringLiteral("TurnoverChange: apply() called twice"));
    m_applied = true;
    db::Transaction tx(m_db);
    db::setLocalNoCompilation(m_db);   // every statement below is over the change's few rows
    const int64_t company = m_year.idFirmy, year = m_year.idLataObrot;
    const QString amounts = QStringLiteral("wn BIGINT, ma BIGINT, wn2 BIGINT, ma2 BIGINT, wnw BIGINT, maw BIGINT, n BIGINT");
    const QString allZero = QStringLiteral("wn=0 and ma=0 and wn2=0 and ma2=0 and wnw=0 and maw=0 and n=0");

    // The change per posted account, currency and period: 'PLN' takes every line, another
    // currency its own lines. What cancels out (a description edited) is dropped.
    workTable(m_db, QStringLiteral("tmp_tc_accounts"), QStringLiteral("konto VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER, ") + amounts);
    m_db.execute(QStringLiteral(
        "insert into tmp_tc_accounts (konto, sym_waluty, data_okresu, wn, ma, wn2, ma2, wnw, maw, n) "
        "select konto, 'PLN', data_okresu, sum(wn), sum(ma), sum(wn_2), sum(ma_2), sum(wn), sum(ma), sum(n) "
        "from %1 group by konto, data_okresu "
        "union all "
        "select konto, upper(waluta), data_okresu, sum(wn), sum(ma), sum(wn_2), sum(ma_2), sum(wnw), sum(maw), sum(n) "
        "from %1 where waluta<>'' and upper(waluta)<>'PLN' group by konto, upper(waluta), data_okresu").arg(m_lines));
    m_db.execute("delete from tmp_tc_accounts where " + allZero);
    if (m_db.scalarInt(QStringLiteral("select count(*) from tmp_tc_accounts")).value_or(0) == 0) {
        tx.commit();
        return;
    }

    // A period date off the year's grid gives every account a row in that period: the full
    // recompute makes them (and removes them when the date's last line goes).
    const std::vector<int> grid = m_year.periodDates();
    if (m_db.scalarInt(QStringLiteral("select count(*) from tmp_tc_accounts where data_okresu not in (%1)").arg(dateList(grid)))
            .value_or(0) > 0) {
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(m_db, company, year, 0);
        tx.commit();
        return;
    }

    // The levels of each posted account; the synthetic level of a two-balance account marked
    // (as the full recompute marks it).
    workTable(m_db, QStringLiteral("tmp_tc_positions"), QStringLiteral("i INTEGER PRIMARY KEY"));
    workTable(m_db, QStringLiteral("tmp_tc_levels"), QStringLiteral("leaf VARCHAR(60), konto VARCHAR(60), dwus INTEGER"));
    QStringList positions;
    for (int i = 2; i <= 60; ++i) positions << QStringLiteral("(%1)").arg(i);
    m_db.execute("insert into tmp_tc_positions (i) values " + positions.join(','));
    m_db.execute(QStringLiteral(
        "insert into tmp_tc_levels (leaf, konto, dwus) "
        "select a.konto, a.konto, 0 from (select distinct konto from tmp_tc_accounts) a "
        "union "
        "select a.konto, substr(a.konto, 1, n.i - 1), 0 from (select distinct konto from tmp_tc_accounts) a "
        "join tmp_tc_positions n on n.i <= length(a.konto) and substr(a.konto, n.i, 1) = '-'"));
    m_db.execute(QStringLiteral(
                     "update tmp_tc_levels set dwus=1 where konto not like '%-%' and exists ("
                     "select 1 from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
                     "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
                     "where w.id_firmy=? and w.id_lata_obrot=? and s.czy_dwusaldowe=1 "
                     "and (w.nr_konta=tmp_tc_levels.konto or w.nr_konta=tmp_tc_levels.leaf))"),
                 {company, year});

    // The change per level, currency and period.
    workTable(m_db, QStringLiteral("tmp_tc_sums"), QStringLiteral("konto VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER, ") + amounts);
    m_db.execute(QStringLiteral(
        "insert into tmp_tc_sums (konto, sym_waluty, data_okresu, wn, ma, wn2, ma2, wnw, maw, n) "
        "select l.konto, c.sym_waluty, c.data_okresu, sum(c.wn), sum(c.ma), sum(c.wn2), sum(c.ma2), sum(c.wnw), sum(c.maw), sum(c.n) "
        "from tmp_tc_accounts c join tmp_tc_levels l on l.leaf=c.konto group by l.konto, c.sym_waluty, c.data_okresu"));
    m_db.execute("delete from tmp_tc_sums where " + allZero);
    m_db.execute(QStringLiteral("create unique index if not exists tmp_tc_sums_key on tmp_tc_sums (konto, sym_waluty, data_okresu)"));

    // The year's periods: the grid and any other date the stored rows carry.
    workTable(m_db, QStringLiteral("tmp_tc_periods"), QStringLiteral("data_okresu INTEGER PRIMARY KEY"));
    QStringList values;
    for (int d : grid) values << QStringLiteral("(%1)").arg(d);
    m_db.execute("insert into tmp_tc_periods (data_okresu) values " + values.join(','));
    {
        std::vector<int> bounds{std::numeric_limits<int>::min()};
        bounds.insert(bounds.end(), grid.begin(), grid.end());
        bounds.push_back(std::numeric_limits<int>::max());
        // One index range between each two grid dates, all in one statement.
        QStringList ranges;
        db::Params params;
        for (size_t i = 0; i + 1 < bounds.size(); ++i) {
            ranges << QStringLiteral("select distinct data_okresu from OBROTY_I_SALDA "
                                     "where id_firmy=? and id_lata_obrot=? and sym_waluty='PLN' and data_okresu>? and data_okresu<?");
            params.insert(params.end(), {company, year, bounds[i], bounds[i + 1]});
        }
        m_db.execute("insert into tmp_tc_periods (data_okresu) " + ranges.join(QStringLiteral(" union all ")), params);
    }

    // Every period from the first changed one on: the change of the period turnovers and
    // the cumulated change of the net balance (Dt - Ct) in each set.
    workTable(m_db, QStringLiteral("tmp_tc_cum"),
              QStringLiteral("konto VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER, dwus INTEGER, "
                             "wn BIGINT, ma BIGINT, wn2 BIGINT, ma2 BIGINT, wnw BIGINT, maw BIGINT, cn BIGINT, cn2 BIGINT, cnw BIGINT"));
    m_db.execute(QStringLiteral(
        "insert into tmp_tc_cum (konto, sym_waluty, data_okresu, dwus, wn, ma, wn2, ma2, wnw, maw, cn, cn2, cnw) "
        "select f.konto, f.sym_waluty, p.data_okresu, "
        "(select max(l.dwus) from tmp_tc_levels l where l.konto=f.konto), "
        "coalesce(t.wn, 0), coalesce(t.ma, 0), coalesce(t.wn2, 0), coalesce(t.ma2, 0), coalesce(t.wnw, 0), coalesce(t.maw, 0), "
        "sum(coalesce(t.wn, 0) - coalesce(t.ma, 0)) over w, sum(coalesce(t.wn2, 0) - coalesce(t.ma2, 0)) over w, "
        "sum(coalesce(t.wnw, 0) - coalesce(t.maw, 0)) over w "
        "from (select konto, sym_waluty, min(data_okresu) as pierwszy from tmp_tc_sums group by konto, sym_waluty) f "
        "join tmp_tc_periods p on p.data_okresu >= f.pierwszy "
        "left join tmp_tc_sums t on t.konto=f.konto and t.sym_waluty=f.sym_waluty and t.data_okresu=p.data_okresu "
        "window w as (partition by f.konto, f.sym_waluty order by p.data_okresu rows between unbounded preceding and current row)"));
    m_db.execute(QStringLiteral("create unique index if not exists tmp_tc_cum_key on tmp_tc_cum (konto, sym_waluty, data_okresu)"));

    // A two-balance synthetic level: the change of the sums of its posted accounts' netted
    // balances, from their stored balances before the change.
    QStringList twoBalance;
    for (const QString& set : kSets) {
        const QString suffix = set.isEmpty() ? QString() : QStringLiteral("_") + set;
        const QString old = QStringLiteral("coalesce(o.saldo_wn%1 - o.saldo_ma%1, 0)").arg(suffix);
        const QString now = QStringLiteral("(%1 + c.cn%2)").arg(old, set);
        twoBalance << QStringLiteral("sum(%1 - %2)").arg(positive(now), positive(old))
                   << QStringLiteral("sum(%1 - %2)").arg(positive("-" + now), positive("-" + old));
    }
    workTable(m_db, QStringLiteral("tmp_tc_twobal"), QStringLiteral("synt VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER, "
                                "dd BIGINT, dc BIGINT, dd2 BIGINT, dc2 BIGINT, ddw BIGINT, dcw BIGINT"));
    m_db.execute(QStringLiteral(
                     "insert into tmp_tc_twobal (synt, sym_waluty, data_okresu, dd, dc, dd2, dc2, ddw, dcw) "
                     "select l.konto, c.sym_waluty, c.data_okresu, %1 "
                     "from tmp_tc_cum c join tmp_tc_levels l on l.leaf=c.konto and l.dwus=1 "
                     "left join OBROTY_I_SALDA o on o.id_firmy=? and o.id_lata_obrot=? and o.sym_waluty=c.sym_waluty "
                     "and o.data_okresu=c.data_okresu and o.nr_konta=c.konto "
                     "group by l.konto, c.sym_waluty, c.data_okresu")
                     .arg(twoBalance.join(", ")),
                 {company, year});
    // A posted account under a two-balance synthetic that also has sub-accounts: its stored
    // rows carry more than its own lines, so its synthetic is recomputed from its lines.
    QStringList refresh;
    {
        db::Rows rows = m_db.select(QStringLiteral(
                                        "select distinct l.konto from tmp_tc_levels l where l.dwus=1 and ("
                                        "exists (select 1 from OBROTY_I_SALDA o where o.id_firmy=? and o.id_lata_obrot=? "
                                        "and o.nr_konta > l.leaf || '-' and o.nr_konta < l.leaf || '.') "
                                        "or exists (select 1 from tmp_tc_accounts a where a.konto > l.leaf || '-' and a.konto < l.leaf || '.'))"),
                                    {company, year});
        while (rows.next()) refresh << rows.text(0);
    }

    // Rows where an account's first turnover comes earlier than before (or its first ever).
    m_db.execute(QStringLiteral("insert into OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, nr_konta) "
                                "select ?, ?, c.sym_waluty, c.data_okresu, c.konto from tmp_tc_cum c "
                                "where not exists (select 1 from OBROTY_I_SALDA o where o.id_firmy=? and o.id_lata_obrot=? "
                                "and o.sym_waluty=c.sym_waluty and o.data_okresu=c.data_okresu and o.nr_konta=c.konto)"),
                 {company, year, company, year});

    // The change itself. OBROTY_I_SALDA keeps netted balances: the net balance is
    // saldo_wn - saldo_ma, and the new one is netted again.
    QStringList sets;
    for (const QString& set : kSets) {
        const QString suffix = set.isEmpty() ? QString() : QStringLiteral("_") + set;
        const QString net = QStringLiteral("saldo_wn%1 - saldo_ma%1 + x.cn%2").arg(suffix, set);
        sets << QStringLiteral("obr_wn%1 = obr_wn%1 + x.wn%2").arg(suffix, set)
             << QStringLiteral("obr_ma%1 = obr_ma%1 + x.ma%2").arg(suffix, set)
             << QStringLiteral("saldo_wn%1 = case when x.dwus=1 then saldo_wn%1 + coalesce(x.dd%2, 0) else %3 end")
                    .arg(suffix, set, positive("(" + net + ")"))
             << QStringLiteral("saldo_ma%1 = case when x.dwus=1 then saldo_ma%1 + coalesce(x.dc%2, 0) else %3 end")
                    .arg(suffix, set, positive("-(" + net + ")"));
    }
    m_db.execute(QStringLiteral(
                     "update OBROTY_I_SALDA set %1 "
                     "from (select c.konto as xk, c.sym_waluty as xw, c.data_okresu as xd, c.dwus, c.wn, c.ma, c.wn2, c.ma2, "
                     "c.wnw, c.maw, c.cn, c.cn2, c.cnw, t.dd, t.dc, t.dd2, t.dc2, t.ddw, t.dcw from tmp_tc_cum c "
                     "left join tmp_tc_twobal t on t.synt=c.konto and t.sym_waluty=c.sym_waluty and t.data_okresu=c.data_okresu) x "
                     "where OBROTY_I_SALDA.id_firmy=? and OBROTY_I_SALDA.id_lata_obrot=? and OBROTY_I_SALDA.sym_waluty=x.xw "
                     "and OBROTY_I_SALDA.data_okresu=x.xd and OBROTY_I_SALDA.nr_konta=x.xk")
                     .arg(sets.join(", ")),
                 {company, year});

    // Where lines went: the leading rows of an account and currency that now have no
    // turnover are its rows before its first line, unless a line with nothing on it is there.
    workTable(m_db, QStringLiteral("tmp_tc_gone"), QStringLiteral("konto VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER"));
    const QString noTurnover = QStringLiteral("%1.obr_wn=0 and %1.obr_ma=0 and %1.obr_wn_2=0 and %1.obr_ma_2=0 and %1.obr_wn_w=0 and %1.obr_ma_w=0");
    m_db.execute(QStringLiteral(
                     "insert into tmp_tc_gone (konto, sym_waluty, data_okresu) "
                     "select o.nr_konta, o.sym_waluty, o.data_okresu from OBROTY_I_SALDA o "
                     "join (select distinct konto, sym_waluty from tmp_tc_sums where n<0) k "
                     "on o.nr_konta=k.konto and o.sym_waluty=k.sym_waluty "
                     "where o.id_firmy=? and o.id_lata_obrot=? and %1 and not exists ("
                     "select 1 from OBROTY_I_SALDA e where e.id_firmy=o.id_firmy and e.id_lata_obrot=o.id_lata_obrot "
                     "and e.nr_konta=o.nr_konta and e.sym_waluty=o.sym_waluty and e.data_okresu<o.data_okresu and not (%2))")
                     .arg(noTurnover.arg(QStringLiteral("o")), noTurnover.arg(QStringLiteral("e"))),
                 {company, year});
    struct Gone {
        QString konto, waluta;
        int period;
    };
    std::vector<Gone> gone;
    {
        db::Rows rows = m_db.select(QStringLiteral("select konto, sym_waluty, data_okresu from tmp_tc_gone order by konto, sym_waluty, data_okresu"));
        while (rows.next()) gone.push_back({rows.text(0), rows.text(1), rows.integer(2)});
    }
    const QString linePeriod = QStringLiteral("case when czy_rk=10 then %1 else data_okresu end").arg(m_year.openingPeriod());
    auto hasLine = [&](const Gone& g) {
        for (const QString& side : {QStringLiteral("konto_wn"), QStringLiteral("konto_ma")}) {
            QString sql = QStringLiteral("select 1 from POZ_DOK where id_lata_obrot=? and %1 and id_firmy=? and %2=?")
                              .arg(turnovers::subtreeCondition(side), linePeriod);
            db::Params params = turnovers::subtreeParams({year}, g.konto);
            params.push_back(company);
            params.push_back(g.period);
            if (g.waluta != QLatin1String("PLN")) {
                sql += QStringLiteral(" and upper(waluta)=?");
                params.push_back(g.waluta);
            }
            if (m_db.scalarInt(sql + QStringLiteral(" limit 1"), params)) return true;
        }
        return false;
    };
    for (size_t i = 0; i < gone.size(); ++i) {
        const bool keepsRest = hasLine(gone[i]);
        if (!keepsRest)
            m_db.execute(QStringLiteral("delete from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=? and sym_waluty=? "
                                        "and data_okresu=? and nr_konta=?"),
                         {company, year, gone[i].waluta, gone[i].period, gone[i].konto});
        else
            while (i + 1 < gone.size() && gone[i + 1].konto == gone[i].konto && gone[i + 1].waluta == gone[i].waluta) ++i;
    }

    if (!refresh.isEmpty()) refreshTurnoversOfSynthetic(m_db, company, year, refresh);
    tx.commit();
}

void addTurnoversOfDocuments(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t firstDocument, int64_t lastDocument) {
    TurnoverChange change(db, idFirmy, idLataObrot);
    change.arrivingRange(firstDocument, lastDocument);
    change.apply();
}

} // namespace ksiega::server
