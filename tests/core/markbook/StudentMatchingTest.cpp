#include "core/markbook/StudentMatching.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
ClassList sampleClass()
{
    ClassList c;
    c.push_back(newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", ""));
    c.push_back(newStudentRecord("ENG2D1-01", "012345678", "B\xE9langer", "Amira", "F", ""));
    c.push_back(newStudentRecord("ENG2D1-01", "322217771", "\xD8" "degaard", "Esther", "F", ""));
    c.push_back(newStudentRecord("ENG2D1-01", "331668635", "de Souza", "Mary Ann", "F", ""));
    c.push_back(newStudentRecord("ENG2D1-01", "111111111", "Lee", "Sam", "M", ""));
    c.push_back(newStudentRecord("ENG2D1-02", "222222222", "Lee", "Sam", "M", ""));      // same name
    c.push_back(newStudentRecord("ENG2D1-02", "316208659", "Ahmed", "Layla", "F", "")); // same student, two courses
    c.push_back(newStudentRecord("ENG2D1-01", "324119051", "O'Brien", "Adam", "M", ""));
    c.push_back(newStudentRecord("ENG2D1-01", "336562864", "Smith-Jones", "Kavya", "F", ""));
    return c;
}

struct Case {
    SheetRow row;
    KeyColumns key;
    std::vector<int> students;
};
} // namespace

TEST(StudentMatching, RowsFindTheirStudentsByNumberOrName)
{
    const StudentKeys keys(sampleClass());
    const KeyColumns number{KeyKind::Number, 0, -1}, lastFirst{KeyKind::LastFirst, 0, 1}, full{KeyKind::FullName, 0, -1};
    const Case cases[] = {
        {{"#331668635"}, number, {3}},
        {{"331-668-635"}, number, {3}},
        {{" 331 668 635 "}, number, {3}},
        {{"12345678"}, number, {1}},   // the leading zero a spreadsheet dropped
        {{"012345678"}, number, {1}},
        {{"999999999"}, number, {}},
        {{"33166863x"}, number, {}},
        {{""}, number, {}},
        {{"316208659"}, number, {0, 6}}, // one number, two courses: ambiguous
        {{"Belanger", "amira"}, lastFirst, {1}},            // accents and case
        {{"B\xC3\xA9LANGER", "Amira"}, lastFirst, {1}},     // UTF-8 cells
        {{"\xC3\xB8" "degaard", "Esther"}, lastFirst, {2}},
        {{"  de   Souza ", " Mary  Ann"}, lastFirst, {3}},  // extra blanks
        {{"Ahmed", "Leila"}, lastFirst, {}},
        {{"", ""}, lastFirst, {}},
        {{"Lee", "Sam"}, lastFirst, {4, 5}},                // two students of one name
        {{"de Souza, Mary Ann"}, full, {3}},
        {{"DE SOUZA,MARY ANN"}, full, {3}},
        {{"Mary Ann de Souza"}, full, {3}},
        {{"Esther Odegaard"}, full, {2}},
        {{"de Souza Mary Ann"}, full, {}},                 // last name first needs the comma
        {{"Sam Lee"}, full, {4, 5}},
        // As typed elsewhere: composed or not, typographic apostrophes and dashes.
        {{"Be\xCC\x81langer", "Amira"}, lastFirst, {1}},              // e + combining acute
        {{"O\xE2\x80\x99" "Brien", "Adam"}, lastFirst, {7}},        // ’
        {{"O\xCA\xBC" "brien, adam"}, full, {7}},                     // ʼ
        {{"Kavya Smith\xE2\x80\x93Jones"}, full, {8}},              // –
        {{"Smith\xE2\x80\x91Jones", "Kavya"}, lastFirst, {8}},        // non-breaking hyphen
        {{"331\xE2\x80\x91" "668\xE2\x80\x91" "635"}, number, {3}}, // in a number too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.front());
        EXPECT_EQ(keys.matches(c.row, c.key), c.students);
    }
}

TEST(StudentMatching, TheProposedKeyIsTheNumberColumnElseTheNamesThatMatchMost)
{
    const StudentKeys keys(sampleClass());
    const std::vector<SheetRow> byNumber{{"Belanger", "Amira", "#331668635"}, {"Lee", "Sam", "322217771"}};
    EXPECT_EQ(proposeKeyColumns(byNumber, keys), (KeyColumns{KeyKind::Number, 2, -1}));
    EXPECT_EQ(proposeKeyColumns(byNumber, keys, KeyKind::LastFirst), (KeyColumns{KeyKind::LastFirst, 0, 1}));
    const std::vector<SheetRow> byNames{{"x@y", "Amira", "Belanger", "80"}, {"z@y", "Esther", "Odegaard", "70"}};
    EXPECT_EQ(proposeKeyColumns(byNames, keys), (KeyColumns{KeyKind::LastFirst, 2, 1}));
    EXPECT_EQ(proposeKeyColumns(byNames, keys, KeyKind::Number).kind, KeyKind::None);
    const std::vector<SheetRow> byWholeName{{"80", "Odegaard, Esther"}, {"70", "Amira Belanger"}};
    EXPECT_EQ(proposeKeyColumns(byWholeName, keys), (KeyColumns{KeyKind::FullName, 1, -1}));
    EXPECT_EQ(proposeKeyColumns({{"80", "nobody"}}, keys).kind, KeyKind::None);
}
