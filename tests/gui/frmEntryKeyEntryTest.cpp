// Entering comment codes, learning skills and flags in the main window by keyboard alone: each
// key does what its mouse twin does, with one undo step.
#include "EntryFixture.h"

using namespace tq;
using namespace tq::test;

namespace {
struct Keys {
    const char* what;
    int row, col;
    bool skillsView;
    std::vector<std::pair<int, QString>> strokes; // Qt key and its text
    std::string (*field)(const StudentRecord&);
    std::string expected;
    size_t undoSteps;
};

std::string comment2(const StudentRecord& s) { return s.comment2; }
std::string responsibility(const StudentRecord& s) { return s.skillResponsibility; }
std::string organization(const StudentRecord& s) { return s.skillOrganization; }
std::string iepEsl(const StudentRecord& s) { return s.iep + "|" + s.esl + "|" + s.eld; }

const std::pair<int, QString> enter{Qt::Key_Return, QStringLiteral("\r")};
const std::pair<int, QString> del{Qt::Key_Delete, QString(QChar(0x7f))};
const std::pair<int, QString> space{Qt::Key_Space, QStringLiteral(" ")};
const std::pair<int, QString> nextColumn{0, {}}; // not a key: the cell to the right becomes current
std::pair<int, QString> ch(char c)
{
    const int qtKey = c >= 'a' && c <= 'z' ? c - 'a' + Qt::Key_A : static_cast<int>(c);
    return {qtKey, QString(QChar(c))};
}
} // namespace

TEST_F(EntryTest, EachKeyDoesWhatItsMouseTwinDoesWithOneUndoStep)
{
    const Keys cases[] = {
        {"a code typed and Enter", 2, 5, false, {ch('0'), ch('7'), ch('0'), ch('1'), enter}, comment2, "0701", 1},
        {"a code the library lacks: nothing placed", 2, 5, false, {ch('9'), ch('9'), ch('9'), ch('8'), enter}, comment2, "", 0},
        {"the same code again in CM3 moves it", 2, 5, false,
         {ch('0'), ch('7'), ch('0'), ch('1'), enter, ch('0'), ch('7'), ch('0'), ch('1'), enter}, comment2, "", 2},
        {"Delete clears a comment as \"no comment\" does", 1, 5, false, {del}, comment2, "    ", 1},
        {"a digit rates a skill", 1, 9, true, {ch('1')}, responsibility, "1", 1},
        {"a rating's letter, either case", 1, 10, true, {ch('e')}, organization, "4", 1},
        {"a key that is no rating", 1, 9, true, {ch('7')}, responsibility, "3", 0},
        {"Delete empties a skill", 1, 9, true, {del}, responsibility, "", 1},
        {"Space sets a flag, and again clears it", 1, 15, true, {space, space}, iepEsl, "||", 2},
        {"ESL and ELD exclude each other", 1, 16, true, {space, nextColumn, space}, iepEsl, "||Y", 2},
    };
    for (const Keys& c : cases) {
        SCOPED_TRACE(c.what);
        start(sampleFile("Sample.tqf"));
        openNewClass(3);
        if (c.skillsView)
            window->cmdSwitch_Click();
        grid()->setCurrent(c.row, c.col);
        int col = c.col;
        for (const auto& [qtKey, text] : c.strokes) {
            if (qtKey == 0)
                grid()->setCurrent(c.row, ++col);
            else
                key(qtKey, text);
        }
        EXPECT_EQ(c.field(student(c.row)), c.expected);
        EXPECT_EQ(undoCount(), c.undoSteps);
        if (c.undoSteps > 0) { // one undo gives back the last step, as for the mouse
            const std::string before = c.field(student(c.row));
            window->run(MainCommand::Undo);
            EXPECT_EQ(undoCount(), c.undoSteps - 1);
            EXPECT_NE(c.field(student(c.row)), before);
        }
        window.reset();
    }
    EXPECT_EQ(messages().size(), 1u); // only the code the library lacks
}

TEST_F(EntryTest, TheFavouritesFreeFormAndViewAreReachedByKeys)
{
    startActive(sampleFile("Sample.tqf"));
    openNewClass(3);
    ASSERT_TRUE(state.students[2].hasFreeForm == false);
    // Enter on a favourite places it for the current student, in the first empty comment.
    grid()->setCurrent(2, 3);
    favouritesList()->setFocus();
    chooseFavourite("0701");
    QTest::keyClick(favouritesList(), Qt::Key_Return);
    EXPECT_EQ(student(2).comment1, "0701");
    EXPECT_TRUE(grid()->hasFocus());
    EXPECT_EQ(undoCount(), 1u);

    // Ctrl+L shows the skills and back; F2 opens the free-form comment of the current student.
    // A cell whose column goes out of sight is left for the same student's first column on show,
    // so what is typed next never lands in a cell the teacher cannot see.
    grid()->setCurrent(2, 6);
    QTest::keyClick(grid(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(grid()->columnWidthTwips(9) > 0, true);
    EXPECT_EQ(std::pair(grid()->currentRow(), grid()->currentCol()), std::pair(2, 3));
    grid()->setCurrent(2, 6); // asked for by code, too
    EXPECT_EQ(grid()->currentCol(), 3);
    typeMark("0702");
    EXPECT_EQ(student(2).comment3, "");
    EXPECT_EQ(student(2).mark, "");
    grid()->setCurrent(2, 12);
    QTest::keyClick(grid(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(grid()->columnWidthTwips(9), 0);
    EXPECT_EQ(std::pair(grid()->currentRow(), grid()->currentCol()), std::pair(2, 3));
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* dialog = window->findChild<frmFreeFormCommentEntry*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    dialog->reject();
    settle();

    // A student with a free-form comment takes no typed code.
    state.students[0].hasFreeForm = true;
    window->fillflexGrid();
    grid()->setCurrent(1, 5);
    key(Qt::Key_7, "7");
    EXPECT_FALSE(markBox()->isVisible());
}
