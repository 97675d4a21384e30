#include "core/entry/StudentFlags.h"

namespace tq {

namespace {
void exclude(FlagCells& flags, StudentFlag changed)
{
    if (changed == StudentFlag::Esl)
        flags[static_cast<size_t>(StudentFlag::Eld)].clear();
    else if (changed == StudentFlag::Eld)
        flags[static_cast<size_t>(StudentFlag::Esl)].clear();
}
} // namespace

void toggleFlag(FlagCells& flags, StudentFlag flag)
{
    std::string& value = flags[static_cast<size_t>(flag)];
    value = value.empty() ? flagSet : "";
    exclude(flags, flag);
}

FlagCells flagsAfterHeadingClick(FlagCells flags, StudentFlag flag, bool on)
{
    flags[static_cast<size_t>(flag)] = on ? flagSet : "";
    exclude(flags, flag);
    return flags;
}

void setFlagForClass(ClassList& students, StudentFlag flag, bool on)
{
    for (StudentRecord& s : students)
        storeFlags(s, flagsAfterHeadingClick(flagsOf(s), flag, on));
}

FlagCells flagsOf(const StudentRecord& s)
{
    return {s.iep, s.esl, s.eld, s.interview};
}

void storeFlags(StudentRecord& s, const FlagCells& flags)
{
    s.iep = flags[0];
    s.esl = flags[1];
    s.eld = flags[2];
    s.interview = flags[3];
}

} // namespace tq
