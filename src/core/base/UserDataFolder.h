#pragma once
// The program's own folder among the user's data: what it keeps for the teacher outside the
// teacher's own folders (the recovery copies, the teacher's word list).
#include <string>

namespace tq {

// tallyquill in the user's data folder: $XDG_DATA_HOME when it is an absolute path,
// `home`/.local/share otherwise.
std::string userDataFolder(const std::string& home, const std::string& xdgDataHome);
// The same for the running user ($HOME, $XDG_DATA_HOME); empty when HOME is not set.
std::string userDataFolderOfUser();

} // namespace tq
