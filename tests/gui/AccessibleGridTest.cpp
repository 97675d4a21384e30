// The grids as a screen reader reads them: tables whose column headers are the headings on show,
// whose rows are the class's students (or the mark ranges, or the confirmation lines) and whose
// cells read what the teacher sees, whichever way the reader walks them.
#include "AccessibilityEvents.h"
#include "ExportFixture.h"

#include "core/entry/ClassGridLayout.h"
#include "core/export/Verification.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/Codepage.h"

#include <QTest>

#include <functional>
#include <map>

using namespace tq;
using namespace tq::test;

namespace {

using Row = std::map<QString, QString>; // heading → cell text

class AccessibleGrid;

struct GridCase {
    const char* name;
    std::function<ui::ClassGrid*(AccessibleGrid&)> open;
    QStringList headings;
    // The rows the teacher sees, by heading (only the headings given are compared).
    std::function<std::vector<Row>(const ProgramState&)> rows;
};

class AccessibleGrid : public ExportWindow, public ::testing::WithParamInterface<GridCase> {
public:
    ui::ClassGrid* mainGrid()
    {
        startWithSampleClass();
        return grid();
    }
    ui::ClassGrid* skillsView()
    {
        startWithSampleClass();
        mainControl<QPushButton>("cmdSwitch")->click();
        return grid();
    }
    ui::ClassGrid* rangesGrid()
    {
        startWithSampleClass();
        menu("mnuAutoFill")->trigger();
        return controlOf<ui::ClassGrid>(window->working.autoFillWindow, "msfgClass");
    }
    // A class of the master list, completed, passes the verification.
    ui::ClassGrid* confirmationGrid()
    {
        start();
        newClass("ENG2D1-01");
        completeEveryone();
        openExport();
        return controlOf<ui::ClassGrid>(exporter(), "msfgClass");
    }

