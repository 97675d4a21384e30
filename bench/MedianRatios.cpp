#include "bench/MedianRatios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <initializer_list>
#include <iterator>
#include <map>

namespace tq::bench {

namespace {
// Google Benchmark's console report, keeping each benchmark's median time (the time itself when
// it ran only once).
class MedianCollector : public benchmark::ConsoleReporter {
public:
    // In plain text: the report is read in logs and pasted into notes.
    MedianCollector() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single)
                continue;
            medians[keyOf(run)] = measuredTime(run) / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [name, counter] : run.counters)
                medians[keyOf(run) + "#" + name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> medians; // seconds; counters under "name#counter"

private:
    // The process's CPU time, which the other programs of a busy machine disturb far less than
    // the time on the clock; the clock's time where a benchmark waits for the disk or for other
    // processes (it then asks for real time), or the time it measured itself (manual time).
    static double measuredTime(const Run& run)
    {
        const std::string& type = run.run_name.time_type;
        return type == "real_time" || type == "manual_time" ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    }

    static std::string keyOf(const Run& run)
    {
        return run.run_name.args.empty() ? run.run_name.function_name
                                         : run.run_name.function_name + "/" + run.run_name.args;
    }
};

const double* find(const std::map<std::string, double>& medians, const std::string& name)
{
    const auto it = medians.find(name);
    return it == medians.end() ? nullptr : &it->second;
}

// `counter` empty: the goals compare times; else they compare that counter.
void printRatios(const std::map<std::string, double>& medians, const std::vector<RatioGoal>& goals,
                 const std::string& counter = "")
{
    bool header = false;
    for (const RatioGoal& g : goals) {
        const std::string key = counter.empty() ? "" : "#" + counter;
        const double* op = find(medians, g.operation + key);
        const double* floor = find(medians, g.floor + key);
        if (!op || !floor)
            continue;
        const auto readable = [&counter](double value) {
            return counter.empty() ? readableTime(value) : readableCount(value) + " " + counter;
        };
        if (!header) {
            std::cout << "\n| Operation | Median | Floor | Floor median | Ratio | Goal | Met |\n"
                         "|---|---:|---|---:|---:|---:|---|\n";
            header = true;
        }
        const double ratio = *op / *floor;
        char ratioText[32], goalText[32];
        std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        std::snprintf(goalText, sizeof goalText, g.maxRatio > 0 ? "≤ %.1f" : "—", g.maxRatio);
        const char* met = g.maxRatio <= 0 ? "(for reference)" : ratio <= g.maxRatio ? "yes" : "**no**";
        std::cout << "| " << g.label << " | " << readable(*op) << " | " << g.floor << " | " << readable(*floor) << " | " << ratioText << " | " << goalText << " | " << met << " |\n";
    }
}

void printBudgets(const std::map<std::string, double>& medians, const std::vector<TimeBudget>& budgets)
{
    bool header = false;
    for (const TimeBudget& b : budgets) {
        const double* op = find(medians, b.operation);
        if (!op)
            continue;
        if (!header) {
            std::cout << "\n| Operation | Median | Budget | Share of budget | Met |\n|---|---:|---|---:|---|\n";
            header = true;
        }
        char share[32];
        std::snprintf(share, sizeof share, "%.2f %%", 100.0 * *op / b.maxSeconds);
        std::cout << "| " << b.label << " | " << readableTime(*op) << " | " << b.budgetName << " | " << share
                  << " | " << (*op <= b.maxSeconds ? "yes" : "**no**") << " |\n";
    }
}
} // namespace

namespace {
struct Scale {
    double factor;
    const char* unit;
};

// The value in the first scale that keeps it under 1,000 (the last one otherwise), with three
// figures at most.
std::string scaled(double value, std::initializer_list<Scale> scales)
{
    const Scale* scale = std::prev(scales.end());
    for (const Scale& s : scales)
        if (value * s.factor < 1000) {
            scale = &s;
            break;
        }
    const double v = value * scale->factor;
    char text[32];
    std::snprintf(text, sizeof text, v < 10 ? "%.2f%s" : v < 100 ? "%.1f%s" : "%.0f%s", v, scale->unit);
    return text;
}
} // namespace

std::string readableTime(double seconds)
{
    return scaled(seconds, {{1e9, " ns"}, {1e6, " us"}, {1e3, " ms"}, {1, " s"}});
}

std::string readableCount(double count)
{
    return scaled(count, {{1, ""}, {1e-3, " k"}, {1e-6, " M"}, {1e-9, " G"}});
}

int runBenchmarksWithGoals(int argc, char** argv, const Goals& goals)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::cout.flush();
    printRatios(reporter.medians, goals.ratios);
    printRatios(reporter.medians, goals.instructionRatios, "instructions");
    printBudgets(reporter.medians, goals.budgets);
    std::cout.flush();
    return 0;
}

} // namespace tq::bench
