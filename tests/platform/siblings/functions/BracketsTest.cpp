// ZAMIEN_SKOBKI of our function library: the brackets the reporting files read as markup
// become round ones; everything else stays.
#include "platform/siblings/functions/FunctionsLibrary.h"
#include <gtest/gtest.h>

using namespace ksiega::functions;

TEST(BracketsTest, squareCurlyAndAngleBracketsBecomeRoundAndNothingElseChanges) {
    const std::pair<QString, QString> cases[] = {
        {"FV [12/2025]", "FV (12/2025)"},
        {"{zaliczka} <pilne>", "(zaliczka) (pilne)"},
        {"a]b[c", "a)b(c"},
        {"Zapłata (część) za fakturę 5/2025 - 50% 'ŁÓDŹ'", "Zapłata (część) za fakturę 5/2025 - 50% 'ŁÓDŹ'"},
        {"", ""},
        {"[[]]", "(())"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(functionsLibrary().ZAMIEN_SKOBKI(in), out) << in.toStdString();
}
