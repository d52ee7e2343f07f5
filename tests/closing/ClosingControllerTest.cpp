// The rules of "BO w następnym roku obrotowym" with the server scripted: when the window
// opens, which options apply, what a run asks and shows, and what the pickers leave.
#include "ClosingFixture.h"
#include "frame/window/ThreadRegistry.h"

using namespace ksiega;
using namespace ksiega::closing;
using namespace ksiega::test;
namespace T = ksiega::closing::texts;

namespace {

using Kind = ui::ScriptedDialogs::Kind;

class ClosingController_ : public ClosingTest {
protected:
    ScriptedClosingServices services;
};

TEST_P(ClosingController_, opensOnlyOnAYearFollowedByAnUnapprovedYear) {
    // 2026 is followed by 2027/2028, which begins in January 2027.
    auto c = opened(services);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->nextYear().idLataObrot, f().year18);
    EXPECT_EQ(c->nextYearFirstPeriod(), date::fromYmd(2027, 1, 1));
    EXPECT_EQ(c->nextYearName(), "2027/2028");
    EXPECT_TRUE(dialogs.empty());

    // The last year has no next one.
    session().DANE_LATA_OBROTOWE = f().year18;
    EXPECT_FALSE(opened(services));
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{ui::messageText(T::NO_NEXT_YEAR)});

    // An approved next year blocks both actions: the window does not open.
    dialogs.clear();
    session().DANE_LATA_OBROTOWE = f().year2026;
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year18});
    EXPECT_FALSE(opened(services));
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{ui::messageText(T::NEXT_YEAR_APPROVED)});

    // Without a company nothing opens and nothing is said.
    dialogs.clear();
    session().DANE_ID_FIRMY = 0;
    EXPECT_FALSE(opened(services));
    EXPECT_TRUE(dialogs.empty());
}

TEST_P(ClosingController_, theOptionsEnableAndHideAsTheActionAndRangeSay) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->rangeEnabled());
    EXPECT_FALSE(c->pickerEnabled());
    EXPECT_FALSE(c->skipVisible());   // not the budget edition
    c->setRange(Range::Chosen);
    EXPECT_TRUE(c->pickerEnabled());
    c->setAction(Action::Remove);
    EXPECT_FALSE(c->rangeEnabled());
    EXPECT_FALSE(c->pickerEnabled());

    session().DANE_CZY_WERSJA_BUDZET = 1;
    c->setAction(Action::Create);
    EXPECT_FALSE(c->skipVisible());   // "Wybrane"
    c->setRange(Range::All);
    EXPECT_TRUE(c->skipVisible());
    c->setAction(Action::Remove);
    EXPECT_FALSE(c->skipVisible());
}

TEST_P(ClosingController_, aHiddenSkipBoxPassesZeroWhateverItsState) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    c->setSkip980And998(true);          // checked, but hidden outside the budget edition
    c->execute();
    ASSERT_EQ(services.creations.size(), 1u);
    EXPECT_FALSE(services.creations[0].skip980And998);

    session().DANE_CZY_WERSJA_BUDZET = 1;
    auto d = opened(services);
    d->setSkip980And998(true);
    d->setRange(Range::Chosen);         // hidden again
    d->execute();
    ASSERT_EQ(services.creations.size(), 2u);
    EXPECT_FALSE(services.creations[1].skip980And998);
    EXPECT_EQ(services.creations[1].range, server::ClosingRange::Chosen);

    auto e = opened(services);
    e->setSkip980And998(true);          // visible and checked
    e->execute();
    ASSERT_EQ(services.creations.size(), 3u);
    EXPECT_TRUE(services.creations[2].skip980And998);
}

