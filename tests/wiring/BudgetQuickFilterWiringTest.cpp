// BT_SZYBKI_FILTR opened as the budget views and the host open it, in both modes, with
// the production services: every button reaches what it should, "Wykonaj" returns the
// filter (filter mode) or keeps the window open for the next file (export mode).
#include "budget/quickfilter/BudgetFilterSettings.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "support/WiringFixture.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::test;

namespace {

class Picks : public pickers::ChartOfAccountsPicker {
public:
    QStringList calls;
    QString chooseAccounts(const pickers::PickerContext& c) override {
        calls << QStringLiteral("plan kont");
        pickers::replacePickedMarks(c.db, pickers::kAccountBrowser, c.user, {{1, QStringLiteral("401-01")}});
        return QStringLiteral("401-01");
    }
    QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext& c, const QString& mode, const QString&) override {
        calls << QStringLiteral("BT_SLOWNIK_KLASYFIKACJI ") + mode;
        pickers::replacePickedMarks(c.db, pickers::kClassificationBrowser, c.user,
                                    {{0, QStringLiteral("801-80101-4210")}, {0, QStringLiteral("801-80101-4300")}});
        return pickers::MULTIWYBOR;
    }
};

class BudgetQuickFilterWiring : public WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_CZY_WERSJA_BUDZET = 1;
        session().DANE_DATA_BIEZACA = date::fromYmd(2026, 5, 20);
        const int64_t d = f().addDocument({f().year2026, f().month2026(3), 2, 0, "FZ/3/1", ""});
        f().addBudgetLine(f().post(d, "401-01", "201-01-001", zl("120.50")), "801-80101-4210");
        db().execute("insert into PARAMETRY_GLOBALNE (id_firmy, nazwa_parametru, wartosc) values (?, 'BeKodW', '14'), (?, 'BeKodP', '34'), "
                     "(?, 'BeKodG', '07')",
                     {f().company, f().company, f().company});
        pickers::replaceChartOfAccountsPicker(&picks);
        moduleState().moduleSettings().removeSection(budget::BT_SZYBKI_FILTR_SECTION);
    }
    void TearDown() override {
        pickers::replaceChartOfAccountsPicker(nullptr);
        WiringTest::TearDown();
    }
    Picks picks;
};
KSIEGA_ON_BOTH_ENGINES(BudgetQuickFilterWiring);

TEST_P(BudgetQuickFilterWiring, filterModePressesEveryButtonAndReturnsTheFilter) {
    QString result;
    bool finished = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Filtr klasyfikacji budżetowej"));
        EXPECT_EQ(button(*w, "B_ANULUJ")->text(), QStringLiteral("Anuluj"));
        for (const char* list : {"LIST1", "LIST2", "LIST3"}) {
            auto* l = w->findChild<QListWidget*>(QString::fromLatin1(list));
            ASSERT_GT(l->count(), 0) << list;
            button(*w, (std::string(list) + "_ODZNACZ").c_str())->click();
            EXPECT_EQ(l->item(0)->checkState(), Qt::Unchecked) << list;
            button(*w, (std::string(list) + "_ZAZNACZ").c_str())->click();
            EXPECT_EQ(l->item(0)->checkState(), Qt::Checked) << list;
        }
        button(*w, "B_PLAN")->click();
        EXPECT_EQ(w->findChild<QLineEdit*>("L_WYBRANE_KONTO")->text(), QStringLiteral("401-01"));
        button(*w, "B_CZYSC")->click();
        EXPECT_EQ(w->findChild<QLineEdit*>("L_WYBRANE_KONTO")->text(), QString());
        button(*w, "B_WYBRANA_KLASYFIKACJA")->click();
        EXPECT_EQ(w->findChild<QLineEdit*>("L_WYBRANA_KLASYFIKACJA")->text(), QStringLiteral("ilość elementów: 2"));
        // A refused "Wykonaj" keeps the window open with the message.
        w->findChild<QCheckBox*>("L_STRONA_WN")->setChecked(false);
        w->findChild<QCheckBox*>("L_STRONA_MA")->setChecked(false);
        button(*w, "B_FILTRUJ")->click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(dialogs.last().text, QStringLiteral("Proszę określić stronę zapisu."));
        w->findChild<QCheckBox*>("L_STRONA_WN")->setChecked(true);
        button(*w, "B_FILTRUJ")->click();
        finished = true;
    });
    result = BT_SZYBKI_FILTR(QString(), QStringLiteral("W"), QStringLiteral("0"));
    ASSERT_TRUE(finished);
    EXPECT_EQ(picks.calls, QStringList({"plan kont", "BT_SLOWNIK_KLASYFIKACJI multiwybor"}));
    EXPECT_TRUE(result.startsWith(QStringLiteral("BTV:ID_LATA_OBROT=%1 AND (BTV:RODZAJ_WY=1").arg(f().year2026)));
    EXPECT_TRUE(result.contains(QStringLiteral("id_browsera=36")));
    EXPECT_TRUE(result.contains(QStringLiteral("BTV:KONTO_WN<>''")));
    // The printout descriptions read the filter just applied.
    session().DANE_OPIS_PRN.clear();
    OPISY_WYDRUKOW_KSIEGA(result);
    EXPECT_EQ(session().DANE_OPIS_PRN, QStringList{QStringLiteral("Klasyfikacja budżetowa: 801-80101-4210, 801-80101-4300")});

    // "Anuluj" returns nothing.
    EXPECT_TRUE(whileOpen([&] { result = BT_SZYBKI_FILTR(QString(), QStringLiteral("D"), QStringLiteral("0")); },
                          [](QDialog& w) { button(w, "B_ANULUJ")->click(); }));
    EXPECT_TRUE(result.isEmpty());
}

