// The budget quick filter in its filter mode: what its expression selects (checked against
// plain SQL over BT_DANE), its checks in order, the length rule, chosen symbols beside the
// revenue view's marks in browser 36, and its choices kept for the module and the INI file.
#include "budget/quickfilter/BudgetFilterDescription.h"
#include "budget/quickfilter/BudgetFilterFixture.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"

using namespace ksiega;
using namespace ksiega::budget;

namespace ksiega::test {
namespace {

class BudgetQuickFilterTest : public BudgetFilterTest {};
KSIEGA_ON_BOTH_ENGINES(BudgetQuickFilterTest);

TEST_P(BudgetQuickFilterTest, theExpressionSelectsWhatPlainSqlSelects) {
    // Each case starts from the defaults: what "Wykonaj" applied is kept for the next opening.
    auto fresh = [&](const QString& side = QStringLiteral("W")) {
        auto c = open({}, side);
        c->clearSettings();
        return c;
    };
    auto c = open();
    EXPECT_EQ(c->caption(), QStringLiteral("Filtr klasyfikacji budżetowej"));
    EXPECT_EQ(c->cancelText(), QStringLiteral("Anuluj"));
    // Defaults: the year and every sense of the side; a line with no sense is left out.
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(selected(c->result()), direct("b.id_lata_obrot=" + QString::number(f().year2026) +
                                            " and (b.rodzaj_wy=1 or b.rodzaj_k=1 or b.rodzaj_z=1 or b.rodzaj_x=1)"));

    // Paragraf 4210 with its analytic symbol, the other parts "dowolny" or left empty.
    c = fresh();
    c->edit().paragraf = {QStringLiteral("4210"), false};
    c->edit().rozdzial = {QString(), false};
    ASSERT_TRUE(c->apply());
    EXPECT_TRUE(c->result().contains(QStringLiteral("SQL(BT_KLASYFIKACJA like '*-*-4210*')").replace('*', '%')));
    EXPECT_EQ(selected(c->result()), direct("b.bt_klasyfikacja like '801-80101-4210%'"));
    EXPECT_EQ(selected(c->result()).first, 2);

    // Every part "dowolny" adds no classification condition at all.
    c = fresh();
    c->edit().dzial = {QStringLiteral("801"), true};
    ASSERT_TRUE(c->apply());
    EXPECT_FALSE(c->result().contains(QStringLiteral("KLASYFIKACJA")));

    // Accounts "2".."49" on the Ct side only: padded to '002'..'049'.
    c = fresh();
    c->edit().account = AccountScope::Zakres;
    c->edit().rangeFirst = QStringLiteral("2");
    c->edit().rangeSecond = QStringLiteral("49");
    c->edit().sideDt = false;
    ASSERT_TRUE(c->apply());
    EXPECT_TRUE(c->result().contains(QStringLiteral("Left(KONTO_MA,3)>='002' AND Left(KONTO_MA,3)<='049'")));
    EXPECT_FALSE(c->result().contains(QStringLiteral("KONTO_WN")));
    EXPECT_EQ(selected(c->result()), direct("substr(p.konto_ma,1,3) between '002' and '049' and "
                                            "(b.rodzaj_wy=1 or b.rodzaj_k=1 or b.rodzaj_z=1 or b.rodzaj_x=1)"));

    // Texts a person typed are quoted: a quote in a mask or an account cannot end the text.
    c = fresh();
    c->edit().account = AccountScope::Maska;
    c->edit().accountMask = QStringLiteral("4'01*");
    c->edit().dzial = {QStringLiteral("8' OR '1'='1"), false};
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(selected(c->result()).first, 0);

    // Revenue: its own senses; booking dates; one chosen symbol.
    c = fresh(QStringLiteral("D"));
    c->edit().revenue = {false, true, false};
    c->setBookingDateChoice(DateChoice::Okreslony);
    c->edit().bookingDates = {DateChoice::Okreslony, date::fromYmd(2026, 6, 1), date::fromYmd(2026, 6, 30)};
    c->edit().classification = ClassificationChoice::Wybrana;
    c->edit().chosenClassification = QStringLiteral("801-80148-0830");
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(selected(c->result(), "D"), direct("b.rodzaj_wp=1 and b.bt_klasyfikacja='801-80148-0830'", "D"));
    EXPECT_EQ(selected(c->result(), "D").second, 5555);

    // Journals: one unchecked of one gives ID_PACZKA=-1 and so nothing, not an error.
    BudgetFilterSettings s;
    std::vector<ListRow> none{{f().journal, "DZ", false}}, empty;
    const QString e = buildBudgetFilterExpression({s, "W", 0, none, empty, empty, 7, "-", false});
    EXPECT_TRUE(e.contains(QStringLiteral("BTV:ID_PACZKA=-1")));
    EXPECT_EQ(selected(e).first, 0);
}

TEST_P(BudgetQuickFilterTest, checksComeInOrderAndKeepTheWindowOpen) {
    auto refused = [&](budget::BudgetQuickFilterController& c, const char* message, const char* control) {
        dialogs.clear();
        EXPECT_FALSE(c.apply());
        EXPECT_FALSE(c.applied());
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(message));
        EXPECT_EQ(c.controlToSelect(), QString::fromLatin1(control));
    };
    auto c = open();
    c->edit().expenditure = {false, false, false, false};
    c->setAll(FilterList::Journals, false);
    refused(*c, "Proszę określić rodzaj wydatku.", "L_WYDATKI");
    c->edit().expenditure[Koszty] = true;
    refused(*c, "Proszę wybrać przynajmniej jeden dziennik.", "LIST1");
    c->setAll(FilterList::Journals, true);
    c->setAll(FilterList::DocumentTypes, false);
    refused(*c, "Proszę wybrać przynajmniej jeden typ dokumentu.", "LIST3");
    c->setAll(FilterList::DocumentTypes, true);
    c->setAll(FilterList::Periods, false);
    refused(*c, "Proszę wybrać przynajmniej jeden okres obrotowy.", "LIST2");
    c->setAll(FilterList::Periods, true);
    c->edit().sideDt = c->edit().sideCt = false;
    refused(*c, "Proszę określić stronę zapisu.", "L_STRONA_WN");
    c->edit().sideCt = true;
    c->edit().account = AccountScope::Zakres;
    c->edit().rangeFirst = QStringLiteral("5");
    c->edit().rangeSecond = QStringLiteral("10");   // "005".."010" is a range
    c->edit().classification = ClassificationChoice::Wybrana;
    refused(*c, "Proszę wybrać klasyfikację budżetową.", "L_WYBRANA_KLASYFIKACJA");
    c->edit().rangeFirst = QStringLiteral("50");
    refused(*c, "Proszę ustalić odpowiedni zakres kont.", "L_ZAKRES_KONT_1");
    c->edit().account = AccountScope::Maska;
    refused(*c, "Proszę określić maskę konta.", "L_MASKA_KONT");
    c->edit().account = AccountScope::Wybrane;
    refused(*c, "Proszę wybrać konto.", "L_WYBRANE_KONTO");

