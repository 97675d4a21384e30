#include "support/TestFiles.h"

#include "core/classdata/ClassFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace tq::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tallyquill-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const
{
    const std::string p = file(name);
    writeBytes(p, bytes);
    return p;
}

void settleFile(const std::string& path)
{
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
}

std::vector<std::string> TempDir::fileNames() const
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string dataFile(const std::string& name)
{
    return std::string(TQ_TEST_DATA_DIR) + "/" + name;
}

std::string sampleFile(const std::string& name)
{
    return std::string(TQ_SAMPLE_DIR) + "/" + name;
}

namespace {
class FailingWriter final : public ByteWriter {
public:
    FailingWriter(int fd, size_t limit, int error) : fd_(fd), left_(limit), error_(error) {}
    bool write(std::string_view bytes) override
    {
        const size_t n = std::min(left_, bytes.size());
        if (n > 0 && ::write(fd_, bytes.data(), n) != static_cast<ssize_t>(n))
            return false;
        left_ -= n;
        if (n < bytes.size())
            errno = error_;
        return n == bytes.size();
    }

private:
    int fd_;
    size_t left_;
    int error_;
};
} // namespace

ByteWriterFactory failingAfter(size_t limit, int error)
{
    return [limit, error](int fd) { return std::make_unique<FailingWriter>(fd, limit, error); };
}

std::string crlfLines(std::initializer_list<std::string> lines)
{
    std::string s;
    for (const std::string& l : lines)
        s += l + "\r\n";
    return s;
}

} // namespace tq::test

namespace tq {
void PrintTo(const StudentRecord& s, std::ostream* out)
{
    *out << classFileLine(s);
}
} // namespace tq
