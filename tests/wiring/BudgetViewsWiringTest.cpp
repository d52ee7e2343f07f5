// The budget windows and UP_BT_DOKUMENT as the host opens them: every button and popup
// item that asks something of another library or window reaches it.
#include "budget/views/BudgetViewFixture.h"
#include "support/WiringFixture.h"
#include "support/LedgerFixture.h"
#include "ksiega/ksiega.h"
#include "budget/views/BudgetViewServices.h"
#include "platform/siblings/budget/BudgetSiblings.h"
#include "platform/siblings/functions/TreeDialogs.h"
#include <QFileInfo>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace ksiega;
using test::zl;

namespace {

class BudgetViewsWiring : public test::WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        const int64_t doc = f().addDocument({f().year2026, f().month2026(3), 2, 0, "PK/3/1", ""});
        line = f().post(doc, "401-01", "201-01-001", zl("300.00"));
        f().addBudgetLines(line, {{"801-80101-4010", zl("100.00")}, {"801-80101-4210", zl("200.00")}});
        revenueLine = f().post(doc, "130-01", "700-01", zl("50.00"));
        f().addBudgetLine(revenueLine, "756-75615-0310", 'D', test::Revenue);
        opening = f().openingBalanceLine(f().year2026, "130-01", "800", zl("10.00"));
        f().addBudgetLine(opening, "851-85154-4300");
        libraries.statementCode = 3;
        budget::replaceBudgetViewServices(&budgetLibraries);
        budgetLibraries.session = &session();
    }
    void TearDown() override {
        budget::replaceBudgetViewServices(nullptr);
        WiringTest::TearDown();
    }
    // The row of the list whose symbol is `symbol` (sorted by symbol).
    static void selectSymbol(QDialog& w, const QString& symbol) {
        auto* list = w.findChild<QTableView*>("LIST1");
        auto* model = list->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->index(r, c).data().toString() == symbol) {
                    list->selectRow(r);
                    return;
                }
        FAIL() << "no row of " << symbol.toStdString();
    }
    QStringList budgetSince() {
        QStringList out = budgetLibraries.calls;
        budgetLibraries.calls.clear();
        return out;
    }

    test::ScriptedBudgetServices budgetLibraries;
    int64_t line = 0, revenueLine = 0, opening = 0;
};
KSIEGA_ON_BOTH_ENGINES(BudgetViewsWiring);

