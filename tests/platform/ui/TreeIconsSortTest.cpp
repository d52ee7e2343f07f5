#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/SortChoice.h"
#include "platform/ui/list/SortChoiceWidget.h"
#include "platform/ui/tree/AccountTreeWidget.h"
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::ui;

TEST(IconSet, everyIconNameOfTheWindowsHasItsOwnDrawing) {
    const QStringList names{"~BoxOn.ico", "~boxoff.ico", "~zaznacz.ico", "~odznacz.ico", "~up.ico", "~down.ico",
                            "~filtr.ico", "~filtr_on.ico", "~Filtr_konto.ico", "~filtr_konto_on.ico",
                            "~firma.ico", "~closebil.ico", "~closewyn.ico", "~closepoz.ico", "~Kartka.ico",
                            "Drzewo_plus.ico", "Drzewo_minus.ico"};
    for (const QString& name : names) {
        const auto path = icons::resourcePath(name);
        ASSERT_TRUE(path) << name.toStdString();
        QFile f(*path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().contains("<svg")) << name.toStdString();
        EXPECT_FALSE(icons::byName(name).pixmap(16, 16).isNull()) << name.toStdString();
    }
    // One lookup, whatever the spelling.
    EXPECT_EQ(icons::resourcePath("boxon"), icons::resourcePath("~BOXON.ICO"));
    EXPECT_FALSE(icons::resourcePath("~nie_ma.ico"));
    EXPECT_FALSE(icons::byName("~nie_ma.ico").pixmap(16, 16).isNull()) << "a visible placeholder";
}

TEST(SortChoice, directionReversesEveryKeyAndSwapsTheIcon) {
    SortChoice choice({SortOrder::ascending("Nr ewidencyjny", {"nr_ewid_dok"}),
                       SortOrder::ascending("Data księgowania", {"data_biezaca", "nr_ewid_dok"})});
    std::vector<SortOrder> seen;
    choice.onChanged = [&](const SortOrder& o) { seen.push_back(o); };
    EXPECT_EQ(choice.directionIcon(), "~up.ico");
    choice.choose(1);
    choice.toggleDirection();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].keys, (QVector<SortKey>{{"data_biezaca", true}, {"nr_ewid_dok", true}}));
    EXPECT_EQ(choice.directionIcon(), "~down.ico");
    EXPECT_EQ(choice.current().totalOver("id").keys.last(), (SortKey{"id", true}));

    SortChoiceWidget w(choice);
    auto* list = w.findChild<QComboBox*>("LIST3");
    auto* button = w.findChild<QToolButton*>("B_ROS_MAL");
    ASSERT_TRUE(list && button);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 1);
    button->click();
    EXPECT_FALSE(choice.descending());
    list->setCurrentIndex(0);
    EXPECT_EQ(choice.index(), 0);
}

namespace {
std::unique_ptr<AccountNode> chart() {
    auto root = std::make_unique<AccountNode>();
    root->text = "Firma";
    root->kind = AccountNodeKind::Company;
    auto* k201 = root->add("201  Rozrachunki", "201", AccountNodeKind::Balance);
    k201->add("201-01", "201-01", AccountNodeKind::Leaf);
    auto* k201_02 = k201->add("201-02", "201-02", AccountNodeKind::Balance);
    k201_02->add("201-02-003", "201-02-003", AccountNodeKind::Leaf);
    root->add("401  Zużycie", "401", AccountNodeKind::ProfitAndLoss)->add("401-01", "401-01", AccountNodeKind::Leaf);
    root->add("990", "990", AccountNodeKind::OffBalance);
    return root;
}
} // namespace

TEST(AccountTree, searchSelectsTheFirstAccountBeginningWithTheTextAndOpensItsBranch) {
    AccountTreeModel model;
    model.setRoot(chart());
    EXPECT_EQ(model.nodeAt(model.findFirstStartingWith("201-0"))->account, "201-01");
    EXPECT_EQ(model.nodeAt(model.findFirstStartingWith("201-02-"))->account, "201-02-003");
    EXPECT_FALSE(model.findFirstStartingWith("5").isValid());
    EXPECT_FALSE(model.findFirstStartingWith("").isValid());
    const QModelIndex k401 = model.index(1, 0, model.index(0, 0));
    EXPECT_EQ(model.data(k401).toString(), "401  Zużycie");
    EXPECT_EQ(icons::normalizedName(iconNameOf(model.nodeAt(k401)->kind)), "closewyn");

    AccountTreeWidget w(model);
    QTreeView* tree = w.findChild<QTreeView*>("LIST2");
    ASSERT_TRUE(tree);
    EXPECT_EQ(w.findChild<QPushButton*>("B_ROZWIN")->text(), "Rozwiń listę");
    EXPECT_EQ(w.findChild<QPushButton*>("B_ZWIN")->text(), "Zwiń listę");

    w.findChild<QPushButton*>("B_ROZWIN")->click();
    for (const QModelIndex& b : model.branches()) EXPECT_TRUE(tree->isExpanded(b));
    EXPECT_EQ(model.branches().size(), 4);

    w.findChild<QPushButton*>("B_ZWIN")->click();
    EXPECT_TRUE(tree->isExpanded(model.index(0, 0)));
    EXPECT_FALSE(tree->isExpanded(model.index(0, 0, model.index(0, 0))));

    ASSERT_TRUE(w.search("201-02-0"));
    EXPECT_EQ(model.nodeAt(tree->currentIndex())->account, "201-02-003");
    EXPECT_TRUE(tree->isExpanded(tree->currentIndex().parent()));
    EXPECT_FALSE(w.search("7"));
    EXPECT_EQ(model.nodeAt(tree->currentIndex())->account, "201-02-003") << "a miss keeps the selection";
}
