#pragma once
// Before an update drops anyone: who leaves, with what each has entered, and whether the master
// file looks incomplete (it would take more than half of the class, or every student of a code).
#include "core/classdata/StudentRecord.h"

#include <string>
#include <vector>

namespace tq {

struct DropReview {
    std::vector<StudentRecord> dropped;
    std::vector<std::string> emptiedCodes; // the class's codes none of whose students stays
    bool overHalf = false;                 // more than half of the class leaves
    bool anyEntries = false;               // some student who leaves has a mark or a comment

    bool looksIncomplete() const { return overHalf || !emptiedCodes.empty(); }
};

// `before` is the class, `after` what the update would make of it, `dropped` who it leaves out.
DropReview reviewDrops(const ClassList& before, const ClassList& after, std::vector<StudentRecord> dropped);

// What the teacher has entered for the student: a mark, comment codes, a free-form comment.
bool hasEntries(const StudentRecord& s);

// The questions before the update is applied (Windows-1252, CR LF between lines): the list of who
// leaves, and when the master file looks incomplete the second, asked after a Yes to the first.
std::string dropQuestion(const DropReview& review);
std::string dropSecondQuestion(const DropReview& review);
inline constexpr const char* dropQuestionTitle = "Update Class List";

} // namespace tq
