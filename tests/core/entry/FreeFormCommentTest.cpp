#include "core/entry/FreeFormComment.h"
#include "core/phrases/Composition.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
PhraseLibrary library()
{
    return PhraseLibrary({{"0101", "@ reads widely", ""}, {"0102", "# asks good questions", ""}});
}

StudentRecord coded()
{
    StudentRecord s = newStudentRecord("ENG2D1-01", "123456789", "Nguyen", "Linh", "F", "");
    s.comment1 = "0101";
    s.comment3 = "0102";
    return s;
}
} // namespace

TEST(FreeFormComment, TheDialogOffersTheComposedOrTheFreeFormText)
{
    StudentRecord s = coded();
    const std::string offered = offeredFreeFormText(s, library());
    EXPECT_EQ(offered, composeComments(s, library()).joined());
    EXPECT_EQ(offered.find('['), std::string::npos); // no code tags
    s.hasFreeForm = true;
    s.freeFormComment = "Linh works hard.";
    EXPECT_EQ(offeredFreeFormText(s, library()), "Linh works hard.");
}

TEST(FreeFormComment, AChangedTextIsStoredFilteredAndTrimmedAndTheCodesStay)
{
    StudentRecord s = coded();
    const std::string offered = offeredFreeFormText(s, library());
    EXPECT_EQ(applyFreeFormResult(s, offered, "  Is Linh ready? Yes - mostly.\r\nGood.  "), FreeFormOutcome::FreeForm);
    EXPECT_TRUE(s.hasFreeForm);
    EXPECT_EQ(s.freeFormComment, "Is Linh ready  Yes   mostly.  Good.");
    EXPECT_EQ(s.comment1 + s.comment3, "01010102");

    // Only spaces around the offered text: unchanged, and nothing is touched.
    StudentRecord again = coded();
    EXPECT_EQ(applyFreeFormResult(again, offered, "  " + offered + " "), FreeFormOutcome::Unchanged);
    EXPECT_EQ(again, coded());
    // A free-form student keeps the old text when the same text comes back.
    EXPECT_EQ(applyFreeFormResult(s, s.freeFormComment, s.freeFormComment), FreeFormOutcome::Unchanged);
    EXPECT_TRUE(s.hasFreeForm);
}

TEST(FreeFormComment, AnEmptyResultReturnsToCodedComments)
{
    StudentRecord s = coded();
    s.hasFreeForm = true;
    s.freeFormComment = "Linh works hard.";
    EXPECT_EQ(applyFreeFormResult(s, s.freeFormComment, "   "), FreeFormOutcome::Coded);
    EXPECT_FALSE(s.hasFreeForm);
    EXPECT_EQ(s.freeFormComment, "");
    EXPECT_EQ(s.comment1, "0101");

    // A text the filter turns into nothing but spaces would be a blank report comment.
    StudentRecord t = coded();
    EXPECT_EQ(applyFreeFormResult(t, offeredFreeFormText(t, library()), "?^ -"), FreeFormOutcome::Coded);
    EXPECT_FALSE(t.hasFreeForm);
}

TEST(FreeFormComment, MessageAndLengthLabel)
{
    EXPECT_EQ(freeFormUnchangedMessage().text,
              "There was no change to the coded comment, therefore free form comments NOT used.");
    EXPECT_EQ(freeFormUnchangedMessage().title, "Tallyquill");
    EXPECT_EQ(freeFormLengthText(12), "Length: 12/460");
}