    AccessibilityEvents accessibility;
};

QString text(const std::string& cp1252) { return ui::fromCp1252(cp1252); }

std::vector<Row> studentMarks(const ProgramState& s)
{
    std::vector<Row> rows;
    for (const StudentRecord& st : s.students)
        rows.push_back({{"LAST", text(st.lastName)}, {"FIRST", text(st.firstName)}, {"MRK", text(st.mark)},
                        {"CM1", st.hasFreeForm ? QString::fromLatin1(freeFormCellWords()[0]) : text(st.comment1)}});
    return rows;
}

std::vector<Row> studentSkills(const ProgramState& s)
{
    std::vector<Row> rows;
    for (const StudentRecord& st : s.students)
        rows.push_back({{"LAST", text(st.lastName)}, {"MRK", text(st.mark)}, {"R", text(st.skill(1))},
                        {"S", text(st.skill(6))}, {"T", text(st.interview)}});
    return rows;
}

std::vector<Row> ranges(const ProgramState& s)
{
    std::vector<Row> rows;
    for (const InitialValueRange& r : s.favourites.initialRanges)
        rows.push_back({{"Low", QString::number(r.lowMark)}, {"High", QString::number(r.highMark)},
                        {"CM1", text(r.rangeComment1)}, {"R", text(r.rangeSkills[0])}});
    return rows;
}

// Every line of the confirmation names its student, also where the grid draws the name once for
// the student's block of lines.
std::vector<Row> confirmationLines(const ProgramState& s)
{
    std::vector<Row> rows;
    for (const StudentRecord& st : s.students)
        for (const ConfirmationRow& line : confirmationRows(st, s.phrases))
            rows.push_back({{"LAST", text(st.lastName)}, {"FIRST", text(st.firstName)}, {"MK", text(st.mark)},
                            {"Comments", text(line[5]).trimmed()}});
    return rows;
}

QStringList confirmationHeadingList()
{
    QStringList headings;
    for (const std::string& h : confirmationHeadings())
        headings << text(h);
    return headings;
}

TEST_P(AccessibleGrid, ReadsAsATableOfWhatTheTeacherSees)
{
    ui::ClassGrid* shown = GetParam().open(*this);
    ASSERT_TRUE(shown);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(shown);
    ASSERT_EQ(grid->role(), QAccessible::Table);
    EXPECT_FALSE(grid->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_TRUE(table);

    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings << table->columnDescription(c);
    EXPECT_EQ(headings, GetParam().headings);

    const std::vector<Row> expected = GetParam().rows(state);
    ASSERT_EQ(table->rowCount(), static_cast<int>(expected.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        Row read;
        for (int c = 0; c < table->columnCount(); ++c) {
            QAccessibleInterface* cell = table->cellAt(r, c);
            ASSERT_TRUE(cell && cell->tableCellInterface()) << r << "," << c;
            read[headings[c]] = cell->text(QAccessible::Name);
            // The same cell whether reached by place or as the table's child, knowing its place
            // and its heading.
            EXPECT_EQ(grid->child(grid->indexOfChild(cell)), cell) << r << "," << c;
            EXPECT_EQ(cell->tableCellInterface()->rowIndex(), r);
            EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c);
            const QList<QAccessibleInterface*> header = cell->tableCellInterface()->columnHeaderCells();
            ASSERT_EQ(header.size(), 1);
            EXPECT_EQ(header.front()->text(QAccessible::Name), headings[c]);
            EXPECT_EQ(header.front()->role(), QAccessible::ColumnHeader);
        }
        for (const auto& [heading, value] : expected[static_cast<size_t>(r)])
            EXPECT_EQ(read[heading], value) << "row " << r << ", " << heading.toStdString();
    }
}

// Down a student's comment wrapped over several lines of the confirmation, the student is named
// with the first line reached and not again with each line after it; the next student is named.
TEST_F(AccessibleGrid, AWrappedCommentNamesItsStudentOnce)
{
    ui::ClassGrid* shown = confirmationGrid();
    int row = shown->fixedRows();
    while (row + 1 < shown->rows() && shown->rowName(row) != shown->rowName(row + 1))
        ++row;
    ASSERT_LT(row + 1, shown->rows()) << "no comment takes two lines";
    // Reached from another control, on the comment's first line.
    QApplication::setActiveWindow(exporter());
    exporter()->findChild<QWidget*>(QStringLiteral("cmdReturn"))->setFocus();
    shown->setCurrent(row, confirmationCommentColumn);
    shown->setFocus(Qt::TabFocusReason);
    ASSERT_FALSE(accessibility.of(QAccessible::Focus).empty());
    // The description of the latest cell given the focus.
    const auto lastSaid = [&] {
        QString said;
        for (const AccessibilityEvents::Event& e : accessibility.of(QAccessible::Focus))
            if (e.row >= 0)
                said = e.description;
        return said;
    };
    EXPECT_TRUE(lastSaid().endsWith(shown->rowName(row))) << lastSaid().toStdString();
    QTest::keyClick(shown, Qt::Key_Down);
    EXPECT_EQ(lastSaid(), ui::columnHeading(*shown, confirmationCommentColumn));
    while (shown->currentRow() + 1 < shown->rows() && shown->rowName(shown->currentRow()) == shown->rowName(row))
        QTest::keyClick(shown, Qt::Key_Down);
    EXPECT_TRUE(lastSaid().endsWith(shown->rowName(shown->currentRow()))) << lastSaid().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Grids, AccessibleGrid,
    ::testing::Values(
        GridCase{"ClassCommentsView", &AccessibleGrid::mainGrid,
                 {"Student ID", "LAST", "FIRST", "MRK", "CM1", "CM2", "CM3", "CM4", "CM5"}, studentMarks},
        GridCase{"ClassSkillsView", &AccessibleGrid::skillsView,
                 {"Student ID", "LAST", "FIRST", "MRK", "R", "O", "W", "C", "I", "S", "P", "E", "D", "T"},
                 studentSkills},
        GridCase{"InitialValueRanges", &AccessibleGrid::rangesGrid,
                 {"Low", "High", "CM1", "CM2", "CM3", "R", "O", "W", "C", "I", "S"}, ranges},
        GridCase{"EFileConfirmation", &AccessibleGrid::confirmationGrid, confirmationHeadingList(),
                 confirmationLines}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

} // namespace
