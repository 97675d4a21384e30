// The Comment Selection window: its controls, the search, building the favourites list by
// double click, buttons and dragging, the favourites files, and the way back to the main window.
#include "ui_QtPrinting.h"

#include "SelectionFixture.h"

#include "core/selection/FavouritesRows.h"
#include "gui/widgets/ElidedLabel.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
std::vector<std::string> codes(std::initializer_list<const char*> list) { return {list.begin(), list.end()}; }
} // namespace

TEST_F(SelectionTest, OpensWithEveryControlCaptionAndTooltipAndReturnsToTheMainWindow)
{
    start();
    EXPECT_TRUE(menu("mnuSelection")->isEnabled());
    EXPECT_TRUE(mainControl<QPushButton>("cmdSwitchCommentSelection")->isEnabled());
    EXPECT_EQ(menu("mnuSelection")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    window->move(137, 91);
    const QRect place = window->geometry();
    menu("mnuSelection")->trigger();
    ASSERT_TRUE(selection());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(selection()->windowTitle(), "Tallyquill v3.1 (Linux edition) ~ Comment Selection");

    // The four lists start at "All"; items keep their spaces.
    const std::pair<const char*, int> lists[] = {{"cmbMarkCat", 10}, {"cmbCommentCat", 5}, {"cmbLS", 7}, {"cmbDept", 35}};
    for (const auto& [name, count] : lists) {
        EXPECT_EQ(control<QComboBox>(name)->count(), count) << name;
        EXPECT_EQ(control<QComboBox>(name)->currentIndex(), 0) << name;
        EXPECT_EQ(control<QComboBox>(name)->itemText(0), "All") << name;
    }
    EXPECT_EQ(control<QComboBox>("cmbDept")->itemText(33), "Technological  Design ");
    EXPECT_EQ(control<QComboBox>("cmbMarkCat")->itemText(7), "11/12 University/College");

    QStringList groups, labels;
    for (QGroupBox* g : selection()->findChildren<QGroupBox*>())
        groups << g->title();
    for (QLabel* l : selection()->findChildren<QLabel*>())
        labels << l->text();
    EXPECT_EQ(groups, QStringList({"Search Criteria: Select All That Apply", "&Keyword Search"}));
    for (const char* text : {"&Grade/Stream", "&Category", "&Learning Skill", "&Department ", "(", "AND", ")", "OR",
                             "and NOT", "Double click a comment to move it to Favourites", "Favourite List: "})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
    for (const char* box : {"txtAnd1", "txtAnd2", "txtOr", "txtNot"})
        EXPECT_EQ(control<QLineEdit>(box)->text(), "");
    EXPECT_EQ(control<QPushButton>("cmdSearch")->text(), "Search");
    EXPECT_EQ(control<QCheckBox>("chkNoDups")->text(), "Don't Show Dups");
    EXPECT_TRUE(control<QCheckBox>("chkNoDups")->isChecked());
    EXPECT_EQ(results()->model()->rowCount(), 0); // no search until asked
    EXPECT_EQ(control<QPushButton>("cmdInsertDashes")->text(), "-----");
    EXPECT_EQ(control<QPushButton>("cmdBack")->text(), "&Back to Mark / Comment Entry");
    const std::pair<const char*, const char*> tips[] = {
        {"cmdNew", "New Favourites List (Ctrl+N)"},
        {"cmdOpen", "Open Favourites (Ctrl+O)"},
        {"cmdSave", "Save Favourites (Ctrl+S)"},
        {"cmdSaveAs", "Save As Favourites (Ctrl+Shift+S)"},
        {"cmdPrint", "Print Favourites (Ctrl+P)"},
        {"cmdUp", "Move Comment Up in the List (Ctrl+Up)"},
        {"cmdDown", "Move Comment Down in the List (Ctrl+Down)"},
        {"cmdDeleteFavourite", "Remove Comment from Favourites (Delete)"},
        {"cmdInsertDashes", "Insert Separator into List (Insert)"},
        {"cmdBack", "Saves the favourites and goes back to the class (Alt+B or Escape)"}};
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(control<QAbstractButton>(name)->toolTip(), tip) << name;

    QStringList file;
    for (QAction* a : selection()->menuBar()->actions().constFirst()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') + a->shortcut().toString());
    // No two items share an Alt letter.
    EXPECT_EQ(file, QStringList({"&New Favourites|Ctrl+N", "&Open Favourites|Ctrl+O", "A&dd to Favourites|", "-",
                                 "&Save Favourites|Ctrl+S", "Save&As Favourites|Ctrl+Shift+S", "-", "&Print|Ctrl+P",
                                 "Print Pre&view|", "-", "E&xit|"}));

    // No favourites at all: a new list with the default ranges.
    EXPECT_EQ(favourites()->count(), 0);
    EXPECT_EQ(state.favourites.initialRanges, defaultInitialRanges());

    // Nothing is cut off, and the window fits a 1366 x 768 screen with room for its frame.
    QApplication::processEvents();
    EXPECT_LE(selection()->width(), 1366);
    EXPECT_LE(selection()->height(), 768 - 60);
    for (QWidget* w : selection()->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)))
            continue;
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
        EXPECT_TRUE(selection()->rect().contains(QRect(w->mapTo(selection(), QPoint(0, 0)), w->size())))
            << w->objectName().toStdString();
    }

    control<QPushButton>("cmdBack")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(selection());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), place);
    EXPECT_TRUE(dialogs.calls.empty()); // an empty list is not saved
}

