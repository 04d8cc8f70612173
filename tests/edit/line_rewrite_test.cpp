#include "base/line_buffer.h"
#include "edit/line_rewrite.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

QByteArray replaced(const QByteArray& file, qsizetype n, const QByteArray& line) {
    return rewriteLine(file, n, line, false).value_or("<refused>");
}
QByteArray inserted(const QByteArray& file, qsizetype n, const QByteArray& line) {
    return rewriteLine(file, n, line, true).value_or("<refused>");
}

TEST(LineRewrite, ReplacesOnlyTheAddressedLine) {
    const QByteArray file("one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(replaced(file, 1, "ONE"), "ONE\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(replaced(file, 2, "TWO"), "one\r\nTWO\r\nthree\r\n");
    EXPECT_EQ(replaced(file, 2, ""), "one\r\n\r\nthree\r\n");
}

TEST(LineRewrite, KeepsEveryOtherByteIncludingLoneCrLoneLfAndInvalidCodePageBytes) {
    // Line 1 holds a lone LF and a lone CR; line 3 holds bytes that are no valid GBK
    // (0x80, 0xFF, a lead byte without its trail byte) and a double-byte character.
    const QByteArray first("a\nb\rc");
    const QByteArray third("\x80\xff\x81 \xce\xe4\xc6\xf7 \xfe");
    const QByteArray file = first + "\r\nCost=1\r\n" + third + "\r\n\r\nend";
    const QByteArray out = replaced(file, 2, "Cost=15");
    EXPECT_EQ(out, first + "\r\nCost=15\r\n" + third + "\r\n\r\nend\r\n");
    // The numbering is the line buffer's: line number n is index n - 1 there, also after.
    const LineBuffer before(file), after(out);
    EXPECT_EQ(before.lineBytes(1), QByteArrayView("Cost=1"));
    EXPECT_EQ(after.lineBytes(1), QByteArrayView("Cost=15"));
    EXPECT_EQ(after.lineBytes(2), QByteArrayView(third));
}

TEST(LineRewrite, FinalLineEndRule) {
    const struct {
        const char* file;
        int n;
        const char* result;
        int addressable; // lines of the file that can be replaced
    } cases[] = {
        // A file without a final CR LF gains one, whatever line is replaced.
        {"a\r\nb", 1, "x\r\nb\r\n", 2},
        {"a\r\nb", 2, "a\r\nx\r\n", 2},
        {"a", 1, "x\r\n", 1},
        // A lone CR at the end stays inside the last line.
        {"a\r\nb\r", 1, "x\r\nb\r\r\n", 2},
        {"a\r\nb\r", 2, "a\r\nx\r\n", 2},
        // Blank lines at the end are lines of their own and stay.
        {"A\r\n\r\n", 1, "x\r\n\r\n", 2},
        {"A\r\n\r\n", 2, "A\r\nx\r\n", 2},
        {"\r\n", 1, "x\r\n", 1},
        {"a\nb\rc", 1, "x\r\n", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replaced(c.file, c.n, "x"), QByteArray(c.result)) << c.file << " " << c.n;
        EXPECT_EQ(addressableLines(c.file), c.addressable) << c.file;
    }
    EXPECT_EQ(addressableLines(""), 0);
}

TEST(LineRewrite, ReplacementOutsideTheFileIsRefused) {
    const QByteArray file("a\r\nb\r\n");
    EXPECT_FALSE(rewriteLine(file, 0, "x", false));
    EXPECT_FALSE(rewriteLine(file, -1, "x", false));
    EXPECT_FALSE(rewriteLine(file, 3, "x", false));
    EXPECT_FALSE(rewriteLine(file, 32768, "x", false));
    EXPECT_FALSE(rewriteLine("", 1, "x", false));
    EXPECT_FALSE(rewriteLine("a\r\nb", 3, "x", false));
    EXPECT_FALSE(rewriteLine(file, 0, "x", true));
}

TEST(LineRewrite, InsertsBeforeALineOrAppendsPastTheEnd) {
    const QByteArray file("a\r\nb\r\n");
    EXPECT_EQ(inserted(file, 1, "x"), "x\r\na\r\nb\r\n");
    EXPECT_EQ(inserted(file, 2, "x"), "a\r\nx\r\nb\r\n");
    EXPECT_EQ(inserted(file, 3, "x"), "a\r\nb\r\nx\r\n");
    EXPECT_EQ(inserted(file, 99, "x"), "a\r\nb\r\nx\r\n");
    EXPECT_EQ(inserted("a\r\nb", 1, "x"), "x\r\na\r\nb\r\n");
    EXPECT_EQ(inserted("", 1, "x"), "x\r\n");
}

TEST(LineRewrite, AddressesLinesFarDownALongFile) {
    QByteArray file;
    for (int i = 1; i <= 40000; ++i)
        file += "line" + QByteArray::number(i) + "\r\n";
    const QByteArray out = replaced(file, 40000, "last");
    EXPECT_TRUE(out.endsWith("line39999\r\nlast\r\n"));
    EXPECT_EQ(out.size(), file.size() - 5);
}

} // namespace
} // namespace wed
