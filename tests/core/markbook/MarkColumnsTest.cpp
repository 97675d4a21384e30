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
        {"an empty final column", {{"Name", "Term Mark", "Final Mark"}, {"a", "70", ""}, {"b", "71", ""}}, {1, -1}},
        {"no final heading: the last of marks", {{"Name", "Test", "Quiz", "Comment"}, {"a", "70", "8", "ok"}}, {2, -1}},
        {"a numerator over its denominator", {{"Name", "Final Numerator", "Final Denominator"}, {"a", "150", "200"}}, {1, 2}},
        {"nothing of marks", {{"Name", "Final Grade"}, {"a", "B+"}}, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(proposeMarkSource(SheetTable{"s", c.rows}, 1, key), c.proposed);
    }
}
