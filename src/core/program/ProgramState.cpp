#include "core/program/ProgramState.h"

#include "core/base/TeacherFolder.h"
#include "core/base/TextFile.h"

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

std::string fileDialogFolder(const ProgramFolders& folders)
{
    return folders.lastFileFolder.empty() ? dialogStartFolder(folders.teacherFolder) : folders.lastFileFolder;
}

void rememberFolderOf(ProgramFolders& folders, const std::string& path)
{
    if (!path.empty())
        folders.lastFileFolder = folderOfFile(path);
}

} // namespace tq
