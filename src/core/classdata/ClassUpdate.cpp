#include "core/classdata/ClassUpdate.h"

#include "core/classdata/MasterFile.h"

#include <unordered_map>
#include <unordered_set>

namespace tq {

std::vector<std::string> classCourseCodes(const ClassList& students)
{
    std::vector<std::string> codes;
    std::unordered_set<std::string> seen;
    for (const StudentRecord& s : students)
        if (seen.insert(s.courseCode).second)
            codes.push_back(s.courseCode);
    return codes;
}

namespace {
ClassUpdateResult failure(Message message)
{
    ClassUpdateResult r;
    r.failed = true;
    r.message = std::move(message);
    return r;
}

// Carries the teacher's entries over from the class's record to the rebuilt one.
void takeEntries(StudentRecord& rebuilt, const StudentRecord& old)
{
    rebuilt.mark = old.mark;
    for (int k = 1; k <= commentCount; ++k)
        rebuilt.comment(k) = old.comment(k);
    for (int k = 1; k <= skillCount; ++k)
        rebuilt.skill(k) = old.skill(k);
    rebuilt.iep = old.iep;
    rebuilt.esl = old.esl;
    rebuilt.eld = old.eld;
    rebuilt.hasFreeForm = old.hasFreeForm;
    rebuilt.freeFormComment = old.freeFormComment;
    rebuilt.gender = old.gender;
    rebuilt.masterColumn8 = old.masterColumn8;
    rebuilt.interview = old.interview;
}
} // namespace

ClassUpdateResult updateClassFromMaster(ClassList& students, const std::string& masterPath, const Clock& now,
                                        size_t addedCapacity, size_t droppedCapacity, const Pause& pause)
{
    if (students.empty())
        return {};
    const std::vector<std::string> codes = classCourseCodes(students);
    if (codes.size() > maxCourseCodes)
        return failure(masterUnavailableForUpdateMessage());

    const std::optional<int> age = masterFileAge(masterPath, now);
    if (!age)
        return failure(masterUnavailableForUpdateMessage());
    if (*age > maxMasterAgeDays)
        return failure(masterTooOldForUpdateMessage(*age));

    const MasterRead master = readSettledMasterFile(masterPath, now, pause);
    if (master.fault == MasterReadFault::Incomplete)
        return failure(masterIncompleteMessage());
    std::optional<ClassList> rebuilt =
        master.fault == MasterReadFault::None ? masterStudentsFromText(master.text, codes, maxStudents) : std::nullopt;
    if (!rebuilt)
        return failure(masterUnavailableForUpdateMessage());
    if (rebuilt->empty())
        return failure(masterHoldsNoneOfTheClassMessage());

    // The first student of the class under each (course code, student number).
    std::unordered_map<std::string, size_t> firstIndex;
    firstIndex.reserve(students.size());
    auto key = [](const StudentRecord& s) { return s.courseCode + '\n' + s.studentNumber; };
    for (size_t i = 0; i < students.size(); ++i)
        firstIndex.emplace(key(students[i]), i);

    ClassUpdateResult result;
    std::vector<bool> matched(students.size(), false);
    for (StudentRecord& record : *rebuilt) {
        const auto found = firstIndex.find(key(record));
        if (found != firstIndex.end()) {
            takeEntries(record, students[found->second]);
            matched[found->second] = true;
        } else {
            if (result.addedStudents.size() >= addedCapacity)
                return failure(masterUnavailableForUpdateMessage());
            result.addedStudents.push_back(record);
        }
    }
    for (size_t i = 0; i < students.size(); ++i) {
        if (matched[i])
            continue;
        if (result.droppedStudents.size() >= droppedCapacity)
            return failure(masterUnavailableForUpdateMessage());
        result.droppedStudents.push_back(students[i]);
    }
    students = std::move(*rebuilt);
    return result;
}

} // namespace tq
