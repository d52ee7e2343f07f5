// The quick filter window's rules against a real ledger on both engines: checks and their
// order, the length rule, the periods of a long year, settings kept between windows, the
// pickers' answers, and that every expression runs on the entry view.
#include "QuickFilterFixture.h"
#include "platform/server/PartyAccounts.h"
#include "platform/siblings/pickers/PickedMarks.h"

using namespace ksiega;
using namespace ksiega::ledger;

namespace {

class QuickFilterRules : public test::QuickFilterTest {};
KSIEGA_ON_BOTH_ENGINES(QuickFilterRules);

class ScriptedParties : public pickers::PartyPickers {
public:
    pickers::PartyChoice answer;
    QString asked;
    pickers::PartyChoice KONTRAHENCI(const pickers::PickerContext&, int64_t, const QString& a, const QString&) override {
        asked = QStringLiteral("K") + a;
        return answer;
    }
    pickers::PartyChoice PRACOWNICY(const pickers::PickerContext&, int64_t, const QString& a, const QString&) override {
        asked = QStringLiteral("P") + a;
        return answer;
    }
    pickers::PartyChoice URZEDY(const pickers::PickerContext&, int64_t, const QString& a, const QString&) override {
        asked = QStringLiteral("U") + a;
        return answer;
    }
};

// Marks the given documents in browser 1 as the documents library does and answers the first.
class ScriptedDocuments : public pickers::DocumentPicker {
public:
    std::vector<int64_t> ids;
    int64_t DOKUMENTY_PRZEG(const pickers::PickerContext& c, const QString&) override {
        std::vector<pickers::PickedElement> marks;
        for (int64_t id : ids) marks.push_back({id, QString()});
        if (!ids.empty()) pickers::replacePickedMarks(c.db, pickers::kDocumentBrowser, c.user, marks);
        return ids.empty() ? 0 : ids.front();
    }
};

TEST_P(QuickFilterRules, accountRangeTwoToFortyNineComparesThreeCharacterPrefixes) {
    auto c = open();
    c->edit().account = AccountScope::Zakres;
    c->edit().rangeFirst = QStringLiteral("2");
    c->edit().rangeSecond = QStringLiteral("49");
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(c->result(), QStringLiteral("SQL(Left(KONTO,3)>='002' AND Left(KONTO,3)<='049')"));
    EXPECT_EQ(matching(c->result()), 1) << "only 010-01 of the opening balance";

    // "5" to "10" is a valid range once padded; "201" to "202" keeps both settlement accounts.
    c->edit().rangeFirst = QStringLiteral("5");
    c->edit().rangeSecond = QStringLiteral("10");
    EXPECT_FALSE(c->validate().has_value());
    c->edit().rangeFirst = QStringLiteral("201");
    c->edit().rangeSecond = QStringLiteral("202");
    const int64_t direct = db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and "
                                          "(konto like '201%' or konto like '202%')",
                                          {ledger().year2026}).value_or(0);
    EXPECT_GT(direct, 0);
    EXPECT_EQ(matching(c->expression()), direct);
}