TEST_P(BudgetViewsWiring, everyButtonAndPopupItemOfTheExpenditureWindowReachesItsService) {
    QTemporaryDir dir;
    const bool opened = whileOpen([] { BT_VIEW_W(QStringLiteral("W")); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Klasyfikacja budzetowa - Wydatki"));
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_EQ(list->model()->rowCount(), 3);
        list->selectRow(0);

        button(w, "B_FILTR")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"FILTR_LISTA 38", "GET_FILTR_LISTA 38"}));
        button(w, "SZYBKI_FILTR")->click();
        button(w, "B_FILTR_KLASYFIKACJI")->click();
        EXPECT_EQ(budgetSince(), (QStringList{"BT_SZYBKI_FILTR W", "BT_KLASYFIKACJIA_WYBOR W"}));
        button(w, "B_DODAJ_GALAZ")->click();
        button(w, "B_DRZEWO")->click();
        EXPECT_EQ(budgetSince(), (QStringList{"TREE_DODAJ_GALAZ", "TREE_WYBIERZ_KONFIG"}));

        // "+" and "-" step through the symbols of the list.
        button(w, "B_PLUS")->click();
        EXPECT_EQ(list->model()->rowCount(), 1);
        button(w, "B_PLUS")->click();
        button(w, "B_PLUS")->click();
        button(w, "B_PLUS")->click();
        EXPECT_EQ(list->model()->rowCount(), 1) << "past the last symbol the list stays";
        button(w, "B_MINUS")->click();
        EXPECT_EQ(list->model()->rowCount(), 1);
        // A mask with every part "any" takes the classification condition off.
        budgetLibraries.classificationAnswer = QStringLiteral("--");
        button(w, "B_FILTR_KLASYFIKACJI")->click();
        budgetSince();
        EXPECT_EQ(list->model()->rowCount(), 3);

        selectSymbol(w, "801-80101-4010");
        button(w, "B_DOKUMENT")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
        button(w, "B_POPRAW")->click();
        ASSERT_FALSE(budgetLibraries.calls.isEmpty());
        EXPECT_TRUE(budgetSince().first().startsWith("UP_BUDZET_DANE 2 "));
        budgetLibraries.printRange = 0;
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), QStringList{"ZESTAWIENIA_CRS BTW"});
        EXPECT_EQ(budgetSince(), (QStringList{"PARAM_PRN_BT 0 1 0 3", "WYDRUK_BUDZET 3,0,1,0,W"}));

        EXPECT_EQ(popupItems(w, "LIST1"),
                  (QStringList{"Podgląd pól", "Zaznacz wszystko", "Odznacz wszystko", "Odwróć zaznaczone", "Konfiguracja kolumn",
                               "Eksport do Excela", "Opis klasyfikacji tradycyjnej", "Podsumowanie klasyfikacji tradycyjnej",
                               "Filtruj wg wybranej klasyfikacji tradycyjnej"}));
        selectSymbol(w, "801-80101-4210");
        ASSERT_TRUE(choose(w, "LIST1", "Opis klasyfikacji tradycyjnej"));
        ASSERT_TRUE(choose(w, "LIST1", "Podsumowanie klasyfikacji tradycyjnej"));
        EXPECT_EQ(budgetSince(), (QStringList{"KLASYFIKACJA_INFO W 801-80101-4210", "BT_SUMA_PLAN W 801-80101-4210"}));
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd pól"));
        EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("budzet"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("budzet.xlsx")));

        // The marks items, seen in the marked count of "Podsumowanie".
        w.findChild<QTabWidget*>("SHEET1")->setCurrentIndex(1);
        auto* summary = w.findChild<QTableWidget*>("LIST6");
        ASSERT_TRUE(choose(w, "LIST1", "Zaznacz wszystko"));
        EXPECT_EQ(summary->item(0, 3)->text(), summary->item(0, 1)->text());
        ASSERT_TRUE(choose(w, "LIST1", "Odwróć zaznaczone"));
        EXPECT_EQ(summary->item(0, 3)->text(), "0");
        ASSERT_TRUE(choose(w, "LIST1", "Filtruj wg wybranej klasyfikacji tradycyjnej"));
        EXPECT_EQ(list->model()->rowCount(), 1);
        EXPECT_EQ(summary->item(0, 1)->text(), "1");

        // The opening-balance line's document is not opened.
        button(w, "B_FILTR_KLASYFIKACJI")->click();
        selectSymbol(w, "851-85154-4300");
        button(w, "B_DOKUMENT")->click();
        EXPECT_TRUE(reachedSince().isEmpty());
        EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information).last(), QStringLiteral("Zapis pochodzi z bilansu otwarcia."));
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_P(BudgetViewsWiring, theRevenueWindowAndTheDocumentProcedureReachTheirServices) {
    const bool opened = whileOpen([] { BT_VIEW_D(QStringLiteral("D")); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Klasyfikacja budzetowa - Dochody"));
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_EQ(list->model()->rowCount(), 1);
        list->selectRow(0);
        button(w, "B_FILTR")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"FILTR_LISTA 36", "GET_FILTR_LISTA 36"}));
        button(w, "B_FILTR_KLASYFIKACJI")->click();
        EXPECT_EQ(budgetSince(), QStringList{"BT_KLASYFIKACJIA_WYBOR D"});
        budgetLibraries.printRange = 1;
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), QStringList{"ZESTAWIENIA_CRS BTD"});
        EXPECT_EQ(budgetSince(), (QStringList{"PARAM_PRN_BT 0 1 0 3", "WYDRUK_BUDZET 3,1,1,0,D"}));
    });
    ASSERT_TRUE(opened);

    const int64_t document = *db().scalarInt("select id_nag_dok from POZ_DOK where id_poz_dok=?", {line});
    UP_BT_DOKUMENT(document);
    EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
    // Held by another user: the message, and nothing opens.
    db().execute("delete from BLOKADY_DOKUMENTOW where id_nag_dok=?", {document});
    db().execute("insert into BLOKADY_DOKUMENTOW (id_nag_dok, id_uzyt) values (?, 'inny')", {document});
    UP_BT_DOKUMENT(document);
    EXPECT_TRUE(reachedSince().isEmpty());
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information).last(),
              QStringLiteral("Wybrany dokument jest zablokowany przez innego użytkownika."));
}

