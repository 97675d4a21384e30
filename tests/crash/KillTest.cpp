// The real program, killed at random moments while the teacher works and started again: every
// change made before the last interval of the recovery copies comes back, and never a class
// that is not one the teacher had. Also killed in each step of a recovery write.
#include "DrivenProgram.h"

#include "core/base/FileLock.h"
#include "core/classdata/ClassFile.h"
#include "core/entry/FreeFormComment.h"
#include "core/recovery/CopyFolders.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <thread>

namespace tq::test {
namespace {

using Clock = DrivenProgram::Clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// What the teacher's computer holds: a home folder with the class file in Documents, and the
// program's recovery folder in the home's data folder.
class TeachersComputer {
public:
    TeachersComputer()
    {
        fs::create_directories(home_.file("Documents"));
        fs::copy_file(sampleFile("ENG2D101.tqc"), classFile());
    }
    std::string classFile() const { return home_.file("Documents/ENG2D101.tqc"); }
    std::string recoveryFolder() const { return home_.file(".local/share/tallyquill/recovery"); }
    std::vector<std::string> recoveryEntries() const
    {
        std::vector<std::string> names = namesInFolder(recoveryFolder());
        std::sort(names.begin(), names.end());
        return names;
    }
    bool copyKept() const
    {
        for (const std::string& name : namesInFolder(recoveryFolder()))
            if (const std::optional<RecoveryEntry> e = recoveryEntryOf(name); e && e->what == RecoveryEntry::What::Copy)
                return true;
        return false;
    }

    // Starts the program: a copy left is restored (Yes to its question), otherwise the class is
    // opened from the teacher's file. Anything else said on the way fails the test (a damaged
    // copy, say). The checksum of the class the program holds once it is ready.
    std::unique_ptr<DrivenProgram> start(const std::vector<std::string>& settings, std::string& checksum)
    {
        const bool copy = copyKept();
        auto program = std::make_unique<DrivenProgram>(home_.path(), copy ? std::vector<std::string>{}
                                                                          : std::vector<std::string>{classFile()},
                                                       settings);
        EXPECT_TRUE(program->started());
        const Clock::time_point deadline = Clock::now() + 30s;
        bool ready = false;
        bool restored = false;
        while (const std::optional<std::string> line = program->nextLine(deadline)) {
            if (*line == "ready") {
                ready = true;
                break;
            }
            if (line->starts_with("question Restore Class|")) {
                program->send("yes");
                restored = true;
                continue;
            }
            ADD_FAILURE() << "said at start: " << *line;
            if (line->starts_with("question "))
                program->send("no");
        }
        EXPECT_TRUE(ready) << "the program did not start; see " << home_.file("program-output.txt");
        EXPECT_EQ(restored, copy) << "a copy was on disk but not offered, or the other way round";
        checksum = command(*program, "flush", deadline).value_or("");
        return program;
    }

    // Sends a command; the class's checksum after it, or nothing when the program refused it (a
    // cell of the other view, an Undo with nothing to undo) or did not answer by `deadline`.
    std::optional<std::string> command(DrivenProgram& program, const std::string& line, Clock::time_point deadline,
                                       bool* answered = nullptr)
    {
        program.send(line);
        while (const std::optional<std::string> said = program.nextLine(deadline)) {
            if (said->starts_with("done ")) {
                if (answered)
                    *answered = true;
                return said->substr(said->rfind(' ') + 1);
            }
            if (said->starts_with("error ")) {
                if (answered)
                    *answered = true;
                return std::nullopt;
            }
            if (said->starts_with("held ")) {
                held = said->substr(5);
                continue;
            }
            // An over-long comment is warned about whenever its student is shown; nothing else
            // is expected.
            EXPECT_TRUE(said->starts_with("message TQ8A:")) << *said;
        }
        if (answered)
            *answered = false;
        return std::nullopt;
    }

