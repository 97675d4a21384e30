// The phrase search: the category lists, the keyword table, the duplicate filter and its window.
#include "core/selection/PhraseSearch.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {

PhraseLibrary libraryOf(const std::vector<std::pair<std::string, std::string>>& textsAndCategories)
{
    std::vector<PhraseRecord> phrases;
    for (const auto& [text, categories] : textsAndCategories)
        phrases.push_back({padLeftZeros(std::to_string(phrases.size() + 1), 4), text, categories});
    return PhraseLibrary(std::move(phrases));
}

// The codes of the phrases found.
std::vector<std::string> codesFound(const PhraseLibrary& library, const SearchCriteria& c)
{
    std::vector<std::string> codes;
    for (int i : searchPhrases(library, c))
        codes.push_back(library.phrases()[static_cast<size_t>(i)].code);
    return codes;
}

SearchCriteria keywords(std::string a, std::string b, std::string c, std::string d = "")
{
    SearchCriteria s;
    s.and1 = std::move(a);
    s.and2 = std::move(b);
    s.orTerm = std::move(c);
    s.notTerm = std::move(d);
    return s;
}

std::vector<std::pair<std::string, char>> itemsOf(std::span<const CategoryItem> items)
{
    std::vector<std::pair<std::string, char>> out;
    for (const CategoryItem& item : items)
        out.emplace_back(item.text, item.marker);
    return out;
}

} // namespace

TEST(PhraseSearchLists, EveryItemWithItsMarkerInListOrder)
{
    using Items = std::vector<std::pair<std::string, char>>;
    EXPECT_EQ(itemsOf(gradeStreamItems()),
              (Items{{"All", 0}, {"9/10 Open", '1'}, {"9/10 Applied", '2'}, {"9/10 Academic", '3'},
                     {"9/10 Locally Developed", '4'}, {"11/12 Open", '5'}, {"11/12 University", '6'},
                     {"11/12 University/College", '7'}, {"11/12 College", '8'}, {"11/12 Workplace", '9'}}));
    EXPECT_EQ(itemsOf(commentCategoryItems()),
              (Items{{"All", 0}, {"Learned", '!'}, {"Strength", '^'}, {"Next Steps", '&'}, {"Evidence", '('}}));
    EXPECT_EQ(itemsOf(learningSkillItems()),
              (Items{{"All", 0}, {"Responsibility", ')'}, {"Organization", '='}, {"Initiative", '+'},
                     {"Collaboration", ':'}, {"Independent Work", '-'}, {"Self-Regulation", '?'}}));
    // The departments: letters A to Z, then eight signs; several names end in a space, and
    // one has two spaces inside.
    std::string markers;
    std::vector<size_t> endingInSpace;
    for (size_t i = 0; i < departmentItems().size(); ++i) {
        const std::string text = departmentItems()[i].text;
        markers += departmentItems()[i].marker;
        if (text.ends_with(' '))
            endingInSpace.push_back(i);
    }
    EXPECT_EQ(markers, std::string(1, '\0') + "ABCDEFGHIJKLMNOPQRSTUVWXYZ<>{}[]\\/");
    EXPECT_EQ(endingInSpace, (std::vector<size_t>{6, 9, 10, 11, 12, 14, 16, 17, 18, 19, 20, 33}));
    EXPECT_EQ(std::string(departmentItems()[33].text), "Technological  Design ");
    EXPECT_EQ(std::string(departmentItems()[14].text), "Guidance and Career Education ");
    EXPECT_EQ(std::string(departmentItems()[29].text), "Hairstyling and Aesthetics");
}

TEST(PhraseSearch, CategoryFiltersKeepPhrasesCarryingEveryChosenMarker)
{
    const PhraseLibrary library = libraryOf({{"one", "1!)A"}, {"two", "2^=K"}, {"three", "1^)K\\"}, {"four", ""},
                                             {"five", "1!?/"}});
    SearchCriteria all;
    EXPECT_EQ(codesFound(library, all), (std::vector<std::string>{"0001", "0002", "0003", "0004", "0005"}));

    SearchCriteria c;
    c.gradeStream = 1; // "9/10 Open"
    EXPECT_EQ(codesFound(library, c), (std::vector<std::string>{"0001", "0003", "0005"}));
    c.commentCategory = 1; // "Learned"
    EXPECT_EQ(codesFound(library, c), (std::vector<std::string>{"0001", "0005"}));
    c.learningSkill = 6; // "Self-Regulation"
    EXPECT_EQ(codesFound(library, c), (std::vector<std::string>{"0005"}));

    SearchCriteria department;
    department.department = 33; // "Technological  Design "
    EXPECT_EQ(codesFound(library, department), (std::vector<std::string>{"0003"}));
    department.department = 11; // "English "
    EXPECT_EQ(codesFound(library, department), (std::vector<std::string>{"0002", "0003"}));
    department.department = 2; // "Drama": no phrase carries B
    EXPECT_TRUE(codesFound(library, department).empty());

    SearchCriteria bad;
    bad.department = 35;
    EXPECT_FALSE(validCriteria(bad));
    EXPECT_TRUE(validCriteria(department));
}

