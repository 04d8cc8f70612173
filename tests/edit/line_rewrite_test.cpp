#include "base/line_buffer.h"
#include "edit/line_rewrite.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(LineRewrite, KeepsEveryOtherByteIncludingLoneCrLoneLfAndInvalidCodePageBytes) {
    // Line 1 holds a lone LF and a lone CR; line 3 holds bytes that are no valid GBK
    // (0x80, 0xFF, a lead byte without its trail byte) and a double-byte character.
    const QByteArray first("a\nb\rc");
    const QByteArray third("\x80\xff\x81 \xce\xe4\xc6\xf7 \xfe");
    const QByteArray file = first + "\r\nCost=1\r\n" + third + "\r\n\r\nend";
    const QByteArray out = rewriteLine(file, 2, "Cost=15", false).value_or("<refused>");
    EXPECT_EQ(out, first + "\r\nCost=15\r\n" + third + "\r\n\r\nend\r\n");
    // The numbering is the line buffer's: line number n is index n - 1 there, also after.
    const LineBuffer before(file), after(out);
    EXPECT_EQ(before.lineBytes(1), QByteArrayView("Cost=1"));
    EXPECT_EQ(after.lineBytes(1), QByteArrayView("Cost=15"));
    EXPECT_EQ(after.lineBytes(2), QByteArrayView(third));
}

TEST(LineRewrite, ReplacesOrInsertsOneLineAndEndsTheFileWithCrLf) {
    const struct {
        const char* file;
        int n;
        bool insert;
        const char* result; // nullptr: refused
    } cases[] = {
        {"one\r\ntwo\r\nthree\r\n", 2, false, "one\r\nx\r\nthree\r\n"},
        // A file without a final CR LF gains one, whatever line is replaced.
        {"a\r\nb", 1, false, "x\r\nb\r\n"},
        {"a\r\nb", 2, false, "a\r\nx\r\n"},
        {"a", 1, false, "x\r\n"},
        // A lone CR at the end stays inside the last line.
        {"a\r\nb\r", 1, false, "x\r\nb\r\r\n"},
        {"a\r\nb\r", 2, false, "a\r\nx\r\n"},
        // Blank lines at the end are lines of their own and stay.
        {"A\r\n\r\n", 1, false, "x\r\n\r\n"},
        {"A\r\n\r\n", 2, false, "A\r\nx\r\n"},
        {"\r\n", 1, false, "x\r\n"},
        {"a\nb\rc", 1, false, "x\r\n"},
        // Insertion goes before line n, or after the last line when n is past the end.
        {"a\r\nb\r\n", 1, true, "x\r\na\r\nb\r\n"},
        {"a\r\nb\r\n", 2, true, "a\r\nx\r\nb\r\n"},
        {"a\r\nb\r\n", 99, true, "a\r\nb\r\nx\r\n"},
        {"a\r\nb", 1, true, "x\r\na\r\nb\r\n"},
        {"", 1, true, "x\r\n"},
        // Lines outside the file.
        {"a\r\nb\r\n", 0, false, nullptr},
        {"a\r\nb\r\n", 3, false, nullptr},
        {"", 1, false, nullptr},
        {"a\r\nb\r\n", 0, true, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rewriteLine(c.file, c.n, "x", c.insert),
                  c.result ? std::optional<QByteArray>(c.result) : std::nullopt)
            << c.file << " " << c.n << (c.insert ? " insert" : "");
    EXPECT_EQ(addressableLines(""), 0);
    EXPECT_EQ(addressableLines("a\r\nb\r"), 2);
    EXPECT_EQ(addressableLines("A\r\n\r\n"), 2);
}

TEST(LineRewrite, AddressesLinesFarDownALongFile) {
    QByteArray file;
    for (int i = 1; i <= 40000; ++i)
        file += "line" + QByteArray::number(i) + "\r\n";
    const QByteArray out = *rewriteLine(file, 40000, "last", false);
    EXPECT_TRUE(out.endsWith("line39999\r\nlast\r\n"));
    EXPECT_EQ(out.size(), file.size() - 5);
}

} // namespace
} // namespace wed
