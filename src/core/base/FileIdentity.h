#pragma once
// What the program knows of each file it read or wrote during this run (which file its name led
// to, its size, modification time and a hash of its bytes), so that it can tell before writing
// over one whether another program changed it since, or put another file in its place.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tq {

struct FileIdentity {
    std::uint64_t device = 0; // the file the name led to (through any link)
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since 1970
    std::uint64_t contentHash = 0;
};

// The identity of the ordinary file `path` leads to; nothing when there is none or it cannot be read.
std::optional<FileIdentity> fileIdentity(const std::string& path);

class KnownFiles {
public:
    enum class Since { NeverKnown, Unchanged, Changed };

    // The program read or wrote the file at `path` just now (taken before reading, so that a
    // change made while it is read counts as a change).
    void remember(const std::string& path);
    void forget(const std::string& path);

    // The file compared with what the program last read or wrote of it, by its bytes whatever its
    // time says (a coarse time stamp may be put back to the same second). The same bytes under a
    // new time (a sync client that wrote them again in place) are no change; a name that now leads
    // to another file (a link replaced, a file moved in over it) is one; a file that is gone has
    // nothing to lose and is Unchanged. A file known under another name (a link to it) is known.
    Since changeSince(const std::string& path) const;
    // The name `path` the program read or wrote now leads to another file.
    bool leadsToAnotherFile(const std::string& path) const;

private:
    const FileIdentity* knownAs(const std::string& path, const std::optional<FileIdentity>& now) const;

    std::map<std::string, FileIdentity> files_; // by the name the program used, made absolute
};

} // namespace tq
