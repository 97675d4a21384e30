#pragma once
// The names the program gives the files it writes.
#include <string>

namespace tq {

// `path` as a file of the kind `extension` names (".tqc", ".tqf", ".trc"). A name that already
// ends in the extension, in any case, ends in it as written here (the readers accept only the
// lower-case ending, so "ENG.TQC" would be a class file the program could not open again); any
// other name gets the extension added, also a name with a dot of its own ("ENG2D1.01"). An empty
// path, or a path whose file name is empty (a folder), stays as it is.
std::string withRequiredExtension(const std::string& path, const std::string& extension);

} // namespace tq
