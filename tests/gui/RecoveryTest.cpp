// Recovery copies from the main window and the working windows: what reaches the copy, what
// removes it, and the copies of a session that did not end normally offered back at start-up.
#include "RecoveryFixture.h"
#include "ControlOf.h"

#include "core/base/FileLock.h"
#include "core/entry/ClassGridLayout.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "core/recovery/RecoveryTexts.h"
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/selection/frmSelection.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

TEST_F(RecoveryWindowTest, EveryKindOfChangeReachesTheCopyAndASaveRemovesIt)
{
    startKeeping();
    openNewClass(4);
    EXPECT_FALSE(ownCopy(CopyKind::Class)); // as opened, the class is all in its file

    grid()->setCurrent(1, markColumn);
    typeMark("75");
    EXPECT_EQ(copiedClass(), state.students);
    EXPECT_EQ(copiedClass()[0].mark, "75");

    window->cmdSwitch_Click();
    clickCell(2, firstSkillColumn);
    clickCell(0, iepColumn, Qt::RightButton); // the heading: every student
    EXPECT_EQ(copiedClass(), state.students);
    EXPECT_EQ(copiedClass()[1].skill(1), "2");
    EXPECT_EQ(copiedClass()[3].iep, "Y");

    toolButton("cmdUndo")->click(); // the heading
    EXPECT_EQ(copiedClass()[3].iep, state.students[3].iep);
    EXPECT_NE(copiedClass()[3].iep, "Y");
    toolButton("cmdUndo")->click(); // the skill
    EXPECT_EQ(copiedClass()[1].skill(1), "3");
    menu("mnuSortMarks")->trigger();
    EXPECT_EQ(copiedClass(), state.students);
    EXPECT_EQ(copiedClass()[0].mark, "75");

    grid()->setCurrent(2, markColumn);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    controlOf<QPlainTextEdit>(dialog, "txtComment")->setPlainText(QStringLiteral("Sam reads widely."));
    // Being written, the comment is in the copy beside the class, for that student.
    ASSERT_TRUE(ownCopy(CopyKind::Class));
    EXPECT_EQ(ownCopy(CopyKind::Class)->note.draft,
              (FreeFormDraft{1, state.students[1].studentNumber, "Sam reads widely."}));
    controlOf<QPushButton>(dialog, "cmdOkay")->click();
    settle();
    EXPECT_EQ(copiedClass()[1].freeFormComment, "Sam reads widely.");
    EXPECT_FALSE(ownCopy(CopyKind::Class)->note.draft);

    dialogs.answerSaveFile(QString::fromStdString(root.file("home/saved.tqc")));
    menu("mnuSave")->trigger();
    EXPECT_FALSE(ownCopy(CopyKind::Class));
    EXPECT_EQ(readClassFile(root.file("home/saved.tqc")), (std::variant<ClassList, Message>(state.students)));
}

TEST_F(RecoveryWindowTest, TheCopyStaysWhileTheClassDoesAndGoesWhenTheTeacherSaysNoAtExit)
{
    startKeeping();
    openNewClass(3);
    grid()->setCurrent(1, markColumn);
    typeMark("75");
    // No to saving before Open, and then no file chosen: the class and its copy stay.
    dialogs.answerQuestion(false);
    menu("mnuOpenClass")->trigger();
    EXPECT_EQ(state.studentCount(), 3);
    EXPECT_EQ(copiedClass()[0].mark, "75");
    // A Yes whose save is cancelled keeps both too.
    dialogs.answerQuestion(true);
    menu("mnuExit")->trigger();
    EXPECT_FALSE(window->programEnded());
    EXPECT_EQ(copiedClass()[0].mark, "75");

    dialogs.answerQuestion(false);
    menu("mnuExit")->trigger();
    ASSERT_TRUE(window->programEnded());
    state.recovery.finish();
    EXPECT_TRUE(namesInFolder(recoveryFolder()).empty());
}

