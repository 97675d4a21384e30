#pragma once
// A text the teacher wrote for one student, made fit for every student: the student's first name
// and pronouns turned back into the placeholders that write them ("Layla improved her essays." ->
// "@ improved # essays.").
#include "core/classdata/StudentRecord.h"

#include <string>
#include <string_view>

namespace tq {

// `text` (UTF-8) with, as whole words in any case: the student's first name as "@", or "%" when
// "'s" follows; and the pronouns the placeholders write for this student's gender as their
// placeholders (he/she "@", him "*", his "#", son/daughter "~", and "her" "*" when no noun follows
// it, else "#"). Words that only contain the name, other students' names and everything else stay.
std::string backToPlaceholders(std::string_view text, const StudentRecord& student);

} // namespace tq
