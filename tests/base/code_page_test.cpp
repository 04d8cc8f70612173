#include "base/code_page.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

// GBK here; on Windows the system's code page, which the tests run with as 936 (Chinese).
TEST(CodePage, ChineseTextIsGbkBytesBothWays) {
    const QString text = QStringLiteral("武器 Ammo_1 €");
    const QByteArray bytes("\xCE\xE4\xC6\xF7 Ammo_1 \x80");
    EXPECT_EQ(encodeAnsi(text).value_or("(refused)"), bytes);
    EXPECT_EQ(decodeAnsi(bytes), text);
}

// Nothing the code page cannot hold is written as '?' or as a look-alike in its place: an
// emoji, Korean, and letters that Windows would otherwise swap for their plain forms.
TEST(CodePage, CharactersTheCodePageCannotHoldAreRefused) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    for (const QString& text : {emoji, QStringLiteral("한"), QStringLiteral("武器") + emoji,
                                QStringLiteral("À"), QStringLiteral("Ō"), QStringLiteral("ﬁ")})
        EXPECT_FALSE(encodeAnsi(text).has_value()) << text.toStdString();
    EXPECT_EQ(encodeAnsi(u"?").value_or(""), "?");
    EXPECT_EQ(encodeAnsi(u"").value_or("(refused)"), "");
}

// A character the bytes end in the middle of is no text of the code page.
TEST(CodePage, BytesThatEndInsideACharacterDoNotDecodeCleanly) {
    EXPECT_TRUE(decodesCleanly("Weapon=\xCE\xE4"));
    EXPECT_FALSE(decodesCleanly("Weapon=\xCE"));
    EXPECT_TRUE(decodesCleanly("Weapon=\xCE\xE4")) << "an error is not kept for the next bytes";
}

// Another edition's code page, chosen by name: its letters both ways, what it cannot hold
// refused, and the bytes it leaves undefined (read as C1 controls) no text of it.
TEST(CodePage, AChosenCodePageReadsWritesAndRefusesInItsOwnTerms) {
    struct Case {
        const char* name;
        QString text;
        QByteArray bytes;
        QByteArray undefined;
    };
    for (const Case& c :
         {Case{"CP1252", QStringLiteral("Rüstung €"), "R\xFCstung \x80", "\x81"},
          Case{"windows-1250", QStringLiteral("Zbraň"), "Zbra\xF2", "\x81"},
          Case{"cp1251", QStringLiteral("Оружие €"), "\xCE\xF0\xF3\xE6\xE8\xE5 \x88", "\x98"}}) {
        ASSERT_TRUE(chooseCodePage(QString::fromLatin1(c.name))) << c.name;
        EXPECT_EQ(encodeAnsi(c.text).value_or("(refused)"), c.bytes) << c.name;
        EXPECT_EQ(decodeAnsi(c.bytes), c.text) << c.name;
        EXPECT_TRUE(decodesCleanly(c.bytes)) << c.name;
        EXPECT_FALSE(decodesCleanly("Cost=" + c.undefined)) << c.name;
        EXPECT_FALSE(encodeAnsi(QStringLiteral("武器")).has_value()) << c.name;
        EXPECT_EQ(ansiBytesOfCharacters(c.bytes, 3), 3) << c.name;
    }
    EXPECT_FALSE(chooseCodePage(u"koi8-r"));
    EXPECT_EQ(decodeAnsi("\xC0"), QStringLiteral("А")) << "an unknown name changes nothing";
    ASSERT_TRUE(chooseCodePage(u"gbk"));
    EXPECT_EQ(decodeAnsi("\xCE\xE4\xC6\xF7"), QStringLiteral("武器"));
    EXPECT_EQ(ansiBytesOfCharacters("\xCE\xE4\xC6\xF7", 1), 2);
    ASSERT_TRUE(chooseCodePage(u""));
}

} // namespace
} // namespace wed
