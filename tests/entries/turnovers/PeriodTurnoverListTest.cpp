// The period-turnover list of an account against sums taken straight from the document
// lines, and the shape of the list for short and long fiscal years.
#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using ksiega::entries::PeriodTurnoverList;
using ksiega::entries::PeriodTurnoverQuery;
using ksiega::server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW;
using ksiega::test::zl;

namespace {

class PeriodTurnoverListTest : public test::DbTest {
protected:
    test::LedgerFixture& fixture() {
        if (!m_fixture) m_fixture = std::make_unique<test::LedgerFixture>(db());
        return *m_fixture;
    }
    PeriodTurnoverQuery query2026(const QString& konto, bool whole, const QString& waluta = QStringLiteral("PLN")) {
        auto& f = fixture();
        return {f.company, f.year2026, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31), waluta, konto, whole, 0};
    }

    // Posted lines of 2026 on one side of the account (whole: exactly it; else it and every
    // account below it), in PLN or in one currency; the period alone or up to it.
    Money linesSum(const char* side, const QString& konto, bool whole, const QString& waluta, int period, bool upTo) {
        const bool pln = waluta.toUpper() == QLatin1String("PLN");
        const QString sql =
            QStringLiteral("select coalesce(sum(kwota_%1%2), 0) from POZ_DOK where id_lata_obrot=? and (status=2 or czy_rk=10) "
                           "and %3 and (case when czy_rk=10 then %4 else data_okresu end) %5 ?")
                .arg(QLatin1String(side), pln ? QString() : QStringLiteral("_w"),
                     QStringLiteral("(konto_%1=? or konto_%1 like ?)").arg(QLatin1String(side)))
                .arg(fixture().bo2026())
                .arg(upTo ? QStringLiteral("<=") : QStringLiteral("="));
        db::Params params{fixture().year2026, konto, whole ? konto : konto + "-%"};
        QString fullSql = sql;
        if (!pln) {
            fullSql.replace(QStringLiteral(" and (case"), QStringLiteral(" and upper(waluta)=? and (case"));
            params.push_back(waluta.toUpper());
        }
        params.push_back(period);
        return Money::fromMinor(*db().scalarInt(fullSql, params));
    }

    void expectAgreesWithLines(const QString& konto, bool whole, const QString& waluta) {
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), fixture().company, fixture().year2026, 0);
        PeriodTurnoverList list(db());
        list.rebuild(query2026(konto, whole, waluta));
        ASSERT_EQ(list.rows().size(), 14u);
        Money anyTurnover;
        for (const auto& r : list.rows()) {
            SCOPED_TRACE((konto + " " + waluta + " " + r.okres).toStdString());
            EXPECT_EQ(r.obrotyDt, linesSum("wn", konto, whole, waluta, r.dataOkresu, false));
            EXPECT_EQ(r.obrotyCt, linesSum("ma", konto, whole, waluta, r.dataOkresu, false));
            const Money dt = linesSum("wn", konto, whole, waluta, r.dataOkresu, true);
            const Money ct = linesSum("ma", konto, whole, waluta, r.dataOkresu, true);
            EXPECT_EQ(r.narastajacoDt, dt);
            EXPECT_EQ(r.narastajacoCt, ct);
            EXPECT_EQ(r.saldoDt, dt > ct ? dt - ct : Money());
            EXPECT_EQ(r.saldoCt, ct > dt ? ct - dt : Money());
            anyTurnover += r.obrotyDt + r.obrotyCt;
        }
        EXPECT_FALSE(anyTurnover.isZero()) << "the account should have turnovers in the fixture";
    }

private:
    std::unique_ptr<test::LedgerFixture> m_fixture;
};
KSIEGA_ON_BOTH_ENGINES(PeriodTurnoverListTest);

TEST_P(PeriodTurnoverListTest, shouldAgreeWithTheLinesForASyntheticAccountWithItsSubAccounts) {
    expectAgreesWithLines(QStringLiteral("201"), false, QStringLiteral("PLN"));
    expectAgreesWithLines(QStringLiteral("201"), false, QStringLiteral("eur"));
    expectAgreesWithLines(QStringLiteral("131"), false, QStringLiteral("EUR"));
}

TEST_P(PeriodTurnoverListTest, shouldAgreeWithTheLinesForAnAnalyticAccount) {
    expectAgreesWithLines(QStringLiteral("201-01-001"), true, QStringLiteral("PLN"));
    expectAgreesWithLines(QStringLiteral("131-01"), true, QStringLiteral("EUR"));
    expectAgreesWithLines(QStringLiteral("131-01"), true, QStringLiteral("pln"));
}

