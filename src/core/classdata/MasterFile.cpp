#include "core/classdata/MasterFile.h"

#include "core/base/ByteOrderKey.h"
#include "core/base/TextFile.h"
#include "core/classdata/CsvText.h"

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
// The fifteenth field as a view into the line. Nothing when a quoted field up to it never
// closes: the line cannot be read, as the student reader finds too.
std::optional<std::string_view> classCodesField(std::string_view line)
{
    std::optional<std::string_view> rest = skipCsvFields(line, 14);
    if (!rest)
        return std::nullopt;
    if (rest->empty() || rest->front() != '"')
        return rest->substr(0, rest->find(',')); // the usual case: up to the next comma
    std::string_view codes;
    if (!takeCsvFields(*rest, &codes, 1))
        return std::nullopt;
    return codes;
}

// The distinct class codes met so far, as views into the master file's text. Every student names
// the codes of all their classes, so most codes are met again and again: an open-addressing table
// sized for the most codes a master file may give, keyed by the code's first sixteen bytes, makes
// a repeat cost one hash of two words and, for a longer code, one compare. The table holds only a
// tag and a place in the list of codes, so it stays in the processor's nearest cache.
class ClassCodeSet {
public:
    // Codes are views into a text that ends at `textEnd`.
    explicit ClassCodeSet(const char* textEnd) : textEnd_(textEnd) { entries_.reserve(maxClassCodes + 1); }

    // True when `code` was not in the set (it is then added).
    bool insert(std::string_view code)
    {
        const Key key = keyOf(code);
        const uint64_t hash = (key.head * 0x9E3779B97F4A7C15ull) ^ (key.tail * 0xC2B2AE3D27D4EB4Full) ^ code.size();
        const auto tag = static_cast<uint16_t>(hash >> 48);
        for (size_t i = (hash ^ (hash >> 29)) & (slotCount - 1);; i = (i + 1) & (slotCount - 1)) {
            Slot& slot = slots_[i];
            if (slot.place == 0) {
                entries_.push_back(Entry{key, code});
                slot = Slot{tag, static_cast<uint16_t>(entries_.size())};
                return true;
            }
            if (slot.tag != tag)
                continue;
            const Entry& e = entries_[slot.place - 1u];
            if (e.key.head == key.head && e.key.tail == key.tail && e.code.size() == code.size() &&
                (code.size() <= sizeof(Key) || e.code == code))
                return false;
        }
    }

private:
    struct Key {
        uint64_t head = 0;
        uint64_t tail = 0;
    };
    struct Entry {
        Key key;
        std::string_view code;
    };
    struct Slot {
        uint16_t tag = 0;
        uint16_t place = 0; // 1 + the code's place in entries_; 0: an empty slot
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
    static_assert(slotCount > 2 * (maxClassCodes + 1) && maxClassCodes + 1 < 65535);
    std::vector<Slot> slots_ = std::vector<Slot>(slotCount);
    std::vector<Entry> entries_;
};

// Sorts codes into ascending byte order. Codes share long beginnings ("ENG2D1-01", "ENG2D1-02"),
// so each is compared first by its first sixteen bytes taken as two numbers, and byte by byte
// only when those are equal.
void sortInByteOrder(std::vector<std::string_view>& codes)
{
    struct Keyed {
        uint64_t first;
        uint64_t second;
        std::string_view code;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(codes.size());
    for (const std::string_view code : codes)
        keyed.push_back(Keyed{byteOrderKey(code), byteOrderKey(code, 8), code});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.first != b.first)
            return a.first < b.first;
        if (a.second != b.second)
            return a.second < b.second;
        return a.code < b.code;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        codes[i] = keyed[i].code;
}

// Whether `code` occurs anywhere in `text`, as string_view::find would tell. Each place holding
// the code's first character is checked against its first eight bytes as one number, so the many
// codes that begin alike cost no byte-by-byte comparison.
bool containsCode(std::string_view text, std::string_view code)
{
    if (code.size() < 8)
        return text.find(code) != std::string_view::npos;
    if (text.size() < code.size())
        return false;
    uint64_t head;
    std::memcpy(&head, code.data(), sizeof head);
    const char* p = text.data();
    const char* const last = text.data() + (text.size() - code.size()); // the last place it could begin
    while (p <= last) {
        p = static_cast<const char*>(std::memchr(p, code.front(), static_cast<size_t>(last - p) + 1));
        if (!p)
            return false;
        uint64_t here;
        std::memcpy(&here, p, sizeof here);
        if (here == head && std::memcmp(p + 8, code.data() + 8, code.size() - 8) == 0)
            return true;
        ++p;
    }
    return false;
}
} // namespace

std::string masterClassCodes(std::string_view line)
{
    return std::string(classCodesField(line).value_or(std::string_view()));
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

bool masterTextLooksWhole(std::string_view text)
{
    std::vector<std::string_view> lines = lineViews(text);
    while (!lines.empty() && trimSpaces(lines.back()).empty())
        lines.pop_back();
    return lines.size() >= 2 && csvFieldCount(lines.back()) >= masterFieldCount;
}

namespace {
struct FileStamp {
    off_t size = 0;
    struct timespec modified {};
    bool operator==(const FileStamp& o) const
    {
        return size == o.size && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileStamp{st.st_size, st.st_mtim};
}

MasterRead readMasterOnce(const std::string& path, const Clock& now)
{
    MasterRead read;
    const std::optional<FileStamp> before = stampOf(path);
    std::optional<std::string> text = readTextFile(path);
    const std::optional<FileStamp> after = stampOf(path);
    if (!before || !text || !after) {
        read.fault = MasterReadFault::Unreadable;
        return read;
    }
    const bool settled = *before == *after && now() - after->modified.tv_sec >= masterSettleSeconds;
    read.fault = settled && masterTextLooksWhole(*text) ? MasterReadFault::None : MasterReadFault::Incomplete;
    read.text = std::move(*text);
    return read;
}
} // namespace

MasterRead readSettledMasterFile(const std::string& path, const Clock& now, const Pause& pause)
{
    MasterRead read = readMasterOnce(path, now);
    if (read.fault != MasterReadFault::Incomplete)
        return read;
    pause(std::chrono::seconds(masterSettleSeconds));
    read = readMasterOnce(path, now);
    if (read.fault == MasterReadFault::Incomplete)
        read.text.clear();
    return read;
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
        const std::optional<std::string_view> field = classCodesField(lines[i]);
        if (!field) {
            result.message = masterUnreadableMessage();
            return result;
        }
        std::string_view rest = *field;
        while (!rest.empty()) {
            const std::string_view word = nextWord(rest);
            if (word.empty() || isExcludedClassCode(word) || !seen.insert(word))
                continue;
            if (distinct.size() >= maxClassCodes) {
                result.message = masterUnreadableMessage();
                return result;
            }
            distinct.push_back(word);
        }
    }
    sortInByteOrder(distinct);
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
            if (!containsCode(*rest, code))
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

Message masterIncompleteMessage()
{
    return Message{std::string("TQ24: The Trillium class data file is incomplete: it holds no student, its last line "
                               "is cut short, or it is still changing.") +
                   crlf +
                   "Probable Cause: The file may still be being copied; try again in a moment. Your class has not "
                   "been changed."};
}

Message masterHoldsNoneOfTheClassMessage()
{
    return Message{std::string("TQ25: The Trillium class data file holds none of the students of your class.") + crlf +
                   "Probable Cause: The file may be incomplete, or still being copied; try again in a moment. Your "
                   "class has not been changed."};
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
