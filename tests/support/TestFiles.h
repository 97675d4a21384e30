#pragma once
// Helpers for tests that read and write real files.
#include "core/base/TextFile.h"
#include "core/classdata/StudentRecord.h"

#include <cerrno>
#include <ostream>

#include <string>

namespace tq::test {

// A fresh folder that is removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes `bytes` to the named file in this folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // Names of the files in the folder (to see that no temporary file was left behind).
    std::vector<std::string> fileNames() const;

private:
    std::string path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// Makes `path` a school file as the office leaves it: last changed a minute ago (one changed in
// the last two seconds may still be being copied, and the program waits for it).
void settleFile(const std::string& path);

// A fixture of tests/data.
std::string dataFile(const std::string& name);
// A file of the bundled sample data.
std::string sampleFile(const std::string& name);

// Writers that accept `limit` bytes and then fail, as a disk does whose error is `error`.
ByteWriterFactory failingAfter(size_t limit, int error = ENOSPC);

// Lines joined with CR LF, each line ended.
std::string crlfLines(std::initializer_list<std::string> lines);

} // namespace tq::test

namespace tq {
// A student as a failed comparison shows it: the class file's line.
void PrintTo(const StudentRecord& s, std::ostream* out);
} // namespace tq
