// The favourites list shared by the windows: what a row stands for, the teacher's choice as
// opposed to the program's look-up, and the whole phrase on show as a tooltip.
#include "gui/widgets/FavouritesList.h"

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace tq;

namespace {
const std::string longPhrase =
    "@ consistently contributes thoughtful ideas to class discussions and supports classmates in group work";

PhraseLibrary library() { return PhraseLibrary({{"0101", longPhrase, ""}, {"0102", "Reads widely", ""}}); }

Favourites favourites()
{
    Favourites fav;
    fav.favourites = {"0101", "    ", "0102"};
    return fav;
}
} // namespace

TEST(FavouritesListWidget, PaletteChoiceAndLookUp)
{
    const PhraseLibrary lib = library();
    FavouritesList list(FavouritesListKind::Palette, nullptr);
    list.showFavourites(favourites(), lib);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.codeAt(0), "0101");
    EXPECT_EQ(list.codeAt(1), "    ");
    EXPECT_EQ(list.codeAt(3), "    "); // "no comment"
    EXPECT_FALSE(list.hasChosenEntry());
    EXPECT_EQ(list.chosenCode(), "");

    QSignalSpy chosen(&list, &FavouritesList::entryChosen);
    list.show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
    EXPECT_GE(chosen.count(), 1);
    EXPECT_EQ(list.chosenCode(), "0102");

    // The program's look-up selects without it counting as the teacher's choice.
    chosen.clear();
    EXPECT_TRUE(list.selectRowFor("0101"));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(list.selectRowFor(""));
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_FALSE(list.selectRowFor("0999"));
    EXPECT_FALSE(list.hasChosenEntry());
    EXPECT_EQ(chosen.count(), 0);

    // Reached by the keyboard, a palette's first row is the current one without being chosen;
    // Enter places it all the same.
    FavouritesList reached(FavouritesListKind::Palette, nullptr);
    reached.showFavourites(favourites(), lib);
    reached.show();
    QApplication::setActiveWindow(&reached);
    reached.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(reached.currentRow(), 0);
    EXPECT_FALSE(reached.hasChosenEntry());
    QSignalSpy placed(&reached, &FavouritesList::placeChosen);
    QTest::keyClick(&reached, Qt::Key_Return);
    EXPECT_EQ(placed.count(), 1);
    EXPECT_EQ(reached.chosenCode(), "0101");

    // The list of entries being edited has no "no comment" row.
    FavouritesList entries(FavouritesListKind::Entries, nullptr);
    entries.showFavourites(favourites(), lib);
    EXPECT_EQ(entries.count(), 3);
}

TEST(FavouritesListWidget, TheWholePhraseShowsAsATooltip)
{
    FavouritesList list(FavouritesListKind::Palette, nullptr);
    list.resize(200, 200); // far narrower than the phrase
    list.showFavourites(favourites(), library());
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto hover = [&](int row) {
        const QPoint at = list.visualItemRect(list.item(row)).center();
        QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hover(1), ""); // a separator has nothing more to say
    EXPECT_TRUE(hover(0).contains(QString::fromStdString("0101 " + longPhrase.substr(0, 60))));
}