TEST_F(SelectionTest, AScreen600PixelsHighGetsAShorterWindow)
{
    openSelection();
    const int normal = selection()->height();
    press("cmdBack");
    state.smallScreen = true;
    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    EXPECT_EQ(selection()->height(), normal - 168); // 2520 twips at 96 dots to the inch
    EXPECT_LE(selection()->frameGeometry().height(), 600 - 30);
}

TEST_F(SelectionTest, SearchesOnlyWhenAskedAndListsPhrasesInLibraryOrder)
{
    openSelection();
    auto* txtOr = control<QLineEdit>("txtOr");
    txtOr->setText("ORGANIZ");
    control<QComboBox>("cmbCommentCat")->setCurrentIndex(3); // "Next Steps"
    EXPECT_EQ(results()->model()->rowCount(), 0);

    // Enter in a keyword box presses Search.
    QTest::keyClick(txtOr, Qt::Key_Return);
    SearchCriteria c;
    c.commentCategory = 3;
    c.orTerm = "ORGANIZ";
    QStringList expected;
    for (int i : searchPhrases(state.phrases, c))
        expected << ui::fromCp1252(searchResultLine(state.phrases.phrases()[static_cast<size_t>(i)]));
    ASSERT_GE(expected.size(), 2);
    EXPECT_EQ(resultRows(), expected);
    EXPECT_TRUE(expected.contains(QString::fromLatin1(
        "0209 A weekly check of % binder at home would help * stay organized")));

    // Everything, with and without hiding repeated texts.
    control<QComboBox>("cmbCommentCat")->setCurrentIndex(0);
    txtOr->clear();
    QTest::keyClick(control<QLineEdit>("txtNot"), Qt::Key_Enter);
    EXPECT_EQ(static_cast<size_t>(resultRows().size()), searchPhrases(state.phrases, {}).size());
    control<QCheckBox>("chkNoDups")->setChecked(false);
    press("cmdSearch");
    EXPECT_EQ(static_cast<size_t>(resultRows().size()), state.phrases.phraseCount());

    // A keyword with a character no phrase can hold is not looked for as a '?': nothing is
    // searched for, and the teacher is told why.
    for (const char* box : {"txtAnd1", "txtNot"}) {
        QLineEdit* keyword = control<QLineEdit>(box);
        QTest::keyClicks(keyword, QStringLiteral("k"));
        QKeyEvent arrow(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u2192"));
        QApplication::sendEvent(keyword, &arrow);
        QTest::keyClick(keyword, Qt::Key_Return);
        EXPECT_EQ(resultRows().size(), 0) << box;
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().back().text,
                  QString::fromUtf8("TQ23: The keyword \"k\u2192\" holds \u2192, which no phrase can hold. Nothing was "
                                    "searched for: please type the keyword without it."));
        keyword->clear();
    }
    EXPECT_EQ(messages().size(), 2u);
}

