#include "core/selection/FavouritesFile.h"

#include "core/classdata/CsvText.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace tq {

std::string& InitialValueRange::rangeComment(int k)
{
    return k == 1 ? rangeComment1 : k == 2 ? rangeComment2 : rangeComment3;
}

const std::string& InitialValueRange::rangeComment(int k) const
{
    return k == 1 ? rangeComment1 : k == 2 ? rangeComment2 : rangeComment3;
}

std::vector<InitialValueRange> defaultInitialRanges()
{
    struct Row { int low, high; const char* skill; };
    constexpr Row rows[] = {{80, 100, "4"}, {70, 79, "3"}, {60, 69, "3"}, {50, 59, "2"},
                            {40, 49, "1"},  {20, 39, "1"}, {0, 19, "1"}};
    std::vector<InitialValueRange> ranges;
    for (const Row& row : rows) {
        InitialValueRange r;
        r.lowMark = row.low;
        r.highMark = row.high;
        r.rangeSkills.fill(row.skill);
        ranges.push_back(r);
    }
    return ranges;
}

namespace {
std::optional<int> rangeCountOf(const std::string& line)
{
    const std::optional<int> n = parseShortInteger(line);
    if (!n || *n < 0 || static_cast<size_t>(*n) > maxInitialRanges)
        return std::nullopt;
    return n;
}

// True when the field at the front of `line` is the line's last: no separator follows it.
bool isLastField(std::string_view line)
{
    if (!line.empty() && line.front() == '"') {
        const size_t close = line.find('"', 1);
        return close == std::string_view::npos || close + 1 >= line.size();
    }
    return line.find(',') == std::string_view::npos;
}

std::optional<InitialValueRange> parseRangeLine(std::string_view line)
{
    std::array<std::string, 10> f;
    bool withoutSixthSkill = false;
    for (std::string& field : f) {
        withoutSixthSkill = isLastField(line);
        std::optional<std::string> value = nextCsvField(line);
        if (!value)
            return std::nullopt;
        field = std::move(*value);
    }
    const std::optional<int> low = parseShortInteger(f[0]);
    const std::optional<int> high = parseShortInteger(f[1]);
    if (!low || !high)
        return std::nullopt;
    InitialValueRange r;
    r.lowMark = *low;
    r.highMark = *high;
    for (int k = 1; k <= 3; ++k)
        r.rangeComment(k) = f[static_cast<size_t>(k + 1)];
    for (size_t k = 0; k < 5; ++k)
        r.rangeSkills[k] = f[5 + k];
    // Files written before there was a sixth skill end after the fifth: it stands for both. An
    // empty sixth field after a separator is a sixth skill that is not set.
    if (withoutSixthSkill) {
        r.rangeSkills[5] = r.rangeSkills[4];
    } else {
        std::optional<std::string> sixth = nextCsvField(line);
        if (!sixth)
            return std::nullopt;
        r.rangeSkills[5] = std::move(*sixth);
    }
    return r;
}

bool isValidEntry(const std::string& entry)
{
    return entry == blankCode || (entry >= "0000" && entry <= "9999");
}


MaybeMessage refuse(Favourites& fav)
{
    fav.favourites.clear();
    fav.initialRanges.clear();
    return invalidFavouritesFileMessage();
}
} // namespace

MaybeMessage readFavourites(Favourites& fav, const PhraseLibrary& library)
{
    if (fileExtensionTail(fav.favouritesFile, 3) != "tqf") {
        fav.favourites.clear();
        fav.initialRanges.clear();
        return invalidFavouritesTypeMessage();
    }
    const std::optional<std::vector<std::string>> lines = readTextLines(fav.favouritesFile);
    if (!lines)
        return refuse(fav);
    return readFavouritesLines(fav, *lines, library);
}

MaybeMessage readFavouritesLines(Favourites& fav, const std::vector<std::string>& lines,
                                 [[maybe_unused]] const PhraseLibrary& library)
{
    if (lines.empty())
        return refuse(fav);
    const std::optional<int> rangeCount = rangeCountOf(lines.front());
    if (!rangeCount || lines.size() < 1 + static_cast<size_t>(*rangeCount))
        return refuse(fav);

    std::vector<InitialValueRange> ranges;
    for (size_t i = 1; i <= static_cast<size_t>(*rangeCount); ++i) {
        std::optional<InitialValueRange> range = parseRangeLine(lines[i]);
        if (!range)
            return refuse(fav);
        ranges.push_back(std::move(*range));
    }
    const size_t firstEntry = 1 + static_cast<size_t>(*rangeCount);
    if (lines.size() - firstEntry > maxFavourites)
        return refuse(fav);
    std::vector<std::string> entries(lines.begin() + static_cast<long>(firstEntry), lines.end());
    if (!std::all_of(entries.begin(), entries.end(), isValidEntry))
        return refuse(fav);

    fav.favourites = std::move(entries);
    fav.initialRanges = std::move(ranges);
    return std::nullopt;
}

