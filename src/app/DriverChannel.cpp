#include "app/DriverChannel.h"

#include "core/base/LineEscape.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace tq {

bool DriverChannel::fill()
{
    if (ended_)
        return false;
    char bytes[4096];
    ssize_t n = 0;
    while ((n = ::read(in_, bytes, sizeof bytes)) < 0 && errno == EINTR) {
    }
    if (n <= 0) {
        ended_ = true;
        return false;
    }
    buffer_.append(bytes, static_cast<size_t>(n));
    return true;
}

std::optional<std::string> DriverChannel::takeLine()
{
    const size_t end = buffer_.find('\n');
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::optional<std::string> DriverChannel::waitLine()
{
    for (;;) {
        if (std::optional<std::string> line = takeLine())
            return line;
        pollfd ready{in_, POLLIN, 0};
        if (::poll(&ready, 1, -1) < 0 && errno != EINTR)
            return std::nullopt;
        if (!fill())
            return std::nullopt;
    }
}

void DriverChannel::say(std::string_view line)
{
    const std::string text = escapedLine(line) + "\n";
    std::lock_guard lock(sayMutex_);
    std::string_view rest = text;
    while (!rest.empty()) {
        const ssize_t n = ::write(out_, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        rest.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace tq
