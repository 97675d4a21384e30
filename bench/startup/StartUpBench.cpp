// Start-up, as a whole process, to the main window shown: the program on the 10,000-phrase
// library with the 1,000-entry favourites file, against a blank Qt Widgets window. Both run
// offscreen under TQ_QUIT_AFTER_START=1 (see src/program/QuitAfterStart.h).
#include "bench/BenchData.h"
#include "bench/MedianRatios.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <spawn.h>
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

// Runs `program` to its end with the timed start; false when it failed.
bool runTimedStart(const std::string& program, const std::string& favourites)
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

    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return false;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_StartUp_Program(benchmark::State& state)
{
    const std::string program = programCopy();
    for (auto _ : state)
        if (!runTimedStart(program, sharedBenchFiles().favourites))
            state.SkipWithError("the program did not start and end cleanly");
}
BENCHMARK(BM_StartUp_Program)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Floor_StartUp_BlankWindow(benchmark::State& state)
{
    for (auto _ : state)
        if (!runTimedStart(TQ_BLANK_WINDOW, ""))
            state.SkipWithError("the blank window did not start and end cleanly");
}
BENCHMARK(BM_Floor_StartUp_BlankWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tq::bench

int main(int argc, char** argv)
{
    using namespace tq::bench;
    Goals goals;
    goals.ratios = {{"Start-up to the main window (10,000 phrases, 1,000 favourites)", "BM_StartUp_Program",
                     "BM_Floor_StartUp_BlankWindow", 1.3}};
    return runBenchmarksWithGoals(argc, argv, goals);
}
