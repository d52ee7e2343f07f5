#include "HostFixture.h"
#include "host/SessionLoader.h"
#include "host/gui/MainWindow.h"
#include "host/gui/MainWindowController.h"
#include "support/TestDatabase.h"
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenuBar>

using namespace ksiega;
using namespace ksiega::host;

namespace {

class MainWindowTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        company = test::addCompany(db(), "Alfa Sp. z o.o.");
        year = test::addYear(db(), company, "2026", QDate(2026, 1, 1), QDate(2026, 12, 31));
        const int64_t previous = test::addYear(db(), company, "2025", QDate(2025, 1, 1), QDate(2025, 12, 31));
        test::addUser(db(), "jan");
        test::addDocument(db(), company, year, 3);
        test::addDocument(db(), company, year, 2);
        test::addDocument(db(), company, previous, 7);
        loadSession(db(), {company, year, "jan", date::fromYmd(2026, 4, 9)}, date::fromYmd(2026, 4, 9), SessionPaths{}, s);

        cat.add({"KSIEGA_WG_OKRESOW", "Przeglądanie wg okresów", menu::LEDGER, 20, [this] { calls << "KSIEGA_WG_OKRESOW"; }});
        cat.add({"KSIEGA_WG_KONT", "Przeglądanie wg kont", menu::LEDGER, 10, [this] { calls << "KSIEGA_WG_KONT"; }});
        cat.add({"BT_VIEW_W", "Wydatki", menu::BUDGET, 10, [] {}});
        cat.add({"ZAMKNIECIE_ROKU", "Zamknięcie roku", menu::CLOSING, 10, [] { throw std::runtime_error("brak bilansu"); }});
    }

    const MenuGroupView& group(const std::vector<MenuGroupView>& menu, const char* caption) {
        for (const auto& g : menu) if (g.caption == QString::fromUtf8(caption)) return g;
        throw std::runtime_error("no group");
    }

    int64_t company = 0, year = 0;
    SessionContext s;
    ProcedureCatalogue cat;
    QStringList calls;
};
KSIEGA_ON_BOTH_ENGINES(MainWindowTest);

TEST_P(MainWindowTest, showsTheSessionAndTheYearsOverview) {
    MainWindowController c(db(), s, cat);
    EXPECT_EQ(c.title(), "Księga główna — Alfa Sp. z o.o., rok 2026, jan");
    EXPECT_EQ(c.statusFields(), (QStringList{"Firma: Alfa Sp. z o.o.", "Rok obrotowy: 2026", "Użytkownik: jan",
                                             "Data bieżąca: 09-04-2026", "Waluta: PLN"}));
    const YearOverview o = c.overview();
    EXPECT_EQ(o.documents, 2);  // the previous year's document is not counted
    EXPECT_EQ(o.lines, 5);
}

TEST_P(MainWindowTest, menuOffersTheRegisteredProceduresAndDisablesTheRest) {
    MainWindowController c(db(), s, cat);
    const auto menu = c.menu();
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu.front().caption, QString::fromUtf8(menu::LEDGER));
    const auto& ledger = group(menu, menu::LEDGER);
    EXPECT_TRUE(ledger.enabled);
    ASSERT_EQ(ledger.items.size(), 2u);
    EXPECT_EQ(ledger.items[0].caption, "Przeglądanie wg kont");
    EXPECT_EQ(ledger.items[1].caption, "Przeglądanie wg okresów");
    EXPECT_FALSE(group(menu, menu::SETTLEMENTS).enabled);
    EXPECT_TRUE(group(menu, menu::CLOSING).enabled);
    // Registered, but the company keeps no budget books.
    EXPECT_FALSE(group(menu, menu::BUDGET).enabled);
    s.DANE_CZY_WERSJA_BUDZET = 1;
    EXPECT_TRUE(group(c.menu(), menu::BUDGET).enabled);

    EXPECT_THROW(cat.add({"X", "X", "Nieznana", 0, [] {}}), std::invalid_argument);
}

TEST_P(MainWindowTest, runningAProcedureReportsWhatStoppedIt) {
    MainWindowController c(db(), s, cat);
    EXPECT_EQ(c.run("KSIEGA_WG_KONT"), std::nullopt);
    EXPECT_EQ(calls, QStringList{"KSIEGA_WG_KONT"});
    const auto failure = c.run("ZAMKNIECIE_ROKU");
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains("brak bilansu"));
    EXPECT_TRUE(c.run("NIE_MA_TAKIEJ"));

    s.DANE_LATA_OBROTOWE = 0;
    EXPECT_TRUE(c.run("KSIEGA_WG_KONT"));
    EXPECT_EQ(calls.size(), 1);
}

TEST_P(MainWindowTest, sessionChangesOnlyWithNoWindowOpen) {
    MainWindowController c(db(), s, cat);
    EXPECT_EQ(c.changeSessionRefusal(), std::nullopt);
    s.DANE_WATKI.push_back({7, 0});
    EXPECT_TRUE(c.changeSessionRefusal());
}

TEST_P(MainWindowTest, windowBindsMenuAndStatusBar) {
    MainWindow w(db(), s, cat);
    EXPECT_EQ(w.windowTitle(), "Księga główna — Alfa Sp. z o.o., rok 2026, jan");
    auto* item = w.findChild<QAction*>("KSIEGA_WG_KONT");
    ASSERT_TRUE(item);
    item->trigger();
    EXPECT_EQ(calls, QStringList{"KSIEGA_WG_KONT"});
    EXPECT_TRUE(w.findChild<QAction*>("ZMIEN_FIRME"));
    EXPECT_TRUE(w.findChild<QAction*>("ZAKONCZ"));
    QStringList disabled;
    for (QAction* a : w.menuBar()->actions()) if (!a->isEnabled()) disabled << a->text();
    EXPECT_EQ(disabled, (QStringList{"&Bilans otwarcia", "&Rozrachunki", "&MPK", "B&udżet"}));
    EXPECT_EQ(w.findChild<QLabel*>("STATUS4")->text(), "Data bieżąca: 09-04-2026");
    const QImage icon = w.windowIcon().pixmap(64, 64).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_GT(qAlpha(icon.pixel(32, 32)), 0);
}

} // namespace
