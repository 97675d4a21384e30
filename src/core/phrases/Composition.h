#pragma once
// Turning a student's comment codes into finished report-card text, and the text helpers that
// the reports and free-form comments share.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <array>
#include <string>
#include <string_view>

namespace tq {

// The Trillium limit on a student's composed comment, in characters.
inline constexpr size_t trilliumCommentLimit = 460;

// The words the placeholders write for a student: chosen from `gender` as the class file holds
// it. Exactly "M" gives he/him/his/son; "X" in either case, blanks around it allowed, gives no
// pronoun at all (nullptr): the placeholders write the first name instead. Every other value
// (empty, "F", a lower-case "m") gives she/her/her/daughter.
struct Pronouns {
    const char* subject;
    const char* object;
    const char* possessive;
    const char* child;
};
const Pronouns* pronounsFor(std::string_view gender);

// The word "~" writes for a student who is written about by name.
inline constexpr const char* childWithoutGender = "child";

// Expands the placeholders of one phrase text for `student` into `result`. Returns true when the
// student's first name was written.
bool expandPlaceholders(std::string_view text, const StudentRecord& student, bool useName, std::string& result);

struct ComposedComments {
    std::array<std::string, commentCount> texts; // expanded text of comment1..comment5
    size_t totalLength = 0;                      // length of the five joined
    std::string joined() const;
};
ComposedComments composeComments(const StudentRecord& student, const PhraseLibrary& library);

// "[" + code + "] ", or "" for an empty code or one to four spaces.
std::string codeTag(std::string_view code);

// `s` followed by spaces up to `width` characters; a longer `s` comes back whole.
std::string padRight(std::string s, size_t width);

struct WrappedText {
    std::array<std::string, 4> lines; // at most `width` characters each, broken after a space
    std::string rest;                 // what did not fit
};
WrappedText wrapText(std::string_view text, size_t width);

// The free-form text with every character other than letters a-z and A-Z, digits, space and
// . , ; : ! ' replaced by one space.
std::string filterFreeForm(std::string_view text);

} // namespace tq
