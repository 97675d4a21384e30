#pragma once
// A comment of the teacher's own, written for one student: its placeholders expanded by the same
// rule as the library's phrases (core/phrases/Composition.h), in UTF-8 as the comment is kept.
#include "core/classdata/StudentRecord.h"

#include <string>
#include <string_view>

namespace tq {

// `comment` (UTF-8) for `student` (whose names are Windows-1252, as the class file holds them).
// As a phrase after the one that named the student, `nameWritten` makes "@" and "%" pronouns.
std::string expandMyComment(std::string_view comment, const StudentRecord& student, bool nameWritten);

// True when `text` (UTF-8) holds the student's first name as a word of its own, in any case: a
// comment inserted after it speaks of the student with pronouns, as later phrases do.
bool studentNamedIn(std::string_view text, const StudentRecord& student);

} // namespace tq
