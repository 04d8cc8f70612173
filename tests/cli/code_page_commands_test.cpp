// Another edition's folder through the commands, in its own code page: --code-page anywhere on
// the line, names printed as they are, edits that change their own bytes alone, and refusals
// and the check in that code page's terms.
#include "base/code_page.h"
#include "cli_run.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace wed::test {
namespace {

const QString kCyrillic = QStringLiteral(WED_CYRILLIC_SAMPLE_DIR);

// The bytes with the first `from` after `after` replaced.
QByteArray replacedAfter(QByteArray bytes, const QByteArray& after, const QByteArray& from,
                         const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from, bytes.indexOf(after));
    return at < 0 ? QByteArray() : bytes.replace(at, from.size(), to);
}

class OtherCodePage : public testing::Test {
  protected:
    OtherCodePage() {
        for (const QString file : {"weapon.cfg", "Text/Weapon.txt"})
            game.writeFile(file, readBytes(kCyrillic + u'/' + file));
    }
    ~OtherCodePage() override { chooseCodePage(u""); }

    TempGame game;
};

TEST_F(OtherCodePage, CommandsReadAndWriteTheFilesInTheCodePageGiven) {
    const Ran list = run({"list", game.folder(), "weapon", "--code-page", "cp1251"});
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(list.out.startsWith(QStringLiteral("weapon\theand\tцн\n")))
        << list.out.toStdString();

    const QByteArray items = game.readFile("weapon.cfg");
    ASSERT_EQ(
        run({"--code-page=CP1251", "set", game.folder(), "weapon/heand", "Cost", "71"}).status, 0);
    EXPECT_EQ(game.readFile("weapon.cfg"), replacedAfter(items, "=heand", "Cost=70", "Cost=71"));

    // A name from a sheet goes in as the code page's bytes; one it cannot hold is refused.
    const QByteArray names = game.readFile("Text/Weapon.txt");
    QString sheet = run({"export", game.folder(), "weapon", "--code-page", "cp1251"}).out;
    const QString renamed =
        sheet.replace(QStringLiteral("weapon/heand,цн,"), QStringLiteral("weapon/heand,Кулак,"));
    const QString csv = game.writeFile("sheet.csv", renamed.toUtf8());
    const Ran imported = run({"--code-page", "cp1251", "import", game.folder(), "weapon", csv});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(
        game.readFile("Text/Weapon.txt"),
        replacedAfter(names, "<heand>", "      \xF6\xED\r\n", "      \xCA\xF3\xEB\xE0\xEA\r\n"));
    game.writeFile(
        "sheet.csv",
        QString(renamed).replace(QStringLiteral("Кулак"), QStringLiteral("拳")).toUtf8());
    const Ran refused = run({"import", game.folder(), "weapon", csv, "--code-page", "cp1251"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("“拳”无法保存"))) << refused.err.toStdString();
}

// Read as GBK, the Cyrillic folder's lines are no text; read as what it is, it is sound.
TEST_F(OtherCodePage, TheCheckJudgesTheBytesByTheCodePageGiven) {
    const Ran asGbk = run({"check", kCyrillic});
    EXPECT_EQ(asGbk.status, 1);
    EXPECT_TRUE(asGbk.out.contains(QStringLiteral("无法识别的字节"))) << asGbk.out.toStdString();
    const Ran asCyrillic = run({"check", kCyrillic, "--code-page", "cp1251"});
    EXPECT_EQ(asCyrillic.status, 0) << asCyrillic.out.toStdString();
    game.writeFile("weapon.cfg", game.readFile("weapon.cfg").replace("Cost=70", "Cost=7\x98"));
    EXPECT_TRUE(run({"check", game.folder(), "--code-page", "cp1251"})
                    .out.contains(QStringLiteral("无法识别的字节")));

    EXPECT_EQ(run({"list", game.folder(), "--code-page", "koi8-r"}).status, 2);
    EXPECT_EQ(run({"list", game.folder(), "--code-page"}).status, 2);
}

} // namespace
} // namespace wed::test
