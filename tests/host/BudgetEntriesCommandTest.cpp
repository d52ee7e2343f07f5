// ksiega budget-entries run as the executable: the summary and the figures per symbol and
// level agree with the budget lines of the company's ledger lines read here with plain
// SQL and added up here, per side and flag; a line split over two symbols is two rows; an
// empty list gives zero figures; a second company with the same symbols never mixes in.
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "KsiegaProcess.h"
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <map>

using namespace ksiega;
using test::zl;

namespace {

// "1234.50" -> 123450.
int64_t grosze(const QString& amount) {
    const bool negative = amount.startsWith('-');
    const QStringList parts = amount.mid(negative ? 1 : 0).split('.');
    const int64_t v = parts.value(0).toLongLong() * 100 + parts.value(1).leftJustified(2, '0').toLongLong();
    return negative ? -v : v;
}

// count, total, then one sum per flag of the side.
using Figures = std::vector<int64_t>;

class BudgetEntriesCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        fx = std::make_unique<test::LedgerFixture>(db());
        {
            test::LedgerFixture* f = fx.get();
            const int64_t doc = f->addDocument({f->year2026, f->month2026(3), 2, 0, "PK/3/1", ""});
            splitLine = f->post(doc, "401-01", "201-01-001", zl("300.00"));
            f->addBudgetLines(splitLine, {{"801-80101-4010", zl("100.00")}, {"801-80101-4210", zl("200.00")}}, 'W',
                              test::Expenditure | test::Commitment);
            f->addBudgetLine(f->post(doc, "402", "130-01", zl("45.67")), "851-85154-4300", 'W', test::Cost | test::Cash);
            f->addBudgetLine(f->post(doc, "401-01", "130-01", zl("12.34")), "801-80101-4210-01", 'W', test::Expenditure | test::Cash);
            f->addBudgetLines(f->post(doc, "130-01", "700-01", zl("500.00")), {{"756-75615-0310", zl("450.00")}, {"756-75615-0500", zl("50.00")}},
                              'D', test::Revenue | test::Receipt);
            f->addBudgetLine(f->post(doc, "130-01", "700-01", zl("7.00")), "756-75615-0310", 'D', test::Receipt);
        }
        // Another company's budget lines under the same symbols and flags, amounts differing so
        // that a mix shows in every figure.
        db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, "
                     "rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota) select id_poz_dok, lp+10, id_firmy+1000, id_lata_obrot, "
                     "bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota*3 from BT_DANE "
                     "where id_firmy=?",
                     {fx->company});
    }
    void TearDown() override {
        fx.reset();
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
    test::Outcome run(const QString& side, const QStringList& more) {
        return test::runKsiega(QStringList{"budget-entries", "--db", url(), "--company", QString::number(fx->company), "--side", side,
                                           "--user", fx->login, "--date", "2026-06-30"} +
                               more);
    }
    static QStringList flagsOf(const QString& side) {
        return side == "W" ? QStringList{"rodzaj_wy", "rodzaj_k", "rodzaj_z", "rodzaj_x"} : QStringList{"rodzaj_d", "rodzaj_wp"};
    }
    // Per symbol prefix of `length` characters (0: the whole symbol), from BT_DANE and the
    // ledger lines, added up here.
    std::map<QString, Figures> expected(const QString& side, int length = 0, const QString& condition = "1=1") {
        const QStringList flags = flagsOf(side);
        std::map<QString, Figures> out;
        db::Rows r = db().select("select b.bt_klasyfikacja, b.kwota, b." + flags.join(", b.") +
                                     " from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok where b.id_firmy=? and p.id_firmy=? and "
                                     "b.typ=? and " + condition,
                                 {fx->company, fx->company, side});
        while (r.next()) {
            const QString key = length ? r.text(0).left(length) : r.text(0);
            Figures& f = out[key];
            f.resize(size_t(2 + flags.size()));
            f[0] += 1;
            f[1] += r.int64(1);
            for (int i = 0; i < flags.size(); ++i)
                if (r.int64(2 + i) == 1) f[size_t(2 + i)] += r.int64(1);
        }
        return out;
    }
    Figures expectedTotal(const QString& side, const QString& condition = "1=1") {
        Figures all(size_t(2 + flagsOf(side).size()));
        for (const auto& [symbol, f] : expected(side, 0, condition))
            for (size_t i = 0; i < f.size(); ++i) all[i] += f[i];
        return all;
    }
    // The command's per-symbol CSV as figures.
    static std::map<QString, Figures> bySymbol(const QString& csv, const QString& side) {
        const QStringList lines = csv.trimmed().split('\n');
        EXPECT_EQ(lines.value(0), "symbol,liczba,kwota," + flagsOf(side).join(','));
        std::map<QString, Figures> out;
        for (const QString& line : lines.mid(1)) {
            const QStringList f = test::csvFields(line);
            Figures v{f.value(1).toLongLong()};
            for (const QString& amount : f.mid(2)) v.push_back(grosze(amount));
            out[f.value(0)] = v;
        }
        return out;
    }
    static Figures summary(const QString& csv) {
        const QStringList lines = csv.trimmed().split('\n');
        EXPECT_EQ(lines.value(0), "label,value");
        Figures out;
        for (const QString& line : lines.mid(1)) {
            const QString value = test::csvFields(line).value(1);
            out.push_back(out.empty() ? value.toLongLong() : grosze(value));
        }
        return out;
    }

    std::unique_ptr<test::LedgerFixture> fx;
    int64_t splitLine = 0;
};
KSIEGA_ON_BOTH_ENGINES(BudgetEntriesCommand);