// What the windows' production services ask of the sibling libraries and the tree
// functions: each call reaches its library with the session's company and the side.
struct RecordingBudgetSiblings : siblings::BudgetSiblings, functions::TreeDialogs {
    QStringList calls;
    int64_t company = 0;
    void KLASYFIKACJA_INFO(const pickers::PickerContext& c, const QString& side, const QString& symbol, int, const QString&) override {
        calls << QStringLiteral("KLASYFIKACJA_INFO %1 %2 %3").arg(c.company == company).arg(side, symbol);
    }
    void BT_SUMA_PLAN(const pickers::PickerContext& c, const QString& side, const QString& symbol, int, const QString&) override {
        calls << QStringLiteral("BT_SUMA_PLAN %1 %2 %3").arg(c.company == company).arg(side, symbol);
    }
    QString BT_KLASYFIKACJIA_WYBOR(const pickers::PickerContext&, const QString& side, const QString&) override {
        calls << "BT_KLASYFIKACJIA_WYBOR " + side;
        return QStringLiteral("801-80101-");
    }
    int UP_BUDZET_DANE(const pickers::PickerContext&, int mode, int64_t id) override {
        calls << QStringLiteral("UP_BUDZET_DANE %1 %2").arg(mode).arg(id);
        return 1;
    }
    std::optional<functions::BranchInput> askBranch(const QStringList& fields, const QStringList&) override {
        calls << QStringLiteral("TREE_DODAJ_GALAZ %1").arg(fields.contains("BTV:BT_KLASYFIKACJA"));
        return functions::BranchInput{"BTV:BT_KLASYFIKACJA", "like", "801%", ""};
    }
    std::optional<QString> askConfigurationName() override {
        calls << "TREE_DODAJ_KONFIG";
        return QStringLiteral("Oświata");
    }
    std::optional<int64_t> chooseConfiguration(const std::vector<functions::ConfigurationChoice>& c) override {
        calls << QStringLiteral("TREE_WYBIERZ_KONFIG %1").arg(c.size());
        return c.empty() ? std::nullopt : std::optional<int64_t>(c.front().id);
    }
};

TEST_P(BudgetViewsWiring, theProductionServicesReachTheSiblingLibrariesAndTheTreeFunctions) {
    budget::replaceBudgetViewServices(nullptr);
    RecordingBudgetSiblings libs;
    libs.company = session().DANE_ID_FIRMY;
    siblings::replaceBudgetSiblings(&libs);
    functions::replaceTreeDialogs(&libs);
    budget::BudgetViewServices& services = budget::budgetViewServices();
    EXPECT_EQ(services.chooseClassification("W"), std::optional<QString>("801-80101-"));
    services.describeClassification("D", "756-75615-0310");
    services.planSummary("W", "801-80101-4010");
    EXPECT_EQ(services.editBudgetLine(17), 1);
    const auto branch = services.askBranch();
    ASSERT_TRUE(branch);
    EXPECT_EQ(branch->field, "BTV:BT_KLASYFIKACJA");
    EXPECT_EQ(services.askConfigurationName(), "Oświata");
    EXPECT_EQ(services.chooseConfiguration({{5, "Oświata", true}, {6, "", false}}), 5);
    siblings::replaceBudgetSiblings(nullptr);
    functions::replaceTreeDialogs(nullptr);
    EXPECT_EQ(libs.calls, (QStringList{"BT_KLASYFIKACJIA_WYBOR W", "KLASYFIKACJA_INFO 1 D 756-75615-0310",
                                       "BT_SUMA_PLAN 1 W 801-80101-4010", "UP_BUDZET_DANE 2 17", "TREE_DODAJ_GALAZ 1",
                                       "TREE_DODAJ_KONFIG", "TREE_WYBIERZ_KONFIG 1"}));
}

} // namespace
