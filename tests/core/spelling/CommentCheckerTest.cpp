// The comment checks on comments written for each rule, with the real Hunspell and the Canadian
// English dictionary of the machine.
#include "core/spelling/ClassCommentCheck.h"
#include "core/spelling/SpellDictionary.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tq;

namespace {

StudentRecord student(const std::string& last, const std::string& first, const std::string& gender)
{
    StudentRecord s;
    s.lastName = last;
    s.firstName = first;
    s.gender = gender;
    return s;
}

// One class for every row: two students named Sam, a first name of two words, an accented first
// name (Windows-1252 bytes, as the class file holds them), genders F, M, empty and another.
const ClassList& theClass()
{
    static const ClassList students{
        student("Ahmed", "Layla", "F"),          student("Iqbal", "Sophie", "F"),
        student("Lam", "Daniel", "M"),           student("M\xFCller", "Zo\xEB", "F"),
        student("Okafor", "Sam", "M"),           student("Park", "Sam", "F"),
        student("Reyes", "Mary Anne", "F"),      student("Roy", "Mary", "F"),
        student("Jones", "Nora", ""),            student("Quinn", "Alex", "X"),
        student("Tremblay", "FRAN\xC7OIS", "m"),    student("Gagnon", "JEAN-LUC", "M"),
    };
    return students;
}

const SpellDictionary* canadianEnglish()
{
    static const std::unique_ptr<SpellDictionary> dictionary =
        SpellDictionary::open(systemDictionaryFolder, defaultDictionaryName);
    return dictionary.get();
}

// A library with a word no dictionary knows, and the teacher's own word.
CommentChecker checker()
{
    const PhraseLibrary library({{"0101", "@ logs into Brightspace every day", "1"}});
    return CommentChecker::forClass(canadianEnglish(), library, theClass(), {"Quizlet"});
}

struct Row {
    size_t student;           // in theClass()
    std::string comment;
    std::vector<std::string> found; // "kind word", in the order of the comment
};

std::vector<std::string> described(const std::vector<CommentFinding>& findings)
{
    std::vector<std::string> out;
    for (const CommentFinding& f : findings)
        out.push_back(std::string(findingKindName(f.kind)) + " " + f.word);
    return out;
}

} // namespace

TEST(CommentChecker, EachRuleFindsWhatItShouldAndNothingElse)
{
    ASSERT_TRUE(canadianEnglish()) << "the test needs hunspell-en-ca (scripts/install-deps)";
    const std::vector<Row> rows{
        // Clean text; "there" and "these" hold "he" and "the" without being them.
        {2, "Daniel reads there and these; his work shows it.", {}},
        // Spelling, with apostrophes and hyphens in words that are right, and Canadian spelling.
        {0, "Layla's well-organized colour-coded notes don't fail; the students' e-mail too.", {}},
        {0, "She wil recieve teh award.", {"spelling wil", "spelling recieve", "spelling teh"}},
        {0, "She is well-orgnized and self-directed.", {"spelling well-orgnized"}},
        {0, "She is a keen organiser.", {"spelling organiser"}}, // en_CA writes -ize
        {0, "Her marks: 2nd in 10A, 95%.", {}},                 // words with digits are not checked
        // The typographic apostrophe, as a word processor pastes it.
        {0, "She doesn\x92t give up.", {}},
        // Accepted: the library's words, the teacher's, the class's names, in capitals too.
        {0, "She uses Brightspace, BRIGHTSPACE and Quizlet well; Ahmed is her family name.", {}},
        {0, "Ms. Tremblay and M\xFCller", {}},
        // Another student's name: at the start of a sentence, with a possessive, accented, in
        // capitals, several words long; but not written small, and not inside a word.
        {0, "Sophie works hard.", {"name Sophie"}},
        {0, "Her essay beat Zo\xEB's.", {"name Zo\xEB"}},
        {0, "DANIEL helped; sophie did not; Sophiew did.", {"name DANIEL", "spelling sophie", "spelling Sophiew"}},
        {0, "Mary Anne and Mary helped.", {"name Mary Anne", "name Mary"}},
        {0, "Fran\xE7ois helped.", {"name Fran\xE7ois"}}, // FRAN\xC7OIS in the class file
        {0, "Jean-Luc helped.", {"name Jean-Luc"}},         // JEAN-LUC in the class file
        {0, "ZO\xCB'S essay won.", {"name ZO\xCB"}},        // a possessive in capitals
        // A name in odd capitals is both another student's name and a misspelt word.
        {0, "SOphie helped.", {"spelling SOphie", "name SOphie"}},
        // The student's own name, also when another student shares it.
        {3, "Zo\xEB writes with care.", {}},
        {4, "Sam helps others.", {}},
        {6, "Mary Anne leads the group.", {}},
        {11, "Jean-Luc leads.", {}},
        // Pronouns that do not fit, contractions included, in any case.
        {0, "Layla finished his essay; he's proud of HIMSELF and him.",
         {"pronoun his", "pronoun he's", "pronoun HIMSELF", "pronoun him"}},
        {2, "She says the work is hers, and her own; herself.",
         {"pronoun She", "pronoun hers", "pronoun her", "pronoun herself"}},
        {10, "She tries.", {"pronoun She"}}, // "m" in the class file
        // No gender, or another: pronouns are not checked.
        {8, "He and she both.", {}},
        {9, "He and she both.", {}},
        // Everything at once, in the order of the text.
        {2, "Sophie sayd she can.", {"name Sophie", "spelling sayd", "pronoun she"}},
    };
    CommentChecker check = checker();
    for (const Row& row : rows)
        EXPECT_EQ(described(check.findings(row.comment, theClass()[row.student])), row.found) << row.comment;
}

