// The entries side of "Księga główna": which entries the list shows for an account,
// currency and filters, the marks and their figures, and the "Podsumowanie" figures.
#include "ledger/accounts/EntryListColumns.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerTest.h"
#include "support/ListedIds.h"
#include "support/TestDatabase.h"
#include <set>

using namespace ksiega;
using namespace ksiega::ledger;
using namespace ksiega::entries;
using ksiega::test::zl;

namespace {

class LedgerEntriesTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        useYear(f().year2026, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31));
    }

    void useYear(int64_t year, int start, int end) {
        session.DANE_ID_FIRMY = f().company;
        session.DANE_LATA_OBROTOWE = year;
        session.DANE_POCZATEK_ROKU = start;
        session.DANE_KONIEC_ROKU = end;
        session.DANE_ID_UZYTKOWNIKA_NR = 7;
        m_controller = std::make_unique<LedgerEntriesController>(db(), session);
    }
    LedgerEntriesController& c() { return *m_controller; }

    // GIVEN an account (and currency) chosen, WHEN the list is rebuilt.
    LedgerEntriesController& show(const QString& account, bool whole, const QString& currency = QStringLiteral("PLN")) {
        c().setAccount(account, whole);
        c().setCurrency(currency);
        c().rebuild();
        return c();
    }
    std::vector<int64_t> listedIds() { return test::listedIdsToTheEnd(c().entries()); }
    int listed() { return int(listedIds().size()); }
    int rowOf(int64_t id) {
        for (int r = 0; r < c().entries().heldRows(); ++r)
            if (c().entries().idAt(r) == id) return r;
        return -1;
    }
    // Figures taken straight from the document lines, side by side.
    EntryFigures direct(const QString& accountLike, const QString& waluta) {
        EntryFigures out;
        for (const char* side : {"wn", "ma"}) {
            auto rows = db().select(QStringLiteral("select count(*), coalesce(sum(kwota_%1),0), coalesce(sum(kwota_%1_w),0) from POZ_DOK "
                                                   "where id_firmy=? AND id_lata_obrot=? AND konto_%1 like ? AND status=2 "
                                                   "AND czy_rk<>10 AND (?='' OR waluta=?)")
                                        .arg(QLatin1String(side)),
                                    {f().company, f().year2026, accountLike, waluta, waluta});
            rows.next();
            out.count += rows.int64(0);
            (QLatin1String(side) == QLatin1String("wn") ? out.dt : out.ct) = rows.money(1);
            (QLatin1String(side) == QLatin1String("wn") ? out.dtW : out.ctW) = rows.money(2);
        }
        return out;
    }

    SessionContext session;

private:
    std::unique_ptr<LedgerEntriesController> m_controller;
};
KSIEGA_ON_BOTH_ENGINES(LedgerEntriesTest);

TEST_P(LedgerEntriesTest, shouldListNothingBeforeAnAccountIsChosen) {
    EXPECT_EQ(listed(), 0);
    c().rebuild();
    EXPECT_TRUE(c().filter().contains(QLatin1String(kNoAccount)));
    EXPECT_EQ(listed(), 0);
    ASSERT_TRUE(c().computeTotals());
    EXPECT_EQ(c().summary().totals(), EntryFigures{});
}

TEST_P(LedgerEntriesTest, shouldListPostedEntriesOfTheAccountInTheChosenCurrency) {
    // 130-01: February Dt 1000, March Dt 200 and Ct 100; "pln" is the home currency.
    show(QStringLiteral("130-01"), true, QStringLiteral("pln"));
    EXPECT_FALSE(c().filter().contains(QLatin1String("waluta")));
    EXPECT_EQ(listed(), 3);
    // 131-01 in EUR: the March line only (the opening balance is not a ledger entry).
    show(QStringLiteral("131-01"), true, QStringLiteral("EUR"));
    ASSERT_EQ(listed(), 1);
    const EntryRowValues v = c().rowValues(0);
    EXPECT_EQ(v.kwota_bro_WN, zl("2150.00"));
    EXPECT_EQ(v.kwota_bro_WN_w, zl("500.00"));
    EXPECT_EQ(v.okresu_obrot, QStringLiteral("Marzec"));
    show(QStringLiteral("131-01"), true, QStringLiteral("USD"));
    EXPECT_EQ(listed(), 0);
}

