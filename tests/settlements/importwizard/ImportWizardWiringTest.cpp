// IMPORT_ROZRACHUNKOW opened as the host opens it, with the production services: every
// button reaches its service, the import lands in the opening balance and the procedure
// answers 1; the result page prints to a PDF.
#include "../SettlementWindowFixture.h"
#include "ksiega/ksiega.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "settlements/shared/SettlementTexts.h"
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::test;
namespace T = ksiega::settlements::texts;

namespace {

class ImportWizardWiring : public SettlementWiringTest {
protected:
    void SetUp() override {
        SettlementWiringTest::SetUp();
        if (IsSkipped()) return;
        report::installSaveFileChooser([this](const QString&) { return pdf; });
        pdf = dir.filePath("raport.pdf");
    }
    void TearDown() override {
        report::installSaveFileChooser(nullptr);
        SettlementWiringTest::TearDown();
    }
    QTemporaryDir dir;
    QString pdf;
};
KSIEGA_ON_BOTH_ENGINES(ImportWizardWiring);

TEST_P(ImportWizardWiring, everyButtonReachesItsServiceAndAnImportAnswersOne) {
    session().GGG_ISTOVARIX = 0;
    const int64_t w = settlement("201-01-002", "WN", "500.00", 7);
    clear(w, f().bo2026() - 10, "200.00");
    clear(w, f().bo2026() + 9, "100.00");
    window.toMark = {w};
    calendar.answer = f().bo2026() - 1;
    const int64_t before = openingSide("201-01-002", "WN");
    uint8_t answer = 9;

    const bool ran = whileOpen([&] { answer = IMPORT_ROZRACHUNKOW("201-01-002 Odbiorca Beta S.A.", "", "0", "201-01-002", 1); },
                               [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), T::WIZARD_CAPTION);
        auto* help = w.findChild<ui::HelpTopic*>();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->topic(), help::IMPORT_ROZRACHUNKOW);
        EXPECT_EQ(w.findChild<QLabel*>("TXT_KONTO")->text(), T::KONTO_KSIEGOWE + " 201-01-002 Odbiorca Beta S.A.");
        auto* ok = button(w, "B_OK");
        auto* back = button(w, "B_WSTECZ");
        EXPECT_FALSE(back->isEnabled());
        EXPECT_EQ(ok->text(), T::DALEJ);
        ok->click();
        EXPECT_EQ(ok->text(), T::ZAKONCZ);
        EXPECT_FALSE(ok->isEnabled());   // nothing chosen yet
        back->click();
        EXPECT_EQ(ok->text(), T::DALEJ);
        ok->click();

        // The balance date: the box enables the date, the calendar sets it.
        EXPECT_FALSE(w.findChild<QCheckBox*>("OGRANICZ_WIDOK")->isEnabled());
        auto* date = w.findChild<QLineEdit*>("DATA_SALDA_NA_DZIEN");
        EXPECT_FALSE(date->isEnabled());
        w.findChild<QCheckBox*>("SALDO_NA_DZIEN")->click();
        EXPECT_TRUE(date->isEnabled());
        button(w, "B_DATA_SALDA_NA_DZIEN")->click();
        EXPECT_EQ(calendar.calls, 1);
        EXPECT_EQ(date->text(), date::toDisplay(f().bo2026() - 1));
        w.findChild<QCheckBox*>("WYBIERZ_SKOJARZONE")->click();

        button(w, "B_WYBIERZ")->click();
        ASSERT_EQ(window.choices.size(), 1u);
        EXPECT_EQ(window.choices[0].mode, "212");
        auto* list = w.findChild<QTableView*>("LIST2");
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(list->model()->index(0, 5).data().toString(), Money(zl("300.00")).toDisplay());
        EXPECT_TRUE(ok->isEnabled());

        ok->click();   // Zakończ
        EXPECT_TRUE(said(T::IMPORT_DONE_1 + "201-01-002" + T::IMPORT_DONE_2)) << allSaid().toStdString();
        EXPECT_EQ(list->model()->rowCount(), 0);
        EXPECT_FALSE(ok->isEnabled());

        // Drukuj: the print range, then the printout as a PDF.
        session().GGG_EMAILPDFSAVEAS = 1;
        button(w, "B_DRUKUJ")->click();
        QApplication::processEvents();
        EXPECT_TRUE(reachedSince().contains("PARAM_PRN_BRO"));
        EXPECT_TRUE(QFile::exists(pdf));
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(openingSide("201-01-002", "WN") - before, zl("300.00").minor());
}

TEST_P(ImportWizardWiring, closingWithoutAnImportAnswersZero) {
    uint8_t answer = 9;
    const bool ran = whileOpen([&] { answer = IMPORT_ROZRACHUNKOW("201-01-001 Odbiorca", "", "0", "201-01-001", 0); },
                               [&](QDialog& w) {
                                   EXPECT_FALSE(w.findChild<QCheckBox*>("SALDO_NA_DZIEN")->isVisibleTo(&w));
                                   EXPECT_TRUE(w.findChild<QCheckBox*>("OGRANICZ_WIDOK")->isEnabled());
                               });
    ASSERT_TRUE(ran);
    EXPECT_EQ(answer, 0);
}

} // namespace
