#include "gui/widgets/ElidedLabel.h"
#include "ControlOf.h"
#include "MainWindowFixture.h"

#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <future>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
ClassList classOf(int n)
{
    ClassList c;
    for (int i = 0; i < n; ++i)
        c.push_back(newStudentRecord("SNC2D1-01", std::to_string(100000000 + i), "Last" + std::to_string(i), "First", "F", ""));
    return c;
}
} // namespace

TEST_F(MainWindowTest, StartsWithoutFavouritesAndWithoutAClass)
{
    start();
    // The empty grid has nothing to scroll.
    QApplication::processEvents();
    EXPECT_FALSE(grid()->horizontalScrollBar()->isVisible());
    EXPECT_EQ(window->windowTitle().left(14), "Tallyquill v3.");
    EXPECT_TRUE(window->windowTitle().endsWith(" ~ Mark / Phrase Entry"));
    EXPECT_FALSE(autoFillBox()->isEnabled());
    for (QAction* a : {menu("mnuSave"), menu("mnuPrint"), menu("mnuSortNames"), menu("mnuSortMarks"),
                       menu("mnuUpdate"), menu("mnuExport"), menu("mnuUndo")})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(toolButton("cmdSave")->isEnabled());
    EXPECT_FALSE(toolButton("cmdUndo")->isEnabled());
    EXPECT_TRUE(toolButton("cmdOpen")->isEnabled());
    EXPECT_FALSE(menu("mnuSortCourse")->isVisible());
    EXPECT_TRUE(menu("mnuMark")->isChecked());
    EXPECT_EQ(favouritesLabel()->fullText(), "Favourite List: ");
    ASSERT_EQ(favouritesList()->count(), 1);
    EXPECT_EQ(favouritesList()->item(0)->text(), "           no comment (delete existing comment)");
    EXPECT_GT(state.phrases.phraseCount(), 300u);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(menu("mnuOpenFavourites")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(menu("mnuSelection")->text(), "Comment S&election");
    // A button's tooltip tells its command's key, when it has one.
    EXPECT_EQ(toolButton("cmdNew")->toolTip(), "Create New Class File of Students (Ctrl+N)");
    EXPECT_EQ(toolButton("cmdOpen")->toolTip(), "Open Previously Saved Class File");
}

TEST_F(MainWindowTest, StartsWithTheChosenFavourites)
{
    // What a save cut short left in the teacher's folder holds a whole class: start-up removes it.
    const std::string leftBySave = root.file("home/.tallyquill-save-Ab12Cd");
    writeBytes(leftBySave, "Ames,Kim,87\r\n");
    start(sampleFile("Sample.tqf"));
    EXPECT_FALSE(std::filesystem::exists(leftBySave));
    EXPECT_TRUE(autoFillBox()->isEnabled());
    EXPECT_TRUE(autoFillBox()->isChecked());
    EXPECT_EQ(favouritesList()->count(), static_cast<int>(state.favourites.favourites.size()) + 1);
    EXPECT_EQ(favouritesList()->item(0)->text().left(5), QString::fromStdString(state.favourites.favourites[0] + " "));
    EXPECT_EQ(state.favourites.initialRanges.size(), 7u);
    EXPECT_EQ(favouritesLabel()->fullText(), QString::fromStdString("Favourite List: " + root.file("home/Sample.tqf")));
}

TEST_F(MainWindowTest, AMissingPhraseLibraryEndsTheProgramWithTQ2)
{
    std::filesystem::remove(root.file("program/TQPhraseLibrary.csv"));
    window = std::make_unique<frmEntry>(state, dialogs);
    EXPECT_FALSE(window->Form_Load([](ProgramState&) {}));
    EXPECT_TRUE(window->programEnded());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ2: TQPhraseLibary.csv file could not be found"));
    EXPECT_EQ(messages()[0].title, "Tallyquill");
}

// main() begins reading the library before the start-up window: the window takes that reading
// and does not read the file again (here it is gone by then).
TEST_F(MainWindowTest, TakesTheLibraryReadingBegunBeforeIt)
{
    std::promise<PhraseLibraryLoad> begun;
    begun.set_value(parsePhraseLibraryText("Code,Phrase,Category\r\n0001,Works well,A\r\n"));
    std::filesystem::remove(root.file("program/TQPhraseLibrary.csv"));
    window = std::make_unique<frmEntry>(state, dialogs);
    EXPECT_TRUE(window->Form_Load([](ProgramState&) {}, begun.get_future()));
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(state.phrases.phraseCount(), 1u);
    EXPECT_EQ(state.phrases.phrases()[0].text, "Works well");
}

TEST_F(MainWindowTest, OpeningAClassFillsTheGridLabelsAndDetails)
{
    start();
    openClass(sampleClassCopy());
    ASSERT_EQ(state.studentCount(), 28);
    EXPECT_EQ(grid()->rows(), 29);
    EXPECT_EQ(cell(0, 4), "  CM1");
    EXPECT_EQ(cell(0, 13), "  I");
    EXPECT_EQ(cell(1, 0), "316-208-659");
    EXPECT_EQ(cell(1, 1), "Ahmed");
    EXPECT_EQ(cell(5, 1), QString::fromUtf8("Bélanger"));
    EXPECT_EQ(cell(1, 3), "89");
    EXPECT_EQ(cell(1, 4), "1017");
    EXPECT_EQ(cell(1, 10), "4");
    EXPECT_EQ(mainControl<QLabel>("lblCourse")->text(), "ENG2D1-01");
    EXPECT_EQ(mainControl<QLabel>("lblClassSize")->text(), "28 Students");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail1")->text().startsWith("316208659       Mark  [1017] Layla "));
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Ahmed             89  "));
    for (QAction* a : {menu("mnuSave"), menu("mnuSortNames"), menu("mnuSortMarks"), menu("mnuUpdate")})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_TRUE(toolButton("cmdSave")->isEnabled());
    EXPECT_EQ(grid()->columnWidthTwips(4), 525);
    EXPECT_EQ(grid()->columnWidthTwips(9), 0);
    EXPECT_EQ(grid()->fixedCols(), 3);
    // Fewer than 36 students: the area outside the cells stays button face.
    EXPECT_EQ(grid()->backgroundOutsideCells(), window->palette().color(QPalette::Button));
    const auto opens = dialogs.callsOf(Kind::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].filter, "Tallyquill Classes (*.tqc)|*.tqc");
    EXPECT_EQ(opens[0].initialFolder, QString::fromStdString(root.file("home"))); // holds a file now
    EXPECT_FALSE(state.firstFileDialog);
}

