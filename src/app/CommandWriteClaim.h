#pragma once
// A command's hold on the class file it will write, as the window has on a class it opened: the
// file's lock for the whole run (a window that opens it meanwhile is told the command has it),
// what the file was when the command read it, and the check before it is written over. A class
// a window has open, or one another program changed since the command read it, is not written.
#include "core/base/FileIdentity.h"
#include "core/program/FileKeeping.h"

#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>

namespace tq {

class CommandWriteClaim {
public:
    // Takes the lock of `target` and remembers `read` as read just now (before it is read, so
    // that a change made while it is read counts). Nothing, after saying who has it open on
    // `err`, when a copy of the program has `target` open. Each refusal ends its line with
    // "Nothing was written." unless the command says that itself (`saysNothingWritten`).
    static std::optional<CommandWriteClaim> take(const std::string& read, const std::string& target, std::time_t now,
                                                 std::ostream& err, bool saysNothingWritten = false);

    // Just before writing: false, after saying why on `err`, when the target changed since it
    // was read or now leads to another file.
    bool mayWrite(std::time_t now, std::ostream& err) const;

private:
    OpenedFile target_;
    KnownFiles known_;
    const char* lineEnd_ = "\n";
};

} // namespace tq
