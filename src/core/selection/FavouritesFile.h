#pragma once
// The favourites file (.tqf): the teacher's initial-value mark ranges followed by the favourite
// phrase codes, one per line, four spaces for a separator.
#include "core/base/Message.h"
#include "core/base/TextFile.h"
#include "core/phrases/PhraseLibrary.h"

#include <array>
#include <string>
#include <vector>

namespace tq {

inline constexpr size_t maxFavourites = 1000;
inline constexpr size_t maxInitialRanges = 100;

struct InitialValueRange {
    int lowMark = 0;
    int highMark = 0;
    std::string rangeComment1, rangeComment2, rangeComment3;
    std::array<std::string, 6> rangeSkills; // R, O, W, C, I, S: "1" to "4" or ""

    std::string& rangeComment(int k);
    const std::string& rangeComment(int k) const;
    bool operator==(const InitialValueRange&) const = default;
};

struct Favourites {
    std::string favouritesFile;                 // "" when never opened or saved
    std::vector<std::string> favourites;        // codes, or four spaces for a separator
    std::vector<InitialValueRange> initialRanges;
};

// The seven ranges of a new favourites list: 80-100 at "4" down to 0-19 at "1".
std::vector<InitialValueRange> defaultInitialRanges();

// Reads `fav.favouritesFile` into the entries and ranges. Codes the library lacks are kept, in the
// list and in the ranges, and written back unchanged: a library cut short must not cost the
// teacher a favourite (codesLibraryLacks names them). Returns TQ16 or TQ17 when the file is
// refused (the entries and ranges are then empty).
MaybeMessage readFavourites(Favourites& fav, const PhraseLibrary& library);
// The same from a favourites file's lines (TQ17 when they are refused; the name is not checked).
MaybeMessage readFavouritesLines(Favourites& fav, const std::vector<std::string>& lines,
                                 const PhraseLibrary& library);

// Writes the entries and ranges to `fav.favouritesFile`. TQ18 when the file cannot be written;
// the old file is then left as it was.
MaybeMessage saveFavourites(const Favourites& fav, const ByteWriterFactory& makeWriter = {});

// The file's bytes as saveFavourites writes them. The file must always read back: an empty entry
// (what appending a separator gives) is written as the separator it stands for, and an entry the
// reader would refuse (appended without checks, such as "XYZ") is left out.
std::string favouritesFileText(const Favourites& fav);

// Appends the entries of another favourites file to the list. False when the file could not be
// read or the list would pass 1,000 entries; entries read before that stay appended.
bool appendFavouritesFrom(Favourites& fav, const std::string& path);
// The same from another favourites file's lines.
bool appendFavouritesLines(Favourites& fav, const std::vector<std::string>& lines);

// The distinct codes of the entries and the ranges that the library lacks, in list order, then
// range order; and how many distinct codes they use in all.
struct LackedCodes {
    std::vector<std::string> lacked;
    size_t used = 0;
};
LackedCodes codesLibraryLacks(const Favourites& fav, const PhraseLibrary& library);

Message invalidFavouritesTypeMessage();    // TQ16
Message invalidFavouritesFileMessage();    // TQ17
Message favouritesNotSavedMessage();       // TQ18

} // namespace tq