LackedCodes codesLibraryLacks(const Favourites& fav, const PhraseLibrary& library)
{
    LackedCodes codes;
    // Looked up by hash: a list of a thousand favourites is checked at every start-up.
    std::unordered_set<std::string_view> seen;
    seen.reserve(fav.favourites.size() + 3 * fav.initialRanges.size());
    const auto note = [&](const std::string& code) {
        if (isNoPhraseCode(code) || !seen.insert(code).second)
            return;
        if (lookupPhrase(library, code).empty())
            codes.lacked.push_back(code);
    };
    for (const std::string& code : fav.favourites)
        note(code);
    for (const InitialValueRange& range : fav.initialRanges)
        for (int k = 1; k <= 3; ++k)
            note(range.rangeComment(k));
    codes.used = seen.size();
    return codes;
}

std::string favouritesFileText(const Favourites& fav)
{
    std::string text = " " + std::to_string(fav.initialRanges.size()) + " " + crlf;
    for (const InitialValueRange& r : fav.initialRanges) {
        text += std::to_string(r.lowMark) + "," + std::to_string(r.highMark);
        for (int k = 1; k <= 3; ++k)
            text += "," + csvField(r.rangeComment(k));
        for (const std::string& skill : r.rangeSkills)
            text += "," + csvField(skill);
        text += crlf;
    }
    // Appending takes entries without checking them. An empty one stands for the separator it
    // was read from; one that the reader would refuse (letters, say) is not a phrase code and is
    // left out, since writing it would make the whole file unreadable.
    for (const std::string& entry : fav.favourites) {
        const std::string& written = entry.empty() ? std::string(blankCode) : entry;
        if (!isValidEntry(written))
            continue;
        text += written;
        text += crlf;
    }
    return text;
}

MaybeMessage saveFavourites(const Favourites& fav, const ByteWriterFactory& makeWriter)
{
    if (fav.favouritesFile.empty() || !replaceFileAtomically(fav.favouritesFile, favouritesFileText(fav), makeWriter))
        return favouritesNotSavedMessage();
    return std::nullopt;
}

namespace {
// The items of one line as delimited-field input reads them: leading spaces skipped, an item
// ends at a comma or the end of the line, a quoted item loses its quotes.
std::vector<std::string> delimitedItems(std::string_view line)
{
    std::vector<std::string> items;
    while (true) {
        const size_t start = line.find_first_not_of(' ');
        line = start == std::string_view::npos ? std::string_view() : line.substr(start);
        if (!line.empty() && line.front() == '"') {
            const size_t close = line.find('"', 1);
            const size_t end = close == std::string_view::npos ? line.size() : close;
            items.emplace_back(line.substr(1, end - 1));
            line = end + 1 >= line.size() ? std::string_view() : line.substr(end + 1);
            const size_t comma = line.find(',');
            if (comma == std::string_view::npos)
                break;
            line = line.substr(comma + 1);
            continue;
        }
        const size_t comma = line.find(',');
        items.emplace_back(line.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        line = line.substr(comma + 1);
    }
    return items;
}
} // namespace

bool appendFavouritesFrom(Favourites& fav, const std::string& path)
{
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    return lines && appendFavouritesLines(fav, *lines);
}

bool appendFavouritesLines(Favourites& fav, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return false;
    const std::optional<int> rangeCount = rangeCountOf(lines.front());
    if (!rangeCount || lines.size() < 1 + static_cast<size_t>(*rangeCount))
        return false;
    for (size_t i = 1 + static_cast<size_t>(*rangeCount); i < lines.size(); ++i) {
        for (std::string& item : delimitedItems(lines[i])) {
            if (fav.favourites.size() >= maxFavourites)
                return false;
            fav.favourites.push_back(std::move(item));
        }
    }
    return true;
}

Message invalidFavouritesTypeMessage()
{
    return Message{"TQ16: Invalid Favourites file type."};
}

Message invalidFavouritesFileMessage()
{
    return Message{"TQ17: Invalid Favourites file."};
}

Message favouritesNotSavedMessage()
{
    return Message{std::string("TQ18: Favourites file could not be saved. ") + crlf +
                   "It is likely that your disk is full or the floppy is not in the drive." + crlf +
                   "You should fix the problem and save your favourites in the Comment Selection window."};
}

} // namespace tq
