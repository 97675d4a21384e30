// The word the caret is on, as the free-form dialog asks for its suggestions.
#include "core/spelling/CommentWords.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(CommentWords, TheWordAtTheCaretIncludesThePlaceJustAfterItsLastLetter)
{
    const std::string text = "she recieve  it";
    const std::vector<WordSpan> words = wordsOf(text);
    const WordSpan recieve{4, 7};
    // place in the text, the word found there (none: a length of 0)
    for (const auto& [place, found] : std::vector<std::pair<size_t, WordSpan>>{
             {4, recieve}, {7, recieve}, {11, recieve}, {12, {}}, {13, {13, 2}}, {15, {13, 2}}}) {
        const std::optional<WordSpan> at = wordAt(words, place);
        EXPECT_EQ(at.value_or(WordSpan{}), found) << "caret at " << place;
    }
}
