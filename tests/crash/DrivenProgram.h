#pragma once
// The real program started in a process of its own, offscreen, with a home folder of the test's
// own, and driven through its standard input and output (src/app/TestDriver.h).
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tq::test {

class DrivenProgram {
public:
    using Clock = std::chrono::steady_clock;

    // Starts the program with `arguments`, in `home` (which also holds its data and settings),
    // with the environment variables `settings` ("NAME=value") added.
    DrivenProgram(const std::string& home, const std::vector<std::string>& arguments,
                  const std::vector<std::string>& settings);
    // Ends the program if it still runs.
    ~DrivenProgram();
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;

    bool started() const { return pid_ > 0; }
    // The next line the program says, waiting until `deadline` at most; nothing when the time is
    // up or the program's output has ended.
    std::optional<std::string> nextLine(Clock::time_point deadline);
    void send(const std::string& line);
    // Ends the program at once, as a power cut or a killed session does.
    void kill();
    // Sends `signal` (a shutdown's SIGTERM, say) and waits for the program to end, at most until
    // `deadline` (then it is killed); its wait status, or nothing when it had to be killed.
    std::optional<int> endBy(int signal, Clock::time_point deadline);

private:
    pid_t pid_ = -1;
    int toProgram_ = -1;
    int fromProgram_ = -1;
    std::string buffer_;
};

} // namespace tq::test