TEST_P(QuickFilterRules, checksRunInOrderAndSelectTheirControl) {
    auto c = open();
    c->setAll(QuickFilterList::Journals, false);
    c->setAll(QuickFilterList::DocumentTypes, false);
    c->edit().document = DocumentChoice::Wybrany;
    c->setAll(QuickFilterList::Periods, false);
    c->edit().sideDt = c->edit().sideCt = false;
    c->edit().account = AccountScope::Maska;

    const std::vector<std::pair<const char*, std::function<void()>>> steps{
        {"Proszę wybrać przynajmniej jeden dziennik.", [&] { c->toggle(QuickFilterList::Journals, 0); }},
        {"Proszę wybrać przynajmniej jeden typ dokumentu.", [&] { c->setAll(QuickFilterList::DocumentTypes, true); }},
        {"Proszę wybrać dokument.", [&] { c->edit().documentId = QStringLiteral("1"); }},
        {"Proszę wybrać przynajmniej jeden okres obrotowy.", [&] { c->toggle(QuickFilterList::Periods, 3); }},
        {"Proszę określić stronę zapisu.", [&] { c->edit().sideCt = true; }},
        {"Proszę określić maskę konta.", [&] { c->edit().account = AccountScope::Wybrane; }},
        {"Proszę wybrać konto.", [&] { c->edit().account = AccountScope::Kartoteka; }},
        {"Proszę wybrać pozycje kartoteki.", [&] { c->edit().account = AccountScope::Zakres; c->edit().rangeFirst = "3"; }},
        {"Proszę ustalić odpowiedni zakres kont.", [&] { c->edit().rangeSecond = "4"; }},
    };
    for (const auto& [message, fix] : steps) {
        EXPECT_FALSE(c->apply()) << message;
        ASSERT_FALSE(m_dialogs.empty());
        EXPECT_EQ(m_dialogs.last().text, QString::fromUtf8(message));
        EXPECT_EQ(m_dialogs.last().title, QStringLiteral("Bilantor: Informacja"));
        EXPECT_FALSE(c->controlToSelect().isEmpty());
        fix();
    }
    EXPECT_TRUE(c->apply());
    EXPECT_EQ(quickFilterState().settings.account, AccountScope::Zakres);
}

TEST_P(QuickFilterRules, modeTwoNeitherChecksNorUsesAccounts) {
    auto c = open(QStringLiteral("2"));
    EXPECT_EQ(c->periodsTabTitle(), QStringLiteral("Okresy"));
    c->edit().account = AccountScope::Maska;   // empty mask
    c->edit().sideCt = false;
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(c->result(), QStringLiteral("PDU:STRONA=0"));
    EXPECT_EQ(matching(c->result()), matching(QString()) / 2 + 1) << "one Dt row per line; 990 has no Ct side";
}

TEST_P(QuickFilterRules, anExpressionOfAThousandCharactersIsRefusedUntilNarrowed) {
    for (int i = 0; i < 60; ++i)
        db().execute("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, ?, ?)",
                     {ledger().company, ledger().year2026, QStringLiteral("J%1").arg(i), "x"});
    auto c = open();
    c->toggle(QuickFilterList::Journals, 0);
    EXPECT_FALSE(c->apply());
    EXPECT_GE(c->expression().size(), kMaxExpressionLength);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Wyrażenie filtrujące jest za długie."));
    EXPECT_EQ(m_dialogs.last().title, QStringLiteral("Bilantor:Ostrzeżenie"));
    EXPECT_EQ(c->result(), QString());
    EXPECT_FALSE(c->applied());
    EXPECT_EQ(quickFilterState().settings, QuickFilterSettings{});

    // Narrowed to two journals: accepted, and the expression runs.
    c->setAll(QuickFilterList::Journals, false);
    c->toggle(QuickFilterList::Journals, 0);
    c->toggle(QuickFilterList::Journals, 1);
    ASSERT_TRUE(c->apply());
    EXPECT_LT(c->result().size(), kMaxExpressionLength);
    EXPECT_GE(matching(c->result()), 0);
}

TEST_P(QuickFilterRules, anEighteenMonthYearOffersBoEighteenMonthsAndBz) {
    session().DANE_LATA_OBROTOWE = ledger().year18;
    auto c = open();
    const auto& p = c->periods();
    ASSERT_EQ(p.size(), 20u);
    EXPECT_EQ(p[0].name, QStringLiteral("BO"));
    EXPECT_EQ(p[0].date, ledger().bo18());
    EXPECT_EQ(p[1].name, QStringLiteral("2027  Styczeń"));
    EXPECT_EQ(p[14].name, QStringLiteral("2028  Luty"));
    EXPECT_EQ(p[14].date, ledger().month18(2028, 2));
    EXPECT_EQ(p[18].name, QStringLiteral("2028  Czerwiec"));
    EXPECT_EQ(p[19].name, QStringLiteral("BZ"));
    EXPECT_EQ(p[19].date, ledger().bz18());

    c->setAll(QuickFilterList::Periods, false);
    c->toggle(QuickFilterList::Periods, 14);
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(matching(c->result()), 2) << "both sides of the February 2028 posting";
    EXPECT_EQ(quickFilterState().periodDescription, QStringLiteral("2028  Luty; "));
}

