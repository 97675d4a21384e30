#include "core/spelling/ClassCommentCheck.h"

namespace tq {

namespace {
// The words of one kind, each once, joined by commas; empty when there is none.
std::string wordsOfKind(const std::vector<CommentFinding>& findings, FindingKind kind)
{
    std::string words;
    for (const CommentFinding& f : distinctFindings(findings))
        if (f.kind == kind)
            words += (words.empty() ? "" : ", ") + f.word;
    return words;
}

std::string warningText(const CommentFinding& f)
{
    switch (f.kind) {
    case FindingKind::Spelling: return "  unknown word \"" + f.word + "\"";
    case FindingKind::Name: return "  another student's name \"" + f.word + "\"";
    case FindingKind::Pronoun: return "  pronoun \"" + f.word + "\" does not fit";
    }
    return "";
}
} // namespace

std::vector<StudentFinding> classCommentFindings(const ClassList& students, CommentChecker& checker)
{
    std::vector<StudentFinding> found;
    for (size_t i = 0; i < students.size(); ++i) {
        const StudentRecord& s = students[i];
        if (!s.hasFreeForm)
            continue;
        for (CommentFinding& f : distinctFindings(checker.findings(s.freeFormComment, s)))
            found.push_back({i, std::move(f)});
    }
    return found;
}

std::vector<std::string> commentWarningReport(const ClassList& students, const std::vector<StudentFinding>& findings)
{
    if (findings.empty())
        return {};
    std::vector<std::string> lines{"Free-form comments to read again (these do not stop the eFile):", ""};
    for (const StudentFinding& f : findings) {
        const StudentRecord& s = students[f.student];
        lines.push_back(s.lastName + " " + s.firstName + warningText(f.finding));
    }
    return lines;
}

std::string commentFindingsLine(const std::vector<CommentFinding>& findings, const StudentRecord& student)
{
    std::string line;
    if (const std::string words = wordsOfKind(findings, FindingKind::Spelling); !words.empty())
        line += "Misspelt: " + words + ".";
    if (const std::string names = wordsOfKind(findings, FindingKind::Name); !names.empty())
        line += (line.empty() ? "" : "  ") + std::string("Names of other students: ") + names + ".";
    if (const std::string pronouns = wordsOfKind(findings, FindingKind::Pronoun); !pronouns.empty())
        line += (line.empty() ? "" : "  ") + std::string("Pronouns that do not fit ") + student.firstName +
                " (" + student.gender + "): " + pronouns + ".";
    return line;
}

} // namespace tq
