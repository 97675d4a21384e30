#include "core/phrases/Composition.h"

#include "core/base/TrimBlanks.h"

namespace tq {

namespace {
constexpr Pronouns male{"he", "him", "his", "son"};
constexpr Pronouns female{"she", "her", "her", "daughter"};

bool isNeitherGender(std::string_view gender)
{
    gender = trimBlanks(gender);
    return gender == "X" || gender == "x";
}

// Writes a pronoun, capitalised when nothing has been written for this phrase yet.
void appendPronoun(std::string& result, const char* word)
{
    const bool atStart = result.empty();
    result += word;
    if (atStart)
        result[0] = static_cast<char>(result[0] - 'a' + 'A');
}
} // namespace

const Pronouns* pronounsFor(std::string_view gender)
{
    if (gender == "M")
        return &male;
    return isNeitherGender(gender) ? nullptr : &female;
}

bool expandPlaceholders(std::string_view text, const StudentRecord& student, bool useName, std::string& result)
{
    result.clear();
    // Without pronouns (nullptr), every placeholder but "~" names the student.
    const Pronouns* p = pronounsFor(student.gender);
    bool nameUsed = false;
    const auto writeName = [&](bool possessive) {
        result += student.firstName;
        if (possessive)
            result += "'s";
        nameUsed = true;
    };
    for (const char c : text) {
        switch (c) {
        case '$':
            writeName(false);
            break;
        case '@':
            if (useName || !p)
                writeName(false);
            else
                appendPronoun(result, p->subject);
            break;
        case '%':
            if (useName || !p)
                writeName(true);
            else
                appendPronoun(result, p->possessive);
            break;
        case '#':
            if (p)
                appendPronoun(result, p->possessive);
            else
                writeName(true);
            break;
        case '*':
            if (p)
                appendPronoun(result, p->object);
            else
                writeName(false);
            break;
        case '~':
            appendPronoun(result, p ? p->child : childWithoutGender);
            break;
        default:
            result += c;
        }
    }
    return nameUsed;
}

ComposedComments composeComments(const StudentRecord& student, const PhraseLibrary& library)
{
    ComposedComments composed;
    bool useName = true;
    for (int k = 1; k <= commentCount; ++k) {
        std::string& text = composed.texts[static_cast<size_t>(k - 1)];
        const std::string_view phrase = lookupPhrase(library, student.comment(k));
        if (expandPlaceholders(phrase, student, useName, text))
            useName = false;
        composed.totalLength += text.size();
    }
    return composed;
}

std::string ComposedComments::joined() const
{
    std::string s;
    s.reserve(totalLength);
    for (const std::string& t : texts)
        s += t;
    return s;
}

std::string codeTag(std::string_view code)
{
    if (code.size() <= 4 && code.find_first_not_of(' ') == std::string_view::npos)
        return {};
    std::string tag = "[";
    tag += code;
    tag += "] ";
    return tag;
}

std::string padRight(std::string s, size_t width)
{
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

WrappedText wrapText(std::string_view text, size_t width)
{
    WrappedText w;
    std::string_view s = text;
    for (std::string& line : w.lines) {
        if (s.size() <= width) {
            line = std::string(s);
            s = {};
            continue;
        }
        // The last space at a position from `width` down to 1 (counted from 1).
        const size_t space = width == 0 ? std::string_view::npos : s.substr(0, width).rfind(' ');
        if (space == std::string_view::npos)
            continue; // the line stays empty, the text stays for the rest
        line = std::string(s.substr(0, space + 1));
        s.remove_prefix(space + 1);
    }
    w.rest = std::string(s);
    return w;
}

std::string filterFreeForm(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                             c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '\'' || c == ' ';
        if (!allowed)
            c = ' ';
    }
    return out;
}

} // namespace tq
