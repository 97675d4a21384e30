// The rules behind entry by mouse: placing codes, rating skills, toggling flags.
#include "core/entry/CommentPlacement.h"
#include "core/entry/SidePanelText.h"
#include "core/entry/SkillRating.h"
#include "core/entry/StudentFlags.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(CommentPlacement, ACodeStandsOnceSoPlacingItAgainMovesIt)
{
    CommentCells c{"0101", "", "", "0123", ""};
    placeCommentCode(c, 1, "0123");
    EXPECT_EQ(c, (CommentCells{"0101", "0123", "", "", ""}));
    placeCommentCode(c, 1, "0123"); // the same cell again: it stays
    EXPECT_EQ(c, (CommentCells{"0101", "0123", "", "", ""}));
    // The blank code clears one comment and may stand in several.
    placeCommentCode(c, 0, "    ");
    placeCommentCode(c, 2, "    ");
    EXPECT_EQ(c, (CommentCells{"    ", "0123", "    ", "", ""}));
}

TEST(SkillRating, LeftStepsDownAndRightStepsUpRound)
{
    std::string r = "3";
    std::string seen;
    for (int i = 0; i < 4; ++i) {
        r = *steppedSkillRating(r, leftButton);
        seen += r;
    }
    EXPECT_EQ(seen, "2143");
    seen.clear();
    for (int i = 0; i < 4; ++i) {
        r = *steppedSkillRating(r, rightButton);
        seen += r;
    }
    EXPECT_EQ(seen, "4123");
    EXPECT_EQ(steppedSkillRating("2", 4), std::nullopt); // the middle button rates nothing
}

TEST(SkillRating, ASkillWithoutARatingStartsFromThree)
{
    for (const std::string unrated : {"", "0", "5", "x", "33"}) {
        EXPECT_EQ(steppedSkillRating(unrated, leftButton), "2") << unrated;
        EXPECT_EQ(steppedSkillRating(unrated, rightButton), "4") << unrated;
    }
}

TEST(StudentFlags, ESLAndELDExcludeEachOtherPerStudentAndForTheClass)
{
    FlagCells f{"", "Y", "", ""};
    toggleFlag(f, StudentFlag::Eld);
    EXPECT_EQ(f, (FlagCells{"", "", "Y", ""}));
    toggleFlag(f, StudentFlag::Eld);
    EXPECT_EQ(f, (FlagCells{"", "", "", ""}));
    toggleFlag(f, StudentFlag::Iep);
    toggleFlag(f, StudentFlag::Interview);
    EXPECT_EQ(f, (FlagCells{"Y", "", "", "Y"}));

    ClassList c(3, newStudentRecord("ENG2D1-01", "123456789", "L", "F", "F", ""));
    c[0].eld = "Y";
    c[1].iep = "Y";
    setFlagForClass(c, StudentFlag::Esl, true);
    for (const StudentRecord& s : c)
        EXPECT_EQ(s.esl + "|" + s.eld, "Y|");
    EXPECT_EQ(c[1].iep, "Y");
    setFlagForClass(c, StudentFlag::Eld, false);
    for (const StudentRecord& s : c)
        EXPECT_EQ(s.esl + "|" + s.eld, "|"); // turning ELD off for all clears ESL for all too
    setFlagForClass(c, StudentFlag::Iep, false);
    EXPECT_EQ(c[1].iep, "");
}
