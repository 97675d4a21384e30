#include "core/entry/MarkEntry.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(MarkEntry, TheKeyThatOpensTheBoxGivesItsFirstText)
{
    EXPECT_EQ(markBoxTextForKey('7'), "7");
    EXPECT_EQ(markBoxTextForKey('0'), "0");
    EXPECT_EQ(markBoxTextForKey('I'), "I");
    EXPECT_EQ(markBoxTextForKey('i'), ""); // the key release turns it into "I"
    EXPECT_EQ(markBoxTextForKey(enterCharCode), "");
    EXPECT_EQ(markBoxTextForKey('.'), "");
}

TEST(MarkEntry, TheFilterKeepsMarksUpToOneHundredAndWipesTheRest)
{
    EXPECT_EQ(filterMarkText("85", MarkKey::Digit), "85");
    EXPECT_EQ(filterMarkText("100", MarkKey::Digit), "100");
    EXPECT_EQ(filterMarkText("101", MarkKey::Digit), "");
    EXPECT_EQ(filterMarkText("850", MarkKey::Shift), "");
    EXPECT_EQ(filterMarkText("", MarkKey::Digit), "");
    EXPECT_EQ(filterMarkText("I", MarkKey::Shift), "I");
    EXPECT_EQ(filterMarkText("85", MarkKey::LetterI), "I");
    // A decimal point, Backspace, a letter: the whole entry goes.
    EXPECT_EQ(filterMarkText("85.", MarkKey::Other), "");
    EXPECT_EQ(filterMarkText("8", MarkKey::Other), "");
}

TEST(MarkEntry, EnterMovesDownAndWrapsFromTheLastStudentToTheFirst)
{
    EXPECT_EQ(nextStudentRow(1, 29), 2);
    EXPECT_EQ(nextStudentRow(27, 29), 28);
    EXPECT_EQ(nextStudentRow(28, 29), 1);
    EXPECT_EQ(nextStudentRow(1, 2), 1); // a class of one student stays on it
}
