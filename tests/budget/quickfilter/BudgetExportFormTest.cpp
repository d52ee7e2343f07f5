// The export mode of the budget quick filter: the form read from the unit's data, its
// checks and questions in order, the period as the switches move its start, and the run
// handed to the export with the record filter translated.
#include "budget/quickfilter/BudgetFilterFixture.h"
#include "budget/quickfilter/ExportPeriods.h"
#include <QDir>
#include <QFile>

using namespace ksiega;
using namespace ksiega::budget;

namespace ksiega::test {
namespace {

class BudgetExportFormTest : public BudgetFilterTest {
protected:
    void SetUp() override {
        BudgetFilterTest::SetUp();
        if (IsSkipped()) return;
        for (const auto& [name, value] : {std::pair{"BeKodW", "14"}, {"BeKodP", "34"}, {"BeKodG", "07"}, {"BeTypG", "1"}, {"BeTypP", "2"}})
            db().execute("insert into PARAMETRY_GLOBALNE (id_firmy, nazwa_parametru, wartosc) values (?, ?, ?)", {f().company, name, value});
        db().execute("update FIRMA set regon='01382745600000', fk_id_jb=1234 where id_firmy=?", {f().company});
    }
    std::unique_ptr<BudgetQuickFilterController> openExport() {
        auto c = open(EXPORT_MODE, QString());
        c->setExportRunner([this](const BudgetExportRun& run) {
            runs.push_back(run);
            return true;
        });
        return c;
    }
    std::vector<BudgetExportRun> runs;
    QTemporaryDir folder;
};
KSIEGA_ON_BOTH_ENGINES(BudgetExportFormTest);

TEST_P(BudgetExportFormTest, theFormComesFromTheUnitAndItsChecksComeFirstInOrder) {
    auto c = openExport();
    EXPECT_EQ(c->caption(), QStringLiteral("Export do pliku"));
    EXPECT_EQ(c->cancelText(), QStringLiteral("Zamknij"));
    const BudgetExportForm& f = c->working().exportForm;
    EXPECT_EQ(QStringList({f.kodWojewodztwa, f.kodPowiatu, f.kodGminy, f.typGminy, f.typPowiatu}),
              QStringList({"14", "34", "07", "1", "2"}));
    EXPECT_EQ(f.regon, QStringLiteral("013827456"));
    EXPECT_EQ(f.regonRozszerzony, QStringLiteral("01382745600000"));
    EXPECT_EQ(f.identyfikatorJb, 1234);
    // The current month (May) is chosen; the list has the months of the year, then the quarters.
    EXPECT_EQ(c->exportPeriodIndex(), 4);
    EXPECT_EQ(c->exportPeriodList().value(4), QStringLiteral("Maj 2026"));
    EXPECT_EQ(c->exportPeriodList().value(13), QStringLiteral("II kwartał"));

    auto refused = [&](const char* message) {
        dialogs.clear();
        EXPECT_FALSE(c->apply());
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(message));
        EXPECT_TRUE(runs.empty());
    };
    c->edit().expenditure = {false, false, false, false};   // the export counts every sense itself
    c->setAll(FilterList::Journals, false);
    c->edit().exportForm.kodWojewodztwa = QStringLiteral("?");
    refused("Proszę wypełnić kod województwa.");
    c->edit().exportForm.kodWojewodztwa = QStringLiteral("14");
    c->edit().exportForm.kodPowiatu = QString();
    refused("Proszę wypełnić kod powiatu.");
    c->edit().exportForm.kodPowiatu = QStringLiteral("34");
    c->edit().exportForm.kodGminy = QStringLiteral(" ");
    refused("Proszę wypełnić kod gminy.");
    c->edit().exportForm.kodGminy = QStringLiteral("07");
    c->edit().exportForm.format = QStringLiteral("JB");
    c->edit().exportForm.identyfikatorJb = 0;
    refused("Proszę wypełnić identyfikator jednostki budżetowej.");
    c->edit().exportForm.identyfikatorJb = 123456;   // more than P#####P holds
    refused("Proszę wypełnić identyfikator jednostki budżetowej.");
    c->edit().exportForm.identyfikatorJb = 1234;
    refused("Proszę wybrać katalog plików.");
    c->edit().exportForm.folder = folder.filePath(QStringLiteral("brak"));
    refused("Proszę wybrać katalog plików.");
    c->edit().exportForm.folder = QDir::rootPath();
    refused("Proszę wybrać katalog plików (nie można importować plików do katalogu głównego).");
    c->edit().exportForm.folder = folder.path();
    refused("Proszę wybrać przynajmniej jeden dziennik.");
    c->setAll(FilterList::Journals, true);

