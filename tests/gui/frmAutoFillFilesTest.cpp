// Initial Values Setup and the favourites file: opening another one (the open one saved first),
// leaving (saved, the main window back with Initial Values ticked), and what the teacher keeps
// when a file is refused or cannot be written.
#include "AutoFillFixture.h"

#include "gui/widgets/ElidedLabel.h"

#include <QCheckBox>

#include <filesystem>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
const std::string tq18 = "TQ18: Favourites file could not be saved. \r\n"
                         "It is likely that your disk is full or the floppy is not in the drive.\r\n"
                         "You should fix the problem and save your favourites in the Comment Selection window.";

// The ranges a favourites file on disk holds.
std::vector<InitialValueRange> rangesOnDisk(const std::string& path, const PhraseLibrary& library)
{
    Favourites fav;
    fav.favouritesFile = path;
    EXPECT_FALSE(readFavourites(fav, library).has_value()) << path;
    return fav.initialRanges;
}
} // namespace

TEST_F(AutoFillTest, LeavingSavesTheRangesAndBringsTheMainWindowBackWithInitialValuesTicked)
{
    const std::string path = sampleFavourites();
    start(path);
    autoFillBox()->setChecked(false);
    window->move(137, 91);
    const QRect place = window->geometry();
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    clickRange(3, 5, Qt::RightButton);
    dialogs.answerInput("0-59 60-100");
    control<QPushButton>("cmdEnterRanges")->click();
    choosePaletteEntry("0717");
    clickRange(1, 4);
    goBack();

    EXPECT_FALSE(autoFill());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), place);
    EXPECT_TRUE(autoFillBox()->isEnabled());
    EXPECT_TRUE(autoFillBox()->isChecked());
    EXPECT_EQ(rangesOnDisk(path, state.phrases), state.favourites.initialRanges);
    EXPECT_EQ(state.favourites.initialRanges[0].rangeComment3, "0717");
    EXPECT_TRUE(messages().empty());

    // Closing the window is a way back too, and saves as well.
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    clickRange(2, 10); // 2 becomes 1
    autoFill()->close();
    settle();
    EXPECT_FALSE(autoFill());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(rangesOnDisk(path, state.phrases)[1].rangeSkills[5], "1");

    // Left from the skills view, the main window stays in it: the key on show, the list behind.
    openNewClass(2);
    mainControl<QPushButton>("cmdSwitch")->click();
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    goBack();
    EXPECT_TRUE(mainControl<QListWidget>("lstLearningSkills")->isVisible());
    EXPECT_FALSE(favouritesList()->isVisible());
}

TEST_F(AutoFillTest, AnotherFileIsOpenedAfterTheOpenOneIsSaved)
{
    const std::string first = sampleFavourites("First.tqf");
    const std::string second = root.write("home/Second.tqf", " 2 \r\n50,100,0701,,,3,3,3,3,3,3\r\n0,49,,,,1,1,1,1,1,1\r\n0702\r\n");
    startSetup(first);
    clickRange(1, 5); // 4 becomes 3
    QToolButton* open = control<QToolButton>("cmdOpenFavourites");
    open->click(); // cancelled: the window keeps its file
    EXPECT_EQ(ranges()->rows(), 8);
    EXPECT_TRUE(control<QPushButton>("cmdUndo")->isEnabled());
    EXPECT_EQ(rangesOnDisk(first, state.phrases)[0].rangeSkills[0], "3"); // saved all the same

    clickRange(1, 6);
    dialogs.answerOpenFile(QString::fromStdString(second));
    open->click();
    EXPECT_EQ(rangesOnDisk(first, state.phrases)[0].rangeSkills[1], "3");
    const auto opens = dialogs.callsOf(Kind::OpenFile);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[1].title, "Open Favourites");
    EXPECT_EQ(opens[1].filter, "Tallyquill Favourites (*.tqf)|*.tqf");
    EXPECT_EQ(opens[1].initialFolder, QString::fromStdString(root.file("home"))); // the teacher's folder
    ASSERT_EQ(ranges()->rows(), 3);
    EXPECT_TRUE(detail(1).startsWith("Range   0701 "));
    EXPECT_TRUE(detail(2).startsWith("50-100 "));
    EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), QString::fromStdString("Favourite List: " + second));
    EXPECT_EQ(palette()->count(), 2);
    EXPECT_FALSE(control<QPushButton>("cmdUndo")->isEnabled());
    goBack();
    EXPECT_EQ(favouritesLabel()->fullText(), QString::fromStdString("Favourite List: " + second));
    EXPECT_EQ(favouritesList()->count(), 2);
}

