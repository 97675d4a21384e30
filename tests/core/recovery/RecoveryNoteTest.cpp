#include "core/recovery/RecoveryNote.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

RecoveryNote sampleNote()
{
    RecoveryNote note;
    note.kind = CopyKind::Class;
    note.copyFile = "ENG2D101.tqc";
    note.length = 4096;
    note.checksum = 0x0123456789abcdefULL;
    note.originalFile = "/home/ann/My Classes/ENG2D101.tqc";
    note.course = "ENG2D1-01";
    note.count = 28;
    note.changed = 1796638503;
    note.pid = 4711;
    note.instance = "20261207T101503-4711-9f3a1c2b";
    return note;
}

TEST(RecoveryNote, ADescriptionReadsBackAsWrittenWhateverItsFileNamesHold)
{
    RecoveryNote note = sampleNote();
    EXPECT_EQ(parseRecoveryNote(recoveryNoteText(note)), note);
    // As a program that has since been updated wrote it: the copies it left still read.
    EXPECT_EQ(parseRecoveryNote(test::readBytes(test::dataFile("recovery-description.txt"))), note);

    // A file name may hold any byte but "/" and NUL: line ends, backslashes and "=" survive.
    note.kind = CopyKind::Favourites;
    note.originalFile = "/home/ann/a=b\\n\nc\r.tqf";
    note.course.clear();
    note.checksum = 0;
    EXPECT_EQ(parseRecoveryNote(recoveryNoteText(note)), note);

    // A free-form comment being written goes with a class's copy, line breaks and all.
    note = sampleNote();
    note.draft = FreeFormDraft{3, "323232323", "Reads\r\nwidely = well \\n"};
    EXPECT_EQ(parseRecoveryNote(recoveryNoteText(note)), note);
}

TEST(RecoveryNote, ADescriptionThatIsNotWholeOrNamesAFileElsewhereIsRefused)
{
    const std::string text = recoveryNoteText(sampleNote());
    // Cut short after each of its lines but the last: a key is missing.
    for (size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1))
        EXPECT_FALSE(parseRecoveryNote(text.substr(0, end + 1))) << text.substr(0, end + 1);
    const auto with = [&text](const std::string& key, const std::string& value) {
        const size_t at = text.find(key + "=");
        const size_t end = text.find('\n', at);
        return text.substr(0, at) + key + "=" + value + text.substr(end);
    };
    EXPECT_FALSE(parseRecoveryNote(with("kind", "report")));
    EXPECT_FALSE(parseRecoveryNote(with("length", "12x")));
    EXPECT_FALSE(parseRecoveryNote(with("checksum", "")));
    EXPECT_FALSE(parseRecoveryNote(with("count", "-")));
    for (const char* elsewhere : {"../ENG2D101.tqc", "/etc/passwd", "sub/ENG2D101.tqc", "..", ""})
        EXPECT_FALSE(parseRecoveryNote(with("copy", elsewhere))) << elsewhere;
    // Keys it does not know are passed over.
    EXPECT_TRUE(parseRecoveryNote(text + "written-by=a later version\n"));
}

TEST(RecoveryNote, ACopyCutShortOrChangedIsNotTheOneDescribed)
{
    const std::string copy = "SNC2D1-01,Able,Ann,123456789,F,,0,,,75,,,G,G,G,G,G,G,,0101,,,,,,False,\r\n";
    RecoveryNote note = sampleNote();
    note.length = copy.size();
    note.checksum = copyChecksum(copy);
    EXPECT_TRUE(noteDescribes(note, copy));
    EXPECT_FALSE(noteDescribes(note, copy.substr(0, copy.size() - 1)));
    std::string changed = copy;
    changed[changed.find("75")] = '8'; // same length, another mark
    EXPECT_FALSE(noteDescribes(note, changed));
}

} // namespace
} // namespace tq