    std::string held; // the step a held recovery write said it stopped at

private:
    TempDir home_;
};

// One of the teacher's changes, at random: mostly marks, then clicks on comment, skill and flag
// cells and their headings, undo, the other view, and now and then a sort. Or only marks, so
// that no other kind of change can make up for a mark that does not reach the copy.
std::string randomChange(std::mt19937& random, bool marksOnly)
{
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int what = marksOnly ? 0 : pick(0, 99);
    const std::string row = std::to_string(pick(1, 28));
    const std::string button = pick(0, 1) ? " left" : " right";
    if (what < 50)
        return "mark " + row + " " + (pick(0, 19) == 0 ? std::string("I") : std::to_string(pick(0, 100)));
    if (what < 75)
        return "click " + row + " " + std::to_string(pick(4, 18)) + button;
    if (what < 82)
        return "click 0 " + std::to_string(pick(15, 18)) + button;
    if (what < 90)
        return "button cmdUndo";
    if (what < 96)
        return "button cmdSwitch";
    return pick(0, 1) ? "menu mnuSortNames" : "menu mnuSortMarks";
}

struct Round {
    std::chrono::milliseconds interval; // of the recovery copies
    std::chrono::milliseconds length;   // from the first change to the kill
    bool marksOnly = false;
};

TEST(KillTest, EveryChangeMadeBeforeTheLastIntervalComesBackAfterAKillAtAnyMoment)
{
    // Time for a copy asked for to reach the disk, on a busy machine.
    constexpr auto writeTime = 1000ms;
    // The kill moments differ from run to run; a failure names the number that makes them again.
    const unsigned firstNumber = std::random_device{}();
    SCOPED_TRACE("kill moments made from the number " + std::to_string(firstNumber));
    std::mt19937 random(firstNumber);
    std::vector<Round> rounds;
    for (int i = 0; i < 10; ++i)
        rounds.push_back({400ms, std::chrono::milliseconds(std::uniform_int_distribution<int>(200, 2200)(random)), i % 2 == 0});
    for (int i = 0; i < 2; ++i) // the interval the teacher has
        rounds.push_back({2000ms, std::chrono::milliseconds(std::uniform_int_distribution<int>(3000, 4500)(random)), i == 0});

    TeachersComputer computer;
    struct State {
        Clock::time_point done; // when the program said the change was made
        std::string checksum;   // of the class after it
    };
    std::vector<State> before; // the states of the round before, from its start
    Clock::time_point killed{};
    std::chrono::milliseconds interval{};
    int changes = 0;
    int required = 0; // changes that had to come back
    for (size_t r = 0; r <= rounds.size(); ++r) {
        SCOPED_TRACE("round " + std::to_string(r));
        const std::chrono::milliseconds nextInterval = r < rounds.size() ? rounds[r].interval : 2000ms;
        std::string checksum;
        std::unique_ptr<DrivenProgram> program =
            computer.start({"TQ_TEST_RECOVERY_INTERVAL_MS=" + std::to_string(nextInterval.count())}, checksum);
        if (r > 0) {
            // The class is one the teacher had at some moment of the round before, no earlier than
            // the last change made an interval (and the time to write it) before the kill.
            size_t earliest = 0;
            for (size_t j = 0; j < before.size(); ++j)
                if (before[j].done + interval + writeTime <= killed)
                    earliest = j;
            required += static_cast<int>(earliest);
            bool found = false;
            for (size_t j = earliest; j < before.size(); ++j)
                found = found || before[j].checksum == checksum;
            ASSERT_TRUE(found) << "the class came back as none of the " << before.size() - earliest
                               << " states it may have: changes before the last interval were lost";
        }
        if (r == rounds.size())
            break;
        interval = rounds[r].interval;
        before = {{Clock::now(), checksum}};
        const Clock::time_point killAt = Clock::now() + rounds[r].length;
        while (Clock::now() < killAt) {
            bool answered = false;
            const std::optional<std::string> after = computer.command(*program, randomChange(random, rounds[r].marksOnly), killAt, &answered);
            if (!answered)
                break;
            if (after) {
                before.push_back({Clock::now(), *after});
                ++changes;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 12)(random)));
        }
        killed = Clock::now();
        program->kill();
    }
    std::cout << "[          ] " << rounds.size() << " kills after " << changes << " changes; " << required
              << " changes had to come back and did\n";
    EXPECT_GT(required, 0);
}

