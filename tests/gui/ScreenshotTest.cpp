// Not a check: with TQ_SCREENSHOTS set to a folder, saves pictures of the main window there so a
// developer can look at it. Skipped otherwise.
#include "MainWindowFixture.h"

#include <QApplication>
#include <QPushButton>

using namespace tq;
using namespace tq::test;

TEST_F(MainWindowTest, Screenshots)
{
    const QByteArray folder = qgetenv("TQ_SCREENSHOTS");
    auto save = [&](QWidget* w, const char* name) {
        QApplication::processEvents(); // let pending layout requests settle first
        w->grab().save(QString::fromUtf8(folder) + "/" + name);
    };
    if (folder.isEmpty())
        GTEST_SKIP() << "set TQ_SCREENSHOTS to a folder to save pictures of the windows";
    start(sampleFile("Sample.tqf"));
    save(window.get(), "main-empty.png");
    openClass(sampleClassCopy());
    window->msfgClass->setCurrent(4, 3);
    save(window.get(), "main-class.png");
    window->cmdSwitch->click();
    save(window.get(), "main-skills.png");
}
