// The settlement form "Rozrachunki": defaults, the due date, the clearing question and the
// edit state a saved row takes.
#include "SettlementsFixture.h"
#include "openingbalance/settlements/SettlementFormDialog.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace ksiega;
using test::zl;
using openingbalance::SettlementState;
using Kind = ui::ScriptedDialogs::Kind;

class SettlementForm : public test::SettlementsTest {};
KSIEGA_ON_BOTH_ENGINES(SettlementForm);

TEST_P(SettlementForm, aNewSettlementSavedUntouchedIsAnOpeningBalanceSettlementOfNothingYet) {
    for (bool hidden : {false, true}) {
        context.hiddenByDefault = hidden;
        auto form = newForm();
        EXPECT_EQ(form.caption(), QStringLiteral("Rozrachunki/Dodaj"));
        EXPECT_EQ(form.days(), 14) << "no option 180: two weeks";
        ASSERT_TRUE(form.save());
        const server::OpeningSettlement& s = form.row().settlement;
        EXPECT_EQ(s.symbol, "BO");
        EXPECT_EQ(s.dataDok, date::fromYmd(2026, 1, 1));
        EXPECT_EQ(s.terminPlatnosci, date::fromYmd(2026, 1, 1));
        EXPECT_TRUE(s.kwota.isZero());
        EXPECT_TRUE(s.kwotaW.isZero());
        EXPECT_TRUE(s.znacznikTransakcji.isEmpty());
        EXPECT_EQ(s.idKlasyfikacja, 0);
        EXPECT_EQ(s.strona, "WN");
        EXPECT_EQ(s.aplikacjaStatus, hidden ? 1 : 0);
        EXPECT_EQ(s.id, 0);
        EXPECT_EQ(form.row().state, SettlementState::New);
    }
    EXPECT_TRUE(dialogs.empty());
}

TEST_P(SettlementForm, theTermOfOption180IsReadForTheCompanyAndYearOnly) {
    db().execute("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 180, ' 30')",
                 {f().company, f().year2026});
    db().execute("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 180, '60')",
                 {f().company, f().year18});
    EXPECT_EQ(newForm().days(), 30);
    db().execute("update OPCJE_SYSTEMOWE set nazwa_wartosci='dwa tygodnie' where id_lata_obrot=?", {f().year2026});
    EXPECT_EQ(newForm().days(), 14) << "a value that is not a number counts as unset";
}

TEST_P(SettlementForm, daysAndDueDateFollowEachOtherAndAPaymentFallsDueOnItsDocumentDate) {
    auto form = newForm();
    const int march = date::fromYmd(2026, 3, 10);
    form.setDocumentDate(march);
    EXPECT_EQ(form.working().terminPlatnosci, march + 14) << "the term moves with the document date";
    form.setDays(30);
    EXPECT_EQ(form.working().terminPlatnosci, march + 30);
    form.setDueDate(march + 45);
    EXPECT_EQ(form.days(), 45);
    form.setKind('P');
    EXPECT_FALSE(form.dueDateEditable());
    EXPECT_EQ(form.working().terminPlatnosci, march);
    form.setDueDate(march + 5);
    EXPECT_EQ(form.working().terminPlatnosci, march) << "a payment's due date is not typed";
    ASSERT_TRUE(form.save());
    EXPECT_EQ(form.row().settlement.terminPlatnosci, march);
}

TEST_P(SettlementForm, aDueDateBeforeTheDocumentDateKeepsTheFormOpen) {
    auto form = newForm();
    form.setDocumentDate(date::fromYmd(2026, 3, 10));
    form.setDueDate(date::fromYmd(2026, 3, 9));
    EXPECT_FALSE(form.save());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().kind, Kind::Information);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Termin płatności nie może być mniejszy od daty dokumentu."));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Bilantor: Informacja"));
    form.setDueDate(date::fromYmd(2026, 3, 10));
    EXPECT_TRUE(form.save()) << "the same day is allowed";
}

TEST_P(SettlementForm, anEditThatKeepsAmountAndSideIsSavedInPlaceWithoutAskingAboutClearings) {
    clearedSettlement();
    auto rows = readRows();
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_TRUE(rows[0].settlement.hasClearings);
    for (auto change : std::vector<std::function<void(openingbalance::SettlementFormController&)>>{
             [](auto& f) { f.setDescription("Faktura za usługi"); },
             [](auto& f) { f.setSymbol("FV/2025/77A"); },
             [](auto& f) { f.setDays(60); },
             [](auto& f) { f.setKind('Z'); },
             [](auto& f) { f.setTransactionMark("TR-1"); },
             [](auto& f) { f.setHiddenInWarehouse(true); }}) {
        auto form = formOn(rows[0]);
        EXPECT_EQ(form.caption(), QStringLiteral("Rozrachunki/Popraw"));
        change(form);
        ASSERT_TRUE(form.save());
        EXPECT_EQ(form.row().state, SettlementState::EditedInPlace);
        EXPECT_EQ(form.row().settlement.id, rows[0].settlement.id);
    }
    EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join('\n').toStdString();

    auto untouched = formOn(rows[0]);
    ASSERT_TRUE(untouched.save());
    EXPECT_EQ(untouched.row().state, SettlementState::AsRead);
}

