// The floor of start-up: a blank Qt Widgets main window of the program's size, which, under the
// same timed start as the program (TQ_QUIT_AFTER_START=1), ends once it has been painted.
#include "app/QuitAfterStart.h"
#include "app/QuitOnceShown.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1000, 700);
    window.show();
    if (tq::quitAfterStartFromEnvironment())
        tq::quitOnceShown(&window);
    return QApplication::exec();
}
