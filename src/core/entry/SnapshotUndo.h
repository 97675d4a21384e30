#pragma once
// Undo by snapshots: before each change the whole thing changed (a student's record, a mark
// range) is kept with where it stands; undo puts the latest snapshot back. The stack keeps the
// latest 500 changes; recording one more forgets the oldest, and the new change is kept.
#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace tq {

template <typename Snapshot>
class SnapshotUndo {
public:
    static constexpr size_t capacity = 500;

    void push(Snapshot snapshot)
    {
        if (entries_.size() == capacity)
            entries_.pop_front();
        entries_.push_back(std::move(snapshot));
    }

    // The latest snapshot, taken off the stack.
    std::optional<Snapshot> takeLatest()
    {
        if (entries_.empty())
            return std::nullopt;
        Snapshot latest = std::move(entries_.back());
        entries_.pop_back();
        return latest;
    }

    void clear() { entries_.clear(); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    std::deque<Snapshot> entries_; // oldest first
};

} // namespace tq