TEST_P(BudgetEntriesCommand, summaryAndFiguresPerSymbolAgreeWithTheBudgetLinesOnBothSides) {
    for (const QString side : {"W", "D"}) {
        SCOPED_TRACE(side.toStdString());
        const test::Outcome s = run(side, {"--summary"});
        ASSERT_EQ(s.exitCode, 0) << s.err.toStdString();
        EXPECT_EQ(summary(s.out), expectedTotal(side));
        EXPECT_TRUE(s.out.contains(side == "W" ? "\nZaangażowanie," : "\nWpływ,"));
        const test::Outcome by = run(side, {"--by-classification"});
        ASSERT_EQ(by.exitCode, 0) << by.err.toStdString();
        EXPECT_EQ(bySymbol(by.out, side), expected(side));
        // dział, and dział with rozdział
        EXPECT_EQ(bySymbol(run(side, {"--by-classification", "--level", "1"}).out, side), expected(side, 3));
        EXPECT_EQ(bySymbol(run(side, {"--by-classification", "--level", "2"}).out, side), expected(side, 9));
        // A filter narrows the same statement.
        EXPECT_EQ(summary(run(side, {"--summary", "--filter", "BTV:KWOTA>5000"}).out), expectedTotal(side, "b.kwota>5000"));
    }
}

TEST_P(BudgetEntriesCommand, aSplitLineIsTwoRowsAndAnEmptyListGivesZeroFigures) {
    const test::Outcome list = run("W", {"--limit", "1000"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QStringList lines = list.out.trimmed().split('\n');
    EXPECT_EQ(lines.value(0), "id_bt_dane,bt_klasyfikacja,nr_ewid_dok,data_biezaca,konto_wn,konto_ma,kwota,rodzaj_wy,rodzaj_k,"
                              "rodzaj_z,rodzaj_x,rodzaj_d,rodzaj_wp");
    EXPECT_EQ(lines.size() - 1, 4);
    QStringList ofSplit;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = test::csvFields(line);
        if (f.value(6) == "100.00" || f.value(6) == "200.00") ofSplit << f.value(1);
    }
    ofSplit.sort();
    EXPECT_EQ(ofSplit, (QStringList{"801-80101-4010", "801-80101-4210"}));

    const test::Outcome json = run("D", {"--format", "json"});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).array().size(), 3);

    const Figures zero = summary(run("W", {"--summary", "--filter", "BTV:KWOTA<0"}).out);
    EXPECT_EQ(zero, Figures(6, 0));
    const test::Outcome none = run("D", {"--by-classification", "--filter", "BTV:KWOTA<0"});
    EXPECT_EQ(none.out.trimmed(), "symbol,liczba,kwota,rodzaj_d,rodzaj_wp");
}

TEST_P(BudgetEntriesCommand, stepsToTheNextSymbolAndKeepsTheLastOne) {
    auto step = [&](const QString& side, const QString& how, const QString& from, const QStringList& more = {}) {
        const test::Outcome o = run(side, QStringList{how, from} + more);
        EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
        return o.out.trimmed().split('\n').value(1);
    };
    EXPECT_EQ(step("W", "--next", "801-80101-4010"), "801-80101-4210");
    EXPECT_EQ(step("W", "--next", "801-80101-4210"), "801-80101-4210-01");
    EXPECT_EQ(step("W", "--next", "851-85154-4300"), "851-85154-4300");
    EXPECT_EQ(step("W", "--previous", "801-80101-4010"), "801-80101-4010");
    EXPECT_EQ(step("D", "--previous", "756-75615-0500"), "756-75615-0310");
    EXPECT_EQ(step("W", "--next", "801-80101-4010", {"--filter", "BTV:RODZAJ_X=1"}), "801-80101-4210-01");
    EXPECT_NE(run("W", {"--summary", "--next", "801"}).exitCode, 0);
    EXPECT_NE(run("X", {"--summary"}).exitCode, 0);
}

} // namespace
