// PRZYPISZ_ROZRACHUNKI opened as the host opens it, with the production services: every
// field and button reaches its service and "Zakończ" makes the document.
#include "../SettlementWindowFixture.h"
#include "ksiega/ksiega.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "settlements/shared/SettlementTexts.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::test;
namespace T = ksiega::settlements::texts;

namespace {

class AssignmentWiring : public SettlementWiringTest {
protected:
    void SetUp() override {
        SettlementWiringTest::SetUp();
        if (IsSkipped()) return;
        report::installSaveFileChooser([this](const QString&) { return pdf; });
        pdf = dir.filePath("dokument.pdf");
    }
    void TearDown() override {
        report::installSaveFileChooser(nullptr);
        SettlementWiringTest::TearDown();
    }
    static void type(QLineEdit* field, const QString& text) {
        field->setText(text);
        field->setModified(true);
        emit field->editingFinished();
    }
    QTemporaryDir dir;
    QString pdf;
};
KSIEGA_ON_BOTH_ENGINES(AssignmentWiring);

TEST_P(AssignmentWiring, everyButtonReachesItsServiceAndFinishMakesTheDocument) {
    const int64_t receivable = settlement("201-01-001", "WN", "123.45", 5);
    const int64_t payable = settlement("202-01-001", "MA", "430.00", 6, "EUR", "100.00");
    window.toMark = {receivable, payable};
    const int64_t docs = documents();

    const bool ran = whileOpen([&] { PRZYPISZ_ROZRACHUNKI(f().journal); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), T::DOCUMENT_CAPTION);
        auto* help = w.findChild<ui::HelpTopic*>();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->topic(), help::PRZYPISZ_ROZRACHUNKI);
        EXPECT_EQ(w.findChild<QLabel*>("TXT_DZIENNIK")->text(), T::DZIENNIK + " DZ Dziennik główny");
        EXPECT_EQ(w.findChild<QComboBox*>("DT:SYMBOL")->count(), 1);

        button(w, "B_OPIS")->click();
        EXPECT_EQ(descriptions.kinds, QStringList{"D"});
        EXPECT_EQ(w.findChild<QLineEdit*>("DOK_OPIS")->text(), "Faktury z magazynu");

        auto* wn = w.findChild<QLineEdit*>("KONTO_WN");
        auto* ma = w.findChild<QLineEdit*>("KONTO_MA");
        type(wn, "130-01");
        EXPECT_TRUE(chart.presets.isEmpty());
        chart.answer = "700-01";
        type(ma, "70");
        ASSERT_EQ(chart.presets.size(), 1);
        EXPECT_EQ(ma->text(), "700-01");
        chart.answer = "130-01";
        button(w, "B_WN")->click();
        button(w, "B_MA")->click();
        EXPECT_EQ(chart.presets.size(), 3);
        EXPECT_EQ(wn->text(), "130-01");
        chart.answer = "700-01";
        button(w, "B_MA")->click();
        EXPECT_EQ(ma->text(), "700-01");

        auto* ok = button(w, "B_OK");
        ok->click();
        EXPECT_EQ(ok->text(), T::ZAKONCZ);
        button(w, "B_WYBIERZ")->click();
        ASSERT_EQ(window.choices.size(), 1u);
        EXPECT_EQ(window.choices[0].mode, "121");
        ASSERT_EQ(w.findChild<QTableView*>("LIST2")->model()->rowCount(), 2);

        ok->click();
        EXPECT_EQ(documents(), docs + 1) << allSaid().toStdString();
        const QString number = db().scalarText("select nr_dok_org from NAG_DOK order by id_nag_dok desc limit 1").value_or("");
        EXPECT_TRUE(said(T::GENERATED_1 + number + T::GENERATED_2)) << allSaid().toStdString();

        session().GGG_EMAILPDFSAVEAS = 1;
        button(w, "B_DRUKUJ")->click();
        QApplication::processEvents();
        EXPECT_TRUE(reachedSince().contains("PARAM_PRN_BRO"));
        EXPECT_TRUE(QFile::exists(pdf));
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where id_rozrachunku in (?, ?) and id_poz_dok_f<>0", {receivable, payable}), 2);
}

TEST_P(AssignmentWiring, aJournalWithoutDocumentTypesOpensNoWindow) {
    db().execute("delete from PACZKA_TYPDOK where id_paczka=?", {f().journal});
    const bool ran = whileOpen([&] { PRZYPISZ_ROZRACHUNKI(f().journal); }, [](QDialog&) {});
    EXPECT_FALSE(ran);
    EXPECT_TRUE(said(T::NO_DOCUMENT_TYPES));
}

} // namespace
