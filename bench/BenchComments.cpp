// Free-form comments as teachers type them, for the comment checks: real words from the report
// card's language, with the slips the checks are there to find.
#include "bench/BenchData.h"

namespace tq::bench {

namespace {
const std::vector<std::string> openings{
    "@ has worked hard this term", "@ is a thoughtful and well-organized student",
    "This term @ has shown real growth", "@ takes pride in # work", "@'s effort in class is evident every day",
    "With steady practice, @ has become more confident"};
const std::vector<std::string> middles{
    "and # written reports are clear, careful and complete", "and * questions in discussions show curiosity",
    "although # notes are not always up-to-date", "and # group's lab was thorough and well presented",
    "and * essays show a growing command of evidence", "and # problem-solving has become more independent",
    "and # reading log shows a wide range of texts", "though * homework is sometimes handed in late"};
const std::vector<std::string> nextSteps{
    "Next term, @ should review # notes before each test", "@ is encouraged to ask for help as soon as it is needed",
    "Reading more widely will help * reach # potential", "@ should keep setting goals and checking # progress",
    "Revising each draft carefully will pay off", "@ will benefit from practising the skills taught in class"};
// Slips that a teacher types: the spelling check finds them.
const std::vector<std::string> misspelt{"recieve", "definately", "seperate", "writting", "thier", "occured",
                                        "studnet", "independantly", "wich", "acheive"};

std::string expanded(const std::string& text, const StudentRecord& s, bool boyPronouns)
{
    std::string out;
    for (char c : text) {
        if (c == '@')
            out += s.firstName;
        else if (c == '#')
            out += boyPronouns ? "his" : "her";
        else if (c == '*')
            out += boyPronouns ? "him" : "her";
        else
            out += c;
    }
    return out;
}
} // namespace

std::string typedFreeFormComment(const StudentRecord& student, const ClassList& students, int turn, size_t length)
{
    Sequence seq(static_cast<uint64_t>(turn) * 7919u + 17u);
    const bool boy = student.gender == "M";
    std::string comment;
    while (comment.size() < length) {
        // One sentence in ten is copied from another student's comment: that student's name and
        // pronouns stay in it.
        const bool copied = seq.chance(10) && !students.empty();
        const StudentRecord& about = copied ? seq.pick(students) : student;
        const bool pronouns = copied ? about.gender == "M" : boy;
        std::string sentence = expanded(seq.pick(openings), about, pronouns) + ", " +
                               expanded(seq.pick(middles), about, pronouns) + ". " +
                               expanded(seq.pick(nextSteps), about, pronouns);
        if (seq.chance(30))
            sentence += " and " + seq.pick(misspelt) + " the results";
        comment += sentence + ". ";
    }
    comment.resize(length);
    return comment;
}

ClassList largeClassWithFreeFormComments(uint64_t origin, size_t length)
{
    ClassList students = largeClass(origin);
    for (size_t i = 0; i < students.size(); ++i) {
        students[i].hasFreeForm = true;
        students[i].freeFormComment = typedFreeFormComment(students[i], students, static_cast<int>(i), length);
    }
    return students;
}

} // namespace tq::bench
