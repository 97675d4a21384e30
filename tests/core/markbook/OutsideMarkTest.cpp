#include "core/markbook/OutsideMark.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
using K = OutsideMark::Kind;
struct Case {
    const char* cell;
    K kind;
    const char* mark;  // stored mark, or the reason when refused
    const char* shown; // the preview ("" when refused or empty)
};
} // namespace

TEST(OutsideMark, EachCellIsStoredRoundedOrRefusedWithItsReason)
{
    const Case cases[] = {
        {"87", K::Mark, "87", "87"},
        {"0", K::Mark, "0", "0"},
        {"100", K::Mark, "100", "100"},
        {"087", K::Mark, "87", "87"},
        {"87.5", K::Mark, "88", "87.5 \u2192 88"},
        {"87.49", K::Mark, "87", "87.49 \u2192 87"},
        {"87,5", K::Mark, "88", "87.5 \u2192 88"}, // a decimal comma
        {"99.5", K::Mark, "100", "99.5 \u2192 100"},
        {".5", K::Mark, "1", "0.5 \u2192 1"},
        {" 92 % ", K::Mark, "92", "92"},
        {"\xC2\xA0" "75%", K::Mark, "75", "75"},
        {"I", K::Mark, "I", "I"},
        {"i", K::Mark, "I", "I"},
        {"", K::Empty, "", ""},
        {"  ", K::Empty, "", ""},
        {"%", K::Empty, "", ""},
        {"-5", K::Refused, "a negative mark", ""},
        {"-0.5", K::Refused, "a negative mark", ""},
        {"100.5", K::Refused, "above 100", ""},
        {"101", K::Refused, "above 100", ""},
        {"123456789012345678901234567890", K::Refused, "above 100", ""},
        {"B+", K::Refused, "a letter grade, not a mark", ""},
        {"a", K::Refused, "a letter grade, not a mark", ""},
        {"absent", K::Refused, "not a mark", ""},
        {"8 7", K::Refused, "not a mark", ""},
        {"87.5.1", K::Refused, "not a mark", ""},
        {"1e2", K::Refused, "not a mark", ""},
        {"-", K::Refused, "not a mark", ""},
        {"1,000", K::Refused, "a thousands separator or a decimal comma?", ""},
        {"87,500", K::Refused, "a thousands separator or a decimal comma?", ""},
        {"87,50", K::Mark, "88", "87.50 \u2192 88"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        const OutsideMark m = readOutsideMark(c.cell);
        EXPECT_EQ(m.kind, c.kind);
        EXPECT_EQ(c.kind == K::Refused ? m.reason : m.mark, c.mark);
        EXPECT_EQ(m.shown, c.shown);
    }
}

TEST(OutsideMark, ANumeratorOverItsDenominatorIsAPercentRoundedHalfUp)
{
    EXPECT_EQ(readFractionMark("43.75", "50").shown, "43.75 / 50 \u2192 88"); // 87.5 exactly
    EXPECT_EQ(readFractionMark("87.5", "100").mark, "88");
    EXPECT_EQ(readFractionMark("7", "8").mark, "88");   // 87.5 reached through a division
    EXPECT_EQ(readFractionMark("20", "20").mark, "100");
    EXPECT_EQ(readFractionMark("", "50").kind, K::Empty);
    EXPECT_EQ(readFractionMark("51", "50").reason, "above 100");
    EXPECT_EQ(readFractionMark("40", "0").reason, "the denominator is not a number above 0");
    EXPECT_EQ(readFractionMark("40", "").reason, "the denominator is not a number above 0");
    EXPECT_EQ(readFractionMark("x", "50").reason, "the numerator is not a number");
    EXPECT_EQ(readFractionMark("-1", "50").reason, "a negative mark");
    EXPECT_EQ(readFractionMark("40", "1,000").reason, "a thousands separator or a decimal comma?");
}
