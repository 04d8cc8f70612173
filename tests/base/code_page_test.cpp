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

} // namespace
} // namespace wed
