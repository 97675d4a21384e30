#include "core/phrases/PhraseLibrary.h"

#include "core/base/ByteOrderKey.h"
#include "core/base/TextFile.h"
#include "core/classdata/CsvText.h"

#include <algorithm>
#include <sys/stat.h>

namespace tq {

std::string padLeftZeros(std::string s, size_t width)
{
    if (s.size() < width)
        s.insert(0, width - s.size(), '0');
    return s;
}

bool isNoPhraseCode(std::string_view code)
{
    return code.empty() || code == blankCode;
}

bool isSkippedPhraseLine(std::string_view line)
{
    const size_t last = line.find_last_not_of(' ');
    return last != std::string_view::npos && line[last] == '#';
}

namespace {
// Fills `p`, which is empty, from a library line: false when the line has no comma. Filled in
// place, because a library is ten thousand of them.
bool splitPhraseLineInto(std::string_view line, PhraseRecord& p)
{
    const size_t first = line.find(',');
    if (first == std::string_view::npos)
        return false;
    p.code.assign(line.substr(0, first));
    if (p.code.size() < 4)
        p.code.insert(0, 4 - p.code.size(), '0');
    const std::string_view rest = line.substr(first + 1);
    const size_t last = rest.rfind(',');
    if (last == std::string_view::npos) {
        p.text.assign(rest);
    } else {
        p.text.assign(rest.substr(0, last));
        p.categories.assign(rest.substr(last + 1));
    }
    return true;
}
} // namespace

std::optional<PhraseRecord> splitPhraseLine(std::string_view line)
{
    std::optional<PhraseRecord> p(std::in_place);
    if (!splitPhraseLineInto(line, *p))
        return std::nullopt;
    return p;
}

PhraseLibrary::PhraseLibrary(std::vector<PhraseRecord> phrases) : phrases_(std::move(phrases))
{
    size_t total = 0;
    for (const PhraseRecord& p : phrases_)
        total += p.text.size() + 2;
    sentences_.reserve(total);
    spans_.reserve(phrases_.size());
    keys_.reserve(phrases_.size());
    for (const PhraseRecord& p : phrases_) {
        keys_.push_back(byteOrderKey(p.code));
        const size_t offset = sentences_.size();
        appendSentence(sentences_, p.text);
        spans_.push_back(Span{offset, sentences_.size() - offset});
    }
}

std::optional<size_t> PhraseLibrary::find(std::string_view code) const
{
    // The binary search the library's order is made for: the first equal code met is the one.
    const uint64_t key = byteOrderKey(code);
    long lo = 1;
    long hi = static_cast<long>(phrases_.size());
    while (lo <= hi) {
        const long mid = (lo + hi) / 2;
        const auto i = static_cast<size_t>(mid - 1);
        // Different keys differ in the first eight bytes, in the same direction as the codes.
        const int c = keys_[i] != key ? (keys_[i] < key ? -1 : 1) : phrases_[i].code.compare(code);
        if (c == 0)
            return i;
        if (c > 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return std::nullopt;
}

std::string_view PhraseLibrary::sentence(size_t i) const
{
    const Span span = spans_[i];
    return std::string_view(sentences_).substr(span.offset, span.length);
}

PhraseLibraryLoad loadPhraseLibrary(const std::string& path)
{
    PhraseLibraryLoad load;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        load.message = phraseLibraryCorruptMessage();
        return load;
    }
    // Only an ordinary, visible file counts as the library.
    const size_t slash = path.find_last_of('/');
    const bool hidden = path.compare(slash == std::string::npos ? 0 : slash + 1, 1, ".") == 0;
    if (!S_ISREG(st.st_mode) || hidden) {
        load.message = phraseLibraryNotFoundMessage();
        return load;
    }
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        load.message = phraseLibraryCorruptMessage();
        return load;
    }
    return parsePhraseLibraryText(*text);
}

PhraseLibraryLoad parsePhraseLibraryText(std::string_view text)
{
    PhraseLibraryLoad load;
    const std::vector<std::string_view> lines = lineViews(text);
    if (lines.empty()) {
        load.message = phraseLibraryCorruptMessage();
        return load;
    }
    std::vector<PhraseRecord> phrases;
    phrases.reserve(std::min(lines.size() - 1, maxPhrases));
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (isSkippedPhraseLine(line))
            continue;
        if (phrases.size() >= maxPhrases || !splitPhraseLineInto(line, phrases.emplace_back())) {
            load.message = phraseLibraryCorruptMessage();
            return load;
        }
        if (phrases.back().code.front() == '"') {
            load.message = phraseLibraryQuotedMessage();
            return load;
        }
    }
    load.library = PhraseLibrary(std::move(phrases));
    return load;
}

void appendSentence(std::string& out, std::string_view text)
{
    text = trimSpaces(text);
    if (!text.empty() && text.front() == '"')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == '"')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '.')
        text.remove_suffix(1);
    out += text;
    out += ". ";
}

std::string tidySentence(std::string_view text)
{
    std::string s;
    appendSentence(s, text);
    return s;
}

std::string phraseShownFor(const PhraseLibrary& library, std::string_view code)
{
    const std::string_view phrase = lookupPhrase(library, code);
    return phrase.empty() && !isNoPhraseCode(code) ? std::string(notInLibraryText) : std::string(phrase);
}

std::string_view lookupPhrase(const PhraseLibrary& library, std::string_view code)
{
    if (isNoPhraseCode(code))
        return {};
    const std::optional<size_t> i = library.find(code);
    return i ? library.sentence(*i) : std::string_view();
}

Message phraseLibraryQuotedMessage()
{
    Message m{std::string("TQ1: Your TQPhraseLibrary.csv file is corrupt. ") + crlf + crlf +
              "Probable Cause: Your TQPhraseLibrary.csv file has not been properly prepared by your Tallyquill "
              "Administrator as Tallyquill uses its own indexed version of the current Phrase Library."};
    m.endsProgram = true;
    return m;
}

Message phraseLibraryCorruptMessage()
{
    Message m{std::string("TQ2: TQPhraseLibary.csv file could not be found in your Tallyquill folder or this "
                          "file is corrupt. ") +
              crlf +
              "It is more likely that this file has not been placed within your Tallyquill.exe folder. If present, "
              "your TQPhraseLibary.csv file is therefore corrupt in some way." +
              crlf + crlf +
              "Possible Corruption Cause: Your TQPhraseLibrary.csv file has not been properly prepared by your "
              "Tallyquill Administrator as Tallyquill uses its own indexed version of the Board's Phrase Libary."};
    m.endsProgram = true;
    return m;
}

Message phraseLibraryNotFoundMessage()
{
    return Message{"TQ3: Tallyquill Phrase Libary Source File, TQPhraseLibrary.csv, cannot be found."};
}

} // namespace tq