TEST_P(BudgetQuickFilterWiring, exportModeTakesTheFormAndStaysOpen) {
    QTemporaryDir folder;
    dialogs.answerFile(folder.path());
    QString result = QStringLiteral("x");
    EXPECT_TRUE(whileOpen([&] { result = BT_SZYBKI_FILTR(QStringLiteral("EKSPORT"), QString(), QString()); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Export do pliku"));
        EXPECT_EQ(button(w, "B_ANULUJ")->text(), QStringLiteral("Zamknij"));
        EXPECT_EQ(w.findChild<QLineEdit*>("BT_GUS_KW")->text(), QStringLiteral("14"));
        EXPECT_FALSE(w.findChild<QWidget*>("L_WYDATKI")->isVisibleTo(&w));
        EXPECT_FALSE(w.findChild<QWidget*>("LIST2")->isVisibleTo(&w));
        auto* periods = w.findChild<QListWidget*>("LIST5");
        EXPECT_EQ(periods->currentItem()->text(), QStringLiteral("Maj 2026"));
        button(w, "BT_WG_KWARTALOW_SUMUJ")->click();
        EXPECT_EQ(periods->currentItem()->text(), QStringLiteral("II kwartał"));
        button(w, "B_KATALOG")->click();
        EXPECT_EQ(w.findChild<QLineEdit*>("BT_KATALOG_PLIKOW")->text(), QDir::toNativeSeparators(folder.path()));
        w.findChild<QLineEdit*>("BT_GUS_KG")->clear();
        button(w, "B_FILTRUJ")->click();
        EXPECT_EQ(dialogs.last().text, QStringLiteral("Proszę wypełnić kod gminy."));
        w.findChild<QLineEdit*>("BT_GUS_KG")->setText(QStringLiteral("07"));
        dialogs.clear();
        // The export itself refuses what the form lets through but the file cannot carry.
        button(w, "B_FILTRUJ")->click();
        EXPECT_TRUE(w.isVisible());
        ASSERT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information).size(), 1) << dialogs.texts().join('\n').toStdString();
        EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("Niepoprawny REGON")));
        // With a REGON the file is written into the folder and the window stays open for the next.
        w.findChild<QLineEdit*>("BT_REGON1")->setText(QStringLiteral("123456785"));
        dialogs.clear();
        button(w, "B_FILTRUJ")->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("Import do pliku "))) << dialogs.texts().join('\n').toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.dbf")}, QDir::Files).size(), 1);
        button(w, "B_CZYSC")->click();
        EXPECT_EQ(w.findChild<QLineEdit*>("BT_GUS_KW")->text(), QStringLiteral("14"));
    }));
    EXPECT_TRUE(result.isEmpty());
    EXPECT_TRUE(budget::budgetFilterState().settings.exportForm.byQuarters);
    EXPECT_EQ(budget::budgetFilterState().settings.exportForm.period, 2);
}

} // namespace
