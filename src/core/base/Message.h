#pragma once
// A message the program must show to the teacher. Core functions never show anything themselves:
// they return one of these, and the window (or the command line) shows it.
#include <optional>
#include <string>

namespace tq {

inline constexpr const char* programTitle = "Tallyquill";
// The version label shown after "Tallyquill v" in captions and printed headings.
inline constexpr const char* versionLabel = "3.1 (Linux edition)";
inline constexpr const char* crlf = "\r\n";

struct Message {
    enum class Icon { None, Exclamation };

    std::string text;                   // exact text, CR LF where the message breaks lines
    std::string title = programTitle;   // box title
    Icon icon = Icon::None;
    bool endsProgram = false;           // the program must end once the message is acknowledged

    bool operator==(const Message&) const = default;
};

// The result of an operation that either succeeds or yields the message to show.
using MaybeMessage = std::optional<Message>;

} // namespace tq