TEST_P(ClosingController_, creationAsksFirstAndRefusesWhileOtherWindowsAreOpen) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    dialogs.answer(2);   // "Nie"
    c->execute();
    EXPECT_TRUE(services.creations.empty());
    ASSERT_EQ(dialogs.texts(Kind::Question).size(), 1);
    EXPECT_EQ(dialogs.texts(Kind::Question)[0], T::ASK_CREATE + "2027/2028 ?");
    EXPECT_EQ(dialogs.last().buttons, (QStringList{"&Tak", "&Nie"}));
    EXPECT_EQ(dialogs.last().title, ui::TITLE_PYTANIE);

    // Two windows in DANE_WATKI: told to close the others; nothing runs, the window stays.
    dialogs.clear();
    const int64_t mine = registerWindowThread();
    const int64_t other = registerWindowThread();
    c->execute();
    EXPECT_TRUE(services.creations.empty());
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{T::CLOSE_OTHER_WINDOWS});
    EXPECT_FALSE(c->closeRequested());

    // The same rule travels into the server's transaction: a window opened after the
    // question refuses the run there.
    removeWindowThread(other);
    dialogs.clear();
    QString refusedInside = QStringLiteral("(not asked)");
    services.duringCreate = [&](const server::ClosingRequest& r) {
        const int64_t late = registerWindowThread();
        refusedInside = r.refusalInside();
        removeWindowThread(late);
        if (!refusedInside.isEmpty())
            throw server::ClosingRefused(server::ClosingRefused::Reason::RefusedInside, refusedInside);
    };
    c->execute();
    EXPECT_EQ(refusedInside, T::CLOSE_OTHER_WINDOWS);
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{T::CLOSE_OTHER_WINDOWS});
    EXPECT_FALSE(c->closeRequested());
    EXPECT_FALSE(dialogs.texts().contains(T::CREATE_DONE));
    removeWindowThread(mine);
}

TEST_P(ClosingController_, aFailedCreationIsNeverReportedAsDone) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    std::vector<int> progressSeen;
    c->changed = [&] {
        if (c->running()) progressSeen.push_back(c->progress());
    };
    services.duringCreate = [](const server::ClosingRequest&) { throw db::DbError(QStringLiteral("dysk pełny")); };
    c->execute();
    const auto shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 3u);   // question, the error, the failure
    EXPECT_EQ(shown[1].kind, Kind::Warning);
    EXPECT_TRUE(shown[1].text.contains("dysk pełny"));
    EXPECT_EQ(shown[2].kind, Kind::Information);
    EXPECT_EQ(shown[2].text, ui::messageText(T::CREATE_FAILED));
    EXPECT_FALSE(dialogs.texts().contains(T::CREATE_DONE));
    EXPECT_TRUE(c->closeRequested());
    EXPECT_FALSE(c->running());
    ASSERT_FALSE(progressSeen.empty());
    EXPECT_EQ(progressSeen.front(), 10);
}

TEST_P(ClosingController_, theResultsChooseThePageAndTheButtonSwitchesBetweenThem) {
    services.outcome.problems = {{"EUR", T::NOTHING_GENERATED}};
    services.outcome.report = {{"234-02", "234-01", "scalenie"}, {"201-01", "202-01", "zamiana"}};
    auto c = opened(services);
    ASSERT_TRUE(c);
    c->execute();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{T::CREATE_DONE});
    EXPECT_EQ(c->page(), ProblemsPage);
    EXPECT_EQ(c->executeLabel(), T::RAPORT);
    ASSERT_EQ(c->report().size(), 2u);
    EXPECT_EQ(c->report()[0].fromAccount, "201-01");   // sorted
    c->execute();
    EXPECT_EQ(c->page(), ReportPage);
    EXPECT_EQ(c->executeLabel(), T::BLEDY);
    c->execute();
    EXPECT_EQ(c->page(), ProblemsPage);
    EXPECT_FALSE(c->closeRequested());

    // Only a report: its page, and no button to switch.
    services.outcome.problems.clear();
    auto d = opened(services);
    d->execute();
    EXPECT_EQ(d->page(), ReportPage);
    EXPECT_FALSE(d->executeVisible());

    // Nothing to show: the window closes after the message.
    services.outcome.report.clear();
    auto e = opened(services);
    e->execute();
    EXPECT_TRUE(e->closeRequested());
}

