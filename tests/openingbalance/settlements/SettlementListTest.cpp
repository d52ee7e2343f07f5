// The list "Rozrachunki dla konta: ": totals by side with corrections, rows of the
// warehouse system left alone, adding and removing rows.
#include "SettlementsFixture.h"
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace ksiega;
using test::zl;
using openingbalance::SettlementListController;
using openingbalance::SettlementState;
using Kind = ui::ScriptedDialogs::Kind;

class SettlementList : public test::SettlementsTest {
protected:
    // The totals of the line's stored settlements, summed in SQL: a correction counts negative.
    Money storedTotal(const char* strona) {
        return Money::fromMinor(db().scalarInt("select cast(coalesce(sum(case when czy_korekta=1 then -kwota else kwota end), 0) "
                                               "as bigint) from ROZRACHUNEK where id_poz_dok_f=? and strona=?",
                                               {line, strona})
                                    .value_or(-1));
    }
    int64_t settlement(const char* strona, const char* kwota, bool korekta) {
        const int64_t id = f().openSettlement(line);
        db().execute("update ROZRACHUNEK set strona=?, kwota=?, czy_korekta=? where id_rozrachunku=?",
                     {strona, zl(kwota), korekta ? 1 : 0, id});
        return id;
    }
    test::ScriptedForms forms;
};
KSIEGA_ON_BOTH_ENGINES(SettlementList);

TEST_P(SettlementList, totalsAreTheAmountsBySideWithCorrectionsCountingNegative) {
    settlement("WN", "700.00", false);
    settlement("WN", "120.50", true);
    settlement("MA", "80.00", false);
    settlement("MA", "30.25", true);
    auto rows = readRows();
    SettlementListController list(db(), session(), context, rows, forms);
    EXPECT_EQ(list.caption(), QStringLiteral("Rozrachunki dla konta: 201-01-001"));
    EXPECT_EQ(list.sumWn(), storedTotal("WN"));
    EXPECT_EQ(list.sumMa(), storedTotal("MA"));
    EXPECT_EQ(list.sumWn(), zl("579.50"));

    // A new correction on Ct and a removed debit row are counted at once.
    forms.fill = [](auto& form) {
        form.setSide("MA");
        form.setAmount(zl("10.00"));
        form.setCorrection(true);
    };
    const int added = list.add();
    ASSERT_EQ(added, 4);
    EXPECT_EQ(list.cells(size_t(added)).at(7), "-");
    EXPECT_EQ(list.sumMa(), storedTotal("MA") - zl("10.00"));
    list.remove(0);
    EXPECT_EQ(list.sumWn(), storedTotal("WN") - zl("700.00"));
    EXPECT_EQ(rows.size(), 4u);
}

TEST_P(SettlementList, rowsOfTheWarehouseSystemCanBeNeitherCorrectedNorRemoved) {
    const int64_t id = settlement("WN", "900.00", false);
    db().execute("update ROZRACHUNEK set id_nag_dok_m=77 where id_rozrachunku=?", {id});
    auto rows = readRows();
    const auto before = rows[0].settlement;
    SettlementListController list(db(), session(), context, rows, forms);
    forms.fill = [](auto& form) { form.setAmount(zl("1.00")); };
    list.correct(0);
    list.remove(0);
    EXPECT_EQ(forms.runs, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].settlement.kwota, before.kwota);
    EXPECT_EQ(rows[0].state, SettlementState::AsRead);
    const QString refusal =
        QStringLiteral("Nie można wykonać tej operacji. Wybrany rozrachunek związany jest z dokumentami programu TOVARIX");
    EXPECT_EQ(dialogs.texts(Kind::Information), (QStringList{refusal, refusal}));
    EXPECT_TRUE(dialogs.texts(Kind::Question).isEmpty());
}

TEST_P(SettlementList, removingAClearedSettlementSaysItsClearingsGoToo) {
    clearedSettlement();
    settlement("WN", "500.00", false);
    auto rows = readRows();
    ASSERT_TRUE(rows[0].settlement.hasClearings);
    SettlementListController list(db(), session(), context, rows, forms);

    dialogs.answer(2);
    list.remove(0);
    EXPECT_EQ(rows.size(), 2u) << "Nie keeps the row";
    const auto asked = dialogs.last();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("rozliczenia"))) << asked.text.toStdString();
    EXPECT_TRUE(asked.text.endsWith(QStringLiteral("Czy chcesz usunąć wybraną pozycję?")));
    EXPECT_EQ(asked.defaultButton, 2);

    dialogs.answer(1);
    EXPECT_EQ(list.remove(0), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].settlement.hasClearings);

    dialogs.clear();
    dialogs.answer(1);
    EXPECT_EQ(list.remove(0), -1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Czy chcesz usunąć wybraną pozycję?"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Bilantor: Pytanie"));
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(list.sumWn().isZero());
}

TEST_P(SettlementList, theWindowShowsTheTotalsAndDodajOpensTheFormOverIt) {
    settlement("WN", "700.00", false);
    settlement("WN", "120.50", true);
    auto rows = readRows();
    QString total, formTitle;
    int listed = -1;
    QTimer::singleShot(0, [&] {
        auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!list) return;
        total = list->findChild<QLineEdit*>("SUM_WN")->text();
        listed = list->findChild<QTableWidget*>("LIST1")->rowCount();
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (form && form != list) {
                formTitle = form->windowTitle();
                form->reject();
            }
        });
        list->findChild<QPushButton*>("B_DODAJ")->click();
        list->reject();
    });
    openingbalance::editLineSettlements(db(), session(), context, rows, nullptr);
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(total, "579,50");
    EXPECT_EQ(formTitle, QStringLiteral("Rozrachunki/Dodaj"));
    EXPECT_EQ(rows.size(), 2u) << "the form was cancelled";
}