TEST_F(MainWindowTest, TheHighlightAndDetailsFollowTheCurrentRow)
{
    start();
    openClass(sampleClassCopy());
    const QColor highlight = window->palette().color(QPalette::Highlight);
    EXPECT_EQ(grid()->cellBackground(1, 0), highlight);
    EXPECT_EQ(grid()->cellForeground(1, 2), QColor(Qt::white));
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(grid()->currentRow(), 3);
    EXPECT_EQ(grid()->cellBackground(1, 1), window->palette().color(QPalette::Button));
    EXPECT_EQ(grid()->cellForeground(1, 1), QColor(Qt::black));
    EXPECT_EQ(grid()->cellBackground(3, 2), highlight);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Anderson"));
    // The over-long comment of this student shows the TQ8A warning under the details whenever the
    // student is shown; it is no message box, so it takes no key or click meant for the grid.
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(mainControl<QFrame>("fraCommentWarning")->isVisible());
    const QString warning = mainControl<QLabel>("lblCommentWarning")->text();
    EXPECT_TRUE(warning.contains("TQ8A: Trillium Comment Length Exceeded"));
    EXPECT_TRUE(warning.contains("The length of your comments for this student exceeds the allowable length for "
                                 "Trillium. You must use shorter and/or fewer comments to make your point. We're "
                                 "not saying you can't use all 5 comments, but taken together they must be within "
                                 "Trillium limits.")) << warning.toStdString();
    EXPECT_TRUE(mainControl<QLabel>("lblDetail5")->text().endsWith(" ..."));
    EXPECT_GE(window->commentRest().size(), 72u);
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_FALSE(mainControl<QFrame>("fraCommentWarning")->isVisible());
    grid()->setCurrent(3, 5);
    EXPECT_TRUE(mainControl<QFrame>("fraCommentWarning")->isVisible());
}

