#pragma once
// The school's master list "TQStudentInfo.txt": a header line, then one line per student with the
// class codes the student is enrolled in. Read only; read afresh on every use.
#include "core/base/Clock.h"
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

inline constexpr const char* masterFileName = "TQStudentInfo.txt";
inline constexpr int maxMasterAgeDays = 30;
inline constexpr size_t maxClassCodes = 2001;
inline constexpr size_t masterFieldCount = 15;   // the fields of a student line
inline constexpr int masterSettleSeconds = 2;    // a file changed more recently may still be being copied

// The master file in `dataFolder`: the name is matched without regard to case. When no such file
// is there, the path it would have.
std::string masterFilePath(const std::string& dataFolder);

// The fifteenth comma field of a master line: the student's class codes.
std::string masterClassCodes(std::string_view line);

// Takes the first space-separated word off `text` (which is trimmed first).
std::string nextWord(std::string& text);
// The same on a view of the text: no copy, so a very long line of codes is split in linear time.
std::string_view nextWord(std::string_view& text);

// Codes that are not classes: beginning "LUNCH", "SH1" or "Z".
bool isExcludedClassCode(std::string_view code);

// The file's creation time (its change time where the file system keeps none).
std::optional<std::time_t> fileCreationTime(const std::string& path);
// Age of the master file in calendar days; nothing when the file cannot be examined.
std::optional<int> masterFileAge(const std::string& path, const Clock& now);

struct ClassCodeList {
    std::vector<std::string> codes; // ascending by byte order
    MaybeMessage message;           // TQ9, TQ10a (ends the program) or TQ10b
};
// The class codes of the master file for the Get Class dialog.
ClassCodeList readClassCodeList(const std::string& path, const Clock& now);
// The class codes of a master file's text (its first line is the header); TQ10a when there are
// none, TQ10b when the file has not even a header line, holds a line whose quoted field never
// closes (the student reader refuses it too), or would give more than 2001 codes.
ClassCodeList classCodesFromMasterText(std::string_view text);

// The students of the master file enrolled in any of `codes`, each as a new record under that
// code: in file order and, within a line, in the order of `codes`. Nothing when the file cannot
// be read or would give more than `capacity` students.
std::optional<ClassList> readMasterStudents(const std::string& path, const std::vector<std::string>& codes,
                                            size_t capacity = maxStudents);
// The same from a master file's text.
std::optional<ClassList> masterStudentsFromText(std::string_view text, const std::vector<std::string>& codes,
                                                size_t capacity = maxStudents);

// True when a master file's text can be whole: a student line follows the header, and the last
// line holds every field of a student line (a copy caught half-way ends inside a line).
bool masterTextLooksWhole(std::string_view text);

enum class MasterReadFault { None, Unreadable, Incomplete };
struct MasterRead {
    std::string text;
    MasterReadFault fault = MasterReadFault::None;
};
// The master file's text once it is whole and settled: not changed in the last two seconds, the
// same size and time of change before and after it was read, and whole as above. When it is not,
// waits (through `pause`) for the office's copy to finish and tries once more; still not:
// Incomplete. Unreadable when it cannot be read at all.
MasterRead readSettledMasterFile(const std::string& path, const Clock& now, const Pause& pause);

Message masterTooOldForClassListMessage(int age); // TQ9
Message masterTooOldForUpdateMessage(int age);    // TQ4
Message masterUnavailableForUpdateMessage();      // TQ5
Message masterHasNoClassCodesMessage();           // TQ10a
Message masterUnreadableMessage();                // TQ10b
Message masterIncompleteMessage();                // TQ24
Message masterHoldsNoneOfTheClassMessage();       // TQ25

} // namespace tq
