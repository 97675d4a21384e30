#pragma once
// What the program knows of each file it read or wrote during this run (its size, modification
// time and a hash of its bytes), so that it can tell before writing over one whether another
// program changed it since.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tq {

struct FileIdentity {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since 1970
    std::uint64_t contentHash = 0;
};

// The identity of the ordinary file at `path`; nothing when there is none or it cannot be read.
std::optional<FileIdentity> fileIdentity(const std::string& path);

class KnownFiles {
public:
    enum class Since { NeverKnown, Unchanged, Changed };

    // The program read or wrote the file at `path` just now (taken before reading, so that a
    // change made while it is read counts as a change).
    void remember(const std::string& path);
    void forget(const std::string& path);

    // The file compared with what the program last read or wrote of it. The same bytes under a
    // new time (a sync client that wrote it again) are no change; a file that is gone has nothing
    // to lose and is Unchanged.
    Since changeSince(const std::string& path) const;

private:
    std::map<std::string, FileIdentity> files_; // by the file's canonical path
};

} // namespace tq