TEST_P(QuickFilterRules, settingsSurviveReopeningAndCancelLeavesThemUntouched) {
    db().execute("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, 'KA', 'Kasa')",
                 {ledger().company, ledger().year2026});
    {
        auto c = open();
        ASSERT_EQ(c->journals().size(), 2u);
        EXPECT_EQ(c->journals()[0].text, QStringLiteral("DZ Dziennik główny"));
        c->toggle(QuickFilterList::Journals, 1);
        c->toggle(QuickFilterList::Periods, 0);
        c->setBookingDateChoice(DateChoice::Okreslony);
        EXPECT_EQ(c->working().bookingDates.first, session().DANE_DATA_BIEZACA);
        ASSERT_TRUE(c->apply());
        EXPECT_TRUE(c->result().startsWith(
            QStringLiteral("(PDU:ID_PACZKA=%1) AND (PDU:DATA_OKRESU=").arg(ledger().journal)))
            << c->result().toStdString();
        EXPECT_EQ(matching(c->result()), 0) << "no booking on the working date";
    }
    const QuickFilterState applied = quickFilterState();
    {
        auto c = open();
        EXPECT_TRUE(c->checked(QuickFilterList::Journals, 0));
        EXPECT_FALSE(c->checked(QuickFilterList::Journals, 1));
        EXPECT_FALSE(c->checked(QuickFilterList::Periods, 0));
        EXPECT_EQ(c->working().bookingDates.choice, DateChoice::Okreslony);
        c->clearSettings();
        EXPECT_TRUE(c->checked(QuickFilterList::Journals, 1));
        EXPECT_EQ(c->working().bookingDates, DateRange{});
        // closed without "Wykonaj"
    }
    EXPECT_EQ(quickFilterState().settings, applied.settings);
    EXPECT_EQ(quickFilterState().periodDescription, applied.periodDescription);
    EXPECT_TRUE(quickFilterState().periodDescription.startsWith(QStringLiteral("Styczeń; Luty; ")));
}

TEST_P(QuickFilterRules, aPartyLimitsTheEntriesToItsAccounts) {
    // Card 101 of kind K carries 201-01-001 and 202-01-001.
    EXPECT_EQ(server::TG_GetKontaKontrahenta(db(), ledger().company, ledger().year2026, 101, "K"),
              QStringLiteral("'201-01-001','202-01-001'"));
    EXPECT_EQ(server::TG_GetKontaKontrahenta(db(), ledger().company, ledger().year2026, 101, "P"), QStringLiteral("''"));

    ScriptedParties parties;
    pickers::replacePartyPickers(&parties);
    auto c = open();
    c->edit().account = AccountScope::Kartoteka;
    parties.answer = {101, QStringLiteral("Odbiorca Alfa")};
    c->pickParty(pickers::PartyKind::Contractor);
    EXPECT_EQ(parties.asked, QStringLiteral("K1"));
    EXPECT_EQ(session().DANE_ID_KARTOTEKI, 101);
    EXPECT_EQ(session().DANE_NAZWA, QStringLiteral("Odbiorca Alfa"));
    EXPECT_EQ(c->working().partyText, QStringLiteral("101 - Odbiorca Alfa"));
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(c->result(), QStringLiteral("SQL(KONTO in('201-01-001','202-01-001'))"));
    const int64_t direct = db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and "
                                          "konto in ('201-01-001', '202-01-001')",
                                          {ledger().year2026}).value_or(0);
    EXPECT_EQ(matching(c->result()), direct);

    // An employee without accounts still gives a valid list that matches nothing.
    parties.answer = {101, QStringLiteral("Jan")};
    c->pickParty(pickers::PartyKind::Employee);
    EXPECT_EQ(c->working().partyKind, QStringLiteral("P"));
    EXPECT_EQ(c->expression(), QStringLiteral("SQL(KONTO in(''))"));
    EXPECT_EQ(matching(c->expression()), 0);

    // No choice clears the party.
    parties.answer = {};
    c->pickParty(pickers::PartyKind::Office);
    EXPECT_EQ(c->working().partyId, 0);
    EXPECT_EQ(c->working().partyText, QString());
    EXPECT_FALSE(c->apply());
}

