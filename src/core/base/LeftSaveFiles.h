#pragma once
// The temporary files of saves that were cut short (the program killed, the power gone) hold a
// whole class, names and IEP flags included. They are removed from a folder by the next save into
// it and, at start-up, from the teacher's folder.
#include <string>
#include <string_view>

namespace tq {

// The name a save's temporary file starts with; six letters or digits follow it.
inline constexpr std::string_view saveTempPrefix = ".tallyquill-save-";

bool isSaveTempName(std::string_view name);

// Removes from `folder` the temporary files saves left: only ordinary files of this user named
// as a save names them, and none a save is writing now (a save holds its file locked). The
// number removed.
int removeLeftSaveFiles(const std::string& folder);

} // namespace tq
