#include "app/CommandLine.h"
#include "app/WindowArguments.h"
#include "core/program/ProgramState.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(WindowArguments, AClassFileInAnyCaseIsOpenedAndNeverTakenForACommand)
{
    using Args = std::vector<std::string>;
    for (const Args& args : {Args{"ENG2D1-01.tqc"}, Args{"/home/t/verify.tqc"}, Args{"--data", "/x", "Class.TQC"},
                             Args{"--", "-odd name.tqc"}, Args{"notes.txt", "a.tqc", "b.tqc"}}) {
        EXPECT_FALSE(isCommandLineRequest(args)) << args.back();
        EXPECT_TRUE(isClassFileName(windowArguments(args).classFile)) << args.back();
    }
    EXPECT_EQ(windowArguments({"notes.txt", "a.tqc", "b.tqc"}).classFile, "a.tqc") << "the first class file";
    EXPECT_EQ(windowArguments({"--", "-odd name.tqc"}).classFile, "-odd name.tqc");

    for (const std::string name : {"", ".tqc", "a.tqf", "a.tqc.bak", "a.tq", "tqc"})
        EXPECT_FALSE(isClassFileName(name)) << name;
    EXPECT_TRUE(isClassFileName("x.Tqc"));
}

TEST(WindowArguments, OptionsTakeTheirValuesAndUnknownOptionsAreIgnored)
{
    WindowArguments given = windowArguments({"--library", "/lib.csv", "--data=/mnt/share", "-reverse", "--odd=x.tqc",
                                             "--data", "a.tqc"});
    EXPECT_EQ(given.library, "/lib.csv");
    EXPECT_EQ(given.data, "a.tqc") << "an option's value is no class file";
    EXPECT_EQ(given.classFile, "");

    given = windowArguments({"a.tqc", "--library"}); // a value missing at the end
    EXPECT_EQ(given.classFile, "a.tqc");
    EXPECT_FALSE(given.library);
    given = windowArguments({"--library=/l.csv", "--", "--data"});
    EXPECT_EQ(given.library, "/l.csv");
    EXPECT_FALSE(given.data);
}

TEST(WindowArguments, TheCommandLinesFoldersOutrankTheOthers)
{
    ProgramState state;
    state.folders = programFoldersFor("/opt/tallyquill/bin", "");
    state.folders.dataFolder = "/from/setup";
    applyWindowArguments(windowArguments({"a.tqc"}), state);
    EXPECT_EQ(state.folders.dataFolder, "/from/setup");
    EXPECT_EQ(state.phraseLibraryPath(), "/opt/tallyquill/bin/TQPhraseLibrary.csv");

    applyWindowArguments(windowArguments({"--data", "/mnt/share", "--library=/tmp/lib.csv"}), state);
    EXPECT_EQ(state.folders.dataFolder, "/mnt/share");
    EXPECT_EQ(state.phraseLibraryPath(), "/tmp/lib.csv");

    applyWindowArguments(windowArguments({"--data="}), state); // empty: no change
    EXPECT_EQ(state.folders.dataFolder, "/mnt/share");
}
