#pragma once
// The IEP, ESL, ELD and interview flags of a student ("Y" or empty). Trillium takes only one of
// ESL and ELD per student, so setting or clearing either clears the other.
#include "core/classdata/StudentRecord.h"

#include <array>
#include <string>

namespace tq {

enum class StudentFlag { Iep, Esl, Eld, Interview };
inline constexpr const char* flagSet = "Y";

// The four flag cells of a grid row, in the order IEP, ESL, ELD, interview.
using FlagCells = std::array<std::string, 4>;

// A click on one flag cell: an empty flag becomes "Y", anything else empty; ESL and ELD
// exclude each other.
void toggleFlag(FlagCells& flags, StudentFlag flag);

// A click on a flag's heading: every student of the class gets the flag set (`on`) or cleared.
void setFlagForClass(ClassList& students, StudentFlag flag, bool on);
// One student's flags after such a click.
FlagCells flagsAfterHeadingClick(FlagCells flags, StudentFlag flag, bool on);

FlagCells flagsOf(const StudentRecord& s);
void storeFlags(StudentRecord& s, const FlagCells& flags);

} // namespace tq
