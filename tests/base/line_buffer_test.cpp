#include "base/line_buffer.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>

namespace wed {
namespace {

TEST(LineBuffer, SplitsAtCrLfOnlyAndKeepsLoneCrAndLfInTheLine) {
    const LineBuffer buffer(QByteArray("a\rb\r\nc\nd\r\n\r\ne"));
    ASSERT_EQ(buffer.lineCount(), 4);
    EXPECT_EQ(GetLine(buffer, 0), QStringLiteral("a\rb"));
    EXPECT_EQ(GetLine(buffer, 1), QStringLiteral("c\nd"));
    EXPECT_EQ(GetLine(buffer, 2), QString());
    EXPECT_EQ(GetLine(buffer, 3), QStringLiteral("e"));
    for (qsizetype index : {4, 100000, -1})
        EXPECT_EQ(GetLine(buffer, index), QString()) << index;
}

TEST(LineBuffer, DecodesGbkDoubleByteCharactersWhole) {
    // "武器" in GBK, then an ASCII tail; the trail byte 0x5C ('\') of 0x955C must not split.
    const LineBuffer buffer(QByteArray("\xce\xe4\xc6\xf7=\x95\x5c\r\nnext"));
    EXPECT_EQ(GetLine(buffer, 0), QStringLiteral("武器=") + QString(QChar(0x661E)));
    EXPECT_EQ(GetLine(buffer, 1), QStringLiteral("next"));
}

// Line ends are found several bytes at a time: every place of a CR LF, near the ends of the
// text and across the steps, gives the lines a byte-by-byte split gives.
TEST(LineBuffer, FindsEveryCrLfWhereverItStands) {
    std::mt19937 random(14);
    for (int length = 0; length < 40; ++length) {
        for (int round = 0; round < 20; ++round) {
            QByteArray text;
            for (int i = 0; i < length; ++i)
                text.append("\r\nx"[random() % 3]);
            QList<QByteArray> expected{{}};
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text.mid(i, 2) == "\r\n") {
                    expected.append(QByteArray());
                    ++i;
                } else {
                    expected.back().append(text[i]);
                }
            }
            const LineBuffer buffer(text);
            ASSERT_EQ(buffer.lineCount(), expected.size()) << text.toHex().constData();
            for (qsizetype i = 0; i < expected.size(); ++i)
                ASSERT_EQ(buffer.lineBytes(i), expected[i]) << text.toHex().constData();
        }
    }
}

// The search from a line finds what the search from the start finds, from any line at or before
// the answer, however far the offset lies.
TEST(LineBuffer, FindsTheLineOfAnOffsetFromAnEarlierLine) {
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += QByteArray(i % 7, 'x') + "\r\n";
    const LineBuffer buffer(text);
    for (qsizetype offset = 0; offset <= text.size(); ++offset)
        for (qsizetype from = 0; from <= buffer.lineAt(offset); ++from)
            ASSERT_EQ(buffer.lineAt(offset, from), buffer.lineAt(offset)) << offset << ' ' << from;
}

} // namespace
} // namespace wed