TEST(CommentChecker, WithoutADictionaryOnlyNamesAndPronounsAreChecked)
{
    CommentChecker check = CommentChecker::forClass(nullptr, PhraseLibrary(), theClass(), {});
    EXPECT_FALSE(check.checksSpelling());
    EXPECT_EQ(described(check.findings("Sophie sayd he can.", theClass()[0])),
              (std::vector<std::string>{"name Sophie", "pronoun he"}));
    EXPECT_TRUE(check.suggestions("sayd", 3).empty());
    EXPECT_FALSE(SpellDictionary::open(systemDictionaryFolder, "../hunspell/en_CA")) << "a name, never a path";
    EXPECT_FALSE(SpellDictionary::open(systemDictionaryFolder, "xx_NONE"));
}

TEST(CommentChecker, AWordAddedIsTakenAndSuggestionsComeInTheCodePage)
{
    ASSERT_TRUE(canadianEnglish());
    CommentChecker check = checker();
    EXPECT_FALSE(check.knows("Kahoot"));
    check.accept("Kahoot");
    EXPECT_TRUE(check.knows("Kahoot"));
    EXPECT_TRUE(check.knows("Kahoot's"));
    EXPECT_EQ(check.suggestions("recieve", 1), std::vector<std::string>{"receive"});
}

TEST(SpellDictionary, WordsGoToADictionaryInItsOwnEncodingAndComeBackInTheCodePage)
{
    for (const std::string name : {"accents-utf8", "accents-latin1"}) {
        const std::unique_ptr<SpellDictionary> d = SpellDictionary::open(test::dataFile("spelling"), name);
        ASSERT_TRUE(d) << name;
        EXPECT_TRUE(d->knows("caf\xE9")) << name;
        EXPECT_TRUE(d->knows("Zo\xEB")) << name;
        EXPECT_FALSE(d->knows("cafe")) << name;
        EXPECT_EQ(d->suggestions("cafe"), std::vector<std::string>{"caf\xE9"}) << name;
        // UTF-8 holds the oe of the 0x80 row, and the word is unknown; ISO 8859-1 has no such
        // letter, so the word cannot be judged and passes.
        EXPECT_EQ(d->knows("c\x9Cur"), name == "accents-latin1") << name;
    }
}

TEST(ClassCommentCheck, OnlyFreeFormCommentsAreCheckedEachWordNamedOncePerStudent)
{
    ASSERT_TRUE(canadianEnglish());
    ClassList students = theClass();
    students[0].hasFreeForm = true;
    students[0].freeFormComment = "Sophie and teh Sophie teh SOphie."; // SOphie: a name and misspelt
    students[1].freeFormComment = "Layla teh."; // not in use: the codes are her comment
    students[2].hasFreeForm = true;
    students[2].freeFormComment = "She reads.";
    CommentChecker check = checker();
    const std::vector<StudentFinding> found = classCommentFindings(students, check);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(commentWarningReport(students, found),
              (std::vector<std::string>{"Free-form comments to read again (these do not stop the eFile):", "",
                                        "Ahmed Layla  another student's name \"Sophie\"",
                                        "Ahmed Layla  unknown word \"teh\"",
                                        "Ahmed Layla  unknown word \"SOphie\"",
                                        "Ahmed Layla  another student's name \"SOphie\"",
                                        "Lam Daniel  pronoun \"She\" does not fit"}));
    EXPECT_TRUE(commentWarningReport(students, {}).empty());
    const std::vector<CommentFinding> inDialog = check.findings("Sophie, Mary and teh Sophie: she.", students[2]);
    EXPECT_EQ(commentFindingsLine(inDialog, students[2]),
              "Misspelt: teh.  Names of other students: Sophie, Mary.  Pronouns that do not fit Daniel (M): she.");
    // The word at the caret, from its first letter to just after its last, is described.
    EXPECT_EQ(findingAt(inDialog, 16), nullptr);
    for (size_t place : {17u, 20u})
        EXPECT_EQ(findingDescription(findingAt(inDialog, place)->kind), "misspelt") << place;
}
