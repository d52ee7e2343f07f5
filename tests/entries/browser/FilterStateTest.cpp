// How the quick filter and the saved filter combine, per window rule.
#include "entries/browser/FilterState.h"
#include <gtest/gtest.h>

using namespace ksiega::entries;

TEST(FilterState, savedAndQuickBothNarrowAndOnlyTheQuickFilterIsSaved) {
    FilterState f(FilterPrecedence::SavedAndQuick);
    f.setSaved("Duże", "PDU:kwota_wn>100000");
    f.setQuick("PDU:strona=0");
    EXPECT_EQ(f.savedInForce(), "PDU:kwota_wn>100000");
    EXPECT_EQ(f.quickInForce(), "PDU:strona=0");
    EXPECT_EQ(f.toSave(), "PDU:strona=0");
    EXPECT_EQ(f.quickIcon(), "~filtr_on.ico");
    // A saved filter chosen later does not switch the quick filter off.
    f.setSaved("Małe", "PDU:kwota_wn<100");
    EXPECT_EQ(f.quickInForce(), "PDU:strona=0");
    // A cancelled quick filter window clears it; nothing is left to save.
    f.setQuick("");
    EXPECT_FALSE(f.quickOn());
    EXPECT_EQ(f.toSave(), "");
    EXPECT_EQ(f.quickIcon(), "~filtr.ico");
    EXPECT_EQ(f.savedInForce(), "PDU:kwota_wn<100");
}

TEST(FilterState, theFilterChosenLastReplacesTheOtherAndIsTheOneSaved) {
    FilterState f(FilterPrecedence::LastChosen);
    f.setQuick("PDU:strona=0");
    EXPECT_EQ(f.active(), "PDU:strona=0");
    f.setSaved("Duże", "PDU:kwota_wn>100000");
    EXPECT_EQ(f.active(), "PDU:kwota_wn>100000");
    EXPECT_EQ(f.quickInForce(), "");
    EXPECT_EQ(f.quickIcon(), "~filtr.ico") << "the quick filter no longer narrows the list";
    EXPECT_EQ(f.toSave(), "PDU:kwota_wn>100000");
    f.setQuick("PDU:strona=1");
    EXPECT_EQ(f.active(), "PDU:strona=1");
    EXPECT_FALSE(f.savedActive());
    // A cancelled quick filter leaves the saved filter out too: it was replaced.
    f.setQuick("");
    EXPECT_EQ(f.active(), "");
}

TEST(FilterState, expressionsAreCutToTheirLimitAndBlanksAreNoFilter) {
    FilterState f(FilterPrecedence::SavedAndQuick);
    f.setQuick(QString(FilterState::kMaxExpression + 10, 'x'));
    EXPECT_EQ(f.quickText().size(), FilterState::kMaxExpression);
    f.setQuick("   ");
    EXPECT_FALSE(f.quickOn());
    f.setSaved("pusty", "  ");
    EXPECT_FALSE(f.savedActive());
}
