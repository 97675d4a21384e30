#pragma once
// The program driven by a test from outside, switched on by the environment and by nothing else:
// with TQ_TEST_DRIVER=1 the program skips the start-up window, reads commands (a mark typed, a
// cell clicked, a menu item chosen) from its standard input and answers every message box and
// dialog through its standard input and output instead of showing them (TestDriver.h). Two more
// variables count only then:
//   TQ_TEST_RECOVERY_INTERVAL_MS=<n>  the recovery copies' interval, in milliseconds;
//   TQ_TEST_HOLD_WRITE=<n>:<step>     the n-th recovery write stops at that step for good
//                                     (CopyWriteStep names: "in-place", ...), so that the test
//                                     can end the program there.
#include "core/recovery/CopyFolders.h"
#include "core/recovery/RecoveryCopies.h"

#include <optional>

namespace tq {

struct TestDriverSettings {
    RecoveryCopies::Delay recoveryInterval = RecoveryCopies::defaultInterval;
    int holdWrite = 0; // the write to hold, counted from 1; 0 for none
    CopyWriteStep holdStep = CopyWriteStep::FolderMade;
};

// The settings the three variables' values give (null for an unset variable); nothing unless the
// first is exactly "1". Values that do not read are left at their defaults.
std::optional<TestDriverSettings> testDriverRequest(const char* driver, const char* interval, const char* hold);
std::optional<TestDriverSettings> testDriverFromEnvironment();

} // namespace tq
