// "Przeglądanie stanu kont" as the host opens it: every button and popup item that asks
// something of another library or window reaches it.
#include "support/WiringFixture.h"
#include "ksiega/ksiega.h"
#include "platform/ui/columns/WindowConfiguration.h"
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace ksiega;

namespace {
constexpr int kMarch = 4;   // "Wszystkie", "BO", January, February, March
}

class KsiegaWgOkresowWiring : public test::WiringTest {};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgOkresowWiring);

TEST_P(KsiegaWgOkresowWiring, everyButtonAndPopupItemReachesItsService) {
    QTemporaryDir dir;
    const bool opened = whileOpen([] { KSIEGA_WG_OKRESOW(QString()); }, [&](QDialog& w) {
        w.findChild<QListWidget*>("LIST2")->setCurrentRow(kMarch);
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_GT(list->model()->rowCount(), 1);
        list->selectRow(0);

        button(w, "B_FILTR")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"FILTR_LISTA 41", "GET_FILTR_LISTA 41"}));
        button(w, "B_FILTR_ZAPISZ")->click();
        EXPECT_EQ(reachedSince(), QStringList{"UP_FILTR_LISTA_STR 41"});
        EXPECT_EQ(windowOpenedBy([&] { button(w, "SZYBKI_FILTR")->click(); }), "KSIEGA_O_SZYBKI_FILTR");

        list->selectRow(0);
        button(w, "B_POKAZ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
        list->selectRow(0);
        button(w, "B_WYBIERZ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"ZESTAWIENIA_CRS KSIEGA_O_1", "PARAM_PRN_BRO"}));
        QApplication::processEvents();
        EXPECT_EQ(reachedSince(), QStringList{"WYDRUK_KSIEGA 68"}) << "the listing starts once the handler is done";

        // The entries' popup: marks with their figures, the contractor, the layout, the
        // export and the field preview.
        EXPECT_EQ(popupItems(w, "LIST1"), (QStringList{"Podgląd", "Zaznacz wszystko", "Odznacz wszystko", "Odwróć zaznaczone",
                                                       "Kontakty kontrahenta", "Konfiguracja kolumn", "Eksport do Excela"}));
        expectMarksFollowThePopup(w, "LIST1");

        list->selectRow(0);
        ASSERT_TRUE(choose(w, "LIST1", "Kontakty kontrahenta"));
        EXPECT_EQ(reachedSince(), QStringList{"KONTAKTY_KONTRAHENTA"});
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd"));
        EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("zapisy"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("zapisy.xlsx")));

        // The turnover view's list has its own layout and export.
        w.findChild<QCheckBox*>("CZY_POZYCJE_NAGLOWKI_O")->click();
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST6", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("obroty"));
        ASSERT_TRUE(choose(w, "LIST6", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("obroty.xlsx")));
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"ZESTAWIENIA_CRS KSIEGA_O_2", "PARAM_PRN_BRO"}));
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_P(KsiegaWgOkresowWiring, theStoredColumnLayoutIsAppliedWhenTheWindowOpens) {
    // A layout stored for list 41 with "Nr konta" narrowed.
    int before = 0;
    whileOpen([] { KSIEGA_WG_OKRESOW(QString()); }, [&](QDialog& w) {
        before = w.findChild<QTableView*>("LIST1")->columnWidth(1);
    });
    ui::ColumnLayout layout;
    layout.columns = {{"flaga", 15, false}, {"konto", 33, false}};
    ui::WindowConfiguration(db(), session().DANE_ID_UZYTKOWNIKA_NR).KONFIGURACJA_OKNA(1, 41, layout.toText());
    int after = 0;
    whileOpen([] { KSIEGA_WG_OKRESOW(QString()); }, [&](QDialog& w) {
        after = w.findChild<QTableView*>("LIST1")->columnWidth(1);
    });
    EXPECT_NE(before, 33);
    EXPECT_EQ(after, 33);
}
