#pragma once
// The floors the file operations are measured against: what any program must at least do to
// read or write the same bytes line by line, with nothing of the program's own rules.
#include <string>
#include <vector>

namespace tq::bench {

// The file's lines as strings, read with the standard library's line reader (line ends dropped).
std::vector<std::string> readLinesFloor(const std::string& path);

// Writes `lines`, each ended with CR LF, to `path` line by line. Durable: as a save that can never
// leave a half-written file must, into a temporary file beside it that is flushed to the disk and
// renamed over the target. Not durable: straight into the file, left to the system to flush.
enum class Durability { Durable, Buffered };
bool writeLinesFloor(const std::string& path, const std::vector<std::string>& lines, Durability durability);

} // namespace tq::bench
