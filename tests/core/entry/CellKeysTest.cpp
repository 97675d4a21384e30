// What a typed key does in each kind of cell, and what the code box keeps of what is typed.
#include "core/entry/CellKeys.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(CellKeys, EachKeyDoesWhatItsCellTakesAndNothingElse)
{
    using A = CellKey::Action;
    struct Row {
        CellKind kind;
        int key;
        A action;
        std::string value;
    };
    const std::vector<Row> rows{
        {CellKind::Comment, '0', A::TypeCode, "0"},
        {CellKind::Comment, 'b', A::TypeCode, "b"},
        {CellKind::Comment, ' ', A::None, ""},
        {CellKind::Comment, backspaceCharCode, A::Clear, ""},
        {CellKind::Comment, deleteCharCode, A::Clear, ""},
        // Ratings run from 1 to 4; 0 and 5 are no rating.
        {CellKind::Skill, '0', A::None, ""},
        {CellKind::Skill, '5', A::None, ""},
        {CellKind::Skill, '1', A::Rate, "1"},
        {CellKind::Skill, '4', A::Rate, "4"},
        {CellKind::Skill, 'e', A::Rate, "4"},
        {CellKind::Skill, 'N', A::Rate, "1"},
        {CellKind::Skill, 'x', A::None, ""},
        {CellKind::Skill, backspaceCharCode, A::Clear, ""},
        {CellKind::Flag, ' ', A::ToggleFlag, ""},
        {CellKind::Flag, 'Y', A::None, ""},
        {CellKind::Flag, deleteCharCode, A::Clear, ""},
        {CellKind::Flag, backspaceCharCode, A::Clear, ""},
        {CellKind::Other, deleteCharCode, A::None, ""},
    };
    for (const Row& row : rows) {
        const CellKey k = cellKey(row.kind, row.key);
        EXPECT_EQ(k.action, row.action) << static_cast<int>(row.kind) << " key " << row.key;
        EXPECT_EQ(k.value, row.value) << static_cast<int>(row.kind) << " key " << row.key;
    }
}

TEST(CellKeys, TheCodeBoxKeepsLettersAndDigitsUpToACodesLength)
{
    EXPECT_EQ(filterCodeText("01-0 2"), "0102");
    EXPECT_EQ(filterCodeText("123456789012"), std::string("123456789012").substr(0, longestTypedCode));
}
