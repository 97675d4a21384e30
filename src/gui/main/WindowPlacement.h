#pragma once
// The main window hides while another working window (Comment Selection, Initial Values Setup,
// eFile) is open, and comes back at the place and size the teacher left it at, even where the
// window manager places a window anew each time it is shown.
#include <QObject>
#include <QRect>

#include <optional>

class QWidget;

namespace tq {

class WindowPlacement : public QObject {
public:
    explicit WindowPlacement(QWidget& window);

    void hideWindow();
    void showWindowAgain();

private:
    void movedByManager();

    QWidget& window_;
    struct Placement {
        QRect geometry;
        Qt::WindowStates state;
    };
    std::optional<Placement> beforeHiding_;
    bool placingAgain_ = false;
};

} // namespace tq