TEST_F(RecoveryWindowTest, EscapeOrTheCloseBoxAtASaveQuestionLeavesTheClassItsCopyAndItsLockAsTheyWere)
{
    startKeeping();
    const std::string file = sampleClassCopy();
    openClass(file);
    grid()->setCurrent(1, markColumn);
    typeMark("90");
    const ClassList typed = state.students;
    const std::string other = root.file("home/other.tqc");
    ASSERT_TRUE(saveClassFile(other, test::newStudents(3)));
    const std::pair<const char*, std::function<void()>> doors[] = {
        {"Exit", [&] { menu("mnuExit")->trigger(); }},
        {"the window's close box", [&] { window->close(); }},
        {"Open", [&] { menu("mnuOpenClass")->trigger(); }},
        {"New", [&] { menu("mnuNewTrillium")->trigger(); }},
        {"a class on the command line", [&] { window->openClassFromCommandLine(other); }},
    };
    using Reply = ui::ScriptedDialogs::Reply;
    for (const auto& [door, go] : doors)
        for (const Reply reply : {Reply::Escape, Reply::CloseBox, Reply::Cancel}) {
            SCOPED_TRACE(door);
            const size_t asked = questions().size();
            dialogs.answerQuestion(reply);
            go();
            ASSERT_EQ(questions().size(), asked + 1);
            EXPECT_EQ(questions().back().buttons, (QStringList{"Yes", "No", "Cancel"}));
            EXPECT_FALSE(window->programEnded());
            EXPECT_EQ(state.students, typed);
            EXPECT_EQ(copiedClass(), typed);
            EXPECT_TRUE(std::filesystem::exists(lockFileFor(file)));
        }
    // Nothing went on past the question: no file dialog, no Get Class window.
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).size(), 1u); // the class's own opening
    EXPECT_TRUE(dialogs.callsOf(Kind::SaveFile).empty());
    EXPECT_FALSE(window->working.getClassDialog);
}

TEST_F(RecoveryWindowTest, AtLogoutTheTeacherIsAskedAsAtExitOrElseTheCopyIsWrittenAtOnce)
{
    startKeeping();
    openNewClass(3);
    grid()->setCurrent(1, markColumn);
    key(Qt::Key_6, "6");
    key(Qt::Key_6, "6"); // still in its box
    // A session that lets no one ask: the copy is on disk before the end of the event, mark and all.
    EXPECT_TRUE(window->sessionEnding(false));
    const std::optional<LeftCopy> copy = ownCopy(CopyKind::Class, false);
    ASSERT_TRUE(copy);
    EXPECT_EQ(std::get<ClassList>(copy->data)[0].mark, "66");
    EXPECT_FALSE(window->programEnded());

    // One that lets the program ask: Escape asks the session not to end; No ends the program.
    dialogs.answerQuestion(ui::ScriptedDialogs::Reply::Escape);
    EXPECT_FALSE(window->sessionEnding(true));
    EXPECT_FALSE(window->programEnded());
    dialogs.answerQuestion(false);
    EXPECT_TRUE(window->sessionEnding(true));
    EXPECT_TRUE(window->programEnded());
    EXPECT_EQ(questions().back().title, "Exit Tallyquill");
}

TEST_F(RecoveryWindowTest, AClassLeftBySessionThatDidNotEndIsRestoredAndProposedForItsOwnFile)
{
    ClassList left = test::newStudents(5, "ENG2D1-01");
    left[2].mark = "64";
    const std::string original = root.file("home/My English.tqc");
    const std::string ended = leaveEndedCopy("ended", CopySnapshot{left, original, 1796638503});

    dialogs.answerQuestion(true);
    startKeeping();
    ASSERT_EQ(questions().size(), 1u);
    const QString text = questions()[0].text;
    EXPECT_EQ(questions()[0].title, "Restore Class");
    EXPECT_TRUE(text.contains("Class: ENG2D1-01, 5 students")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString("File: " + original))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString("Last changed: " + lastChangedText(1796638503))));

    ASSERT_EQ(state.students, left);
    EXPECT_TRUE(menu("mnuSave")->isEnabled() && toolButton("cmdSave")->isEnabled() && menu("mnuExport")->isEnabled());
    EXPECT_EQ(mainControl<QLabel>("lblClassFile")->text().toStdString(), restoredClassStatus(original));
    // It is now this program's copy, with the time of the last change it had.
    EXPECT_FALSE(inRecoveryFolder(ended));
    const std::optional<LeftCopy> own = ownCopy(CopyKind::Class);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->note.changed, 1796638503);
    EXPECT_EQ(own->note.originalFile, original);

    // Save proposes the file it came from, in its folder; the dialog asks before replacing it.
    menu("mnuSave")->trigger();
    ASSERT_EQ(dialogs.callsOf(Kind::SaveFile).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile)[0].fileName, "My English.tqc");
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile)[0].initialFolder, QString::fromStdString(root.file("home")));
    EXPECT_FALSE(std::filesystem::exists(original)); // nothing written unasked
    EXPECT_TRUE(ownCopy(CopyKind::Class));

    // A class file named on the command line does not push the restored class out unasked.
    dialogs.answerQuestion(false);
    window->openClassFromCommandLine(sampleClassCopy());
    ASSERT_EQ(questions().size(), 2u);
    EXPECT_EQ(questions()[1].title, "Open New Class");
    EXPECT_EQ(state.studentCount(), 28);
    EXPECT_FALSE(ownCopy(CopyKind::Class));
}

