// The amount entry window's rules against real databases: the opening refusals, the
// checks of "Zapisz" in their order and with their texts, the save in one transaction, and
// the claim of the line released on every way out.
#include "openingbalance/entry/AmountEntryFixture.h"
#include "support/LineCopiesCheck.h"
#include "platform/db/DbError.h"
#include "platform/server/Turnovers.h"

using namespace ksiega;
using namespace ksiega::openingbalance;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class AmountEntry : public test::AmountEntryTest {};
KSIEGA_ON_BOTH_ENGINES(AmountEntry);

// Another user of the same company on a connection of its own.
struct SecondUser {
    std::unique_ptr<db::Database> db;
    SessionContext session;
    SecondUser(const QString& url, const SessionContext& first) : db(db::Database::open(url)) {
        session.DANE_ID_FIRMY = first.DANE_ID_FIRMY;
        session.DANE_LATA_OBROTOWE = first.DANE_LATA_OBROTOWE;
        session.DANE_POCZATEK_ROKU = first.DANE_POCZATEK_ROKU;
        session.DANE_ID_UZYT = QStringLiteral("anowak");
        session.DANE_ID_UZYTKOWNIKA_NR = 8;
    }
};

} // namespace

TEST_P(AmountEntry, refusalsWhileOpeningCloseTheWindowWithTheirTextsAndLeaveNoClaim) {
    const auto settlements = db().scalarInt("select count(*) from ROZRACHUNEK");
    const auto amounts = db().scalarInt("select sum(kwota_wn) + sum(kwota_ma) from POZ_DOK");
    EXPECT_FALSE(entry("999-99")->open());
    EXPECT_FALSE(entry("130-01", "EUR")->open());
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Konto: 999-99 jest niepoprawne. Odśwież okno."),
                                            QStringLiteral("Bieżący widok dotyczy waluty EUR. Konto 130-01 nie jest kontem walutowym.")}));

    // A line held by another user.
    SecondUser other(url(), session());
    test::ScriptedEntryServices otherServices;
    LineRequest r{f().openingPln, QStringLiteral("202-01-001"), QStringLiteral("PLN")};
    AmountEntryController held(*other.db, other.session, r, otherServices);
    ASSERT_TRUE(held.open());
    dialogs.clear();
    EXPECT_FALSE(entry("202-01-001")->open());
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika.")});
    EXPECT_EQ(db().scalarText("select id_uzyt from BLOKADY_POZYCJI"), QStringLiteral("anowak"));   // theirs stays
    held.close();
    EXPECT_EQ(claims(), 0);
    // Opening may create the line; it writes no amounts and no settlements.
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK"), settlements);
    EXPECT_EQ(db().scalarInt("select sum(kwota_wn) + sum(kwota_ma) from POZ_DOK"), amounts);
}

TEST_P(AmountEntry, partialEntryChecksComeInTheirOrderAndZmienKwotePutsEachSum) {
    auto c = entry("201-01-002", "EUR");
    ASSERT_TRUE(c->open());
    EXPECT_TRUE(c->currencyAmountsEditable());
    setPartials(*c, {partial("100.00", "25.00", "0", "0"), partial("0", "0", "40.00", "10.00")});
    const QStringList before = snapshot();
    for (int i = 0; i < 4; ++i) {
        dialogs.answer(1);   // "Zmień kwotę"
        EXPECT_FALSE(c->save());
    }
    EXPECT_EQ(questions(), (QStringList{QStringLiteral("Kwota Dt w walucie nie zgadza się z sumą zapisów cząstkowych."),
                                        QStringLiteral("Kwota Dt w PLN nie zgadza się z sumą zapisów cząstkowych."),
                                        QStringLiteral("Kwota Ct w walucie nie zgadza się z sumą zapisów cząstkowych."),
                                        QStringLiteral("Kwota Ct w PLN nie zgadza się z sumą zapisów cząstkowych.")}));
    const auto shown = dialogs.shown();
    EXPECT_EQ(shown.front().title, QStringLiteral("Bilantor: Informacja"));
    EXPECT_EQ(shown.front().buttons, (QStringList{QStringLiteral("&Zmień kwotę"), QStringLiteral("&Anuluj")}));
    EXPECT_EQ(shown.front().defaultButton, 2);
    EXPECT_EQ(snapshot(), before);   // nothing written while a check refuses
    EXPECT_EQ(c->amount(AmountField::Wn), test::zl("100.00"));
    EXPECT_EQ(c->amount(AmountField::WnW), test::zl("25.00"));
    EXPECT_EQ(c->amount(AmountField::Ma), test::zl("40.00"));
    EXPECT_EQ(c->amount(AmountField::MaW), test::zl("10.00"));
    dialogs.clear();
    EXPECT_TRUE(c->save());
    EXPECT_TRUE(dialogs.empty());
}

