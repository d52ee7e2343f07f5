// The window "Filtr księgi głównej" driven by its control names, through the exported
// procedure KSIEGA_O_SZYBKI_FILTR.
#include "QuickFilterFixture.h"
#include "frame/window/ThreadRegistry.h"
#include "ksiega/ksiega.h"
#include "ledger/quickfilter/QuickFilterDialog.h"
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

using namespace ksiega;
using namespace ksiega::ledger;

namespace {

class QuickFilterWindow : public test::QuickFilterTest {};
KSIEGA_ON_BOTH_ENGINES(QuickFilterWindow);

template <class W>
W* control(QWidget* dialog, const char* name) {
    auto* w = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs `steps` on the modal window once it is up.
void whenOpen(std::function<void(QDialog*)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        steps(dialog);
    });
}

TEST_P(QuickFilterWindow, wykonajReturnsTheExpressionAndAnulujReturnsNothing) {
    whenOpen([this](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Filtr księgi głównej"));
        auto* sheet = control<QTabWidget>(d, "SHEET1");
        EXPECT_EQ(sheet->tabText(1), QStringLiteral("Okresy"));
        EXPECT_EQ(sheet->count(), 2) << "no budget tab outside the budget edition";
        EXPECT_TRUE(control<QGroupBox>(d, "GRUPA_KONTA")->isHidden());
        auto* apply = control<QPushButton>(d, "B_FILTRUJ");
        EXPECT_EQ(apply->text(), QStringLiteral("Wykonaj"));
        EXPECT_EQ(apply->shortcut(), QKeySequence(Qt::Key_F10));
        EXPECT_EQ(control<QPushButton>(d, "B_CZYSC")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        EXPECT_EQ(control<QCheckBox>(d, "L_STRONA_WN")->text(), QStringLiteral("Strona Dt"));

        // A refused check keeps the window open.
        control<QPushButton>(d, "B_ODZNACZ_DZIENNIKI")->click();
        apply->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Proszę wybrać przynajmniej jeden dziennik."));
        control<QPushButton>(d, "B_ZAZNACZ_DZIENNIKI")->click();

        auto* booking1 = control<QDateEdit>(d, "L_DATA_KSIEGOWANIA_1");
        EXPECT_FALSE(booking1->isEnabled());
        control<QRadioButton>(d, "F_LOK_DATA_KSIEGOWANIA_1")->click();
        EXPECT_TRUE(booking1->isEnabled());
        EXPECT_EQ(booking1->date(), QDate(2026, 4, 15));
        control<QDateEdit>(d, "L_DATA_KSIEGOWANIA_1")->setDate(QDate(2026, 1, 1));
        control<QCheckBox>(d, "L_STRONA_MA")->click();
        apply->click();
    });
    const QString result = KSIEGA_O_SZYBKI_FILTR(QStringLiteral("2"));
    EXPECT_EQ(result, QStringLiteral("PDU:STRONA=0 AND PDU:DATA_BIEZACA>=%1 AND PDU:DATA_BIEZACA<=%2")
                          .arg(date::fromYmd(2026, 1, 1))
                          .arg(date::fromYmd(2026, 4, 15)));
    EXPECT_EQ(session().GLOBALRESPONSE, 1);
    const int64_t direct = db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and strona=0 "
                                          "and data_biezaca between ? and ?",
                                          {ledger().year2026, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 4, 15)})
                               .value_or(0);
    EXPECT_GT(direct, 0);
    EXPECT_EQ(matching(result), direct);
    EXPECT_EQ(openWindowCount(), 0u);

    whenOpen([](QDialog* d) {
        EXPECT_FALSE(control<QCheckBox>(d, "L_STRONA_MA")->isChecked()) << "reopens as applied";
        control<QCheckBox>(d, "L_STRONA_MA")->click();
        control<QPushButton>(d, "B_ANULUJ")->click();
    });
    EXPECT_EQ(KSIEGA_O_SZYBKI_FILTR(QStringLiteral("2")), QString());
    EXPECT_EQ(session().GLOBALRESPONSE, 2);
    EXPECT_FALSE(quickFilterState().settings.sideCt);
}

TEST_P(QuickFilterWindow, modeOneOffersTheAccountsAndTypedTextsReachTheExpressionQuoted) {
    QuickFilterDialog dialog(open(QStringLiteral("1")));
    EXPECT_EQ(control<QTabWidget>(&dialog, "SHEET1")->tabText(1), QStringLiteral("Okresy/Konta"));
    EXPECT_FALSE(control<QGroupBox>(&dialog, "GRUPA_KONTA")->isHidden());
    auto* mask = control<QLineEdit>(&dialog, "L_MASKA_KONT");
    EXPECT_FALSE(mask->isEnabled());
    control<QRadioButton>(&dialog, "F_LOK_KONTO_2")->click();
    EXPECT_TRUE(mask->isEnabled());
    mask->setText(QStringLiteral("2'1*"));
    control<QPushButton>(&dialog, "B_FILTRUJ")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.controller().result(), QStringLiteral("SQL(KONTO like '2''1%')"));
    EXPECT_EQ(matching(dialog.controller().result()), 0);

    // "Czyść ustawienia" brings "Wszystkie" back.
    QuickFilterDialog again(open(QStringLiteral("1")));
    EXPECT_TRUE(control<QRadioButton>(&again, "F_LOK_KONTO_2")->isChecked());
    control<QPushButton>(&again, "B_CZYSC")->click();
    EXPECT_TRUE(control<QRadioButton>(&again, "F_LOK_KONTO_0")->isChecked());
    EXPECT_FALSE(control<QLineEdit>(&again, "L_MASKA_KONT")->isEnabled());
}

} // namespace
