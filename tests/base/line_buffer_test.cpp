#include "base/line_buffer.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(LineBuffer, SplitsAtCrLfOnlyAndKeepsLoneCrAndLfInTheLine) {
    const LineBuffer buffer(QByteArray("a\rb\r\nc\nd\r\n\r\ne"));
    ASSERT_EQ(buffer.lineCount(), 4);
    EXPECT_EQ(GetLine(buffer, 0), QStringLiteral("a\rb"));
    EXPECT_EQ(GetLine(buffer, 1), QStringLiteral("c\nd"));
    EXPECT_EQ(GetLine(buffer, 2), QString());
    EXPECT_EQ(GetLine(buffer, 3), QStringLiteral("e"));
}

TEST(LineBuffer, TrailingCrLfLeavesAnEmptyLastLineAndIndexesPastTheEndAreEmpty) {
    const LineBuffer buffer(QByteArray("Text00\r\n"));
    ASSERT_EQ(buffer.lineCount(), 2);
    EXPECT_EQ(GetLine(buffer, 0), QStringLiteral("Text00"));
    for (qsizetype index : {1, 2, 100000, -1})
        EXPECT_EQ(GetLine(buffer, index), QString()) << index;
    EXPECT_EQ(LineBuffer(QByteArray()).lineCount(), 1);
    EXPECT_EQ(LineBuffer(QByteArray("x\r")).lineCount(), 1); // a CR at the very end stays
}

TEST(LineBuffer, DecodesGbkDoubleByteCharactersWhole) {
    // "武器" in GBK, then an ASCII tail; the trail byte 0x5C ('\') of 0x955C must not split.
    const LineBuffer buffer(QByteArray("\xce\xe4\xc6\xf7=\x95\x5c\r\nnext"));
    EXPECT_EQ(GetLine(buffer, 0), QStringLiteral("武器=") + QString(QChar(0x661E)));
    EXPECT_EQ(GetLine(buffer, 1), QStringLiteral("next"));
}

} // namespace
} // namespace wed
