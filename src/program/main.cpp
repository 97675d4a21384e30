// Start-up of the windowed program: replaced by the real start-up as the main window lands.
#include <QApplication>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
