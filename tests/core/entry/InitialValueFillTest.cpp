#include "core/entry/InitialValueFill.h"
#include "support/InitialRanges.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
const std::vector<InitialValueRange> ranges{
    test::markRange(50, 59, {"0101", "0102", "0103"}, {"2", "2", "3", "3", "2", "2"}),
    test::markRange(0, 49, {"0201", "", ""}, {"1", "1", "1", "1", "1", "1"}),
    test::markRange(45, 100, {"0301", "0302", "0303"}, {"4", "4", "4", "4", "4", "4"}), // overlaps: never reached below 50
};

StudentRecord student() { return newStudentRecord("ENG2D1-01", "123456789", "Nguyen", "Linh", "F", ""); }
} // namespace

TEST(InitialValueFill, TheFirstRangeHoldingTheRoundedMarkIsUsed)
{
    EXPECT_EQ(rangeForMark(ranges, "55"), &ranges[0]);
    EXPECT_EQ(rangeForMark(ranges, "47"), &ranges[1]); // ranges 2 and 3 both hold it: the first wins
    EXPECT_EQ(rangeForMark(ranges, "I"), &ranges[1]);  // "I" counts as 0
    EXPECT_EQ(rangeForMark(ranges, "60"), &ranges[2]);
    // Both ends of a range belong to it.
    EXPECT_EQ(rangeForMark(ranges, "59"), &ranges[0]);
    EXPECT_EQ(rangeForMark(ranges, "50"), &ranges[0]);
    EXPECT_EQ(rangeForMark(ranges, "100"), &ranges[2]);
    EXPECT_EQ(rangeForMark(ranges, "0"), &ranges[1]);
    EXPECT_EQ(rangeForMark(ranges, "101"), nullptr);
    EXPECT_EQ(markRangeValue("49.5"), 50); // halves go to the even number
    EXPECT_EQ(markRangeValue("48.5"), 48);
    EXPECT_EQ(markRangeValue("99999"), std::nullopt);
    EXPECT_EQ(rangeForMark({}, "55"), nullptr);
}

TEST(InitialValueFill, ANewStudentGetsTheRangesCodesAndSkills)
{
    StudentRecord s = student();
    const InitialValuesGiven given = applyInitialValues(s, ranges, "55");
    EXPECT_TRUE(given.comments);
    EXPECT_TRUE(given.skills);
    EXPECT_EQ(s.comment1 + s.comment2 + s.comment3, "010101020103");
    EXPECT_EQ(s.comment4 + s.comment5, "");
    EXPECT_EQ(s.skillResponsibility + s.skillOrganization + s.skillIndependentWork + s.skillCollaboration +
                  s.skillInitiative + s.skillSelfRegulation,
              "223322");
    EXPECT_EQ(s.mark, ""); // storing the mark is the caller's
}

TEST(InitialValueFill, CommentsAndSkillsAreJudgedSeparately)
{
    StudentRecord hasCode = student();
    hasCode.comment2 = "0456";
    InitialValuesGiven given = applyInitialValues(hasCode, ranges, "55");
    EXPECT_FALSE(given.comments);
    EXPECT_TRUE(given.skills);
    EXPECT_EQ(hasCode.comment1 + "|" + hasCode.comment2, "|0456");

    // A deleted comment (blank code) is the teacher's: no initial comments.
    StudentRecord deleted = student();
    deleted.comment1 = "    ";
    EXPECT_FALSE(applyInitialValues(deleted, ranges, "55").comments);

    // A rated skill keeps all six as they are, whatever the comments do.
    StudentRecord rated = student();
    rated.skillCollaboration = "4";
    given = applyInitialValues(rated, ranges, "55");
    EXPECT_TRUE(given.comments);
    EXPECT_FALSE(given.skills);
    EXPECT_EQ(rated.skillResponsibility, "3");

    // A free-form student shows no codes and gets none.
    StudentRecord freeForm = student();
    freeForm.hasFreeForm = true;
    EXPECT_FALSE(applyInitialValues(freeForm, ranges, "55").comments);
    EXPECT_EQ(freeForm.comment1, "");

    // Outside every range nothing at all changes.
    StudentRecord outside = student();
    EXPECT_FALSE(applyInitialValues(outside, ranges, "101").skills);
    EXPECT_EQ(outside, student());
}

TEST(InitialValueFill, AnEmptySkillCountsAsNotYetRated)
{
    StudentRecord s = student();
    s.skillSelfRegulation = "";
    EXPECT_TRUE(initialSkillsWanted(s));
    EXPECT_TRUE(applyInitialValues(s, ranges, "20").skills);
    EXPECT_EQ(s.skillSelfRegulation, "1");
    for (int k = 1; k <= skillCount; ++k)
        s.skill(k) = "";
    EXPECT_TRUE(initialSkillsWanted(s));
    s.skill(3) = "x";
    EXPECT_FALSE(initialSkillsWanted(s));
}
