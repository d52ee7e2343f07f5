// "MPK" and its quick filter "Filtr" opened as the host opens them: every button, popup
// item and tree command reaches its service, and the filter tree kept in the database
// narrows the list.
#include "ksiega/ksiega.h"
#include "platform/siblings/functions/TreeDialogs.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/runtime/Date.h"
#include "support/WiringFixture.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace ksiega;
using ksiega::test::zl;

namespace {

struct ScriptedTree : functions::TreeDialogs {
    QStringList asked;
    std::optional<functions::BranchInput> askBranch(const QStringList& fields, const QStringList&) override {
        asked << "TREE_DODAJ_GALAZ";
        if (!fields.contains("MPK:STRONA")) return std::nullopt;
        return functions::BranchInput{"MPK:STRONA", "=", "WN", "Strona Dt"};
    }
    std::optional<QString> askConfigurationName() override {
        asked << "TREE_DODAJ_KONFIG";
        return QStringLiteral("Tylko Dt");
    }
    std::optional<int64_t> chooseConfiguration(const std::vector<functions::ConfigurationChoice>& c) override {
        asked << "TREE_WYBIERZ_KONFIG";
        if (c.empty()) return std::nullopt;
        return c.front().id;
    }
};

struct ScriptedPickers : pickers::ChartOfAccountsPicker, pickers::DatePickers {
    QStringList asked;
    QString chooseAccounts(const pickers::PickerContext&) override {
        asked << "PLAN_KONT";
        return QStringLiteral("401-01");
    }
    QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext&, const QString&, const QString& current) override { return current; }
    int KALENDARZ(int) override {
        asked << "KALENDARZ";
        return date::fromYmd(2026, 3, 31);
    }
    bool GET_ZAKRES_DAT(int& from, int& to) override {
        asked << "GET_ZAKRES_DAT";
        from = date::fromYmd(2026, 3, 1);
        to = date::fromYmd(2026, 3, 20);
        return true;
    }
};

} // namespace

class MpkWiring : public test::WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        session().DANE_SEPARATOR_MPK = QStringLiteral("-");
        const int64_t admin = f().costCentre(1, "ADM"), sales = f().costCentre(1, "SPR");
        const int64_t doc = f().addDocument({f().year2026, f().month2026(3), 2, 0, "PK/3/1", ""});
        const int64_t line = f().post(doc, "401-01", "201-01-001", zl("300.00"));
        f().splitCostCentres(line, "WN", {{zl("100.00"), {admin}}, {zl("200.00"), {sales}}});
        f().splitCostCentres(line, "MA", {{zl("300.00"), {sales}}});
        functions::replaceTreeDialogs(&tree);
        pickers::replaceChartOfAccountsPicker(&picks);
        pickers::replaceDatePickers(&picks);
    }
    void TearDown() override {
        functions::replaceTreeDialogs(nullptr);
        pickers::replaceChartOfAccountsPicker(nullptr);
        pickers::replaceDatePickers(nullptr);
        WiringTest::TearDown();
    }
    ScriptedTree tree;
    ScriptedPickers picks;
};
KSIEGA_ON_BOTH_ENGINES(MpkWiring);

