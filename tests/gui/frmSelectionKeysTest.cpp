// Comment Selection by keyboard alone: a search typed, its phrases copied in with Enter, the
// favourites ordered with their keys, the list saved with the menu's key and the window left
// with Escape.
#include "AccessibilityEvents.h"
#include "SelectionFixture.h"
#include "WindowComesUp.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <algorithm>

using namespace tq;
using namespace tq::test;

namespace {
class SelectionKeys : public SelectionTest {
protected:
    void keyClick(int qtKey, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(qtKey), modifiers);
    }
};
} // namespace

TEST_F(SelectionKeys, ASearchAndTheFavouritesAreWorkedByKeysAlone)
{
    const std::string file = favouritesFile("A.tqf", {"0101"});
    openSelection(file);
    comesUp(selection());
    // The keyboard starts in the first keyword box; Enter there searches.
    ASSERT_EQ(QApplication::focusWidget(), control<QLineEdit>("txtAnd1"));
    QTest::keyClicks(QApplication::focusWidget(), "organiz");
    keyClick(Qt::Key_Return);
    ASSERT_GE(resultRows().size(), 2);
    const std::string a = resultRows()[0].left(4).toStdString(), b = resultRows()[1].left(4).toStdString();

    // Enter on a phrase found copies it in, after the favourite chosen, as a double click does.
    results()->setFocus(Qt::TabFocusReason); // the first phrase found is the current one
    keyClick(Qt::Key_Return);
    keyClick(Qt::Key_Down);
    keyClick(Qt::Key_Return);
    EXPECT_EQ(entries(), (std::vector<std::string>{"0101", a, b}));
    EXPECT_EQ(QApplication::focusWidget(), results());

    // In the favourites: Insert adds a separator, Ctrl+Up and Ctrl+Down move a row, Delete
    // removes one. The same keys in a keyword box are the box's own.
    favourites()->setFocus();
    keyClick(Qt::Key_Insert);
    EXPECT_EQ(entries(), (std::vector<std::string>{"0101", a, b, "    "}));
    keyClick(Qt::Key_Up, Qt::ControlModifier);
    keyClick(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(entries(), (std::vector<std::string>{"0101", "    ", a, b}));
    keyClick(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(entries(), (std::vector<std::string>{"0101", a, "    ", b}));
    keyClick(Qt::Key_Delete);
    EXPECT_EQ(entries(), (std::vector<std::string>{"0101", a, b}));
    auto* keyword = control<QLineEdit>("txtAnd1");
    keyword->setFocus();
    keyword->setCursorPosition(0);
    keyClick(Qt::Key_Delete);
    EXPECT_EQ(keyword->text(), "rganiz");
    EXPECT_EQ(entries().size(), 3u);

    // Escape on an open drop-down closes the drop-down alone.
    auto* grades = control<QComboBox>("cmbMarkCat");
    grades->showPopup();
    ASSERT_TRUE(grades->view()->isVisible());
    QTest::keyClick(grades->view(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(grades->view()->isVisible());
    ASSERT_TRUE(selection());
    comesUp(selection()); // the window has the keyboard again once the list has gone

    // Ctrl+S saves under the list's name; Escape goes back as Back does.
    keyClick(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readBytes(file), crlfLines({" 1 ", "80,100,0101,,,4,4,4,4,4,4", "0101", a, b}));
    keyClick(Qt::Key_Escape);
    settle();
    EXPECT_FALSE(selection());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
}

// Tab onto an empty keyword box: a screen reader is told of the box before the box moves its
// caret, or Orca takes it for the box it was on and says nothing of it.
TEST_F(SelectionKeys, AKeywordBoxReachedByTabIsSaidBeforeItsCaretMoves)
{
    openSelection(favouritesFile("A.tqf", {"0101"}));
    comesUp(selection());
    AccessibilityEvents accessibility;
    keyClick(Qt::Key_Tab);
    auto* box = control<QLineEdit>("txtAnd2");
    ASSERT_EQ(QApplication::focusWidget(), box);
    const std::vector<AccessibilityEvents::Event>& events = accessibility.all();
    const auto first = std::find_if(events.begin(), events.end(), [box](const auto& e) { return e.object == box; });
    ASSERT_NE(first, events.end());
    EXPECT_EQ(first->type, QAccessible::Focus);
    EXPECT_EQ(first->name, "AND keyword");
}
