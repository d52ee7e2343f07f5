// The budget windows without a screen: what the lists show and add up on each side, the
// stepping from symbol to symbol, the marks (kept apart from the chosen symbols of browser
// 36), the length rule, the classification masks and the print hand-over; every figure
// checked against plain SQL over BT_DANE.
#include "BudgetViewFixture.h"
#include "budget/views/BudgetTexts.h"
#include "budget/views/BudgetViewController.h"
#include "platform/runtime/FilterExpression.h"

using namespace ksiega;
using namespace ksiega::budget;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class BudgetViewsTest : public test::BudgetViewTest {
protected:
    std::unique_ptr<BudgetViewController> window(const QString& side) {
        auto c = std::make_unique<BudgetViewController>(db(), session(), services, budgetServices, BudgetSide::of(side));
        c->open();
        return c;
    }
    static std::vector<int64_t> listed(BudgetViewController& c) {
        auto& list = c.browser().list();
        while (list.canFetchMore({})) list.fetchMore({});
        std::vector<int64_t> out;
        for (int r = 0; r < list.heldRows(); ++r) out.push_back(list.idAt(r));
        std::sort(out.begin(), out.end());
        return out;
    }
    static void expectFigures(const BudgetFigures& f, const Sums& s) {
        EXPECT_EQ(f.count, s.count);
        EXPECT_EQ(f.total, s.total);
        EXPECT_EQ(f.flags, s.flags);
    }
    int rowOf(BudgetViewController& c, int64_t id) {
        auto& list = c.browser().list();
        while (list.canFetchMore({})) list.fetchMore({});
        for (int r = 0; r < list.heldRows(); ++r)
            if (list.idAt(r) == id) return r;
        return -1;
    }
};
KSIEGA_ON_BOTH_ENGINES(BudgetViewsTest);

TEST_P(BudgetViewsTest, eachSideListsAndSumsOnlyTheCompanysLinesOfThatSide) {
    auto w = window("W");
    EXPECT_EQ(w->caption(), QStringLiteral("Klasyfikacja budzetowa - Wydatki"));
    // The split line is two rows, one per symbol.
    std::vector<int64_t> expected = {split[0], split[1], cost, analytic, opening};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed(*w), expected);
    expectFigures(w->totals(), sqlSums("W"));
    const auto rows = w->summaryRows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].left.label, QStringLiteral("Ilość pozycji"));
    EXPECT_EQ(rows[4].left.label, QStringLiteral("Zaangażowanie"));
    EXPECT_EQ(rows[5].right.label, QStringLiteral("Środki pieniężne/zaznaczone/"));

    auto d = window("D");
    std::vector<int64_t> rev = revenue;
    std::sort(rev.begin(), rev.end());
    EXPECT_EQ(listed(*d), rev);
    expectFigures(d->totals(), sqlSums("D"));
    EXPECT_EQ(d->summaryRows().size(), 4u);
    EXPECT_EQ(d->side().browser, 36);
}

TEST_P(BudgetViewsTest, anEmptyListGivesZeroFiguresAndAnEmptyFilterIsStillScoped) {
    auto w = window("W");
    w->setQuickFilter("BTV:KWOTA<0");
    EXPECT_TRUE(listed(*w).empty());
    const BudgetFigures none = w->totals();
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.total, Money());
    EXPECT_EQ(none.flags, std::vector<Money>(4));
    // Straight on the statement: no filter at all still reads one company and side.
    const BudgetFigures bare = budgetFigures(db(), {f().company, &BudgetSide::revenue(), QString(), false});
    expectFigures(bare, sqlSums("D"));
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty());
}