    auto d = open({}, QStringLiteral("D"));
    d->edit().revenue = {false, false, false};
    refused(*d, "Proszę określić rodzaj dochodu.", "L_DOCHODY");

    // 1000 characters or more: refused with the message, nothing kept.
    for (int i = 0; i < 120; ++i)
        db().execute("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, ?, 'x')",
                     {f().company, f().year2026, QStringLiteral("J%1").arg(i, 3, 10, QChar('0'))});
    auto e = open();
    for (int i = 0; i < int(e->rows(FilterList::Journals).size()); i += 2) e->toggle(FilterList::Journals, i);
    ASSERT_GE(e->expression().size(), kMaxExpressionLength);
    refused(*e, "Wyrażenie filtrujące jest za długie.", "");
    EXPECT_TRUE(state.settings.uncheckedJournals.empty());
}

// Chooses symbols the way the classification dictionary does: several, left in browser 36.
class SymbolsAnswer : public pickers::ChartOfAccountsPicker {
public:
    QStringList symbols;
    QString chooseAccounts(const pickers::PickerContext&) override { return {}; }
    QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext& c, const QString& mode, const QString&) override {
        EXPECT_EQ(mode, pickers::MULTIWYBOR);
        std::vector<pickers::PickedElement> picked;
        for (const QString& s : symbols) picked.push_back({1, s});
        pickers::replacePickedMarks(c.db, pickers::kClassificationBrowser, c.user, picked);
        return symbols.size() > 1 ? pickers::MULTIWYBOR : symbols.value(0);
    }
};

