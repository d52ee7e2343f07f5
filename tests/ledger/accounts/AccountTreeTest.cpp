#include "support/WindowFixture.h"
#include "ledger/accounts/tree/AccountTreeController.h"

using namespace ksiega;
using namespace ksiega::ledger;

class AccountTreeTest : public test::WindowTest {
protected:
    entries::AccountFilterSettings filter;
    std::unique_ptr<AccountTreeController> tree() {
        filter.computeDerived();
        auto t = std::make_unique<AccountTreeController>(db(), session(), filter);
        t->rebuild();
        return t;
    }
    static QStringList texts(const ui::AccountTreeModel& m, const QModelIndex& parent) {
        QStringList out;
        for (int r = 0; r < m.rowCount(parent); ++r) out << m.index(r, 0, parent).data().toString();
        return out;
    }
};
KSIEGA_ON_BOTH_ENGINES(AccountTreeTest);

TEST_P(AccountTreeTest, listsSyntheticAccountsWithTheirAnalyticAccountsBelowAndWithoutCards) {
    auto t = tree();
    const ui::AccountTreeModel& m = t->model();
    const QModelIndex company = m.index(0, 0);
    EXPECT_EQ(company.data().toString(), "Przykładowa Spółka z o.o.");
    EXPECT_EQ(texts(m, company), QStringList({"010", "130", "131", "201", "202", "234", "401", "700", "800", "990"}));
    const QModelIndex a131 = m.index(2, 0, company);
    EXPECT_EQ(texts(m, a131), QStringList({"131-01", "131-02"}));
    // 201-01 is a register account: its cards are not read until asked for.
    const QModelIndex a201 = m.index(3, 0, company);
    EXPECT_EQ(texts(m, a201), QStringList({"201-01"}));
    EXPECT_EQ(m.rowCount(m.index(0, 0, a201)), 0);
    EXPECT_TRUE(t->isRegisterAccount("201-01"));
    EXPECT_FALSE(t->isRegisterAccount("201"));

    // Icons: type for a branch, the card for a leaf.
    EXPECT_EQ(iconNameOf(m.nodeAt(a131)->kind), "~closebil.ico");
    EXPECT_EQ(iconNameOf(m.nodeAt(m.index(0, 0, a131))->kind), "~Kartka.ico");
    EXPECT_EQ(iconNameOf(m.nodeAt(m.index(7, 0, company))->kind), "~closewyn.ico");   // 700
    EXPECT_EQ(iconNameOf(m.nodeAt(m.index(6, 0, company))->kind), "~Kartka.ico");     // 401 has no analytics
    EXPECT_EQ(iconNameOf(m.nodeAt(company)->kind), "~firma.ico");

    // A branch shows every account below it, a leaf only itself.
    EXPECT_FALSE(t->choiceFor("131").wholeAccount);
    EXPECT_TRUE(t->choiceFor("131-01").wholeAccount);
    EXPECT_FALSE(t->choiceFor("201-01").wholeAccount);
    EXPECT_EQ(t->search("23"), "234");
    EXPECT_EQ(t->search("131-0"), "131-01");
    EXPECT_EQ(t->search("5"), "");
}

TEST_P(AccountTreeTest, keepsOnlyAccountsThatPassTheAccountFilter) {
    filter.POZABILANSOWE = 1;
    filter.WYNIKOWE = 1;
    EXPECT_EQ(tree()->accounts(), QStringList({"401", "700", "700-01", "990"}));

    filter.clear();
    filter.ROZRACHUNKOWE = 1;
    filter.DWUSALDOWE = 1;
    EXPECT_EQ(tree()->accounts(), QStringList({"234", "234-01", "234-02"}));

    filter.clear();
    filter.ZSPOLY_KONT[10] = 1;   // group 0: 010 only
    filter.ZAKRES_G = 500;
    EXPECT_EQ(tree()->accounts(), QStringList({"010", "010-01"}));
}

TEST_P(AccountTreeTest, showsNamesAskedOncePerAccount) {
    auto t = tree();
    const ui::AccountTreeModel& m = t->model();
    t->setNamesShown(true);
    const QModelIndex a130 = m.index(1, 0, m.index(0, 0));
    EXPECT_EQ(a130.data().toString(), "130  Rachunek bieżący");
    EXPECT_EQ(m.index(0, 0, a130).data().toString(), "130-01  Rachunek bieżący PKO");
    EXPECT_EQ(t->displayText("201-01-002"), "201-01-002  Odbiorca Beta S.A.");

    // A renamed account keeps the name asked first until the window opens again.
    db().execute("update WARTOSCI_KONT set nazwa_konta='Inna' where nr_konta='130-01'");
    t->setNamesShown(false);
    EXPECT_EQ(m.index(0, 0, m.index(1, 0, m.index(0, 0))).data().toString(), "130-01");
    t->setNamesShown(true);
    EXPECT_EQ(m.index(0, 0, m.index(1, 0, m.index(0, 0))).data().toString(), "130-01  Rachunek bieżący PKO");
}

TEST_P(AccountTreeTest, registerAccountShowsItsCardsWithTurnoversOnYes) {
    recompute();
    auto t = tree();
    dialogs.answer(1);
    const std::optional<ChosenAccount> choice = t->showRegisterAccounts("201-01");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->account, "201-01-001");
    EXPECT_TRUE(choice->wholeAccount);
    const auto q = dialogs.last();
    EXPECT_EQ(q.text, "Czy chcesz przeglądać konta kartotekowe ?");
    EXPECT_EQ(q.title, "Bilantor: Pytanie");
    EXPECT_EQ(q.buttons, QStringList({"&Tak", "&Nie"}));
    EXPECT_EQ(t->accounts().mid(t->accounts().indexOf("201"), 4),
              QStringList({"201", "201-01", "201-01-001", "201-01-002"}));

    // Asked again, the cards are not doubled; "Nie" leaves the tree as it is.
    dialogs.answer(1);
    t->showRegisterAccounts("201-01");
    EXPECT_EQ(t->accounts().count("201-01-001"), 1);
    dialogs.answer(2);
    EXPECT_FALSE(t->showRegisterAccounts("201-01"));
    EXPECT_FALSE(t->showRegisterAccounts("130-01"));   // not a register account: no question
    EXPECT_EQ(dialogs.texts().size(), 3);
}

TEST_P(AccountTreeTest, registerAccountWithoutTurnoversSaysSo) {
    auto t = tree();   // turnovers not computed yet: no card has any
    dialogs.answer(1);
    EXPECT_FALSE(t->showRegisterAccounts("202-01"));
    EXPECT_EQ(dialogs.last().text, "Brak zapisów na koncie kartotekowym.");
    EXPECT_EQ(dialogs.last().title, "Bilantor: Informacja");
    EXPECT_FALSE(t->accounts().contains("202-01-001"));
}
