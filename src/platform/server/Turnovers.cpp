#include "platform/server/Turnovers.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverSql.h"
#include <limits>

namespace ksiega::server {

namespace turnovers {

// The accounts of one synthetic account's subtree as a condition on `column`: a range that
// an index on the column serves (the synthetic itself and everything that follows it up to
// the character after '-'), narrowed to the synthetic itself and its dashed sub-accounts.
// Its bound values follow the statement's others (subtreeParams).
QString subtreeCondition(const QString& column) {
    return QStringLiteral("(%1>=? and %1<? and (%1=? or substr(%1, 1, ?)=?))").arg(column);
}
db::Params subtreeParams(db::Params head, const QString& synthetic) {
    for (db::SqlValue v : {db::SqlValue(synthetic), db::SqlValue(synthetic + QLatin1Char('.')), db::SqlValue(synthetic),
                           db::SqlValue(int(synthetic.size()) + 1), db::SqlValue(synthetic + QLatin1Char('-'))})
        head.push_back(std::move(v));
    return head;
}

const QStringList& figureColumns() {
    static const QStringList figures{"obr_wn", "obr_ma", "saldo_wn", "saldo_ma", "obr_wn_2", "obr_ma_2",
                                     "saldo_wn_2", "saldo_ma_2", "obr_wn_w", "obr_ma_w", "saldo_wn_w", "saldo_ma_w"};
    return figures;
}

} // namespace turnovers

namespace {

using turnovers::subtreeCondition;
using turnovers::subtreeParams;


// What a recompute covers: the whole year, or the subtrees of some synthetic accounts.
struct Scope {
    QStringList synthetics;   // empty: every account
    bool wholeYear() const { return synthetics.isEmpty(); }
};

const char* const kTempTables[] = {"tmp_turn_result", "tmp_turn_cumulative", "tmp_turn_sums",      "tmp_turn_periods",
                                   "tmp_turn_levels",     "tmp_turn_positions", "tmp_turn_accounts",
                                   "tmp_turn_lines"};

// The three sets of turnover columns of the work tables, in one order everywhere.
const QString kAmounts = QStringLiteral("wn, ma, wn2, ma2, wnw, maw");

// The figures of a row of OBROTY_I_SALDA.
const QStringList& kFigures = turnovers::figureColumns();

void dropWorkTables(db::Database& db) {
    for (const char* t : kTempTables) db.execute(QStringLiteral("drop table if exists %1").arg(QLatin1String(t)));
}

void createWorkTables(db::Database& db) {
    const QString amounts = QStringLiteral("wn BIGINT, ma BIGINT, wn2 BIGINT, ma2 BIGINT, wnw BIGINT, maw BIGINT");
    db.execute("create temporary table tmp_turn_lines (konto VARCHAR(60), waluta VARCHAR(3), data_okresu INTEGER, "
               "wn BIGINT, wn_2 BIGINT, wnw BIGINT, ma BIGINT, ma_2 BIGINT, maw BIGINT)");
    db.execute("create temporary table tmp_turn_accounts (konto VARCHAR(60), sym_waluty VARCHAR(3), data_okresu INTEGER, " + amounts + ")");
    db.execute("create temporary table tmp_turn_positions (i INTEGER PRIMARY KEY)");
    db.execute("create temporary table tmp_turn_result (sym_waluty VARCHAR(3), data_okresu INTEGER, nr_konta VARCHAR(60), " +
               kFigures.join(" BIGINT, ") + " BIGINT)");
    db.execute("create temporary table tmp_turn_levels (leaf VARCHAR(60), konto VARCHAR(60), dwus INTEGER)");
    db.execute("create temporary table tmp_turn_periods (data_okresu INTEGER PRIMARY KEY)");
    db.execute("create temporary table tmp_turn_sums (rodzaj INTEGER, konto VARCHAR(60), synt VARCHAR(60), "
               "sym_waluty VARCHAR(3), data_okresu INTEGER, " + amounts + ")");
    db.execute("create temporary table tmp_turn_cumulative (rodzaj INTEGER, konto VARCHAR(60), synt VARCHAR(60), "
               "sym_waluty VARCHAR(3), data_okresu INTEGER, " + amounts +
               ", cwn BIGINT, cma BIGINT, cwn2 BIGINT, cma2 BIGINT, cwnw BIGINT, cmaw BIGINT)");
}

// Where the steps put what they compute: work tables (the recompute), or the named
// sub-queries of one read-only query (the comparison, which may not create tables).
struct Steps {
    db::Database& db;
    Scope scope;
    bool inQuery = false;
    QStringList parts;    // inQuery: "name (columns) as (select ...)"
    db::Params params;    // inQuery: their bound values, in order

