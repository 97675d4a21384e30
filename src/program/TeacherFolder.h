#pragma once
// The teacher's own folder, where the favourites dialog of the start-up window (and the first class
// file dialog) starts. It only counts as present when it is really in use.
#include <string>

namespace tq {

// True when `folder` exists and holds at least one ordinary file: a regular file (or a link to
// one) whose name does not start with a dot. Subfolders do not count. A folder that cannot be
// listed counts as absent; this never throws.
bool teacherFolderFound(const std::string& folder);

} // namespace tq
