// ZAMKNIECIE_ROKU opened as the host opens it, with the production services: every
// button and the plan-change list's icon column reach their service, and a printout
// reaches a PDF.
#include "ClosingFixture.h"
#include "ksiega/ksiega.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "support/PdfText.h"
#include "support/WiringFixture.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

using namespace ksiega;
using namespace ksiega::test;
namespace T = ksiega::closing::texts;

namespace {

class ClosingWiring : public WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_LATA_OBROT_NAZWA = QStringLiteral("2026");
        pickers::replaceChartOfAccountsPicker(&accountPicker);
        settlements::replaceSettlementsWindow(&settlementsWindow);
        report::installSaveFileChooser([this](const QString&) { return nextPdf; });
    }
    void TearDown() override {
        pickers::replaceChartOfAccountsPicker(nullptr);
        settlements::replaceSettlementsWindow(nullptr);
        report::installSaveFileChooser(nullptr);
        WiringTest::TearDown();
    }
    // Prints through a button into a PDF; its text ("" when no file came).
    QString printed(QDialog& w, const char* name, const QString& file) {
        nextPdf = dir.filePath(file);
        session().GGG_EMAILPDFSAVEAS = 1;
        button(w, name)->click();
        QApplication::processEvents();
        if (!QFile::exists(nextPdf)) return {};
        const QString text = pdfText(nextPdf);
        return text.isEmpty() ? QStringLiteral("(no reader)") : text;
    }

    MarkingAccountPicker accountPicker;
    MarkingSettlementsWindow settlementsWindow;
    QTemporaryDir dir;
    QString nextPdf;
};

TEST_P(ClosingWiring, everyButtonReachesItsService) {
    const int64_t doc = f().addDocument({f().year2026, f().month2026(4), 2, 0, "FV/1", ""});
    const int64_t settlement = f().openSettlement(f().post(doc, "201-01-001", "700-01", zl("100.00")));
    const int64_t change = db().insertReturningId(
        "insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto) values (?, ?, ?, ?) "
        "returning id_zmiana_planu_kont",
        {f().company, f().year2026, "234-02", "234-01"});
    accountPicker.accounts = {"130-01"};
    settlementsWindow.toMark = {settlement};

    const bool ran = whileOpen([] { ZAMKNIECIE_ROKU(); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), T::CAPTION);
        auto* help = w.findChild<ui::HelpTopic*>();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->topic(), help::ZAMKNIECIE_ROKU);
        ASSERT_TRUE(w.findChild<QLabel*>("Zalozenie_BO.jpg"));
        EXPECT_FALSE(w.findChild<QWidget*>("PROGRES")->isVisible());
        EXPECT_FALSE(w.findChild<QWidget*>("POMIN_KONTA_BT")->isVisible());

        // B_PLAN_KONT, once "Wybrane" is chosen.
        auto* picker = w.findChild<QToolButton*>("B_PLAN_KONT");
        EXPECT_FALSE(picker->isEnabled());
        button(w, "ZAKRES_KONT_1")->click();
        ASSERT_TRUE(picker->isEnabled());
        picker->click();
        EXPECT_EQ(accountPicker.calls, 1);
        EXPECT_EQ(w.findChild<QLineEdit*>("WYBRANE_KONTA")->text(), T::CHOSEN_COUNT + "1");
        button(w, "DZIALANIE_SPOSOB_1")->click();
        EXPECT_FALSE(picker->isEnabled());
        button(w, "DZIALANIE_SPOSOB_0")->click();
        button(w, "ZAKRES_KONT_0")->click();

        // The icon column of LIST1: the settlements window for that row.
        auto* list1 = w.findChild<QTableWidget*>("LIST1");
        ASSERT_EQ(list1->rowCount(), 1);
        emit list1->cellClicked(0, 0);
        EXPECT_TRUE(settlementsWindow.filters.empty());
        emit list1->cellClicked(0, 2);
        ASSERT_EQ(settlementsWindow.filters.size(), 1u);
        EXPECT_EQ(list1->item(0, 3)->text(), T::MARKED_SETTLEMENTS + "1");
        EXPECT_EQ(db().scalarInt("select count(*) from ZMIANA_PLANU_KONT_ROZRACHUNKI where id_zmiana_planu_kont=?", {change}),
                  1);

        // B_WYKONAJ: the creation, on the server; the plan-change row stands in the report.
        button(w, "B_WYKONAJ")->click();
        EXPECT_TRUE(dialogs.texts().contains(T::CREATE_DONE)) << dialogs.texts().join(" / ").toStdString();
        ASSERT_TRUE(w.isVisible());
        auto* sheet = w.findChild<QTabWidget*>("SHEET1");
        EXPECT_GE(sheet->currentIndex(), 2);
        auto* list3 = w.findChild<QTableWidget*>("LIST3");
        ASSERT_GE(list3->rowCount(), 1);

        // Both "Drukuj": the print range, then the printout as a PDF.
        const QString report = printed(w, "B_DRUKUJ2", "raport.pdf");
        EXPECT_TRUE(reachedSince().contains("PARAM_PRN_BRO"));
        ASSERT_FALSE(report.isEmpty());
        if (report != "(no reader)") {
            EXPECT_TRUE(report.contains(T::PRINT_REPORT_HEADER));
            EXPECT_TRUE(report.contains("234-02"));
        }
        const QString problems = printed(w, "B_DRUKUJ", "bledy.pdf");
        EXPECT_TRUE(reachedSince().contains("PARAM_PRN_BRO"));
        ASSERT_FALSE(problems.isEmpty());
        if (problems != "(no reader)") EXPECT_TRUE(problems.contains(T::PRINT_PROBLEMS_HEADER));

        // BUTTON7 closes.
        button(w, "BUTTON7")->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(session().DANE_WATKI.empty());
}

