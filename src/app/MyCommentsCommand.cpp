#include "app/MyCommentsCommand.h"

#include "app/CommandLine.h"
#include "core/base/Cp1252.h"
#include "core/base/TrimBlanks.h"
#include "core/mycomments/MyCommentExpansion.h"
#include "core/mycomments/MyCommentsFile.h"

#include <algorithm>
#include <ostream>

namespace tq {

int myCommentsCommand(const std::string& file, const std::vector<std::string>& operands, std::ostream& out,
                      std::ostream& err, const std::function<std::optional<ClassList>(const std::string&)>& openClass)
{
    const bool expand = !operands.empty();
    if (expand && (operands.size() != 3 || operands[0] != expandOption)) {
        err << "tallyquill: my-comments takes " << expandOption << " CLASS.tqc STUDENT_NUMBER, or nothing\n";
        return exitUnusable;
    }
    const MyCommentsLoad load = readMyCommentsFile(file);
    if (load.result == MyCommentsRead::Unreadable) {
        err << "tallyquill: " << myCommentsUnreadableText(file) << '\n';
        return exitUnusable;
    }
    if (load.result == MyCommentsRead::NoFile)
        err << "tallyquill: there are no comments of your own yet (" << file
            << " is made when the first is added in the free form comment window)\n";
    if (!expand) {
        for (const std::string& comment : load.list.comments)
            out << comment << '\n';
        return exitPassed;
    }
    const std::optional<ClassList> students = openClass(operands[1]);
    if (!students)
        return exitUnusable;
    const std::string& number = operands[2];
    const auto student = std::find_if(students->begin(), students->end(), [&](const StudentRecord& s) {
        return trimBlanks(s.studentNumber) == trimBlanks(number);
    });
    if (student == students->end()) {
        err << "tallyquill: " << operands[1] << " has no student with the number " << number << '\n';
        return exitUnusable;
    }
    for (const std::string& comment : load.list.comments)
        out << expandMyComment(comment, *student, false) << '\n';
    return exitPassed;
}

std::string myCommentsUsage()
{
    return "  my-comments [--expand CLASS.tqc STUDENT_NUMBER]\n"
           "                             print your own comments (My comments.txt in the Tallyquill\n"
           "                             folder of your Documents folder), one a line as kept, with\n"
           "                             their placeholders; with --expand, each written for the\n"
           "                             student of the class who has that student number\n";
}

} // namespace tq
