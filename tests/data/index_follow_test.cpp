// The line buffer and the record index follow a change by looking again only at the lines it
// replaced; whatever the change, they must equal what reading the new bytes afresh gives.
#include "data/item_index.h"

#include <gtest/gtest.h>
#include <random>

namespace wed {
namespace {

// Bytes made of pieces that make and break line ends, record headers and name openings.
QByteArray randomBytes(std::mt19937& random, int pieces) {
    static const char* const kPieces[] = {"\r\n", "\r",  "\n", "Weapon=a", "Armor=b", "Implant=",
                                          "<a>",  "<b>", "<",  ">",        "x",       "Cost=1"};
    std::uniform_int_distribution<int> piece(0, int(std::size(kPieces)) - 1);
    QByteArray bytes;
    for (int i = 0; i < pieces; ++i)
        bytes += kPieces[piece(random)];
    return bytes;
}

TEST(IndexFollow, AnyChangeGivesWhatAFreshReadGives) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        LineBuffer buffer(randomBytes(random, 12));
        ItemIndex items;
        items.rebuild(buffer);
        const qsizetype size = buffer.bytes().size();
        std::uniform_int_distribution<qsizetype> at(0, size);
        const qsizetype offset = at(random);
        const qsizetype length = std::uniform_int_distribution<qsizetype>(0, size - offset)(random);
        const Splice change{offset, buffer.bytes().sliced(offset, length),
                            randomBytes(random, std::uniform_int_distribution<int>(0, 3)(random))};
        const QByteArray expected = applySplice(buffer.bytes(), change);
        const LineChange lines = buffer.apply(change);
        items.follow(buffer, lines);
        ASSERT_EQ(buffer, LineBuffer(expected)) << "round " << round;
        ItemIndex fresh;
        fresh.rebuild(buffer);
        ASSERT_TRUE(items == fresh) << "round " << round;
    }
}

} // namespace
} // namespace wed
