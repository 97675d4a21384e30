#pragma once
// The school's phrase library "TQPhraseLibrary.csv": numbered comment phrases, read once at
// start-up and looked up by code everywhere a comment code becomes text.
#include "core/base/Message.h"

#include <cstdint>
#include <optional>
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
// the library file is expected to arrive in that order and is not sorted here. Each phrase's
// sentence form is made once, when the library is made, so a lookup copies nothing.
class PhraseLibrary {
public:
    PhraseLibrary() = default;
    explicit PhraseLibrary(std::vector<PhraseRecord> phrases);

    const std::vector<PhraseRecord>& phrases() const { return phrases_; }
    size_t phraseCount() const { return phrases_.size(); }
    // The sentence form (see tidySentence) of phrase `i`.
    std::string_view sentence(size_t i) const;
    // Where the phrase with `code` is, found by binary search over the codes in their file order.
    std::optional<size_t> find(std::string_view code) const;

private:
    struct Span {
        size_t offset;
        size_t length;
    };
    std::vector<PhraseRecord> phrases_;
    // byteOrderKey of phrase i's code: the search compares these, held side by side, and reads a
    // whole code only on a tie.
    std::vector<uint64_t> keys_;
    std::string sentences_;      // every sentence form, back to back
    std::vector<Span> spans_;    // where phrase i's sentence lies in sentences_
};

struct PhraseLibraryLoad {
    PhraseLibrary library;
    MaybeMessage message; // TQ1 or TQ2 (both end the program), or TQ3 (the program goes on, empty)
};

// Reads the library at `path` as start-up does.
PhraseLibraryLoad loadPhraseLibrary(const std::string& path);
// The library held in a file's text (its first line is the header); TQ1 or TQ2 when it is refused.
PhraseLibraryLoad parsePhraseLibraryText(std::string_view text);

// Splits one phrase line at its first and last commas; nothing when the line holds no comma.
std::optional<PhraseRecord> splitPhraseLine(std::string_view line);

// True for a line the loader skips: its last non-space character is "#".
bool isSkippedPhraseLine(std::string_view line);

// The sentence form of the phrase with `code`, or "" for an empty or blank code or one not found.
// The view stays valid while the library does.
std::string_view lookupPhrase(const PhraseLibrary& library, std::string_view code);

// The phrase as a list shows it beside its code: "(not in the phrase library)" for a code the
// library lacks (a favourites file keeps such codes: the library may have been cut short).
inline constexpr const char* notInLibraryText = "(not in the phrase library)";
std::string phraseShownFor(const PhraseLibrary& library, std::string_view code);

// Trimmed, without one enclosing double quote at either end and one final period, then ". ".
std::string tidySentence(std::string_view text);
// The same appended to `out`.
void appendSentence(std::string& out, std::string_view text);

// `s` with "0" in front until it is at least `width` long.
std::string padLeftZeros(std::string s, size_t width);

// True for "" and the blank code: no phrase.
bool isNoPhraseCode(std::string_view code);

Message phraseLibraryQuotedMessage();    // TQ1
Message phraseLibraryCorruptMessage();   // TQ2
Message phraseLibraryNotFoundMessage();  // TQ3

} // namespace tq
