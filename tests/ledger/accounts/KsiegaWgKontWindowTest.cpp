#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"
#include "ledger/accounts/window/KsiegaWgKontWindow.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTreeView>

using namespace ksiega;
using namespace ksiega::ledger;
using namespace ksiega::entries;

class KsiegaWgKontWindowTest : public test::WindowTest {};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgKontWindowTest);

namespace {
QModelIndex findAccount(QAbstractItemModel* m, const QString& account, const QModelIndex& parent = {}) {
    for (int r = 0; r < m->rowCount(parent); ++r) {
        const QModelIndex i = m->index(r, 0, parent);
        if (i.data(Qt::UserRole).toString() == account) return i;
        if (QModelIndex below = findAccount(m, account, i); below.isValid()) return below;
    }
    return {};
}
} // namespace

TEST_P(KsiegaWgKontWindowTest, clickingAnAccountInTheTreeFillsTheEntriesList) {

    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, '4_1_1_1', 0)",
                 {f().company, f().login});
    test::ScriptedWindowServices services;
    KsiegaWgKontController controller(db(), session(), services);
    controller.accountFilterWindow = nullptr;
    controller.open();
    KsiegaWgKontWindow window(controller);
    window.show();

    for (const char* name : {"LIST1", "LIST2", "LIST3", "LIST6", "LIST7", "LIST8", "SHEET1", "TAB_NAGLOWKI", "TAB_POZYCJE",
                             "STRSZUKAJ", "NAZWA_KONTA", "B_ROZWIN", "B_ZWIN", "SZUKAJ", "SZUKAJ_DATY", "INTU", "B_ROS_MAL",
                             "SZYBKI_FILTR", "B_FILTR", "B_FILTR_ZAPISZ", "B_FILTR_2", "POKAZ_ZAZNACZONE",
                             "POKAZ_NAZWE_KONTA", "B_ODSWIEZ", "B_POKAZ", "B_DRUKUJ", "CLOSE", "CZY_POKAZ_ZAKLADKE_K",
                             "CZY_POZYCJE_NAGLOWKI_K", "VSPLIT"})
        EXPECT_NE(window.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(window.windowTitle(), "Księga główna/Przeglądanie wg kont dla waluty: PLN");
    EXPECT_FALSE(window.findChild<QAbstractButton*>("B_DRUKUJ")->isEnabled());
    EXPECT_TRUE(window.findChild<QAbstractButton*>("B_POKAZ")->isEnabled());

    auto* tree = window.findChild<QTreeView*>("LIST2");
    auto* list = window.findChild<QTableView*>("LIST1");
    EXPECT_EQ(list->model()->rowCount(), 0);
    tree->expandAll();
    const QModelIndex account = findAccount(tree->model(), "130-01");
    ASSERT_TRUE(account.isValid());
    tree->scrollTo(account);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(account).center());
    EXPECT_GT(list->model()->rowCount(), 0);
    EXPECT_EQ(window.findChild<QLineEdit*>("NAZWA_KONTA")->text(), "Rachunek bieżący PKO");

    // The search text moves to the account and chooses it.
    QTest::keyClicks(window.findChild<QLineEdit*>("STRSZUKAJ"), "700-0");
    EXPECT_EQ(controller.currentAccount(), "700-01");
    EXPECT_EQ(window.findChild<QLineEdit*>("NAZWA_KONTA")->text(), "Sprzedaż krajowa");
    EXPECT_GT(list->model()->rowCount(), 0);

    // Names in the tree with Ctrl+N's check box.
    window.findChild<QAbstractButton*>("POKAZ_NAZWE_KONTA")->click();
    EXPECT_EQ(findAccount(tree->model(), "130-01").data().toString(), "130-01  Rachunek bieżący PKO");
}

