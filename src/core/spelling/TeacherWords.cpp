#include "core/spelling/TeacherWords.h"

#include "core/base/Cp1252.h"
#include "core/base/TrimBlanks.h"
#include "core/base/UserDataFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace tq {

namespace {
constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

bool isUtf8List(std::string_view bytes) { return bytes.starts_with(utf8Bom) || isWellFormedUtf8(bytes); }

// The list's bytes, at most one more than the limit (so that a larger list shows); an empty
// list when there is none, nothing when it is there but cannot be read.
std::optional<std::string> listBytes(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return ec ? std::nullopt : std::optional<std::string>(std::string());
    if (!fileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(maxTeacherWordsBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}
} // namespace

std::string teacherWordsFileOfUser()
{
    const std::string folder = userDataFolderOfUser();
    return folder.empty() ? folder : folder + "/" + teacherWordsFileName;
}

std::vector<std::string> teacherWordsOf(std::string_view bytes)
{
    const bool utf8 = isUtf8List(bytes);
    if (bytes.starts_with(utf8Bom))
        bytes.remove_prefix(utf8Bom.size());
    std::vector<std::string> words;
    for (std::string_view line : lineViews(bytes))
        if (const std::string_view word = trimBlanks(line); !word.empty())
            words.push_back(utf8 ? utf8ToCp1252(word) : std::string(word));
    return words;
}

std::vector<std::string> readTeacherWords(const std::string& path)
{
    if (path.empty())
        return {};
    std::string bytes = listBytes(path).value_or(std::string());
    // A line cut off at the limit is no word at all.
    if (bytes.size() > maxTeacherWordsBytes) {
        const size_t lastEnd = bytes.find_last_of("\r\n", maxTeacherWordsBytes - 1);
        bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd);
    }
    return teacherWordsOf(bytes);
}

bool addTeacherWord(const std::string& path, std::string_view word, const ByteWriterFactory& makeWriter)
{
    if (path.empty() || trimBlanks(word).empty() || word.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::optional<std::string> bytes = listBytes(path);
    if (!bytes || bytes->size() > maxTeacherWordsBytes)
        return false;
    const std::vector<std::string> listed = teacherWordsOf(*bytes);
    if (std::find(listed.begin(), listed.end(), trimBlanks(word)) != listed.end())
        return true;
    const bool utf8 = isUtf8List(*bytes);
    if (!bytes->empty() && bytes->back() != '\n' && bytes->back() != '\r')
        *bytes += '\n';
    *bytes += utf8 ? cp1252ToUtf8(trimBlanks(word)) : std::string(trimBlanks(word));
    *bytes += '\n';
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return replaceFileAtomically(path, *bytes, makeWriter);
}

} // namespace tq
