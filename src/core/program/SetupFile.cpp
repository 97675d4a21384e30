#include "core/program/SetupFile.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/program/ProgramState.h"

#include <algorithm>
#include <fstream>

namespace tq {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameKey(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// One line of display text: control characters become spaces, the length is capped.
std::string schoolName(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            c = ' ';
    if (text.size() > maxSchoolNameLength)
        text.resize(maxSchoolNameLength);
    return std::string(trimmed(text));
}

// A folder name; nothing when no file system could hold it.
std::string folderName(std::string path)
{
    if (path.find('\0') != std::string::npos)
        return std::string();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

SchoolSetup parseSetup(std::string_view bytes)
{
    // A byte-order mark says UTF-8. Without one, text that is well-formed UTF-8 is taken as UTF-8
    // too: an editor on the school's machines saves UTF-8, and accented Windows-1252 text is
    // practically never well-formed UTF-8 by chance.
    bool utf8 = bytes.starts_with(utf8Bom);
    if (utf8)
        bytes.remove_prefix(utf8Bom.size());
    else
        utf8 = isWellFormedUtf8(bytes);

    SchoolSetup setup;
    for (std::string_view line : lineViews(bytes)) {
        line = trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#' || line.front() == '[')
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = unquoted(trimmed(line.substr(equals + 1)));
        if (sameKey(key, "School"))
            setup.school = schoolName(utf8 ? utf8ToCp1252(value) : std::string(value));
        else if (sameKey(key, "DataFolder"))
            setup.dataFolder = folderName(utf8 ? std::string(value) : cp1252ToUtf8(value));
        else if (sameKey(key, "Dictionary"))
            setup.dictionary = std::string(value);
    }
    return setup;
}

SchoolSetup readSetupFile(const std::string& path)
{
    if (!fileExists(path))
        return SchoolSetup();
    std::ifstream in(path, std::ios::binary);
    std::string bytes(maxSetupFileBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    // A line cut off at the limit is no line at all.
    if (bytes.size() == maxSetupFileBytes) {
        const size_t lastEnd = bytes.find_last_of("\r\n");
        bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd);
    }
    return parseSetup(bytes);
}

void applySetupFile(ProgramState& state)
{
    const SchoolSetup setup = readSetupFile(state.folders.programFolder + "/" + setupFileName);
    state.school = setup.school;
    if (!setup.dictionary.empty())
        state.spelling.setup.dictionaryName = setup.dictionary;
    if (!setup.dataFolder.empty())
        state.folders.dataFolder = setup.dataFolder.front() == '/'
                                       ? setup.dataFolder
                                       : state.folders.programFolder + "/" + setup.dataFolder;
}

} // namespace tq
