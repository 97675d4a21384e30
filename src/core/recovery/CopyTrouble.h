#pragma once
// Why recovery copies cannot be written, and what the teacher is told about it: a message the
// first time copies fail for a cause in a run, and a line on the main window for as long as
// they fail.
#include <array>
#include <string>

namespace tq {

enum class CopyTrouble { None, DiskFull, OtherOwner, NotPermitted, ReadOnlyDisk, Other };

// The cause of a failed write into the recovery folder `folder`, from the system's error number.
CopyTrouble copyTroubleOf(int error, const std::string& folder);

// "Recovery copies cannot be written (disk full): save your class now."; "" for None.
std::string copyTroubleText(CopyTrouble trouble);

// What the window says as the trouble changes.
struct CopyTroubleNews {
    std::string line; // the window's line; "" once copies are written again
    bool tell = false; // a message now: the first time this cause is met in the run
};

class CopyTroubleReport {
public:
    CopyTroubleNews update(CopyTrouble now);

private:
    std::array<bool, 6> told_{};
};

} // namespace tq
