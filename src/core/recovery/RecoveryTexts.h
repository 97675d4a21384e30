#pragma once
// What the teacher is told about the copies found at start-up, as UTF-8 text (file names are
// shown as the file system holds them, course codes turned from the code page).
#include "core/recovery/LeftCopies.h"

#include <ctime>
#include <string>

namespace tq {

struct RecoveryText {
    std::string text;
    std::string title;
};

// "Monday, December 7, 2026 at 10:15", in local time.
std::string lastChangedText(std::time_t time);

// Yes restores the copy; No sets it aside in the "declined" folder of the recovery folder
// `folder`, where it is kept for 14 days.
RecoveryText restoreQuestion(const LeftCopy& copy, const std::string& folder);
// For a copy found once another of its kind has been restored: Yes keeps it for the next start,
// No sets it aside as above.
RecoveryText keepForLaterQuestion(const LeftCopy& copy, const std::string& folder);
// A copy that could not be read, and where it was kept.
RecoveryText damagedCopyMessage(const DamagedCopy& copy, const std::string& folder);

// The status line of a class restored from a copy of `originalFile` ("" when it was never saved).
std::string restoredClassStatus(const std::string& originalFile);

} // namespace tq