// The results pages as the window shows them, whatever the server found: both lists, the
// button that switches between them, and both printouts.
TEST_P(ClosingWiring, theResultsPagesShowSwitchAndPrintWhatTheRunReturned) {
    ScriptedClosingServices scripted;
    scripted.outcome.problems = {{"EUR", T::NOTHING_GENERATED}};
    scripted.outcome.report = {{"234-02", "234-01", "scalenie kont"}};
    closing::replaceClosingServices(&scripted);
    const bool ran = whileOpen([] { ZAMKNIECIE_ROKU(); }, [&](QDialog& w) {
        button(w, "B_WYKONAJ")->click();
        ASSERT_EQ(scripted.creations.size(), 1u);
        auto* sheet = w.findChild<QTabWidget*>("SHEET1");
        EXPECT_EQ(sheet->currentIndex(), 2);
        auto* list2 = w.findChild<QTableWidget*>("LIST2");
        ASSERT_EQ(list2->rowCount(), 1);
        EXPECT_EQ(list2->item(0, 0)->text(), "EUR");
        EXPECT_EQ(list2->item(0, 1)->text(), T::NOTHING_GENERATED);
        EXPECT_EQ(button(w, "B_WYKONAJ")->text(), T::RAPORT);
        button(w, "B_WYKONAJ")->click();
        EXPECT_EQ(sheet->currentIndex(), 3);
        EXPECT_EQ(button(w, "B_WYKONAJ")->text(), T::BLEDY);
        EXPECT_EQ(w.findChild<QTableWidget*>("LIST3")->item(0, 2)->text(), "scalenie kont");

        scripted.printForReal = true;   // the printouts themselves
        const QString report = printed(w, "B_DRUKUJ2", "raport.pdf");
        EXPECT_TRUE(reachedSince().contains("PARAM_PRN_BRO"));
        ASSERT_FALSE(report.isEmpty());
        if (report != "(no reader)") {
            EXPECT_TRUE(report.contains(T::PRINT_REPORT_HEADER));
            EXPECT_TRUE(report.contains("scalenie kont"));
        }
        const QString problems = printed(w, "B_DRUKUJ", "bledy.pdf");
        ASSERT_FALSE(problems.isEmpty());
        if (problems != "(no reader)") {
            EXPECT_TRUE(problems.contains(T::PRINT_PROBLEMS_HEADER));
            EXPECT_TRUE(problems.contains(T::NOTHING_GENERATED));
        }
    });
    closing::replaceClosingServices(nullptr);
    EXPECT_TRUE(ran);
}

TEST_P(ClosingWiring, theLastYearOpensNoWindow) {
    session().DANE_LATA_OBROTOWE = f().year18;
    const bool ran = whileOpen([] { ZAMKNIECIE_ROKU(); }, [](QDialog&) {});
    EXPECT_FALSE(ran);
    EXPECT_EQ(dialogs.texts(), QStringList{ui::messageText(T::NO_NEXT_YEAR)});
    EXPECT_TRUE(session().DANE_WATKI.empty());
}

KSIEGA_ON_BOTH_ENGINES(ClosingWiring);

} // namespace