TEST_P(ClosingController_, aPreviewRunsDryAndSaysNothingWasWritten) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    c->setPreviewOnly(true);
    c->execute();
    ASSERT_EQ(services.creations.size(), 1u);
    EXPECT_TRUE(services.creations[0].dryRun);
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{ui::messageText(T::PREVIEW_CREATE_DONE)});

    dialogs.clear();
    c->setAction(Action::Remove);
    c->execute();
    ASSERT_EQ(services.removals.size(), 1u);
    EXPECT_TRUE(services.removals[0].second);
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{ui::messageText(T::PREVIEW_REMOVE_DONE)});
}

TEST_P(ClosingController_, removalReportsDoneOnlyWhenItCommitted) {
    auto c = opened(services);
    ASSERT_TRUE(c);
    c->setAction(Action::Remove);
    dialogs.answer(2);
    c->execute();
    EXPECT_TRUE(services.removals.empty());
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{T::ASK_REMOVE + "2027/2028 ?"});

    dialogs.clear();
    services.duringRemove = [] { throw db::DbError(QStringLiteral("blokada")); };
    c->execute();
    EXPECT_EQ(services.removals.size(), 1u);
    EXPECT_EQ(dialogs.texts(Kind::Warning).size(), 1);
    EXPECT_FALSE(dialogs.texts().contains(T::REMOVE_DONE));

    // Removal does not ask for the other windows to be closed.
    dialogs.clear();
    services.duringRemove = nullptr;
    const int64_t a = registerWindowThread(), b = registerWindowThread();
    c->execute();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{T::REMOVE_DONE});
    removeWindowThread(a);
    removeWindowThread(b);
}

TEST_P(ClosingController_, theAccountPickerStartsFromNoMarksAndTheCountFollowsTheStore) {
    const int64_t user = session().DANE_ID_UZYTKOWNIKA_NR;
    pickers::replacePickedMarks(db(), pickers::kAccountBrowser, user, {{1, "999"}, {2, "998"}, {3, "997"}});
    pickers::replacePickedMarks(db(), pickers::kAccountBrowser, user + 1, {{1, "130"}});
    session().DANE_NUMER_KONTA = QStringLiteral("130-01");
    session().DANE_STATUS_WYBORU = 5;
    session().FLAGA_POKAZ_B_WYBIERZ = 0;
    auto c = opened(services);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->chosenAccountsText(), T::CHOSEN_COUNT + "3");

    accountPicker.accounts = {"130-01", "201-01"};
    c->setRange(Range::Chosen);
    c->pickAccounts();
    EXPECT_EQ(accountPicker.numberSeen, "");
    EXPECT_EQ(accountPicker.statusSeen, 22);
    EXPECT_EQ(accountPicker.flagSeen, 1);
    const auto marks = [&](int64_t u) {
        return count("select count(*) from ZAZNACZENIE where id_browsera=11 and id_uzytkownika=?", {u});
    };
    EXPECT_EQ(marks(user), 2);
    EXPECT_EQ(marks(user + 1), 1);   // another user's marks stay
    EXPECT_EQ(c->chosenAccountsText(), T::CHOSEN_COUNT + QString::number(marks(user)));
    EXPECT_EQ(session().DANE_NUMER_KONTA, "");
    EXPECT_EQ(session().DANE_STATUS_WYBORU, 5);
    EXPECT_EQ(session().FLAGA_POKAZ_B_WYBIERZ, 0);

    // Cancelled: the old marks are gone all the same, the count says 0.
    accountPicker.accounts.clear();
    c->pickAccounts();
    EXPECT_EQ(marks(user), 0);
    EXPECT_EQ(c->chosenAccountsText(), T::CHOSEN_COUNT + "0");
}

