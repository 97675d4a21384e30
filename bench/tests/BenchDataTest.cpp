// The generated benchmark files: the same bytes for the same number, and files the program reads
// whole at each of its limits, so that the benchmarks measure full-scale work.
#include "bench/BenchData.h"

#include "core/base/TextFile.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/MasterFile.h"
#include "core/phrases/Composition.h"
#include "core/selection/FavouritesListText.h"
#include "core/spelling/ClassCommentCheck.h"
#include "core/spelling/SpellDictionary.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <variant>

namespace tq::bench {
namespace {

using test::TempDir;
using test::readBytes;

TEST(BenchData, SameNumberSameBytesOtherNumberOtherBytes)
{
    TempDir a, b, c;
    const BenchFiles fa = writeBenchFiles(a.path(), 5).files;
    const BenchFiles fb = writeBenchFiles(b.path(), 5).files;
    const BenchFiles fc = writeBenchFiles(c.path(), 6).files;
    for (auto file : {&BenchFiles::phraseLibrary, &BenchFiles::masterFile, &BenchFiles::largeClassFile,
                      &BenchFiles::smallClassFile, &BenchFiles::favourites}) {
        EXPECT_EQ(readBytes(fa.*file), readBytes(fb.*file)) << fa.*file;
        EXPECT_NE(readBytes(fa.*file), readBytes(fc.*file)) << fa.*file;
    }
}

class GeneratedFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        const WrittenBenchFiles w = writeBenchFiles(dir->path());
        ASSERT_TRUE(w.ok);
        files = w.files;
    }
    static void TearDownTestSuite() { delete dir; }

    static PhraseLibrary library()
    {
        PhraseLibraryLoad load = loadPhraseLibrary(files.phraseLibrary);
        EXPECT_FALSE(load.message);
        return load.library;
    }

    static inline TempDir* dir = nullptr;
    static inline BenchFiles files;
};

TEST_F(GeneratedFiles, PhraseLibraryFillsTheLibraryInLookupOrder)
{
    const PhraseLibrary lib = library();
    ASSERT_EQ(lib.phraseCount(), size_t(libraryPhrases));
    EXPECT_TRUE(std::is_sorted(lib.phrases().begin(), lib.phrases().end(),
                               [](const PhraseRecord& x, const PhraseRecord& y) { return x.code < y.code; }));
    size_t placeholders = 0, quoted = 0, withCommas = 0;
    for (const PhraseRecord& p : lib.phrases()) {
        EXPECT_FALSE(lookupPhrase(lib, p.code).empty()) << p.code;
        EXPECT_FALSE(p.categories.empty()) << p.code;
        placeholders += p.text.find_first_of("@%$#*~") != std::string::npos;
        quoted += p.text.front() == '"';
        withCommas += p.text.find(',') != std::string::npos;
    }
    EXPECT_GT(placeholders, lib.phraseCount() * 9 / 10);
    EXPECT_GT(quoted, 0u);
    EXPECT_GT(withCommas, 0u);
}

TEST_F(GeneratedFiles, MasterFileGivesTheClassCodesAndTheLargeClass)
{
    const ClassCodeList list = readClassCodeList(files.masterFile, systemClock());
    EXPECT_FALSE(list.message);
    EXPECT_EQ(list.codes.size(), size_t(masterClassCodeCount));
    const std::optional<std::vector<std::string>> lines = readTextLines(files.masterFile);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), size_t(masterStudentCount) + 1);

    const std::vector<std::string> codes(largeClassCodes.begin(), largeClassCodes.end());
    const std::optional<ClassList> members = readMasterStudents(files.masterFile, codes);
    ASSERT_TRUE(members);
    EXPECT_EQ(members->size(), size_t(largeClassSize));
}

