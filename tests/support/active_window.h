#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace wed::test {

// Shows the window and makes it the active one, or skips the test where no window can become
// active the way it does on a desktop (no X display, or another platform).
#define WED_ACTIVATE_OR_SKIP(window)                                                               \
    do {                                                                                           \
        if (QGuiApplication::platformName() != QLatin1String("xcb"))                               \
            GTEST_SKIP() << "needs an active window on an X display (xcb), not "                   \
                         << QGuiApplication::platformName().toStdString();                         \
        (window).show();                                                                           \
        (window).activateWindow();                                                                 \
        ASSERT_TRUE(QTest::qWaitForWindowActive(&(window)));                                       \
    } while (false)

} // namespace wed::test