TEST_F(SelectionTest, DoubleClicksSeparatorsMovesAndRemovalsBuildTheEntries)
{
    openSelection();
    searchFor("organiz");
    ASSERT_GE(resultRows().size(), 3);
    std::vector<std::string> found;
    for (int r = 0; r < 3; ++r)
        found.push_back(resultRows()[r].left(4).toStdString());
    const std::string a = found[0], b = found[1], c = found[2], sep = "    ";

    doubleClickResult(0); // nothing selected: at the end, and selected
    doubleClickResult(1); // after the selected row
    EXPECT_EQ(entries(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(favourites()->currentRow(), 1);
    EXPECT_EQ(favouriteRows().at(0), favouriteRow(state, a));
    clickFavourite(0);
    press("cmdInsertDashes");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, b}));
    EXPECT_EQ(favouriteRows().at(1), "           ---------------");
    favourites()->clearSelection();
    doubleClickResult(2);
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, b, c}));
    EXPECT_EQ(favourites()->currentRow(), 3);

    // Up on the first row and down on the last change nothing.
    clickFavourite(0);
    press("cmdUp");
    clickFavourite(3);
    press("cmdDown");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, b, c}));
    press("cmdUp");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, c, b}));
    EXPECT_EQ(favourites()->currentRow(), 2);
    press("cmdDown");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, b, c}));

    // Removing the last row selects the new last one; the only row leaves nothing selected.
    press("cmdDeleteFavourite");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, sep, b}));
    EXPECT_EQ(favourites()->currentRow(), 2);
    clickFavourite(1);
    press("cmdDeleteFavourite");
    EXPECT_EQ(entries(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(favourites()->currentRow(), 1);
    favourites()->clearSelection();
    press("cmdDeleteFavourite"); // no row selected: nothing
    EXPECT_EQ(entries().size(), 2u);
    clickFavourite(0);
    press("cmdDeleteFavourite");
    press("cmdDeleteFavourite");
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(favourites()->count(), 0);
    EXPECT_FALSE(favourites()->selectedRow());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(SelectionTest, DraggingRowFiveToRowTwoMovesTheRowsBetweenDown)
{
    openSelection(favouritesFile("drag.tqf", {"0101", "0102", "0103", "0104", "0105", "0106", "0107"}));
    FavouritesList* list = favourites();
    QWidget* viewport = list->viewport();
    const auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };

    QTest::mousePress(viewport, Qt::LeftButton, {}, at(5));
    for (int row : {4, 3, 2})
        QTest::mouseMove(viewport, at(row));
    // The rows follow the pointer; the entries follow once the button is let go.
    EXPECT_EQ(list->lines()[2].substr(0, 4), "0106");
    EXPECT_EQ(entries(), codes({"0101", "0102", "0103", "0104", "0105", "0106", "0107"}));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(2));
    EXPECT_EQ(entries(), codes({"0101", "0102", "0106", "0103", "0104", "0105", "0107"}));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(favouriteRows().at(2), favouriteRow(state, "0106"));

    // A drag from the blank space below the rows moves nothing, the selected row least of all.
    const QPoint below = at(6) + QPoint(0, list->visualItemRect(list->item(6)).height() * 3);
    ASSERT_LT(below.y(), viewport->height());
    QTest::mousePress(viewport, Qt::LeftButton, {}, below);
    for (int row : {5, 3, 1, 0})
        QTest::mouseMove(viewport, at(row));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(0));
    EXPECT_EQ(entries(), codes({"0101", "0102", "0106", "0103", "0104", "0105", "0107"}));
    EXPECT_EQ(favouriteRows().at(2), favouriteRow(state, "0106"));
}

TEST_F(SelectionTest, AFullListTakesNothingMoreAndSaysSo)
{
    const std::string full = root.file("home/full.tqf");
    Favourites fav;
    fav.favouritesFile = full;
    fav.favourites.assign(maxFavourites, "0101");
    ASSERT_FALSE(saveFavourites(fav));
    const std::string more = favouritesFile("more.tqf", {"0102"});
    openSelection(full);
    searchFor("organiz");
    clickFavourite(3);
    doubleClickResult(0);
    press("cmdInsertDashes");
    dialogs.answerOpenFile(QString::fromStdString(more));
    choose("mnuAddToFavourites");
    EXPECT_EQ(entries(), fav.favourites);
    EXPECT_EQ(favourites()->count(), 1000);
    ASSERT_EQ(messages().size(), 3u);
    for (const auto& m : messages())
        EXPECT_EQ(m.text.toStdString(), favouritesFullMessage().text);
}

