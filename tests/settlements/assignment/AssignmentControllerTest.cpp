// "Dodawanie nowego dokumentu" without a screen, on both engines: the journal and its
// document types, the account fields, the document made of settlements in two currencies
// and on both sides against plain sums, and every refusal writing nothing.
#include "../SettlementWindowFixture.h"
#include "settlements/assignment/AssignmentController.h"
#include "settlements/shared/SettlementTexts.h"

using namespace ksiega;
using namespace ksiega::test;
using namespace ksiega::settlements;
namespace T = ksiega::settlements::texts;

namespace {

class AssignmentTest : public SettlementWindowTest {
protected:
    std::unique_ptr<AssignmentController> window6(int64_t journal = 0) {
        auto c = std::make_unique<AssignmentController>(db(), session(), productionSettlementServices(), journal ? journal : f().journal);
        return c;
    }
    std::unique_ptr<AssignmentController> opened() {
        auto c = window6();
        EXPECT_TRUE(c->open());
        return c;
    }
    bool failedWith(const QString& start) {
        for (const QString& t : dialogs.texts())
            if (t.startsWith(start)) return true;
        return false;
    }
};
KSIEGA_ON_BOTH_ENGINES(AssignmentTest);

TEST_P(AssignmentTest, theJournalNeedsDocumentTypesAndItsNameIsShown) {
    balanceDateOption().saldoNaDzien = true;
    auto c = opened();
    EXPECT_EQ(c->journalText(), T::DZIENNIK + " DZ Dziennik główny");
    ASSERT_EQ(c->documentTypes().size(), 1u);
    EXPECT_EQ(c->documentTypeId(), f().documentType);
    EXPECT_FALSE(c->saldoNaDzien());            // cleared on opening
    EXPECT_EQ(c->modeText(), "121");

    const int64_t bare = db().insertReturningId("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, ?, ?) "
                                                "returning id_paczka",
                                                {f().company, f().year2026, "KP", "Kasa"});
    auto none = window6(bare);
    EXPECT_FALSE(none->open());
    EXPECT_TRUE(said(T::NO_DOCUMENT_TYPES)) << allSaid().toStdString();
}

TEST_P(AssignmentTest, anAccountTypedExactlyIsHeldAndAnythingElseOpensTheChartPresetWithIt) {
    auto c = opened();
    c->typeAccount(AccountSide::Dt, " 130-01 ");
    EXPECT_TRUE(chart.presets.isEmpty());
    EXPECT_EQ(c->account(AccountSide::Dt), "130-01");
    chart.answer = "700-01";
    c->typeAccount(AccountSide::Ct, "70");
    ASSERT_EQ(chart.presets.size(), 1);
    EXPECT_EQ(chart.presets[0], "70");
    EXPECT_EQ(c->account(AccountSide::Ct), "700-01");
    EXPECT_TRUE(session().DANE_NUMER_KONTA.isEmpty());
    // Cancelling the chart keeps what was typed; B_WN opens it for its field.
    chart.answer.clear();
    c->typeAccount(AccountSide::Ct, "7'0");
    EXPECT_EQ(c->account(AccountSide::Ct), "7'0");
    chart.answer = "131-01";
    c->pickAccount(AccountSide::Dt);
    EXPECT_EQ(chart.presets.last(), "130-01");
    EXPECT_EQ(c->account(AccountSide::Dt), "131-01");
    c->pickDescription();
    EXPECT_EQ(descriptions.kinds, QStringList{"D"});
    EXPECT_EQ(c->description(), "Faktury z magazynu");
}

TEST_P(AssignmentTest, settlementsInTwoCurrenciesAndOnBothSidesMakeOneDocument) {
    const int64_t receivable = settlement("201-01-001", "WN", "123.45", 5);
    const int64_t payable = settlement("202-01-001", "MA", "430.00", 6, "EUR", "100.00");
    const int64_t booked = settlement("201-01-002", "WN", "99.00", 8);
    db().execute("update ROZRACHUNEK set id_poz_dok_f=1 where id_rozrachunku=?", {booked});
    auto c = opened();
    c->typeAccount(AccountSide::Dt, "130-01");
    c->typeAccount(AccountSide::Ct, "700-01");
    c->setDescription("Faktury z magazynu");
    c->next();
    window.toMark = {receivable, payable, booked};
    c->chooseSettlements();
    EXPECT_EQ(window.choices.back().mode, "121");
    EXPECT_TRUE(said(T::BOOKED_SKIPPED));
    EXPECT_EQ(c->chosen().totals().count, 3);
    EXPECT_EQ(c->chosen().totals().kwotaMa.minor(), zl("430.00").minor());
    const int64_t docs = documents();
    c->next();
    ASSERT_NE(c->documentId(), 0) << allSaid().toStdString();
    EXPECT_EQ(documents(), docs + 1);
    const QString number = db().scalarText("select nr_dok_org from NAG_DOK where id_nag_dok=?", {c->documentId()}).value_or("");
    EXPECT_TRUE(said(T::GENERATED_1 + number + T::GENERATED_2)) << allSaid().toStdString();
    EXPECT_TRUE(c->chosen().isEmpty());
    // One line per settlement taken; each side of the document is what its settlements bring.
    EXPECT_EQ(scalar("select count(*) from POZ_DOK where id_nag_dok=?", {c->documentId()}), 2);
    EXPECT_EQ(scalar("select sum(kwota_wn) from POZ_DOK where id_nag_dok=?", {c->documentId()}),
              scalar("select sum(kwota_wn + kwota_ma) from ROZRACHUNEK_VIEW where id_rozrachunku in (?, ?)", {receivable, payable}));
    EXPECT_EQ(scalar("select sum(kwota_wn) - sum(kwota_ma) from POZ_DOK where id_nag_dok=?", {c->documentId()}), 0);
    EXPECT_EQ(scalar("select kwota_ma_w from POZ_DOK where id_nag_dok=? and waluta='EUR'", {c->documentId()}), zl("100.00").minor());
    EXPECT_EQ(db().scalarText("select p.konto_ma from POZ_DOK p join ROZRACHUNEK r on r.id_poz_dok_f=p.id_poz_dok where r.id_rozrachunku=?",
                              {receivable}),
              QString("700-01"));
    EXPECT_EQ(db().scalarText("select p.konto_wn from POZ_DOK p join ROZRACHUNEK r on r.id_poz_dok_f=p.id_poz_dok where r.id_rozrachunku=?",
                              {payable}),
              QString("130-01"));
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {booked}), 1);
    EXPECT_TRUE(c->resultPage().text().contains(number));
}

