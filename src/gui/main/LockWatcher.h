#pragma once
// Watches, every two seconds, the locks of the class and favourites files this window opened
// without one (Open Anyway while another copy had them, or a lock that could not be made then)
// and takes each as soon as it is free, so that a third copy opening the file is told.
#include <QObject>
#include <QTimer>

#include <functional>

namespace tq {

struct ProgramState;

class LockWatcher : public QObject {
    Q_OBJECT
public:
    // `classLockTaken` is called when the open class's lock was taken.
    LockWatcher(ProgramState& state, QObject* parent, std::function<void()> classLockTaken);

    // Tries the locks now (the timer's work).
    void check();

private:
    ProgramState& state_;
    QTimer timer_;
    std::function<void()> classLockTaken_;
};

} // namespace tq
