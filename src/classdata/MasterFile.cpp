#include "classdata/MasterFile.h"

#include "classdata/CsvText.h"
#include "program/TextFile.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

namespace {
// The fifteenth field as a view into the line; empty when a quoted field before it never closes.
std::string_view classCodesField(std::string_view line)
{
    std::optional<std::string_view> rest = skipCsvFields(line, 14);
    std::string_view codes;
    return rest && takeCsvFields(*rest, &codes, 1) ? codes : std::string_view();
}

// The distinct class codes met so far, as views into the master file's text. Every student names
// the codes of all their classes, so most codes are met again and again: an open-addressing table
// sized for the most codes a master file may give, keyed by the code's first sixteen bytes, makes
// a repeat cost one hash of two words and, for a longer code, one compare.
class ClassCodeSet {
public:
    // Codes are views into a text that ends at `textEnd`.
    explicit ClassCodeSet(const char* textEnd) : textEnd_(textEnd) {}

    // True when `code` was not in the set (it is then added).
    bool insert(std::string_view code)
    {
        const Key key = keyOf(code);
        const uint64_t hash = (key.head * 0x9E3779B97F4A7C15ull) ^ (key.tail * 0xC2B2AE3D27D4EB4Full) ^ code.size();
        for (size_t i = (hash ^ (hash >> 29)) & (slotCount - 1);; i = (i + 1) & (slotCount - 1)) {
            Slot& slot = slots_[i];
            if (slot.length == 0) {
                slot = Slot{key, static_cast<uint32_t>(code.size()), code.data()};
                return true;
            }
            if (slot.key.head == key.head && slot.key.tail == key.tail && slot.length == code.size() &&
                (code.size() <= sizeof(Key) || std::string_view(slot.data, slot.length) == code))
                return false;
        }
    }

private:
    struct Key {
        uint64_t head = 0;
        uint64_t tail = 0;
    };
    struct Slot {
        Key key;
        uint32_t length = 0; // 0: an empty slot (codes are never empty)
        const char* data = nullptr;
    };
    // The code's first sixteen bytes, zero beyond its end. Away from the end of the text the
    // two words are loaded whole and masked, which is much cheaper than copying n bytes.
    Key keyOf(std::string_view code) const
    {
        Key key;
        const size_t n = std::min(code.size(), sizeof(Key));
        if (textEnd_ - code.data() >= static_cast<std::ptrdiff_t>(sizeof(Key))) {
            std::memcpy(&key, code.data(), sizeof key);
            key.head &= lowBytes(n);
            key.tail &= lowBytes(n > 8 ? n - 8 : 0);
        } else {
            char bytes[sizeof(Key)] = {};
            std::memcpy(bytes, code.data(), n);
            std::memcpy(&key, bytes, sizeof key);
        }
        return key;
    }
    // A mask keeping the first n (0 to 8) bytes of a word loaded from memory.
    static uint64_t lowBytes(size_t n)
    {
        if (n >= 8)
            return ~uint64_t{0};
        if constexpr (std::endian::native == std::endian::little)
            return (uint64_t{1} << (8 * n)) - 1;
        uint64_t mask = 0;
        std::memset(&mask, 0xFF, n);
        return mask;
    }
    const char* textEnd_;
    // Over twice the codes a file may give before it is refused, so probes stay short.
    static constexpr size_t slotCount = 4096;
    static_assert(slotCount > 2 * (maxClassCodes + 1));
    std::vector<Slot> slots_ = std::vector<Slot>(slotCount);
};
} // namespace

std::string masterClassCodes(std::string_view line)
{
    return std::string(classCodesField(line));
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
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        result.message = masterUnreadableMessage();
        return result;
    }
    return classCodesFromMasterText(*text);
}

ClassCodeList classCodesFromMasterText(std::string_view text)
{
    ClassCodeList result;
    const std::vector<std::string_view> lines = lineViews(text);
    // An empty file has not even the header line: it cannot be read as a master file.
    if (lines.empty()) {
        result.message = masterUnreadableMessage();
        return result;
    }
    ClassCodeSet seen(text.data() + text.size());
    std::vector<std::string_view> distinct;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view codes = classCodesField(lines[i]);
        const char* p = codes.data();
        const char* const end = p + codes.size();
        // The words of the field: runs of anything but spaces, as nextWord takes them.
        while (p != end) {
            while (p != end && *p == ' ')
                ++p;
            const char* start = p;
            while (p != end && *p != ' ')
                ++p;
            const std::string_view word(start, static_cast<size_t>(p - start));
            if (word.empty() || isExcludedClassCode(word) || !seen.insert(word))
                continue;
            if (distinct.size() >= maxClassCodes) {
                result.message = masterUnreadableMessage();
                return result;
            }
            distinct.push_back(word);
        }
    }
    std::sort(distinct.begin(), distinct.end());
    result.codes.assign(distinct.begin(), distinct.end());
    if (result.codes.empty())
        result.message = masterHasNoClassCodesMessage();
    return result;
}

std::optional<ClassList> readMasterStudents(const std::string& path, const std::vector<std::string>& codes,
                                            size_t capacity)
{
    const std::optional<std::string> text = readTextFile(path);
    if (!text)
        return std::nullopt;
    return masterStudentsFromText(*text, codes, capacity);
}

std::optional<ClassList> masterStudentsFromText(std::string_view text, const std::vector<std::string>& codes,
                                                size_t capacity)
{
    const std::vector<std::string_view> lines = lineViews(text);
    if (lines.empty())
        return std::nullopt;
    ClassList students;
    for (size_t i = 1; i < lines.size(); ++i) {
        // The identity fields are taken only from the few lines that hold a wanted code.
        const std::optional<std::string_view> rest = skipCsvFields(lines[i], 14);
        if (!rest)
            return std::nullopt;
        std::array<std::string_view, 14> f;
        bool identityTaken = false;
        for (const std::string& code : codes) {
            if (rest->find(code) == std::string_view::npos)
                continue;
            if (!identityTaken) {
                std::string_view line = lines[i];
                takeCsvFields(line, f.data(), f.size());
                identityTaken = true;
            }
            if (students.size() >= capacity)
                return std::nullopt;
            students.push_back(newStudentRecord(code, std::string(f[3]), std::string(f[0]), std::string(f[1]),
                                                std::string(f[2]), std::string(f[7])));
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