TEST_P(LedgerEntriesTest, shouldListUnpostedAndOpeningEntriesInTheCustomerVariant) {
    show(QStringLiteral("401"), true);
    EXPECT_EQ(listed(), 0);
    session.customerVariant = 1;
    show(QStringLiteral("401"), true);
    EXPECT_EQ(listed(), 1);
    show(QStringLiteral("201-01-001"), true);
    EXPECT_EQ(listed(), 3);   // BO, January, February
    c().setSortOrder(3);
    EXPECT_EQ(c().rowValues(0).okresu_obrot, QStringLiteral("BO"));
}

TEST_P(LedgerEntriesTest, shouldListEveryAnalyticAccountUnderASyntheticOneWithoutTheWholeFlag) {
    show(QStringLiteral("201"), true);
    EXPECT_EQ(listed(), 0);
    show(QStringLiteral("201"), false);
    EXPECT_EQ(listed(), 3);   // 201-01-001 twice, 201-01-002 once
}

TEST_P(LedgerEntriesTest, shouldLabelMonthsWithTheYearWhenTheFiscalYearSpansTwoCalendarYears) {
    useYear(f().year18, date::fromYmd(2027, 1, 1), date::fromYmd(2028, 6, 30));
    show(QStringLiteral("130-01"), true);
    ASSERT_EQ(listed(), 1);
    EXPECT_EQ(c().rowValues(0).okresu_obrot, QStringLiteral("2028  Luty"));
    EXPECT_EQ(c().entries().data(c().entries().index(0, 1)).toString(), QStringLiteral("2028  Luty"));
}

TEST_P(LedgerEntriesTest, shouldKeepAQuoteInTheAccountInsideItsText) {
    for (bool whole : {true, false}) {
        show(QStringLiteral("130'-01') OR ('1'='1"), whole);
        EXPECT_TRUE(c().filterError().isEmpty()) << c().filterError().toStdString();
        EXPECT_EQ(listed(), 0);
        ASSERT_TRUE(c().computeTotals());
        EXPECT_EQ(c().summary().totals().count, 0);
    }
}

