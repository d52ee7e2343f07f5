// The card window as the opening-balance browse opens it: each button reaches the library
// or window behind it.
#include "CardsFixture.h"
#include "openingbalance/cards/CardWindow.h"
#include <QLabel>
#include <QTableWidget>

using namespace ksiega;
using test::zl;

class CardWindowWiring : public test::CardsTestOn<test::WiringTest> {
protected:
    static int rowOf(QTableWidget* list, const QString& account) {
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->item(r, 0)->text() == account) return r;
        return -1;
    }
};
KSIEGA_ON_BOTH_ENGINES(CardWindowWiring);

TEST_P(CardWindowWiring, throughTheProductionEditorsEachButtonReachesItsService) {
    uint8_t result = 9;
    const bool opened = whileOpen(
        [&] { result = openingbalance::productionLineEditors().editCard(db(), session(), request, nullptr); },
        [&](QDialog& w) {
            EXPECT_EQ(w.windowTitle(), QStringLiteral("Kartoteka"));
            EXPECT_EQ(w.findChild<QLabel*>("NAGLOWEK")->text(), QStringLiteral("Analityka konta: 201-01"));
            auto* list = w.findChild<QTableWidget*>("LIST1");
            ASSERT_EQ(list->rowCount(), 2);
            EXPECT_EQ(list->item(0, 0)->text(), "201-01-001");

            button(w, "B_ROS_MAL")->click();
            EXPECT_EQ(list->item(0, 0)->text(), "201-01-002");

            button(w, "B_DODAJ")->click();   // the picker is left without a choice
            EXPECT_EQ(cards.calls, QStringList{"K|ODB|KON:czy_aktywny=1|0|2"});

            f().openingBalanceLine(f().year2026, "201-01", "", zl("3.00"));
            button(w, "B_ODSWIEZ")->click();
            EXPECT_EQ(list->rowCount(), 3);

            list->selectRow(rowOf(list, "201-01-002"));
            button(w, "B_USUN")->click();
            EXPECT_EQ(reachedSince(), QStringList{"DOKUMENTY_RK_DEL"});
            EXPECT_EQ(rowOf(list, "201-01-002"), -1);
        });
    ASSERT_TRUE(opened);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_P(CardWindowWiring, dodajAndPoprawOpenTheAmountEntryOfTheEditorsTheWindowIsGiven) {
    editors.answer = 1;
    cards.choice = {102, "BETA", "Odbiorca Beta"};
    uint8_t result = 9;
    const bool opened = whileOpen([&] { result = openingbalance::openCardWindow(db(), session(), request, nullptr, editors); },
                                  [&](QDialog& w) {
                                      auto* list = w.findChild<QTableWidget*>("LIST1");
                                      list->selectRow(rowOf(list, "201-01-001"));
                                      button(w, "B_POPRAW")->click();
                                      button(w, "B_DODAJ")->click();
                                  });
    ASSERT_TRUE(opened);
    const QString doc = QString::number(f().openingPln);
    EXPECT_EQ(editors.amounts, (QStringList{"201-01-001|PLN|" + doc, "201-01-002|PLN|" + doc}));
    EXPECT_EQ(result, 1);
}

TEST_P(CardWindowWiring, inTheSettlementsOnlyModeDodajAndUsunAreOffAndPoprawEditsTheSettlementsOnly) {
    request.settlementsOnly = true;
    const bool opened = whileOpen([&] { openingbalance::openCardWindow(db(), session(), request, nullptr, editors); },
                                  [&](QDialog& w) {
                                      for (const char* name : {"B_DODAJ", "B_USUN"})
                                          EXPECT_FALSE(button(w, name)->isEnabled()) << name;
                                      EXPECT_TRUE(button(w, "B_ZAMKNIJ")->isEnabled());
                                      auto* list = w.findChild<QTableWidget*>("LIST1");
                                      list->selectRow(rowOf(list, "201-01-001"));
                                      button(w, "B_POPRAW")->click();
                                  });
    ASSERT_TRUE(opened);
    EXPECT_EQ(editors.amounts, QStringList{"201-01-001|PLN|" + QString::number(f().openingPln) + "|rozrachunki"});
}

TEST_P(CardWindowWiring, poprawThroughTheProductionEditorsOpensTheAmountEntryOfTheSubAccount) {
    const bool opened = whileOpen(
        [&] { openingbalance::productionLineEditors().editCard(db(), session(), request, nullptr); },
        [&](QDialog& w) {
            auto* list = w.findChild<QTableWidget*>("LIST1");
            list->selectRow(rowOf(list, "201-01-001"));
            EXPECT_EQ(windowOpenedBy([&] { button(w, "B_POPRAW")->click(); }), QStringLiteral("BO_KWOTY"));
        });
    ASSERT_TRUE(opened);
}
