#include "classdata/MasterFile.h"

#include "classdata/CsvText.h"
#include "program/TextFile.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unordered_set>

namespace tq {

std::string masterFilePath(const std::string& dataFolder)
{
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const std::string wanted = lower(masterFileName);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder, ec)) {
        if (lower(entry.path().filename().string()) == wanted && entry.is_regular_file(ec))
            return entry.path().string();
    }
    return dataFolder + "/" + masterFileName;
}

std::string masterClassCodes(std::string_view line)
{
    for (int i = 0; i < 14; ++i)
        if (!nextCsvField(line))
            return {};
    return nextCsvField(line).value_or(std::string());
}

std::string_view nextWord(std::string_view& text)
{
    text = trimSpaces(text);
    const size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    return word;
}

std::string nextWord(std::string& text)
{
    std::string_view rest = text;
    std::string word(nextWord(rest));
    text = std::string(rest);
    return word;
}

bool isExcludedClassCode(std::string_view code)
{
    return code.starts_with("LUNCH") || code.starts_with("SH1") || code.starts_with("Z");
}

std::optional<std::time_t> fileCreationTime(const std::string& path)
{
    struct statx sx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_CTIME, &sx) != 0)
        return std::nullopt;
    if (sx.stx_mask & STATX_BTIME)
        return static_cast<std::time_t>(sx.stx_btime.tv_sec);
    return static_cast<std::time_t>(sx.stx_ctime.tv_sec);
}

std::optional<int> masterFileAge(const std::string& path, const Clock& now)
{
    const std::optional<std::time_t> created = fileCreationTime(path);
    if (!created)
        return std::nullopt;
    return calendarDaysBetween(*created, now());
}

ClassCodeList readClassCodeList(const std::string& path, const Clock& now)
{
    ClassCodeList result;
    const std::optional<int> age = masterFileAge(path, now);
    if (!age) {
        result.message = masterUnreadableMessage();
        return result;
    }
    if (*age > maxMasterAgeDays) {
        result.message = masterTooOldForClassListMessage(*age);
        return result;
    }
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    if (!lines) {
        result.message = masterUnreadableMessage();
        return result;
    }
    return classCodesFromMasterLines(*lines);
}

ClassCodeList classCodesFromMasterLines(const std::vector<std::string>& lines)
{
    ClassCodeList result;
    // An empty file has not even the header line: it cannot be read as a master file.
    if (lines.empty()) {
        result.message = masterUnreadableMessage();
        return result;
    }
    std::unordered_set<std::string> seen;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string codes = masterClassCodes(lines[i]);
        std::string_view rest = codes;
        while (!rest.empty()) {
            const std::string_view word = nextWord(rest);
            if (word.empty() || isExcludedClassCode(word) || seen.count(std::string(word)))
                continue;
            if (result.codes.size() >= maxClassCodes) {
                result.codes.clear();
                result.message = masterUnreadableMessage();
                return result;
            }
            seen.emplace(word);
            result.codes.emplace_back(word);
        }
    }
    std::sort(result.codes.begin(), result.codes.end());
    if (result.codes.empty())
        result.message = masterHasNoClassCodesMessage();
    return result;
}

std::optional<ClassList> readMasterStudents(const std::string& path, const std::vector<std::string>& codes,
                                            size_t capacity)
{
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    if (!lines)
        return std::nullopt;
    return masterStudentsFromLines(*lines, codes, capacity);
}

std::optional<ClassList> masterStudentsFromLines(const std::vector<std::string>& lines,
                                                 const std::vector<std::string>& codes, size_t capacity)
{
    if (lines.empty())
        return std::nullopt;
    ClassList students;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string_view rest = lines[i];
        std::array<std::string, 14> f;
        for (std::string& field : f) {
            std::optional<std::string> value = nextCsvField(rest);
            if (!value)
                return std::nullopt;
            field = std::move(*value);
        }
        for (const std::string& code : codes) {
            if (rest.find(code) == std::string_view::npos)
                continue;
            if (students.size() >= capacity)
                return std::nullopt;
            students.push_back(newStudentRecord(code, f[3], f[0], f[1], f[2], f[7]));
        }
    }
    return students;
}

namespace {
std::string tooOldText(const char* code, int age, const char* whose)
{
    return std::string(code) + ": The Trillium class data file is " + std::to_string(age) +
           " days old. A more recent copy needs to be created. " + crlf + "Please contact " + whose +
           " Tallyquill Administrator in your school.";
}
} // namespace

Message masterTooOldForClassListMessage(int age)
{
    return Message{tooOldText("TQ9", age, "your"), "Your Trillium Class File is Too Old!"};
}

Message masterTooOldForUpdateMessage(int age)
{
    return Message{tooOldText("TQ4", age, "the"), "Trillium Class File Too Old"};
}

Message masterUnavailableForUpdateMessage()
{
    return Message{"TQ5: You need to be at school to have access to the current student info."};
}

Message masterHasNoClassCodesMessage()
{
    Message m{std::string("TQ10a: Class File Read Error: Contact your Tallyquill School Administrator as your "
                          "primary class data file is corrupt or is currently unavailable.") +
              crlf +
              "Probable Cause: A corrupt or incorrect file or filename has been setup as Tallyquill's primary "
              "class data file."};
    m.endsProgram = true;
    return m;
}

Message masterUnreadableMessage()
{
    return Message{std::string("TQ10b: Class File Read Error: You need to be on your school's network to access "
                               "the current primary class data file.") +
                   crlf +
                   "Once your individual Tallyquill tqc class files are created, you can edit your class files on "
                   "or off your school's network." +
                   crlf + crlf +
                   "If you are running Tallyquill from your school's network and this error has occured; contact "
                   "your Tallyquill School Administrator as your primary class data file is currently unavailable "
                   "or is corrupt."};
}

} // namespace tq
