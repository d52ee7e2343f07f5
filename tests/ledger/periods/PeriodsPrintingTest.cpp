// "Drukuj" of the window as the module opens it: the libraries in force are asked in turn
// and the listing is started with the window's currency once the button's handler is done.
#include "PeriodsFixture.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/statements/StatementsLibrary.h"
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

using namespace ksiega;

namespace {

struct ScriptedPrinting : statements::StatementsLibrary, print::PrintLibrary, ledgerprint::LedgerPrintLibrary {
    QStringList sets;
    std::vector<ledgerprint::ListingJob> jobs;
    int ZESTAWIENIA_CRS(const QString& context, QWidget*) override {
        sets << context;
        return 63;
    }
    int PARAM_PRN_BRO(print::PrintGlobals g, QWidget*) override {
        g.DANE_ZAKRES_PRN = 0;
        return 1;
    }
    bool WYDRUK_KSIEGA(const ledgerprint::ListingJob& job) override {
        jobs.push_back(job);
        return true;
    }
};

class PeriodsPrinting : public test::PeriodsTest {
protected:
    void TearDown() override {
        statements::replaceStatementsLibrary(nullptr);
        print::replacePrintLibrary(nullptr);
        ledgerprint::replaceLedgerPrintLibrary(nullptr);
        PeriodsTest::TearDown();
    }
};

} // namespace

TEST_P(PeriodsPrinting, printButtonOfTheOpenWindowStartsTheTurnoverStatementInItsCurrency) {
    ScriptedPrinting printing;
    statements::replaceStatementsLibrary(&printing);
    print::replacePrintLibrary(&printing);
    ledgerprint::replaceLedgerPrintLibrary(&printing);
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        window->findChild<QComboBox*>("WAL:SYM_WALUTY")->setCurrentText("EUR");
        window->findChild<QAbstractButton*>("CZY_POZYCJE_NAGLOWKI_O")->click();   // the turnover view
        window->findChild<QPushButton*>("B_DRUKUJ")->click();
        clicked = true;
        window->reject();
    });
    KSIEGA_WG_OKRESOW(QString());
    ASSERT_TRUE(clicked);
    QApplication::processEvents();
    EXPECT_EQ(printing.sets, QStringList{"KSIEGA_O_2"});
    ASSERT_EQ(printing.jobs.size(), 1u);
    const ledgerprint::ListingJob& job = printing.jobs[0];
    EXPECT_TRUE(job.params.startsWith("63,0,")) << job.params.toStdString();
    EXPECT_EQ(job.heading, "Zestawienie obrotów i sald w okresie");
    EXPECT_EQ(job.currency, "EUR");
    EXPECT_TRUE(job.filter.contains("SYM_WALUTY='EUR'")) << job.filter.toStdString();
    EXPECT_EQ(job.company, f().company);
    EXPECT_EQ(job.databaseUrl, url());
}

KSIEGA_ON_BOTH_ENGINES(PeriodsPrinting);
