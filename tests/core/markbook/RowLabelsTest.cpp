#include "core/markbook/RowLabels.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
struct Case {
    SheetRow row;
    std::vector<std::string> heading; // empty: no heading row
    KeyColumns key;
    const char* label;
    bool totals;
};
} // namespace

TEST(RowLabels, ARowIsNamedByTheNamesItCarries)
{
    const std::vector<std::string> markbook{"Student No", "Last Name", "First Name", "Final Mark"};
    const KeyColumns number{KeyKind::Number, 0, -1};
    const Case cases[] = {
        {{"0316100204", "Jones", "Nora", "x"}, markbook, number, "Jones, Nora, 0316100204", false},
        {{"", "Class Average", "", "71.3"}, markbook, number, "Class Average", true},
        {{"Total", "", "", "70"}, {"", "Student No", "Final"}, {KeyKind::Number, 1, -1}, "Total", true}, // no heading over it
        {{"Jones", "Nora", "50"}, {}, {KeyKind::LastFirst, 0, 1}, "Jones, Nora", false},
        {{"70", "a", "b", "c"}, {}, {}, "70 a b", false}, // pasted lines: their first cells
        {{"", "", "", "70"}, markbook, number, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const SheetRow heading(c.heading.begin(), c.heading.end());
        const std::string label = rowLabel(c.row, c.heading.empty() ? nullptr : &heading, c.key);
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(isTotalsLabel(label), c.totals);
    }
}