TEST_P(LedgerEntriesTest, shouldIgnoreAnAccountPieceOf400CharactersWithAWarning) {
    show(QStringLiteral("130-01"), true);
    EXPECT_TRUE(c().warning().isEmpty());
    const QString longAccount = QStringLiteral("130-01") + QString(400, QLatin1Char('9'));
    EXPECT_EQ(show(longAccount, true).warning(), QString::fromUtf8(kFilterTooLongText));
    // Only the fiscal year is left: every line side of the year, of every status.
    EXPECT_FALSE(c().filter().contains(QLatin1String("konto")));
    ASSERT_TRUE(c().computeTotals());
    EXPECT_EQ(c().summary().totals().count,
              *db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=?", {f().year2026}));
    // Just under the limit the account stays.
    EXPECT_TRUE(show(QStringLiteral("130-01") + QString(300, QLatin1Char('9')), true).warning().isEmpty());
    EXPECT_EQ(listed(), 0);
}

TEST_P(LedgerEntriesTest, shouldKeepAnOrInTheQuickFilterWithinTheAccount) {
    c().setQuickFilter(true, QStringLiteral("PDU:kwota_wn=123000 OR PDU:kwota_wn=100000"));
    show(QStringLiteral("201-01-001"), true);
    EXPECT_EQ(listed(), 1);   // January only; 130-01's 1000 Dt stays out
    c().setQuickFilter(true, QStringLiteral("PDU:kwota_wn="));
    c().rebuild();
    EXPECT_FALSE(c().filterError().isEmpty());
    EXPECT_EQ(listed(), 0);
}

TEST_P(LedgerEntriesTest, shouldShowOnlyStoredMarksWithShowMarked) {
    show(QStringLiteral("130-01"), true);
    ASSERT_TRUE(c().setShowMarked(true).ok);
    c().rebuild();
    EXPECT_EQ(listed(), 0);

    ASSERT_TRUE(c().setShowMarked(false).ok);
    c().rebuild();
    const std::vector<int64_t> all = listedIds();
    ASSERT_EQ(all.size(), 3u);
    c().toggleMark(0);
    c().toggleMark(2);
    ASSERT_TRUE(c().setShowMarked(true).ok);
    c().rebuild(true);
    const std::vector<int64_t> shown = listedIds();
    EXPECT_EQ(std::set<int64_t>(shown.begin(), shown.end()), (std::set<int64_t>{all[0], all[2]}));
    EXPECT_EQ(c().summary().marked().count, 2);

    // "Zaznacz wszystko" with one row taken off stores every other row of the list.
    ASSERT_TRUE(c().setShowMarked(false).ok);
    c().rebuild();
    c().markAll();
    c().toggleMark(1);
    ASSERT_TRUE(c().setShowMarked(true).ok);
    c().rebuild(true);
    const std::vector<int64_t> rest = listedIds();
    EXPECT_EQ(std::set<int64_t>(rest.begin(), rest.end()), (std::set<int64_t>{all[0], all[2]}));
}

TEST_P(LedgerEntriesTest, shouldAddUpTheListedEntriesAsTheDocumentLinesDo) {
    show(QStringLiteral("201"), false);
    ASSERT_TRUE(c().computeTotals());
    EXPECT_EQ(c().summary().totals(), direct(QStringLiteral("201%"), QString()));
    EXPECT_EQ(c().summary().totals().dt, zl("1230.00"));

    show(QStringLiteral("131"), false, QStringLiteral("EUR"));
    ASSERT_TRUE(c().computeTotals());
    const EntryFigures eur = direct(QStringLiteral("131%"), QStringLiteral("EUR"));
    EXPECT_EQ(c().summary().totals(), eur);
    EXPECT_EQ(eur.dtW, zl("500.00"));
}

TEST_P(LedgerEntriesTest, shouldShowFiveSummaryRowsAtHomeAndNineInACurrency) {
    f().postIn2026(4, QStringLiteral("234-01"), QStringLiteral("234-01"), zl("75.00"));
    c().setSummaryShown(true);
    show(QStringLiteral("234-01"), true, QStringLiteral("Pln"));
    std::vector<SummaryRow> rows = c().summaryRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].left.label, QStringLiteral("Ilość pozycji"));
    EXPECT_EQ(rows[0].right.label, QStringLiteral("Ilość pozycji /zaznaczone/"));
    EXPECT_EQ(rows[4].right.label, QStringLiteral("Saldo Ct/zaznaczone/"));
    // 234-01: Ct 200 in March, and the April line Dt 75 / Ct 75.
    EXPECT_EQ(rows[1].left.amount, zl("75.00"));
    EXPECT_EQ(rows[2].right.amount, zl("200.00"));
    EXPECT_EQ(rows[2].left.amount, Money());

    c().setQuickFilter(true, QStringLiteral("PDU:data_okresu=") + QString::number(f().month2026(4)));
    c().rebuild();   // Dt = Ct: no balance on either side
    rows = c().summaryRows();
    EXPECT_EQ(rows[0].left.count, 2);
    EXPECT_TRUE(rows[2].left.amount.isZero() && rows[2].right.amount.isZero());

    c().setQuickFilter(false, QString());
    show(QStringLiteral("131-01"), true, QStringLiteral("EUR"));
    rows = c().summaryRows();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[5].left.label, QStringLiteral("Obroty Dt EUR"));
    EXPECT_EQ(rows[5].left.amount, zl("500.00"));
    EXPECT_EQ(rows[8].right.label, QStringLiteral("Saldo Ct EUR /zaznaczone/"));
}