TEST_F(AutoFillTest, ARefusedFileIsNeverWrittenOverAndRangesEnteredAfterItAreKeptUntilTheyHaveAFile)
{
    const std::string favourites = sampleFavourites();
    const std::string classFile = sampleClassCopy();
    const std::string classBytes = readBytes(classFile);
    const std::string broken = root.write("home/Broken.tqf", " 0 \r\n0701\r\nABCD\r\n");
    startSetup(favourites);
    const auto questions = [this] { return dialogs.callsOf(Kind::Question); };

    // A class file chosen by mistake is refused by its name; the list left has no name.
    dialogs.answerOpenFile(QString::fromStdString(classFile));
    control<QToolButton>("cmdOpenFavourites")->click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "TQ16: Invalid Favourites file type.");
    EXPECT_EQ(ranges()->rows(), 1);
    EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), "Favourite List: ");
    dialogs.answerInput("0-49 50-100");
    control<QPushButton>("cmdEnterRanges")->click();
    const std::vector<InitialValueRange> entered = state.favourites.initialRanges;
    ASSERT_EQ(entered.size(), 2u);

    // Back and the close box ask for a name; Cancel keeps the teacher here with the ranges.
    goBack();
    autoFill()->close();
    settle();
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile).size(), 2u);
    ASSERT_TRUE(autoFill());
    EXPECT_EQ(ranges()->rows(), 3);
    // Another file is not opened over them unasked either: Yes, then Cancel, stays.
    dialogs.answerQuestion(true);
    control<QToolButton>("cmdOpenFavourites")->click();
    EXPECT_EQ(questions().back().text, "Do you want to save the current Favourites File?");
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).size(), 1u);
    EXPECT_EQ(state.favourites.initialRanges, entered);
    // The class file's name given: the list is saved beside it, as a favourites file.
    dialogs.answerSaveFile(QString::fromStdString(classFile));
    goBack();
    EXPECT_FALSE(autoFill());
    EXPECT_EQ(readBytes(classFile), classBytes);
    EXPECT_EQ(rangesOnDisk(classFile + ".tqf", state.phrases), entered);
    EXPECT_EQ(favouritesLabel()->fullText(), QString::fromStdString("Favourite List: " + classFile + ".tqf"));
    EXPECT_TRUE(autoFillBox()->isChecked());

    // A damaged favourites file likewise. Its own name is asked about, No by default; written
    // once the teacher confirms it is to be replaced.
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    dialogs.answerOpenFile(QString::fromStdString(broken));
    control<QToolButton>("cmdOpenFavourites")->click();
    EXPECT_EQ(messages().back().text, "TQ17: Invalid Favourites file.");
    dialogs.answerInput("0-100");
    control<QPushButton>("cmdEnterRanges")->click();
    dialogs.answerSaveFile(QString::fromStdString(broken));
    goBack();
    EXPECT_EQ(questions().back().title, "Replace Favourites File");
    ASSERT_TRUE(autoFill());
    EXPECT_EQ(readBytes(broken), " 0 \r\n0701\r\nABCD\r\n");
    dialogs.answerSaveFile(QString::fromStdString(broken));
    dialogs.answerQuestion(true);
    goBack();
    EXPECT_FALSE(autoFill());
    EXPECT_EQ(rangesOnDisk(broken, state.phrases).size(), 1u);

    // The open dialog cancelled with no file open closes the window.
    menu("mnuAutoFill")->trigger();
    dialogs.answerOpenFile(QString::fromStdString(classFile));
    control<QToolButton>("cmdOpenFavourites")->click();
    control<QToolButton>("cmdOpenFavourites")->click();
    settle();
    EXPECT_FALSE(autoFill());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(readBytes(classFile), classBytes);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(AutoFillTest, AFileThatCannotBeWrittenKeepsTheEditsInMemoryAndTheOldFileWhole)
{
    std::filesystem::create_directories(root.file("home/stick"));
    const std::string path = root.file("home/stick/Sample.tqf");
    std::filesystem::copy_file(sampleFile("Sample.tqf"), path);
    startSetup(path);
    clickRange(1, 5, Qt::RightButton);
    const std::vector<InitialValueRange> edited = state.favourites.initialRanges;
    // The removable disk is pulled out.
    std::filesystem::rename(root.file("home/stick"), root.file("home/stick-gone"));

    // Opening another file would lose the edits: it is not offered after TQ18.
    control<QToolButton>("cmdOpenFavourites")->click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QString::fromStdString(tq18));
    EXPECT_TRUE(dialogs.callsOf(Kind::OpenFile).empty());
    EXPECT_EQ(state.favourites.initialRanges, edited);
    EXPECT_TRUE(autoFill()->isVisible());

    // Leaving says so too; the ranges stay in memory, where mark entry uses them.
    goBack();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, QString::fromStdString(tq18));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.favourites.initialRanges, edited);
    EXPECT_EQ(readBytes(root.file("home/stick-gone/Sample.tqf")), readBytes(sampleFile("Sample.tqf")));

    // Exit asks about them, as about the class; a Yes whose save fails keeps the program running.
    dialogs.answerQuestion(true);
    menu("mnuExit")->trigger();
    ASSERT_EQ(dialogs.callsOf(Kind::Question).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(Kind::Question)[0].text, "Do you want to save the favourites?");
    EXPECT_EQ(dialogs.callsOf(Kind::Question)[0].title, "Exit Tallyquill");
    EXPECT_EQ(messages().size(), 3u);
    EXPECT_FALSE(window->programEnded());
    // The disk is back: Yes saves, and the program ends.
    std::filesystem::rename(root.file("home/stick-gone"), root.file("home/stick"));
    dialogs.answerQuestion(true);
    window->close();
    EXPECT_TRUE(window->programEnded());
    EXPECT_EQ(rangesOnDisk(path, state.phrases), edited);
}