TEST_P(AssignmentTest, everyRefusalIsShownAndWritesNoDocument) {
    const int64_t receivable = settlement("201-01-001", "WN", "10.00", 5);
    auto c = opened();
    c->typeAccount(AccountSide::Dt, "130-01");
    c->typeAccount(AccountSide::Ct, "700-01");
    c->next();
    const int64_t docs = documents();

    // Nothing chosen.
    EXPECT_TRUE(c->okEnabled());
    c->next();
    EXPECT_TRUE(said(T::CHOOSE_SETTLEMENTS));
    window.toMark = {receivable};
    c->chooseSettlements();

    auto refused = [&](const char* what) {
        dialogs.clear();
        c->next();
        EXPECT_TRUE(failedWith(T::DOCUMENT_FAILED)) << what << ": " << allSaid().toStdString();
        EXPECT_EQ(documents(), docs) << what;
        EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {receivable}), 0) << what;
        EXPECT_FALSE(c->chosen().isEmpty()) << what;
    };
    chart.answer.clear();
    c->typeAccount(AccountSide::Ct, "");
    refused("the credit account a receivable needs is empty");
    c->typeAccount(AccountSide::Ct, "799");
    refused("unknown account");
    c->typeAccount(AccountSide::Ct, "70'0");
    refused("unknown account with a quote");
    c->typeAccount(AccountSide::Ct, "700-01");
    session().DANE_DATA_OKRESU = f().month18(2027, 2);
    refused("period outside the year");
    session().DANE_DATA_OKRESU = f().month2026(4);
    // The marks emptied behind the window: the server refuses too.
    db().execute("delete from ZAZNACZENIE where id_uzytkownika=?", {jkowal});
    refused("selection gone");
}

} // namespace
