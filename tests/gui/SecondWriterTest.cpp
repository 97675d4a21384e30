// Work saved by one copy of the program is never written over by another copy, or over another
// program's change to the file, without the teacher being asked.
#include "MainWindowFixture.h"

#include "core/classdata/ClassFile.h"
#include "gui/main/LockWatcher.h"
#include "gui/widgets/FavouritesFileDialogs.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class SecondWriterTest : public MainWindowTest {
protected:
    // The mark the class file at `path` holds for the student saved first.
    static std::string firstMarkIn(const std::string& path)
    {
        const std::variant<ClassList, Message> read = readClassFile(path);
        return std::holds_alternative<ClassList>(read) ? std::get<ClassList>(read).front().mark : "(unreadable)";
    }
    static void typeMark(ProgramState& s, const std::string& mark)
    {
        for (StudentRecord& student : s.students)
            student.mark = mark;
    }
    static void save(frmEntry& window, ui::ScriptedDialogs& dialogs, const std::string& path)
    {
        dialogs.answerSaveFile(QString::fromStdString(path));
        window.saveCommand();
    }
};

} // namespace

TEST_F(SecondWriterTest, TwoWindowsOnOneClassSayWhoHasItAndNeitherLosesTheOthersWork)
{
    const struct {
        int answer; // Open Read-Only, Open Anyway, Cancel
        bool secondOpened;
        std::string fileAfterBoth;
    } cases[] = {{0, true, "11"}, {1, true, "22"}, {2, false, "11"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        window.reset();
        dialogs.calls.clear();
        startWithSampleClass();
        const std::string classFile = root.file("home/ENG2D101.tqc");
        ProgramState otherState;
        otherState.folders = state.folders;
        ui::ScriptedDialogs otherDialogs;
        frmEntry other(otherState, otherDialogs);
        ASSERT_TRUE(other.Form_Load([](ProgramState&) {}));
        otherDialogs.answerOpenFile(QString::fromStdString(classFile));
        otherDialogs.answerChoice(c.answer);
        other.OpenClassFile();
        const auto asked = otherDialogs.callsOf(Kind::Choice);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("ENG2D101.tqc is open in Tallyquill by "))) << asked[0].text.toStdString();
        EXPECT_EQ(asked[0].buttons.size(), 3);
        EXPECT_EQ(otherState.studentCount() > 0, c.secondOpened);

        // The second copy saves first (a read-only one only under another name), then the first.
        typeMark(otherState, "22");
        if (c.secondOpened)
            save(other, otherDialogs, classFile);
        typeMark(state, "11");
        save(*window, dialogs, classFile);
        EXPECT_EQ(firstMarkIn(classFile), c.fileAfterBoth);
        // The first copy was asked about the second's save, and Cancel kept it; its own work goes
        // elsewhere with Save As….
        if (c.answer == 1) {
            ASSERT_EQ(dialogs.callsOf(Kind::Choice).size(), 1u);
            // The other copy's save put a new file in its place, and the question says what it holds.
            EXPECT_TRUE(dialogs.callsOf(Kind::Choice)[0].text.startsWith(
                "ENG2D101.tqc was changed by another program since Tallyquill opened it. The file now there is a "
                "class of ENG2D1-01. It holds 28 students, 28 of them with a mark, last changed today at "))
                << dialogs.callsOf(Kind::Choice)[0].text.toStdString();
            dialogs.answerChoice(1);
            dialogs.answerSaveFile(QString::fromStdString(classFile));
            save(*window, dialogs, root.file("home/Mine.tqc"));
            EXPECT_EQ(firstMarkIn(root.file("home/Mine.tqc")), "11");
            EXPECT_EQ(firstMarkIn(classFile), "22");
        } else {
            EXPECT_TRUE(dialogs.callsOf(Kind::Choice).empty());
        }
        EXPECT_EQ(otherDialogs.callsOf(Kind::Message).size(), c.answer == 0 ? 1u : 0u); // saved read-only
        EXPECT_TRUE(dialogs.allAnswersUsed() && otherDialogs.allAnswersUsed());
    }
}

