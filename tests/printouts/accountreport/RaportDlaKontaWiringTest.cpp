// "Raport z konta" as the host opens it: a range added through its own dialog, then every
// button and popup item that asks something of another library or window reaches it.
#include "support/WiringFixture.h"
#include "ksiega/ksiega.h"
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace ksiega;

class RaportDlaKontaWiring : public test::WiringTest {};
KSIEGA_ON_BOTH_ENGINES(RaportDlaKontaWiring);

TEST_P(RaportDlaKontaWiring, everyButtonAndPopupItemReachesItsService) {
    QTemporaryDir dir;
    libraries.statementCode = 65;   // "Raport z konta"
    const bool opened = whileOpen([] { RAPORT_DLA_KONTA(); }, [&](QDialog& w) {
        const QString range = fillWindowOpenedBy([&] { button(w, "B_DODAJ_G")->click(); }, [](QDialog& d) {
            d.findChild<QLineEdit*>("KONTO")->setText("130-01");
            d.findChild<QDateEdit*>("DATA_OD")->setDate(QDate(2026, 1, 1));
            d.findChild<QDateEdit*>("DATA_DO")->setDate(QDate(2026, 12, 31));
            d.findChild<QAbstractButton*>("OK")->click();
        });
        EXPECT_EQ(range, "UP_RAPORT_DLA_KONTA");
        auto* list = w.findChild<QTableView*>("LIST1");
        ASSERT_EQ(w.findChild<QListWidget*>("LIST2")->count(), 1);
        ASSERT_GT(list->model()->rowCount(), 0);

        list->selectRow(list->model()->rowCount() - 1);   // a line of the year, not the opening balance
        button(w, "B_POKAZ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"UPRAWNIENIA_POPRAW_DOKUMENT", "UP_DOKUMENTY"}));
        button(w, "B_DRUKUJ")->click();
        EXPECT_EQ(reachedSince(), (QStringList{"ZESTAWIENIA_CRS KSIEGA_R", "PARAM_PRN_BRO"}));
        QApplication::processEvents();
        EXPECT_EQ(reachedSince(), QStringList{"WYDRUK_KSIEGA 81"});

        EXPECT_EQ(popupItems(w, "LIST1"), (QStringList{"Podgląd", "Konfiguracja kolumn", "Eksport do Excela"}));
        list->selectRow(0);
        ASSERT_TRUE(choose(w, "LIST1", "Podgląd"));
        EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Fields);
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST1", "Konfiguracja kolumn"); }), "Konfiguracja kolumn");
        dialogs.answerFile(dir.filePath("raport"));
        ASSERT_TRUE(choose(w, "LIST1", "Eksport do Excela"));
        EXPECT_TRUE(QFileInfo::exists(dir.filePath("raport.xlsx")));

        EXPECT_EQ(popupItems(w, "LIST2"), (QStringList{"Dodaj", "Usuń"}));
        EXPECT_EQ(windowOpenedBy([&] { choose(w, "LIST2", "Dodaj"); }), "UP_RAPORT_DLA_KONTA");
        ASSERT_TRUE(choose(w, "LIST2", "Usuń"));
        EXPECT_EQ(w.findChild<QListWidget*>("LIST2")->count(), 0);
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}