TEST_P(AmountEntry, settlementChecksComeInTheirOrderAndAnulujLeavesTheAmount) {
    auto c = entry("201-01-002", "EUR");
    ASSERT_TRUE(c->open());
    addSettlements(*c, {settlement("WN", "430.00", "100.00"), settlement("MA", "86.00", "20.00")});
    c->setAmount(AmountField::Wn, test::zl("1.00"));
    dialogs.answer(2);   // "Anuluj"
    EXPECT_FALSE(c->save());
    EXPECT_EQ(c->amount(AmountField::Wn), test::zl("1.00"));
    for (int i = 0; i < 4; ++i) {
        dialogs.answer(1);
        EXPECT_FALSE(c->save());
    }
    EXPECT_EQ(questions(), (QStringList{QStringLiteral("Kwota Dt nie zgadza się z zapisem w rozrachunkach."),
                                        QStringLiteral("Kwota Dt nie zgadza się z zapisem w rozrachunkach."),
                                        QStringLiteral("Kwota Ct nie zgadza się z zapisem w rozrachunkach."),
                                        QStringLiteral("Kwota Dt w walucie nie zgadza się z zapisem w rozrachunkach."),
                                        QStringLiteral("Kwota Ct w walucie nie zgadza się z zapisem w rozrachunkach.")}));
    EXPECT_EQ(c->claimed(), true);
    EXPECT_TRUE(c->save());
}

TEST_P(AmountEntry, anEntryAgreeingWithItsPartialsAndSettlementsSavesWithoutQuestionsAndTurnoversFollow) {
    auto c = entry("202-01-001");
    ASSERT_TRUE(c->open());
    EXPECT_FALSE(c->currencyAmountsUsable());
    setPartials(*c, {partial("700.00", "0", "0", "0", QStringLiteral("Faktura 'A' z 2025")), partial("500.00", "0", "0", "0")});
    // A correction counts against its side: 1 500 - 300 = 1 200.
    addSettlements(*c, {settlement("WN", "1500.00"), settlement("WN", "300.00", "0", true)});
    c->setAmount(AmountField::Wn, test::zl("1200.00"));
    ASSERT_TRUE(c->save());
    EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(c->result(), 1);
    EXPECT_EQ(claims(), 0);

    const int64_t line = c->idPozDok();
    EXPECT_EQ(db().scalarInt("select kwota_wn from POZ_DOK where id_poz_dok=?", {line}), 120000);
    EXPECT_EQ(db().scalarInt("select sum(kwota_wn) from POZ_DOK_CZASTKOWE where id_poz_dok=?", {line}), 120000);
    EXPECT_EQ(db().scalarText("select opis from POZ_DOK_CZASTKOWE where id_poz_dok=? and kwota_wn=70000", {line}),
              QStringLiteral("Faktura 'A' z 2025"));
    EXPECT_EQ(db().scalarInt("select sum(case when czy_korekta=1 then -kwota else kwota end) from ROZRACHUNEK_BILANTOR_V "
                             "where id_poz_dok_f=?", {line}),
              120000);

    // The opening-balance period of the turnovers is what a full recompute makes of it.
    auto bo = [&] {
        QStringList rows;
        db::Rows r = db().select("select sym_waluty, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma from OBROTY_I_SALDA "
                                 "where id_lata_obrot=? and data_okresu=? order by sym_waluty, nr_konta",
                                 {f().year2026, f().bo2026()});
        while (r.next()) rows << QStringList{r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5)}.join('|');
        return rows;
    };
    const QStringList afterSave = bo();
    recompute();
    EXPECT_EQ(afterSave, bo());
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
}

