#include "core/base/TextFile.h"

#include "core/base/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

std::vector<std::string_view> lineViews(std::string_view text)
{
    std::vector<std::string_view> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        // The next LF, then any CR before it: memchr keeps this at memory speed for long files.
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* lineEnd = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(lineEnd - p)));
        if (cr) {
            lines.emplace_back(p, static_cast<size_t>(cr - p));
            p = (cr + 1 == lf) ? lf + 1 : cr + 1; // CR LF, or a lone CR
        } else {
            lines.emplace_back(p, static_cast<size_t>(lineEnd - p));
            p = lf ? lf + 1 : end;
        }
    }
    return lines;
}

std::vector<std::string> splitLines(std::string_view text)
{
    const std::vector<std::string_view> views = lineViews(text);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string decodedText(std::string bytes)
{
    constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(utf8Bom))
        return utf8ToCp1252(std::string_view(bytes).substr(utf8Bom.size()));
    return bytes;
}

std::vector<std::string> textFileLines(std::string_view bytes)
{
    return splitLines(decodedText(std::string(bytes)));
}

std::optional<std::string> readTextFile(const std::string& path)
{
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return decodedText(std::move(*bytes));
}

std::optional<std::string> readFileBytes(const std::string& path)
{
    // Only an ordinary file: opening a pipe or a device could wait for ever.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read to the end rather than trusting the size: a file can grow or shrink while it is read.
    std::string bytes;
    size_t used = 0;
    bytes.resize(static_cast<size_t>(st.st_size) + 1);
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(used);
    return bytes;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path)
{
    const std::optional<std::string> text = readTextFile(path);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

namespace {
class FdWriter final : public ByteWriter {
public:
    explicit FdWriter(int fd) : fd_(fd) {}
    bool write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t w = ::write(fd_, bytes.data(), bytes.size());
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            bytes.remove_prefix(static_cast<size_t>(w));
        }
        return true;
    }

private:
    int fd_;
};

} // namespace

namespace {
// The process's file-creation mask. Read from /proc rather than set and set back with umask(),
// which would leave a moment in which another thread's new file gets no mask at all.
mode_t fileCreationMask()
{
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// The file a save replaces: the target of a symbolic link rather than the link itself, so that
// the link keeps pointing at the saved class.
std::string resolvedTarget(const std::string& path)
{
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path; // a dangling link: the save creates the file beside it
    std::string resolved(real);
    std::free(real);
    return resolved;
}
} // namespace

bool replaceFileAtomically(const std::string& requestedPath, std::string_view bytes,
                           const ByteWriterFactory& makeWriter)
{
    const std::string path = resolvedTarget(requestedPath);
    struct stat target {};
    const bool targetExists = ::stat(path.c_str(), &target) == 0;
    if (targetExists && !S_ISREG(target.st_mode))
        return false; // never replace a folder or a device
    // A file without write permission is one the teacher protected: writing over it in place
    // would fail, and a rename must not get round that.
    if (targetExists && (target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;

    std::string tmp = folderOfFile(path) + "/.tallyquill-save-XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return false;
    // Keep the permissions of the file being replaced; a new file gets those an ordinary create
    // gives it, so a teacher who keeps files private (umask 077) does not share a class of names,
    // marks and IEP flags with every user of the machine.
    ::fchmod(fd, targetExists ? (target.st_mode & 07777) : (0666 & ~fileCreationMask()));

    std::unique_ptr<ByteWriter> writer = makeWriter ? makeWriter(fd) : std::make_unique<FdWriter>(fd);
    bool ok = writer && writer->write(bytes);
    writer.reset();
    ok = ok && ::fsync(fd) == 0;
    int error = ok ? 0 : errno; // the first failure's, for the caller
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        if (error == 0)
            error = errno;
        ::unlink(tmp.c_str());
        errno = error;
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOfFile(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string folderOfFile(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

std::string fileExtensionTail(const std::string& path, size_t n)
{
    return path.size() >= n ? path.substr(path.size() - n) : path;
}

} // namespace tq
