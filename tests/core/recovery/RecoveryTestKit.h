#pragma once
// For the tests of recovery copies: timers and a clock moved by hand, and a look
// at what the recovery folder holds.
#include "core/classdata/StudentRecord.h"
#include "core/recovery/LeftCopies.h"
#include "core/recovery/RecoveryCopies.h"
#include "core/recovery/RecoveryNames.h"
#include "support/NewStudents.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tq::test {

class ManualTimers {
public:
    RecoveryCopies::TimePoint now{};

    RecoveryCopies::RunLater runLater()
    {
        return [this](RecoveryCopies::Delay delay, std::function<void()> task) {
            tasks_.push_back({now + delay, std::move(task)});
        };
    }
    std::function<RecoveryCopies::TimePoint()> clock()
    {
        return [this] { return now; };
    }
    // Moves the clock on and runs every task due by then, earliest first.
    void advance(RecoveryCopies::Delay by)
    {
        now += by;
        for (;;) {
            auto due = std::min_element(tasks_.begin(), tasks_.end(), [](const Task& a, const Task& b) { return a.due < b.due; });
            if (due == tasks_.end() || due->due > now)
                return;
            std::function<void()> run = std::move(due->run);
            tasks_.erase(due);
            run();
        }
    }
    // The end of the current event: what is due now runs.
    void endOfEvent() { advance(RecoveryCopies::Delay{0}); }
    size_t waiting() const { return tasks_.size(); }

private:
    struct Task {
        RecoveryCopies::TimePoint due;
        std::function<void()> run;
    };
    std::vector<Task> tasks_;
};

// The copy folders in `folder`, of one instance or of all.
inline std::vector<std::string> copyFolders(const std::string& folder, const std::string& instance = {})
{
    std::vector<std::string> names;
    for (const std::string& name : namesInFolder(folder)) {
        const std::optional<RecoveryEntry> entry = recoveryEntryOf(name);
        if (entry && entry->what == RecoveryEntry::What::Copy && (instance.empty() || entry->instance == instance))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tq::test
