// The Initial Values Setup window: its controls, the way in from the main window (TQ6), the
// range edits, codes and ratings by mouse with their undo, other favourites files, and the way
// back, with every file it writes checked on disk.
#include "AutoFillFixture.h"

#include "gui/widgets/Codepage.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/Twips.h"

#include <QCheckBox>
#include <QScrollArea>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
const QColor pending(110, 150, 210);

// A favourites file of `ranges` lines (already written as the file holds them) and two codes.
std::string favouritesText(const std::vector<std::string>& ranges)
{
    std::string text = " " + std::to_string(ranges.size()) + " \r\n";
    for (const std::string& r : ranges)
        text += r + "\r\n";
    return text + "0701\r\n0702\r\n";
}
} // namespace

TEST_F(AutoFillTest, ShowsTheRangesOfTheOpenFavouritesWithEveryControl)
{
    const std::string favourites = sampleFavourites();
    startSetup(favourites);
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(autoFill()->isVisible());
    EXPECT_EQ(autoFill()->windowTitle(), "Tallyquill v3.1 (Linux edition) ~ Initial Values Setup");
    struct Caption {
        const char* name;
        const char* text;
        const char* tip;
    };
    for (const Caption& c :
         {Caption{"cmdEnterRanges", "&Enter Ranges", "enter all the ranges you want (Alt+E)"},
          Caption{"cmdSplit", "&Split Range", "Splits current range into 2 ranges each half the original (Alt+S)"},
          Caption{"cmdDelete", "&Delete Range", "Deletes the current range and combines it with the one below (Alt+D)"},
          Caption{"cmdUndo", "&Undo Comment/Learning Skill Changes",
                  "Undoes the last code or rating given to a range (Alt+U, Ctrl+Z or Ctrl+U)"},
          Caption{"cmdBack", "&Back to Mark / Comment Entry",
                  "Saves the favourites and goes back to the class (Alt+B or Escape)"}}) {
        QPushButton* button = control<QPushButton>(c.name);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), c.text);
        EXPECT_EQ(button->toolTip(), c.tip);
    }
    EXPECT_EQ(control<QToolButton>("cmdPrint")->toolTip(), "Print Autofill Settings");
    EXPECT_EQ(control<QToolButton>("cmdOpenFavourites")->toolTip(), "Open Favourites");
    EXPECT_EQ(control<QToolButton>("cmdPrintPreview")->text(), "Print Pre&view");
    EXPECT_FALSE(control<QPushButton>("cmdUndo")->isEnabled());
    EXPECT_EQ(control<QLabel>("Label1")->text(), "Learning Skill Values");
    QListWidget* legend = control<QListWidget>("lstLearningSkills");
    ASSERT_EQ(legend->count(), 4);
    EXPECT_EQ(legend->item(0)->text(), "1    Needs Improvement");
    EXPECT_EQ(legend->item(3)->text(), "4    Excellent!");
    EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), QString::fromStdString("Favourite List: " + favourites));
    // The palette: every favourite, then "no comment".
    EXPECT_EQ(palette()->count(), static_cast<int>(state.favourites.favourites.size()) + 1);
    EXPECT_EQ(palette()->item(0)->text().left(5), "0701 ");
    EXPECT_EQ(palette()->item(palette()->count() - 1)->text(), "           no comment (delete existing comment)");

    // The grid: a heading row, one row per range, the marks fixed at the left.
    ui::ClassGrid* grid = ranges();
    ASSERT_EQ(grid->rows(), 8);
    ASSERT_EQ(grid->cols(), 11);
    const QStringList headings{"Low", "High", "CM1", "CM2", "CM3", "R", "O", "W", "C", "I", "S"};
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(rangeCell(0, c), headings[c]);
        EXPECT_EQ(grid->columnWidthTwips(c), c < 5 ? 545 : 290);
    }
    EXPECT_EQ(grid->fixedRows(), 1);
    EXPECT_EQ(grid->fixedCols(), 2);
    QStringList row1;
    for (int c = 0; c < 11; ++c)
        row1 << rangeCell(1, c);
    EXPECT_EQ(row1.join(','), "80,100,0704,0112,0206,4,4,4,4,4,4");

    // Range 1 in the three detail lines, in Courier New.
    EXPECT_TRUE(detail(1).startsWith("Range   0704 @ "));
    EXPECT_TRUE(detail(1).endsWith("Learning Skills"));
    EXPECT_TRUE(detail(2).startsWith("80-100  0112 "));
    EXPECT_TRUE(detail(2).endsWith(" RE OR IW CO IN SR"));
    EXPECT_TRUE(detail(3).endsWith("  4  4  4  4  4  4"));
    EXPECT_EQ(control<QLabel>("lblDetail1")->font().family(), ui::programFont("Courier New", 9).family());
}

