// "Podsumowanie": one row per currency and the two totals, each beside its own label,
// against sums taken straight from the opening-balance lines.
#include "OpeningBalanceFixture.h"

using namespace ksiega;
using namespace ksiega::test;

namespace {

class OpeningBalanceSummary : public OpeningBalanceTest {
protected:
    // Dt, Dt in currency, Ct, Ct in currency of the currency's document ("" = PLN).
    std::array<Money, 4> documentSums(const QString& waluta) {
        auto rows = db().select("select coalesce(sum(p.kwota_wn),0), coalesce(sum(p.kwota_wn_w),0), "
                                "coalesce(sum(p.kwota_ma),0), coalesce(sum(p.kwota_ma_w),0) from POZ_DOK p join NAG_DOK n "
                                "on n.id_nag_dok=p.id_nag_dok where n.czy_rk=10 and n.id_lata_obrot=? and n.waluta=?",
                                {f().year2026, waluta});
        rows.next();
        return {rows.money(0), rows.money(1), rows.money(2), rows.money(3)};
    }
    // Dt and Ct of every opening-balance line of the year, PLN; off-balance ones only
    // when offBalanceOnly.
    std::pair<Money, Money> yearSums(bool offBalanceOnly) {
        const QString off = offBalanceOnly ? QStringLiteral(" and substr(%1,1,3)='990'") : QString();
        auto sum = [&](const char* side) {
            const QString s = QString::fromLatin1(side);
            auto rows = db().select(QStringLiteral("select coalesce(sum(p.kwota_%1),0) from POZ_DOK p join NAG_DOK n on "
                                                   "n.id_nag_dok=p.id_nag_dok where n.czy_rk=10 and n.id_lata_obrot=?")
                                            .arg(s) +
                                        off.arg("p.konto_" + s),
                                    {f().year2026});
            rows.next();
            return rows.money(0);
        };
        return {sum("wn"), sum("ma")};
    }
};

TEST_P(OpeningBalanceSummary, eachCurrencyAndEachTotalStandsBesideItsOwnLabel) {
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    f().openingBalanceLine(f().year2026, "", "990", zl("4.00"));
    auto c = opened();
    c->refreshSummary();
    const auto& rows = c->summary();
    ASSERT_EQ(rows.size(), 3u);   // PLN, EUR, USD
    for (const auto& r : rows) {
        const auto expected = documentSums(r.symbol == "PLN" ? QString() : r.symbol);
        EXPECT_EQ(r.dt, expected[0]) << r.symbol.toStdString();
        EXPECT_EQ(r.dtW, expected[1]) << r.symbol.toStdString();
        EXPECT_EQ(r.ct, expected[2]) << r.symbol.toStdString();
        EXPECT_EQ(r.ctW, expected[3]) << r.symbol.toStdString();
    }
    const auto all = yearSums(false), off = yearSums(true);
    ASSERT_FALSE(off.first.isZero());
    const auto& t = c->summaryTotals();
    EXPECT_EQ(t.withOffBalanceDt, all.first);
    EXPECT_EQ(t.withOffBalanceCt, all.second);
    EXPECT_EQ(t.withoutOffBalanceDt, all.first - off.first);
    EXPECT_EQ(t.withoutOffBalanceCt, all.second - off.second);
}

KSIEGA_ON_BOTH_ENGINES(OpeningBalanceSummary);

} // namespace