TEST(KillTest, AKillInTheMiddleOfARecoveryWriteLeavesTheCopyBeforeItOrTheNewOneWhole)
{
    struct Case {
        const char* step;
        bool newOneInPlace;
    };
    for (const Case& c : {Case{"folder-made", false}, Case{"copy-written", false}, Case{"note-written", false},
                          Case{"in-place", true}, Case{"older-removed", true}}) {
        SCOPED_TRACE(c.step);
        TeachersComputer computer;
        std::string opened;
        std::unique_ptr<DrivenProgram> program =
            computer.start({"TQ_TEST_RECOVERY_INTERVAL_MS=0", std::string("TQ_TEST_HOLD_WRITE=2:") + c.step}, opened);
        const Clock::time_point deadline = Clock::now() + 30s;
        const std::string first = computer.command(*program, "mark 1 51", deadline).value_or("");
        computer.command(*program, "flush", deadline); // the first copy is on disk
        const std::string second = computer.command(*program, "mark 2 52", deadline).value_or("");
        while (computer.held.empty())
            if (const std::optional<std::string> line = program->nextLine(deadline); line && line->starts_with("held "))
                computer.held = line->substr(5);
            else if (!line)
                break;
        ASSERT_EQ(computer.held, c.step);
        program->kill();

        std::string restored;
        program = computer.start({}, restored);
        EXPECT_EQ(restored, c.newOneInPlace ? second : first);
        EXPECT_NE(first, second);
        // Nothing of the interrupted write is left: only the new program's lock and its copy.
        computer.command(*program, "flush", deadline);
        const std::vector<std::string> entries = computer.recoveryEntries();
        ASSERT_EQ(entries.size(), 2u) << ::testing::PrintToString(entries);
        EXPECT_EQ(recoveryEntryOf(entries[0])->what, RecoveryEntry::What::Copy);
        EXPECT_EQ(recoveryEntryOf(entries[1])->what, RecoveryEntry::What::Lock);
        program->kill();
    }
}

TEST(KillTest, AFreeFormCommentBeingWrittenComesBackInItsDialogAfterAKill)
{
    // The words of a comment, and one with the characters the copy's description must escape.
    for (const std::string text : {"Zoe writes with flair and reads widely.", R"(Half = 50% \ keys=values\n)"}) {
        SCOPED_TRACE(text);
        TeachersComputer computer;
        std::string opened;
        std::unique_ptr<DrivenProgram> program = computer.start({"TQ_TEST_RECOVERY_INTERVAL_MS=0"}, opened);
        const Clock::time_point deadline = Clock::now() + 30s;
        // Typed, not yet taken into the class.
        EXPECT_EQ(computer.command(*program, "freeform 3 " + text, deadline), opened);
        computer.command(*program, "flush", deadline);
        program->kill();

        std::string restored;
        program = computer.start({}, restored);
        EXPECT_EQ(restored, opened);
        // The dialog is open again for the student, with the text: Okay takes it.
        ClassList expected = std::get<ClassList>(readClassFile(computer.classFile()));
        applyFreeFormResult(expected[2], "", text);
        ASSERT_TRUE(expected[2].hasFreeForm);
        char checksum[17];
        std::snprintf(checksum, sizeof checksum, "%016" PRIx64, copyChecksum(classFileText(expected)));
        EXPECT_EQ(computer.command(*program, "button cmdOkay", deadline), checksum);
        program->kill();
    }
}

TEST(KillTest, ASignalToEndWritesTheLastCopyLetsGoOfTheLockAndEndsAsTheSignalDoes)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        TeachersComputer computer;
        std::string opened;
        // No copy is due for ten minutes after the first.
        std::unique_ptr<DrivenProgram> program = computer.start({"TQ_TEST_RECOVERY_INTERVAL_MS=600000"}, opened);
        const Clock::time_point deadline = Clock::now() + 30s;
        computer.command(*program, "mark 1 51", deadline);
        computer.command(*program, "flush", deadline); // the first copy is on disk
        const std::string marked = computer.command(*program, "mark 2 52", deadline).value_or("");
        const std::string text = "Zoe writes with flair.";
        computer.command(*program, "freeform 3 " + text, deadline);
        ASSERT_TRUE(std::filesystem::exists(lockFileFor(computer.classFile())));

        const std::optional<int> status = program->endBy(signal, deadline);
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == signal) << *status;
        EXPECT_FALSE(std::filesystem::exists(lockFileFor(computer.classFile())));

        // The copy has the last mark and the comment being written, which comes back in its dialog.
        std::string restored;
        program = computer.start({}, restored);
        EXPECT_EQ(restored, marked);
        ClassList expected = std::get<ClassList>(readClassFile(computer.classFile()));
        expected[0].mark = "51";
        expected[1].mark = "52";
        applyFreeFormResult(expected[2], "", text);
        char checksum[17];
        std::snprintf(checksum, sizeof checksum, "%016" PRIx64, copyChecksum(classFileText(expected)));
        EXPECT_EQ(computer.command(*program, "button cmdOkay", deadline), checksum);
        program->kill();
    }
}

} // namespace
} // namespace tq::test
