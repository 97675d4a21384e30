// The generated file set: the pseudo-random sequence, the favourites file, and writing the whole
// set to a folder.
#include "bench/BenchData.h"

#include "core/base/Message.h"
#include "core/base/TextFile.h"
#include "core/base/Cp1252.h"
#include "core/classdata/ClassFile.h"
#include "core/selection/FavouritesListText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace tq::bench {

uint64_t Sequence::next()
{
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int Sequence::between(int low, int high)
{
    const uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int>(next() % span);
}

namespace {
std::string libraryCode(int number)
{
    char code[8];
    std::snprintf(code, sizeof code, "%04d", number);
    return code;
}

// A code the library holds, or now and then none.
std::string rangeCode(Sequence& seq)
{
    return seq.chance(15) ? std::string() : libraryCode(seq.between(0, libraryPhrases - 1));
}
} // namespace

std::string favouritesText(uint64_t origin)
{
    Sequence seq(origin ^ 0xFA70u);
    std::string text = " " + std::to_string(favouriteRanges) + " " + crlf;
    // One range per mark from 99 down to 1, and 0 on its own after them: 100 ranges, highest first.
    for (int r = 0; r < favouriteRanges; ++r) {
        const int low = favouriteRanges - 1 - r;
        const int high = r == 0 ? 100 : low;
        const int rating = std::min(4, 1 + low / 20);
        text += std::to_string(low) + "," + std::to_string(high);
        for (int k = 0; k < 3; ++k)
            text += "," + rangeCode(seq);
        for (int k = 0; k < skillCount; ++k)
            text += "," + std::to_string(std::clamp(rating + seq.between(-1, 1), 1, 4));
        text += crlf;
    }
    // Groups of nine codes, each closed by a separator.
    for (int i = 0; i < favouriteEntries; ++i) {
        text += (i % 10 == 9) ? std::string(blankCode) : libraryCode(seq.between(0, libraryPhrases - 1));
        text += crlf;
    }
    return text;
}

std::string mainWindowFloorText(const std::string& library, const std::string& favourites,
                                const std::string& favouritesFile)
{
    Favourites fav;
    fav.favouritesFile = favouritesFile;
    const PhraseLibrary phrases = parsePhraseLibraryText(library).library;
    readFavouritesLines(fav, textFileLines(favourites), phrases);
    std::string text = cp1252ToUtf8(favouritesCaption(favouritesFile)) + "\n";
    for (const std::string& line : favouritesListLines(fav, phrases))
        text += cp1252ToUtf8(line) + "\n";
    return text;
}

WrittenBenchFiles writeBenchFiles(const std::string& folder, uint64_t origin)
{
    WrittenBenchFiles w;
    BenchFiles& f = w.files;
    f.folder = folder;
    f.phraseLibrary = folder + "/" + phraseLibraryFileName;
    f.masterFile = folder + "/TQStudentInfo.txt";
    f.largeClassFile = folder + "/Bench501.tqc";
    f.smallClassFile = folder + "/Bench10.tqc";
    f.favourites = folder + "/Bench.tqf";
    f.floorTexts = folder + "/StartUpFloorTexts.txt";

    const ClassList large = largeClass(origin);
    const ClassList small(large.begin(), large.begin() + smallClassSize);
    const std::string library = phraseLibraryText(origin);
    const std::string favourites = favouritesText(origin);
    w.ok = replaceFileAtomically(f.phraseLibrary, library) &&
           replaceFileAtomically(f.masterFile, masterFileText(origin)) &&
           saveClassFile(f.largeClassFile, large) && saveClassFile(f.smallClassFile, small) &&
           replaceFileAtomically(f.favourites, favourites) &&
           replaceFileAtomically(f.floorTexts, mainWindowFloorText(library, favourites, f.favourites));
    // Written a moment ago, the master file would look still copied: the update would wait for it.
    std::error_code ec;
    std::filesystem::last_write_time(f.masterFile, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1), ec);
    return w;
}

namespace {
// A temporary folder holding one generated set, removed when the program ends.
class SharedFolder {
public:
    SharedFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tq-bench-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder for the benchmark files in " + pattern);
        WrittenBenchFiles w = writeBenchFiles(pattern);
        files_ = std::move(w.files);
        if (!w.ok) {
            std::error_code ec;
            std::filesystem::remove_all(pattern, ec);
            throw std::runtime_error("cannot write the benchmark files into " + pattern);
        }
    }
    ~SharedFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(files_.folder, ec);
    }
    SharedFolder(const SharedFolder&) = delete;
    SharedFolder& operator=(const SharedFolder&) = delete;
    const BenchFiles& files() const { return files_; }

private:
    BenchFiles files_;
};
} // namespace

const BenchFiles& sharedBenchFiles()
{
    static const SharedFolder folder;
    return folder.files();
}

} // namespace tq::bench