TEST_P(SettlementForm, changingTheAmountOfAClearedSettlementAsksAndAnulujReturnsToTheForm) {
    clearedSettlement();
    const auto rows = readRows();
    auto form = formOn(rows[0]);
    form.setAmount(zl("950.00"));
    dialogs.answer(2);
    EXPECT_FALSE(form.save());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const auto asked = dialogs.last();
    EXPECT_EQ(asked.kind, Kind::Question);
    EXPECT_EQ(asked.text, QStringLiteral("Poprawienie kwoty lub strony dekretu spowoduje usunięcie rozliczeń rozrachunku."));
    EXPECT_EQ(asked.buttons, (QStringList{"&Zapisz", "&Anuluj"}));
    EXPECT_EQ(asked.title, QStringLiteral("Bilantor: Informacja"));
    EXPECT_EQ(form.row().state, SettlementState::AsRead);

    dialogs.answer(1);
    EXPECT_TRUE(form.save());
    EXPECT_EQ(form.row().state, SettlementState::Changed);
    EXPECT_EQ(form.row().settlement.kwota, zl("950.00"));
}

TEST_P(SettlementForm, sideCurrencyAmountAndCorrectionCountAsAmountChanges) {
    clearedSettlement();
    f().openSettlement(line, "WN", "FV/2025/78");   // not cleared
    const auto rows = readRows();
    ASSERT_EQ(rows.size(), 2u);
    const auto& cleared = rows[0].settlement.hasClearings ? rows[0] : rows[1];
    const auto& open = rows[0].settlement.hasClearings ? rows[1] : rows[0];
    for (auto change : std::vector<std::function<void(openingbalance::SettlementFormController&)>>{
             [](auto& f) { f.setSide("MA"); },
             [](auto& f) { f.setCurrencyAmount(zl("1.00")); },
             [](auto& f) { f.setCorrection(true); }}) {
        auto onCleared = formOn(cleared);
        change(onCleared);
        dialogs.clear();
        dialogs.answer(1);
        ASSERT_TRUE(onCleared.save());
        EXPECT_EQ(dialogs.texts(Kind::Question).size(), 1);
        EXPECT_EQ(onCleared.row().state, SettlementState::Changed);

        auto onOpen = formOn(open);
        change(onOpen);
        dialogs.clear();
        ASSERT_TRUE(onOpen.save());
        EXPECT_TRUE(dialogs.empty()) << "nothing to lose: no question";
        EXPECT_EQ(onOpen.row().state, SettlementState::Changed);
    }
}

TEST_P(SettlementForm, aRowStaysNewOrChangedWhenEditedAgain) {
    auto form = newForm();
    form.setAmount(zl("10.00"));
    ASSERT_TRUE(form.save());
    auto again = formOn(form.row());
    again.setDescription("drugi raz");
    ASSERT_TRUE(again.save());
    EXPECT_EQ(again.row().state, SettlementState::New);
    EXPECT_EQ(again.row().settlement.id, 0);

    clearedSettlement();
    auto changed = formOn(readRows()[0]);
    changed.setAmount(zl("1.00"));
    dialogs.answer(1);
    ASSERT_TRUE(changed.save());
    auto back = formOn(changed.row());
    back.setDescription("bez zmiany kwoty");
    ASSERT_TRUE(back.save());
    EXPECT_EQ(back.row().state, SettlementState::Changed) << "the clearings were given up already";
}

TEST_P(SettlementForm, symbolAndDescriptionAreCleanedAndTheStandardDescriptionIsOfKindR) {
    auto form = newForm();
    form.setSymbol("FV[12]");
    form.setDescription("Opis [a]");
    form.chooseDescription(nullptr);
    EXPECT_EQ(libraries.descriptionCalls, QStringList{"R|Opis [a]"});
    form.setDescription(form.working().opis + " [b]");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(form.row().settlement.symbol, "FV(12)");
    EXPECT_EQ(form.row().settlement.opis, "Saldo otwarcia z faktury (b)");
}

TEST_P(SettlementForm, theWindowHandsWhatIsTypedToTheFormAndShowsWhatFollows) {
    context.transactionMarks = false;
    auto form = newForm();
    openingbalance::SettlementFormDialog w(form);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Rozrachunki/Dodaj"));
    EXPECT_EQ(w.findChild<QLabel*>("STR_TRANSAKCJA")->text(), QStringLiteral("Transakcja"));
    EXPECT_FALSE(w.findChild<QLineEdit*>("K:ZNACZNIK_TRANSAKCJI")->isEnabled()) << "option 224 off";
    EXPECT_TRUE(w.findChild<QPushButton*>("B_KLASYFIKACJA_BT")->isHidden()) << "not the budget edition";

    auto type = [&](const char* name, const QString& text) {
        auto* edit = w.findChild<QLineEdit*>(name);
        edit->setText(text);
        emit edit->editingFinished();
    };
    type("K:KWOTA", "1 234,50");
    w.findChild<QComboBox*>("K:STRONA")->setCurrentText("Ct");
    type("K:DATA", "10-03-2026");
    auto* days = w.findChild<QSpinBox*>("TERMIN");
    days->setValue(30);
    emit days->editingFinished();
    EXPECT_EQ(w.findChild<QLineEdit*>("K:TERMIN")->text(), "09-04-2026");
    w.findChild<QComboBox*>("ROD:NAZWA")->setCurrentText(QStringLiteral("płatność"));
    EXPECT_FALSE(w.findChild<QLineEdit*>("K:TERMIN")->isEnabled());
    EXPECT_EQ(w.findChild<QLineEdit*>("K:TERMIN")->text(), "10-03-2026");

    w.findChild<QPushButton*>("B_ZAPISZ")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    const server::OpeningSettlement& s = form.row().settlement;
    EXPECT_EQ(s.kwota, zl("1234.50"));
    EXPECT_EQ(s.strona, "MA");
    EXPECT_EQ(s.rodzaj, QChar('P'));
    EXPECT_EQ(s.terminPlatnosci, date::fromYmd(2026, 3, 10));
}
