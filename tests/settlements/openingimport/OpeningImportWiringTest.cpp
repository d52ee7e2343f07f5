// "BO - Import rozrachunków z programu TOVARIX" as the host opens it: every button and
// popup item reaches its service, and the settlement flag goes with the window.
#include "support/WiringFixture.h"
#include "ksiega/ksiega.h"
#include "settlements/openingimport/OpeningImportTexts.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace ksiega;
using namespace ksiega::settlements;
using ksiega::test::zl;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class OpeningImportWiring : public test::WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        const int64_t line = f().openingBalanceLine(f().year2026, "234-01", "", zl("80.00"));
        settlement = f().openSettlement(line, "WN", "ZAL/BO/3");
        recompute();
    }
    int64_t settlement = 0;
};
KSIEGA_ON_BOTH_ENGINES(OpeningImportWiring);

TEST_P(OpeningImportWiring, everyButtonAndPopupItemReachesItsService) {
    QTemporaryDir dir;
    const bool opened = whileOpen([] { BO_IMPORT_ROZRACHUNKOW(); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), texts::CAPTION);
        // "Dodaj" with no account: refused with its text, the flag taken.
        button(w, "B_DODAJ")->click();
        EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{texts::CHOOSE_ACCOUNT});
        EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 1);
        dialogs.clear();

        QTest::keyClicks(w.findChild<QLineEdit*>("STRSZUKAJ"), "234-01");
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_EQ(list->model()->rowCount(), 1);
        list->selectRow(0);

        // "Dodaj" on a last-level account opens the import wizard through the module.
        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_DODAJ")->click(); }), "IMPORT_ROZRACHUNKOW");
        EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();

        EXPECT_EQ(windowOpenedBy([&] { button(w, "SZYBKI_FILTR")->click(); }), "KSIEGA_O_SZYBKI_FILTR");
        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_FILTR_2")->click(); }), "FILTR");

        EXPECT_EQ(popupItems(w, "LIST1"), (QStringList{"Podgląd pól", "Zaznacz wszystko", "Odznacz wszystko", "Odwróć zaznaczone",
                                                       "Konfiguracja kolumn", "Eksport do Excela"}));
        list->selectRow(0);
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd pól"));
        EXPECT_EQ(dialogs.last().kind, Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("rozrachunki"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("rozrachunki.xlsx")));

        // "Usuń" of the current settlement, the update postponed: it runs on the way out.
        list->selectRow(0);
        dialogs.clear();
        dialogs.answer(1);
        dialogs.answer(1);
        dialogs.answer(2);
        button(w, "B_USUN")->click();
        EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK where id_rozrachunku=?", {settlement}).value_or(-1), 0);
        EXPECT_EQ(list->model()->rowCount(), 0);
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(dialogs.texts(Kind::Information).value(0), texts::UPDATE_ON_CLOSE);
    EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 0);
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}

} // namespace
