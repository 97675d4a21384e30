#include "core/recovery/CopyTrouble.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

CopyTrouble copyTroubleOf(int error, const std::string& folder)
{
    switch (error) {
    case 0: return CopyTrouble::None;
    case ENOSPC:
    case EDQUOT: return CopyTrouble::DiskFull;
    case EROFS: return CopyTrouble::ReadOnlyDisk;
    case EACCES:
    case EPERM: {
        // Typically a folder made by a run of the program under sudo.
        struct stat st {};
        return ::stat(folder.c_str(), &st) == 0 && st.st_uid != ::geteuid() ? CopyTrouble::OtherOwner
                                                                            : CopyTrouble::NotPermitted;
    }
    default: return CopyTrouble::Other;
    }
}

std::string copyTroubleText(CopyTrouble trouble)
{
    const char* cause = "";
    switch (trouble) {
    case CopyTrouble::None: return {};
    case CopyTrouble::DiskFull: cause = "disk full"; break;
    case CopyTrouble::OtherOwner: cause = "folder owned by another user"; break;
    case CopyTrouble::NotPermitted: cause = "no permission"; break;
    case CopyTrouble::ReadOnlyDisk: cause = "read-only disk"; break;
    case CopyTrouble::Other: cause = "write error"; break;
    }
    return std::string("Recovery copies cannot be written (") + cause + "): save your class now.";
}

CopyTroubleNews CopyTroubleReport::update(CopyTrouble now)
{
    CopyTroubleNews news{copyTroubleText(now), false};
    bool& told = told_[static_cast<size_t>(now)];
    if (now != CopyTrouble::None && !told)
        news.tell = told = true;
    return news;
}

} // namespace tq
