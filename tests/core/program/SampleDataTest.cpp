// The bundled sample data must load as a school's files would: it is what a new teacher sees first.
#include "core/classdata/ClassFile.h"
#include "core/classdata/MasterFile.h"
#include "core/phrases/Composition.h"
#include "core/program/SetupFile.h"
#include "core/selection/FavouritesFile.h"
#include "core/selection/PhraseSearch.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

TEST(SampleData, EveryFileLoadsAndEveryCodeIsInTheLibrary)
{
    const PhraseLibraryLoad load = loadPhraseLibrary(sampleFile("TQPhraseLibrary.csv"));
    ASSERT_FALSE(load.message);
    const PhraseLibrary& lib = load.library;
    ASSERT_GT(lib.phraseCount(), 300u);
    for (size_t i = 1; i < lib.phrases().size(); ++i)
        EXPECT_LT(lib.phrases()[i - 1].code, lib.phrases()[i].code) << "codes must ascend for the lookup";
    // As in a school's library, a few texts stand under more than one subject: "Don't Show
    // Dups" has three repeats to hide.
    SearchCriteria all;
    EXPECT_EQ(searchPhrases(lib, all).size() + 3, lib.phraseCount());

    auto read = readClassFile(sampleFile("ENG2D101.tqc"));
    ASSERT_TRUE(std::holds_alternative<ClassList>(read));
    const ClassList& students = std::get<ClassList>(read);
    EXPECT_EQ(students.size(), 28u);
    EXPECT_EQ(classFileText(students), readBytes(sampleFile("ENG2D101.tqc")));
    int tooLong = 0;
    for (const StudentRecord& s : students) {
        for (int k = 1; k <= commentCount; ++k) {
            if (!isNoPhraseCode(s.comment(k))) {
                EXPECT_FALSE(lookupPhrase(lib, s.comment(k)).empty()) << s.comment(k);
            }
        }
        tooLong += composeComments(s, lib).totalLength > trilliumCommentLimit ? 1 : 0;
    }
    EXPECT_EQ(tooLong, 1); // one student shows the length warning

    Favourites fav;
    fav.favouritesFile = sampleFile("Sample.tqf");
    ASSERT_FALSE(readFavourites(fav, lib));
    EXPECT_EQ(favouritesFileText(fav), readBytes(sampleFile("Sample.tqf"))); // nothing was cleaned away

    const ClassCodeList codes = readClassCodeList(sampleFile("TQStudentInfo.txt"), [] {
        return fileCreationTime(sampleFile("TQStudentInfo.txt")).value_or(0);
    });
    ASSERT_FALSE(codes.message);
    EXPECT_GT(codes.codes.size(), 40u);
    const std::optional<ClassList> members = readMasterStudents(sampleFile("TQStudentInfo.txt"), {"ENG2D1-01"});
    ASSERT_TRUE(members);
    EXPECT_EQ(members->size(), 28u);
}

TEST(SampleData, TheSetUpFileNamesTheSchoolAndLeavesTheMasterFileBesideTheProgram)
{
    // The build and the run command copy it beside the program, where a data folder named in it
    // would take the master file away from the sample one.
    EXPECT_EQ(readSetupFile(sampleFile("TQSetup.ini")), (SchoolSetup{"Lakeshore Collegiate Institute", "", ""}));
}

TEST(SampleData, APronounAfterAVerbIsTheObjectOne)
{
    // "help @ keep up" would compose as "help he keep up".
    const PhraseLibrary lib = loadPhraseLibrary(sampleFile("TQPhraseLibrary.csv")).library;
    StudentRecord s = newStudentRecord("ENG2D1-01", "1", "Lam", "Daniel", "M", "");
    s.comment1 = "0101";
    s.comment2 = "0112";
    const ComposedComments c = composeComments(s, lib);
    EXPECT_NE(c.texts[1].find("will help him keep up"), std::string::npos) << c.texts[1];
    for (const PhraseRecord& p : lib.phrases())
        EXPECT_EQ(p.text.find("help @"), std::string::npos) << p.code;
}
