#pragma once
// The description kept beside a recovery copy: what the copy is (a class or favourites), the
// file it came from, when it was last changed, who wrote it, and the copy's length and
// checksum, so that a copy that is not whole is recognised even when it still reads as a class.
// Kept as "key=value" lines of text.
#include "core/recovery/RecoveryNames.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

inline constexpr const char* recoveryNoteFileName = "description.txt";

// A free-form comment the teacher was writing for a student, not yet taken into the class.
struct FreeFormDraft {
    int student = 0;           // the student's place in the class
    std::string studentNumber; // to make sure it is still that student
    std::string text;          // as typed (Windows-1252)

    bool operator==(const FreeFormDraft&) const = default;
};

struct RecoveryNote {
    CopyKind kind = CopyKind::Class;
    std::string copyFile;      // the copy's file name in its folder
    std::uint64_t length = 0;  // of the copy, in bytes
    std::uint64_t checksum = 0;
    std::string originalFile;  // the class or favourites file it came from; "" when never saved
    std::string course;        // the first student's course code (Windows-1252); classes only
    int count = 0;             // students, or favourites entries
    std::time_t changed = 0;   // the teacher's last change
    long pid = 0;
    std::string instance;
    std::optional<FreeFormDraft> draft; // classes only

    bool operator==(const RecoveryNote&) const = default;
};

// A checksum of a copy's bytes (64-bit FNV-1a).
std::uint64_t copyChecksum(std::string_view bytes);

std::string recoveryNoteText(const RecoveryNote& note);
// Nothing when a key is missing, a number is not one, or the kind is unknown. Unknown keys are
// passed over; the draft's keys are there only with a draft.
std::optional<RecoveryNote> parseRecoveryNote(std::string_view text);

// True when `bytes` are the copy the note describes: the same length and checksum.
bool noteDescribes(const RecoveryNote& note, std::string_view bytes);

} // namespace tq
