#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Shows the window and makes it the active one, or skips the test where no window can become
// active the way it does on a desktop (no X display, or another platform).
#define WED_ACTIVATE_OR_SKIP(window)                                                               \
    do {                                                                                           \
        const QString platform = QGuiApplication::platformName();                                  \
        if (platform != QLatin1String("xcb") && platform != QLatin1String("windows"))              \
            GTEST_SKIP() << "needs an active window (xcb or windows), not "                        \
                         << platform.toStdString();                                                \
        (window).show();                                                                           \
        (window).activateWindow();                                                                 \
        ASSERT_TRUE(QTest::qWaitForWindowActive(&(window)));                                       \
    } while (false)
