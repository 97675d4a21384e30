// The command line, run as the built program on the fixtures of tests/data/cli.
#include "app/CommandLine.h"
#include "app/ImportMarksCommand.h"
#include "core/base/FileLock.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "core/markbook/MarkbookFile.h"
#include "support/NewStudents.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sstream>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tq;
using namespace tq::test;

namespace {
#ifdef TQ_EXECUTABLE
const char* const builtProgram = TQ_EXECUTABLE;
#else
const char* const builtProgram = ""; // the tests that run it are skipped
#endif

std::string cli(const std::string& name) { return dataFile("cli/" + name); }

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CommandLine : public ::testing::Test {
protected:
    TempDir dir;

    void SetUp() override
    {
#ifndef TQ_EXECUTABLE
        GTEST_SKIP() << "the program is not built";
#endif
        // A fresh copy, so the master file is never too old.
        std::filesystem::create_directories(dir.file("data"));
        std::filesystem::copy_file(cli("master.txt"), dir.file("data/TQStudentInfo.txt"));
        settleFile(dir.file("data/TQStudentInfo.txt"));
    }

    // Runs the program with --library and --data pointing at the fixtures.
    Outcome run(std::vector<std::string> args, bool withFolders = true)
    {
        if (withFolders)
            args.insert(args.begin(), {"--library", cli("library.csv"), "--data", dir.file("data")});
        return runAs(builtProgram, std::move(args));
    }

    // Runs the command in this process, where the wait for a master file still being copied
    // is not slept: `duringTheWait` is done instead.
    Outcome runHere(std::vector<std::string> args, const std::function<void()>& duringTheWait = {})
    {
        args.insert(args.begin(), {"--library", cli("library.csv"), "--data", dir.file("data")});
        std::ostringstream out, err;
        Outcome r;
        r.exitCode = runCommandLine(args, dir.path(), out, err, systemClock(), [&](std::chrono::milliseconds) {
            if (duringTheWait)
                duringTheWait();
        });
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    // Runs the program found at `executable` (a link or a copy of the built one), as it is, with
    // a data folder of its own (where the teacher's word list is looked for).
    Outcome runAs(const std::string& executable, std::vector<std::string> args)
    {
        args.insert(args.begin(), executable);
        const std::string outPath = dir.file("stdout"), errPath = dir.file("stderr");
        const std::string dataHome = dir.file("xdg-data");
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(out, 1);
            dup2(err, 2);
            std::vector<char*> argv;
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        Outcome r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = readBytes(outPath);
        r.err = readBytes(errPath);
        return r;
    }

    // The program in a folder of its own beside a set-up file of `setup`: a hard link to the built
    // program where the file system allows one, or else a copy.
    std::string programWithSetUpFile(const std::string& setup)
    {
        std::filesystem::create_directories(dir.file("bin"));
        const std::string program = dir.file("bin/tallyquill");
        std::error_code ec;
        std::filesystem::create_hard_link(builtProgram, program, ec);
        if (ec)
            std::filesystem::copy_file(builtProgram, program);
        dir.write("bin/TQSetup.ini", setup);
        return program;
    }
};

// A student of the class with the mark 70.
StudentRecord markedStudent(const char* code, const char* number, const char* last, const char* first)
{
    StudentRecord s = newStudentRecord(code, number, last, first, "F", "");
    s.mark = "70";
    return s;
}

std::string lines(std::initializer_list<std::string> ls)
{
    std::string s;
    for (const std::string& l : ls)
        s += l + "\n";
    return s;
}
} // namespace

TEST(CommandLineRequest, OnlyACommandHelpOrAMistypedCommandLeavesTheWindowAlone)
{
    using Args = std::vector<std::string>;
    // The window: nothing, Qt's own options, a file as a double click gives it, a word that is a
    // file or folder here.
    TempDir here;
    here.write("ENG2D101", "");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(here.path());
    for (const Args& args : {Args{}, Args{"-platform", "offscreen"}, Args{"-platform", "offscreen", "ENG2D1-01.tqc"},
                             Args{"ENG2D101.tqc"}, Args{"/home/t/summry"}, Args{"./summry"}, Args{"ENG2D101"},
                             Args{"--data", "verify"}, Args{"Zo\xC3\xAB.tqc"}})
        EXPECT_FALSE(isCommandLineRequest(args)) << (args.empty() ? "" : args.back());
    // The command line: a command, help, or a word that looks like a command mistyped.
    for (const Args& args : {Args{"--help"}, Args{"--data", "/x", "verify", "a.tqc"}, Args{"--library=/x.csv", "check-library"},
                             Args{"search", "--grade", "1"}, Args{"check-comments", "a.tqc"},
                             Args{"check-coments", "x.tqc"}, Args{"summry", "x.tqc"}, Args{"--data", "/x", "Verify"},
                             Args{"ENG2D102"}})
        EXPECT_TRUE(isCommandLineRequest(args)) << args.front();
    std::filesystem::current_path(before);
}

TEST_F(CommandLine, ChecksAPhraseLibrary)
{
    Outcome r = run({"check-library"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Phrases: 6\n");

    r = run({"check-library", cli("library-unordered.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, lines({"Phrases: 6", "Line 4: code 0102 is out of ascending order after code 0103 and may not be found.",
                            "Line 6: code 0101 is a duplicate of line 2."}));

    r = run({"check-library", dir.file("none.csv")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.starts_with("TQ2: TQPhraseLibary.csv file could not be found")) << r.out;
}

TEST_F(CommandLine, APassingClassIsPrintedAsConfirmedOrExported)
{
    Outcome r = run({"verify", cli("pass.tqc")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, readBytes(cli("pass-grid.txt")));
    EXPECT_EQ(r.err, "");

    r = run({"export", cli("pass.tqc"), dir.file("out.trc")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readBytes(dir.file("out.trc")), readBytes(cli("pass.trc")));
}

TEST_F(CommandLine, VerifyAndExportSortTheClassByNameFirstAsTheEFileCommandDoes)
{
    // Two sections, a student in both, the file out of name order: the eFile command sorts the
    // class by name before it updates it, so the update builds the student's two records in the
    // order of the sorted class's codes. The command line must give exactly the same.
    const auto unsorted = readClassFile(cli("two-sections-unsorted.tqc"));
    ASSERT_TRUE(std::holds_alternative<ClassList>(unsorted));
    ClassList sorted = std::get<ClassList>(unsorted);
    sortByName(sorted);
    ASSERT_TRUE(saveClassFile(dir.file("sorted.tqc"), sorted));

    const Outcome fromUnsorted = run({"verify", cli("two-sections-unsorted.tqc")});
    const Outcome fromSorted = run({"verify", dir.file("sorted.tqc")});
    EXPECT_EQ(fromUnsorted.exitCode, 0) << fromUnsorted.err;
    EXPECT_EQ(fromUnsorted.out, fromSorted.out);
    // Sam's record under the first section comes first.
    EXPECT_LT(fromUnsorted.out.find("SCH3U1-01\t333444555"), fromUnsorted.out.find("SCH3U1-02\t333444555"));

    EXPECT_EQ(run({"export", cli("two-sections-unsorted.tqc"), dir.file("a.trc")}).exitCode, 0);
    EXPECT_EQ(run({"export", dir.file("sorted.tqc"), dir.file("b.trc")}).exitCode, 0);
    EXPECT_EQ(readBytes(dir.file("a.trc")), readBytes(dir.file("b.trc")));
}

TEST_F(CommandLine, VerifyPrintsTheReportOfAnIncompleteOrChangedClass)
{
    Outcome r = run({"verify", cli("incomplete.tqc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, readBytes(cli("incomplete-report.txt")));

    r = run({"export", cli("changed.tqc"), dir.file("out.trc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, readBytes(cli("changed-report.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.trc")));
}

TEST_F(CommandLine, UpdateSavesTheClassAndListsTheChanges)
{
    const Outcome r = run({"update", cli("changed.tqc"), dir.file("out.tqc")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, lines({"Added: Fox Robin SCH3U1-01", "Dropped: Gone Pat SCH3U1-01"}));
    EXPECT_EQ(readBytes(dir.file("out.tqc")), readBytes(cli("changed-updated.tqc")));

    // A class a window has open is not written over behind its back.
    writeBytes(dir.file("out.tqc"), "Ames,Kim\r\n");
    const FileLock::Attempt window = FileLock::take(dir.file("out.tqc"), std::time(nullptr));
    ASSERT_TRUE(window.lock.held());
    const Outcome refused = run({"update", cli("changed.tqc"), dir.file("out.tqc")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.starts_with("out.tqc is open in Tallyquill by ")) << refused.err;
    EXPECT_EQ(readBytes(dir.file("out.tqc")), "Ames,Kim\r\n");
}

// Names in UTF-8, whatever the class file's code page; a master file cut short or lacking a
// whole course code writes nothing.
TEST_F(CommandLine, UpdateRefusesAMasterFileThatCannotBeWholeAndPrintsNamesInUtf8)
{
    const auto student = markedStudent;
    ASSERT_TRUE(saveClassFile(dir.file("c.tqc"), {student("ENG-01", "111", "B\xE9langer", "Anne"),
                                                   student("ENG-01", "222", "M\xFCller", "Fran\xE7ois"),
                                                   student("MAT-01", "333", "Cole", "Cy")}));
    // Four and five students: half of them dropped, or more than half with every code kept.
    ASSERT_TRUE(saveClassFile(dir.file("c4.tqc"), {student("ENG-01", "111", "B\xE9langer", "Anne"),
                                                    student("ENG-01", "222", "M\xFCller", "Fran\xE7ois"),
                                                    student("MAT-01", "333", "Cole", "Cy"), student("MAT-01", "444", "Dunn", "Di")}));
    ASSERT_TRUE(saveClassFile(dir.file("c5.tqc"), {student("ENG-01", "111", "B\xE9langer", "Anne"),
                                                    student("ENG-01", "222", "M\xFCller", "Fran\xE7ois"),
                                                    student("ENG-01", "555", "Eto", "Ed"), student("MAT-01", "333", "Cole", "Cy"),
                                                    student("MAT-01", "444", "Dunn", "Di")}));
    // Student lines of the master file: "LAST,FIRST,GENDER,NUMBER" and the class code after a "|".
    const auto writeMaster = [&](const std::string& students) {
        std::string text = "header\r\n";
        for (const std::string& l : splitLines(students))
            text += l.substr(0, l.find('|')) + ",x,x,x,x,x,x,x,x,x,x," + l.substr(l.find('|') + 1) + "\r\n";
        writeBytes(dir.file("data/TQStudentInfo.txt"), text);
        settleFile(dir.file("data/TQStudentInfo.txt"));
    };
    const std::string belanger = "B\xE9langer,Anne,F,111|ENG-01", cole = "Cole,Cy,F,333|MAT-01";
    const std::string muller = "M\xFCller,Fran\xE7ois,F,222|ENG-01", newcomer = "L\xE9vesque,Zo\xEB,F,444|ENG-01";
    const std::string out = dir.file("out.tqc");
    struct Row {
        std::string masterLines;
        std::vector<std::string> args;
        int exitCode;
        std::string printed; // the start of standard error, or of standard output when none
    };
    const Row rows[] = {
        {"", {"update", dir.file("c.tqc"), out}, 1, "TQ24: "},
        {"", {"verify", dir.file("c.tqc")}, 1, "TQ24: "},
        {"", {"export", dir.file("c.tqc"), out}, 1, "TQ24: "},
        {"Else,Al,F,999|SCI-01", {"update", dir.file("c.tqc"), out}, 1, "TQ25: "},
        {belanger, {"update", dir.file("c.tqc"), out}, 1,
         "tallyquill: the update would drop 2 of the class's 3 students (more than half of the class, and every "
         "student of MAT-01); the master file looks incomplete. Nothing was written"},
        {belanger + "\n" + cole, {"update", dir.file("c4.tqc"), out}, 0, "Dropped: Dunn Di MAT-01\n"},
        {belanger + "\n" + cole, {"update", dir.file("c5.tqc"), out}, 1,
         "tallyquill: the update would drop 3 of the class's 5 students (more than half of the class);"},
        {belanger + "\n" + cole, {"update", dir.file("c5.tqc"), out, "--allow-drops"}, 0, "Dropped: Dunn Di MAT-01\n"},
        {belanger, {"update", dir.file("c.tqc"), out, "--allow-drops"}, 0, "Dropped: Cole Cy MAT-01\n"},
        {belanger + "\n" + cole, {"update", dir.file("c.tqc"), out}, 0, "Dropped: M\xC3\xBCller Fran\xC3\xA7ois ENG-01\n"},
        {belanger + "\n" + muller + "\n" + cole + "\n" + newcomer, {"update", dir.file("c.tqc"), out}, 0,
         "Added: L\xC3\xA9vesque Zo\xC3\xAB ENG-01\n"},
        {belanger + "\n" + cole, {"verify", dir.file("c.tqc")}, 1, "There is a discrepancy"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[0] + " " + row.masterLines);
        std::filesystem::remove(out);
        writeMaster(row.masterLines);
        const Outcome r = runHere(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_TRUE((r.err.empty() ? r.out : r.err).starts_with(row.printed)) << r.out << r.err;
        EXPECT_EQ(std::filesystem::exists(out), row.exitCode == 0 && row.args[0] == "update");
    }

    // The class changed by another program while the update waited for the master file to settle:
    // "Nothing was written.", and the other program's class stays as it wrote it.
    writeMaster(belanger + "\n" + cole);
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("data/TQStudentInfo.txt").c_str(), nullptr, 0), 0); // just copied
    const Outcome refused = runHere({"update", dir.file("c.tqc"), dir.file("c.tqc")}, [&] {
        writeBytes(dir.file("c.tqc"), "Ames,Kim\r\n");
        settleFile(dir.file("data/TQStudentInfo.txt"));
    });
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.ends_with(" Nothing was written.\n")) << refused.err;
    EXPECT_EQ(readBytes(dir.file("c.tqc")), "Ames,Kim\r\n");
}

TEST_F(CommandLine, SummaryPrintsTheClasssFiguresOneLineEach)
{
    Outcome r = run({"summary", cli("pass.tqc")}, false);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, lines({"students\t4", "marked\t4", "incomplete\t0", "unmarked\t0", "mean\t79.5", "median\t81.0",
                            "lowest\t65", "highest\t91", "below 50\t0", "50-59\t0", "60-69\t1", "70-79\t1", "80-100\t2"}));
    EXPECT_EQ(r.err, "");

    // Marks the program would not have typed come last, as "other"; without a mark, no mean.
    ClassList odd = test::newStudents(3);
    odd[0].mark = "I";
    odd[2].mark = "abs";
    ASSERT_TRUE(saveClassFile(dir.file("odd.tqc"), odd));
    r = run({"summary", dir.file("odd.tqc")}, false);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, lines({"students\t3", "marked\t0", "incomplete\t1", "unmarked\t1", "mean\t-", "median\t-",
                            "lowest\t-", "highest\t-", "below 50\t0", "50-59\t0", "60-69\t0", "70-79\t0", "80-100\t0",
                            "other\t1"}));

    dir.write("broken.tqc", "not,a,class\r\n");
    r = run({"summary", dir.file("broken.tqc")}, false);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("TQ")) << r.err;
}

TEST_F(CommandLine, FilesThatCannotBeUsedExitWithTheirMessage)
{
    Outcome r = run({"verify", dir.file("missing.tqc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("TQ")) << r.err;

    std::filesystem::remove(dir.file("data/TQStudentInfo.txt"));
    r = run({"update", cli("changed.tqc"), dir.file("out.tqc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "TQ5: You need to be at school to have access to the current student info.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tqc")));

    r = run({"verify"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("tallyquill: wrong number of arguments for verify\n\nUsage: tallyquill")) << r.err;

    r = run({"--help"}, false);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, commandLineUsage());
}

TEST_F(CommandLine, AMistypedCommandIsAnsweredWithTheUsage)
{
    Outcome r = run({"check-coments", cli("comments.tqc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tallyquill: unknown command check-coments (did you mean check-comments?)\n\n" + commandLineUsage());
    // A word one or two edits from a command gets its guess (a swap of two letters is two);
    // three edits away, or nothing near, no guess.
    for (const auto& [word, first] : std::vector<std::pair<std::string, std::string>>{
             {"summry", "unknown command summry (did you mean summary?)"},
             {"verfiy", "unknown command verfiy (did you mean verify?)"},
             {"exprot", "unknown command exprot (did you mean export?)"},
             {"verifyxyz", "unknown command verifyxyz"},
             {"frobnicate", "unknown command frobnicate"}}) {
        r = run({word, "x.tqc"});
        EXPECT_EQ(r.exitCode, 2) << word;
        EXPECT_TRUE(r.err.starts_with("tallyquill: " + first + "\n\nUsage: ")) << r.err;
    }
}

TEST_F(CommandLine, CheckCommentsPrintsEachFindingInTheClassFilesOrder)
{
    Outcome r = run({"check-comments", cli("comments.tqc")});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> found = splitLines(r.out);
    ASSERT_EQ(found.size(), 5u) << r.out;
    EXPECT_EQ(found[0], "Brown, Lee\tname\tJamie");
    EXPECT_EQ(found[1], "Brown, Lee\tpronoun\tshe");
    EXPECT_TRUE(found[2].starts_with("Brown, Lee\tspelling\tRecieve\tReceive ")) << found[2];
    EXPECT_TRUE(found[3].starts_with("Fox, Robin\tspelling\tQuizlet\t")) << found[3];
    const std::string suggestions = found[3].substr(found[3].rfind('\t') + 1);
    EXPECT_EQ(std::count(suggestions.begin(), suggestions.end(), ' '), 2) << "three suggestions at most";
    EXPECT_EQ(found[4], "M\xC3\xBCller, Zo\xC3\xAB\tname\tRobin") << "in UTF-8, not the class file's code page";

    // The teacher's own word, from the data folder.
    std::filesystem::create_directories(dir.file("xdg-data/tallyquill"));
    dir.write("xdg-data/tallyquill/words.txt", "Quizlet\n");
    r = run({"check-comments", cli("comments.tqc")});
    EXPECT_EQ(r.out.find("Quizlet"), std::string::npos) << r.out;

    r = run({"check-comments", cli("pass.tqc")});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "");

    r = run({"check-comments", dir.file("missing.tqc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("TQ")) << r.err;
    r = run({"--library", dir.file("none.csv"), "check-comments", cli("comments.tqc")}, false);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("TQ2: ")) << r.err;
}

TEST_F(CommandLine, TheLibrarysUnknownWordsAreListedByPhraseCode)
{
    Outcome r = run({"check-library", "--spelling"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_TRUE(r.out.starts_with("0106\torganised\torganized")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    EXPECT_EQ(run({"check-library", cli("library-unordered.csv"), "--spelling"}).exitCode, 0);
    EXPECT_EQ(run({"verify", "--spelling", cli("pass.tqc")}).exitCode, 2) << "the option is check-library's";
}

TEST_F(CommandLine, WithoutTheDictionaryOnlyTheSpellingIsLeftUnchecked)
{
    // The set-up file names a dictionary that is not installed.
    const std::string program = programWithSetUpFile("Dictionary=xx_NONE\r\n");
    const std::string notice =
        "Spelling is not checked: the xx_NONE dictionary is not installed (package hunspell-xx-none).";

    Outcome r = runAs(program, {"--library", cli("library.csv"), "check-comments", cli("comments.tqc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notice + "\n");
    EXPECT_EQ(r.out, lines({"Brown, Lee\tname\tJamie", "Brown, Lee\tpronoun\tshe", "M\xC3\xBCller, Zo\xC3\xAB\tname\tRobin"}));

    r = runAs(program, {"--library", cli("library.csv"), "check-library", "--spelling"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "TQ22: " + notice + " Dictionaries are looked for in /usr/share/hunspell.\n");
}

TEST_F(CommandLine, AProgramStartedThroughALinkFindsTheFilesBesideItsRealSelf)
{
    // The command on the PATH is a symbolic link to the program in its own folder, where the
    // build put the sample phrase library.
    const std::string link = dir.file("tallyquill");
    std::filesystem::create_symlink(builtProgram, link);
    const Outcome r = runAs(link, {"check-library"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(r.out.starts_with("Phrases: ")) << r.out;
}

TEST_F(CommandLine, TheSetUpFileNamesTheMasterFileFolderAndDataOutranksIt)
{
    const std::string program = programWithSetUpFile("School=Lakeshore\r\nDataFolder=../shared\r\n");
    std::filesystem::create_directories(dir.file("shared"));
    std::filesystem::copy_file(cli("master.txt"), dir.file("shared/TQStudentInfo.txt"));
    settleFile(dir.file("shared/TQStudentInfo.txt"));

    const std::vector<std::string> update = {"--library", cli("library.csv"), "update", cli("changed.tqc"), dir.file("out.tqc")};
    Outcome r = runAs(program, update);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, lines({"Added: Fox Robin SCH3U1-01", "Dropped: Gone Pat SCH3U1-01"}));

    std::filesystem::remove(dir.file("shared/TQStudentInfo.txt"));
    r = runAs(program, update);
    EXPECT_EQ(r.exitCode, 2) << "the set-up file's folder was used";
    EXPECT_TRUE(r.err.starts_with("TQ5:")) << r.err;

    std::vector<std::string> withData = update;
    withData.insert(withData.begin(), {"--data", dir.file("data")});
    r = runAs(program, withData);
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

TEST_F(CommandLine, SearchListsTheRowsTheWindowWouldShowInUtf8)
{
    const auto search = [&](std::vector<std::string> options) {
        options.insert(options.begin(), {"--library", cli("search-library.csv"), "search"});
        return run(options, false);
    };
    const std::string r0101 = "0101 @ reads widely and with care\n";
    const std::string r0102 = "0102 \"@ reads widely and with care.\"\n";
    const std::string r0103 = "0103   @ reads widely and with care \n";
    const std::string r0104 = "0104 @ \xC3\xA9" "crit avec soin et pr\xC3\xA9" "cision\n";
    const std::string r0105 = "0105 @ should review % notes before tests\n";
    const std::string r0106 = "0106 @ asks thoughtful questions in class\n";
    const std::string r0107 = "0107 @ works well with others\n";
    const std::string r0108 = "0108 @ WORKS WELL WITH OTHERS\n";

    // Everything, less the phrase that repeats 0101 but for its surrounding spaces; texts that
    // differ only in case both stay.
    Outcome r = search({});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, r0101 + r0102 + r0104 + r0105 + r0106 + r0107 + r0108);
    EXPECT_EQ(r.err, "");
    r = search({"--no-dups"});
    EXPECT_EQ(r.out, r0101 + r0102 + r0103 + r0104 + r0105 + r0106 + r0107 + r0108);

    // Lists by item number, keywords in any case; a keyword typed in UTF-8 finds the code page's
    // letters, capital or small.
    r = search({"--grade", "1", "--and1", "READS", "--or", "\xC3\x89" "CRIT"});
    EXPECT_EQ(r.out, r0101 + r0104);
    r = search({"--department=33"});
    EXPECT_EQ(r.out, r0106);
    r = search({"--category", "1", "--skill", "4", "--and1", "with", "--and2", "others", "--not", "upper"});
    EXPECT_EQ(r.out, r0107 + r0108);
    // An empty keyword is not used; a keyword may begin with a hyphen; finding nothing is no error.
    r = search({"--skill", "1", "--and1", "", "--not="});
    EXPECT_EQ(r.out, r0101 + r0105);
    r = search({"--or", "-x"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(CommandLine, ABadSearchOptionShowsTheUsage)
{
    const std::string usage = commandLineUsage();
    for (const auto& [options, reason] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--grade", "10"}, "--grade takes an item number from 0 (All) to 9, not \"10\""},
             {{"--department", "-1"}, "--department takes an item number from 0 (All) to 34, not \"-1\""},
             {{"--skill=x"}, "--skill takes an item number from 0 (All) to 6, not \"x\""},
             {{"--category", ""}, "--category takes an item number from 0 (All) to 4, not \"\""},
             {{"--and1"}, "--and1 needs a value"},
             {{"--no-dups=1"}, "unknown option --no-dups=1"},
             {{"extra"}, "unknown search option extra"},
             {{"--colour", "1"}, "unknown option --colour"}}) {
        std::vector<std::string> args{"search"};
        args.insert(args.end(), options.begin(), options.end());
        const Outcome r = run(args);
        EXPECT_EQ(r.exitCode, 2) << reason;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tallyquill: " + reason + "\n\n" + usage);
    }
    // The search options belong to the search alone.
    EXPECT_EQ(run({"verify", "--grade", "1", cli("pass.tqc")}).exitCode, 2);

    const Outcome missing = run({"--library", dir.file("none.csv"), "search"}, false);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.starts_with("TQ2: ")) << missing.err;
    EXPECT_EQ(missing.out, "");
}

TEST_F(CommandLine, ImportMarksWritesTheClassOnlyWhenEveryValueIsAccepted)
{
    const std::string classFile = dir.file("ENG2D101.tqc");
    const auto freshClass = [&] {
        std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), classFile, std::filesystem::copy_options::overwrite_existing);
    };
    const auto markbook = [](const char* name) { return dataFile(std::string("markbook/") + name); };
    // The three exports import whole into the sample class; --dry-run leaves the file alone.
    for (const char* name : {"platform-grades.csv", "classroom-export.csv", "excel-semicolons.csv"}) {
        SCOPED_TRACE(name);
        freshClass();
        const Outcome dry = run({"import-marks", classFile, markbook(name), "--dry-run"});
        EXPECT_EQ(dry.exitCode, 0);
        EXPECT_TRUE(dry.err.starts_with("Read sheet ") && dry.err.ends_with(".\nNothing was written.\n")) << dry.err;
        EXPECT_EQ(readBytes(classFile), readBytes(sampleFile("ENG2D101.tqc")));
        const Outcome written = run({"import-marks", classFile, markbook(name)});
        EXPECT_EQ(written.exitCode, 0);
        EXPECT_EQ(written.out, dry.out); // the changes, listed once they are written
        EXPECT_EQ(written.err.find("Nothing was written."), std::string::npos);
    }
    EXPECT_EQ(run({"import-marks", classFile, markbook("excel-semicolons.csv")}).out, ""); // nothing left to change
    const ClassList imported = std::get<ClassList>(readClassFile(classFile));
    EXPECT_EQ(imported[0].mark, "55"); // Ahmed, Layla
    EXPECT_EQ(imported[7].mark, "I");  // Delgado, Ali

    // By name with another column and the favourites' initial values: the comments stay (the sample's
    // students have their own), and only the changed marks are printed.
    freshClass();
    const Outcome byName = run({"import-marks", classFile, markbook("classroom-export.csv"), "--key", "name",
                                "--column", "D", "--favourites", sampleFile("Sample.tqf")});
    EXPECT_EQ(byName.exitCode, 0);
    EXPECT_EQ(byName.out.substr(0, byName.out.find('\n')), "Ahmed, Layla\t89\t68");

    // One refused value: nothing is written, and the row is named.
    freshClass();
    std::string refused = readBytes(markbook("excel-semicolons.csv"));
    refused.replace(refused.find(";55\r\n"), 5, ";B+\r\n");
    writeBytes(dir.file("refused.csv"), refused);
    const Outcome bad = run({"import-marks", classFile, dir.file("refused.csv")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "Read sheet \"refused\", headings on row 1, students by column A \"Student Number\", marks from "
                       "column E \"Term Mark\".\nrow 2 (Ahmed, Layla, 316-208-659): \"B+\" is refused: a letter grade, not "
                       "a mark\nNothing was written.\n");
    EXPECT_EQ(bad.out, ""); // nothing written, nothing listed
    EXPECT_EQ(readBytes(classFile), readBytes(sampleFile("ENG2D101.tqc")));

    // The workbooks hold five students of the class with the marks they have: every row matches.
    for (const char* name : {"platform-export.xlsx", "platform-export.ods"}) {
        const Outcome workbook = run({"import-marks", classFile, markbook(name), "--dry-run"});
        EXPECT_EQ(workbook.exitCode, 0) << name << ": " << workbook.err;
        EXPECT_EQ(workbook.out, "") << name;
    }
    // "Final", the second sheet, holds the marks the class has; "Term 1" would change Ahmed's.
    const Outcome final = run({"import-marks", classFile, markbook("two-sheets.xlsx"), "--sheet", "Final", "--dry-run"});
    EXPECT_EQ(final.exitCode, 0) << final.err;
    EXPECT_EQ(final.out, "");
    EXPECT_EQ(run({"import-marks", classFile, markbook("none.csv")}).exitCode, 2);
    EXPECT_EQ(run({"import-marks", classFile, markbook("platform-grades.csv"), "--column", "Z"}).exitCode, 2);
    EXPECT_EQ(run({"import-marks", classFile, markbook("platform-grades.csv"), "--key", "email"}).exitCode, 2);

    // A class a window has open is not written (a dry run still answers), with the update's words.
    freshClass();
    {
        const FileLock::Attempt window = FileLock::take(classFile, std::time(nullptr));
        ASSERT_TRUE(window.lock.held());
        const Outcome held = run({"import-marks", classFile, markbook("platform-grades.csv")});
        EXPECT_EQ(held.exitCode, 2);
        EXPECT_TRUE(held.err.starts_with("ENG2D101.tqc is open in Tallyquill by ") &&
                    held.err.ends_with(".\nNothing was written.\n")) << held.err;
        EXPECT_EQ(readBytes(classFile), readBytes(sampleFile("ENG2D101.tqc")));
        EXPECT_EQ(run({"import-marks", classFile, markbook("platform-grades.csv"), "--dry-run"}).exitCode, 0);
    }
    // Nor one another program changed while the markbook was being read.
    std::string changed;
    std::ostringstream out, err;
    const int exitCode = importMarks(
        {classFile, markbook("platform-grades.csv")}, out, err, [](PhraseLibrary&) { return false; },
        [&](const std::string& path) {
            changed = readBytes(classFile);
            changed[changed.find(",89,") + 1] = '7';
            writeBytes(classFile, changed);
            return readMarkbookFile(path);
        });
    EXPECT_EQ(exitCode, 2);
    EXPECT_TRUE(err.str().ends_with(
        "\nENG2D101.tqc was changed by another program since Tallyquill opened it.\nNothing was written.\n"))
        << err.str();
    EXPECT_EQ(readBytes(classFile), changed);
    EXPECT_FALSE(std::filesystem::exists(dir.file(".~lock.ENG2D101.tqc#")));
}

TEST_F(CommandLine, ImportMarksFindsTheClassSheetAndItsHeadingsAndSaysWhatItRead)
{
    const std::string classFile = dir.file("ENG2D101.tqc");
    const auto markbook = [](const char* name) { return dataFile(std::string("markbook/") + name); };
    std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), classFile);
    for (const char* name : {"three-sheets.xlsx", "letter-grades.ods", "typed-names.xlsx", "empty-lines.csv"}) {
        const Outcome dry = run({"import-marks", classFile, markbook(name), "--dry-run"});
        EXPECT_EQ(dry.exitCode, 0) << name << ": " << dry.err;
        EXPECT_EQ(dry.out.substr(0, dry.out.find('\n')), "Ahmed, Layla\t89\t91") << name;
    }
    // Title rows, a class average and a #DIV/0! cell: every mark lands, the average row is named.
    const Outcome titled = run({"import-marks", classFile, markbook("title-rows.xlsx")});
    EXPECT_EQ(titled.exitCode, 0);
    EXPECT_EQ(titled.err, "Read sheet \"ENG2D1-01\", headings on row 3, students by column A \"Student No\", marks from "
                          "column K \"Final Mark\".\nrow 33 (Class Average): a row for the whole class, left out\n");
    EXPECT_EQ(titled.out.substr(0, titled.out.find('\n')), "Ahmed, Layla\t89\t91");
    EXPECT_EQ(std::get<ClassList>(readClassFile(classFile))[12].mark, "52"); // Jones, Nora

    // The class's sheet of three, found by its students or named in any case; --heading-row and
    // --column on that row.
    const Outcome sheets = run({"import-marks", classFile, markbook("three-sheets.ods"), "--dry-run"});
    EXPECT_TRUE(sheets.err.starts_with("Read sheet \"ENG2D1-01\", headings on row 1,")) << sheets.err;
    EXPECT_EQ(run({"import-marks", classFile, markbook("three-sheets.ods"), "--sheet", "eng1d1-02"}).exitCode, 1);
    const Outcome row3 = run({"import-marks", classFile, markbook("title-rows.ods"), "--heading-row", "3", "--column",
                              "exam", "--dry-run"});
    EXPECT_EQ(row3.exitCode, 0) << row3.err;
    EXPECT_EQ(row3.out.substr(0, row3.out.find('\n')), "Ahmed, Layla\t91\t40");
    EXPECT_EQ(run({"import-marks", classFile, markbook("title-rows.ods"), "--heading-row", "x"}).exitCode, 2);

    // No sheet names a student of this class: the sheets and --sheet are named.
    std::string stranger = readBytes(sampleFile("ENG2D101.tqc"));
    stranger = "ENG2D1-01,Zed,Zoe,999999999" + stranger.substr(stranger.find(",F,"), stranger.find('\n') - stranger.find(",F,") + 1);
    writeBytes(classFile, stranger);
    const Outcome none = run({"import-marks", classFile, markbook("three-sheets.xlsx")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("\nno sheet of the markbook names the class's students; its sheets are: \"ENG1D1-02\", "
                            "\"ENG2D1-01\", \"Summary\". Name the class's sheet with --sheet.\nNothing was written.\n"),
              std::string::npos)
        << none.err;
    EXPECT_EQ(readBytes(classFile), stranger);
}

// A row that names two students (two of one name; one student in two courses) is listed and never
// applied, and the command exits 1; the students it does change are printed in UTF-8; a column
// given by number counts from 1.
TEST_F(CommandLine, ImportMarksAppliesNoRowThatNamesTwoStudents)
{
    const auto student = markedStudent;
    const std::string classFile = dir.file("TWO.tqc");
    ASSERT_TRUE(saveClassFile(classFile, {student("ENG-01", "111", "Lee", "Sam"), student("ENG-02", "222", "Lee", "Sam"),
                                          student("ENG-01", "333", "Ng", "Al"), student("ENG-02", "333", "Ng", "Al"),
                                          student("ENG-01", "444", "M\xFCller", "Zo\xEB")}));
    const std::string saved = readBytes(classFile);
    const std::string names = dir.write("names.csv", "Last,First,Mark\r\nLee,Sam,80\r\nM\xC3\xBCller,Zo\xC3\xAB,75\r\n");
    const std::string numbers = dir.write("numbers.csv", "Number,Mark,Other\r\n333,80,81\r\n444,75,76\r\n");
    const struct {
        std::vector<std::string> args;
        std::string column; // the mark column the first line names
        std::string ambiguous; // a line of standard error
    } rows[] = {
        {{names}, "marks from column C \"Mark\"", "row 2 (Lee, Sam): matches 2 students"},
        {{numbers}, "marks from column C \"Other\"", "row 2 (333): matches 2 students"}, // the last column
        {{numbers, "--column", "2"}, "marks from column B \"Mark\"", "row 2 (333): matches 2 students"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"import-marks", classFile};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Outcome r = run(args);
        EXPECT_EQ(r.exitCode, 1) << r.err;
        EXPECT_EQ(r.out, ""); // nothing written, nothing listed
        EXPECT_NE(r.err.find(row.column), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(row.ambiguous), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(classFile), saved);
    }
    // The students a clean import changes are listed in UTF-8.
    const std::string one = dir.write("one.csv", "Last,First,Mark\r\nM\xC3\xBCller,Zo\xC3\xAB,75\r\n");
    const Outcome listed = run({"import-marks", classFile, one, "--dry-run"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out, "M\xC3\xBCller, Zo\xC3\xAB\t70\t75\n");
}

TEST_F(CommandLine, MyCommentsListsTheCommentsOrEachWrittenForOneStudent)
{
    const std::string home = dir.file("teacher");
    std::filesystem::create_directories(home + "/Documents/Tallyquill");
    writeBytes(home + "/Documents/Tallyquill/My comments.txt", "@ improved # essays.\n\n~ of ours.\n");
    const std::string classFile = sampleFile("ENG2D101.tqc");
    // The teacher's Documents folder, for the program started from here.
    struct Environment {
        const char* names[2] = {"HOME", "XDG_CONFIG_HOME"};
        std::optional<std::string> was[2];
        Environment()
        {
            for (int i = 0; i < 2; ++i)
                if (const char* value = std::getenv(names[i]))
                    was[i] = value;
        }
        ~Environment()
        {
            for (int i = 0; i < 2; ++i)
                was[i] ? setenv(names[i], was[i]->c_str(), 1) : unsetenv(names[i]);
        }
    } restore;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.file("no-config").c_str(), 1);
    Outcome r = run({"my-comments"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({"@ improved # essays.", "~ of ours."}));
    r = run({"my-comments", "--expand", classFile, "317414637"});
    EXPECT_EQ(r.out, lines({"Tariq improved his essays.", "Son of ours."}));
    r = run({"my-comments", "--expand", classFile, "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "tallyquill: " + classFile + " has no student with the number 1\n");

    std::filesystem::remove(home + "/Documents/Tallyquill/My comments.txt");
    std::filesystem::create_directories(home + "/Documents/Tallyquill/My comments.txt");
    r = run({"my-comments"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.starts_with("tallyquill: Tallyquill cannot read your comments file")) << r.err;
}