TEST_F(SelectionTest, NewAndOpenAskAboutTheListAndKeepItWhenItIsNotSaved)
{
    const std::string a = favouritesFile("A.tqf", {"0101", "0102"});
    const std::string b = favouritesFile("B.tqf", {"0103", "    ", "0104"});
    openSelection();
    press("cmdNew"); // an empty, never-saved list: no question
    EXPECT_TRUE(dialogs.calls.empty());

    // A never-saved list with entries is asked about; Yes, then Cancel in the name dialog, keeps it.
    searchFor("organiz");
    doubleClickResult(0);
    dialogs.answerQuestion(true);
    press("cmdNew");
    ASSERT_EQ(dialogs.callsOf(Kind::Question).size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Do you want to save the current Favourites File?");
    EXPECT_EQ(dialogs.calls[0].title, "Load New Favourites File");
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile).size(), 1u);
    EXPECT_EQ(entries().size(), 1u);
    dialogs.answerQuestion(false); // No: the list goes
    choose("mnuNew");
    EXPECT_TRUE(entries().empty());

    // Open: the filter, the teacher's folder; Cancel changes nothing.
    dialogs.answerOpenFile(QString::fromStdString(a));
    press("cmdOpen");
    EXPECT_EQ(entries(), codes({"0101", "0102"}));
    EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), QString::fromStdString("Favourite List: " + a));
    const auto openCall = dialogs.callsOf(Kind::OpenFile).back();
    EXPECT_EQ(openCall.filter, "Tallyquill Favourites (*.tqf)|*.tqf");
    EXPECT_EQ(openCall.initialFolder, QString::fromStdString(root.file("home")));
    dialogs.answerQuestion(false);
    choose("mnuOpen");
    EXPECT_EQ(entries(), codes({"0101", "0102"}));
    EXPECT_EQ(state.favourites.favouritesFile, a);

    // A named list saves on Yes before the other file replaces it.
    clickFavourite(0);
    press("cmdDeleteFavourite");
    dialogs.answerQuestion(true);
    dialogs.answerOpenFile(QString::fromStdString(b));
    press("cmdOpen");
    EXPECT_EQ(readBytes(a), crlfLines({" 1 ", "80,100,0101,,,4,4,4,4,4,4", "0102"}));
    EXPECT_EQ(entries(), codes({"0103", "    ", "0104"}));

    // A file refused for its name is never written over: saving asks for a name.
    const std::string classFile = sampleClassCopy();
    const std::string classBytes = readBytes(classFile);
    dialogs.answerQuestion(false);
    dialogs.answerOpenFile(QString::fromStdString(classFile));
    press("cmdOpen");
    EXPECT_EQ(messages().back().text, "TQ16: Invalid Favourites file type.");
    doubleClickResult(0);
    const size_t saveDialogs = dialogs.callsOf(Kind::SaveFile).size();
    press("cmdSave");
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile).size(), saveDialogs + 1);
    EXPECT_EQ(readBytes(classFile), classBytes);
}

TEST_F(SelectionTest, AddToFavouritesAppendsAnotherFilesEntries)
{
    const std::string a = favouritesFile("A.tqf", {"0101"});
    const std::string b = favouritesFile("B.tqf", {"0103", "    ", "0104"});
    openSelection(a);
    dialogs.answerOpenFile(QString::fromStdString(b));
    choose("mnuAddToFavourites");
    EXPECT_EQ(favouriteRows(), QStringList({favouriteRow(state, "0101"), favouriteRow(state, "0103"),
                                            "           ---------------", favouriteRow(state, "0104")}));
    EXPECT_EQ(state.favourites.favouritesFile, a);
    EXPECT_EQ(state.favourites.initialRanges.size(), 1u);
    choose("mnuAddToFavourites"); // cancelled
    dialogs.answerOpenFile(QString::fromStdString(root.file("home/missing.tqf")));
    choose("mnuAddToFavourites");
    EXPECT_EQ(messages().back().text, "TQ17: Invalid Favourites file.");
    EXPECT_EQ(favourites()->count(), 4);
}

TEST_F(SelectionTest, SaveAsksForANameOnceAndTellsWhenTheDiskFails)
{
    favouritesFile("Other.tqf", {}); // the teacher's folder is in use: dialogs start there
    openSelection();
    searchFor("organiz");
    doubleClickResult(0);
    // A never-saved list: Save opens the name dialog; a name without ".tqf" gets it.
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/Term")));
    press("cmdSave");
    const auto saveCall = dialogs.callsOf(Kind::SaveFile).at(0);
    EXPECT_EQ(saveCall.filter, "Tallyquill Favourites (*.tqf)|*.tqf");
    EXPECT_EQ(saveCall.initialFolder, QString::fromStdString(root.file("home")));
    const std::string term = root.file("home/Term.tqf");
    EXPECT_EQ(state.favourites.favouritesFile, term);
    EXPECT_EQ(control<ui::ElidedLabel>("lblFavouriteFile")->fullText(), QString::fromStdString("Favourite List: " + term));
    Favourites back;
    back.favouritesFile = term;
    EXPECT_FALSE(readFavourites(back, state.phrases));
    EXPECT_EQ(back.favourites, entries());
    EXPECT_EQ(back.initialRanges, defaultInitialRanges());

    // Now Save writes without asking; Save As asks again.
    doubleClickResult(1);
    choose("mnuSave");
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile).size(), 1u);
    EXPECT_FALSE(readFavourites(back, state.phrases));
    EXPECT_EQ(back.favourites.size(), 2u);

    // A target the disk refuses (here a folder) gives TQ18 and changes nothing in memory.
    std::filesystem::create_directories(root.file("home/Folder.tqf"));
    dialogs.answerSaveFile(QString::fromStdString(root.file("home/Folder.tqf")));
    press("cmdSaveAs");
    EXPECT_TRUE(messages().back().text.startsWith("TQ18: Favourites file could not be saved."));
    EXPECT_EQ(entries().size(), 2u);
}

