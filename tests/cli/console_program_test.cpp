// The command line as a program of its own: weapon-editor-cli, or weapon-editor.com in cmd.exe.
#include "cli/window_program.h"
#include "cli_run.h"
#include "support/qt_printers.h"

#include <QFileInfo>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wed::test {
namespace {

const QString kSample = QStringLiteral(WED_SAMPLE_DIR);

TEST(ConsoleProgram, QuotesArgumentsAsWindowsSplitsThem) {
    EXPECT_EQ(cli::windowsCommandLine(
                  {"C:\\a b\\w.exe", "x", "", "C:\\my dir\\", "say \"hi\"", "a\\\\\"b", "end\\"}),
              R"("C:\a b\w.exe" x "" "C:\my dir\\" "say \"hi\"" "a\\\\\"b" end\)");
}

#ifndef Q_OS_WIN
// The window is the other program's: without a command this one shows how to use both.
TEST(ConsoleProgram, WithoutACommandPrintsTheHelpAndExitsWithTwo) {
    const Ran bare = runProgram({kSample}, false, WED_CLI_PROGRAM);
    EXPECT_TRUE(bare.status == 2 && bare.out.isEmpty());
    EXPECT_EQ(bare.err, run({"help"}).out);
    EXPECT_EQ(runProgram({"list", kSample}, false, WED_CLI_PROGRAM).out,
              run({"list", kSample}).out);
}
#else
// At its prompt cmd.exe waits for console programs only ("cmd /c" for any, so the tests below
// cannot tell): the .com is one, the .exe a GUI program, as their headers' subsystem says.
TEST(ConsoleProgram, TheComIsAConsoleProgramAndTheExeAGuiProgram) {
    const auto subsystem = [](const char* program) {
        QFile file(QString::fromUtf8(program));
        const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
        const qint32 pe = head.size() < 64 ? 0 : qFromLittleEndian<qint32>(head.data() + 0x3c);
        const qint32 at = pe + 4 + 20 + 68; // the signature, the file header, then the field
        return pe > 0 && at + 2 <= head.size() ? qFromLittleEndian<quint16>(head.data() + at) : -1;
    };
    EXPECT_EQ(subsystem(WED_CLI_PROGRAM), IMAGE_SUBSYSTEM_WINDOWS_CUI);
    EXPECT_EQ(subsystem(WED_PROGRAM), IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// The console program and, as weapon-editor.exe beside it, a stand-in that records its start.
class TypedInCmd : public testing::Test {
  protected:
    TypedInCmd() {
        QFile::copy(QStringLiteral(WED_CLI_PROGRAM), path("weapon-editor.com"));
        QFile::copy(QStringLiteral(WED_STAND_IN), path("weapon-editor.exe"));
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    // A line typed into cmd.exe in the programs' folder; !ERRORLEVEL! is the last status.
    Ran cmd(const QString& line) const {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setNativeArguments(QStringLiteral("/v:on /c ") + line);
        process.start(QStringLiteral("cmd.exe"), {});
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir;
    const QString sample = QDir::toNativeSeparators(QFileInfo(kSample).absoluteFilePath());
};

// "weapon-editor" is the .com (the stand-in prints nothing); cmd.exe waits for it, takes its
// status, and its output comes in order, through a pipe and into a file.
TEST_F(TypedInCmd, CmdWaitsForItAndTakesItsOutputAndStatus) {
    EXPECT_EQ(cmd("weapon-editor help & echo AFTER").out, run({"help"}).out + "AFTER\r\n");
    const QString get = QStringLiteral("weapon-editor get \"%1\" weapon/heand ").arg(sample);
    const QString cost = run({"get", kSample, "weapon/heand", "Cost"}).out;
    // Through more, which reads the code page: the value is ASCII.
    EXPECT_EQ(cmd(get + "Cost | more").out, cost);
    const QString list = QStringLiteral("weapon-editor list \"%1\" armor").arg(sample);
    ASSERT_EQ(cmd(list + " > out.txt").status, 0);
    QFile out(path("out.txt"));
    EXPECT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), run({"list", kSample, "armor"}).out.toUtf8());
    EXPECT_EQ(cmd(get + "Cost&echo !ERRORLEVEL!&" + get + "None&echo !ERRORLEVEL!&" +
                  "weapon-editor list&echo !ERRORLEVEL!")
                  .out,
              cost + "0\r\n1\r\n2\r\n");
}

// Without a command it starts weapon-editor.exe of its own folder, in the current folder, with
// the same arguments, and ends at once; without that program it says so.
TEST_F(TypedInCmd, WithoutACommandStartsTheWindowsProgram) {
    const QString inside = QDir::toNativeSeparators(path("游戏 1"));
    QDir().mkpath(inside);
    const Ran started = cmd(QStringLiteral(R"(cd "%1" && ..\weapon-editor "C:\我的 游戏\\" )"
                                           R"("say \"hi\"" a\\\"b end\)")
                                .arg(inside));
    EXPECT_EQ(started.status, 0) << started.err.toStdString();
    QFile record(path("arguments.txt"));
    for (int i = 0; i < 600 && !record.exists(); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(record.readAll()),
              QStringList({inside, "C:\\我的 游戏\\", "say \"hi\"", "a\\\"b", "end\\"}).join('\n'));
    // The stand-in may still be running after it wrote the record, and a running program
    // cannot be removed.
    for (int i = 0; i < 200 && !QFile::remove(path("weapon-editor.exe")); ++i)
        QThread::msleep(50);
    ASSERT_FALSE(QFile::exists(path("weapon-editor.exe")));
    const Ran failed = cmd("weapon-editor");
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("无法启动编辑器窗口的程序")))
        << failed.err.toStdString();
}
#endif

} // namespace
} // namespace wed::test