    // Files there: "Nie" keeps the window open and exports nothing.
    QFile old(folder.filePath(QStringLiteral("W6B14... .dbf")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    dialogs.clear();
    dialogs.answer(2);
    EXPECT_FALSE(c->apply());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("W podanym katalogu istnieją już pliki. Czy chcesz wykonać eksport do wybranego "
                                                  "katalogu plików ?"));
    EXPECT_TRUE(runs.empty());
    // "Tak": no record filter, so no second question; the run goes out with overwrite allowed.
    dialogs.clear();
    dialogs.answer(1);
    EXPECT_TRUE(c->apply());
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Question).size(), 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].overwrite);
    EXPECT_TRUE(runs[0].sqlFilter.isEmpty());
    EXPECT_EQ(runs[0].form.format, QStringLiteral("JB"));
    EXPECT_EQ(runs[0].from, date::fromYmd(2026, 5, 1));
    EXPECT_EQ(runs[0].to, date::fromYmd(2026, 5, 31));
}

TEST_P(BudgetExportFormTest, aRecordFilterIsConfirmedAndReachesTheExportTranslated) {
    auto c = openExport();
    c->edit().exportForm.folder = folder.path();
    c->edit().exportForm.side = QStringLiteral("D");
    c->edit().exportForm.rounding = ExportRounding::Whole;
    c->edit().paragraf = {QStringLiteral("0830"), false};
    dialogs.answer(2);
    EXPECT_FALSE(c->apply());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Zastosowano filtr danych. Czy kontynuować eksport do pliku?"));
    EXPECT_TRUE(runs.empty());
    dialogs.answer(1);
    ASSERT_TRUE(c->apply());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].form.side, QStringLiteral("D"));
    EXPECT_EQ(runs[0].form.rounding, ExportRounding::Whole);
    EXPECT_FALSE(runs[0].overwrite);
    EXPECT_FALSE(runs[0].sqlFilter.contains(QStringLiteral("BTV:")));
    EXPECT_FALSE(runs[0].sqlFilter.contains(QStringLiteral("RODZAJ_")));   // senses and dates are the export's own
    const int64_t n = *db().scalarInt("select count(*) from BT_VIEW where id_firmy=? and typ='D' and " + runs[0].sqlFilter, {f().company});
    EXPECT_EQ(n, direct("b.bt_klasyfikacja like '%-%-0830%'", "D").first);
    EXPECT_EQ(n, 1);
    // The form is kept for the next opening.
    EXPECT_EQ(openExport()->working().exportForm.rounding, ExportRounding::Whole);
}

TEST(ExportPeriods, theStartMovesBackForTheCumulativeSwitches) {
    BudgetExportForm f;
    auto dates = [&] { return exportPeriodDates(f, 2026); };
    f.period = 2;
    EXPECT_EQ(dates().from, date::fromYmd(2026, 2, 1));
    EXPECT_EQ(dates().to, date::fromYmd(2026, 2, 28));
    for (auto [month, start] : {std::pair{2, 1}, {3, 1}, {5, 4}, {6, 4}, {8, 7}, {9, 7}, {11, 10}, {12, 10}, {10, 10}}) {
        f.period = month;
        f.cumulativeInQuarter = true;
        EXPECT_EQ(dates().from, date::fromYmd(2026, start, 1)) << month;
    }
    f.period = 12;
    EXPECT_EQ(dates().to, date::fromYmd(2026, 12, 31));
    f.cumulativeInYear = true;
    EXPECT_EQ(dates().from, date::fromYmd(2026, 1, 1));
    f = {};
    f.byQuarters = true;
    f.period = 2;
    EXPECT_EQ(dates().from, date::fromYmd(2026, 4, 1));
    EXPECT_EQ(dates().to, date::fromYmd(2026, 6, 30));
    f.cumulativeInQuarter = true;   // a quarter already starts at its beginning
    EXPECT_EQ(dates().from, date::fromYmd(2026, 4, 1));
    f.cumulativeInYear = true;
    EXPECT_EQ(dates().from, date::fromYmd(2026, 1, 1));
}

} // namespace
} // namespace ksiega::test
