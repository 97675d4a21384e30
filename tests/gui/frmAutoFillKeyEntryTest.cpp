// Giving the ranges their codes and ratings by keyboard alone, as in the main window: each key does
// what its mouse twin does, with one undo step; the window's commands and its way back by keys.
#include "AutoFillFixture.h"
#include "WindowComesUp.h"

#include <QLineEdit>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

class AutoFillKeys : public AutoFillTest {
protected:
    QLineEdit* codeBox() const { return control<QLineEdit>("txtDataEntry"); }

    // One key stroke where the keyboard is: the code box while it is open, the grid otherwise.
    void rangeKey(int qtKey, const QString& text = {})
    {
        QWidget* target = codeBox()->isVisible() ? static_cast<QWidget*>(codeBox()) : ranges();
        QKeyEvent press(QEvent::KeyPress, qtKey, {}, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, {}, text);
        QApplication::sendEvent(codeBox()->isVisible() ? static_cast<QWidget*>(codeBox()) : ranges(), &release);
    }

};

struct RangeKeys {
    const char* what;
    int row, col;
    const char* typed; // '\r' is Enter, '\x7f' Delete, '\x1b' Escape
    const char* expected;
    size_t undoSteps;
};

int qtKeyOf(char c)
{
    switch (c) {
    case '\r': return Qt::Key_Return;
    case '\x7f': return Qt::Key_Delete;
    case '\x1b': return Qt::Key_Escape;
    default: return c >= 'a' && c <= 'z' ? c - 'a' + Qt::Key_A : static_cast<int>(c);
    }
}

} // namespace

TEST_F(AutoFillKeys, EachKeyDoesWhatItsMouseTwinDoesWithOneUndoStep)
{
    const RangeKeys cases[] = {
        {"a code typed and Enter", 7, 2, "0701\r", "0-19 0701,,|111111", 1},
        {"a code the library lacks: nothing placed", 7, 2, "9998\r", "0-19 ,,|111111", 0},
        {"a code already in the range moves", 1, 2, "0206\r", "80-100 0206,0112,|444444", 1},
        {"Escape takes back a code half typed", 7, 2, "07\x1b", "0-19 ,,|111111", 0},
        {"Delete clears a comment as \"no comment\" does", 1, 3, "\x7f", "80-100 0704,    ,0206|444444", 1},
        {"a digit rates a skill", 2, 5, "1", "70-79 0705,0103,0701|133333", 1},
        {"a rating's letter, either case", 2, 6, "e", "70-79 0705,0103,0701|343333", 1},
        {"a key that is no rating", 2, 5, "7", "70-79 0705,0103,0701|333333", 0},
        {"Delete empties a rating", 2, 5, "\x7f", "70-79 0705,0103,0701|_33333", 1},
    };
    for (const RangeKeys& c : cases) {
        SCOPED_TRACE(c.what);
        startSetup(sampleFavourites());
        comesUp(autoFill()); // the window's own keys (Escape) work only while it has the keyboard
        const std::string before = rangeText(c.row);
        ranges()->setCurrent(c.row, c.col);
        for (const char* k = c.typed; *k; ++k)
            rangeKey(qtKeyOf(*k), QString(QChar(*k)));
        EXPECT_FALSE(codeBox()->isVisible());
        EXPECT_EQ(rangeText(c.row), c.expected);
        EXPECT_EQ(detail(1).isEmpty(), false); // the details follow the range
        auto* undo = control<QPushButton>("cmdUndo");
        EXPECT_EQ(undo->isEnabled(), c.undoSteps > 0);
        if (c.undoSteps > 0) {
            undo->click();
            EXPECT_EQ(rangeText(c.row), before);
        }
        ASSERT_TRUE(autoFill() && autoFill()->isVisible()) << "Escape in the code box left the window";
        goBack();
        window.reset();
    }
    EXPECT_EQ(messages().size(), 1u); // only the code the library lacks
}

TEST_F(AutoFillKeys, TheFavouritesCommandsAndTheWayBackAreReachedByKeys)
{
    startSetup(sampleFavourites());
    comesUp(autoFill());
    // The keyboard starts in the grid, on the first range's first comment.
    EXPECT_EQ(QApplication::focusWidget(), ranges());
    EXPECT_EQ(ranges()->currentRow(), 1);
    EXPECT_EQ(ranges()->currentCol(), 2);
    // The box a code is typed into is read out as what it takes, and for which range.
    rangeKey(Qt::Key_0, QStringLiteral("0"));
    ASSERT_TRUE(codeBox()->isVisible());
    EXPECT_EQ(codeBox()->accessibleName(),
              "Comment code, CM1, range " + ranges()->text(1, 0).trimmed() + " to " + ranges()->text(1, 1).trimmed());
    rangeKey(Qt::Key_Escape);

    // Enter on a favourite places it in the current range, where the grid is.
    ranges()->setCurrent(6, 4);
    choosePaletteEntry("0702");
    palette()->setFocus();
    QTest::keyClick(palette(), Qt::Key_Return);
    EXPECT_EQ(rangeText(6), "20-39 0707,0710,0702|111111");
    EXPECT_EQ(QApplication::focusWidget(), ranges());
    // Ctrl+Z, the main window's undo key, takes it back; Ctrl+Y puts it back.
    QTest::keyClick(ranges(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rangeText(6), "20-39 0707,0710,|111111");
    QTest::keyClick(ranges(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(rangeText(6), "20-39 0707,0710,0702|111111");
    QTest::keyClick(ranges(), Qt::Key_Z, Qt::ControlModifier);

    // Alt+S splits the current range, Alt+D deletes it. A code half typed goes with the grid
    // they rebuild: Enter afterwards places nothing.
    rangeKey(Qt::Key_0, QStringLiteral("0"));
    rangeKey(Qt::Key_7, QStringLiteral("7"));
    ASSERT_TRUE(codeBox()->isVisible());
    QTest::keyClick(autoFill(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(state.favourites.initialRanges.size(), 8u);
    EXPECT_FALSE(codeBox()->isVisible());
    rangeKey(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(rangeText(6), "30-39 0707,0710,|111111");
    QTest::keyClick(autoFill(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(state.favourites.initialRanges.size(), 7u);

    // Escape goes back, saving the favourites, as Back does.
    QTest::keyClick(ranges(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(autoFill());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.favouritesStatus.unsaved);
}
