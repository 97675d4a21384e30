#include "gui/reports/frmHelp.h"
#include "ControlOf.h"

#include "core/reports/HelpText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace tq {
namespace {

using test::controlOf;

TEST(frmHelpTest, ShowsTheHelpTextReadOnlyBesideTheMainWindow)
{
    QWidget mainWindow;
    auto* help = new frmHelp(&mainWindow);
    help->show();

    EXPECT_EQ(help->windowTitle(), "Help");
    EXPECT_FALSE(help->isModal());
    EXPECT_TRUE(controlOf<QTextEdit>(help, "Text1")->isReadOnly());
    EXPECT_EQ(controlOf<QPushButton>(help, "Command1")->text(), "CLOSE");

    const QStringList shown = controlOf<QTextEdit>(help, "Text1")->toPlainText().split(QLatin1Char('\n'));
    const std::vector<std::string> expected = helpTextLines();
    ASSERT_EQ(shown.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(shown[static_cast<qsizetype>(i)].toStdString(), expected[i]) << "line " << i + 1;
    EXPECT_EQ(shown[0], "Tallyquill");
    EXPECT_EQ(shown[1], "Version 3.1 (Linux edition)");
    delete help;
}

TEST(frmHelpTest, CloseButtonClosesAndFreesTheWindow)
{
    QWidget mainWindow;
    mainWindow.show();
    QPointer<frmHelp> help = new frmHelp(&mainWindow);
    help->show();
    QTest::mouseClick(controlOf<QPushButton>(help, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
    EXPECT_TRUE(mainWindow.isVisible());
}

} // namespace
} // namespace tq