TEST_F(AutoFillTest, TheWholeWindowFitsAScreenOf1366By768AndShrinksOnA600PixelScreen)
{
    startSetup(sampleFavourites());
    QApplication::processEvents();
    const QSize normal = autoFill()->size();
    EXPECT_LE(normal.width(), 1366);
    EXPECT_LE(normal.height(), 768 - 60); // room for the title bar and the task bar
    // Every control lies inside the window.
    for (QWidget* w : autoFill()->findChildren<QWidget*>()) {
        if (w->isVisible() && w->parentWidget() == autoFill()) {
            EXPECT_TRUE(autoFill()->rect().contains(w->geometry())) << w->objectName().toStdString();
        }
    }
    if (qEnvironmentVariableIsSet("TQ_SCREENSHOTS"))
        autoFill()->grab().save(qEnvironmentVariable("TQ_SCREENSHOTS") + "/initial-values.png");
    const int gridHeight = ranges()->height();
    const int listHeight = palette()->height();
    goBack();

    state.smallScreen = true;
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    QApplication::processEvents();
    const int cut = ui::twipsToPixelsY(2520, autoFill());
    EXPECT_EQ(ranges()->height(), gridHeight - cut);
    EXPECT_EQ(palette()->height(), listHeight - cut);
    EXPECT_EQ(autoFill()->height(), normal.height() - cut);
    if (qEnvironmentVariableIsSet("TQ_SCREENSHOTS"))
        autoFill()->grab().save(qEnvironmentVariable("TQ_SCREENSHOTS") + "/initial-values-small.png");
}

TEST_F(AutoFillTest, WithoutAFavouritesFileWithRangesTheMainWindowAsksForOneAndOtherwiseStaysWithTQ6)
{
    const QString tq6 = "TQ6: Auto Fill Setup requires that a valid favourite file be opened.";
    start();
    menu("mnuAutoFill")->trigger(); // the open dialog is cancelled
    EXPECT_FALSE(autoFill());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.callsOf(Kind::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile)[0].filter, "Tallyquill Favourites (*.tqf)|*.tqf");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, tq6);

    // A file without ranges is opened, but there is still nothing to set up.
    const std::string noRanges = root.write("home/NoRanges.tqf", favouritesText({}));
    dialogs.answerOpenFile(QString::fromStdString(noRanges));
    menu("mnuAutoFill")->trigger();
    EXPECT_FALSE(autoFill());
    EXPECT_EQ(state.favourites.favouritesFile, noRanges);
    EXPECT_EQ(messages().size(), 2u);
    // With that file open, the menu asks again; this time the file has ranges.
    const std::string favourites = sampleFavourites();
    dialogs.answerOpenFile(QString::fromStdString(favourites));
    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    EXPECT_EQ(dialogs.callsOf(Kind::OpenFile).size(), 3u);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(ranges()->rows(), 8);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AutoFillTest, RightClicksLookCodesUpOrPickThemUpAndLeftClicksPlaceThem)
{
    startSetup(sampleFavourites());
    clickRange(1, 2, Qt::RightButton); // 0704 is a favourite: the list shows it
    EXPECT_EQ(palette()->currentItem()->text().left(4), "0704");
    clickRange(7, 3, Qt::RightButton); // an empty comment: "no comment"
    EXPECT_EQ(palette()->currentRow(), palette()->count() - 1);
    EXPECT_TRUE(detail(2).startsWith("0-19 ")); // the details follow the clicked range
    EXPECT_FALSE(control<QPushButton>("cmdUndo")->isEnabled()); // nothing changed

    // 0112 is no favourite: it is picked up, and each left click places it.
    clickRange(1, 3, Qt::RightButton);
    EXPECT_EQ(ranges()->cellBackground(1, 3), pending);
    EXPECT_TRUE(palette()->selectedItems().isEmpty());
    clickRange(2, 4);
    EXPECT_EQ(rangeText(2), "70-79 0705,0103,0112|333333");
    clickRange(2, 2); // placed again in the same range, it moves there
    EXPECT_EQ(rangeText(2), "70-79 0112,0103,|333333");
    EXPECT_EQ(rangeCell(2, 2) + "|" + rangeCell(2, 4), "0112|");
    EXPECT_TRUE(detail(1).startsWith("Range   0112 Regular attendance"));
    EXPECT_EQ(rangeText(1), "80-100 0704,0112,0206|444444"); // the source keeps its code
    EXPECT_EQ(ranges()->cellBackground(1, 3), pending);

    // Choosing a favourite drops the pick; its code moves within range 3.
    choosePaletteEntry("0706");
    EXPECT_EQ(ranges()->cellBackground(1, 3), QColor(Qt::white));
    clickRange(3, 3);
    EXPECT_EQ(rangeText(3), "60-69 ,0706,0601|333333");
    // "no comment" writes the blank code, which shows no phrase.
    palette()->setCurrentRow(palette()->count() - 1);
    clickRange(4, 2);
    EXPECT_EQ(rangeText(4), "50-59     ,0719,0714|222222");
    EXPECT_EQ(detail(1), "Range   " + QString(75, ' ') + "Learning Skills");
    // A right click on a rating steps it up, a left click down, round from 4 to 1.
    clickRange(1, 5, Qt::RightButton);
    clickRange(7, 10);
    EXPECT_EQ(rangeText(1), "80-100 0704,0112,0206|144444");
    EXPECT_EQ(rangeText(7), "0-19 ,,|111114");
    EXPECT_TRUE(detail(3).endsWith("  1  1  1  1  1  4"));
    EXPECT_TRUE(control<QPushButton>("cmdUndo")->isEnabled());
}

