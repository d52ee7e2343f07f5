// The window "Filtr": working copy, "Czyść ustawienia", "Wykonaj", "Anuluj", and the
// exported procedure FILTR.
#include "support/FrameFixture.h"
#include "frame/window/ThreadRegistry.h"
#include "ksiega/ksiega.h"
#include "entries/accountfilter/AccountFilterDialog.h"
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

using namespace ksiega;
using namespace ksiega::entries;

namespace {

class AccountFilterWindow : public test::FrameTest {};

TEST_F(AccountFilterWindow, theModuleStartsWithNoFilter) {
    const AccountFilterSettings& s = accountFilter();
    EXPECT_EQ(s, AccountFilterSettings{});
    EXPECT_EQ(s.ZAKRES_D, 0);
    EXPECT_EQ(s.ZAKRES_G, 999);
    AccountFilterController c(accountFilter(), false);
    EXPECT_FALSE(c.clearEnabled());
}

TEST_F(AccountFilterWindow, applyCopiesTheWorkingCopyAndDerivesTheFlags) {
    AccountFilterController c(accountFilter(), false);
    c.setGroup(10, true);
    c.setFlag(FilterFlag::Bilansowe, true);
    c.setRangeHigh(499);
    EXPECT_EQ(accountFilter(), AccountFilterSettings{}) << "nothing changes before Wykonaj";
    EXPECT_TRUE(c.clearEnabled());
    EXPECT_TRUE(c.applyEnabled());
    c.apply();
    EXPECT_EQ(c.result(), 1);
    const AccountFilterSettings& s = accountFilter();
    EXPECT_EQ(s.ZSPOLY_KONT[10], 1);
    EXPECT_EQ(s.BILANSOWE, 1);
    EXPECT_EQ(s.ZAKRES_G, 499);
    EXPECT_EQ(s.groupsSet, 1);
    EXPECT_EQ(s.typesSet, 1);
    EXPECT_EQ(s.rangeSet, 1);
    EXPECT_EQ(m_dialogs.busyCount(), 1);
    EXPECT_EQ(m_dialogs.busyDepth(), 0);

    // The next window opens on what was applied.
    AccountFilterController again(accountFilter(), false);
    EXPECT_TRUE(again.group(10));
    EXPECT_TRUE(again.clearEnabled());
}

TEST_F(AccountFilterWindow, aRangeBackAtZeroToNineHundredNinetyNineIsNoFilter) {
    AccountFilterController c(accountFilter(), false);
    c.setRangeLow(5);
    c.setRangeLow(0);
    c.setRangeHigh(1500);  // beyond three digits
    EXPECT_EQ(c.working().ZAKRES_G, 999);
    c.apply();
    EXPECT_EQ(accountFilter().rangeSet, 0);
    EXPECT_EQ(filterIndicatorIcon(accountFilter()), QStringLiteral("~Filtr_konto.ico"));
}

TEST_F(AccountFilterWindow, clearThenCancelLeavesThePreviousFilter) {
    {
        AccountFilterController c(accountFilter(), true);
        c.setFlag(FilterFlag::Walutowe, true);
        c.setFlag(FilterFlag::Mpk, true);
        c.apply();
    }
    const AccountFilterSettings before = accountFilter();
    AccountFilterController c(accountFilter(), true);
    c.clearSettings();
    EXPECT_FALSE(c.clearEnabled());
    EXPECT_TRUE(c.applyEnabled());
    EXPECT_EQ(c.working(), AccountFilterSettings{});
    c.cancel();
    EXPECT_EQ(c.result(), 0);
    EXPECT_EQ(accountFilter(), before);
    EXPECT_EQ(accountFilter().WALUTOWE, 1);
}

TEST_F(AccountFilterWindow, costCentreFlagAloneKeepsClearEnabled) {
    accountFilter().MPK = 1;
    AccountFilterController c(accountFilter(), true);
    EXPECT_TRUE(c.clearEnabled());
    EXPECT_TRUE(c.mpkVisible());
}

TEST_F(AccountFilterWindow, controlsByNameDriveTheFilter) {
    AccountFilterDialog dialog(std::make_unique<AccountFilterController>(accountFilter(), false));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Filtr"));
    auto* clear = dialog.findChild<QPushButton*>(QStringLiteral("ANULUJFILTR"));
    auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("ZASTOSUJFILTR"));
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("CANCELBUTTON"));
    ASSERT_TRUE(clear && apply && cancel);
    EXPECT_EQ(clear->text(), QStringLiteral("Czyść ustawienia"));
    EXPECT_EQ(clear->toolTip(), QStringLiteral("Pokaż wszystkie konta."));
    EXPECT_EQ(apply->shortcut(), QKeySequence(Qt::Key_F10));
    EXPECT_EQ(apply->toolTip(), QStringLiteral("Zastosuj wskazane ustawienia filtra."));
    EXPECT_EQ(cancel->toolTip(), QStringLiteral("Zamknij okno"));
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("MPK"))->isHidden());
    for (int n = 1; n <= 10; ++n)
        EXPECT_NE(dialog.findChild<QCheckBox*>(QStringLiteral("ZSPOLY_KONT_%1").arg(n)), nullptr) << n;

    dialog.findChild<QCheckBox*>(QStringLiteral("ZSPOLY_KONT_10"))->click();
    dialog.findChild<QSpinBox*>(QStringLiteral("ZAKRES_D"))->setValue(10);
    EXPECT_TRUE(clear->isEnabled());
    clear->click();
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("ZSPOLY_KONT_10"))->isChecked());
    EXPECT_EQ(dialog.findChild<QSpinBox*>(QStringLiteral("ZAKRES_D"))->value(), 0);
    dialog.findChild<QCheckBox*>(QStringLiteral("ROZRACHUNKOWE"))->click();
    apply->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(accountFilter().ROZRACHUNKOWE, 1);
    EXPECT_EQ(accountFilter().ZSPOLY_KONT[10], 0);
}

TEST_F(AccountFilterWindow, filtrReturnsOneOnlyWhenApplied) {
    session().DANE_CZY_WERSJA_MPK = 1;
    auto pressLater = [](const char* button, bool tickMpk) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* mpk = dialog->findChild<QCheckBox*>(QStringLiteral("MPK"));
            EXPECT_FALSE(mpk->isHidden());
            if (tickMpk) mpk->click();
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    };
    pressLater("CANCELBUTTON", true);
    EXPECT_EQ(FILTR(), 0);
    EXPECT_EQ(accountFilter().MPK, 0);
    pressLater("ZASTOSUJFILTR", true);
    EXPECT_EQ(FILTR(), 1);
    EXPECT_EQ(accountFilter().MPK, 1);
    EXPECT_EQ(openWindowCount(), 0u);

    session().DANE_ID_FIRMY = 0;  // no company: no window
    EXPECT_EQ(FILTR(), 0);
}

} // namespace