TEST_F(RecoveryWindowTest, NoSetsACopyAsideAndAClassFoundAfterOneWasRestoredCanWaitForTheNextStart)
{
    ClassList first = test::newStudents(2, "ENG2D1-01");
    const std::string latest = leaveEndedCopy("a", CopySnapshot{first, "", 300});
    const std::string kept = leaveEndedCopy("b", CopySnapshot{test::newStudents(3, "MPM2D1-01"), "", 200});
    const std::string waiting = leaveEndedCopy("d", CopySnapshot{test::newStudents(5, "CHC2D1-01"), "", 150});
    const std::string dropped = leaveEndedCopy("c", CopySnapshot{test::newStudents(4, "SNC2D1-01"), "", 100});
    Favourites fav;
    fav.favouritesFile = root.file("home/Science.tqf");
    fav.initialRanges = defaultInitialRanges();
    const std::string favourites = leaveEndedCopy("c", CopySnapshot{fav, "", 100});
    using Reply = ui::ScriptedDialogs::Reply;
    for (const Reply reply : {Reply::Yes, Reply::Yes, Reply::Escape, Reply::No, Reply::No})
        dialogs.answerQuestion(reply);
    startKeeping();

    ASSERT_EQ(questions().size(), 5u);
    EXPECT_TRUE(questions()[0].text.contains("Class: ENG2D1-01, 2 students"));
    EXPECT_TRUE(questions()[0].text.contains("File: none yet (a new class, never saved)"));
    for (size_t q : {1u, 2u}) {
        EXPECT_EQ(questions()[q].title, "Restore Class");
        EXPECT_TRUE(questions()[q].text.contains("keep this copy until Tallyquill next starts")) << q;
    }
    EXPECT_TRUE(questions()[1].text.contains("Class: MPM2D1-01, 3 students"));
    EXPECT_EQ(questions()[4].title, "Restore Favourites");
    for (size_t q : {0u, 1u, 2u, 3u, 4u}) {
        EXPECT_TRUE(questions()[q].text.endsWith(QString::fromStdString(
            " No sets the copy aside: it is kept for 14 days in\n" + recoveryFolder() +
            "/declined\nand then removed. Cancel leaves it where it is, to be asked about at the next start.")))
            << questions()[q].text.toStdString();
        EXPECT_EQ(questions()[q].buttons, (QStringList{"Yes", "No", "Cancel"}));
    }
    EXPECT_EQ(state.students, first);
    EXPECT_TRUE(state.favourites.favouritesFile.empty());
    EXPECT_FALSE(inRecoveryFolder(latest));
    EXPECT_TRUE(inRecoveryFolder(kept));
    // Escape leaves a copy where it was, to be asked about again.
    EXPECT_TRUE(inRecoveryFolder(waiting));
    EXPECT_TRUE(inRecoveryFolder(lockFileName("d")));
    // A hurried No loses nothing at once: the copies wait aside, whole, and are offered no more.
    EXPECT_FALSE(inRecoveryFolder(dropped));
    EXPECT_FALSE(inRecoveryFolder(favourites));
    EXPECT_EQ(readClassFile(recoveryFolder() + "/declined/" + dropped + "/SNC2D101.tqc"),
              (std::variant<ClassList, Message>(test::newStudents(4, "SNC2D1-01"))));
    EXPECT_TRUE(inRecoveryFolder("declined/" + favourites));
    // The session that left the kept copy keeps its lock file; the others' are gone.
    EXPECT_TRUE(inRecoveryFolder(lockFileName("b")));
    EXPECT_FALSE(inRecoveryFolder(lockFileName("a")));
    EXPECT_FALSE(inRecoveryFolder(lockFileName("c")));
}