TEST_P(AmountEntry, correctionsCountNegativeInTheSettlementCheck) {
    auto c = entry("202-01-001");
    ASSERT_TRUE(c->open());
    addSettlements(*c, {settlement("MA", "100.00"), settlement("MA", "30.00", "0", true)});
    c->setAmount(AmountField::Ma, test::zl("130.00"));   // the plain sum would pass here
    dialogs.answer(1);
    EXPECT_FALSE(c->save());
    EXPECT_EQ(questions(), QStringList{QStringLiteral("Kwota Ct nie zgadza się z zapisem w rozrachunkach.")});
    EXPECT_EQ(c->amount(AmountField::Ma), test::zl("70.00"));
}

TEST_P(AmountEntry, aFailureInTheMiddleOfTheSaveLeavesEveryTableAsItWasAndTheWindowOpen) {
    struct ThrowingSplits : costcentres::CostCentreSplits {
        costcentres::CostCentreSplit MPK_ODTWORZ_ZAPISY(db::Database&, int64_t, int) override { return {}; }
        bool MPK_DANE(db::Database&, const QString&, const costcentres::CostCentreLine&, costcentres::CostCentreSplit&,
                      QWidget*) override { return false; }
        void MPK_ZAPISZ_DANE(db::Database&, const costcentres::CostCentreLine&, const costcentres::CostCentreSplit&,
                             bool) override {
            throw db::DbError(QStringLiteral("MPK_DANE: zapis przerwany"));
        }
    } throwing;
    costcentres::replaceCostCentreSplits(&throwing);
    auto c = entry("202-01-001");
    ASSERT_TRUE(c->open());
    const QStringList before = snapshot();
    setPartials(*c, {partial("250.00", "0", "0", "0")});
    addSettlements(*c, {settlement("WN", "250.00")});
    c->setAmount(AmountField::Wn, test::zl("250.00"));
    EXPECT_FALSE(c->save());
    costcentres::replaceCostCentreSplits(nullptr);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(c->result(), 0);
    EXPECT_TRUE(c->claimed());
    ASSERT_EQ(dialogs.texts(Kind::Warning).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Warning).front().contains(QStringLiteral("MPK_DANE: zapis przerwany")));
    c->close();
    EXPECT_EQ(claims(), 0);
}

TEST_P(AmountEntry, approvalSetByAnotherConnectionAfterOpeningRefusesTheSave) {
    auto c = entry("202-01-001");
    ASSERT_TRUE(c->open());
    c->setAmount(AmountField::Wn, test::zl("10.00"));
    const QStringList before = snapshot();
    SecondUser other(url(), session());
    other.db->execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    EXPECT_FALSE(c->save());
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone.")});
    EXPECT_EQ(snapshot(), before);
    c.reset();   // the window goes without "Anuluj"
    EXPECT_EQ(claims(), 0);
}

TEST_P(AmountEntry, theClaimIsGoneAfterSaveAnulujAndDestructionAndOnlyThisLinesClaimIsReleased) {
    SecondUser other(url(), session());
    test::ScriptedEntryServices otherServices;
    AmountEntryController theirs(*other.db, other.session, {f().openingPln, QStringLiteral("234-01"), QStringLiteral("PLN")},
                                 otherServices);
    ASSERT_TRUE(theirs.open());
    auto mine = [&](const std::function<void(AmountEntryController&)>& leave) {
        auto c = entry("202-01-001");
        ASSERT_TRUE(c->open());
        EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_POZYCJI where id_uzyt=?", {f().login}), 1);
        leave(*c);
        c.reset();
        EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_POZYCJI where id_uzyt=?", {f().login}), 0);
        EXPECT_EQ(db().scalarText("select id_uzyt from BLOKADY_POZYCJI"), QStringLiteral("anowak"));
    };
    mine([](AmountEntryController& c) { EXPECT_TRUE(c.save()); });
    mine([](AmountEntryController& c) { c.close(); });
    mine([](AmountEntryController&) {});
    theirs.close();
    EXPECT_EQ(claims(), 0);
}

