#include "phrases/PhraseLibrary.h"

#include "classdata/CsvText.h"
#include "program/TextFile.h"

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
    const std::string_view t = trimSpaces(line);
    return !t.empty() && t.back() == '#';
}

std::optional<PhraseRecord> splitPhraseLine(std::string_view line)
{
    const size_t first = line.find(',');
    if (first == std::string_view::npos)
        return std::nullopt;
    PhraseRecord p;
    p.code = padLeftZeros(std::string(line.substr(0, first)), 4);
    const std::string_view rest = line.substr(first + 1);
    const size_t last = rest.rfind(',');
    if (last == std::string_view::npos) {
        p.text = std::string(rest);
    } else {
        p.text = std::string(rest.substr(0, last));
        p.categories = std::string(rest.substr(last + 1));
    }
    return p;
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
    const std::optional<std::vector<std::string>> lines = readTextLines(path);
    if (!lines) {
        load.message = phraseLibraryCorruptMessage();
        return load;
    }
    return parsePhraseLibraryLines(*lines);
}

PhraseLibraryLoad parsePhraseLibraryLines(const std::vector<std::string>& lines)
{
    PhraseLibraryLoad load;
    if (lines.empty()) {
        load.message = phraseLibraryCorruptMessage();
        return load;
    }
    std::vector<PhraseRecord>& phrases = load.library.phrases;
    phrases.reserve(std::min(lines.size() - 1, maxPhrases));
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (isSkippedPhraseLine(line))
            continue;
        std::optional<PhraseRecord> phrase = splitPhraseLine(line);
        if (!phrase || phrases.size() >= maxPhrases) {
            load.library.phrases.clear();
            load.message = phraseLibraryCorruptMessage();
            return load;
        }
        if (!phrase->code.empty() && phrase->code.front() == '"') {
            load.library.phrases.clear();
            load.message = phraseLibraryQuotedMessage();
            return load;
        }
        phrases.push_back(std::move(*phrase));
    }
    return load;
}

std::string tidySentence(std::string_view text)
{
    text = trimSpaces(text);
    if (!text.empty() && text.front() == '"')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == '"')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '.')
        text.remove_suffix(1);
    std::string s(text);
    s += ". ";
    return s;
}

std::string lookupPhrase(const PhraseLibrary& library, std::string_view code)
{
    if (isNoPhraseCode(code) || library.phrases.empty())
        return {};
    // The binary search the library's order is made for: the first equal code met is returned.
    long lo = 1;
    long hi = static_cast<long>(library.phrases.size());
    while (lo <= hi) {
        const long mid = (lo + hi) / 2;
        const std::string& probe = library.phrases[static_cast<size_t>(mid - 1)].code;
        const int c = probe.compare(code);
        if (c == 0)
            return tidySentence(library.phrases[static_cast<size_t>(mid - 1)].text);
        if (c > 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return {};
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