TEST_P(LedgerEntriesTest, shouldFollowTheMarksWithTheMarkedFigures) {
    show(QStringLiteral("130-01"), true);   // Dt 1000, Dt 200, Ct 100
    c().setSortOrder(7);                    // amount Dt ascending: Ct line (0), 200, 1000
    ASSERT_EQ(c().rowValues(2).kwota_bro_WN, zl("1000.00"));
    c().toggleMark(2);
    EXPECT_EQ(c().summary().marked(), (EntryFigures{1, zl("1000.00"), {}, {}, {}}));
    c().toggleMark(0);
    c().toggleMark(2);
    EXPECT_EQ(c().summary().marked(), (EntryFigures{1, {}, zl("100.00"), {}, {}}));

    c().invertMarks();
    EXPECT_EQ(c().summary().marked(), (EntryFigures{2, zl("1200.00"), {}, {}, {}}));
    EXPECT_FALSE(c().isMarked(c().entries().idAt(0)));
    EXPECT_TRUE(c().isMarked(c().entries().idAt(1)));
    c().invertMarks();
    EXPECT_EQ(c().summary().marked(), (EntryFigures{1, {}, zl("100.00"), {}, {}}));

    // After "Zaznacz wszystko" a click takes the row off, it does not count it twice.
    c().markAll();
    EXPECT_EQ(c().summary().marked().count, 3);
    c().toggleMark(1);
    EXPECT_EQ(c().summary().marked(), (EntryFigures{2, zl("1000.00"), zl("100.00"), {}, {}}));
    c().unmarkAll();
    EXPECT_EQ(c().summary().marked(), EntryFigures{});

    c().markAll();
    c().rebuild(true);
    EXPECT_EQ(c().summary().marked().count, 3);
    c().rebuild();
    EXPECT_EQ(c().summary().marked(), EntryFigures{});
    EXPECT_FALSE(c().isMarked(c().entries().idAt(0)));
}

TEST_P(LedgerEntriesTest, shouldTurnEachSortOrderRoundWithTheDirection) {
    show(QStringLiteral("130-01"), true);
    for (int order = 1; order <= kEntrySortOrders; ++order) {
        c().setSortOrder(order);
        const std::vector<int64_t> forward = listedIds();
        ASSERT_EQ(forward.size(), 3u) << order;
        c().toggleDirection();
        if (order == 25) continue;
        EXPECT_NE(c().descending(), entrySortDescending(order));
        std::vector<int64_t> back = listedIds();
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(back, forward) << "order " << order;
    }
}

TEST_P(LedgerEntriesTest, shouldNameTheLineOfTheCurrentRow) {
    show(QStringLiteral("201-01-002"), true);
    ASSERT_EQ(listed(), 1);
    c().setCurrentRow(0);
    const auto e = c().currentEntry();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->strona, 1);
    EXPECT_EQ(e->dataOkresu, f().month2026(3));
    EXPECT_EQ(*db().scalarText("select nr_ewid_dok from NAG_DOK where id_nag_dok=?", {e->idNagDok}), QStringLiteral("WB/03/1"));
    EXPECT_EQ(*db().scalarText("select konto_ma from POZ_DOK where id_poz_dok=?", {e->idPozDok}), QStringLiteral("201-01-002"));
}

} // namespace

namespace {

TEST_P(LedgerEntriesTest, shouldBuildThePeriodTurnoversInsteadOfTheListInViewModeOne) {
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    c().setViewMode(1);
    show(QStringLiteral("130-01"), true);
    const auto& periods = c().periodTurnovers().rows();
    ASSERT_EQ(periods.size(), 14u);   // BO, twelve months, BZ
    EXPECT_EQ(periods.front().okres, QStringLiteral("BO"));
    EXPECT_EQ(periods[2].obrotyDt, zl("1000.00"));   // February
    c().setViewMode(0);
    c().rebuild();
    EXPECT_EQ(listed(), 3);
}

} // namespace
