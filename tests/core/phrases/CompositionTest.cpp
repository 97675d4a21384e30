#include "core/phrases/Composition.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
StudentRecord student(const std::string& first, const std::string& gender)
{
    return newStudentRecord("C", "1", "Last", first, gender, "");
}

std::string expand(const std::string& text, const StudentRecord& s, bool useName, bool* nameUsed = nullptr)
{
    std::string result = "stale";
    const bool used = expandPlaceholders(text, s, useName, result);
    if (nameUsed)
        *nameUsed = used;
    return result;
}
} // namespace

TEST(ExpandPlaceholders, NameOrPronounsByPositionAndGender)
{
    const StudentRecord ana = student("Ana", "F");
    const StudentRecord ben = student("Ben", "M");
    bool used = false;
    EXPECT_EQ(expand("@ works. @ reads % notes to * and #", ben, false, &used), "He works. he reads his notes to him and his");
    EXPECT_FALSE(used);
    EXPECT_EQ(expand("@ works with % group", ben, true, &used), "Ben works with Ben's group");
    EXPECT_TRUE(used);
    EXPECT_EQ(expand("# effort, *, ~", ana, true, &used), "Her effort, her, daughter");
    EXPECT_FALSE(used); // "#" never writes the name
    EXPECT_EQ(expand("~ of ours; $ again", ben, false, &used), "Son of ours; Ben again");
    EXPECT_TRUE(used);
    EXPECT_EQ(expand("%", student("Chris", "M"), true), "Chris's");
    EXPECT_EQ(expand("@", student("Max", "m"), false), "She"); // only a capital M is male
    EXPECT_EQ(expand("", ana, true), "");
}

TEST(ExpandPlaceholders, XNamesTheStudentWherePronounsWouldStandAndOtherGendersKeepTheirs)
{
    // Every placeholder at the start and after it, with and without the name to use.
    const std::string phrase = "@ % # * ~ $";
    const struct {
        const char* gender;
        bool useName;
        const char* expanded;
    } rows[] = {
        {"X", true, "Alex Alex's Alex's Alex child Alex"},
        {"X", false, "Alex Alex's Alex's Alex child Alex"},
        {" x ", false, "Alex Alex's Alex's Alex child Alex"},
        {"M", true, "Alex Alex's his him son Alex"},
        {"M", false, "He his his him son Alex"},
        {"F", false, "She her her her daughter Alex"},
        {"", false, "She her her her daughter Alex"},
        {"m", false, "She her her her daughter Alex"},
        {"XX", false, "She her her her daughter Alex"},
    };
    for (const auto& row : rows) {
        const StudentRecord s = student("Alex", row.gender);
        bool used = false;
        EXPECT_EQ(expand(phrase, s, row.useName, &used), row.expanded) << '"' << row.gender << '"';
        EXPECT_TRUE(used); // "$" always names
    }
    // Each at the start: the name as stored, "child" with a capital; the name counts as used.
    const StudentRecord x = student("alex", "X");
    for (const auto& [text, expanded] : {std::pair{"#", "alex's"}, {"*", "alex"}, {"~ too", "Child too"}}) {
        bool used = false;
        EXPECT_EQ(expand(text, x, false, &used), expanded);
        EXPECT_EQ(used, std::string(text) != "~ too") << text;
    }
}

TEST(ComposeComments, TheNameGoesIntoTheFirstPhraseThatCanCarryIt)
{
    const PhraseLibrary lib({{"0001", "@ works well", ""}, {"0002", "@ should review % notes", ""},
                             {"0003", "Welcome $", ""},   {"0004", "# work is neat", ""}});
    StudentRecord ana = student("Ana", "F");
    ana.comment1 = "0001";
    ana.comment2 = "0002";
    ComposedComments c = composeComments(ana, lib);
    EXPECT_EQ(c.texts[0], "Ana works well. ");
    EXPECT_EQ(c.texts[1], "She should review her notes. ");
    EXPECT_EQ(c.totalLength, c.joined().size());

    // An empty or unknown first slot passes the name on; "#" alone does not use it.
    StudentRecord ben = student("Ben", "M");
    ben.comment1 = "    ";
    ben.comment2 = "0004";
    ben.comment3 = "0002";
    ben.comment4 = "9999";
    ben.comment5 = "0001";
    c = composeComments(ben, lib);
    EXPECT_EQ(c.joined(), "His work is neat. Ben should review Ben's notes. He works well. ");

    // "$" writes the name and makes later "@" a pronoun.
    ben.comment1 = "0003";
    c = composeComments(ben, lib);
    EXPECT_EQ(c.texts[0], "Welcome Ben. ");
    EXPECT_EQ(c.texts[2], "He should review his notes. ");
}

TEST(CodeTag, BracketsRealCodesOnly)
{
    EXPECT_EQ(codeTag("0123"), "[0123] ");
    EXPECT_EQ(codeTag("12"), "[12] ");
    for (const char* blank : {"", " ", "  ", "   ", "    "})
        EXPECT_EQ(codeTag(blank), "") << '"' << blank << '"';
    EXPECT_EQ(codeTag("     "), "[     ] ");
}

TEST(PadRight, FillsToWidthButNeverCuts)
{
    EXPECT_EQ(padRight("ab", 5), "ab   ");
    EXPECT_EQ(padRight("0123456789", 6), "0123456789");
}

TEST(WrapText, BreaksAfterSpacesAndLosesNothing)
{
    std::string text;
    for (int i = 0; text.size() < 400; ++i)
        text += "word" + std::to_string(i) + (i % 3 ? " " : "  ");
    const WrappedText w = wrapText(text, 75);
    std::string joined;
    for (const std::string& line : w.lines) {
        EXPECT_LE(line.size(), 75u);
        EXPECT_EQ(line.back(), ' ');
        joined += line;
    }
    EXPECT_EQ(joined + w.rest, text);
    EXPECT_FALSE(w.rest.empty());
}

TEST(WrapText, EdgesOfTheWidth)
{
    const std::string exactly75 = std::string(74, 'a') + "b";
    EXPECT_EQ(wrapText(exactly75, 75).lines[0], exactly75);
    // A space just past the width is no break point.
    const WrappedText past = wrapText(std::string(75, 'a') + " tail", 75);
    EXPECT_EQ(past.lines[0], "");
    EXPECT_EQ(past.rest, std::string(75, 'a') + " tail");
    // A space exactly at the width is.
    const WrappedText at = wrapText(std::string(74, 'a') + " tail", 75);
    EXPECT_EQ(at.lines[0], std::string(74, 'a') + " ");
    EXPECT_EQ(at.lines[1], "tail");
    EXPECT_EQ(wrapText("", 75).lines[0], "");
}

TEST(FilterFreeForm, ReplacesEachDisallowedCharacterByOneSpace)
{
    EXPECT_EQ(filterFreeForm("Well done! Is it? (yes) - \"ok\"; a:b, 'c'.\t\r\n\xe9"),
              "Well done! Is it   yes     ok ; a:b, 'c'.    ");
}
