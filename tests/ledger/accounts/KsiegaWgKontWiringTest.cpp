// "Księga główna" as the host opens it: every button and popup item that asks something
// of another library or window reaches it.
#include "support/WiringFixture.h"
#include "ksiega/ksiega.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace ksiega;

class KsiegaWgKontWiring : public test::WiringTest {};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgKontWiring);

TEST_P(KsiegaWgKontWiring, everyButtonAndPopupItemReachesItsService) {
    QTemporaryDir dir;
    const bool opened = whileOpen([] { KSIEGA_WG_KONT(); }, [&](QDialog& w) {
        QTest::keyClicks(w.findChild<QLineEdit*>("STRSZUKAJ"), "234-01");
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_GT(list->model()->rowCount(), 0);
        list->selectRow(0);

        button(w, "B_FILTR")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"FILTR_LISTA 40", "GET_FILTR_LISTA 40"}));
        EXPECT_EQ(windowOpenedBy([&] { button(w, "SZYBKI_FILTR")->click(); }), "KSIEGA_O_SZYBKI_FILTR");
        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_FILTR_2")->click(); }), "FILTR");

        list->selectRow(0);
        button(w, "B_POKAZ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"ZESTAWIENIA_CRS KSIEGA_K_1", "PARAM_PRN_BRO"}));
        QApplication::processEvents();
        EXPECT_EQ(reachedSince(), QStringList{"WYDRUK_KSIEGA 68"}) << "the listing starts once the handler is done";

        EXPECT_EQ(popupItems(w, "LIST1"), (QStringList{"Podgląd pól", "Zaznacz wszystko", "Odznacz wszystko", "Odwróć zaznaczone",
                                                       "Kontakty kontrahenta", "Konfiguracja kolumn", "Eksport do Excela"}));
        expectMarksFollowThePopup(w, "LIST1");

        list->selectRow(0);
        ASSERT_TRUE(choose(w, "LIST1", "Kontakty kontrahenta"));
        EXPECT_EQ(reachedSince(), QStringList{"KONTAKTY_KONTRAHENTA"});
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd pól"));
        EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("zapisy"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("zapisy.xlsx")));

        // "Zapisz filtr" saves the quick filter in force: without one nothing is saved.
        button(w, "B_FILTR_ZAPISZ")->click();
        EXPECT_TRUE(reachedSince().isEmpty());
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}
