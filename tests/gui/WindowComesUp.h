#pragma once
// A window given the keyboard, as a window manager gives it to a window that comes up: asked for,
// and waited for until the application has it as its active window (offscreen, the request is
// carried out a moment later).
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tq::test {

inline void comesUp(QWidget* shown)
{
    ASSERT_TRUE(shown);
    shown->show();
    shown->activateWindow();
    for (int waited = 0; waited < 2000 && QApplication::activeWindow() != shown; waited += 10)
        QTest::qWait(10);
    ASSERT_EQ(QApplication::activeWindow(), shown) << shown->objectName().toStdString() << " never had the keyboard";
}

} // namespace tq::test
