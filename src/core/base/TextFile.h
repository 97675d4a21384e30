#pragma once
// Reading and writing the program's text files. Files are 8-bit Windows-1252 text kept as bytes;
// lines are written with CR LF and read with CR LF, LF or a lone CR as line end.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// A whole text file as Windows-1252 bytes (see decodedText). Nothing when the file cannot be
// opened or read (or is a folder).
std::optional<std::string> readTextFile(const std::string& path);
// A whole file's bytes as they are, without decoding. Nothing as for readTextFile.
std::optional<std::string> readFileBytes(const std::string& path);

// A file's bytes as the program's text. A file that begins with a UTF-8 byte-order mark (a
// spreadsheet's "CSV UTF-8", a text editor's "UTF-8 with BOM") has announced its encoding: the mark
// is dropped and the text turned into Windows-1252 bytes. Any other file is taken as it is; NUL
// bytes are kept as ordinary bytes.
std::string decodedText(std::string bytes);

// Views of the lines of `text` without their line ends, valid while `text` is. The line end
// after the last line does not make an extra empty line.
std::vector<std::string_view> lineViews(std::string_view text);

// The lines of a text file without their line ends. The line end after the last line does not
// make an extra empty line. Nothing when the file cannot be opened or read (or is a folder).
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// Splits text held in memory the same way.
std::vector<std::string> splitLines(std::string_view text);

// The lines of a whole file's bytes, decoded as decodedText does.
std::vector<std::string> textFileLines(std::string_view bytes);

// Where a save writes its bytes. The real one writes to a file descriptor; tests use one that
// fails part-way to prove that a failed save leaves the old file whole.
class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    virtual bool write(std::string_view bytes) = 0;
};
using ByteWriterFactory = std::function<std::unique_ptr<ByteWriter>(int fd)>;

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over `path`. On any failure the temporary file is removed, the old file is left as it was
// and false is returned, with errno saying why. A target that is a folder, or a file its owner has made read-only, is
// never replaced; a target that is a symbolic link replaces the file the link points to.
bool replaceFileAtomically(const std::string& path, std::string_view bytes,
                           const ByteWriterFactory& makeWriter = {});

bool fileExists(const std::string& path);        // an ordinary file (not a folder)
std::string fileExtensionTail(const std::string& path, size_t n); // last n characters
std::string folderOfFile(const std::string& path); // the folder holding `path` ("." for a bare name)
std::string fileNameOf(const std::string& path);   // `path` without its folder

} // namespace tq
