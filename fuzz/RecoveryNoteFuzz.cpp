// A recovery copy's description, as found in the recovery folder after a crash (or as anything
// else may have left it there): a description that reads names a file of its own folder, writes
// back to a description that reads the same, and makes the questions and the message the
// teacher is shown at start-up.
#include "FuzzSupport.h"
#include "core/recovery/RecoveryTexts.h"

using namespace tq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<RecoveryNote> note = parseRecoveryNote(text);
    DamagedCopy damaged{note, "", "copy"};
    fuzz::check(!damagedCopyMessage(damaged, "/recovery").text.empty(), "a damaged copy is reported");
    if (!note)
        return 0;
    fuzz::check(!note->copyFile.empty() && note->copyFile.find('/') == std::string::npos &&
                    note->copyFile.front() != '.',
                "the copy is a file of the description's own folder");
    fuzz::check(parseRecoveryNote(recoveryNoteText(*note)) == note, "a description writes back as it reads");
    const LeftCopy copy{"copy", *note, {}};
    fuzz::check(!restoreQuestion(copy, "/recovery").text.empty() && !keepForLaterQuestion(copy, "/recovery").text.empty(),
                "the copy is asked about");
    return 0;
}
