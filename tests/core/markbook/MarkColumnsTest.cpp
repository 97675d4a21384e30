#include "core/markbook/MarkColumns.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
struct Case {
    const char* what;
    std::vector<SheetRow> rows; // the first is the heading row
    MarkSource proposed;
};
} // namespace

TEST(MarkColumns, TheProposedColumnHoldsMarks)
{
    const KeyColumns key{KeyKind::FullName, 0, -1};
    const Case cases[] = {
        {"letter grades right of the marks", {{"Name", "Final %", "Final Grade"}, {"a", "87.5", "A"}, {"b", "64", "C"}}, {1, -1}},
        {"an empty final column", {{"Name", "Term Mark", "Final Mark"}, {"a", "70", ""}, {"b", "71", ""}}, {1, -1}},
        {"no final heading: the last of marks", {{"Name", "Test", "Quiz", "Comment"}, {"a", "70", "8", "ok"}}, {2, -1}},
        {"a numerator over its denominator", {{"Name", "Final Numerator", "Final Denominator"}, {"a", "150", "200"}}, {1, 2}},
        {"nothing of marks", {{"Name", "Final Grade"}, {"a", "B+"}}, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(proposeMarkSource(SheetTable{"s", c.rows}, 1, key), c.proposed);
    }
    // Below a title, --column names a heading of the heading row.
    const SheetTable titled{"s", {{"Final Mark"}, {"Name", "Final Mark", "Test"}, {"a", "70", "60"}}};
    EXPECT_EQ(columnNamed(titled, 2, "final mark"), 1);
    EXPECT_EQ(columnNamed(titled, 2, "Test"), 2);
}
