#include "core/entry/ReadingLines.h"

#include "core/classdata/CsvText.h"
#include "core/entry/StudentDetails.h"
#include "core/phrases/Composition.h"

#include <array>

namespace tq {

namespace {
// In the order of skill(1) .. skill(6).
constexpr std::array<const char*, skillCount> skillNames{"Responsibility", "Organization", "Independent Work",
                                                         "Collaboration",  "Initiative",   "Self-Regulation"};

std::string orNone(const std::string& value)
{
    const std::string trimmed(trimSpaces(value));
    return trimmed.empty() ? "none" : trimmed;
}

std::string flagsLine(const StudentRecord& s)
{
    std::string flags;
    const auto add = [&flags](const std::string& value, const char* name) {
        if (!trimSpaces(value).empty())
            flags += (flags.empty() ? "" : ", ") + std::string(name);
    };
    add(s.iep, "IEP");
    add(s.esl, "ESL");
    add(s.eld, "ELD");
    add(s.interview, "Interview requested");
    return "Flags: " + (flags.empty() ? std::string("none") : flags);
}

// "Comment: " before the first sentence, the others on lines of their own.
void addComment(std::vector<std::string>& lines, const char* heading, const std::string& text)
{
    const std::vector<std::string> sentences = sentencesOf(text);
    if (sentences.empty()) {
        lines.push_back(std::string(heading) + ": none");
        return;
    }
    lines.push_back(std::string(heading) + ": " + sentences.front());
    lines.insert(lines.end(), sentences.begin() + 1, sentences.end());
}
} // namespace

std::string learningSkillsLine(const std::array<std::string, skillCount>& ratings)
{
    std::string line = "Learning skills: ";
    for (size_t k = 0; k < ratings.size(); ++k)
        line += std::string(k > 0 ? ", " : "") + skillNames[k] + " " + orNone(ratings[k]);
    return line;
}

std::vector<std::string> sentencesOf(const std::string& text)
{
    std::vector<std::string> sentences;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        current += text[i];
        const bool ends = (text[i] == '.' || text[i] == '!' || text[i] == '?') &&
                          (i + 1 == text.size() || text[i + 1] == ' ');
        if (ends || i + 1 == text.size()) {
            if (std::string s(trimSpaces(current)); !s.empty())
                sentences.push_back(std::move(s));
            current.clear();
        }
    }
    return sentences;
}

std::vector<std::string> studentReadingLines(const StudentRecord& s, const PhraseLibrary& library, bool showCourseCodes)
{
    std::vector<std::string> lines{"Number: " + orNone(s.studentNumber)};
    if (showCourseCodes)
        lines.push_back("Course: " + orNone(s.courseCode));
    lines.push_back("Name: " + s.lastName + ", " + s.firstName);
    lines.push_back("Mark: " + orNone(s.mark));
    if (s.hasFreeForm) {
        addComment(lines, "Free-form comment", s.freeFormComment);
    } else {
        const ComposedComments c = composeComments(s, library);
        std::string joined;
        for (const std::string& t : c.texts)
            joined += t.empty() ? "" : (joined.empty() ? "" : " ") + t;
        addComment(lines, "Comment", joined);
        if (c.totalLength > trilliumCommentLimit) {
            const Message warning = commentTooLongMessage();
            lines.push_back(warning.title + ". " + warning.text);
        }
    }
    std::array<std::string, skillCount> ratings;
    for (int k = 1; k <= skillCount; ++k)
        ratings[static_cast<size_t>(k - 1)] = s.skill(k);
    lines.push_back(learningSkillsLine(ratings));
    lines.push_back(flagsLine(s));
    return lines;
}

} // namespace tq
