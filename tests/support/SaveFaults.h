#pragma once
// One check for every save of the program (class file, favourites file, eFile): whatever goes
// wrong on the teacher's disk, the file that was there before survives byte for byte and no
// temporary file is left behind.
#include "core/base/TextFile.h"

#include <functional>
#include <string>

namespace tq::test {

// A save under test: writes to `path` through writers from `makeWriter` (the real ones when it is
// empty) and returns whether it reports success.
using SaveFunction = std::function<bool(const std::string& path, const ByteWriterFactory& makeWriter)>;

// Runs `save` against a writer that fails after N bytes for every N below the file's size, a
// target that is a folder, a read-only target file, a read-only folder (not as root, who may
// write anywhere), a missing folder, and a target reached through a symbolic link. Each failure
// must be reported and leave the old file and the folder as they were; then a save that succeeds
// must write exactly `expected`.
void expectSaveSurvivesEveryFault(const SaveFunction& save, const std::string& fileName,
                                  const std::string& expected);

} // namespace tq::test
