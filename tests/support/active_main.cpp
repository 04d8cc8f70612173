// The main of the tests that need an active window (focus, completion and shortcuts differ on
// the offscreen platform): the windows platform on Windows, else xcb on the display given or on
// an Xvfb server started for the run.
#include "support/active_window.h"

#include <QApplication>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts Xvfb on a free display and points DISPLAY at it; 0 when it cannot be started.
pid_t startXvfb() {
    int fds[2];
    if (pipe(fds) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid == 0) { // the server goes with the test run and keeps none of its output channels
        close(fds[0]);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_RDWR);
        for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            dup2(null, fd);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string display;
    for (char c = 0; pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n';)
        display += c;
    close(fds[0]);
    if (display.empty()) {
        if (pid > 0)
            waitpid(pid, nullptr, 0);
        return 0;
    }
    setenv("DISPLAY", (':' + display).c_str(), 1);
    return pid;
}

} // namespace
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
#ifdef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "windows");
#else
    pid_t xvfb = 0;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        xvfb = startXvfb();
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
#ifndef Q_OS_WIN
    if (xvfb > 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
#endif
    return result;
}
