#include "DrivenProgram.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tq::test {

DrivenProgram::DrivenProgram(const std::string& home, const std::vector<std::string>& arguments,
                             const std::vector<std::string>& settings)
{
    // A program that has ended must not end the test when it is written to.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var(*e);
        if (!var.starts_with("QT_QPA_PLATFORM=") && !var.starts_with("TQ_") && !var.starts_with("HOME=") &&
            !var.starts_with("XDG_"))
            env.push_back(var);
    }
    for (const std::string& var : {std::string("QT_QPA_PLATFORM=offscreen"), "HOME=" + home,
                                   "XDG_DATA_HOME=" + home + "/.local/share", "XDG_CONFIG_HOME=" + home + "/.config",
                                   "XDG_RUNTIME_DIR=" + home, std::string("TQ_TEST_DRIVER=1")})
        env.push_back(var);
    env.insert(env.end(), settings.begin(), settings.end());
    std::vector<char*> envp;
    for (std::string& var : env)
        envp.push_back(var.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{TQ_EXECUTABLE};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    // The offscreen platform's warnings, kept for a look when a test fails.
    const std::string log = home + "/program-output.txt";
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    pid_t pid = -1;
    if (::posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    toProgram_ = in[1];
    fromProgram_ = out[0];
}

DrivenProgram::~DrivenProgram()
{
    kill();
    if (toProgram_ >= 0)
        ::close(toProgram_);
    if (fromProgram_ >= 0)
        ::close(fromProgram_);
}

std::optional<std::string> DrivenProgram::nextLine(Clock::time_point deadline)
{
    for (;;) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || fromProgram_ < 0)
            return std::nullopt;
        pollfd ready{fromProgram_, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return std::nullopt;
        char bytes[4096];
        const ssize_t n = ::read(fromProgram_, bytes, sizeof bytes);
        if (n <= 0)
            return std::nullopt;
        buffer_.append(bytes, static_cast<size_t>(n));
    }
}

void DrivenProgram::send(const std::string& line)
{
    const std::string text = line + "\n";
    size_t done = 0;
    while (toProgram_ >= 0 && done < text.size()) {
        const ssize_t n = ::write(toProgram_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

void DrivenProgram::kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

std::optional<int> DrivenProgram::endBy(int signal, Clock::time_point deadline)
{
    if (pid_ <= 0)
        return std::nullopt;
    ::kill(pid_, signal);
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
        if (ended == pid_) {
            pid_ = -1;
            return status;
        }
        if ((ended < 0 && errno != EINTR) || Clock::now() >= deadline) {
            kill();
            return std::nullopt;
        }
        ::usleep(10000);
    }
}

} // namespace tq::test
