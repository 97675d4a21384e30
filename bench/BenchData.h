#pragma once
// The data the benchmarks run on: every file of the program at the largest size it must handle,
// made up deterministically from one number, so that two runs with the same number measure the
// same bytes.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/selection/FavouritesFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tq::bench {

inline constexpr uint64_t defaultOrigin = 20240903;

inline constexpr int libraryPhrases = 10000;   // the library's limit
inline constexpr int masterStudentCount = 3000;
inline constexpr int masterClassCodeCount = 2000;  // class codes; the excluded ones come on top
inline constexpr int largeClassSize = 501;     // the class's limit
inline constexpr int smallClassSize = 10;
inline constexpr int favouriteEntries = 1000;  // the favourites' limit, separators included
inline constexpr int favouriteRanges = 100;    // the ranges' limit

// The three sections of the large class: together they hold its students in the master file.
inline const std::array<std::string, 3> largeClassCodes{"PPL3O1-01", "PPL3O1-02", "PPL3O1-03"};

// A small generator of pseudo-random numbers (splitmix64) whose sequence is fixed by its origin on
// every compiler and standard library, unlike the distributions of <random>.
class Sequence {
public:
    explicit Sequence(uint64_t origin) : state_(origin) {}
    uint64_t next();
    // A number from `low` to `high`, both included.
    int between(int low, int high);
    // True with the given chance in percent.
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[static_cast<size_t>(between(0, static_cast<int>(items.size()) - 1))]; }

private:
    uint64_t state_;
};

// The file contents, as bytes (Windows-1252, lines ended with CR LF).
std::string phraseLibraryText(uint64_t origin);
std::string masterFileText(uint64_t origin);
std::string favouritesText(uint64_t origin);
// The class in memory: the students of the three large-class sections as the master file gives
// them, save a few who have left since the class was made and a few who came in their place,
// with every entry filled in and sorted by name as a saved class is.
ClassList largeClass(uint64_t origin);

// A free-form comment of exactly `length` characters for `student`, as a teacher types one late
// at night: sentences about the student's work with the student's name and pronouns, now and
// then a misspelt word, another student's first name from `students` or a pronoun that does not
// fit, apostrophes and hyphens. Different for each `turn`.
std::string typedFreeFormComment(const StudentRecord& student, const ClassList& students, int turn, size_t length);

// The large class with every student's comment free-form, `length` characters long.
ClassList largeClassWithFreeFormComments(uint64_t origin, size_t length);

// What the main window shows at start-up with `favouritesFile` (whose bytes are `favourites`)
// opened on the library: the favourites list's caption on the first line, then every line of the
// list, in UTF-8 and ended by LF. The floor of start-up shows these texts without working them
// out (bench/startup/MainWindowFloor.cpp).
std::string mainWindowFloorText(const std::string& library, const std::string& favourites,
                                const std::string& favouritesFile);

// The files of a generated set, by path.
struct BenchFiles {
    std::string folder;
    std::string phraseLibrary;  // TQPhraseLibrary.csv
    std::string masterFile;     // TQStudentInfo.txt
    std::string largeClassFile; // 501 students
    std::string smallClassFile; // the first 10 of them
    std::string favourites;     // 1,000 entries, 100 ranges
    std::string floorTexts;     // what the start-up floor shows (mainWindowFloorText)
};

// Writes every file into `folder` (which must exist) and returns their paths. False in `ok` when
// a file could not be written.
struct WrittenBenchFiles {
    BenchFiles files;
    bool ok = false;
};
WrittenBenchFiles writeBenchFiles(const std::string& folder, uint64_t origin = defaultOrigin);

// One set of files for the whole run of a benchmark program, written on first use into a fresh
// temporary folder that is removed when the program ends.
const BenchFiles& sharedBenchFiles();

} // namespace tq::bench
