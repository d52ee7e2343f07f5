#include "platform/ui/columns/ColumnLayout.h"
#include "platform/ui/columns/WindowConfiguration.h"
#include "support/TestDatabase.h"
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

using namespace ksiega;
using namespace ksiega::ui;

TEST(ColumnLayoutText, roundTripsAndRefusesWhatIsNotALayout) {
    ColumnLayout l{{{"znacznik", 15, false}, {"konto", 80, false}, {"opis", 200, true}}};
    EXPECT_EQ(l.toText(), "K1;znacznik:15:0;konto:80:0;opis:200:1");
    EXPECT_EQ(ColumnLayout::fromText(l.toText()), l);
    EXPECT_EQ(ColumnLayout::fromText(""), ColumnLayout{});
    EXPECT_FALSE(ColumnLayout::fromText("konto:80:0"));
    EXPECT_FALSE(ColumnLayout::fromText("K1;konto:x:0"));
    // Never longer than the 3000 characters a caller keeps.
    ColumnLayout big;
    for (int i = 0; i < 400; ++i) big.columns.push_back({QStringLiteral("kolumna_%1").arg(i), 100, false});
    const QString text = big.toText();
    EXPECT_LE(text.size(), 3000);
    EXPECT_TRUE(ColumnLayout::fromText(text).has_value());
}

TEST(ColumnLayoutView, appliesOrderWidthsAndHiddenFlagsAndReadsThemBack) {
    QStandardItemModel model(1, 4);
    QTableView view;
    view.setModel(&model);
    const QStringList names{"a", "b", "c", "d"};
    const ColumnLayout wanted{{{"c", 120, false}, {"a", 60, true}, {"x", 10, false}}};
    applyLayout(*view.horizontalHeader(), names, wanted);
    const ColumnLayout got = captureLayout(*view.horizontalHeader(), names);
    ASSERT_EQ(got.columns.size(), 4);
    EXPECT_EQ(got.columns[0], (ColumnState{"c", 120, false}));
    EXPECT_EQ(got.columns[1].name, "a");
    EXPECT_TRUE(got.columns[1].hidden);
    // Columns the layout does not name keep their order after the named ones.
    EXPECT_EQ(got.columns[2].name, "b");
    EXPECT_EQ(got.columns[3].name, "d");
}

TEST(ColumnConfigController, keepsFixedColumnsFirstAndOneColumnVisible) {
    ColumnConfigController c(ColumnLayout{{{"znacznik", 15, false}, {"konto", 80, false}, {"opis", 200, false}}},
                             {{"konto", "Nr konta"}}, 1);
    EXPECT_EQ(c.title(1), "Nr konta");
    EXPECT_EQ(c.title(2), "opis");
    EXPECT_FALSE(c.moveUp(1)) << "nothing moves in front of the mark column";
    EXPECT_FALSE(c.moveDown(0));
    EXPECT_FALSE(c.setHidden(0, true));
    EXPECT_TRUE(c.moveUp(2));
    EXPECT_EQ(c.column(1).name, "opis");
    EXPECT_TRUE(c.setHidden(1, true));
    EXPECT_TRUE(c.setHidden(2, true)) << "the fixed column stays visible";
    EXPECT_FALSE(c.setWidth(2, 0));
    EXPECT_TRUE(c.setWidth(2, 99));
    EXPECT_EQ(c.layout().toText(), "K1;znacznik:15:0;opis:200:1;konto:99:1");

    ColumnConfigController single(ColumnLayout{{{"a", 10, false}, {"b", 10, true}}});
    EXPECT_FALSE(single.setHidden(0, true)) << "the last visible column";
}

class WindowConfigurationTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(WindowConfigurationTest);

TEST_P(WindowConfigurationTest, layoutsAreStoredPerUserAndListAndEditedThroughTheDialog) {
    int dialogs = 0;
    bool confirm = true;
    auto dialog = [&](ColumnConfigController& c) {
        ++dialogs;
        EXPECT_FALSE(c.setHidden(0, true)) << "KONFIGURACJA_OKNA_PUNKTY fixed the first column";
        EXPECT_EQ(c.title(1), "Nr konta");
        c.moveDown(1);
        c.setHidden(2, true);
        return confirm;
    };
    WindowConfiguration user7(db(), 7, dialog), user8(db(), 8, dialog);
    user7.setTitles(40, {{"konto", "Nr konta"}});
    user7.KONFIGURACJA_OKNA_PUNKTY(1, 40, 0, 0);

    EXPECT_EQ(user7.KONFIGURACJA_OKNA(2, 40, ""), "");
    const QString shown = "K1;znacznik:15:0;konto:80:0;opis:200:0";
    const QString edited = user7.KONFIGURACJA_OKNA(3, 40, shown);
    EXPECT_EQ(edited, "K1;znacznik:15:0;opis:200:0;konto:80:1");
    EXPECT_EQ(user7.KONFIGURACJA_OKNA(2, 40, ""), edited);
    EXPECT_EQ(user7.KONFIGURACJA_OKNA(2, 41, ""), "") << "another list";
    EXPECT_EQ(user8.KONFIGURACJA_OKNA(2, 40, ""), "") << "another user";

    // A cancelled dialog stores nothing and gives the text back.
    confirm = false;
    EXPECT_EQ(user7.KONFIGURACJA_OKNA(3, 40, shown), shown);
    EXPECT_EQ(user7.KONFIGURACJA_OKNA(2, 40, ""), edited);
    EXPECT_EQ(dialogs, 2);

    // A long layout is kept whole up to 3000 characters (PostgreSQL checks the length).
    ColumnLayout big;
    for (int i = 0; i < 400; ++i) big.columns.push_back({QStringLiteral("k%1").arg(i), 100, i % 2 == 0});
    const QString stored = user8.KONFIGURACJA_OKNA(1, 40, big.toText());
    EXPECT_GT(stored.size(), 2900);
    EXPECT_EQ(user8.KONFIGURACJA_OKNA(2, 40, ""), stored);
    EXPECT_EQ(user8.KONFIGURACJA_OKNA(0, 40, ""), "");
    EXPECT_EQ(user8.KONFIGURACJA_OKNA(2, 40, ""), "");
}