TEST_F(MainWindowTest, TheViewSwitchesBetweenCommentsAndSkillsAndARebuildReturns)
{
    start(sampleFile("Sample.tqf"));
    openClass(sampleClassCopy());
    mainControl<QPushButton>("cmdSwitch")->click();
    EXPECT_EQ(grid()->columnWidthTwips(4), 0);
    EXPECT_EQ(grid()->columnWidthTwips(18), 290);
    EXPECT_TRUE(mainControl<QListWidget>("lstLearningSkills")->isVisible());
    EXPECT_FALSE(favouritesList()->isVisible());
    EXPECT_EQ(mainControl<QListWidget>("lstLearningSkills")->count(), 39);
    EXPECT_EQ(favouritesLabel()->fullText(), "Learning Skills");
    EXPECT_FALSE(toolButton("cmdOpenFavourites")->isEnabled());
    // Copy Class as Table takes the columns on show: the skills, not the comments.
    menu("mnuCopyGrid")->trigger();
    const QStringList heading = QGuiApplication::clipboard()->text().section(QStringLiteral("\r\n"), 0, 0).split('\t');
    EXPECT_TRUE(heading.contains(QStringLiteral("T")));
    EXPECT_FALSE(heading.contains(QStringLiteral("CM1")));
    menu("mnuSortMarks")->trigger();
    EXPECT_EQ(grid()->columnWidthTwips(4), 525);
    EXPECT_TRUE(favouritesList()->isVisible());
    EXPECT_TRUE(toolButton("cmdOpenFavourites")->isEnabled());
    EXPECT_EQ(cell(1, 3), "95"); // the highest mark of the class now stands first
    EXPECT_EQ(cell(28, 3), "");
}

TEST_F(MainWindowTest, ShowCourseCodesNeedsAClass)
{
    start();
    menu("mnuShowCourse")->trigger();
    EXPECT_FALSE(menu("mnuShowCourse")->isChecked());
    openClass(sampleClassCopy());
    menu("mnuShowCourse")->trigger();
    EXPECT_TRUE(menu("mnuShowCourse")->isChecked());
    EXPECT_TRUE(menu("mnuSortCourse")->isVisible());
    EXPECT_EQ(cell(1, 1), "ENG2D1-01: Ahmed");
    EXPECT_EQ(cell(1, 0), "316-208-659");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail1")->text().startsWith("316208659    ENG2D1-01 Mark  [1017]"));
    menu("mnuShowCourse")->trigger();
    EXPECT_FALSE(menu("mnuSortCourse")->isVisible());
    EXPECT_EQ(cell(1, 1), "Ahmed");
}

