// ksiega cost-centres run as the executable on the demo database: the figures of the
// summary and per indicator, and the list read across pages, are checked against the
// splits and their ledger lines read here with plain SQL and added up here; a split on the
// Ct side counts in Ct only, the company scope holds whatever the filter says, and the
// set tests of the filter tree keep sets 5, 15 and 51 apart.
#include "platform/db/demo/DemoDatabase.h"
#include "platform/filtertree/TreeCondition.h"
#include "platform/filtertree/TreeFields.h"
#include "platform/runtime/Date.h"
#include "support/TestDatabase.h"
#include "KsiegaProcess.h"
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <map>

using namespace ksiega;

namespace {

using test::Outcome;

// "1234.50" -> 123450.
int64_t grosze(const QString& amount) {
    const bool negative = amount.startsWith('-');
    const QStringList parts = amount.mid(negative ? 1 : 0).split('.');
    const int64_t v = parts.value(0).toLongLong() * 100 + parts.value(1).leftJustified(2, '0').toLongLong();
    return negative ? -v : v;
}

struct Figures {
    int64_t dt = 0, ct = 0, count = 0;
    bool operator==(const Figures&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Figures& f) {
    return os << "{dt " << f.dt << ", ct " << f.ct << ", count " << f.count << "}";
}

class CostCentres : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        db::demo::buildDemoDatabase(db());
        year = db().scalarInt("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'").value_or(0);
        separator = db().scalarText("select separator_mpk from FIRMA where id_firmy=1").value_or("-");
        // A split of another company's line, with its own indicator: never in company 1's figures.
        const int64_t line = db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_firmy=2 and kwota_wn <> 0").value_or(0);
        ASSERT_NE(line, 0);
        db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, drzewo_zbior_id) "
                     "select id_poz_dok, id_firmy, id_lata_obrot, 'WN', konto_wn, 987654321, 5, ? from POZ_DOK where id_poz_dok=?",
                     {separator + "5" + separator, line});
    }

    Outcome run(const QStringList& more) {
        return test::runKsiega(QStringList{"cost-centres", "--db", url(), "--company", "1", "--user", "admin", "--date", "2026-01-31"} +
                               more);
    }

    // What the command must say, from the splits of company 1's ledger lines: each split's side
    // and amount read here and added up here. `condition` is over MPK_DANE m, POZ_DOK p, NAG_DOK n.
    Figures expected(const QString& condition = "1=1", const db::Params& params = {}) {
        Figures f;
        db::Rows r = db().select("select m.strona, m.kwota from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                                 "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_firmy=1 and (" + condition + ")",
                                 params);
        while (r.next()) {
            (r.text(0) == "WN" ? f.dt : f.ct) += r.int64(1);
            ++f.count;
        }
        return f;
    }
    // The same per symbol of indicator n ("" where the split has none).
    std::map<QString, Figures> expectedBy(int n, const QString& condition = "1=1", const db::Params& params = {}) {
        std::map<QString, Figures> out;
        db::Rows r = db().select(QString("select m.strona, m.kwota, coalesce(w.symbol, '') from MPK_DANE m join POZ_DOK p on "
                                         "p.id_poz_dok=m.id_poz_dok left join MPK_WSKAZNIK w on w.id_wskaznika=m.wskaznik_%1_id "
                                         "where p.id_firmy=1 and (")
                                         .arg(n) + condition + ")",
                                 params);
        while (r.next()) {
            Figures& f = out[r.text(2)];
            (r.text(0) == "WN" ? f.dt : f.ct) += r.int64(1);
            ++f.count;
        }
        return out;
    }

    // --summary: the four labelled figures; "Razem (Dt+Ct)" must be the two totals.
    Figures summary(const QStringList& more) {
        const Outcome o = run(QStringList{"--summary"} + more);
        EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
        const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), "label,value");
        std::map<QString, int64_t> v;
        for (const QString& line : lines.mid(1)) {
            const QStringList f = test::csvFields(line);
            // The count is a whole number, the rest amounts.
            v[f[0]] = f[1].contains('.') ? grosze(f[1]) : f[1].toLongLong();
        }
        EXPECT_EQ(v.size(), 4u) << o.out.toStdString();
        const Figures f{v[QStringLiteral("Kwota Dt")], v[QStringLiteral("Kwota Ct")], v[QStringLiteral("Liczba zapisów")]};
        EXPECT_EQ(v[QStringLiteral("Razem (Dt+Ct)")], f.dt + f.ct);
        return f;
    }
    std::map<QString, Figures> by(int n, const QStringList& more) {
        const Outcome o = run(QStringList{"--by", QString("wskaznik_%1").arg(n)} + more);
        EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
        const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), "wskaznik,kwota_dt,kwota_ct,liczba");
        std::map<QString, Figures> out;
        for (const QString& line : lines.mid(1)) {
            const QStringList f = test::csvFields(line);
            EXPECT_FALSE(out.count(f[0])) << "twice: " << f[0].toStdString();
            out[f[0]] = {grosze(f[1]), grosze(f[2]), f[3].toLongLong()};
        }
        return out;
    }

    int64_t year = 0;
    QString separator;
};
KSIEGA_ON_BOTH_ENGINES(CostCentres);

} // namespace