TEST_P(BudgetViewsTest, steppingMovesFromSymbolToSymbolAndKeepsTheLastOne) {
    auto w = window("W");
    ASSERT_TRUE(w->stepUp());   // from no symbol: the first one
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4010");
    EXPECT_EQ(listed(*w), (std::vector<int64_t>{std::min(split[0], opening), std::max(split[0], opening)}));
    ASSERT_TRUE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4210");
    ASSERT_TRUE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4210-01");
    ASSERT_TRUE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "851-85154-4300");
    EXPECT_EQ(listed(*w), std::vector<int64_t>{cost});
    // Past the last symbol the filter stays as it is.
    EXPECT_FALSE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "851-85154-4300");
    EXPECT_EQ(listed(*w), std::vector<int64_t>{cost});
    ASSERT_TRUE(w->stepDown());
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4210-01");

    // The rest of the filter still counts: only symbols of lines it lets through.
    w->setQuickFilter("BTV:RODZAJ_Z=1");
    w->setClassificationSymbol("801-80101-4010");
    ASSERT_TRUE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4210");
    ASSERT_TRUE(w->stepUp());
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4210-01");
    EXPECT_FALSE(w->stepUp()) << "851-85154-4300 has no commitment";
}

TEST_P(BudgetViewsTest, classificationMasksTreatEmptyPartsAsAnyAndQuoteWhatIsTyped) {
    EXPECT_EQ(classificationMask("801--4210", "-"), "801-?????-4210*");
    EXPECT_EQ(classificationMask("801", "-"), "801*");
    EXPECT_EQ(classificationMask("--4210-01", "-"), "???-?????-4210-01");
    EXPECT_EQ(classificationMask("801-80101-4010-01", "-"), "801-80101-4010-01");
    EXPECT_EQ(classificationMask("--", "-"), "") << "every part any: no condition";
    EXPECT_EQ(maskCondition(""), "");
    EXPECT_EQ(maskCondition("801-80101-4010"), "BTV:BT_KLASYFIKACJA='801-80101-4010'");

    auto w = window("W");
    budgetServices.classificationAnswer = QStringLiteral("801--4210");
    w->chooseClassificationFilter();
    EXPECT_EQ(budgetServices.calls.last(), "BT_KLASYFIKACJIA_WYBOR W");
    EXPECT_EQ(listed(*w), (std::vector<int64_t>{std::min(split[1], analytic), std::max(split[1], analytic)}));
    EXPECT_EQ(w->filterIcon(), "~filtr_on.ico");
    budgetServices.classificationAnswer = QStringLiteral("--");
    w->chooseClassificationFilter();
    EXPECT_EQ(listed(*w).size(), 5u);
    EXPECT_EQ(w->filterIcon(), "~filtr.ico");
    // A quote in a mask stays inside its text.
    w->setClassificationMask("8'1");
    EXPECT_TRUE(listed(*w).empty());
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
}

TEST_P(BudgetViewsTest, aTooLongFilterDropsOnlyThePersonsPartsNeverTheSideOrCompany) {
    auto w = window("W");
    QString quick = "BTV:KWOTA>0";
    while (quick.size() < 1200) quick += " AND BTV:KWOTA>0";
    w->setQuickFilter(quick);
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{QString(texts::FILTER_TOO_LONG).replace('|', '\n')});
    EXPECT_EQ(listed(*w).size(), 5u) << "every expenditure line of the company, nothing of revenue or of the other company";
    expectFigures(w->totals(), sqlSums("W"));

    BudgetFilterParts parts{f().company, "D", "BTV:KWOTA>0", QString(601, 'x'), "BTV:BT_KLASYFIKACJA='1'", {}};
    const ComposedFilter c = composeBudgetFilter(parts);
    EXPECT_TRUE(c.dictionaryDropped);
    EXPECT_FALSE(c.userDropped);
    EXPECT_FALSE(c.filter.contains("xxx"));
    EXPECT_TRUE(c.filter.contains("BTV:KWOTA>0"));
    EXPECT_TRUE(c.filter.startsWith(QStringLiteral("BTV:ID_FIRMY=%1").arg(f().company)));
    EXPECT_TRUE(c.filter.contains("BTV:TYP='D'"));
}

