#pragma once
// Runs a benchmark program's benchmarks and then prints, as a Markdown table, each operation's
// median time against the floor measured in the same run, or against a time budget. Absolute
// times drift on a shared machine; ratios taken in one run hold much better. Times are CPU times
// of the benchmark program, except for benchmarks that ask for real time (those that wait for
// the disk or for another process).
#include <string>
#include <vector>

namespace tq::bench {

// Benchmarks are named as Google Benchmark names them, without "/real_time" and the like:
// "BM_Fill" or, with an argument, "BM_Fill/501".
struct RatioGoal {
    std::string label;     // what the teacher would call the operation
    std::string operation;
    std::string floor;
    double maxRatio = 0;   // 0: reported, no goal
};

struct TimeBudget {
    std::string label;
    std::string operation;
    double maxSeconds = 0;
    std::string budgetName; // such as "a frame (16.7 ms)"
};

struct Goals {
    std::vector<RatioGoal> ratios;
    std::vector<TimeBudget> budgets;
    // Compared by the benchmarks' "instructions" counter rather than by their times.
    std::vector<RatioGoal> instructionRatios;
};

inline constexpr double frameSeconds = 1.0 / 60.0;

// What main() does: parses Google Benchmark's options, runs the selected benchmarks with its
// usual report and prints the goals' tables (those whose benchmarks ran). Returns the exit code.
int runBenchmarksWithGoals(int argc, char** argv, const Goals& goals);

// A time as a person reads it: "812 ns", "41.3 us", "7.05 ms", "1.20 s".
std::string readableTime(double seconds);
// A count as a person reads it: "812", "41.3 k", "129 M".
std::string readableCount(double count);

} // namespace tq::bench