TEST_F(AutoFillTest, ThreeEditsAndThreeUndosRestoreTheRangeExactly)
{
    // Range 2 has no third code and no rating in Independent Work.
    const std::string path = root.write("home/Gaps.tqf", favouritesText({"60,100,0701,,,3,3,3,3,3,3", "0,59,0702,,,2,2,,2,2,2"}));
    startSetup(path);
    const InitialValueRange original = state.favourites.initialRanges[1];
    EXPECT_EQ(rangeText(2), "0-59 0702,,|22_222");
    clickRange(2, 7); // the empty rating counts as 3 first
    EXPECT_EQ(rangeText(2), "0-59 0702,,|222222");
    choosePaletteEntry("0701");
    clickRange(2, 4);
    clickRange(2, 2, Qt::RightButton); // a look-up changes nothing and records nothing
    clickRange(2, 10, Qt::RightButton);
    EXPECT_EQ(rangeText(2), "0-59 0702,,0701|222223");
    QPushButton* undo = control<QPushButton>("cmdUndo");
    undo->click();
    EXPECT_EQ(rangeText(2), "0-59 0702,,0701|222222");
    EXPECT_EQ(rangeCell(2, 10), "2");
    undo->click();
    EXPECT_EQ(rangeText(2), "0-59 0702,,|222222");
    EXPECT_EQ(rangeCell(2, 4), "");
    EXPECT_TRUE(undo->isEnabled());
    undo->click();
    EXPECT_EQ(state.favourites.initialRanges[1], original);
    EXPECT_EQ(rangeCell(2, 7), "");
    EXPECT_TRUE(detail(1).startsWith("Range   0702 "));
    EXPECT_TRUE(detail(3).endsWith("  2  2    2  2  2"));
    EXPECT_FALSE(undo->isEnabled());
    undo->click(); // nothing left: nothing happens
    EXPECT_EQ(state.favourites.initialRanges[1], original);
}

TEST_F(AutoFillTest, EnterSplitAndDeleteRedrawTheGridAndEndTheUndo)
{
    startSetup(sampleFavourites());
    QPushButton* undo = control<QPushButton>("cmdUndo");
    clickRange(2, 5);
    dialogs.answerInput("20-500");
    control<QPushButton>("cmdEnterRanges")->click(); // refused: nothing changes
    const auto inputs = dialogs.callsOf(Kind::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].title, "Input Mark Ranges");
    EXPECT_EQ(inputs[0].text, "Please enter the ranges (low-high), separated by spaces.\r\n(Eg: 0-49 50-59 60-84, 85-100)\r\n"
                              "Do not overlap ranges such as 50-60 60-70\r\nWARNING: This will delete all comment codes.");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "TQ13: Invalid format: number not in range 0 to 100");
    EXPECT_EQ(ranges()->rows(), 8);
    EXPECT_TRUE(undo->isEnabled());

    dialogs.answerInput("0-59,60-84,85-100"); // commas part ranges as blanks do
    control<QPushButton>("cmdEnterRanges")->click();
    ASSERT_EQ(ranges()->rows(), 4);
    EXPECT_EQ(rangeCell(3, 0) + "-" + rangeCell(3, 1) + " " + rangeCell(3, 10), "0-59 2");
    EXPECT_FALSE(undo->isEnabled());

    clickRange(2, 6, Qt::RightButton); // 60-84 gets a 4 in Organization
    clickRange(2, 2);
    control<QPushButton>("cmdSplit")->click();
    ASSERT_EQ(ranges()->rows(), 5);
    EXPECT_EQ(rangeText(3), "60-71 ,,|343333");
    EXPECT_EQ(rangeCell(3, 1) + " " + rangeCell(3, 6), "71 4");
    EXPECT_EQ(ranges()->currentRow(), 2);
    EXPECT_TRUE(detail(2).startsWith("72-84 "));
    EXPECT_FALSE(undo->isEnabled());

    clickRange(1, 3);
    control<QPushButton>("cmdDelete")->click(); // 85-100 goes into 72-84, which keeps its values
    ASSERT_EQ(ranges()->rows(), 4);
    EXPECT_EQ(rangeText(1), "72-100 ,,|343333");
    EXPECT_EQ(rangeCell(1, 1), "100");
    clickRange(3, 3);
    control<QPushButton>("cmdDelete")->click(); // the bottom range has none below it
    EXPECT_EQ(ranges()->rows(), 4);
}

