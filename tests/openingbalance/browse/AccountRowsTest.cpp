// The roll-up of opening amounts through the account tree, balances and the LIST4 totals.
#include "openingbalance/browse/AccountRows.h"
#include "openingbalance/browse/OpeningBalanceData.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::openingbalance;

namespace {

Money zl(const char* text) { return Money::parseOrThrow(QString::fromLatin1(text)); }

AccountRow row(const char* account, char type = 'B') {
    AccountRow r;
    r.account = QString::fromLatin1(account);
    r.level = int(r.account.count('-')) + 1;
    r.type = QChar::fromLatin1(type);
    return r;
}

const AccountRow& at(const AccountRows& rows, const char* account) {
    return rows.rows().at(size_t(rows.indexOf(QString::fromLatin1(account))));
}

TEST(AccountRollUp, aRowTakesItsOwnSegmentsOnlyAndCardsReachTheirRegister) {
    AccountRows rows({row("130"), row("130-1"), row("130-1-5"), row("130-10"), row("201"), row("201-01"), row("800")});
    rows.addDebits({{"130-1", zl("20.00"), {}},
                    {"130-1-5", zl("100.00"), {}},
                    {"130-10", zl("7.00"), zl("1.00")},
                    {"201-01-001", zl("2000.00"), {}},   // a card account: no row of its own
                    {"201-01-002", zl("3.00"), {}},
                    {"800", zl("9.00"), {}},             // no "-": itself only
                    {"8000", zl("1.00"), {}},            // neither 800 nor a row
                    {"999-1", zl("5.00"), {}}});         // no row above it at all
    EXPECT_EQ(at(rows, "130-1-5").kwotaDt, zl("100.00"));
    EXPECT_EQ(at(rows, "130-1").kwotaDt, zl("120.00"));
    EXPECT_EQ(at(rows, "130-10").kwotaDt, zl("7.00"));
    EXPECT_EQ(at(rows, "130-10").kwotaDtW, zl("1.00"));
    EXPECT_EQ(at(rows, "130").kwotaDt, zl("127.00"));
    EXPECT_EQ(at(rows, "201-01").kwotaDt, zl("2003.00"));
    EXPECT_EQ(at(rows, "201").kwotaDt, zl("2003.00"));
    EXPECT_EQ(at(rows, "800").kwotaDt, zl("9.00"));
    for (const AccountRow& r : rows.rows()) EXPECT_TRUE(r.kwotaCt.isZero()) << r.account.toStdString();
}

TEST(AccountRollUp, balancesFallOnTheLargerSideAndZeroShowsZeroOnBoth) {
    AccountRows rows({row("234"), row("235"), row("236")});
    rows.addDebits({{"234", zl("500.00"), zl("50.00")}, {"235", zl("300.00"), {}}, {"236", zl("10.00"), {}}});
    rows.addCredits({{"234", zl("200.00"), zl("80.00")}, {"235", zl("300.00"), {}}, {"236", zl("10.01"), {}}});
    rows.computeBalances();
    EXPECT_EQ(at(rows, "234").saldoDt, zl("300.00"));
    EXPECT_TRUE(at(rows, "234").saldoCt.isZero());
    EXPECT_TRUE(at(rows, "234").saldoDtW.isZero());   // the currency columns balance on their own
    EXPECT_EQ(at(rows, "234").saldoCtW, zl("30.00"));
    EXPECT_TRUE(at(rows, "235").saldoDt.isZero());
    EXPECT_TRUE(at(rows, "235").saldoCt.isZero());
    EXPECT_TRUE(at(rows, "236").saldoDt.isZero());
    EXPECT_EQ(at(rows, "236").saldoCt, zl("0.01"));
}

TEST(AccountRollUp, totalsCountLevelOneRowsAndLeaveOffBalanceOutOfTheSecondLine) {
    AccountRows rows({row("130"), row("130-01"), row("800"), row("990", 'P')});
    rows.addDebits({{"130-01", zl("100.00"), zl("10.00")}, {"990", zl("15.00"), zl("1.50")}});
    rows.addCredits({{"800", zl("100.00"), {}}});
    rows.computeBalances();
    const std::vector<TotalLine> t = totalLines(rows.rows());
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].label, QStringLiteral("Razem z uwzględnieniem kont pozabilansowych"));
    EXPECT_EQ(t[0].kwotaDt, zl("115.00"));   // 130 and 990, not 130-01 a second time
    EXPECT_EQ(t[0].saldoDt, zl("115.00"));
    EXPECT_EQ(t[0].kwotaCt, zl("100.00"));
    EXPECT_EQ(t[1].label, QStringLiteral("Razem bez uwzględnienia kont pozabilansowych"));
    EXPECT_EQ(t[1].kwotaDt, zl("100.00"));
    EXPECT_EQ(t[1].saldoDt, zl("100.00"));
    EXPECT_EQ(t[2].label, QStringLiteral("Razem z uwzględnieniem kont pozabilansowych w walucie"));
    EXPECT_EQ(t[2].kwotaDt, zl("11.50"));
    EXPECT_EQ(t[3].label, QStringLiteral("Razem bez uwzględnienia kont pozabilansowych w walucie"));
    EXPECT_EQ(t[3].kwotaDt, zl("10.00"));
}

TEST(AccountOrder, segmentsCompareOneByOneSoAParentComesBeforeItsChildren) {
    EXPECT_TRUE(accountBefore("130-1", "130-1-5"));
    EXPECT_TRUE(accountBefore("130-1-5", "130-10"));
    EXPECT_TRUE(accountBefore("130-2", "130-10"));
    EXPECT_TRUE(accountBefore("130-10", "131"));
    EXPECT_FALSE(accountBefore("131", "130-10"));
    EXPECT_EQ(parentAccount("201-01-003"), "201-01");
    EXPECT_EQ(parentAccount("201"), "");
}

} // namespace