    void put(const QString& table, const QString& columns, const QString& select, const db::Params& values = {}) {
        if (inQuery) {
            parts << QStringLiteral("%1 (%2) as (%3)").arg(table, columns, select);
            params.insert(params.end(), values.begin(), values.end());
        } else {
            db.execute(QStringLiteral("insert into %1 (%2) %3").arg(table, columns, select), values);
        }
    }
    // Indexes and statistics of the work tables; nothing in a query.
    void tune(const QString& sql) {
        if (!inQuery) db.execute(sql);
    }
    // Fresh statistics for the planner where the work table holds a year's figures; the few
    // rows of some accounts are planned well without (and statistics cost more than they save).
    void analyze(const char* table) {
        if (!inQuery && scope.wholeYear()) db.dialect().analyzeTable(db, QLatin1String(table));
    }
};

// Step 1, the one pass over the lines: per posted account, currency and period (opening-
// balance documents already in BO), the Dt side and the Ct side in the three sets. The
// grouping keys are those of any plain sum over the lines and the conditions sit inside
// the sums, so that the pass costs about what such a sum costs; the rest works on these
// few rows.
void aggregateLines(Steps& steps, const FiscalYear& year) {
    const Scope& scope = steps.scope;
    // Every line of the year is read: SQLite would otherwise walk the account index and
    // fetch the lines in random order, several times slower than one pass over the table.
    // A recompute of some accounts reads their lines through the account index instead.
    const QString lines = scope.wholeYear() ? steps.db.dialect().unindexed(QStringLiteral("POZ_DOK")) : QStringLiteral("POZ_DOK");
    const QString period = QStringLiteral("case when czy_rk=10 then %1 else data_okresu end").arg(year.openingPeriod());
    const QString columns = QStringLiteral("konto, waluta, data_okresu, wn, wn_2, wnw, ma, ma_2, maw");
    QStringList selects;
    db::Params values;
    for (const QString& side : {QStringLiteral("wn"), QStringLiteral("ma")}) {
        const QString posted = QStringLiteral("sum(case when status=2 or czy_rk=10 then kwota_%1%2 else 0 end)");
        const QString figures = QStringLiteral("%1, sum(kwota_%2), %3").arg(posted.arg(side, QString()), side, posted.arg(side, QStringLiteral("_w")));
        const QString sql = QStringLiteral("select konto_%1, waluta, %2, %3, %4 from %5 where %6 and konto_%1<>'' "
                                           "group by konto_%1, waluta, %2")
                                .arg(side, period, side == QLatin1String("wn") ? figures : QStringLiteral("0, 0, 0"),
                                     side == QLatin1String("wn") ? QStringLiteral("0, 0, 0") : figures, lines);
        if (scope.wholeYear()) {
            selects << sql.arg(QStringLiteral("id_firmy=? and id_lata_obrot=?"));
            values.push_back(year.idFirmy);
            values.push_back(year.idLataObrot);
            continue;
        }
        // The year's lines are the company's: the year alone leads the planner to the
        // account index (year, account) rather than to one led by (company, year).
        const QString inSubtree = QStringLiteral("id_lata_obrot=? and ") + subtreeCondition(QStringLiteral("konto_") + side);
        for (const QString& synthetic : scope.synthetics) {
            selects << sql.arg(inSubtree);
            const db::Params p = subtreeParams({year.idLataObrot}, synthetic);
            values.insert(values.end(), p.begin(), p.end());
        }
    }
    if (steps.inQuery) {
        steps.put(QStringLiteral("tmp_turn_lines"), columns, selects.join(QStringLiteral(" union all ")), values);
    } else {
        // One statement per part: each is planned on its own index.
        size_t at = 0;
        for (const QString& select : selects) {
            const size_t n = scope.wholeYear() ? 2 : 6;
            steps.put(QStringLiteral("tmp_turn_lines"), columns, select, db::Params(values.begin() + at, values.begin() + at + n));
            at += n;
        }
    }
    steps.analyze("tmp_turn_lines");
}

// Step 2: the posted accounts per currency and period, Dt and Ct sides together, in the
// three sets. The 'PLN' rows take every line, the other currencies their own lines.
void splitCurrencies(Steps& steps) {
    steps.put(QStringLiteral("tmp_turn_accounts"), QStringLiteral("konto, sym_waluty, data_okresu, ") + kAmounts,
              QStringLiteral("select konto, 'PLN', data_okresu, sum(wn), sum(ma), sum(wn_2), sum(ma_2), sum(wn), sum(ma) "
                             "from tmp_turn_lines group by konto, data_okresu "
                             "union all "
                             "select konto, upper(waluta), data_okresu, sum(wn), sum(ma), sum(wn_2), sum(ma_2), sum(wnw), sum(maw) "
                             "from tmp_turn_lines where waluta<>'' and upper(waluta)<>'PLN' group by konto, upper(waluta), data_okresu"));
    steps.analyze("tmp_turn_accounts");
}

// Step 3: the levels of every posted account (its prefixes at the dashes, and itself),
// with the synthetic level of a two-balance account marked.
void expandLevels(Steps& steps, const FiscalYear& year) {
    QStringList positions;
    for (int i = 2; i <= 60; ++i) positions << QStringLiteral("(%1)").arg(i);
    steps.put(QStringLiteral("tmp_turn_positions"), QStringLiteral("i"), "values " + positions.join(','));
    const QString levels = QStringLiteral(
        "select a.konto as leaf, a.konto as konto from (select distinct konto from tmp_turn_accounts) a "
        "union "
        "select a.konto, substr(a.konto, 1, n.i - 1) from (select distinct konto from tmp_turn_accounts) a "
        "join tmp_turn_positions n on n.i <= length(a.konto) and substr(a.konto, n.i, 1) = '-'");
    const QString twoBalance = QStringLiteral(
        "%1.konto not like '%-%' and exists ("
        "select 1 from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
        "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
        "where w.id_firmy=? and w.id_lata_obrot=? and s.czy_dwusaldowe=1 "
        "and (w.nr_konta=%1.konto or w.nr_konta=%1.leaf))");
    if (steps.inQuery) {
        steps.put(QStringLiteral("tmp_turn_levels0"), QStringLiteral("leaf, konto"), levels);
        steps.put(QStringLiteral("tmp_turn_levels"), QStringLiteral("leaf, konto, dwus"),
                  QStringLiteral("select l0.leaf, l0.konto, case when %1 then 1 else 0 end from tmp_turn_levels0 l0")
                      .arg(twoBalance.arg(QStringLiteral("l0"))),
                  {year.idFirmy, year.idLataObrot});
        return;
    }
    steps.put(QStringLiteral("tmp_turn_levels"), QStringLiteral("leaf, konto, dwus"),
              QStringLiteral("select l0.leaf, l0.konto, 0 from (") + levels + QStringLiteral(") l0"));
    steps.tune(QStringLiteral("create index tmp_turn_levels_leaf on tmp_turn_levels (leaf)"));
    steps.analyze("tmp_turn_levels");
    steps.db.execute(QStringLiteral("update tmp_turn_levels set dwus=1 where ") + twoBalance.arg(QStringLiteral("tmp_turn_levels")),
                     {year.idFirmy, year.idLataObrot});
}

// Step 4: the period grid of the year, and any other period date the lines carry (so
// that no line is lost, whatever its date). A recompute of some accounts does not read the
// other accounts' lines: it takes their dates off the grid from the stored turnovers, where
// every line's date stands in the 'PLN' rows (a few look-ups between the grid's dates).
void buildPeriods(Steps& steps, const FiscalYear& year) {
    QStringList values;
    const std::vector<int> grid = year.periodDates();
    for (int d : grid) values << QStringLiteral("(%1)").arg(d);
    if (steps.inQuery) {   // the whole year: its lines carry every date
        steps.put(QStringLiteral("tmp_turn_grid"), QStringLiteral("d"), "values " + values.join(','));
        steps.put(QStringLiteral("tmp_turn_periods"), QStringLiteral("data_okresu"),
                  QStringLiteral("select d from tmp_turn_grid union select distinct data_okresu from tmp_turn_accounts"));
        return;
    }
    steps.put(QStringLiteral("tmp_turn_periods"), QStringLiteral("data_okresu"), "values " + values.join(','));
    if (!steps.scope.wholeYear()) {
        std::vector<int> bounds{std::numeric_limits<int>::min()};
        bounds.insert(bounds.end(), grid.begin(), grid.end());
        bounds.push_back(std::numeric_limits<int>::max());
        for (size_t i = 0; i + 1 < bounds.size(); ++i)
            steps.put(QStringLiteral("tmp_turn_periods"), QStringLiteral("data_okresu"),
                      QStringLiteral("select distinct data_okresu from OBROTY_I_SALDA "
                                     "where id_firmy=? and id_lata_obrot=? and sym_waluty='PLN' and data_okresu>? and data_okresu<?"),
                      {year.idFirmy, year.idLataObrot, bounds[i], bounds[i + 1]});
    }
    steps.put(QStringLiteral("tmp_turn_periods"), QStringLiteral("data_okresu"),
              QStringLiteral("select distinct data_okresu from tmp_turn_accounts "
                             "where data_okresu not in (select data_okresu from tmp_turn_periods)"));
    steps.analyze("tmp_turn_periods");
}

// Step 5: period turnovers per level, currency and period (rodzaj 0), and the own
// turnovers of each posted account under a two-balance synthetic account (rodzaj 1).
void sumLevels(Steps& steps) {
    const QString sums = QStringLiteral("sum(c.wn), sum(c.ma), sum(c.wn2), sum(c.ma2), sum(c.wnw), sum(c.maw)");
    steps.put(QStringLiteral("tmp_turn_sums"), QStringLiteral("rodzaj, konto, synt, sym_waluty, data_okresu, ") + kAmounts,
              QStringLiteral("select 0, l.konto, '', c.sym_waluty, c.data_okresu, %1 from tmp_turn_accounts c "
                             "join tmp_turn_levels l on l.leaf=c.konto group by l.konto, c.sym_waluty, c.data_okresu "
                             "union all "
                             "select 1, c.konto, l.konto, c.sym_waluty, c.data_okresu, %2 from tmp_turn_accounts c "
                             "join tmp_turn_levels l on l.leaf=c.konto and l.dwus=1")
                  .arg(sums, QStringLiteral("c.wn, c.ma, c.wn2, c.ma2, c.wnw, c.maw")));
    steps.tune(QStringLiteral("create unique index tmp_turn_sums_key on tmp_turn_sums (rodzaj, konto, synt, sym_waluty, data_okresu)"));
    steps.analyze("tmp_turn_sums");
}

// Step 6: every period from the first turnover on, with the turnovers cumulated from BO.
void cumulate(Steps& steps) {
    QStringList turnovers, cumulative;
    for (const QString& a : kAmounts.split(QStringLiteral(", "))) {
        turnovers << QStringLiteral("coalesce(t.%1, 0)").arg(a);
        cumulative << QStringLiteral("sum(coalesce(t.%1, 0)) over w").arg(a);
    }
    steps.put(QStringLiteral("tmp_turn_cumulative"),
              QStringLiteral("rodzaj, konto, synt, sym_waluty, data_okresu, %1, cwn, cma, cwn2, cma2, cwnw, cmaw").arg(kAmounts),
              QStringLiteral(
                  "select f.rodzaj, f.konto, f.synt, f.sym_waluty, p.data_okresu, %1, %2 "
                  "from (select rodzaj, konto, synt, sym_waluty, min(data_okresu) as pierwszy from tmp_turn_sums "
                  "group by rodzaj, konto, synt, sym_waluty) f "
                  "join tmp_turn_periods p on p.data_okresu >= f.pierwszy "
                  "left join tmp_turn_sums t on t.rodzaj=f.rodzaj and t.konto=f.konto and t.synt=f.synt "
                  "and t.sym_waluty=f.sym_waluty and t.data_okresu=p.data_okresu "
                  "window w as (partition by f.rodzaj, f.konto, f.synt, f.sym_waluty order by p.data_okresu "
                  "rows between unbounded preceding and current row)")
                  .arg(turnovers.join(", "), cumulative.join(", ")));
    steps.analyze("tmp_turn_cumulative");
}

QString netDt(const QString& dt, const QString& ct) {
    return QStringLiteral("case when %1 > %2 then %1 - %2 else 0 end").arg(dt, ct);
}

// Step 7: the rows of OBROTY_I_SALDA, first into a work table.
void computeTurnovers(Steps& steps) {
    const QStringList dt{"cwn", "cwn2", "cwnw"}, ct{"cma", "cma2", "cmaw"};
    QStringList twoBalance, rows;
    const QStringList obr{"wn", "wn2", "wnw"}, obrCt{"ma", "ma2", "maw"};
    for (int s = 0; s < 3; ++s) {
        twoBalance << QStringLiteral("sum(%1) as sd%3, sum(%2) as sc%3").arg(netDt(dt[s], ct[s]), netDt(ct[s], dt[s])).arg(s);
        rows << QStringLiteral("c.%1, c.%2, coalesce(d.sd%5, %3), coalesce(d.sc%5, %4)")
                    .arg(obr[s], obrCt[s], netDt("c." + dt[s], "c." + ct[s]), netDt("c." + ct[s], "c." + dt[s]))
                    .arg(s);
    }
    steps.put(QStringLiteral("tmp_turn_result"), QStringLiteral("sym_waluty, data_okresu, nr_konta, ") + kFigures.join(", "),
              QStringLiteral("select c.sym_waluty, c.data_okresu, c.konto, %1 "
                             "from tmp_turn_cumulative c left join ("
                             "select synt, sym_waluty, data_okresu, %2 from tmp_turn_cumulative where rodzaj=1 "
                             "group by synt, sym_waluty, data_okresu) d "
                             "on d.synt=c.konto and d.sym_waluty=c.sym_waluty and d.data_okresu=c.data_okresu "
                             "where c.rodzaj=0")
                  .arg(rows.join(", "), twoBalance.join(", ")));
    steps.tune(QStringLiteral("create unique index tmp_turn_result_key on tmp_turn_result (sym_waluty, data_okresu, nr_konta)"));
    steps.analyze("tmp_turn_result");
}

// Step 8: OBROTY_I_SALDA takes the new rows. A recompute mostly finds the figures as they
// were, and every row written costs the table's six indexes; so the rows that are gone or
// differ are deleted and only the missing ones written. A recompute of some accounts
// touches only the rows of their subtrees.
void storeTurnovers(db::Database& db, const FiscalYear& year, const Scope& scope) {
    QStringList same;
    for (const QString& c : QStringList{"sym_waluty", "data_okresu", "nr_konta"} + kFigures)
        same << QStringLiteral("r.%1=OBROTY_I_SALDA.%1").arg(c);
    const QString stale = QStringLiteral("delete from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=? %1and not exists ("
                                         "select 1 from tmp_turn_result r where %2)");
    if (scope.wholeYear()) {
        db.execute(stale.arg(QString(), same.join(" and ")), {year.idFirmy, year.idLataObrot});
    } else {
        const QString inSubtree = QStringLiteral("and ") + subtreeCondition(QStringLiteral("nr_konta")) + QLatin1Char(' ');
        for (const QString& synthetic : scope.synthetics)
            db.execute(stale.arg(inSubtree, same.join(" and ")), subtreeParams({year.idFirmy, year.idLataObrot}, synthetic));
    }
    db.execute(QStringLiteral("insert into OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, nr_konta, %1) "
                              "select ?, ?, r.sym_waluty, r.data_okresu, r.nr_konta, r.%2 from tmp_turn_result r "
                              "where not exists (select 1 from OBROTY_I_SALDA o where o.id_firmy=? and o.id_lata_obrot=? "
                              "and o.sym_waluty=r.sym_waluty and o.data_okresu=r.data_okresu and o.nr_konta=r.nr_konta)")
                   .arg(kFigures.join(", "), kFigures.join(", r.")),
               {year.idFirmy, year.idLataObrot, year.idFirmy, year.idLataObrot});
}

void computeSteps(Steps& steps, const FiscalYear& year) {
    aggregateLines(steps, year);
    splitCurrencies(steps);
    expandLevels(steps, year);
    buildPeriods(steps, year);
    sumLevels(steps);
    cumulate(steps);
    computeTurnovers(steps);
}

void recompute(db::Database& db, const FiscalYear& year, const Scope& scope) {
    dropWorkTables(db);
    createWorkTables(db);
    Steps steps{db, scope};
    computeSteps(steps, year);
    storeTurnovers(db, year, scope);
    dropWorkTables(db);
}

} // namespace

namespace turnovers {

// Takes the year for a recompute: a second recompute of it, whole or partial, waits for
// this transaction. Throws when the company has no such year.
FiscalYear lockYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    if (db.execute(QStringLiteral("update LATA_OBROTOWE set status=status where id_firmy=? and id_lata_obrot=?"),
                   {idFirmy, idLataObrot}) == 0)
        throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    return *loadFiscalYear(db, idFirmy, idLataObrot);
}

QString yearQuery(db::Database& db, const FiscalYear& year, db::Params& params) {
    Steps steps{db, Scope{}, true};
    computeSteps(steps, year);
    params = steps.params;
    return QStringLiteral("with ") + steps.parts.join(QStringLiteral(", ")) + QLatin1Char(' ');
}

} // namespace turnovers

