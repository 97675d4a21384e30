#pragma once
// The program driven by a test from outside (see TestDriverSettings.h for how it is switched
// on). Once the program has started it says "ready" on its standard output and then takes one
// command a line from its standard input:
//   mark <row> <text>              types the text into the mark cell of grid row <row>, and Enter
//   click <row> <col> left|right   clicks a cell of the class grid
//   favourite <index>              chooses an entry of the favourites list
//   freeform <row> <text>          opens the free-form dialog for grid row <row> and types the
//                                  text (the rest of the line) in place of what it holds
//   menu <name> / button <name>    chooses the menu item, or presses the button, of that name
//                                  (a button of a dialog on show too)
//   dump <path>                    writes the class in memory to <path> as a class file
//   flush                          waits until the recovery copies asked for are written
// Each is answered with "done <count> <checksum>": the commands run so far and the checksum of
// the class in memory (recovery/RecoveryNote.h's, of its class-file text). Message boxes and
// dialogs are not shown but said ("message <title>|<text>", "question <title>|<text>",
// "open-file <title>|<folder>", "save-file <title>|<folder>|<name>", "choice <title>|<text>|<b1/b2/b3>");
// a question waits for "yes" or "no" (one with Cancel also for "cancel"), a choice for a button's text, a file dialog for a path (an
// empty line cancels). A held recovery write says
// "held <step>".
#include "app/DriverChannel.h"
#include "app/TestDriverSettings.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <string>

class QSocketNotifier;

namespace tq {

struct ProgramState;
class frmEntry;
namespace ui {
class Dialogs;
}

class TestDriver : public QObject {
public:
    // A driver when the environment asks for one, otherwise none.
    static std::unique_ptr<TestDriver> fromEnvironment();

    explicit TestDriver(TestDriverSettings settings);
    ~TestDriver() override;

    ui::Dialogs& dialogs();
    RecoveryCopies::Delay recoveryInterval() const { return settings_.recoveryInterval; }
    CopyWriteHook recoveryWriteHook();

    // Says "ready" and runs the commands as they come.
    void drive(frmEntry& window, ProgramState& state);

private:
    void readCommands();
    bool run(const std::string& command);
    std::string classChecksum() const;

    TestDriverSettings settings_;
    DriverChannel channel_;
    std::unique_ptr<ui::Dialogs> dialogs_;
    QSocketNotifier* notifier_ = nullptr;
    frmEntry* window_ = nullptr;
    ProgramState* state_ = nullptr;
    int commands_ = 0;
    std::atomic<int> writes_{0};
};

} // namespace tq