TEST_F(MainWindowTest, ARefusedFileKeepsTheOpenClass)
{
    start();
    openClass(sampleClassCopy());
    const ClassList before = state.students;
    dialogs.answerQuestion(false);
    openClass(root.write("home/bad.tqc", "not a class file\r\n"));
    dialogs.answerQuestion(false);
    openClass(root.write("home/class.TQC", "x"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQ8: Invalid Tallyquill Class File"));
    EXPECT_EQ(messages()[1].text, "TQ7: Invalid Tallyquill Class File Type");
    EXPECT_EQ(state.students, before);
    EXPECT_EQ(mainControl<QLabel>("lblClassSize")->text(), "28 Students");
    EXPECT_EQ(dialogs.callsOf(Kind::Question)[0].title, "Open New Class");
    EXPECT_EQ(dialogs.callsOf(Kind::Question)[0].text, "Do you want to save the current class?");
}

TEST_F(MainWindowTest, SavingSortsByNameAndWritesTheProposedFile)
{
    start();
    openClass(sampleClassCopy());
    menu("mnuSortMarks")->trigger();
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/Saved")));
    toolButton("cmdSave")->click();
    const auto saves = dialogs.callsOf(Kind::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].fileName, "ENG2D101");
    EXPECT_EQ(saves[0].filter, "Tallyquill Classes (*.tqc)|*.tqc");
    ClassList sorted = state.students;
    sortByName(sorted);
    EXPECT_EQ(state.students, sorted);
    EXPECT_EQ(readBytes(root.file("home/Saved.tqc")), readBytes(sampleFile("ENG2D101.tqc")));
    EXPECT_EQ(cell(1, 1), "Ahmed");

    // A save that cannot be written says so.
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/no/folder/x.tqc")));
    menu("mnuSave")->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQTemp: The class could not be saved as "));
}

TEST_F(MainWindowTest, FileDialogsStartInTheDocumentsFolderThenWhereTheLastFileWasOpenedOrSaved)
{
    std::filesystem::create_directories(root.file("home/Tallyquill Sample"));
    const std::string opened = root.file("home/Tallyquill Sample/ENG2D101.tqc");
    std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), opened);
    start();
    EXPECT_EQ(mainControl<QLabel>("lblClassFile")->text(), "");
    openClass(opened); // the home folder is empty, and still where the first dialog starts
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).back().initialFolder, QString::fromStdString(root.file("home")));
    EXPECT_EQ(mainControl<QLabel>("lblClassFile")->text(), QString::fromStdString("Class file: " + opened));
    menu("mnuOpenFavourites")->trigger(); // the favourites dialog follows the class (cancelled)
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).back().initialFolder,
              QString::fromStdString(root.file("home/Tallyquill Sample")));

    // Ctrl+S saves back where the class came from, under the name the program proposes: the
    // sample's own name, so the teacher's dialog asks before replacing it.
    dialogs.answerSaveFile(QString::fromStdString(opened));
    menu("mnuSave")->trigger();
    const auto save = dialogs.callsOf(Kind::SaveFile).back();
    EXPECT_EQ(save.initialFolder, QString::fromStdString(root.file("home/Tallyquill Sample")));
    EXPECT_EQ(save.fileName, "ENG2D101");

    // A new class has no file yet; the dialogs stay in the folder of the last class file.
    dialogs.answerQuestion(false);
    window->newTrillium();
    controlOf<QComboBox>(window->working.getClassDialog, "cboClasses")->setCurrentText("ENG2D1-01");
    controlOf<QPushButton>(window->working.getClassDialog, "cmdGetClass")->click();
    EXPECT_EQ(mainControl<QLabel>("lblClassFile")->text(), "Class file: not saved yet");
    dialogs.answerQuestion(false);
    window->OpenClassFile(); // cancelled
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).back().initialFolder,
              QString::fromStdString(root.file("home/Tallyquill Sample")));
    // The window's title stays as it is.
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Tallyquill v") + QString::fromLatin1(versionLabel) + " ~ Mark / Phrase Entry");

    // Favourites opened at start-up: the class dialog starts beside them.
    std::filesystem::create_directories(root.file("home/Term 2"));
    const std::string favourites = root.file("home/Term 2/Mine.tqf");
    std::filesystem::copy_file(sampleFile("Sample.tqf"), favourites);
    window.reset();
    state.students.clear();
    state.folders = programFoldersFor(root.file("program"), root.file("home"));
    start(favourites);
    window->OpenClassFile(); // cancelled
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).back().initialFolder, QString::fromStdString(root.file("home/Term 2")));
}

TEST_F(MainWindowTest, ALargeClassTurnsTheOutsideWhite)
{
    start();
    saveClassFile(root.file("home/big.tqc"), classOf(36));
    openClass(root.file("home/big.tqc"));
    EXPECT_EQ(grid()->backgroundOutsideCells(), QColor(Qt::white));
    dialogs.answerQuestion(false);
    saveClassFile(root.file("home/small.tqc"), classOf(35));
    openClass(root.file("home/small.tqc"));
    EXPECT_EQ(grid()->backgroundOutsideCells(), window->palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, ExitAsksOnlyWithAClass)
{
    start();
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->programEnded());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWindowTest, NoActionGoesOnAfterAYesWhoseSaveDidNotHappen)
{
    start();
    openClass(sampleClassCopy());
    const ClassList before = state.students;

    // Exit: Yes, then Cancel in the save dialog. The window stays with the class.
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile("");
    window->show();
    window->close();
    EXPECT_FALSE(window->programEnded());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.students, before);
    const auto questions = dialogs.callsOf(Kind::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Do you want to save the class?");
    EXPECT_EQ(questions[0].title, "Exit Tallyquill");

    // Exit: Yes, and the save fails (no such folder): the message, and the window stays.
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile(QString::fromStdString(root.file("gone/ENG2D101.tqc")));
    menu("mnuExit")->trigger();
    EXPECT_FALSE(window->programEnded());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith("TQTemp: The class could not be saved"));

    // New and Open: Yes, then Cancel: no Get Class dialog, no open dialog, the class as it was.
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile("");
    toolButton("cmdNew")->click();
    EXPECT_FALSE(window->working.getClassDialog);
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile("");
    toolButton("cmdOpen")->click();
    EXPECT_TRUE(dialogs.callsOf(Kind::OpenFile).size() == 1u); // only the first open, by the fixture
    EXPECT_EQ(state.students, before);

    // The teacher repeats Exit and answers No: the class is discarded on purpose.
    dialogs.answerQuestion(false);
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->programEnded());
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(MainWindowTest, ASavedClassLetsTheActionGoOn)
{
    start();
    openClass(sampleClassCopy());
    dialogs.answerQuestion(true);
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/kept")));
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->programEnded());
    const auto read = readClassFile(root.file("home/kept.tqc"));
    ASSERT_TRUE(std::holds_alternative<ClassList>(read));
    EXPECT_EQ(std::get<ClassList>(read).size(), 28u);
}

