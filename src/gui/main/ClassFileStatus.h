#pragma once
// The status line's word on the open class's file, and the file a class restored from a
// recovery copy came from, which its save dialog proposes.
#include <QObject>

#include <string>

class QLabel;
class QStatusBar;

namespace tq {

class ClassFileStatus : public QObject {
public:
    explicit ClassFileStatus(QStatusBar& bar);

    // The class now open was read from or saved to `path`; empty for a class not saved yet.
    // `unprotected` says why no lock could be made beside it ("" when one was).
    void showFile(const std::string& path, bool readOnly = false, const std::string& unprotected = std::string());
    // The class's file was opened without its lock (another copy had it, or it could not be made);
    // this copy now holds it.
    void showLockTaken(const std::string& path);
    // The class now open was restored from a copy of the class kept in `originalFile`.
    void showRestored(const std::string& originalFile);

    // The file a restored class came from, until it is saved or another class is open.
    const std::string& restoredFrom() const { return restoredFrom_; }

private:
    QLabel* lblClassFile = nullptr;
    std::string restoredFrom_;
};

} // namespace tq
