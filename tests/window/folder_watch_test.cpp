// Another program's change of the game's files is noticed without an edit: the window reads
// them again and shows the item it showed, as the files now have it; its own saves never count.
#include "window/editor_actions.h"
#include "window/form1_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <cstdio>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

class FolderWatchTest : public Form1Fixture {
  protected:
    void SetUp() override {
        game.writeItems({"Weapon=gun", "Cost=700", kEnd, "Weapon=rifle", "Cost=50", kEnd, ""});
        game.writeNames({"<gun>", "x", "名称：      枪", ""});
        loadGame();
        clickItem(1);
    }
    QString price() const { return form.textBox("Text5")->text(); }
    bool noticed() const { return !form.actions().noticeLabel()->text().isEmpty(); }
};

TEST_F(FolderWatchTest, ASaveInPlaceAndARenameOverTheFileAreBothNoticed) {
    form.textBox("Text5")->setText(QStringLiteral("51")); // the editor's own save
    QTest::qWait(600);
    EXPECT_FALSE(noticed());
    EXPECT_EQ(form.document().history().count(), 1);

    // A text editor's kind of save: the same file written again in place.
    const QByteArray theirs = game.readFile("weapon.cfg").replace("Cost=51", "Cost=52");
    std::FILE* file = std::fopen(game.path("weapon.cfg").toLocal8Bit().constData(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fwrite(theirs.constData(), 1, size_t(theirs.size()), file);
    std::fclose(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return price() == "52"; }, 5000));
    EXPECT_TRUE(noticed());
    EXPECT_EQ(form.document().history().count(), 0) << "the history starts over";
    EXPECT_EQ(form.itemList()->currentRow(), 1) << "the item shown is shown again";

    // A rename of another file over it.
    form.actions().noticeLabel()->clear();
    game.writeFile("new.cfg", QByteArray(theirs).replace("Cost=52", "Cost=53"));
    ASSERT_TRUE(QFile::remove(game.path("weapon.cfg")) &&
                QFile::rename(game.path("new.cfg"), game.path("weapon.cfg")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return price() == "53"; }, 5000));
    EXPECT_TRUE(noticed());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
} // namespace wed::test