TEST_F(MainWindowTest, OpeningFavouritesReplacesTheListAndCancelChangesNothing)
{
    start();
    toolButton("cmdOpenFavourites")->click(); // cancelled
    EXPECT_FALSE(autoFillBox()->isEnabled());
    EXPECT_EQ(state.favourites.favouritesFile, "");
    dialogs.answerOpenFile(QString::fromStdString(copyOfSample(sampleFile("Sample.tqf"))));
    menu("mnuOpenFavourites")->trigger();
    EXPECT_TRUE(autoFillBox()->isChecked());
    EXPECT_GT(favouritesList()->count(), 30);
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile)[0].filter, "Tallyquill Favourites (*.tqf)|*.tqf");
}

TEST_F(MainWindowTest, EveryFavouriteIsShownWholeAndTheListScrollsSideways)
{
    // Starts with the one "no comment" line, then takes the sample's long phrases: the entries'
    // common size must follow the new texts.
    start();
    window->show();
    dialogs.answerOpenFile(QString::fromStdString(copyOfSample(sampleFile("Sample.tqf"))));
    menu("mnuOpenFavourites")->trigger();
    QListWidget* list = favouritesList();
    list->doItemsLayout();
    QCoreApplication::processEvents();
    const QFontMetrics metrics(list->font());
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        const int needed = metrics.horizontalAdvance(list->item(i)->text()) + margin;
        widest = std::max(widest, needed);
        EXPECT_GE(list->visualItemRect(list->item(i)).width(), needed) << list->item(i)->text().toStdString();
    }
    EXPECT_GT(widest, list->viewport()->width());
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    // One line high, as before.
    EXPECT_LT(list->visualItemRect(list->item(0)).height(), 2 * metrics.height());
}

TEST_F(MainWindowTest, ThePointerShowsWhatAClickWouldDo)
{
    start(sampleFile("Sample.tqf"));
    openClass(sampleClassCopy());
    ui::ClassGrid* grid = this->grid();
    auto pointerOver = [&](int row, int col) {
        QTest::mouseMove(grid->viewport(), grid->viewport()->mapFrom(grid, grid->cellRect(row, col).center()));
        return grid->pointer();
    };
    using P = ui::ClassGrid::Pointer;
    // Nothing picked and nothing chosen in the list: the arrow over the comment columns.
    EXPECT_EQ(pointerOver(2, 5), P::Arrow);
    favouritesList()->setCurrentRow(0);
    EXPECT_EQ(pointerOver(2, 7), P::Custom);
    EXPECT_EQ(pointerOver(0, 6), P::Custom);  // the heading row of the band too
    EXPECT_EQ(pointerOver(2, 1), P::Arrow);   // outside the band
    int freeFormRow = 1;
    while (!state.students[static_cast<size_t>(freeFormRow - 1)].hasFreeForm)
        ++freeFormRow;
    EXPECT_EQ(pointerOver(freeFormRow, 5), P::Arrow);
    // In the skills view the skill band shows the sizing pointer.
    mainControl<QPushButton>("cmdSwitch")->click();
    EXPECT_EQ(pointerOver(2, 10), P::DiagonalSizing);
    EXPECT_EQ(pointerOver(2, 2), P::Arrow);
}

