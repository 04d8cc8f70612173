#include "dialogs/file_filter.h"
#include "dialogs/open_save_dlg.h"
#include "dialogs/toolkit_error.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace wed {
namespace {

// The parts joined by NUL characters, as a filter text holds them.
QString nulJoined(const QStringList& parts) {
    return parts.join(QChar(u'\0'));
}

// A dialog object whose Show is answered as the test says, keeping what it was asked.
class OpenSaveDLGTest : public testing::Test {
  protected:
    OpenSaveDLGTest() {
        dlg.setDialogRunner([this](const FileDialogRequest& r) {
            request = r;
            return answer;
        });
    }
    OpenSaveDLG dlg;
    FileDialogResult answer;
    std::optional<FileDialogRequest> request;
};

TEST_F(OpenSaveDLGTest, ShowHandsItsPropertiesToTheDialogAndSetsReturnPath) {
    answer = {1, QStringLiteral("/game/weapon.cfg")};
    dlg.setOwner(77);
    dlg.setDialogTitle(QStringLiteral(" 打开 "));
    const QString longName = QString(300, u'n') + QStringLiteral(".cfg"); // past any buffer
    dlg.setFileName(longName);
    dlg.setInitDir(QStringLiteral("/game"));
    dlg.setFilter(nulJoined({QStringLiteral("物品数据 (weapon.cfg)"), "weapon.cfg",
                             QStringLiteral("图片"), "*.tga; *.bmp", "all", "*.*", "", ""}));
    dlg.setReadOnly(kTrue16);
    dlg.setOldStyle(kTrue16);
    EXPECT_EQ(dlg.Show(0), kTrue16);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->owner, 77);
    EXPECT_FALSE(request->save);
    EXPECT_EQ(request->title, QStringLiteral("打开"));
    EXPECT_EQ(request->fileName, longName);
    EXPECT_EQ(request->initialDir, QStringLiteral("/game"));
    EXPECT_EQ(request->nameFilters,
              (QStringList{QStringLiteral("物品数据 (weapon.cfg) (weapon.cfg)"),
                           QStringLiteral("图片 (*.tga *.bmp)"), "all (*)"}));
    EXPECT_EQ(request->flags, 0x201u);
    EXPECT_EQ(dlg.ReturnPath(), QStringLiteral("/game/weapon.cfg"));
    dlg.Show(-1);
    EXPECT_TRUE(request->save);

    // An empty description ends the list; a description without patterns takes every file.
    EXPECT_TRUE(qtNameFilters(u"").isEmpty());
    EXPECT_EQ(qtNameFilters(nulJoined({"A", "*.a", "", "B", "*.b"})), QStringList{"A (*.a)"});
    EXPECT_EQ(qtNameFilters(nulJoined({"A", "", "B"})), QStringList{"A (*)"});
}

// The path ends at the first NUL; a cancel empties it and returns false, or raises error 18.
TEST_F(OpenSaveDLGTest, ReturnPathEndsAtTheFirstNulAndACancelEmptiesIt) {
    answer = {1, nulJoined({"/game", "a.cfg", "b.cfg"})};
    EXPECT_EQ(dlg.Show(0), kTrue16);
    EXPECT_EQ(dlg.ReturnPath(), QStringLiteral("/game"));
    answer = {0, QString()};
    EXPECT_EQ(dlg.Show(0), kFalse16);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    dlg.setCancelError(kTrue16);
    dlg.setReturnPath(QStringLiteral("/game/old.cfg"));
    try {
        dlg.Show(1);
        ADD_FAILURE() << "no error raised";
    } catch (const ToolkitError& error) {
        EXPECT_EQ(error.number(), 18);
    }
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    // A result that is neither a choice nor a cancel raises nothing.
    answer = {2, QStringLiteral("/game/a.cfg")};
    EXPECT_EQ(dlg.Show(0), kFalse16);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
}

TEST_F(OpenSaveDLGTest, ShortFileNameIsTheShortFormOfAnExistingPathAndNothingForAMissingOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a rather long file name.weapon.cfg"));
    const QString missing = dir.filePath(QStringLiteral("missing.cfg"));
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    answer = {1, path};
    dlg.Show(0);
    dlg.setShortFileName(kTrue16);
    const QString shortPath = dlg.ReturnPath();
    EXPECT_TRUE(QFileInfo(shortPath).isFile()) << shortPath.toStdString();
#ifdef Q_OS_WIN
    // An 8.3 name: no spaces, at most eight letters, a dot and three more.
    EXPECT_TRUE(QFileInfo(shortPath).fileName().contains(
        QRegularExpression(QStringLiteral(R"(^[^ .]{1,8}\.[^ .]{1,3}$)"))));
#else
    EXPECT_EQ(shortPath, path); // no short names here
#endif
    answer = {1, missing};
    dlg.Show(1);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    dlg.setShortFileName(kFalse16);
    EXPECT_EQ(dlg.ReturnPath(), missing);
}

} // namespace
} // namespace wed