TEST_F(RecoveryWindowTest, ADamagedCopyIsReportedWithWhereItWasKeptAndNothingIsLoaded)
{
    const std::string name = leaveEndedCopy("ended", CopySnapshot{test::newStudents(5, "ENG2D1-01"), "", 100});
    const std::string copy = recoveryFolder() + "/" + name + "/ENG2D101.tqc";
    const std::string bytes = readBytes(copy);
    writeBytes(copy, bytes.substr(0, bytes.size() - 40));

    startKeeping();
    EXPECT_TRUE(questions().empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "Damaged Recovery Copy");
    EXPECT_TRUE(messages()[0].text.contains("Class: ENG2D1-01, 5 students"));
    const std::string keptAt = recoveryFolder() + "/damaged/" + name;
    EXPECT_TRUE(messages()[0].text.endsWith(QString::fromStdString("kept aside, unchanged, in:\n" + keptAt)))
        << messages()[0].text.toStdString();
    EXPECT_EQ(readBytes(keptAt + "/ENG2D101.tqc"), bytes.substr(0, bytes.size() - 40));
    EXPECT_EQ(state.studentCount(), 0);
}

TEST_F(RecoveryWindowTest, RestoredFavouritesAreShownAndEditsInBothWorkingWindowsAreCopiedUntilSaved)
{
    const PhraseLibrary library = loadPhraseLibrary(root.file("program/TQPhraseLibrary.csv")).library;
    Favourites fav;
    fav.favouritesFile = sampleFavourites();
    ASSERT_FALSE(readFavourites(fav, library));
    fav.favourites.erase(fav.favourites.begin()); // the edit the session did not save
    leaveEndedCopy("ended", CopySnapshot{fav, "", 100});

    dialogs.answerQuestion(true);
    startKeeping();
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_TRUE(questions()[0].text.contains(QString::fromStdString("Favourites: " + fav.favouritesFile)));
    EXPECT_EQ(state.favourites.favourites, fav.favourites);
    EXPECT_EQ(state.favourites.initialRanges, fav.initialRanges);
    EXPECT_TRUE(autoFillBox()->isEnabled() && autoFillBox()->isChecked());
    EXPECT_TRUE(ownCopy(CopyKind::Favourites));

    // Initial Values Setup: a rating stepped is copied; leaving saves the file, and the copy goes.
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    clickRange(1, firstRangeSkillColumn);
    const std::optional<LeftCopy> copied = ownCopy(CopyKind::Favourites);
    ASSERT_TRUE(copied);
    EXPECT_EQ(std::get<Favourites>(copied->data).initialRanges, state.favourites.initialRanges);
    EXPECT_NE(state.favourites.initialRanges, fav.initialRanges);
    goBack();
    EXPECT_FALSE(ownCopy(CopyKind::Favourites));
    EXPECT_EQ(readBytes(fav.favouritesFile), favouritesFileText(state.favourites));

    // Comment Selection: a separator added is copied until the list is saved on the way back.
    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    ASSERT_TRUE(window->working.selectionWindow);
    window->working.selectionWindow->findChild<QPushButton*>(QStringLiteral("cmdInsertDashes"))->click();
    ASSERT_TRUE(ownCopy(CopyKind::Favourites));
    EXPECT_EQ(std::get<Favourites>(ownCopy(CopyKind::Favourites)->data).favourites, state.favourites.favourites);
    window->working.selectionWindow->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    settle();
    EXPECT_FALSE(ownCopy(CopyKind::Favourites));
    EXPECT_EQ(readBytes(fav.favouritesFile), favouritesFileText(state.favourites));
}