// The whole company (every year), one year, and under filters: the summary is the splits of
// the company's lines, the other company's split never counts, and a filter that matches
// nothing gives zeros, not an error.
TEST_P(CostCentres, theSummaryIsTheCompanysSplitsUnderTheFilter) {
    const Figures all = expected();
    ASSERT_GT(all.dt, 0);
    ASSERT_GT(all.ct, 0);
    EXPECT_EQ(summary({}), all);
    EXPECT_EQ(summary({"--year", "2026"}), expected("p.id_lata_obrot=?", {year}));
    EXPECT_NE(expected("p.id_lata_obrot=?", {year}), all);

    // The account of the split's side is the line's account of that side.
    const Figures costs = expected("m.strona='WN' and p.konto_wn like '5%'");
    ASSERT_GT(costs.count, 0);
    EXPECT_EQ(summary({"--filter", "MPK:STRONA='WN' AND SQL(konto like '5%')"}), costs);
    EXPECT_EQ(summary({"--year", "2026", "--filter", "MPK:DATA_BIEZACA>=" + QString::number(date::fromYmd(2026, 2, 1))}),
              expected("p.id_lata_obrot=? and n.data_biezaca>=?", {year, date::fromYmd(2026, 2, 1)}));
    EXPECT_EQ(summary({"--filter", "MPK:KWOTA<0"}), Figures{});

    // The company is bound outside the filter's text: asking for another company, or for
    // everything with an OR, stays within company 1.
    EXPECT_EQ(summary({"--filter", "MPK:ID_FIRMY=2"}), Figures{});
    EXPECT_EQ(summary({"--filter", "MPK:STRONA='MA' OR 1=1"}), all);
}