TEST_F(SecondWriterTest, AFileChangedOnDiskIsWrittenOverOnlyWhenTheTeacherSaysSo)
{
    const struct {
        const char* what;
        bool favourites;
        bool sameBytes; // written again as it was, by a sync client say
        bool edited;
        std::optional<int> answer; // Overwrite, Save As…; none: Enter (Save As…) then cancelled
        bool asked;
        bool overwritten;
    } cases[] = {
        {"class, overwrite", false, false, true, 0, true, true},
        {"class, not confirmed", false, false, true, {}, true, false},
        {"class, the same bytes again", false, true, true, {}, false, true},
        {"favourites left unedited", true, false, false, {}, false, false},
        {"favourites edited, not confirmed", true, false, true, {}, true, false},
        {"favourites edited, overwrite", true, false, true, 0, true, true},
    };
    startWithSampleClass();
    const std::string favourites = root.file("home/Sample.tqf");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.calls.clear();
        openClass(sampleClassCopy());
        const std::string file = c.favourites ? favourites : root.file("home/ENG2D101.tqc");
        std::string changed = readBytes(file);
        if (!c.sameBytes)
            changed += c.favourites ? "0102\r\n" : changed.substr(0, changed.find('\n') + 1);
        writeBytes(file, changed);
        const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
        ::utimensat(AT_FDCWD, file.c_str(), later, 0);
        if (c.answer)
            dialogs.answerChoice(*c.answer);
        const auto editAndSave = [&](const char* mark) {
            if (c.favourites) {
                if (c.edited) {
                    state.favourites.favourites.push_back("0101");
                    favouritesEdited(state);
                }
                FavouritesFileDialogs(state, dialogs, window.get()).saveOnLeaving(true);
            } else {
                typeMark(state, mark);
                save(*window, dialogs, file);
            }
        };
        editAndSave("33");
        EXPECT_EQ(dialogs.callsOf(Kind::Choice).size(), c.asked ? 1u : 0u);
        EXPECT_EQ(readBytes(file) != changed, c.overwritten);
        // What the program wrote is known as its own: the next save asks nothing.
        if (c.overwritten) {
            editAndSave("44");
            EXPECT_EQ(dialogs.callsOf(Kind::Choice).size(), c.asked ? 1u : 0u);
        }
        // Put back as it was for the next row.
        if (c.favourites) {
            std::filesystem::copy_file(sampleFile("Sample.tqf"), favourites, std::filesystem::copy_options::overwrite_existing);
            dialogs.answerOpenFile(QString::fromStdString(favourites));
            FavouritesFileDialogs(state, dialogs, window.get()).open();
        }
    }
}

// A lock that cannot be made is said on the status line and once at a save; the window takes the
// lock as soon as it can, and says so.
TEST_F(SecondWriterTest, AClassOpenedWithoutALockSaysSoUntilItHoldsOne)
{
    start();
    const std::string lockFile = root.file("home/.~lock.ENG2D101.tqc#");
    std::filesystem::create_directory(lockFile);
    const std::string classFile = sampleClassCopy();
    openClass(classFile);
    const QString reason = QStringLiteral("a folder has the name its lock file needs (.~lock.ENG2D101.tqc#).");
    const QString status = mainControl<QLabel>("lblClassFile")->text();
    EXPECT_TRUE(status.endsWith(QStringLiteral(" \u2014 not protected against a second copy: ") + reason)) << status.toStdString();
    for (int i = 0; i < 2; ++i)
        save(*window, dialogs, classFile);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("This class is not protected against a second copy: ") + reason);

    std::filesystem::remove(lockFile);
    window->findChild<LockWatcher*>()->check();
    EXPECT_TRUE(FileLock::take(classFile, std::time(nullptr)).heldBy.has_value());
    EXPECT_EQ(mainControl<QLabel>("lblClassFile")->text(),
              QString::fromStdString("Class file: " + classFile) +
                  QStringLiteral(" \u2014 this copy now holds its lock: a second copy opening it is told."));
}