TEST_P(MpkWiring, everyButtonPopupItemAndTreeCommandReachesItsService) {
    QTemporaryDir dir;
    libraries.statementCode = 1;
    const bool opened = whileOpen([] { MPK_VIEW(); }, [&](QDialog& w) {
        EXPECT_EQ(w.objectName(), "MPK_VIEW");
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_EQ(list->model()->rowCount(), 3);

        EXPECT_EQ(fillWindowOpenedBy([&] { button(w, "SZYBKI_FILTR")->click(); }, [&](QDialog& f) {
                      button(f, "B_CZYSC")->click();
                      button(f, "OK")->click();
                  }),
                  "MPK_SZYBKI_FILTR");
        ASSERT_EQ(list->model()->rowCount(), 3) << "the quick filter's cleared settings keep every split of the year";
        button(w, "B_FILTR_ZAPISZ")->click();
        EXPECT_EQ(reachedSince(), QStringList{"UP_FILTR_LISTA_STR 32"});

        list->selectRow(0);
        for (const char* name : {"B_POKAZ", "B_WYBIERZ"}) {
            list->selectRow(0);
            button(w, name)->click();
            EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"})) << name;
        }
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"ZESTAWIENIA_CRS MPK", "PARAM_PRN_BRO"}));
        QApplication::processEvents();
        EXPECT_EQ(reachedSince(), QStringList{"WYDRUK_KSIEGA 1"});

        EXPECT_EQ(popupItems(w, "LIST1"), (QStringList{"Podgląd", "Zaznacz wszystko", "Odznacz wszystko", "Odwróć zaznaczone",
                                                       "Konfiguracja kolumn", "Eksport do Excela"}));
        list->selectRow(0);
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd"));
        EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("mpk"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("mpk.xlsx")));
        ASSERT_TRUE(choose(w, "LIST1", "Zaznacz wszystko"));
        w.findChild<QCheckBox*>("POKAZ_ZAZNACZONE")->click();
        EXPECT_EQ(list->model()->rowCount(), 3);
        w.findChild<QCheckBox*>("POKAZ_ZAZNACZONE")->click();
        ASSERT_TRUE(choose(w, "LIST1", "Odwróć zaznaczone"));
        ASSERT_TRUE(choose(w, "LIST1", "Odznacz wszystko"));

        // The tree: a branch kept in the database narrows the list to the Dt splits.
        auto* treeList = w.findChild<QListWidget*>("LIST2");
        button(w, "BUTTON10")->click();
        ASSERT_EQ(treeList->count(), 2);
        EXPECT_EQ(treeList->item(1)->text().trimmed(), "Strona Dt");
        treeList->setCurrentRow(1);
        EXPECT_EQ(list->model()->rowCount(), 2);
        ASSERT_TRUE(choose(w, "LIST2", "Zapisz konfigurację filtra"));
        ASSERT_TRUE(choose(w, "LIST2", "Wybierz konfigurację filtra"));
        button(w, "BUTTON9")->click();
        EXPECT_EQ(tree.asked, (QStringList{"TREE_DODAJ_GALAZ", "TREE_DODAJ_KONFIG", "TREE_WYBIERZ_KONFIG", "TREE_WYBIERZ_KONFIG"}));
        treeList->setCurrentRow(1);
        button(w, "BUTTON11")->click();
        EXPECT_EQ(treeList->count(), 1);
        EXPECT_EQ(list->model()->rowCount(), 3);
        ASSERT_TRUE(choose(w, "LIST2", "Wszystko"));
        dialogs.answer(1);
        ASSERT_TRUE(choose(w, "LIST2", "Usuń wybraną konfiguracje filtra"));
        EXPECT_EQ(db().scalarInt("select count(*) from DRZEWO_FILTRA_KONFIG where id_uzytkownika=?", {session().DANE_ID_UZYTKOWNIKA_NR}),
                  0);

        // Locator and the tabs' switch.
        w.findChild<QLineEdit*>("SZUKAJ")->setText("");
        w.findChild<QCheckBox*>("CZY_POKAZ_ZAKLADKE_MPK")->click();
        EXPECT_FALSE(w.findChild<QTabWidget*>()->isVisible());
        EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();

        // The stored filter list answers with a filter of the ledger's fields: the list
        // shows nothing and says why, and the window goes on.
        button(w, "B_FILTR")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"FILTR_LISTA 32", "GET_FILTR_LISTA 32"}));
        EXPECT_EQ(list->model()->rowCount(), 0);
        EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).size(), 1) << dialogs.texts().join('\n').toStdString();
    });
    ASSERT_TRUE(opened);
}

TEST_P(MpkWiring, theQuickFilterPicksAnAccountAndDatesAndNarrowsTheList) {
    QString result;
    const bool opened = whileOpen([&] { result = MPK_SZYBKI_FILTR(); }, [&](QDialog& w) {
        EXPECT_EQ(w.objectName(), "MPK_SZYBKI_FILTR");
        button(w, "B_PLAN")->click();
        EXPECT_EQ(w.findChild<QLineEdit*>("L_WYBRANE_KONTO")->text(), "401-01");
        button(w, "B_ZAKRES_DAT_KSIEGOWANIA")->click();
        EXPECT_TRUE(w.findChild<QCheckBox*>("F_LOK_DATA_KSIEGOWANIA")->isChecked());
        button(w, "B_KALENDARZ_KSIEGOWANIA_2")->click();
        EXPECT_EQ(w.findChild<QDateEdit*>("L_DATA_KSIEGOWANIA_2")->date(), QDate(2026, 3, 31));
        button(w, "B_ZAKRES_DAT_DOKUMENTU")->click();
        button(w, "B_KALENDARZ_DOKUMENTU_1")->click();
        button(w, "B_CZYSC")->click();
        button(w, "B_PLAN")->click();
        button(w, "OK")->click();
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(picks.asked, (QStringList{"PLAN_KONT", "GET_ZAKRES_DAT", "KALENDARZ", "GET_ZAKRES_DAT", "KALENDARZ", "PLAN_KONT"}));
    EXPECT_TRUE(result.contains("MPK:KONTO='401-01'")) << result.toStdString();

    // Cancel gives no filter.
    QString cancelled = "x";
    whileOpen([&] { cancelled = MPK_SZYBKI_FILTR(); }, [&](QDialog& w) { button(w, "B_ANULUJ")->click(); });
    EXPECT_EQ(cancelled, "");
}