TEST_F(RecoveryWindowTest, ExitAsksAboutRestoredFavouritesAndEndsOnlyOnceTheyAreSavedOrLetGo)
{
    Favourites fav;
    fav.initialRanges = defaultInitialRanges();
    fav.favourites = {"0701", "    ", "0702"}; // a list never saved
    // Yes then Cancel in the name dialog, Yes then a file that cannot be written; then No, or
    // Yes and a name typed without its extension.
    for (const bool letGo : {true, false}) {
        SCOPED_TRACE(letGo);
        window.reset();
        state.favourites = {};
        state.recovery.finish();
        leaveEndedCopy(letGo ? "b" : "a", CopySnapshot{fav, "", 100});
        dialogs.answerQuestion(true);
        startKeeping();
        ASSERT_EQ(state.favourites.favourites, fav.favourites);
        const size_t asked = questions().size();

        dialogs.answerQuestion(true);
        menu("mnuExit")->trigger(); // the name dialog cancelled
        EXPECT_EQ(questions().size(), asked + 1);
        EXPECT_EQ(questions().back().text, "Do you want to save the favourites?");
        EXPECT_EQ(questions().back().title, "Exit Tallyquill");
        EXPECT_FALSE(window->programEnded());
        dialogs.answerQuestion(ui::ScriptedDialogs::Reply::Escape);
        menu("mnuExit")->trigger(); // nothing is let go of
        EXPECT_FALSE(window->programEnded());
        EXPECT_TRUE(ownCopy(CopyKind::Favourites));
        std::filesystem::create_directories(root.file("home/Folder.tqf"));
        dialogs.answerQuestion(true);
        dialogs.answerSaveFile(QString::fromStdString(root.file("home/Folder.tqf")));
        window->close(); // the close box: the file cannot be written
        EXPECT_TRUE(messages().back().text.startsWith("TQ18: Favourites file could not be saved."));
        EXPECT_FALSE(window->programEnded());
        EXPECT_TRUE(ownCopy(CopyKind::Favourites));

        dialogs.answerQuestion(!letGo);
        if (!letGo)
            dialogs.answerSaveFile(QString::fromStdString(root.file("home/Kept")));
        menu("mnuExit")->trigger();
        ASSERT_TRUE(window->programEnded());
        EXPECT_FALSE(ownCopy(CopyKind::Favourites));
        EXPECT_EQ(std::filesystem::exists(root.file("home/Kept.tqf")), !letGo);
    }
    EXPECT_EQ(readBytes(root.file("home/Kept.tqf")), favouritesFileText(fav));
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(RecoveryWindowTest, ARestoredClassLetGoWithoutASaveIsSetAsideWithItsLastChange)
{
    const ClassList left = test::newStudents(4, "ENG2D1-01");
    for (const std::string path : {"command line", "Open", "Exit"}) {
        SCOPED_TRACE(path);
        window.reset();
        state.recovery.finish();
        std::filesystem::remove_all(recoveryFolder());
        leaveEndedCopy("ended", CopySnapshot{left, "", 100});
        dialogs.answerQuestion(true);
        startKeeping();
        grid()->setCurrent(1, markColumn);
        typeMark("75"); // copied at the end of the event, which the No comes before
        const ClassList typed = state.students;
        dialogs.answerQuestion(false);
        dialogs.answerOpenFile(QString::fromStdString(sampleClassCopy()));
        path == "command line" ? window->openClassFromCommandLine(sampleClassCopy())
                               : menu(path == "Open" ? "mnuOpenClass" : "mnuExit")->trigger();
        state.recovery.flush();
        const std::vector<std::string> aside = namesInFolder(recoveryFolder() + "/declined");
        ASSERT_EQ(aside.size(), 1u);
        const std::optional<LeftCopy> kept = readLeftCopy(recoveryFolder() + "/declined", aside[0], state.phrases);
        ASSERT_TRUE(kept);
        EXPECT_EQ(std::get<ClassList>(kept->data), typed);
        EXPECT_EQ(typed[0].mark, "75");
    }
}

TEST_F(RecoveryWindowTest, CopiesThatCannotBeWrittenAreToldAtOnceAndTheLineStaysUntilTheyAreWrittenAgain)
{
    const auto diskError = std::make_shared<std::atomic<int>>(ENOSPC);
    startKeeping("", [diskError](int fd) { return failingAfter(*diskError ? 0 : SIZE_MAX, *diskError)(fd); });
    openNewClass(3);
    const QString told = "Recovery copies cannot be written (disk full): save your class now.";
    auto* line = mainControl<QLabel>("lblRecoveryTrouble");
    for (const char* mark : {"75", "76", "77"}) {
        SCOPED_TRACE(mark);
        *diskError = mark[1] == '7' ? 0 : ENOSPC; // the disk is freed before the last
        grid()->setCurrent(1, markColumn);
        typeMark(mark);
        ownCopy(CopyKind::Class);
        QCoreApplication::processEvents(); // the writer's word reaches the window
        EXPECT_EQ(line->isVisibleTo(window.get()), *diskError != 0);
        EXPECT_EQ(line->text(), *diskError ? told : QString());
    }
    ASSERT_EQ(messages().size(), 1u); // told once
    EXPECT_EQ(messages()[0].text, told);
    EXPECT_EQ(copiedClass()[0].mark, "77");
}
