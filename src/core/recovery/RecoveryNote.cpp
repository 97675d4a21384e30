#include "core/recovery/RecoveryNote.h"

#include "core/base/LineEscape.h"
#include "core/base/TextFile.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <map>

namespace tq {

namespace {
template <typename T>
std::optional<T> numberIn(const std::string& s, int base = 10)
{
    T n{};
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return n;
}
} // namespace

std::uint64_t copyChecksum(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string recoveryNoteText(const RecoveryNote& note)
{
    char checksum[17];
    std::snprintf(checksum, sizeof checksum, "%016" PRIx64, note.checksum);
    std::string text;
    const auto line = [&text](std::string_view key, std::string_view value) {
        text.append(key).append("=").append(escapedLine(value)).append("\n");
    };
    line("kind", copyKindName(note.kind));
    line("copy", note.copyFile);
    line("length", std::to_string(note.length));
    line("checksum", checksum);
    line("original", note.originalFile);
    line("course", note.course);
    line("count", std::to_string(note.count));
    line("changed", std::to_string(static_cast<long long>(note.changed)));
    line("pid", std::to_string(note.pid));
    line("instance", note.instance);
    if (note.draft) {
        line("draftStudent", std::to_string(note.draft->student));
        line("draftNumber", note.draft->studentNumber);
        line("draftText", note.draft->text);
    }
    return text;
}

std::optional<RecoveryNote> parseRecoveryNote(std::string_view text)
{
    std::map<std::string, std::string, std::less<>> values;
    for (std::string_view line : lineViews(text)) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            values.emplace(std::string(line.substr(0, equals)), unescapedLine(line.substr(equals + 1)));
    }
    for (const char* key : {"kind", "copy", "length", "checksum", "original", "course", "count", "changed", "pid",
                            "instance"})
        if (!values.contains(key))
            return std::nullopt;
    RecoveryNote note;
    if (values["kind"] == copyKindName(CopyKind::Class))
        note.kind = CopyKind::Class;
    else if (values["kind"] == copyKindName(CopyKind::Favourites))
        note.kind = CopyKind::Favourites;
    else
        return std::nullopt;
    const std::optional<std::uint64_t> length = numberIn<std::uint64_t>(values["length"]);
    const std::optional<std::uint64_t> checksum = numberIn<std::uint64_t>(values["checksum"], 16);
    const std::optional<int> count = numberIn<int>(values["count"]);
    const std::optional<long long> changed = numberIn<long long>(values["changed"]);
    const std::optional<long> pid = numberIn<long>(values["pid"]);
    // The copy is a file of the note's own folder, never a path leading elsewhere.
    const std::string& copy = values["copy"];
    if (!length || !checksum || !count || !changed || !pid || copy.empty() || copy.starts_with('.') ||
        copy.find('/') != std::string::npos)
        return std::nullopt;
    note.copyFile = values["copy"];
    note.length = *length;
    note.checksum = *checksum;
    note.originalFile = values["original"];
    note.course = values["course"];
    note.count = *count;
    note.changed = static_cast<std::time_t>(*changed);
    note.pid = *pid;
    note.instance = values["instance"];
    if (values.contains("draftStudent")) {
        const std::optional<int> student = numberIn<int>(values["draftStudent"]);
        if (!student || !values.contains("draftNumber") || !values.contains("draftText"))
            return std::nullopt;
        note.draft = FreeFormDraft{*student, values["draftNumber"], values["draftText"]};
    }
    return note;
}

bool noteDescribes(const RecoveryNote& note, std::string_view bytes)
{
    return note.length == bytes.size() && note.checksum == copyChecksum(bytes);
}

} // namespace tq