TEST_P(AmountEntry, aChangedSettlementAsksFirstAndTheOthersKeepTheirIdsAndClearings) {
    // The line with three settlements and a clearing on each of two, written by a first save.
    auto first = entry("202-01-001");
    ASSERT_TRUE(first->open());
    addSettlements(*first, {settlement("WN", "100.00"), settlement("WN", "200.00"), settlement("WN", "300.00")});
    first->setAmount(AmountField::Wn, test::zl("600.00"));
    ASSERT_TRUE(first->save());
    const int64_t line = first->idPozDok();
    std::vector<int64_t> ids;
    db::Rows r = db().select("select id_rozrachunku from ROZRACHUNEK_BILANTOR_V where id_poz_dok_f=? order by kwota", {line});
    while (r.next()) ids.push_back(r.int64(0));
    ASSERT_EQ(ids.size(), 3u);
    const int64_t paying = f().postIn2026(2, "130-01", "202-01-001", test::zl("50.00"));
    f().settle(ids[0], paying, test::zl("10.00"));
    f().settle(ids[1], paying, test::zl("20.00"));

    auto c = entry("202-01-001");
    ASSERT_TRUE(c->open());
    services.onSettlements = [&](std::vector<SettlementRow>& rows) {
        for (SettlementRow& row : rows) {
            if (row.settlement.id == ids[0]) {   // description only: kept in place
                row.settlement.opis = QStringLiteral("poprawiony opis");
                row.state = SettlementState::EditedInPlace;
            } else if (row.settlement.id == ids[1]) {   // amount: its clearings go
                row.settlement.kwota = test::zl("250.00");
                row.state = SettlementState::Changed;
            }
        }
        std::erase_if(rows, [&](const SettlementRow& row) { return row.settlement.id == ids[2]; });
    };
    c->editSettlements(nullptr);
    c->setAmount(AmountField::Wn, test::zl("350.00"));
    const QStringList before = snapshot();
    dialogs.answer(2);   // "Nie"
    EXPECT_FALSE(c->save());
    EXPECT_EQ(questions(), QStringList{kChangedSettlementsQuestion});
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Bilantor: Ostrzeżenie"));
    EXPECT_EQ(snapshot(), before);
    dialogs.answer(1);   // "Tak"
    ASSERT_TRUE(c->save());

    EXPECT_EQ(db().scalarText("select opis from ROZRACHUNEK where id_rozrachunku=?", {ids[0]}), QStringLiteral("poprawiony opis"));
    EXPECT_EQ(db().scalarInt("select sum(kwota) from ROZLICZENIE where id_rozrachunku=?", {ids[0]}), 1000);
    QStringList left;
    db::Rows kept = db().select("select kwota, opis from ROZRACHUNEK_BILANTOR_V where id_poz_dok_f=? order by kwota", {line});
    while (kept.next()) left << kept.text(0) + "|" + kept.text(1);
    EXPECT_EQ(left, (QStringList{"10000|poprawiony opis", "25000|"}));
    // Only the clearing of the settlement edited in place is left.
    EXPECT_EQ(db().scalarInt("select sum(z.kwota) from ROZLICZENIE z join ROZRACHUNEK_BILANTOR_V r on r.id_rozrachunku=z.id_rozrachunku "
                             "where r.id_poz_dok_f=?", {line}),
              1000);
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=300 and id_elementu=?", {ids[0]}), 1);
}

TEST_P(AmountEntry, settlementsOnlyLocksTheAmountsThePartialEntriesAndTheCostCentres) {
    session().DANE_CZY_WERSJA_MPK = 1;
    LineRequest r{f().openingPln, QStringLiteral("202-01-001"), QStringLiteral("PLN"), {}, true};
    AmountEntryController c(db(), session(), r, services);
    ASSERT_TRUE(c.open());
    EXPECT_FALSE(c.amountsEditable());
    EXPECT_FALSE(c.partialEntriesEnabled());
    EXPECT_FALSE(c.costCentresEnabled());
    EXPECT_TRUE(c.settlementsEnabled());
    c.setAmount(AmountField::Wn, test::zl("5.00"));
    EXPECT_TRUE(c.amount(AmountField::Wn).isZero());
    setPartials(c, {partial("5.00", "0", "0", "0")});
    EXPECT_TRUE(c.partialEntries().empty());
    c.editCostCentres(QStringLiteral("WN"), nullptr);
    EXPECT_FALSE(services.reached.contains(QStringLiteral("MPK_DANE WN")));
}
