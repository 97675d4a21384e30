// Start-up, as a whole process, to its first window painted, each against a fair floor: a bare
// Qt program that paints the same window without the program's work. The program is started on
// the 10,000-phrase library: to the main window with the 1,000-entry favourites file (the start-up
// window skipped), and to the start-up window (the library read behind it). A blank window is
// kept for reference. Every start runs offscreen under the timed start (src/app/QuitAfterStart.h)
// and is measured three ways: on the clock, by the CPU time of the started process, and, when
// valgrind is installed, by the instructions callgrind counts (which a busy machine does not move).
#include "bench/BenchData.h"
#include "bench/MedianRatios.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tq::bench {
namespace {

// The program reads its phrase library from its own folder, so it runs from a copy placed in
// the folder of the generated files.
std::string programCopy()
{
    static const std::string copy = [] {
        const std::string path = sharedBenchFiles().folder + "/tallyquill";
        std::filesystem::copy_file(TQ_EXECUTABLE, path, std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    return copy;
}

// One timed start: the command and the value of TQ_QUIT_AFTER_START.
struct Start {
    std::vector<std::string> command;
    std::string quitAfter;
    std::string favourites;
};

Start programToMainWindow() { return {{programCopy()}, "1", sharedBenchFiles().favourites}; }
Start mainWindowFloor() { return {{TQ_MAIN_WINDOW_FLOOR, sharedBenchFiles().floorTexts}, "1", ""}; }
Start programToStartUpWindow() { return {{programCopy()}, "start-up-window", ""}; }
Start startUpWindowFloor() { return {{TQ_START_UP_WINDOW_FLOOR}, "1", ""}; }
Start blankWindow() { return {{TQ_BLANK_WINDOW}, "1", ""}; }

// Runs the start to its end. The CPU time it used (user and system), or a negative number when
// it failed or took longer than `patienceSeconds`.
double runTimedStart(const Start& start, int patienceSeconds = 30)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var(*e);
        if (!var.starts_with("QT_QPA_PLATFORM=") && !var.starts_with("TQ_"))
            env.push_back(var);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("TQ_QUIT_AFTER_START=" + start.quitAfter);
    env.push_back("TQ_START_FAVOURITES=" + start.favourites);
    std::vector<char*> envp;
    for (std::string& var : env)
        envp.push_back(var.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = start.command;
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // The child's end is awaited as a signal, so that a program that never quits (a message box
    // waiting for an answer) is ended after a while instead of hanging the benchmark.
    sigset_t childEnded;
    sigemptyset(&childEnded);
    sigaddset(&childEnded, SIGCHLD);
    sigprocmask(SIG_BLOCK, &childEnded, nullptr);
    // The offscreen platform's warnings would fill the report.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return -1;
    const timespec patience{patienceSeconds, 0};
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (::sigtimedwait(&childEnded, nullptr, &patience) < 0 && errno == EAGAIN) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Each start is measured twice over: by the clock, which is what the teacher waits, and by the
// CPU time the started process used, which other programs on a busy machine disturb far less.
void timedStarts(benchmark::State& state, const Start& start, bool cpu)
{
    for (auto _ : state) {
        const double used = runTimedStart(start);
        if (used < 0) {
            state.SkipWithError("the program did not start and end cleanly");
            break;
        }
        if (cpu)
            state.SetIterationTime(used);
    }
}

// The instructions of one start under callgrind, every thread counted; 0 when it failed.
double countedInstructions(const Start& start)
{
    const std::string out = sharedBenchFiles().folder + "/callgrind.out";
    Start counted = start;
    counted.command.insert(counted.command.begin(),
                           {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + out});
    if (runTimedStart(counted, 600) < 0)
        return 0;
    std::ifstream file(out);
    for (std::string line; std::getline(file, line);)
        if (line.starts_with("totals:") || line.starts_with("summary:"))
            return std::strtod(line.c_str() + line.find(':') + 1, nullptr);
    return 0;
}

// Counted once: the count is the same from run to run within a few parts in a thousand.
void countedStart(benchmark::State& state, const Start& start)
{
    for (auto _ : state) {
        const double instructions = countedInstructions(start);
        if (instructions <= 0) {
            state.SkipWithError("callgrind did not count a clean start");
            break;
        }
        state.counters["instructions"] = instructions;
    }
}

bool valgrindInstalled()
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t begin = 0; begin <= folders.size();) {
        size_t end = folders.find(':', begin);
        if (end == std::string::npos)
            end = folders.size();
        if (end > begin && ::access((folders.substr(begin, end - begin) + "/valgrind").c_str(), X_OK) == 0)
            return true;
        begin = end + 1;
    }
    return false;
}

void registerStarts()
{
    struct Named {
        const char* name;
        Start (*start)();
    };
    const Named starts[] = {
        {"MainWindow_Program", programToMainWindow},
        {"MainWindow_Floor", mainWindowFloor},
        {"StartUpWindow_Program", programToStartUpWindow},
        {"StartUpWindow_Floor", startUpWindowFloor},
        {"BlankWindow_Reference", blankWindow},
    };
    for (const Named& s : starts)
        benchmark::RegisterBenchmark((std::string("BM_Clock_") + s.name).c_str(),
                                     [s](benchmark::State& st) { timedStarts(st, s.start(), false); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    for (const Named& s : starts)
        benchmark::RegisterBenchmark((std::string("BM_Cpu_") + s.name).c_str(),
                                     [s](benchmark::State& st) { timedStarts(st, s.start(), true); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
    if (!valgrindInstalled())
        return;
    for (const Named& s : starts)
        benchmark::RegisterBenchmark((std::string("BM_Instructions_") + s.name).c_str(),
                                     [s](benchmark::State& st) { countedStart(st, s.start()); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(1);
}

} // namespace
} // namespace tq::bench

int main(int argc, char** argv)
{
    using namespace tq::bench;
    registerStarts();
    Goals goals;
    const struct {
        const char* label;
        const char* start;
    } windows[] = {
        {"Start-up to the main window (10,000 phrases, 1,000 favourites)", "MainWindow"},
        {"Start-up to the start-up window (10,000 phrases read behind it)", "StartUpWindow"},
    };
    for (const auto& w : windows) {
        const std::string start = w.start;
        goals.ratios.push_back({std::string(w.label) + ", clock", "BM_Clock_" + start + "_Program",
                                "BM_Clock_" + start + "_Floor", 1.3});
        goals.ratios.push_back({std::string(w.label) + ", CPU time of the process", "BM_Cpu_" + start + "_Program",
                                "BM_Cpu_" + start + "_Floor", 1.3});
        goals.instructionRatios.push_back({std::string(w.label) + ", instructions",
                                           "BM_Instructions_" + start + "_Program", "BM_Instructions_" + start + "_Floor",
                                           1.2});
    }
    for (const char* how : {"Clock", "Cpu"})
        goals.ratios.push_back({std::string("Main window against the blank window, ") +
                                    (how == std::string("Clock") ? "clock" : "CPU time"),
                                std::string("BM_") + how + "_MainWindow_Program",
                                std::string("BM_") + how + "_BlankWindow_Reference", 0});
    goals.instructionRatios.push_back({"Main window against the blank window, instructions",
                                       "BM_Instructions_MainWindow_Program", "BM_Instructions_BlankWindow_Reference", 0});
    return runBenchmarksWithGoals(argc, argv, goals);
}
