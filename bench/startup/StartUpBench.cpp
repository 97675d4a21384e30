// Start-up, as a whole process, to the main window shown: the program on the 10,000-phrase
// library with the 1,000-entry favourites file, against a blank Qt Widgets window. Both run
// offscreen under TQ_QUIT_AFTER_START=1 (see src/app/QuitAfterStart.h).
#include "bench/BenchData.h"
#include "bench/MedianRatios.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
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

// Runs `program` to its end with the timed start. The CPU time it used (user and system), or
// a negative number when it failed.
double runTimedStart(const std::string& program, const std::string& favourites)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var(*e);
        if (!var.starts_with("QT_QPA_PLATFORM=") && !var.starts_with("TQ_"))
            env.push_back(var);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("TQ_QUIT_AFTER_START=1");
    env.push_back("TQ_START_FAVOURITES=" + favourites);
    std::vector<char*> envp;
    for (std::string& var : env)
        envp.push_back(var.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

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
    const int spawned = ::posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return -1;
    const timespec patience{30, 0};
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
void timedStarts(benchmark::State& state, const std::string& program, const std::string& favourites, bool cpu)
{
    for (auto _ : state) {
        const double used = runTimedStart(program, favourites);
        if (used < 0) {
            state.SkipWithError("the program did not start and end cleanly");
            break;
        }
        if (cpu)
            state.SetIterationTime(used);
    }
}

void BM_StartUp_Program(benchmark::State& state) { timedStarts(state, programCopy(), sharedBenchFiles().favourites, false); }
void BM_Floor_StartUp_BlankWindow(benchmark::State& state) { timedStarts(state, TQ_BLANK_WINDOW, "", false); }
void BM_StartUpCpu_Program(benchmark::State& state) { timedStarts(state, programCopy(), sharedBenchFiles().favourites, true); }
void BM_Floor_StartUpCpu_BlankWindow(benchmark::State& state) { timedStarts(state, TQ_BLANK_WINDOW, "", true); }
// The program with the library but no favourites file: what the list of 1,000 favourites adds.
void BM_StartUp_ProgramNoFavourites(benchmark::State& state) { timedStarts(state, programCopy(), "", false); }
void BM_StartUpCpu_ProgramNoFavourites(benchmark::State& state) { timedStarts(state, programCopy(), "", true); }
BENCHMARK(BM_StartUp_Program)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartUp_ProgramNoFavourites)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Floor_StartUp_BlankWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartUpCpu_Program)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StartUpCpu_ProgramNoFavourites)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Floor_StartUpCpu_BlankWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
} // namespace tq::bench

int main(int argc, char** argv)
{
    using namespace tq::bench;
    Goals goals;
    goals.ratios = {
        {"Start-up to the main window (10,000 phrases, 1,000 favourites), clock", "BM_StartUp_Program",
         "BM_Floor_StartUp_BlankWindow", 1.3},
        {"The same, CPU time of the started process", "BM_StartUpCpu_Program", "BM_Floor_StartUpCpu_BlankWindow", 1.3},
        {"Start-up with the library and no favourites, clock", "BM_StartUp_ProgramNoFavourites",
         "BM_Floor_StartUp_BlankWindow", 1.3},
        {"The same, CPU time", "BM_StartUpCpu_ProgramNoFavourites", "BM_Floor_StartUpCpu_BlankWindow", 1.3},
    };
    return runBenchmarksWithGoals(argc, argv, goals);
}