TEST_F(MainWindowTest, ASixHundredPixelScreenGetsTheReducedLayout)
{
    start();
    const int gridHeight = grid()->minimumHeight();
    const int listHeight = favouritesList()->minimumHeight();
    const int windowHeight = window->height();
    window.reset();
    state.smallScreen = true;
    window = std::make_unique<frmEntry>(state, dialogs);
    ASSERT_TRUE(window->Form_Load([](ProgramState& s) { s.smallScreen = true; }));
    EXPECT_EQ(gridHeight - grid()->minimumHeight(), ui::twipsToPixelsY(2650, window.get()));
    EXPECT_EQ(listHeight - favouritesList()->minimumHeight(), ui::twipsToPixelsY(2520, window.get()));
    EXPECT_EQ(windowHeight - window->height(), ui::twipsToPixelsY(2520, window.get()));
}

TEST_F(MainWindowTest, SortByCourseIsOfferedWithCourseCodesAndClearsNothingElse)
{
    start();
    ClassList mixed;
    for (const char* course : {"MPM2D1-02", "ENG2D1-01", "MPM2D1-02"})
        mixed.push_back(newStudentRecord(course, "1234567" + std::to_string(mixed.size()) + "0", "Same", "Name", "F", ""));
    saveClassFile(root.file("home/mixed.tqc"), mixed);
    openClass(root.file("home/mixed.tqc"));
    menu("mnuShowCourse")->trigger();
    menu("mnuSortCourse")->trigger();
    EXPECT_EQ(cell(1, 1), "ENG2D1-01: Same");
    EXPECT_EQ(cell(2, 0), "123-456-700");
    EXPECT_EQ(cell(3, 0), "123-456-720");
    EXPECT_FALSE(menu("mnuUndo")->isEnabled());
}

TEST_F(MainWindowTest, HelpOpensBesideTheMainWindow)
{
    start();
    menu("mnuhelp")->trigger();
    QWidget* help = window->findChild<QWidget*>("frmHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_TRUE(window->isVisible());

    // A second click brings the open help window forward rather than opening another.
    menu("mnuhelp")->trigger();
    menu("mnuhelp")->trigger();
    EXPECT_EQ(window->findChildren<QWidget*>("frmHelp").size(), 1);
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu("mnuhelp")->trigger();
    const QList<QWidget*> helps = window->findChildren<QWidget*>("frmHelp");
    ASSERT_EQ(helps.size(), 1);
    EXPECT_TRUE(helps[0]->isVisible());
}

TEST_F(MainWindowTest, TheGridAndListTakeTheRoomTheWindowGivesAndTheViewsMoveNothing)
{
    start(sampleFile("Sample.tqf"));
    openClass(sampleClassCopy());
    window->show();
    QApplication::processEvents();
    const QSize smallest = window->minimumSizeHint();
    const QRect gridPlace = grid()->geometry();
    const QRect list = favouritesList()->geometry();

    window->resize(window->width() + 400, window->height() + 300);
    QApplication::processEvents();
    EXPECT_EQ(grid()->height(), gridPlace.height() + 300);
    EXPECT_EQ(favouritesList()->width(), list.width() + 400);
    EXPECT_GT(favouritesList()->height(), list.height() + 250);
    // Every student now fits: nothing to scroll.
    EXPECT_TRUE(grid()->cellRect(state.studentCount(), 1).bottom() < grid()->viewport()->height());

    // Switching between comments and skills moves nothing, not even with a long favourites path.
    const QRect window0 = window->geometry(), grid0 = grid()->geometry(),
                details0 = mainControl<QFrame>("Shape1")->geometry();
    for (int i = 0; i < 2; ++i) {
        mainControl<QPushButton>("cmdSwitch")->click();
        QApplication::processEvents();
        EXPECT_EQ(window->geometry(), window0);
        EXPECT_EQ(grid()->geometry(), grid0);
        EXPECT_EQ(mainControl<QFrame>("Shape1")->geometry(), details0);
    }
    // The smallest the window goes is the size it starts at.
    EXPECT_EQ(window->minimumSizeHint(), smallest);
}