TEST_F(AutoFillTest, EveryWayToARangeMakesItTheOneShownMarkedSplitAndDeleted)
{
    enum class Way { LowMark, HighMark, RightClickOnACode, RightClickOnARating, ArrowKeys };
    for (const Way way : {Way::LowMark, Way::HighMark, Way::RightClickOnACode, Way::RightClickOnARating, Way::ArrowKeys}) {
        SCOPED_TRACE(static_cast<int>(way));
        startSetup(sampleFavourites());
        clickRange(5, 3); // 40-49 is current
        switch (way) {
        case Way::LowMark: clickRange(2, 0); break;
        case Way::HighMark: clickRange(2, 1); break;
        case Way::RightClickOnACode: clickRange(2, 2, Qt::RightButton); break;
        case Way::RightClickOnARating: clickRange(2, 5, Qt::RightButton); break;
        case Way::ArrowKeys:
            for (int up = 0; up < 3; ++up)
                QTest::keyClick(ranges(), Qt::Key_Up);
            break;
        }
        // 70-79 is current: shown in the details, its whole row marked, and no other.
        EXPECT_EQ(ranges()->currentRow(), 2);
        EXPECT_TRUE(detail(2).startsWith("70-79 "));
        const QPalette colours = ranges()->palette();
        for (int row = 1; row < ranges()->rows(); ++row) {
            const bool current = row == 2;
            EXPECT_EQ(ranges()->cellBackground(row, 0) == colours.color(QPalette::Highlight), current) << row;
            EXPECT_EQ(ranges()->cellBackground(row, 4) == colours.color(QPalette::Base), !current) << row;
        }
        control<QPushButton>("cmdSplit")->click();
        EXPECT_EQ(rangeText(2).substr(0, 6), "75-79 ");
        EXPECT_EQ(rangeText(3).substr(0, 6), "70-74 ");
        EXPECT_EQ(ranges()->currentRow(), 2);
        QTest::keyClick(ranges(), Qt::Key_Down);
        EXPECT_TRUE(detail(2).startsWith("70-74 "));
        control<QPushButton>("cmdDelete")->click(); // 70-74 goes into 60-69
        EXPECT_EQ(rangeText(3).substr(0, 6), "60-74 ");
        EXPECT_TRUE(detail(2).startsWith("60-74 "));
        goBack();
    }
}

TEST_F(AutoFillTest, ACodePickedUpIsDroppedWhenTheGridIsRebuilt)
{
    startSetup(sampleFavourites());
    const auto open = [this](const std::string& path) {
        dialogs.answerOpenFile(QString::fromStdString(path));
        control<QToolButton>("cmdOpenFavourites")->click();
    };
    const std::function<void()> rebuilds[] = {
        [this] {
            dialogs.answerInput("0-49 50-100");
            control<QPushButton>("cmdEnterRanges")->click();
        },
        [this] { control<QPushButton>("cmdSplit")->click(); },
        [this] { control<QPushButton>("cmdDelete")->click(); },
        [this, &open] { open(sampleFavourites("Another.tqf")); },
    };
    int n = 0;
    for (const auto& rebuild : rebuilds) {
        SCOPED_TRACE(n);
        open(sampleFavourites("Pick" + std::to_string(++n) + ".tqf"));
        clickRange(1, 3, Qt::RightButton); // 0112 is no favourite: picked up
        ASSERT_EQ(ranges()->cellBackground(1, 3), QColor(110, 150, 210));
        rebuild();
        for (int row = 1; row < ranges()->rows(); ++row)
            for (int col = 2; col <= 4; ++col)
                EXPECT_NE(ranges()->cellBackground(row, col), QColor(110, 150, 210)) << row << "," << col;
        // Nothing is armed: a left click places nothing.
        const QString before = rangeCell(2, 4);
        clickRange(2, 4);
        EXPECT_EQ(rangeCell(2, 4), before);
        EXPECT_FALSE(control<QPushButton>("cmdUndo")->isEnabled());
    }
}
