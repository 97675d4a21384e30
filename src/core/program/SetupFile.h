#pragma once
// The administrator's set-up file "TQSetup.ini", kept beside the phrase library: what a school
// sets once for every teacher who uses the program.
//
//     ; comments start with ';' or '#'; a [section] line is allowed and ignored
//     School=Lakeshore Collegiate Institute
//     DataFolder=/srv/tallyquill/data
//     Dictionary=en_US
//
// Keys are matched without regard to case, spaces around keys and values are dropped, and a value
// may be put in double quotes. Unknown keys, lines without '=' and keys without a name are
// ignored; when a key is given twice, the later line counts. The file may be Windows-1252 or
// UTF-8 text (with or without a byte-order mark), with any line ends. Without the file nothing
// is set: the start-up window names no school and the master file is looked for in the data
// folder beside the program folder, and spelling is checked with the Canadian English dictionary.
#include <cstddef>
#include <string>
#include <string_view>

namespace tq {

struct ProgramState;

inline constexpr const char* setupFileName = "TQSetup.ini";
// A longer school name is cut: the start-up window is laid out for one line.
inline constexpr size_t maxSchoolNameLength = 80;
// Only the beginning of an oversized file is read; a set-up file is a few lines.
inline constexpr size_t maxSetupFileBytes = 64 * 1024;

struct SchoolSetup {
    std::string school;     // Windows-1252 text, as the program keeps its text; empty = none
    std::string dataFolder; // in the file system's encoding (UTF-8); empty = the usual data folder
    std::string dictionary; // the spelling dictionary's name ("en_US"); empty = the usual one

    bool operator==(const SchoolSetup&) const = default;
};

// The set-up held by a file's bytes.
SchoolSetup parseSetup(std::string_view bytes);

// The set-up file at `path`; a missing or unreadable file, or a folder, gives the empty set-up.
SchoolSetup readSetupFile(const std::string& path);

// Reads the set-up file of the program folder into the state: the school's name, the
// master-file folder when the file names one (a relative folder counts from the program folder),
// and the spelling dictionary when it names one.
void applySetupFile(ProgramState& state);

} // namespace tq