TEST_P(QuickFilterRules, documentsChosenInThePickerNarrowTheEntries) {
    ScriptedDocuments documents;
    pickers::replaceDocumentPicker(&documents);
    const int64_t a = ledger().postIn2026(4, "130-01", "700-01", test::zl("10.00"));
    const int64_t b = ledger().postIn2026(4, "130-01", "700-01", test::zl("20.00"));
    auto c = open(QStringLiteral("2"));
    c->edit().document = DocumentChoice::Wybrany;
    documents.ids = {a};
    c->pickDocument();
    EXPECT_FALSE(c->working().severalDocuments);
    EXPECT_EQ(c->working().documentText,
              db().scalarText("select nr_dok_org from NAG_DOK where id_nag_dok=?", {a}).value_or("?"));
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(matching(c->result()), 2);

    documents.ids = {a, b};
    c->pickDocument();
    EXPECT_TRUE(c->working().severalDocuments);
    EXPECT_EQ(c->working().documentText, QStringLiteral("ilość wybranych elementów: 2"));
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(matching(c->result()), 4);

    documents.ids = {};   // cancelled: the choice stays
    c->pickDocument();
    EXPECT_TRUE(c->working().severalDocuments);
    EXPECT_EQ(c->working().documentId, QString::number(a));
}

TEST_P(QuickFilterRules, accountsMarkedInTheChartPickerAreUsedFromTheirBrowser) {
    const pickers::PickerContext context{db(), ledger().company, ledger().year2026, 5, 0};
    auto list = pickers::accountList(context);
    ASSERT_GT(list->model().heldRows(), 3);
    // Mark 130-01 and 201-01-001 in the stand-in's list.
    for (int row = 0; row < list->model().heldRows(); ++row) {
        const QString nr = list->model().valueAt(row, QStringLiteral("nr_konta")).toText();
        if (nr == QStringLiteral("130-01") || nr == QStringLiteral("201-01-001")) list->toggleMark(row);
    }
    list->setCurrentRow(0);
    ASSERT_TRUE(list->choose());
    const QString chosen = pickers::finishAccountPick(*list, context);
    EXPECT_EQ(chosen, QStringLiteral("010"));
    EXPECT_EQ(pickers::countPickedMarks(db(), pickers::kAccountBrowser, 5), 2);

    class Answer : public pickers::ChartOfAccountsPicker {
    public:
        QString account;
        QString chooseAccounts(const pickers::PickerContext&) override { return account; }
        QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext&, const QString&, const QString& c) override { return c; }
    } answer;
    answer.account = chosen;
    pickers::replaceChartOfAccountsPicker(&answer);
    auto c = open();
    c->edit().account = AccountScope::Wybrane;
    c->pickAccounts();
    EXPECT_EQ(session().DANE_NUMER_KONTA, QStringLiteral("010"));
    EXPECT_TRUE(c->working().severalAccounts);
    EXPECT_EQ(c->working().chosenAccount, QStringLiteral("ilość elementów: 2"));
    ASSERT_TRUE(c->apply());
    const int64_t direct = db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and "
                                          "konto in ('130-01', '201-01-001')",
                                          {ledger().year2026}).value_or(0);
    EXPECT_EQ(matching(c->result()), direct);

    // A typed account replaces the picker's several.
    c->setChosenAccount(QStringLiteral("130-01"));
    EXPECT_FALSE(c->working().severalAccounts);
    EXPECT_EQ(c->expression(), QStringLiteral("PDU:KONTO='130-01'"));
}

} // namespace
