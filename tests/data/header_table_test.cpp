// The header table finds each record from its header line and which of that line's records
// it is, and back, in files where many records share one header line.
#include "data/item_index.h"

#include <QHash>
#include <gtest/gtest.h>
#include <random>

namespace wed {
namespace {

TEST(HeaderTable, EachRecordIsFoundByItsLineAndOccurrenceAndBack) {
    static const char* const kLines[] = {"Weapon=a", "Weapon=b", "Armor=a", "Implant=", "Cost=1"};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> pick(0, int(std::size(kLines)) - 1);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        for (int i = 0; i < 40; ++i)
            bytes += QByteArray(kLines[pick(random)]) + "\r\n";
        const LineBuffer items(bytes);
        ItemIndex index;
        index.rebuild(items);
        const HeaderTable table(items, index);
        QHash<QByteArrayView, int> seen;
        for (qsizetype line = 0; line < items.lineCount(); ++line) {
            const QByteArrayView text = items.lineBytes(line);
            if (!headerCategory(text))
                continue;
            const int occurrence = ++seen[text];
            ASSERT_EQ(table.occurrenceAt(items, line), occurrence) << bytes.constData();
            ASSERT_EQ(table.find(items, text, occurrence), line) << bytes.constData();
        }
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            ASSERT_EQ(table.find(items, it.key(), it.value() + 1), -1);
        ASSERT_EQ(table.occurrenceAt(items, items.lineCount() - 1), 0); // the empty last line
    }
}

} // namespace
} // namespace wed
