// The statement chooser and the print-range window, through their controllers.
#include "platform/siblings/print/PrintRangeController.h"
#include "platform/siblings/statements/StatementChooserController.h"
#include <gtest/gtest.h>

using namespace ksiega;

TEST(StatementChooser, answersTheChosenCodeAndZeroOnCancel) {
    statements::StatementChooserController periods(QStringLiteral("KSIEGA_O_1"));
    ASSERT_EQ(periods.statements().size(), 2u);
    EXPECT_EQ(periods.accept(), 61);   // the first statement is current at opening
    periods.setCurrent(1);
    EXPECT_EQ(periods.accept(), 64);
    periods.setCurrent(7);             // out of the list: the choice stays
    EXPECT_EQ(periods.accept(), 64);
    EXPECT_EQ(periods.cancel(), 0);

    statements::StatementChooserController report(QStringLiteral("KSIEGA_R"));
    report.setCurrent(1);
    EXPECT_EQ(report.accept(), 66);
    EXPECT_EQ(statements::StatementChooserController(QStringLiteral("KSIEGA_O_2")).accept(), 63);
}

TEST(StatementChooser, contextWithoutStatementsAnswersZero) {
    statements::StatementChooserController unknown(QStringLiteral("BTW"));
    EXPECT_TRUE(unknown.isEmpty());
    EXPECT_EQ(unknown.accept(), 0);
}

TEST(PrintRange, confirmWritesTheGlobalsAndCancelLeavesThem) {
    uint8_t range = 1, device = 0, copies = 3;
    print::PrintRangeController c({range, device, copies});
    EXPECT_EQ(c.range(), 1);
    EXPECT_EQ(c.copies(), 3);
    c.setRange(2);
    c.setToPrinter(true);
    c.setCopies(500);                  // more than the window allows
    EXPECT_EQ(c.cancel(), 0);
    EXPECT_EQ(range, 1);
    EXPECT_EQ(device, 0);
    EXPECT_EQ(copies, 3);

    EXPECT_EQ(c.accept(), 1);
    EXPECT_EQ(range, 2);
    EXPECT_EQ(device, 1);
    EXPECT_EQ(copies, print::MAX_COPIES);
}

TEST(PrintRange, startsFromSaneValuesWhateverTheGlobalsHold) {
    uint8_t range = 9, device = 0, copies = 0;
    print::PrintRangeController c({range, device, copies});
    EXPECT_EQ(c.range(), 0);
    EXPECT_EQ(c.copies(), 1);
    c.accept();
    EXPECT_EQ(range, 0);
    EXPECT_EQ(copies, 1);
}
