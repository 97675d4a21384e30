#pragma once
// The status line's word on the open class's file, and what the class dialogs make of it: they
// start in the folder of the class file last opened or saved, and a class restored from a
// recovery copy proposes the file it came from.
#include <QObject>

#include <string>

class QLabel;
class QStatusBar;

namespace tq {

class ClassFileStatus : public QObject {
public:
    explicit ClassFileStatus(QStatusBar& bar);

    // The class now open was read from or saved to `path`; empty for a class not saved yet.
    void showFile(const std::string& path);
    // The class now open was restored from a copy of the class kept in `originalFile`.
    void showRestored(const std::string& originalFile);

    // Where the class dialogs start: the last class file's folder, else `teacherFolder` when found.
    std::string dialogFolder(const std::string& teacherFolder) const;
    // The file a restored class came from, until it is saved or another class is open.
    const std::string& restoredFrom() const { return restoredFrom_; }

private:
    QLabel* lblClassFile = nullptr;
    std::string lastClassFile_;
    std::string restoredFrom_;
};

} // namespace tq
