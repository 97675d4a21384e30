// The printed favourites list: heading, entries and the range blocks, line by line with fonts.
#include "core/reports/FavouritesReport.h"
#include "support/LocalTime.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tq;

namespace {

std::time_t printTime() { return test::localTime(2025, 11, 3, 8, 4, 5); }
std::string spaces(size_t n) { return std::string(n, ' '); }

PhraseLibrary library()
{
    return PhraseLibrary({{"0101", "@ works well", ""}, {"0102", "@ should review % notes", ""}});
}

} // namespace

TEST(FavouritesReport, ANewListPrintsItsHeadingAndTheSevenDefaultRanges)
{
    Favourites fav;
    fav.initialRanges = defaultInitialRanges();
    const std::vector<std::string> log = favouritesReport(fav, library(), printTime()).log();
    ASSERT_EQ(log.size(), 4u + 2 + 5 + 7 * 4 + 1);
    // No orientation of its own: the printer's, as the teacher chose it in the dialog, stands.
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& op) { return op.starts_with("orientation"); }));
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 11),
              (std::vector<std::string>{"line ", "font Arial 14", "line Tallyquill ~ v3.1 (Linux edition) ~ 11-03-2025 ~ 08:04:05",
                                        "line Favourites: ", "line  ", "font Times New Roman 12", "font Courier New 9",
                                        "line  ", "line  ", "line Current Initial Values for this Favourites File",
                                        "line  "}));
    // 80-100 stands in a column of eight after three spaces; the empty comments are a space
    // padded to 75; the skills stand under the second letters of their headings.
    EXPECT_EQ(log[11], "line    Range   " + spaces(75) + "Learning Skills");
    EXPECT_EQ(log[12], "line    80-100  " + spaces(75) + " RE OR IW CO IN SR");
    EXPECT_EQ(log[13], "line    " + spaces(8) + spaces(75) + "  4  4  4  4  4  4");
    EXPECT_EQ(log[14], "line  ");
    EXPECT_EQ(log[13 + 4 * 6], "line    " + spaces(8) + spaces(75) + "  1  1  1  1  1  1");
    EXPECT_EQ(log[12 + 4 * 6], "line    0-19    " + spaces(75) + " RE OR IW CO IN SR");
    EXPECT_EQ(log.back(), "end document");
}

TEST(FavouritesReport, EntriesPrintWithTheirPhrasesAndRangesWithTheirComments)
{
    Favourites fav;
    fav.favouritesFile = "/home/t/Mine.tqf";
    fav.favourites = {"0101", "    ", "0999"};
    InitialValueRange r;
    r.lowMark = -5;
    r.highMark = 7;
    r.rangeComment1 = "0102";
    r.rangeComment3 = "0101";
    r.rangeSkills = {"1", "2", "3", "4", "", "3"};
    fav.initialRanges = {r};
    const std::vector<std::string> lines = favouritesReport(fav, library(), printTime()).lines();
    ASSERT_EQ(lines.size(), 4u + 3 + 4 + 4);
    EXPECT_EQ(lines[2], "Favourites: /home/t/Mine.tqf");
    // A separator prints as five spaces, a code the library lacks as itself and a space.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 7),
              (std::vector<std::string>{"0101 @ works well. ", spaces(5), "0999 "}));
    const std::string comment1 = "0102 @ should review % notes. ";
    const std::string comment3 = "0101 @ works well. ";
    EXPECT_EQ(lines[11], "   Range   " + comment1 + spaces(75 - comment1.size()) + "Learning Skills");
    EXPECT_EQ(lines[12], "   -5-7    " + spaces(75) + " RE OR IW CO IN SR");
    EXPECT_EQ(lines[13], "   " + spaces(8) + comment3 + spaces(75 - comment3.size()) + "  1  2  3  4    3");
    EXPECT_EQ(lines[14], " ");
}

TEST(FavouritesReport, ALongCommentPushesTheSkillsRight)
{
    const std::string longText(90, 'x');
    Favourites fav;
    InitialValueRange r;
    r.rangeComment2 = "0101";
    fav.initialRanges = {r};
    const PhraseLibrary lib({{"0101", longText, ""}});
    const std::vector<std::string> lines = favouritesReport(fav, lib, printTime()).lines();
    EXPECT_EQ(lines[9], "   0-0     0101 " + longText + ". " + " RE OR IW CO IN SR");
}
