#pragma once
// The current student's details as a screen reader reads them: one field a line, each named, the
// comment in whole sentences rather than in the screen's wrapped columns.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <array>
#include <string>
#include <vector>

namespace tq {

// Number, course (when course codes are shown), name, mark, the comment a sentence a line, the
// over-long comment warning when it is up, the skills by name, the flags.
std::vector<std::string> studentReadingLines(const StudentRecord& s, const PhraseLibrary& library, bool showCourseCodes);

// "Learning skills: Responsibility 3, Organization none, ..." for the six ratings in the order
// R, O, W, C, I, S.
std::string learningSkillsLine(const std::array<std::string, skillCount>& ratings);

// The text cut into sentences: each ends at ".", "!" or "?" followed by a space or the end.
std::vector<std::string> sentencesOf(const std::string& text);

} // namespace tq
