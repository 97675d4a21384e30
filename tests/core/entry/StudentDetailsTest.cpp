#include "core/entry/ReadingLines.h"
#include "core/entry/StudentDetails.h"
#include "core/phrases/Composition.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
// A library whose phrase k has exactly `lengths[k]` characters once tidied (". " included).
PhraseLibrary libraryWithLengths(std::initializer_list<size_t> lengths)
{
    std::vector<PhraseRecord> records;
    int code = 1;
    for (size_t n : lengths) {
        std::string text(n - 2, 'x'); // tidying adds ". "
        for (size_t i = 5; i + 1 < text.size(); i += 6)
            text[i] = ' ';
        records.push_back({padLeftZeros(std::to_string(code++), 4), text, ""});
    }
    return PhraseLibrary(std::move(records));
}

StudentRecord withComments(int n)
{
    StudentRecord s = newStudentRecord("ENG2D1-01", "123456789", "Nguyen", "Linh", "F", "");
    s.mark = "87";
    for (int k = 1; k <= n; ++k)
        s.comment(k) = padLeftZeros(std::to_string(k), 4);
    return s;
}
} // namespace

TEST(StudentDetails, AStudentWithoutCommentsStillShowsTheFrame)
{
    StudentRecord s = withComments(0);
    s.skill(3) = "4";
    s.interview = "Y";
    const StudentDetails d = studentDetails(s, PhraseLibrary{}, false);
    EXPECT_EQ(d.lines[0], "123456789       Mark  " + std::string(75, ' ') + " Learning Skills");
    EXPECT_EQ(d.lines[1], "Nguyen            87  " + std::string(75, ' ') + " RE OR IW CO IN SR");
    EXPECT_EQ(d.lines[2], "Linh                  " + std::string(75, ' ') + "  3  3  4  3  3  3");
    EXPECT_EQ(d.lines[3], std::string(22, ' ') + std::string(75, ' ') + " Interview Request: Y");
    EXPECT_EQ(d.lines[4], std::string(22 + 75, ' '));
    EXPECT_FALSE(d.tooLong);
}

TEST(StudentDetails, CourseCodesMoveTheCommentSevenColumnsRight)
{
    const StudentRecord s = withComments(1);
    const PhraseLibrary lib = libraryWithLengths({20});
    const StudentDetails plain = studentDetails(s, lib, false);
    const StudentDetails course = studentDetails(s, lib, true);
    EXPECT_EQ(plain.lines[0].find("[0001]"), 22u);
    EXPECT_EQ(course.lines[0].find("[0001]"), 29u);
    EXPECT_EQ(course.lines[0].substr(0, 29), "123456789    ENG2D1-01 Mark  ");
    EXPECT_EQ(course.lines[1].substr(0, 29), "Nguyen                   87  ");
    EXPECT_NE(course.lines[3].find(" Interview : "), std::string::npos);
    EXPECT_EQ(plain.lines[0].size(), course.lines[0].size() - 7);
}

TEST(StudentDetails, TheLimitCountsPhraseTextsButNotCodeTags)
{
    EXPECT_FALSE(studentDetails(withComments(5), libraryWithLengths({92, 92, 92, 92, 92}), false).tooLong);
    EXPECT_TRUE(studentDetails(withComments(5), libraryWithLengths({92, 92, 92, 92, 93}), false).tooLong);
    StudentRecord free = withComments(5);
    free.hasFreeForm = true;
    free.freeFormComment = std::string(460, 'a');
    EXPECT_FALSE(studentDetails(free, libraryWithLengths({200, 200, 200, 200, 200}), false).tooLong);
    const Message m = commentTooLongMessage();
    EXPECT_EQ(m.title, "TQ8A: Trillium Comment Length Exceeded");
    EXPECT_EQ(m.text, "The length of your comments for this student exceeds the allowable length for Trillium. You "
                      "must use shorter and/or fewer comments to make your point. We're not saying you can't use all "
                      "5 comments, but taken together they must be within Trillium limits.");
    EXPECT_EQ(m.icon, Message::Icon::Exclamation);
}

TEST(StudentDetails, ALongRemainderIsCutOnTheFifthLineAndKept)
{
    StudentRecord s = withComments(0);
    s.hasFreeForm = true;
    const std::string fourLines = std::string(74, 'a') + " " + std::string(74, 'b') + " " + std::string(74, 'c') +
                                  " " + std::string(74, 'd') + " ";
    s.freeFormComment = fourLines + std::string(71, 'r');
    StudentDetails d = studentDetails(s, PhraseLibrary{}, false);
    EXPECT_EQ(d.lines[4], std::string(22, ' ') + std::string(71, 'r') + "    ");
    EXPECT_EQ(d.remainder, std::string(71, 'r'));
    s.freeFormComment = fourLines + std::string(72, 'r') + "zz";
    d = studentDetails(s, PhraseLibrary{}, false);
    EXPECT_EQ(d.lines[4], std::string(22, ' ') + std::string(72, 'r') + " ...");
    EXPECT_EQ(d.remainder, std::string(72, 'r') + "zz");
}

// What a screen reader reads of the same student: a named field a line, the comment by sentence
// (no code tags, not cut at the screen's width), blanks said as "none", only the flags set.
TEST(StudentDetails, ReadOneFieldALineWithTheCommentInSentences)
{
    StudentRecord s = withComments(2);
    s.mark.clear();
    s.skill(2) = "";
    s.iep = "Y";
    s.interview = "Y";
    const PhraseLibrary lib({{"0001", "Linh reads well. She asks questions", ""}, {"0002", "Good work", ""}});
    EXPECT_EQ(studentReadingLines(s, lib, true),
              (std::vector<std::string>{"Number: 123456789", "Course: ENG2D1-01", "Name: Nguyen, Linh", "Mark: none",
                                        "Comment: Linh reads well.", "She asks questions.", "Good work.",
                                        "Learning skills: Responsibility 3, Organization none, Independent Work 3, "
                                        "Collaboration 3, Initiative 3, Self-Regulation 3",
                                        "Flags: IEP, Interview requested"}));
    s.hasFreeForm = true;
    s.freeFormComment = "Works hard. Ask me why?  Really";
    const std::vector<std::string> free = studentReadingLines(s, lib, false);
    EXPECT_EQ(std::vector<std::string>(free.begin() + 3, free.end() - 2),
              (std::vector<std::string>{"Free-form comment: Works hard.", "Ask me why?", "Really"}));
    // An over-long coded comment is read with its warning; an empty one as none.
    const std::vector<std::string> longOne = studentReadingLines(withComments(5), libraryWithLengths({100, 100, 100, 100, 61}), false);
    EXPECT_EQ(longOne.end()[-3].rfind(commentTooLongMessage().title, 0), 0u);
    EXPECT_EQ(studentReadingLines(withComments(0), lib, false)[3], "Comment: none");
}
