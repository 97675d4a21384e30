#include "core/classdata/NewClass.h"

#include "core/classdata/MasterFile.h"

#include <algorithm>
#include <limits>

namespace tq {

namespace {
const char* const classUnchanged = " Your current class has not been changed.";
}

NewClassBuild buildNewClass(const std::string& masterPath, std::vector<std::string> codes)
{
    std::erase(codes, std::string());
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());

    NewClassBuild build;
    if (codes.empty())
        return build;
    if (codes.size() > maxChosenCodes) {
        build.message = tooManyChosenCodesMessage();
        return build;
    }
    // Read without a cap, so that "too many students" is told apart from "unreadable".
    std::optional<ClassList> students = readMasterStudents(masterPath, codes, std::numeric_limits<size_t>::max());
    if (!students)
        build.message = masterUnreadableMessage();
    else if (students->size() > static_cast<size_t>(maxStudents))
        build.message = tooManyStudentsMessage();
    else if (students->empty())
        build.message = noStudentsInChosenClassesMessage();
    else
        build.students = std::move(students);
    return build;
}

Message noStudentsInChosenClassesMessage()
{
    return Message{std::string("TQ10c: The current master class list has no students in the chosen class(es).") +
                   classUnchanged};
}

Message tooManyStudentsMessage()
{
    return Message{std::string("TQ10d: The chosen classes hold more than ") + std::to_string(maxStudents) +
                   " students, more than one Tallyquill class can hold. Please choose fewer classes." +
                   classUnchanged};
}

Message tooManyChosenCodesMessage()
{
    return Message{std::string("TQ10e: More than ") + std::to_string(maxChosenCodes) +
                   " classes are selected. Please select fewer classes." + classUnchanged};
}

} // namespace tq
