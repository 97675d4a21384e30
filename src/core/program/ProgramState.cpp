#include "core/program/ProgramState.h"

namespace tq {

ProgramFolders programFoldersFor(const std::string& programFolder, const std::string& teacherFolder)
{
    ProgramFolders f;
    f.programFolder = programFolder;
    // Everything before the last separator; a path without one has no parent folder.
    const size_t slash = programFolder.find_last_of('/');
    f.appParentFolder = slash == std::string::npos ? std::string() : programFolder.substr(0, slash);
    f.dataFolder = f.appParentFolder + "/data";
    f.teacherFolder = teacherFolder;
    return f;
}

} // namespace tq