TEST_P(BudgetViewsTest, marksFollowTheMarkedFiguresAndAFullyMarkedListAddsNoCondition) {
    auto w = window("W");
    w->toggleMark(rowOf(*w, split[1]));
    expectFigures(w->markedFigures(), sqlSums("W", QStringLiteral("b.id_bt_dane=%1").arg(split[1])));
    w->toggleMark(rowOf(*w, cost));
    expectFigures(w->markedFigures(), sqlSums("W", QStringLiteral("b.id_bt_dane in (%1,%2)").arg(split[1]).arg(cost)));
    w->invertMarks();
    expectFigures(w->markedFigures(), sqlSums("W", QStringLiteral("b.id_bt_dane not in (%1,%2)").arg(split[1]).arg(cost)));
    w->popupAction(texts::POPUP_MARK_ALL);
    expectFigures(w->markedFigures(), sqlSums("W"));
    w->setShowMarked(true);
    EXPECT_FALSE(w->listFilter().contains("ZAZNACZENIE")) << "every row marked: the list itself";
    EXPECT_EQ(listed(*w).size(), 5u);
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=38 and id_uzytkownika=?",
                             {session().DANE_ID_UZYTKOWNIKA_NR}),
              5);
    w->toggleMark(rowOf(*w, cost));   // one taken off: the stored marks are read
    w->setShowMarked(false);
    w->setShowMarked(true);
    EXPECT_TRUE(w->listFilter().contains("ZAZNACZENIE"));
    EXPECT_EQ(listed(*w).size(), 4u);
    w->popupAction(texts::POPUP_UNMARK_ALL);
    w->setShowMarked(false);
    w->setShowMarked(true);
    EXPECT_TRUE(listed(*w).empty()) << "\"Pokaż zaznaczone\" with nothing marked shows nothing";
    EXPECT_EQ(w->markedFigures().count, 0);
}

TEST_P(BudgetViewsTest, revenueMarksAndChosenSymbolsShareBrowser36WithoutWipingEachOther) {
    const int64_t user = session().DANE_ID_UZYTKOWNIKA_NR;
    for (const char* symbol : {"756-75615-0310", "801-80101-4010"})
        db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) values (36, ?, 0, ?)",
                     {user, QString::fromLatin1(symbol)});
    auto chosen = [&] {
        return db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=36 and id_uzytkownika=? and opis_elementu<>''",
                              {user});
    };
    auto d = window("D");
    d->toggleMark(rowOf(*d, revenue[0]));
    d->setShowMarked(true);
    EXPECT_EQ(listed(*d), std::vector<int64_t>{revenue[0]});
    EXPECT_EQ(chosen(), 2) << "storing marks kept the chosen symbols";
    d->setShowMarked(false);
    d->markAll();
    d->toggleMark(rowOf(*d, revenue[0]));   // the insert-select path with one taken out
    d->setShowMarked(true);
    EXPECT_EQ(listed(*d), std::vector<int64_t>{revenue[1]});
    EXPECT_EQ(chosen(), 2);
    // The reverse: symbols replaced the way the chooser does leave the marks in place.
    db().execute("delete from ZAZNACZENIE where id_browsera=36 and id_uzytkownika=? and opis_elementu<>''", {user});
    d->refresh();
    EXPECT_EQ(listed(*d), std::vector<int64_t>{revenue[1]});
}