// Per value of each of the five indicators, whole company and under a filter: the rows
// are the values the splits carry, each with the figures of its splits, and they add up to
// the summary.
TEST_P(CostCentres, theFiguresPerIndicatorAreThoseOfItsSplits) {
    const Figures all = expected();
    for (int n = 1; n <= 5; ++n) {
        const std::map<QString, Figures> got = by(n, {}), want = expectedBy(n);
        EXPECT_EQ(got, want) << "wskaznik_" << n;
        EXPECT_GT(got.size(), 1u) << "wskaznik_" << n;
        Figures sum;
        for (const auto& [value, f] : got) sum = {sum.dt + f.dt, sum.ct + f.ct, sum.count + f.count};
        EXPECT_EQ(sum, all) << "wskaznik_" << n;
    }
    EXPECT_EQ(by(2, {"--year", "2026", "--filter", "MPK:STRONA='MA'"}), expectedBy(2, "p.id_lata_obrot=? and m.strona='MA'", {year}));
    EXPECT_EQ(by(1, {"--filter", "SQL(konto like '4%')"}), expectedBy(1, "(case when m.strona='WN' then p.konto_wn else p.konto_ma end) like '4%'"));

    // JSON carries the same figures as exact numbers.
    const Outcome o = run({"--by", "wskaznik_5", "--format", "json"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const std::map<QString, Figures> want = expectedBy(5);
    const QJsonArray rows = QJsonDocument::fromJson(o.out.toUtf8()).array();
    ASSERT_EQ(size_t(rows.size()), want.size());
    for (const QJsonValue& v : rows) {
        const QJsonObject r = v.toObject();
        const Figures& f = want.at(r["wskaznik"].toString());
        EXPECT_EQ(std::llround(r["kwota_dt"].toDouble() * 100), f.dt);
        EXPECT_EQ(std::llround(r["kwota_ct"].toDouble() * 100), f.ct);
        EXPECT_EQ(r["liczba"].toInteger(), f.count);
    }
}

// A split of a line's Ct side: in the Ct figures only, in the summary, per indicator and
// in the list (side "MA", the line's Ct account).
TEST_P(CostCentres, aSplitOnTheCtSideCountsInCtOnly) {
    const int64_t line = db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_firmy=1 and id_lata_obrot=? and kwota_ma <> 0 "
                                        "and kwota_wn <> 0", {year}).value_or(0);
    ASSERT_NE(line, 0);
    const QString account = db().scalarText("select konto_ma from POZ_DOK where id_poz_dok=?", {line}).value_or("");
    const int64_t indicator = db().insertReturningId("insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol, nazwa) "
                                                     "values (1, 4, 'TYLKO-CT', 'Tylko strona Ct') returning id_wskaznika");
    db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_4_id) values (?, 1, ?, 'MA', ?, 12345, ?)",
                 {line, year, account, indicator});

    EXPECT_EQ(by(4, {}).at("TYLKO-CT"), (Figures{0, 12345, 1}));
    EXPECT_EQ(summary({"--filter", "MPK:WSKAZNIK_4='TYLKO-CT'"}), (Figures{0, 12345, 1}));
    EXPECT_EQ(summary({}), expected());

    const Outcome o = run({"--filter", "MPK:WSKAZNIK_4='TYLKO-CT'"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << o.out.toStdString();
    const QStringList f = test::csvFields(lines[1]);
    EXPECT_EQ(f[3], account);
    EXPECT_EQ(f[4], "MA");
    EXPECT_EQ(f[5], "123.45");
    EXPECT_EQ(f[9], "TYLKO-CT");
}

// The set test of a filter-tree branch, as the window builds it, passed as the filter: set 5
// finds the splits carrying indicator 5 and none that carry only 15 or 51.
TEST_P(CostCentres, theSetsFiveFifteenAndFiftyOneAreKeptApart) {
    std::map<int64_t, Figures> seen;
    for (int64_t set : {5, 15, 51}) {
        const std::vector<filtertree::TreeBranch> tree{{1, 0, 1, "drzewo_zbior_id", "=", QString::number(set), "zbiór"}};
        const QString filter = filtertree::branchFilter(tree, 1, filtertree::costCentreFields(), separator, "MPK");
        const Figures want = expected("m.wskaznik_1_id=? or m.wskaznik_2_id=? or m.wskaznik_3_id=? or m.wskaznik_4_id=? or "
                                      "m.wskaznik_5_id=?",
                                      {set, set, set, set, set});
        ASSERT_GT(want.count, 0) << "set " << set;
        EXPECT_EQ(summary({"--filter", filter}), want) << "set " << set << ": " << filter.toStdString();
        seen[set] = want;
    }
    EXPECT_NE(seen[5], seen[15]);
    EXPECT_NE(seen[5], seen[51]);
}

// The list across many pages: every split of the company once, in the order of the posting
// date and then the id, each with its side, account and amount; --limit the first rows only.
TEST_P(CostCentres, theListHoldsEverySplitInOrderAcrossPages) {
    QStringList want;
    db::Rows r = db().select("select m.id_mpk_dane, m.strona, case when m.strona='WN' then p.konto_wn else p.konto_ma end, m.kwota "
                             "from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                             "where p.id_firmy=1 order by n.data_biezaca, m.id_mpk_dane");
    while (r.next()) want << QString("%1|%2|%3|%4").arg(r.int64(0)).arg(r.text(1), r.text(2)).arg(r.int64(3));
    ASSERT_GT(want.size(), 1000);

    const Outcome o = run({"--limit", "100000"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.value(0), "id_mpk_dane,nr_ewid_dok,data_biezaca,konto,strona,kwota,wskaznik_1,wskaznik_2,wskaznik_3,wskaznik_4,"
                              "wskaznik_5");
    QStringList got;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = test::csvFields(line);
        got << QString("%1|%2|%3|%4").arg(f[0], f[4], f[3]).arg(grosze(f[5]));
    }
    EXPECT_EQ(got, want);

    const Outcome first = run({"--limit", "7"});
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out.split('\n', Qt::SkipEmptyParts).mid(1), lines.mid(1, 7));
}

// Refusals: exit code 2, a reason, nothing on standard output.
TEST_P(CostCentres, wrongInputIsRefusedWithoutOutput) {
    for (const QStringList& args : {QStringList{"--filter", "MPK:STRONA="}, QStringList{"--filter", "SQL(konto like 'x'; drop table MPK_DANE)"},
                                    QStringList{"--by", "wskaznik_6"}, QStringList{"--summary", "--by", "wskaznik_1"},
                                    QStringList{"--limit", "-1"}}) {
        const Outcome o = run(args);
        EXPECT_EQ(o.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.out.isEmpty()) << o.out.toStdString();
        EXPECT_FALSE(o.err.isEmpty());
    }
    EXPECT_GT(db().scalarInt("select count(*) from MPK_DANE").value_or(0), 0);
}