TEST_F(GeneratedFiles, ClassFileHoldsAFullClassWithEveryEntry)
{
    const auto read = readClassFile(files.largeClassFile);
    ASSERT_TRUE(std::holds_alternative<ClassList>(read));
    const ClassList& students = std::get<ClassList>(read);
    ASSERT_EQ(students.size(), size_t(largeClassSize));
    EXPECT_EQ(students, largeClass(defaultOrigin));

    const PhraseLibrary lib = library();
    size_t freeForm = 0, overLimit = 0;
    for (const StudentRecord& s : students) {
        EXPECT_FALSE(s.mark.empty());
        for (int k = 1; k <= commentCount; ++k)
            EXPECT_FALSE(lookupPhrase(lib, s.comment(k)).empty());
        for (int k = 1; k <= skillCount; ++k)
            EXPECT_TRUE(s.skill(k) >= "1" && s.skill(k) <= "4") << s.skill(k);
        freeForm += s.hasFreeForm;
        overLimit += composeComments(s, lib).totalLength > trilliumCommentLimit;
    }
    EXPECT_GT(freeForm, 0u);
    // Mostly within the Trillium limit, as a teacher keeps them, with a few over it.
    EXPECT_GT(overLimit, 0u);
    EXPECT_LT(overLimit, students.size() / 10);

    const auto small = readClassFile(files.smallClassFile);
    ASSERT_TRUE(std::holds_alternative<ClassList>(small));
    EXPECT_EQ(std::get<ClassList>(small), ClassList(students.begin(), students.begin() + smallClassSize));
}

TEST_F(GeneratedFiles, UpdateSwapsTheStudentsWhoLeftForThoseWhoJoined)
{
    ClassList students = std::get<ClassList>(readClassFile(files.largeClassFile));
    const ClassUpdateResult r =
        updateClassFromMaster(students, files.masterFile, systemClock(), updateListCapacity, updateListCapacity);
    EXPECT_FALSE(r.failed);
    EXPECT_FALSE(r.addedStudents.empty());
    EXPECT_EQ(r.addedStudents.size(), r.droppedStudents.size());
    EXPECT_EQ(students.size(), size_t(largeClassSize));
}

TEST_F(GeneratedFiles, FavouritesFillTheListAndTheRangesWithCodesTheLibraryHas)
{
    Favourites fav;
    fav.favouritesFile = files.favourites;
    EXPECT_FALSE(readFavourites(fav, library()));
    EXPECT_EQ(fav.favourites.size(), size_t(favouriteEntries)); // none dropped as unknown
    ASSERT_EQ(fav.initialRanges.size(), size_t(favouriteRanges));
    // Every mark from 0 to 100 falls in exactly one range.
    for (int mark = 0; mark <= 100; ++mark)
        EXPECT_EQ(std::count_if(fav.initialRanges.begin(), fav.initialRanges.end(),
                                [mark](const InitialValueRange& r) { return r.lowMark <= mark && mark <= r.highMark; }),
                  1)
            << mark;
    EXPECT_EQ(std::count(fav.favourites.begin(), fav.favourites.end(), std::string(blankCode)), favouriteEntries / 10);
}

TEST_F(GeneratedFiles, FreeFormCommentsAreAtTheLimitAndHoldEveryKindOfSlip)
{
    const ClassList students = largeClassWithFreeFormComments(defaultOrigin, 460);
    ASSERT_EQ(students.size(), static_cast<size_t>(largeClassSize));
    std::set<std::string> texts;
    for (const StudentRecord& s : students) {
        EXPECT_TRUE(s.hasFreeForm);
        EXPECT_EQ(s.freeFormComment.size(), 460u);
        texts.insert(s.freeFormComment);
    }
    EXPECT_GT(texts.size(), 490u) << "each student's comment is a comment of its own";
    const std::unique_ptr<SpellDictionary> dictionary = SpellDictionary::open(systemDictionaryFolder, defaultDictionaryName);
    ASSERT_TRUE(dictionary);
    CommentChecker checker = CommentChecker::forClass(dictionary.get(), library(), students, {});
    std::set<FindingKind> kinds;
    for (const StudentFinding& f : classCommentFindings(students, checker))
        kinds.insert(f.finding.kind);
    EXPECT_EQ(kinds, (std::set<FindingKind>{FindingKind::Spelling, FindingKind::Name, FindingKind::Pronoun}));
}

// The start-up floor shows what the main window shows at start-up: with an empty or short list
// it would be cheaper than the program for the wrong reason.
TEST_F(GeneratedFiles, FloorTextsAreTheCaptionAndEveryLineOfTheFavouritesList)
{
    const std::vector<std::string> lines = textFileLines(readBytes(files.floorTexts));
    ASSERT_EQ(lines.size(), 1u + favouriteEntries + 1u);
    EXPECT_EQ(lines.front(), "Favourite List: " + files.favourites);
    EXPECT_EQ(lines.back(), noCommentLine);
}

} // namespace
} // namespace tq::bench
