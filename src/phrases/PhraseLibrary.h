#pragma once
// The school's phrase library "TQPhraseLibrary.csv": numbered comment phrases, read once at
// start-up and looked up by code everywhere a comment code becomes text.
#include "program/Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq {

inline constexpr const char* phraseLibraryFileName = "TQPhraseLibrary.csv";
inline constexpr size_t maxPhrases = 10000;
inline constexpr const char* blankCode = "    "; // a separator or a deleted comment

struct PhraseRecord {
    std::string code;       // left-padded with "0" to at least four characters
    std::string text;       // with its placeholders
    std::string categories; // one-character category markers

    bool operator==(const PhraseRecord&) const = default;
};

// The loaded library. Codes must be in ascending byte order for lookupPhrase to find them;
// the library file is expected to arrive in that order and is not sorted here.
struct PhraseLibrary {
    std::vector<PhraseRecord> phrases;
    size_t phraseCount() const { return phrases.size(); }
};

struct PhraseLibraryLoad {
    PhraseLibrary library;
    MaybeMessage message; // TQ1 or TQ2 (both end the program), or TQ3 (the program goes on, empty)
};

// Reads the library at `path` as start-up does.
PhraseLibraryLoad loadPhraseLibrary(const std::string& path);
// The library held in a file's lines (the first is the header); TQ1 or TQ2 when they are refused.
PhraseLibraryLoad parsePhraseLibraryLines(const std::vector<std::string>& lines);

// Splits one phrase line at its first and last commas; nothing when the line holds no comma.
std::optional<PhraseRecord> splitPhraseLine(std::string_view line);

// True for a line the loader skips: its last non-space character is "#".
bool isSkippedPhraseLine(std::string_view line);

// The sentence form of the phrase with `code`, or "" for an empty or blank code or one not found.
std::string lookupPhrase(const PhraseLibrary& library, std::string_view code);

// Trimmed, without one enclosing double quote at either end and one final period, then ". ".
std::string tidySentence(std::string_view text);

// `s` with "0" in front until it is at least `width` long.
std::string padLeftZeros(std::string s, size_t width);

// True for "" and the blank code: no phrase.
bool isNoPhraseCode(std::string_view code);

Message phraseLibraryQuotedMessage();    // TQ1
Message phraseLibraryCorruptMessage();   // TQ2
Message phraseLibraryNotFoundMessage();  // TQ3

} // namespace tq
