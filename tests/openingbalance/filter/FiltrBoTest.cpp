// FILTR_BO: the account filter window of the opening-balance browse on the module-wide
// settings, without the cost-centre switch.
#include "entries/accountfilter/AccountFilterSettings.h"
#include "frame/window/ThreadRegistry.h"
#include "ksiega/ksiega.h"
#include "support/FrameFixture.h"
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

using namespace ksiega;

namespace {

class FiltrBo : public test::FrameTest {
protected:
    // Runs FILTR_BO with `inside` acting on its window once it is up.
    uint8_t run(const std::function<void(QDialog&)>& inside) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            inside(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return FILTR_BO();
    }
    static void press(QDialog& d, const char* name) { d.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    static void tick(QDialog& d, const char* name) { d.findChild<QCheckBox*>(QString::fromLatin1(name))->click(); }
};

TEST_F(FiltrBo, showsTheTextsOfTheFilterWithoutTheCostCentreSwitch) {
    session().DANE_CZY_WERSJA_MPK = 1;
    run([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Filtr"));
        EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("MPK"))->isHidden());
        QStringList groups;
        for (auto* g : d.findChildren<QGroupBox*>()) groups << g->title();
        for (const char* title : {"Zespoły kont", "Typy kont", "Zakres kont syntetycznych"})
            EXPECT_TRUE(groups.contains(QString::fromUtf8(title))) << title;
        const std::pair<const char*, const char*> boxes[] = {{"BILANSOWE", " Bilansowe"},         {"WYNIKOWE", " Wynikowe"},
                                                             {"POZABILANSOWE", " Pozabilansowe"}, {"WALUTOWE", " Walutowe"},
                                                             {"ROZRACHUNKOWE", " Rozrachunkowe"}, {"DWUSALDOWE", " Dwusaldowe"}};
        for (const auto& [name, text] : boxes)
            EXPECT_EQ(d.findChild<QCheckBox*>(QString::fromLatin1(name))->text(), QString::fromUtf8(text));
        const std::tuple<const char*, const char*, const char*> buttons[] = {
            {"ANULUJFILTR", "Czyść ustawienia", "Pokaż wszystkie konta."},
            {"ZASTOSUJFILTR", "Wykonaj", "Zastosuj wskazane ustawienia filtra."},
            {"CANCELBUTTON", "Anuluj", "Zamknij okno"}};
        for (const auto& [name, text, tip] : buttons) {
            auto* b = d.findChild<QPushButton*>(QString::fromLatin1(name));
            ASSERT_NE(b, nullptr) << name;
            EXPECT_EQ(b->text(), QString::fromUtf8(text));
            EXPECT_EQ(b->toolTip(), QString::fromUtf8(tip));
        }
    });
}

TEST_F(FiltrBo, wykonajCopiesToTheSharedSettingsAndAnulujLeavesThem) {
    EXPECT_EQ(run([](QDialog& d) {
                  tick(d, "POZABILANSOWE");
                  d.findChild<QSpinBox*>(QStringLiteral("ZAKRES_D"))->setValue(100);
                  d.findChild<QSpinBox*>(QStringLiteral("ZAKRES_G"))->setValue(199);
                  press(d, "ZASTOSUJFILTR");
              }),
              1);
    EXPECT_EQ(entries::accountFilter().POZABILANSOWE, 1);
    EXPECT_EQ(entries::accountFilter().typesSet, 1);
    EXPECT_EQ(entries::accountFilter().rangeSet, 1);
    EXPECT_EQ(entries::filterIndicatorIcon(entries::accountFilter()), QStringLiteral("~filtr_konto_on.ico"));
    const entries::AccountFilterSettings applied = entries::accountFilter();

    // The window opens on what was applied; clearing then cancelling changes nothing.
    EXPECT_EQ(run([](QDialog& d) {
                  EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("POZABILANSOWE"))->isChecked());
                  EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("ZAKRES_D"))->value(), 100);
                  press(d, "ANULUJFILTR");
                  press(d, "CANCELBUTTON");
              }),
              0);
    EXPECT_EQ(entries::accountFilter(), applied);

    // "Czyść ustawienia" then "Wykonaj": no filter at all.
    EXPECT_EQ(run([](QDialog& d) {
                  press(d, "ANULUJFILTR");
                  press(d, "ZASTOSUJFILTR");
              }),
              1);
    EXPECT_FALSE(entries::accountFilter().indicatorOn());
    EXPECT_EQ(openWindowCount(), 0u);

    session().DANE_LATA_OBROTOWE = 0;   // no fiscal year: no window
    EXPECT_EQ(FILTR_BO(), 0);
}

} // namespace