TEST_P(PeriodTurnoverListTest, shouldPrefixMonthsWithTheYearWhenTheYearSpansTwoCalendarYears) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year18, 0);
    PeriodTurnoverList list(db());
    list.rebuild({f.company, f.year18, date::fromYmd(2027, 1, 1), date::fromYmd(2028, 6, 30), "PLN", "130", false, 0});
    const auto& rows = list.rows();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows.front().okres, "BO");
    EXPECT_EQ(rows[1].okres, QString::fromUtf8("2027  Styczeń"));
    EXPECT_EQ(rows[13].okres, QString::fromUtf8("2028  Styczeń"));
    EXPECT_EQ(rows[18].okres, QString::fromUtf8("2028  Czerwiec"));
    EXPECT_EQ(rows[18].dataOkresu, f.month18(2028, 6));
    EXPECT_EQ(rows.back().okres, "BZ");
    EXPECT_EQ(rows.back().dataOkresu, f.bz18());
    // The one posting of the year, in February 2028: turnover there, running sum and balance after.
    EXPECT_EQ(rows[14].obrotyDt, zl("777.77"));
    EXPECT_EQ(rows[13].narastajacoDt, Money());
    EXPECT_EQ(rows[19].narastajacoDt, zl("777.77"));
    EXPECT_EQ(rows[19].saldoDt, zl("777.77"));
    EXPECT_EQ(rows[13].saldoDt, Money());
}

TEST_P(PeriodTurnoverListTest, shouldStopAtTwentyFourMonthRowsForALongerYear) {
    auto& f = fixture();
    PeriodTurnoverList list(db());
    list.rebuild({f.company, f.year18, date::fromYmd(2027, 1, 1), date::fromYmd(2029, 6, 30), "PLN", "130", false, 0});
    const auto& rows = list.rows();
    ASSERT_EQ(int(rows.size()), PeriodTurnoverList::kMaxRows);
    EXPECT_EQ(rows[24].okres, QString::fromUtf8("2028  Grudzień"));
    EXPECT_EQ(rows.back().okres, "BZ");
    EXPECT_EQ(rows.back().dataOkresu, date::fromYmd(2029, 6, 28));
}

TEST_P(PeriodTurnoverListTest, shouldGiveZeroBalancesWhenDtEqualsCt) {
    auto& f = fixture();
    f.postIn2026(4, "202-01-001", "130-01", zl("50.00"));
    f.postIn2026(6, "130-01", "202-01-001", zl("50.00"));
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    PeriodTurnoverList list(db());
    list.rebuild(query2026(QStringLiteral("202"), false));
    const auto& bz = list.rows().back();
    EXPECT_EQ(bz.narastajacoDt, zl("50.00"));
    EXPECT_EQ(bz.narastajacoCt, zl("50.00"));
    EXPECT_EQ(bz.saldoDt, Money());
    EXPECT_EQ(bz.saldoCt, Money());
}

TEST_P(PeriodTurnoverListTest, shouldCountUnpostedDocumentsOnlyUnderTheCustomerVariant) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    PeriodTurnoverList list(db());
    PeriodTurnoverQuery q = query2026(QStringLiteral("401"), true);
    list.rebuild(q);
    EXPECT_EQ(list.rows()[5].obrotyDt, Money());
    EXPECT_EQ(list.rows().back().saldoDt, Money());
    q.customerVariant = 1;
    list.rebuild(q);
    EXPECT_EQ(list.rows()[5].okres, QString::fromUtf8("Maj"));
    EXPECT_EQ(list.rows()[5].obrotyDt, zl("99.99"));
    EXPECT_EQ(list.rows().back().narastajacoDt, zl("99.99"));
    EXPECT_EQ(list.rows().back().saldoDt, zl("99.99"));
}

TEST_P(PeriodTurnoverListTest, shouldShowZerosWithoutAnAccount) {
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), fixture().company, fixture().year2026, 0);
    PeriodTurnoverList list(db());
    list.rebuild(query2026(QString(), true));
    ASSERT_EQ(list.rows().size(), 14u);
    for (const auto& r : list.rows()) {
        EXPECT_TRUE(r.obrotyDt.isZero() && r.obrotyCt.isZero() && r.saldoDt.isZero() && r.saldoCt.isZero()) << r.okres.toStdString();
    }
}

} // namespace
