// The whole road of one editing session on a copy of the sample game folder, driven the way a
// user drives the window; at the end weapon.cfg must differ from the original in exactly the
// lines that were edited, each holding what the edit wrote.
#include "base/code_page.h"
#include "base/language.h"
#include "window/form1_fixture.h"
#include "window/picture_box.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace wed::test {
namespace {

void copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
    }
}

QByteArray withLine(QByteArray file, int lineNumber, const QByteArray& line) {
    QList<QByteArray> lines = file.split('\n');
    lines[lineNumber - 1] = line + '\r';
    return lines.join('\n');
}

class EndToEnd : public Form1Fixture {
  protected:
    void SetUp() override { startOn(QStringLiteral(WED_SAMPLE_DIR)); }

    // The game folder a copy of the sample, its weapon.cfg the file expected so far.
    void startOn(const QString& sample) {
        copyFolder(sample, game.folder());
        original = game.readFile("weapon.cfg");
        expected = original;
    }

    // Replaces the field's text as a user does: select all, type.
    void type(const char* control, const QString& text, const QByteArray& written) {
        QLineEdit* edit = form.textBox(control);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        expected = withLine(expected, line(control), written);
    }

    void pick(const char* control, int index, const QByteArray& text) {
        Form1Fixture::pick(control, index);
        expected = withLine(expected, line(control), text);
    }

    const QImage& drawing() const { return form.picture()->drawing(); }

    QByteArray original;
    QByteArray expected;
};

TEST_F(EndToEnd, EditsOfEveryKindChangeOnlyTheirOwnLines) {
    loadGame();
    ASSERT_GT(form.itemList()->count(), 10);

    // A weapon: a verbatim field, a numeric field and the three choice boxes.
    clickItem(5);
    ASSERT_EQ(form.gateOpen(), true);
    ASSERT_FALSE(drawing().isNull());
    const QSize small = drawing().size();
    type("Text5", "1 250 ", "Cost=1 250 ");
    type("Text13", "12abc", "Explosive=12");
    pick("Combo1", 2, "Class=2");
    pick("Combo2", 7, "AmmoName=Ammo_pistol_infinite");
    pick("Combo3", 15, "VIDBullet=1392");
    QTest::mouseClick(form.largePictureOption(), Qt::LeftButton);
    ASSERT_FALSE(drawing().isNull());
    EXPECT_NE(drawing().size(), small);
    QTest::mouseClick(form.smallPictureOption(), Qt::LeftButton);

    // An armor: the list rebuilds because an item was shown.
    chooseCategory(1);
    clickItem(2);
    type("Text19", "1500", "Cost=1500");
    type("Text20", " 80", "Hp= 80");

    // An implant: its price estimate writes nothing.
    chooseCategory(2);
    clickItem(1);
    type("Text34", "4", "MaxShop=4");
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(form.priceBox()->text().contains(QStringLiteral(" ～ ")));
    EXPECT_FALSE(form.priceBox()->text().contains(QStringLiteral("？")));

    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_NE(expected, original);
    EXPECT_EQ(game.readFile("weapon.cfg"), expected);
    EXPECT_EQ(form.document().game().items().bytes(), expected);
}

// Another edition's folder in its own code page: its names shown as they are, a letter of it
// typed goes in as its byte, and a character it cannot hold is refused with a message.
class OtherEdition : public EndToEnd {
  protected:
    void SetUp() override {
        startOn(QStringLiteral(WED_CYRILLIC_SAMPLE_DIR));
        ASSERT_TRUE(chooseCodePage(u"cp1251"));
    }
    void TearDown() override {
        chooseCodePage(u"");
        chooseLanguage(u"zh");
    }

    // Letters no key of the test's keyboard map has, as an input method sends them.
    void typeLetters(const char* control, const QString& text) {
        QLineEdit* edit = form.textBox(control);
        edit->selectAll();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, c, Qt::NoModifier);
    }
};

TEST_F(OtherEdition, ShowsAndEditsTheFilesInTheirCodePage) {
    loadGame();
    clickItem(1);
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("ьоеб"));
    typeLetters("Text5", QStringLiteral("9Я"));
    expected = withLine(expected, line("Text5"), "Cost=9\xDF");
    EXPECT_EQ(game.readFile("weapon.cfg"), expected);
    typeLetters("Text5", QStringLiteral("拳"));
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(game.readFile("weapon.cfg"), expected);
    EXPECT_EQ(game.readFile("Text/Weapon.txt"),
              readBytes(QStringLiteral(WED_CYRILLIC_SAMPLE_DIR "/Text/Weapon.txt")));
}

// As `weapon-editor --lang en --code-page cp1251 FOLDER` starts it: the English window edits the
// Cyrillic files byte for byte.
TEST_F(OtherEdition, TheEnglishWindowEditsTheFilesInTheirCodePage) {
    ASSERT_TRUE(chooseLanguage(u"en"));
    QCoreApplication::processEvents(); // the window follows the language change
    loadGame();
    clickItem(1);
    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Price"))) << labels.join(u'|').toStdString();
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("ьоеб"));
    typeLetters("Text5", QStringLiteral("7Ж"));
    expected = withLine(expected, line("Text5"), "Cost=7\xC6");
    EXPECT_EQ(game.readFile("weapon.cfg"), expected);
    EXPECT_TRUE(messages.texts.isEmpty());
}

} // namespace
} // namespace wed::test
