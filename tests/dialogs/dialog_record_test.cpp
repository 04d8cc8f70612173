#include "dialogs/dialog_flags.h"
#include "dialogs/file_dialog_runner.h"
#include "dialogs/file_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(DialogFlags, CombineTheReadOnlyAndTheStyleChoice) {
    EXPECT_EQ(dialogFlags(kFalse16, kFalse16), 0x80200u);
    EXPECT_EQ(dialogFlags(kTrue16, kTrue16), 0x201u);
    EXPECT_EQ(dialogFlags(kTrue16, kFalse16), 0x80001u);
    EXPECT_EQ(dialogFlags(kFalse16, kTrue16), 0x200u);
    // Any non-zero value is true.
    EXPECT_EQ(dialogFlags(1, 7), 0x201u);
}

TEST(DialogFlags, MapOntoTheQtDialog) {
    const QtDialogSetup open = qtDialogSetup(0x80200, false);
    EXPECT_EQ(open.acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode, QFileDialog::ExistingFiles);
    EXPECT_FALSE(open.options.testFlag(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(open.options.testFlag(QFileDialog::ReadOnly));

    const QtDialogSetup oldReadOnly = qtDialogSetup(0x201, false);
    EXPECT_TRUE(oldReadOnly.options.testFlag(QFileDialog::DontUseNativeDialog));
    EXPECT_TRUE(oldReadOnly.options.testFlag(QFileDialog::ReadOnly));

    // A single name that need not exist, as the record asks for no existing file.
    EXPECT_EQ(qtDialogSetup(0x80001, false).fileMode, QFileDialog::AnyFile);

    const QtDialogSetup save = qtDialogSetup(0x80200, true);
    EXPECT_EQ(save.acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(save.fileMode, QFileDialog::AnyFile);
    EXPECT_TRUE(save.options.testFlag(QFileDialog::DontConfirmOverwrite));
}

// The parts joined by NUL characters, as a filter text holds them.
QString nulJoined(const QStringList& parts) {
    return parts.join(QChar(u'\0'));
}

TEST(FileFilter, TurnsNulSeparatedPairsIntoQtNameFilters) {
    const QString filter =
        nulJoined({QStringLiteral("物品数据 (weapon.cfg)"), "weapon.cfg", QStringLiteral("图片"),
                   "*.tga; *.bmp", QStringLiteral("所有文件"), "*.*", "", ""});
    EXPECT_EQ(qtNameFilters(filter),
              (QStringList{QStringLiteral("物品数据 (weapon.cfg) (weapon.cfg)"),
                           QStringLiteral("图片 (*.tga *.bmp)"), QStringLiteral("所有文件 (*)")}));
    // An empty description ends the list; a description without patterns takes every file.
    EXPECT_TRUE(qtNameFilters(u"").isEmpty());
    const QStringList justA{QStringLiteral("A (*.a)")};
    EXPECT_EQ(qtNameFilters(nulJoined({"A", "*.a", "", "B", "*.b"})), justA);
    EXPECT_EQ(qtNameFilters(nulJoined({"A", "*.a", "B"})), justA);
    EXPECT_EQ(qtNameFilters(nulJoined({"A", "", ""})), QStringList{QStringLiteral("A (*)")});
}

TEST(FileDialogRequest, SetsUpTheQtDialogWithoutShowingIt) {
    QTemporaryDir dir;
    FileDialogRequest request;
    request.title = QStringLiteral("打开物品数据");
    request.initialDir = dir.path();
    request.nameFilters = {QStringLiteral("A (*.a)"), QStringLiteral("B (*.b)")};
    request.flags = 0x201;
    request.fileName = QString(300, u'x'); // longer than the record's buffer
    QFileDialog dialog;
    applyRequest(dialog, request);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), request.title);
    EXPECT_EQ(dialog.nameFilters(), request.nameFilters);
    // The first filter is selected, shown by its description alone.
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("A"));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(dialog.testOption(QFileDialog::ReadOnly));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
}

TEST(FileDialogRequest, FindsTheOwnerByItsHandle) {
    EXPECT_EQ(ownerWidget(0), nullptr);
    QWidget owner;
    const auto handle = std::int32_t(owner.winId());
    EXPECT_EQ(ownerWidget(handle), &owner);
}

TEST(RecordFileText, IsThePathOfOneFileOrTheFolderAndNamesOfSeveral) {
    EXPECT_EQ(recordFileText({}, true), QString());
    // The dialog gives absolute paths: from a drive letter on Windows, from "/" elsewhere.
    const QString game = QDir::rootPath() + QStringLiteral("game");
    const QString folder = QDir::toNativeSeparators(game);
#ifdef Q_OS_WIN
    EXPECT_TRUE(folder.contains(QRegularExpression(QStringLiteral(R"(^[A-Z]:\\game$)"))));
#endif
    EXPECT_EQ(recordFileText({game + QStringLiteral("/weapon.cfg")}, true),
              folder + QDir::separator() + QStringLiteral("weapon.cfg"));
    const QStringList two = {game + QStringLiteral("/a.cfg"), game + QStringLiteral("/b.cfg")};
    EXPECT_EQ(recordFileText(two, true), folder + QChar(u'\0') + QStringLiteral("a.cfg") +
                                             QChar(u'\0') + QStringLiteral("b.cfg"));
    EXPECT_EQ(recordFileText(two, false), folder + QStringLiteral(" a.cfg b.cfg"));
}

} // namespace
} // namespace wed
