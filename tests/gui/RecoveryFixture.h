#pragma once
// The main window keeping recovery copies in a folder of the test's own, with copies taken at the
// end of each event (no interval), and copies that an ended session left behind.
#include "AutoFillFixture.h"

#include "core/recovery/CopyWriter.h"
#include "core/recovery/LeftCopies.h"
#include "gui/recovery/RecoveryStart.h"

#include <QCoreApplication>

#include <algorithm>

namespace tq::test {

class RecoveryWindowTest : public AutoFillTest {
protected:
    std::string recoveryFolder() const { return root.file("recovery"); }

    // Starts the main window as the program does: copies kept from the start, and those an ended
    // session left offered once the window is up.
    void startKeeping(const std::string& favourites = "", ByteWriterFactory makeWriter = {})
    {
        startActive(favourites);
        RecoveryCopies::Settings settings;
        settings.folder = recoveryFolder();
        settings.interval = RecoveryCopies::Delay{0};
        settings.makeWriter = std::move(makeWriter);
        window->startRecoveryCopies(std::move(settings));
        ASSERT_TRUE(state.recovery.active());
    }

    // The copies this program has on disk once what it asked for is done (with `settle`, what
    // is due at the end of the event too).
    std::optional<LeftCopy> ownCopy(CopyKind kind, bool settle = true)
    {
        if (settle)
            QCoreApplication::processEvents();
        state.recovery.flush();
        for (const std::string& name : namesInFolder(recoveryFolder())) {
            const std::optional<RecoveryEntry> entry = recoveryEntryOf(name);
            if (entry && entry->what == RecoveryEntry::What::Copy && entry->kind == kind &&
                entry->instance == state.recovery.instance())
                return readLeftCopy(recoveryFolder(), name, state.phrases);
        }
        return std::nullopt;
    }
    ClassList copiedClass()
    {
        const std::optional<LeftCopy> copy = ownCopy(CopyKind::Class);
        return copy ? std::get<ClassList>(copy->data) : ClassList{};
    }

    // A copy that a session which did not end normally left; its folder's name.
    std::string leaveEndedCopy(const std::string& instance, const CopySnapshot& snapshot)
    {
        EXPECT_TRUE(makeRecoveryFolder(recoveryFolder()));
        EXPECT_TRUE(writeCopyFolder(recoveryFolder(), instance, 1, copyText(snapshot), copyNote(snapshot, instance, 99)));
        return copyFolderName(instance, snapshot.kind(), 1);
    }
    bool inRecoveryFolder(const std::string& name) const { return std::filesystem::exists(recoveryFolder() + "/" + name); }

    std::vector<ui::ScriptedDialogs::Call> questions() const { return dialogs.callsOf(ui::ScriptedDialogs::Kind::Question); }
};

} // namespace tq::test
