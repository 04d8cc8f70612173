// Faults of the disk and the file system, each really produced: the user gets a clear message,
// the files stay as they were and the program goes on (a command exits with 1).
#include "app/document_fixture.h"
#include "app/outcome_text.h"
#include "cli_run.h"
#include "edit/edit_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
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

QByteArray itemsIn(const QString& folder) {
    QFile file(folder + QStringLiteral("/weapon.cfg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_LINUX
// A tmpfs of a few pages mounted on a folder, for as long as the object lives; nothing when
// this process may not mount one.
class SmallDisk {
  public:
    SmallDisk(const QString& folder, int kilobytes) : folder_(folder.toLocal8Bit()) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = mount("tmpfs", folder_.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

  private:
    QByteArray folder_;
    bool mounted_ = false;
};
#endif

// The disk fills while the new file is written: a real full disk (a small tmpfs) where this
// process may mount one, else a file size limit that fails the write the same way.
TEST(Faults, ADiskThatFillsDuringASaveLeavesTheFileAsItWas) {
    TempGame game;
    const QString folder = game.makeFolder(QStringLiteral("disk"));
#ifdef Q_OS_LINUX
    SmallDisk disk(folder, 256);
    const bool full = disk.mounted();
#else
    const bool full = false;
#endif
    writeGame(game, QStringLiteral("disk"), 1500); // about 100 KiB
    const QByteArray before = itemsIn(folder);
    QFile filler(folder + QStringLiteral("/filler"));
    std::optional<FileSizeLimit> limit;
    if (full) {
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        ASSERT_EQ(filler.write(QByteArray(100 * 1024, 'f')), 100 * 1024);
        filler.close();
    } else {
#ifdef WED_HAS_FILE_SIZE_LIMIT
        limit.emplace(rlim_t(before.size() / 2));
#else
        GTEST_SKIP() << "this system can neither mount a small disk nor limit a file's size";
#endif
    }
    RecordProperty("full_disk", full ? "tmpfs" : "file size limit");
    const Ran ran = run({"set", folder, "weapon/gun", "Cost", "15"});
    limit.reset();
    EXPECT_EQ(ran.status, 1);
    EXPECT_TRUE(
        ran.err.contains(full ? QStringLiteral("磁盘空间不足") : QStringLiteral("无法保存")))
        << ran.err.toStdString();
    EXPECT_EQ(itemsIn(folder), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (full ? QStringList{"filler", "weapon.cfg"} : QStringList{"weapon.cfg"}));
    // With room again, the same command goes through.
    filler.remove();
    EXPECT_EQ(run({"set", folder, "weapon/gun", "Cost", "15"}).status, 0);
    EXPECT_EQ(itemsIn(folder), QByteArray(before).replace("Cost=700", "Cost=15"));
}

// Permission bits stop a user, not an administrator: as root, the program runs as "nobody".
Ran runAsUser(const QStringList& arguments) {
    return canDropPrivileges() ? runProgram(arguments, true) : run(arguments);
}

// Each fault refuses both reading and writing commands with its message; nothing is printed
// and weapon.cfg keeps its bytes. Windows has no permission bit that stops reading, nor one on
// a folder that stops making files in it.
TEST(Faults, FolderAndFileFaultsRefuseTheCommands) {
    TempGame game;
    const QString folder = writeGame(game);
    const QString names = folder + QStringLiteral("/Text/Weapon.txt");
    const QByteArray items = itemsIn(folder), nameBytes = game.readFile("game/Text/Weapon.txt");
    using P = QFile::Permission;
    const auto open = P::ReadOwner | P::ReadGroup | P::ReadOther | P::ExeOwner | P::ExeGroup |
                      P::ExeOther | P::WriteOwner;
    QFile::setPermissions(game.folder(), open);
    QFile::setPermissions(folder + QStringLiteral("/weapon.cfg"), open | P::WriteOther);
    const struct {
        const char* fault;
        std::function<void()> make, undo;
        QString message;
        bool reading; // list is refused too
    } faults[] = {
        {"names missing", [&] { QFile::remove(names); }, [&] {}, "找不到文件“", true},
        {"names empty", [&] { game.writeFile("game/Text/Weapon.txt", ""); }, [&] {}, "是空的",
         true},
#ifndef Q_OS_WIN
        {"names unreadable", [&] { QFile::setPermissions(names, P::WriteOwner); },
         [&] { QFile::setPermissions(names, open); }, "没有读取文件", true},
        {"folder not writable", [&] { QFile::setPermissions(folder, open & ~P::WriteOwner); },
         [&] { QFile::setPermissions(folder, open); }, "建立临时文件", false},
#endif
        {"weapon.cfg a folder",
         [&] {
             QFile::rename(folder + "/weapon.cfg", folder + "/x");
             game.makeFolder("game/weapon.cfg");
         },
         [&] {
             QDir(folder).rmdir("weapon.cfg");
             QFile::rename(folder + "/x", folder + "/weapon.cfg");
         },
         "是一个文件夹", true},
    };
    for (const auto& f : faults) {
        f.make();
        for (const QStringList& command :
             {QStringList{"list", folder}, QStringList{"set", folder, "weapon/gun", "Cost", "1"}}) {
            const Ran ran = runAsUser(command);
            const bool refused = f.reading || command[0] == "set";
            EXPECT_EQ(ran.status, refused ? 1 : 0) << f.fault << " " << command[0].toStdString();
            EXPECT_TRUE(!refused || (ran.err.contains(f.message) && ran.out.isEmpty()))
                << f.fault << ": " << ran.err.toStdString();
        }
        f.undo();
        game.writeFile("game/Text/Weapon.txt", nameBytes);
        EXPECT_EQ(itemsIn(folder), items) << f.fault;
    }
}

TEST(Faults, ASymbolicLinkIsKeptAndItsTargetEdited) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "making a symbolic link needs a privilege Windows does not give by default";
#endif
    TempGame game;
    const QString real = writeGame(game, QStringLiteral("real"));
    const QString folder = writeGame(game);
    QFile::remove(folder + QStringLiteral("/weapon.cfg"));
    ASSERT_TRUE(QFile::link(real + "/weapon.cfg", folder + "/weapon.cfg"));
    const QByteArray before = itemsIn(real);
    EXPECT_EQ(run({"set", folder, "weapon/gun", "Cost", "15"}).status, 0);
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/weapon.cfg")).isSymLink());
    EXPECT_EQ(itemsIn(real), QByteArray(before).replace("Cost=700", "Cost=15"));
}

// weapon.cfg deleted, or turned into a folder, after its item was shown: the edit is refused,
// nothing is made in its place, and the window goes on; with the file back, editing works.
TEST_F(DocumentFixture, AFileGoneOrTurnedIntoAFolderAfterShowingRefusesTheEdit) {
    game.writeItems({"Weapon=gun", "Cost=700", kEnd, "Weapon=rifle", "Cost=5", kEnd, ""});
    game.writeNames({"<gun>"});
    show(QStringLiteral("武器"), 0);
    const QByteArray before = items();
    const QString file = game.path(QStringLiteral("weapon.cfg"));
    for (const bool folder : {false, true}) {
        QFile::remove(file);
        if (folder)
            game.makeFolder(QStringLiteral("weapon.cfg"));
        const Outcome outcome = type(CategoryId::Weapon, "Text5", "15");
        EXPECT_EQ(outcome.status, folder ? Status::IsFolder : Status::FileMissing);
        EXPECT_TRUE(describe(outcome).contains(QStringLiteral("weapon.cfg")));
        EXPECT_EQ(QFileInfo::exists(file), folder);
        document.showItem(1);
        EXPECT_EQ(shownText(CategoryId::Weapon, "Text5"), QStringLiteral("5"));
        QDir().rmdir(file);
        game.writeFile(QStringLiteral("weapon.cfg"), before);
        document.showItem(0);
    }
    EXPECT_TRUE(type(CategoryId::Weapon, "Text5", "15").done());
    EXPECT_EQ(items(), QByteArray(before).replace("Cost=700", "Cost=15"));
}

} // namespace
} // namespace wed::test
