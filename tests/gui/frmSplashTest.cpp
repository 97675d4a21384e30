#include "gui/startup/frmSplash.h"
#include "ControlOf.h"

#include "core/program/ProgramState.h"
#include "support/TestFiles.h"
#include "gui/widgets/ScriptedDialogs.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace tq {
namespace {

using test::controlOf;

using ui::ScriptedDialogs;

class frmSplashTest : public ::testing::Test {
protected:
    frmSplashTest()
    {
        // Left over from an earlier run: loading the start-up window must forget it.
        state.favourites.favouritesFile = "/somewhere/old.tqf";
        state.folders.teacherFolder = teacher.path();
    }

    // Clicks `button` of a window shown as the program shows it, without blocking.
    void click(frmSplash& splash, QPushButton* button)
    {
        splash.open();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    test::TempDir teacher;
    ProgramState state;
    ScriptedDialogs dialogs;
};

TEST(SmallScreenTest, OnlyAScreenExactly600PixelsHighIsSmall)
{
    EXPECT_TRUE(isSmallScreen(600));
    EXPECT_FALSE(isSmallScreen(599));
    EXPECT_FALSE(isSmallScreen(601));
    EXPECT_FALSE(isSmallScreen(0));
}

TEST_F(frmSplashTest, ShowsTheProgramVersionSchoolAndCredits)
{
    state.school = "\xc9" "cole Lakeshore Collegiate Institute"; // Windows-1252, as the set-up file gives it
    frmSplash splash(state, dialogs);
    EXPECT_EQ(splash.windowTitle(), "Tallyquill v3.1 (Linux edition)");
    EXPECT_EQ(controlOf<QLabel>(&splash, "Label1")->text(), "Tallyquill");
    EXPECT_EQ(controlOf<QLabel>(&splash, "Label2")->text(), QString::fromUtf8("Version 3.1 (Linux edition)      \u00c9cole Lakeshore Collegiate Institute"));
    EXPECT_EQ(controlOf<QLabel>(&splash, "Label3")->text(), "by the Tallyquill developers");
    EXPECT_EQ(controlOf<QPushButton>(&splash, "cmdOpenFavourites")->text(), "Open An Existing Favourite Phrase File");
    EXPECT_EQ(controlOf<QPushButton>(&splash, "cmdCancel")->text(), "Proceed Without Opening An Existing Favourite File");

    // Tests and the main window find the controls by name.
    for (const char* name : {"Label1", "Label2", "Label3", "Image1", "Image2", "cmdOpenFavourites", "cmdCancel"})
        EXPECT_NE(splash.findChild<QWidget*>(name), nullptr) << name;

    EXPECT_FALSE(controlOf<QLabel>(&splash, "Image1")->pixmap().isNull());
    EXPECT_FALSE(controlOf<QLabel>(&splash, "Image2")->pixmap().isNull());
    EXPECT_TRUE(QFontInfo(controlOf<QPushButton>(&splash, "cmdOpenFavourites")->font()).fixedPitch());
    EXPECT_TRUE(QFontInfo(controlOf<QPushButton>(&splash, "cmdCancel")->font()).fixedPitch());
    EXPECT_GT(QFontInfo(controlOf<QLabel>(&splash, "Label1")->font()).pixelSize(), 2 * QFontInfo(controlOf<QLabel>(&splash, "Label2")->font()).pixelSize());
}

TEST_F(frmSplashTest, WithoutASchoolTheVersionLineEndsAfterTheVersion)
{
    frmSplash splash(state, dialogs);
    EXPECT_EQ(controlOf<QLabel>(&splash, "Label2")->text(), "Version 3.1 (Linux edition)");
}

TEST_F(frmSplashTest, LoadingForgetsTheFavouritesFileAndMeasuresTheScreen)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const bool expected = screen->size().height() == 600;
    state.smallScreen = !expected;

    frmSplash splash(state, dialogs);
    EXPECT_EQ(state.favourites.favouritesFile, "");
    EXPECT_EQ(state.smallScreen, expected);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(frmSplashTest, OpeningAFavouritesFileStartsInTheTeachersFolderWhenItIsInUse)
{
    teacher.write("Science 10.tqc", "x");
    const std::string chosen = teacher.write("Crème brûlée.tqf", "x");
    dialogs.answerOpenFile(QFile::decodeName(QByteArray::fromStdString(chosen)));

    frmSplash splash(state, dialogs);
    click(splash, controlOf<QPushButton>(&splash, "cmdOpenFavourites"));

    ASSERT_EQ(dialogs.calls.size(), 1u);
    const ScriptedDialogs::Call& call = dialogs.calls[0];
    EXPECT_EQ(call.kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(call.filter, "Tallyquill Favourites (*.tqf)|*.tqf");
    EXPECT_EQ(call.initialFolder, QString::fromStdString(teacher.path()));

    // The path names the file on disk, accents and all.
    EXPECT_EQ(state.favourites.favouritesFile, chosen);
    EXPECT_TRUE(std::filesystem::exists(state.favourites.favouritesFile));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST_F(frmSplashTest, AnEmptyDocumentsFolderIsWhereTheDialogStartsAMissingOneIsNot)
{
    // A new teacher's Documents folder may hold nothing yet: the dialog still starts there.
    for (const std::string& folder : {teacher.path(), teacher.file("missing")}) {
        state.folders.teacherFolder = folder;
        dialogs.answerOpenFile("/tmp/x.tqf");
        dialogs.calls.clear();
        frmSplash splash(state, dialogs);
        click(splash, controlOf<QPushButton>(&splash, "cmdOpenFavourites"));
        ASSERT_EQ(dialogs.calls.size(), 1u) << folder;
        EXPECT_EQ(dialogs.calls[0].initialFolder, folder == teacher.path() ? QString::fromStdString(folder) : "")
            << folder;
    }
}

TEST_F(frmSplashTest, CancellingTheFileDialogCarriesOnWithoutFavourites)
{
    frmSplash splash(state, dialogs);   // nothing queued: the dialog is cancelled
    click(splash, controlOf<QPushButton>(&splash, "cmdOpenFavourites"));
    EXPECT_EQ(dialogs.callsOf(ScriptedDialogs::Kind::OpenFile).size(), 1u);
    EXPECT_EQ(state.favourites.favouritesFile, "");
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(frmSplashTest, ProceedingWithoutAFileOrClosingTheWindowLeavesNoFavouritesFile)
{
    {
        frmSplash splash(state, dialogs);
        click(splash, controlOf<QPushButton>(&splash, "cmdCancel"));
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(state.favourites.favouritesFile, "");
    }
    {
        state.favourites.favouritesFile = "/somewhere/old.tqf";
        frmSplash splash(state, dialogs);
        splash.open();
        QTest::keyClick(&splash, Qt::Key_Escape);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(state.favourites.favouritesFile, "");
    }
    {
        state.favourites.favouritesFile = "/somewhere/old.tqf";
        frmSplash splash(state, dialogs);
        splash.open();
        splash.close();
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(state.favourites.favouritesFile, "");
    }
    EXPECT_TRUE(dialogs.calls.empty()) << "no file dialog without the open button";
}

} // namespace
} // namespace tq
