#pragma once
// The initial values a typed mark brings: the comment codes and learning-skill ratings of the
// first mark range that holds the mark, for a student who has none of their own yet.
#include "core/classdata/StudentRecord.h"
#include "core/selection/FavouritesFile.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tq {

// The whole number a mark is looked up with: its leading number ("I" and an empty mark give 0)
// rounded to the nearest whole number, halves to the even one. Nothing for a number that no
// range can hold (outside -32768 to 32767).
std::optional<int> markRangeValue(std::string_view mark);

// The first range from low <= m <= high that holds the mark; null when none does.
const InitialValueRange* rangeForMark(const std::vector<InitialValueRange>& ranges, std::string_view mark);

// True when the student's first three comments are still empty (a blank code of four spaces is
// a comment the teacher deleted, so it does not count as empty) and the student's report
// comment is the coded one.
bool initialCommentsWanted(const StudentRecord& s);

// True when no learning skill has been rated yet: each is the starting "3", or empty (an unrated
// skill brought in by an older class file).
bool initialSkillsWanted(const StudentRecord& s);

struct InitialValuesGiven {
    bool comments = false; // comment1..comment3 were set
    bool skills = false;   // the six skills were set
};

// Gives `s` the range of `mark`: its three codes when initialCommentsWanted, its six ratings
// when initialSkillsWanted, each judged on its own. The mark itself is not stored here.
InitialValuesGiven applyInitialValues(StudentRecord& s, const std::vector<InitialValueRange>& ranges,
                                      std::string_view mark);

} // namespace tq
