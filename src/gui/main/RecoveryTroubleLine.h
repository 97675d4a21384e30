#pragma once
// A line on the main window's status bar that stays while recovery copies cannot be written.
#include <QObject>

#include <string>

class QLabel;
class QStatusBar;

namespace tq {

class RecoveryTroubleLine : public QObject {
public:
    explicit RecoveryTroubleLine(QStatusBar& bar);

    // The line's text (UTF-8); empty hides it.
    void show(const std::string& text);

private:
    QLabel* lblRecoveryTrouble = nullptr;
};

} // namespace tq
