// The layout on a worker thread: progress, cancel, a failing source, rows read from the
// database with the worker's own connection.
#include "ExampleReport.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/TestDatabase.h"
#include <chrono>
#include <stdexcept>
#include <thread>

using namespace ksiega;
using namespace ksiega::report;
using ksiega::test::bandTexts;
using ksiega::test::exampleReport;
using ksiega::test::exampleRow;
using ksiega::test::rowsOn;

TEST(ReportRunner, cancelKeepsThePagesLaidOutSoFar) {
    ui::ScriptedDialogs dialogs;
    dialogs.cancelProgressAt(50);
    // The source holds at row 120 of 200 until the runner passes the cancel on.
    const RunResult result = runReport(exampleReport(), [](RowSink& sink) {
        sink.setTotal(200);
        for (int n = 1; n <= 200; ++n) {
            if (n == 121) {
                const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                while (!sink.stopRequested() && std::chrono::steady_clock::now() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            if (!sink.add(exampleRow(n))) return;
        }
    }, dialogs);

    const Document& doc = result.document;
    EXPECT_TRUE(doc.cancelled);
    EXPECT_EQ(doc.rows, 120);
    ASSERT_GE(doc.pages.size(), 2u);
    std::vector<int> seen;
    for (const Page& page : doc.pages) {
        const auto rows = rowsOn(page);
        seen.insert(seen.end(), rows.begin(), rows.end());
        EXPECT_FALSE(page.hasText(KONIEC_WYDRUKU));
        EXPECT_FALSE(page.hasText(RAZEM));
    }
    ASSERT_EQ(seen.size(), 120u);
    EXPECT_EQ(seen.back(), 120);
    // The last page is closed: its page totals and the page-of-pages footer.
    const QString last = QStringLiteral("Strona %1 z %1").arg(doc.pages.size());
    EXPECT_TRUE(doc.pages.back().hasText(last));
    EXPECT_FALSE(bandTexts(doc.pages.back(), RAZEM_NA_STRONIE).isEmpty());

    const auto shown = dialogs.shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].kind, ui::ScriptedDialogs::Kind::Progress);
    EXPECT_GE(shown[0].values.back(), 50);
}

TEST(ReportRunner, failingSourceIsShownAndTheReportIsNotClosedAsWhole) {
    ui::ScriptedDialogs dialogs;
    const RunResult result = runReport(exampleReport(), [](RowSink& sink) {
        for (int n = 1; n <= 3; ++n) sink.add(exampleRow(n));
        throw std::runtime_error("brak tabeli");
    }, dialogs);
    EXPECT_EQ(result.error, QStringLiteral("brak tabeli"));
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning), QStringList{QStringLiteral("brak tabeli")});
    EXPECT_EQ(result.document.rows, 3);
    EXPECT_EQ(rowsOn(result.document.pages[0]).size(), 3u);
    EXPECT_FALSE(result.document.pages.back().hasText(KONIEC_WYDRUKU));
}

class ReportFromDatabase : public test::DbTest {
protected:
    void TearDown() override {
        resetSession();
        test::DbTest::TearDown();
    }
};
KSIEGA_ON_BOTH_ENGINES(ReportFromDatabase);

TEST_P(ReportFromDatabase, rowsAreReadOnTheWorkersOwnConnection) {
    for (int n = 1; n <= 70; ++n)
        db().execute(QStringLiteral("INSERT INTO ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, opis, kol1, kol2) "
                                    "VALUES (?, 50, ?, ?, ?, ?)"),
                     {int64_t(7), int64_t(n), QStringLiteral("Dochody gmin żółte %1").arg(n), int64_t(n * 100),
                      int64_t(5)});
    session().databaseUrl = url();

    ReportDefinition def;
    def.name = QStringLiteral("Prn_Test_Zestaw");
    def.title = QStringLiteral("Zestaw");
    def.columns = {Column::text(QStringLiteral("Opis"), 4), Column::money(QStringLiteral("Plan"), 2),
                   Column::money(QStringLiteral("Należności"), 2)};
    ui::ScriptedDialogs dialogs;
    const auto callerThread = std::this_thread::get_id();
    std::thread::id sourceThread;
    const RunResult result = runReport(def, [&](RowSink& sink) {
        sourceThread = std::this_thread::get_id();
        db::Database& db = moduleDatabase();
        sink.setTotal(db.scalarInt(QStringLiteral("select count(*) from ZESTAW_ZESTAW where id_uzytkownika = ? "
                                                  "and wariant_zestaw = 50"), {int64_t(7)}).value_or(0));
        auto rows = db.select(QStringLiteral("select opis, kol1, kol2 from ZESTAW_ZESTAW where id_uzytkownika = ? "
                                             "and wariant_zestaw = 50 order by lp"), {int64_t(7)});
        while (rows.next())
            if (!sink.add({rows.text(0), rows.money(1), rows.money(2)})) return;
    }, dialogs);

    EXPECT_NE(sourceThread, callerThread);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    const Document& doc = result.document;
    EXPECT_EQ(doc.rows, 70);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_TRUE(doc.pages[0].hasText(QStringLiteral("Dochody gmin żółte 1")));
    EXPECT_TRUE(doc.pages[1].hasText(QStringLiteral("Dochody gmin żółte 70")));
    // 1 + 2 + ... + 70 zł and 70 × 0,05 zł
    EXPECT_EQ(bandTexts(doc.pages[1], RAZEM), (QStringList{RAZEM, QStringLiteral("2 485,00"), QStringLiteral("3,50")}));
    EXPECT_TRUE(doc.pages[1].hasText(KONIEC_WYDRUKU));
}
