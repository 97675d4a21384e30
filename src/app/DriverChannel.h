#pragma once
// The line-by-line link between a driven program (TestDriver.h) and the test that drives it:
// lines read from one file descriptor (standard input) and lines written to another (standard
// output). Lines written hold no line end of their own: backslashes, CR and LF are written as
// \\, \r and \n.
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

class DriverChannel {
public:
    explicit DriverChannel(int in = 0, int out = 1) : in_(in), out_(out) {}

    int input() const { return in_; }
    // Reads what the input holds now, once (call it when the input is ready). False at its end.
    bool fill();
    // The next whole line read so far, without its line end; nothing when none is whole yet.
    std::optional<std::string> takeLine();
    // The next line, waiting for it; nothing once the input has ended.
    std::optional<std::string> waitLine();

    // Writes one line; from any thread.
    void say(std::string_view line);

private:
    int in_;
    int out_;
    std::string buffer_;
    bool ended_ = false;
    std::mutex sayMutex_;
};

} // namespace tq
