#pragma once
// `tallyquill my-comments [--expand CLASS.tqc STUDENT_NUMBER]`: the teacher's own comments, one a
// line as the file keeps them, or each written for one student of a class.
#include "core/classdata/StudentRecord.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tq {

inline constexpr const char* expandOption = "--expand";

// `file`: the comments file (My comments.txt in the teacher's Documents folder). `operands`: none,
// or --expand, CLASS.tqc and STUDENT_NUMBER. `openClass` reads a class file (nothing when it cannot
// be used; it has said why). Returns the exit code.
int myCommentsCommand(const std::string& file, const std::vector<std::string>& operands, std::ostream& out,
                      std::ostream& err, const std::function<std::optional<ClassList>(const std::string&)>& openClass);

std::string myCommentsUsage();

} // namespace tq