using turnovers::lockYear;

void UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu) {
    (void)dataOkresu;   // the whole year is recomputed; see the header
    db::Transaction tx(db);
    const FiscalYear year = lockYear(db, idFirmy, idLataObrot);
    // The groupings and window sorts over a year's lines need more than the server's default
    // work memory; the setting ends with this transaction.
    db.dialect().setLocalWorkMemory(db, QStringLiteral("256MB"));
    recompute(db, year, Scope{});
    tx.commit();
}

QString syntheticOf(const QString& account) {
    const QString trimmed = account.trimmed();
    const qsizetype dash = trimmed.indexOf(QLatin1Char('-'));
    return dash < 0 ? trimmed : trimmed.left(dash);
}

void refreshTurnoversOfSynthetic(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QStringList& syntheticAccounts) {
    Scope scope;
    for (const QString& account : syntheticAccounts) {
        const QString synthetic = syntheticOf(account);
        if (!synthetic.isEmpty() && !scope.synthetics.contains(synthetic)) scope.synthetics << synthetic;
    }
    if (scope.synthetics.isEmpty()) return;
    db::Transaction tx(db);
    const FiscalYear year = lockYear(db, idFirmy, idLataObrot);
    recompute(db, year, scope);
    tx.commit();
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("UZUPELNIJ_OBROTY_Z_DOKUMENTOW"), [](db::Database& db, const db::Params& args) {
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db, intArg(args, 0), intArg(args, 1), int(intArg(args, 2)));
    return ResultSet{};
});

} // namespace ksiega::server
