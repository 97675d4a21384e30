#include "core/mycomments/MyCommentsFile.h"

#include <gtest/gtest.h>

using namespace tq;

using Comments = std::vector<std::string>;

TEST(MyCommentsFile, ParagraphsAreCommentsInUtfEightOrElseWindows1252)
{
    const MyComments read = parseMyComments("\xEF\xBB\xBF  @ reads\r\n  widely.  \r\n\r\n \t \n\n\n# work \xE2\x89\xA5 80.\n");
    EXPECT_EQ(read.comments, (Comments{"@ reads widely.", "# work \xE2\x89\xA5 80."}));
    EXPECT_FALSE(read.readAsCp1252);

    const MyComments old = parseMyComments("@ a \xE9t\xE9 \x93super\x94.\r\n");
    EXPECT_EQ(old.comments, (Comments{"@ a \xC3\xA9t\xC3\xA9 \xE2\x80\x9Csuper\xE2\x80\x9D."}));
    EXPECT_TRUE(old.readAsCp1252);

    // Written back as the same comments, however they were typed.
    const std::string text = myCommentsFileText({"one\nline", "", "  two  "});
    EXPECT_EQ(text, "one line\r\n\r\ntwo\r\n");
    EXPECT_EQ(parseMyComments(text).comments, (Comments{"one line", "two"}));
}