TEST_P(ClosingController_, attachingSettlementsToOneRowKeepsTheOtherRowsAttachments) {
    const int64_t user = session().DANE_ID_UZYTKOWNIKA_NR;
    const int64_t doc = f().addDocument({f().year2026, f().month2026(4), 2, 0, "FV/1", ""});
    const int64_t s1 = f().openSettlement(f().post(doc, "201-01-001", "700-01", zl("100.00")));
    const int64_t s2 = f().openSettlement(f().post(doc, "201-01-002", "700-01", zl("200.00")));
    const int64_t s3 = f().openSettlement(f().post(doc, "234-01", "700-01", zl("300.00")));
    const int64_t rowA = planChange("201-01", "202-01");
    const int64_t rowB = planChange("234-01", "234-02");
    planChange("130-01", "131-01", f().year18);   // another year's row is not listed
    const auto attached = [&](int64_t row, int64_t u) {
        return count("select count(*) from ZMIANA_PLANU_KONT_ROZRACHUNKI where id_zmiana_planu_kont=? and id_uzytkownika=?",
                     {row, u});
    };
    db().execute("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) "
                 "values (?, ?, ?)", {user, rowB, s3});
    db().execute("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) "
                 "values (?, ?, ?)", {user + 1, rowA, s1});

    auto c = opened(services);
    ASSERT_TRUE(c);
    ASSERT_EQ(c->planChanges().size(), 2u);
    EXPECT_EQ(c->planChanges()[0].fromAccount, "201-01");
    EXPECT_EQ(c->planChanges()[0].remark, "przeniesienie");
    EXPECT_EQ(c->planChanges()[1].remark, T::MARKED_SETTLEMENTS + "1");

    settlementsWindow.toMark = {s1, s2};
    c->attachSettlements(0);
    ASSERT_EQ(settlementsWindow.filters.size(), 1u);
    EXPECT_EQ(settlementsWindow.filters[0].accountPrefix, "201-0");
    EXPECT_EQ(settlementsWindow.filters[0].year, f().year2026);
    EXPECT_EQ(attached(rowA, user), 2);
    EXPECT_EQ(attached(rowB, user), 1);       // the other row's attachment stays
    EXPECT_EQ(attached(rowA, user + 1), 1);   // and so do another user's
    EXPECT_EQ(c->planChanges()[0].remark, T::MARKED_SETTLEMENTS + "2");
    EXPECT_GE(dialogs.busyCount(), 1);

    // Again with one: the row's attachments are replaced, not added to.
    settlementsWindow.toMark = {s2};
    c->attachSettlements(0);
    EXPECT_EQ(attached(rowA, user), 1);
    EXPECT_EQ(count("select id_rozrachunku from ZMIANA_PLANU_KONT_ROZRACHUNKI where id_zmiana_planu_kont=? "
                    "and id_uzytkownika=?", {rowA, user}), s2);

    // Cancelled: the row keeps what it had.
    settlementsWindow.toMark.clear();
    c->attachSettlements(0);
    EXPECT_EQ(attached(rowA, user), 1);
    EXPECT_EQ(attached(rowB, user), 1);
}

TEST_P(ClosingController_, printingGoesThroughThePrintRangeWithTheSystemsHeaders) {
    services.outcome.problems = {{"USD", T::NOTHING_GENERATED}};
    services.outcome.report = {{"201-01", "202-01", "zamiana"}};
    auto c = opened(services);
    ASSERT_TRUE(c);
    c->execute();
    session().DANE_OPIS_PRN = QStringList{"stary opis"};
    c->printProblems();
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, T::PRINT_PROBLEMS_HEADER);
    EXPECT_TRUE(session().DANE_OPIS_PRN.isEmpty());
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(services.printed[0].first, Printout::Problems);
    ASSERT_EQ(services.printed[0].second.size(), 1u);
    EXPECT_EQ(services.printed[0].second[0][0].text, "USD");

    c->printReport();
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, T::PRINT_REPORT_HEADER);
    ASSERT_EQ(services.printed.size(), 2u);
    EXPECT_EQ(services.printed[1].first, Printout::Report);
    EXPECT_EQ(services.printed[1].second[0][2].text, "zamiana");

    printLibrary.answer = 0;   // the print range cancelled: nothing printed
    c->printReport();
    EXPECT_EQ(services.printed.size(), 2u);
    EXPECT_EQ(printLibrary.calls, 3);
}

KSIEGA_ON_BOTH_ENGINES(ClosingController_);

} // namespace