TEST_P(BudgetViewsTest, dictionaryChoicesKeepOrLeaveOutTheLinesCarryingTheValue) {
    const int64_t reg = db().insertReturningId("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki) "
                                               "values (?, 'ZAD', 'Zadania') returning id_kartoteki_uzytkownika",
                                               {f().company});
    const int64_t value = db().insertReturningId("insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod, wartosc) "
                                                 "values (?, '1.1', 'Oświata') returning id_kartoteki_poz",
                                                 {reg});
    db().execute("insert into SLOW_DANE (id_poz_dok, id_kartoteki_poz, lp) values (?, ?, 1)", {splitLine, value});
    db().execute("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 305, 'zadaniowy')",
                 {f().company, f().year2026});
    auto w = window("W");
    EXPECT_TRUE(w->taskBudget());
    w->setDictionaryChoices({{value, "="}});
    EXPECT_EQ(listed(*w), (std::vector<int64_t>{split[0], split[1]}));
    w->setCurrentRow(0);
    EXPECT_EQ(w->dictionaryRows(), (std::vector<std::vector<QString>>{{"ZAD", "1.1", "Oświata"}}));
    expectFigures(w->totals(), sqlSums("W", QStringLiteral("b.id_poz_dok=%1").arg(splitLine)));
    w->setDictionaryChoices({{value, "<>"}});
    EXPECT_EQ(listed(*w).size(), 3u);
}

TEST_P(BudgetViewsTest, printHandsTheReportTheFilterOfItsRange) {
    auto w = window("D");
    services.onChooseStatement = [](const QString& set) { return set == "BTD" ? 3 : 0; };
    w->printList();
    EXPECT_EQ(budgetServices.calls.mid(budgetServices.calls.size() - 2),
              (QStringList{"PARAM_PRN_BT 0 1 0 3", "WYDRUK_BUDZET 3,0,1,0,D"}));   // the window opens in "Nr ewidencyjny"
    EXPECT_EQ(budgetServices.printHeading, texts::PRINT_ENTRIES);
    EXPECT_EQ(budgetServices.printFilter, WYTNIJ_PREFIX(w->listFilter()));
    EXPECT_EQ(session().CRST_FILTR_ZAPYTANIE, WYTNIJ_PREFIX(w->listFilter()));

    w->chooseSort(6);
    w->toggleSortDirection();
    budgetServices.printRange = 2;
    w->setCurrentRow(0);
    w->printList();
    EXPECT_EQ(budgetServices.printParameters_, "3,2,7,1,D");
    EXPECT_EQ(budgetServices.printFilter, QStringLiteral("BTV:ID_BT_DANE=%1").arg(w->currentId()));

    budgetServices.printRange = 1;
    w->toggleMark(rowOf(*w, revenue[1]));
    w->printList();
    EXPECT_TRUE(budgetServices.printFilter.contains("ZAZNACZENIE"));
    EXPECT_EQ(*db().scalarInt("select count(*) from BT_VIEW where " + translateFilter(budgetServices.printFilter).where), 1);

    const int before = budgetServices.calls.size();
    services.onChooseStatement = [](const QString&) { return 0; };
    w->printList();
    EXPECT_EQ(budgetServices.calls.size(), before) << "no report chosen: nothing more";
}

TEST_P(BudgetViewsTest, popupItemsReachTheirLibrariesWithTheRowsSymbol) {
    auto w = window("W");
    w->chooseSort(7);   // "Klasyfikacja"
    w->setCurrentRow(0);
    w->popupAction(texts::POPUP_DESCRIBE);
    w->popupAction(texts::POPUP_PLAN);
    EXPECT_EQ(budgetServices.calls, (QStringList{"KLASYFIKACJA_INFO W 801-80101-4010", "BT_SUMA_PLAN W 801-80101-4010"}));
    w->popupAction(texts::POPUP_FILTER_BY);
    EXPECT_EQ(w->classificationSymbol(), "801-80101-4010");
    EXPECT_EQ(listed(*w).size(), 2u);

    // "Popraw" refreshes only when the line was saved.
    w->setCurrentRow(0);
    const int64_t id = w->currentId();
    budgetServices.editAnswer = 1;
    db().execute("update BT_DANE set kwota=kwota+0 where id_bt_dane=?", {id});
    w->correctLine();
    EXPECT_EQ(budgetServices.calls.last(), QStringLiteral("UP_BUDZET_DANE 2 %1").arg(id));
}

} // namespace
