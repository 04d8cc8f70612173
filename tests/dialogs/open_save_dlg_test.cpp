#include "dialogs/open_save_dlg.h"
#include "dialogs/short_path.h"
#include "dialogs/toolkit_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace wed {
namespace {

// Stands in for the modal dialog: records what Show asked for and answers as told.
struct FakeDialog {
    FileDialogResult answer;
    std::optional<FileDialogRequest> request;

    void attachTo(OpenSaveDLG& dlg) {
        dlg.setDialogRunner([this](const FileDialogRequest& r) {
            request = r;
            return answer;
        });
    }
};

// A dialog object whose Show is answered by the fake.
class OpenSaveDLGTest : public testing::Test {
  protected:
    OpenSaveDLGTest() { fake.attachTo(dlg); }
    OpenSaveDLG dlg;
    FakeDialog fake;
};

TEST_F(OpenSaveDLGTest, StringSettersDropSurroundingSpacesOnly) {
    dlg.setDialogTitle(QStringLiteral("  选择文件  "));
    EXPECT_EQ(dlg.DialogTitle(), QStringLiteral("选择文件"));
    dlg.setFileName(QStringLiteral(" weapon.cfg "));
    EXPECT_EQ(dlg.FileName(), QStringLiteral("weapon.cfg"));
    dlg.setInitDir(QStringLiteral("   "));
    EXPECT_EQ(dlg.InitDir(), QString());
    // Tabs and the NUL separators of a filter are not spaces.
    const QString filter = QStringLiteral("\tA") + QChar(u'\0') + QStringLiteral("*.a") +
                           QChar(u'\0') + QStringLiteral(" ");
    dlg.setFilter(filter);
    EXPECT_EQ(dlg.Filter(), filter.chopped(1));
    dlg.setReturnPath(QStringLiteral(" /game/weapon.cfg  "));
    EXPECT_EQ(dlg.ReturnPath(), QStringLiteral("/game/weapon.cfg"));
}

TEST_F(OpenSaveDLGTest, BooleansStartFalseAndAreMinusOneOrZero) {
    EXPECT_EQ(dlg.OldStyle() | dlg.CancelError() | dlg.ShortFileName() | dlg.Owner(), 0);
    dlg.setOldStyle(1);
    dlg.setCancelError(kTrue16);
    dlg.setShortFileName(42);
    EXPECT_EQ(dlg.OldStyle(), -1);
    EXPECT_EQ(dlg.CancelError(), -1);
    EXPECT_EQ(dlg.ShortFileName(), -1);
    dlg.setOldStyle(0);
    EXPECT_EQ(dlg.OldStyle(), 0);
}

TEST_F(OpenSaveDLGTest, ShowHandsItsPropertiesToTheDialog) {
    fake.answer = {1, QStringLiteral("/game/weapon.cfg")};
    dlg.setOwner(77);
    dlg.setDialogTitle(QStringLiteral(" 打开 "));
    const QString longName =
        QString(300, u'n') + QStringLiteral(".cfg"); // past the record's buffer
    dlg.setFileName(longName);
    dlg.setInitDir(QStringLiteral("/game"));
    dlg.setFilter(QStringLiteral("数据") + QChar(u'\0') + QStringLiteral("*.cfg") + QChar(u'\0'));
    dlg.setReadOnly(kTrue16);
    dlg.setOldStyle(kTrue16);

    EXPECT_EQ(dlg.Show(0), kTrue16);
    ASSERT_TRUE(fake.request);
    EXPECT_EQ(fake.request->owner, 77);
    EXPECT_FALSE(fake.request->save);
    EXPECT_EQ(fake.request->title, QStringLiteral("打开"));
    EXPECT_EQ(fake.request->fileName, longName);
    EXPECT_EQ(fake.request->initialDir, QStringLiteral("/game"));
    EXPECT_EQ(fake.request->nameFilters, QStringList{QStringLiteral("数据 (*.cfg)")});
    EXPECT_EQ(fake.request->flags, 0x201u);
    EXPECT_EQ(dlg.ReturnPath(), QStringLiteral("/game/weapon.cfg"));

    dlg.setReadOnly(kFalse16);
    dlg.setOldStyle(kFalse16);
    dlg.Show(1);
    EXPECT_TRUE(fake.request->save);
    EXPECT_EQ(fake.request->flags, 0x80200u);
    dlg.Show(-1);
    EXPECT_TRUE(fake.request->save);
}

TEST_F(OpenSaveDLGTest, ReturnPathEndsAtTheFirstNulOrTakesATextWithoutOne) {
    fake.answer = {1, QStringLiteral("/game") + QChar(u'\0') + QStringLiteral("a.cfg") +
                          QChar(u'\0') + QStringLiteral("b.cfg")};
    EXPECT_EQ(dlg.Show(0), kTrue16);
    EXPECT_EQ(dlg.ReturnPath(), QStringLiteral("/game"));
    const QString longPath = QStringLiteral("/") + QString(600, u'y');
    fake.answer = {1, longPath};
    EXPECT_EQ(dlg.Show(0), kTrue16);
    EXPECT_EQ(dlg.ReturnPath(), longPath);
}

// Cancelling empties ReturnPath and returns false, or raises error 18 with CancelError.
TEST_F(OpenSaveDLGTest, CancellingReturnsFalseOrRaisesErrorEighteen) {
    dlg.setReturnPath(QStringLiteral("/game/old.cfg"));
    fake.answer = {0, QString()};
    EXPECT_EQ(dlg.Show(0), kFalse16);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    dlg.setCancelError(kTrue16);
    dlg.setReturnPath(QStringLiteral("/game/old.cfg"));
    try {
        dlg.Show(1);
        ADD_FAILURE() << "no error raised";
    } catch (const ToolkitError& error) {
        EXPECT_EQ(error.number(), 18);
        EXPECT_FALSE(error.description().isEmpty());
    }
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    // A result that is neither a choice nor a cancel raises nothing.
    fake.answer = {2, QStringLiteral("/game/a.cfg")};
    EXPECT_EQ(dlg.Show(0), kFalse16);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
}

TEST_F(OpenSaveDLGTest, ShortFileNameIsTheShortFormOfAnExistingPathAndNothingForAMissingOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a rather long file name.weapon.cfg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("the same file");
    file.close();

    const QString shortPath = shortPathName(path);
    QFile found(shortPath);
    ASSERT_TRUE(found.open(QIODevice::ReadOnly)) << shortPath.toStdString();
    EXPECT_EQ(found.readAll(), "the same file");
#ifdef Q_OS_WIN
    // An 8.3 name: no spaces, at most eight letters, a dot and three more.
    EXPECT_TRUE(QFileInfo(shortPath).fileName().contains(
        QRegularExpression(QStringLiteral(R"(^[^ .]{1,8}\.[^ .]{1,3}$)"))))
        << shortPath.toStdString();
#else
    EXPECT_EQ(shortPath, path); // no short names here
#endif
    EXPECT_TRUE(shortPathName(dir.filePath(QStringLiteral("missing.cfg"))).isEmpty());
    EXPECT_TRUE(shortPathName(QString()).isEmpty());

    fake.answer = {1, path};
    dlg.Show(0);
    dlg.setShortFileName(kTrue16);
    EXPECT_EQ(dlg.ReturnPath(), shortPath);
    fake.answer = {1, dir.filePath(QStringLiteral("missing.cfg"))};
    dlg.Show(1);
    EXPECT_TRUE(dlg.ReturnPath().isEmpty());
    dlg.setShortFileName(kFalse16);
    EXPECT_EQ(dlg.ReturnPath(), dir.filePath(QStringLiteral("missing.cfg")));
}

} // namespace
} // namespace wed