TEST_F(SelectionTest, LeavingSavesAndTheMainWindowShowsTheListWithInitialValuesOn)
{
    const std::string a = favouritesFile("A.tqf", {"0101"});
    start();
    EXPECT_FALSE(autoFillBox()->isEnabled());
    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    // A never-saved list left by the close box asks for a name; Cancel keeps the teacher here.
    searchFor("organiz");
    doubleClickResult(0);
    const std::vector<std::string> built = entries();
    selection()->close();
    EXPECT_EQ(dialogs.callsOf(Kind::SaveFile).size(), 1u);
    ASSERT_TRUE(selection());
    EXPECT_TRUE(selection()->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(entries(), built);
    EXPECT_EQ(favourites()->count(), 1);

    // Open a file instead (the list let go of), change it, leave by Exit.
    dialogs.answerQuestion(false);
    dialogs.answerOpenFile(QString::fromStdString(a));
    press("cmdOpen");
    press("cmdInsertDashes");
    autoFillBox()->setChecked(false);
    choose("mnuExit");
    EXPECT_EQ(readBytes(a), crlfLines({" 1 ", "80,100,0101,,,4,4,4,4,4,4", "0101", "    "}));
    EXPECT_TRUE(autoFillBox()->isEnabled() && autoFillBox()->isChecked());
    EXPECT_EQ(favouritesLabel()->fullText(), QString::fromStdString("Favourite List: " + a));
    EXPECT_EQ(favouritesList()->count(), 3); // and "no comment"

    // In the skills view the key stays on show; the list is new when the teacher switches back.
    openClass(sampleClassCopy());
    mainControl<QPushButton>("cmdSwitch")->click();
    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    clickFavourite(0);
    press("cmdDeleteFavourite");
    press("cmdBack");
    EXPECT_TRUE(mainControl<QListWidget>("lstLearningSkills")->isVisible());
    mainControl<QPushButton>("cmdSwitch")->click();
    EXPECT_EQ(favouritesList()->codeAt(0), "    ");
}

TEST_F(SelectionTest, FromNoFavouritesToASavedListThatTheNextStartShows)
{
    start();
    ASSERT_EQ(favouritesList()->count(), 1); // only "no comment"
    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    searchFor("organiz");
    doubleClickResult(0);
    doubleClickResult(1);
    press("cmdInsertDashes");
    control<QComboBox>("cmbLS")->setCurrentIndex(1); // Responsibility
    searchFor("homework", "deadline");
    ASSERT_GE(resultRows().size(), 2);
    doubleClickResult(0);
    doubleClickResult(1);
    const std::vector<std::string> built = entries();
    ASSERT_EQ(built.size(), 5u);
    EXPECT_EQ(built[2], "    ");

    dialogs.answerSaveFile(QString::fromStdString(root.file("home/Term")));
    press("cmdBack");
    const std::string saved = root.file("home/Term.tqf");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(favouritesLabel()->fullText(), QString::fromStdString("Favourite List: " + saved));
    EXPECT_TRUE(autoFillBox()->isEnabled() && autoFillBox()->isChecked());
    const std::vector<std::string> shown = favouritesList()->lines();
    EXPECT_EQ(shown, favouritesListLines(state.favourites, state.phrases));
    EXPECT_EQ(shown.size(), 6u);

    // The next start opens the saved list with its default initial values.
    window.reset();
    state.favourites = {};
    start(saved);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(entries(), built);
    EXPECT_EQ(state.favourites.initialRanges, defaultInitialRanges());
    EXPECT_EQ(favouritesList()->lines(), shown);
    EXPECT_TRUE(autoFillBox()->isChecked());
}
