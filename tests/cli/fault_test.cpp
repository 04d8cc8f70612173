// Faults of the disk and the file system, each really produced: the user gets a clear message,
// the files stay as they were and the program goes on (a command exits with 1).
#include "cli_run.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

// A game folder of one weapon, under `relative` in the temporary folder.
QString writeGame(TempGame& game, const QString& relative = QStringLiteral("game"),
                  int padding = 0) {
    QStringList lines{"Weapon=gun", "Cost=700", kEnd};
    for (int i = 0; i < padding; ++i)
        lines << QStringLiteral("; %1").arg(i, 60, 10, QLatin1Char('-'));
    lines << QString(); // the last line ends with CR LF
    game.writeItems(lines, relative + QStringLiteral("/weapon.cfg"));
    game.writeNames({"<gun>", "x", "123456789gun", ""},
                    relative + QStringLiteral("/Text/Weapon.txt"));
    return game.path(relative);
}

#ifdef Q_OS_LINUX
// A tmpfs of a few pages mounted on a folder, for as long as the object lives; nothing when
// this process may not mount one.
struct SmallDisk {
    SmallDisk(const QString& on, int kilobytes) : folder(on.toLocal8Bit()) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted = mount("tmpfs", folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            umount2(folder.constData(), MNT_DETACH);
    }
    const QByteArray folder;
    bool mounted = false;
};
#endif

// The disk fills while the new file is written: a real full disk (a small tmpfs) where this
// process may mount one, else a file size limit that fails the write the same way.
TEST(Faults, ADiskThatFillsDuringASaveLeavesTheFileAsItWas) {
    TempGame game;
    const QString folder = game.makeFolder(QStringLiteral("disk"));
#ifdef Q_OS_LINUX
    SmallDisk disk(folder, 256);
    const bool full = disk.mounted;
#else
    const bool full = false;
#endif
    writeGame(game, QStringLiteral("disk"), 1500); // about 100 KiB
    const auto items = [&] { return game.readFile(QStringLiteral("disk/weapon.cfg")); };
    const QByteArray before = items();
#ifdef WED_HAS_FILE_SIZE_LIMIT
    std::optional<FileSizeLimit> limit;
    if (!full)
        limit.emplace(rlim_t(before.size() / 2));
#else
    if (!full)
        GTEST_SKIP() << "this system can neither mount a small disk nor limit a file's size";
#endif
    if (full)
        game.writeFile(QStringLiteral("disk/filler"), QByteArray(100 * 1024, 'f'));
    const Ran ran = run({"set", folder, "weapon/gun", "Cost", "15"});
#ifdef WED_HAS_FILE_SIZE_LIMIT
    limit.reset();
#endif
    EXPECT_EQ(ran.status, 1);
    EXPECT_TRUE(
        ran.err.contains(full ? QStringLiteral("磁盘空间不足") : QStringLiteral("无法保存")))
        << ran.err.toStdString();
    EXPECT_EQ(items(), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (full ? QStringList{"filler", "weapon.cfg"} : QStringList{"weapon.cfg"}));
    // With room again, the same command goes through.
    QFile::remove(folder + QStringLiteral("/filler"));
    EXPECT_EQ(run({"set", folder, "weapon/gun", "Cost", "15"}).status, 0);
    EXPECT_EQ(items(), QByteArray(before).replace("Cost=700", "Cost=15"));
}

// A name file the user may not read refuses every command; a folder the user may not write in
// refuses set, whose temporary file goes there, but not list. Nothing is printed on a refusal
// and weapon.cfg keeps its bytes.
TEST(Faults, PermissionsThatStopTheUserRefuseTheCommands) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no permission bit stops reading a file or making one in a folder";
#else
    // Permission bits stop a user, not an administrator: as root, the program runs as "nobody".
    const auto runAsUser = [](const QStringList& arguments) {
        return geteuid() == 0 ? runProgram(arguments, true) : run(arguments);
    };
    TempGame game;
    const QString folder = writeGame(game);
    const QString names = folder + QStringLiteral("/Text/Weapon.txt");
    const QByteArray items = game.readFile(QStringLiteral("game/weapon.cfg"));
    using P = QFile::Permission;
    const auto open = P::ReadOwner | P::ReadGroup | P::ReadOther | P::ExeOwner | P::ExeGroup |
                      P::ExeOther | P::WriteOwner;
    QFile::setPermissions(game.folder(), open);
    QFile::setPermissions(folder + QStringLiteral("/weapon.cfg"), open | P::WriteOther);
    const QStringList list{"list", folder}, set{"set", folder, "weapon/gun", "Cost", "1"};
    QFile::setPermissions(names, P::WriteOwner);
    for (const QStringList& command : {list, set}) {
        const Ran ran = runAsUser(command);
        EXPECT_EQ(ran.status, 1) << command[0].toStdString();
        EXPECT_TRUE(ran.err.contains(QStringLiteral("没有读取文件")) && ran.out.isEmpty())
            << ran.err.toStdString();
    }
    QFile::setPermissions(names, open);
    QFile::setPermissions(folder, open & ~P::WriteOwner);
    EXPECT_EQ(runAsUser(list).status, 0);
    const Ran ran = runAsUser(set);
    EXPECT_EQ(ran.status, 1);
    EXPECT_TRUE(ran.err.contains(QStringLiteral("建立临时文件")) && ran.out.isEmpty())
        << ran.err.toStdString();
    EXPECT_EQ(game.readFile(QStringLiteral("game/weapon.cfg")), items);
#endif
}

} // namespace
} // namespace wed::test