TEST_P(BudgetQuickFilterTest, chosenSymbolsAndRevenueMarksShareBrowser36WithoutWipingEachOther) {
    const int64_t user = session().DANE_ID_UZYTKOWNIKA_NR;
    // The revenue view's marks: ids, no text.
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) "
                 "select 36, ?, id_bt_dane, '' from BT_DANE where typ='D' and id_firmy=?",
                 {user, f().company});
    SymbolsAnswer answer;
    answer.symbols = {QStringLiteral("801-80101-4300"), QStringLiteral("801-80148-4220")};
    pickers::replaceChartOfAccountsPicker(&answer);
    auto c = open();
    c->pickClassification();
    EXPECT_EQ(c->working().chosenClassification, QStringLiteral("ilość elementów: 2"));
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(selected(c->result()), direct("b.bt_klasyfikacja in ('801-80101-4300', '801-80148-4220')"));
    // Choosing again replaces the symbols only.
    answer.symbols = {QStringLiteral("801-80101-4210")};
    c->pickClassification();
    pickers::replaceChartOfAccountsPicker(nullptr);
    EXPECT_EQ(c->working().chosenClassification, QStringLiteral("801-80101-4210"));
    EXPECT_EQ(*db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=36 and id_uzytkownika=? and opis_elementu=''", {user}),
              *db().scalarInt("select count(*) from BT_DANE where typ='D' and id_firmy=?", {f().company}));
    EXPECT_EQ(pickers::countPickedMarks(db(), pickers::kClassificationBrowser, user), 1);

    // Printout descriptions name the symbols, never "multiwybor".
    answer.symbols = {QStringLiteral("801-80101-4300"), QStringLiteral("801-80148-4220")};
    pickers::replaceChartOfAccountsPicker(&answer);
    c->pickClassification();
    pickers::replaceChartOfAccountsPicker(nullptr);
    ASSERT_TRUE(c->apply());
    const QStringList lines = describeBudgetFilter(c->result(), state.switches, true, "-");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QStringLiteral("Klasyfikacja budżetowa: 801-80101-4300, 801-80148-4220"));
}

TEST_P(BudgetQuickFilterTest, choicesAreKeptForTheModuleAndUnderTheirSection) {
    auto c = open();
    c->edit().expenditure = {true, false, true, false};
    c->edit().paragraf = {QStringLiteral("4210"), false};
    c->toggle(FilterList::Periods, 0);
    c->edit().account = AccountScope::Maska;
    c->edit().accountMask = QStringLiteral("40*");
    auto cancelled = open();
    cancelled->edit().accountMask = QStringLiteral("nie");   // never applied
    ASSERT_TRUE(c->apply());
    const QString first = c->result();
    EXPECT_EQ(open()->expression(), first);

    // A new load of the module reads them back from "BT_szybki_filtr".
    settings->sync();
    EXPECT_TRUE(settings->contains(BT_SZYBKI_FILTR_SECTION, QStringLiteral("maska_konta")));
    state = BudgetFilterState{};
    EXPECT_EQ(open()->expression(), first);

    // "Czyść ustawienia filtra" brings every default back.
    auto d = open();
    d->clearSettings();
    EXPECT_EQ(d->expression(), QStringLiteral("BTV:ID_LATA_OBROT=%1 AND (BTV:RODZAJ_WY=1 OR BTV:RODZAJ_K=1 OR BTV:RODZAJ_Z=1 OR "
                                              "BTV:RODZAJ_X=1)").arg(f().year2026));
}

} // namespace
} // namespace ksiega::test
