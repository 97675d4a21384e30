#pragma once
// The five fixed-pitch lines that show the current student in full under the class grid (and
// that the class report prints for every student).
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <array>
#include <string>

namespace tq {

struct StudentDetails {
    std::array<std::string, 5> lines;
    std::string remainder;   // the part of the comment that did not fit four wrapped lines
    bool tooLong = false;    // the composed comment passes the Trillium limit
};

// Lines for student `s`; with course codes shown the left margin is 29 characters, otherwise 22.
StudentDetails studentDetails(const StudentRecord& s, const PhraseLibrary& library, bool showCourseCodes);

// The warning shown whenever the details of a student whose comment is too long are drawn.
Message commentTooLongMessage(); // TQ8A

// Width the comment is wrapped to in the details and the report.
inline constexpr size_t detailWrapWidth = 75;
// A remainder this long or longer is cut on the fifth line and kept for the report.
inline constexpr size_t detailRemainderCut = 72;

} // namespace tq
