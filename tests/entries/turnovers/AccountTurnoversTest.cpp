// OBLICZ_OBROTY_DLA_KONTA: which rows of OBROTY_I_SALDA it adds up.
#include "platform/server/AccountTurnovers.h"
#include "platform/server/Procedures.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerTest.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class AccountTurnoversTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    }
    AccountTurnover at(int period, const QString& konto, int whole, const QString& waluta = QStringLiteral("PLN")) {
        return OBLICZ_OBROTY_DLA_KONTA(db(), f().company, f().year2026, period, waluta, konto, whole, 1);
    }
};
KSIEGA_ON_BOTH_ENGINES(AccountTurnoversTest);

TEST_P(AccountTurnoversTest, shouldCountEachLevelOfAnAccountOnceForAPrefix) {
    const int bz = f().bz2026();
    // 201 = BO 2000 + 1230 Dt; 1000 + 2150 Ct.
    const AccountTurnover synthetic = at(bz, QStringLiteral("201"), 1);
    EXPECT_EQ(synthetic.saldoDt, zl("80.00"));
    EXPECT_EQ(synthetic.saldoCt, Money());
    EXPECT_EQ(at(bz, QStringLiteral("201"), 0), synthetic);
    EXPECT_EQ(at(bz, QStringLiteral("201-01"), 0), at(bz, QStringLiteral("201-01"), 1));
    // "20" begins 201 and 202: both synthetic rows, nothing below them again.
    const AccountTurnover both = at(f().month2026(5), QStringLiteral("20"), 0);
    const AccountTurnover a = at(f().month2026(5), QStringLiteral("201"), 1), b = at(f().month2026(5), QStringLiteral("202"), 1);
    EXPECT_EQ(both.saldoDt, a.saldoDt + b.saldoDt);
    EXPECT_EQ(both.saldoCt, a.saldoCt + b.saldoCt);
    // Turnovers of a period: January 1230 Dt on 201-01-001.
    EXPECT_EQ(at(f().month2026(1), QStringLiteral("201"), 0).obrotyDt, zl("1230.00"));
}

TEST_P(AccountTurnoversTest, shouldSumDtAndCtBalancesAsStoredAcrossSiblings) {
    // Two-balance 234: 234-01 = 500 Dt - 200 Ct, 234-02 = 300 Ct - 100 Dt.
    const int bz = f().bz2026();
    const AccountTurnover siblings = at(bz, QStringLiteral("234-0"), 0);
    EXPECT_EQ(siblings.saldoDt, zl("300.00"));
    EXPECT_EQ(siblings.saldoCt, zl("200.00"));
    EXPECT_EQ(at(bz, QStringLiteral("234"), 0), at(bz, QStringLiteral("234"), 1));
}

TEST_P(AccountTurnoversTest, shouldGiveZerosWithoutARow) {
    EXPECT_EQ(at(f().month2026(1), QStringLiteral("999"), 1), AccountTurnover{});
    EXPECT_EQ(at(f().month2026(1), QStringLiteral("700"), 0).obrotyCt, zl("1230.00"));
    EXPECT_EQ(at(f().bo2026(), QStringLiteral("700"), 0), AccountTurnover{});   // before its first turnover
    // A quote in the account text is only a value.
    EXPECT_EQ(at(f().bz2026(), QStringLiteral("2' or '1'='1"), 0), AccountTurnover{});
}

TEST_P(AccountTurnoversTest, shouldAnswerByNameWithTheVariantChoosingTheSet) {
    const db::Params args{f().company, f().year2026, f().month2026(5), "pln", "401", 1, 0};
    const ResultSet variant0 = callProcedure(db(), QStringLiteral("OBLICZ_OBROTY_DLA_KONTA"), args);
    ASSERT_EQ(variant0.rows.size(), 1u);
    ASSERT_EQ(variant0.columns.size(), 4);
    EXPECT_EQ(variant0.rows[0][0].toInt64(), zl("99.99").minor());
    EXPECT_EQ(variant0.rows[0][2].toInt64(), zl("99.99").minor());
    db::Params posted = args;
    posted[6] = 1;
    const ResultSet variant1 = callProcedure(db(), QStringLiteral("dbo.oblicz_obroty_dla_konta"), posted);
    EXPECT_EQ(variant1.rows[0][0].toInt64(), 0);
}

} // namespace
