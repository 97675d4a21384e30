#pragma once
// The teacher's own folder: the Documents folder of the user, where the program's file dialogs
// start until the teacher has chosen a class file somewhere.
#include <string>

namespace tq {

// The user's Documents folder, as the desktop names it: XDG_DOCUMENTS_DIR in user-dirs.dirs of
// the configuration folder (`xdgConfigHome`, or `home`/.config when that is empty), with "$HOME"
// standing for `home`; `home`/Documents when the desktop names none. The program and its run
// command both ask this (the command `tallyquill documents-folder` prints it).
std::string documentsFolder(const std::string& home, const std::string& xdgConfigHome);
// The same for the running user ($HOME, $XDG_CONFIG_HOME).
std::string documentsFolderOfUser();

// True when `folder` is an existing folder that can be listed, even an empty one: the dialogs
// start there. A folder that cannot be examined counts as absent; this never throws.
bool teacherFolderFound(const std::string& folder);
// Where a file dialog starts: `teacherFolder` when found, else empty (the dialog's own choice).
std::string dialogStartFolder(const std::string& teacherFolder);

} // namespace tq