TEST(PhraseSearch, KeywordsCombineAsAAndBOrCAndNotD)
{
    // Every mix of the three words, so each row of the table shows which phrases it keeps.
    const PhraseLibrary library = libraryOf({{"alpha", ""},
                                             {"beta", ""},
                                             {"gamma", ""},
                                             {"alpha beta", ""},
                                             {"alpha gamma", ""},
                                             {"beta gamma", ""},
                                             {"alpha beta gamma", ""},
                                             {"delta", ""}});
    using Codes = std::vector<std::string>;
    EXPECT_EQ(codesFound(library, keywords("alpha", "beta", "gamma")), (Codes{"0003", "0004", "0005", "0006", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("alpha", "", "gamma")), (Codes{"0001", "0003", "0004", "0005", "0006", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("", "beta", "gamma")), (Codes{"0002", "0003", "0004", "0005", "0006", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("", "", "gamma")), (Codes{"0003", "0005", "0006", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("alpha", "beta", "")), (Codes{"0004", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("alpha", "", "")), (Codes{"0001", "0004", "0005", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("", "beta", "")), (Codes{"0002", "0004", "0006", "0007"}));
    EXPECT_EQ(codesFound(library, keywords("", "", "")).size(), 8u);

    // NOT alone keeps everything else; with keywords it removes from what they found.
    EXPECT_EQ(codesFound(library, keywords("", "", "", "alpha")), (Codes{"0002", "0003", "0006", "0008"}));
    EXPECT_EQ(codesFound(library, keywords("alpha", "", "gamma", "beta")), (Codes{"0001", "0003", "0005"}));

    // Case makes no difference, and a keyword matches inside a word.
    EXPECT_EQ(codesFound(library, keywords("ALP", "Et", "")), (Codes{"0004", "0007"}));
    // A box of spaces is used: it matches the phrases that hold a space.
    EXPECT_EQ(codesFound(library, keywords(" ", "", "")), (Codes{"0004", "0005", "0006", "0007"}));
}

TEST(PhraseSearch, ContainsNoCaseGivesThePositionFromOne)
{
    EXPECT_EQ(containsNoCase("Works Well", "well"), 7u);
    EXPECT_EQ(containsNoCase("Works Well", "WORKS"), 1u);
    EXPECT_EQ(containsNoCase("Works Well", "wells"), 0u);
    EXPECT_EQ(containsNoCase("Works", ""), 1u);
    EXPECT_EQ(containsNoCase("", "a"), 0u);
    // The letters at both ends of the alphabet, found in the other case either way.
    EXPECT_EQ(containsNoCase("Lazy", "Z"), 3u);
    EXPECT_EQ(containsNoCase("ZEAL", "zeal"), 1u);
    EXPECT_EQ(containsNoCase("Bay", "A"), 2u);
    EXPECT_EQ(containsNoCase("BAY", "a"), 2u);
    EXPECT_EQ(containsNoCase("{`}", "@"), 0u); // the signs beside them are no letters
    // Accented letters of the code page have capitals too: "élève" in "Une ÉLÈVE".
    EXPECT_EQ(containsNoCase("Une \xC9L\xC8VE", "\xE9l\xE8ve"), 5u);
    EXPECT_EQ(containsNoCase("\x8A", "\x9A"), 1u);  // S caron
    EXPECT_EQ(containsNoCase("\xF7", "\xD7"), 0u);  // division sign and multiplication sign stay apart
    EXPECT_EQ(upperCaseText("a\xFF\xDF"), "A\x9F\xDF");
}

TEST(PhraseSearch, DuplicatesGoOnlyFromTwoTo399Matches)
{
    std::vector<std::pair<std::string, std::string>> texts;
    texts.emplace_back("Works well", "1");
    texts.emplace_back("  Works well ", "1");   // the same text but for surrounding spaces
    texts.emplace_back("works well", "1");      // differs in case: not the same
    for (int i = 4; i <= 400; ++i)
        texts.emplace_back("Phrase " + std::to_string(i), i <= 399 ? "1" : "2");
    const PhraseLibrary library = libraryOf(texts);

    SearchCriteria c;
    c.gradeStream = 1; // 399 matches: the second "Works well" goes
    std::vector<int> found = searchPhrases(library, c);
    ASSERT_EQ(found.size(), 398u);
    EXPECT_EQ(found[0], 0);
    EXPECT_EQ(found[1], 2);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));

    c.hideDuplicates = false;
    EXPECT_EQ(searchPhrases(library, c).size(), 399u);

    SearchCriteria all; // 400 matches: the duplicate stays
    EXPECT_EQ(searchPhrases(library, all).size(), 400u);

    // One match has nothing to be a duplicate of; two identical ones lose the second.
    const PhraseLibrary twins = libraryOf({{"Same", ""}, {"Same", ""}});
    EXPECT_EQ(searchPhrases(twins, all), (std::vector<int>{0}));
}

TEST(PhraseSearch, AnEmptyLibraryFindsNothing)
{
    const PhraseLibrary empty;
    EXPECT_TRUE(searchPhrases(empty, SearchCriteria{}).empty());
    EXPECT_TRUE(searchPhrases(empty, keywords("a", "b", "c", "d")).empty());
}

TEST(PhraseSearch, AResultRowIsTheCodeAndTheStoredText)
{
    EXPECT_EQ(searchResultLine({"0101", "\"@ works well.\"", "1"}), "0101 \"@ works well.\"");
}
