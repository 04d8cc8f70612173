#include "data/item_list.h"
#include "data/record_view.h"
#include "edit/field_edit.h"

#include "edit_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

QByteArray sampleItems() {
    QFile file(QStringLiteral(WED_SAMPLE_DIR "/weapon.cfg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text typed into a field and the value it must leave after the key.
std::pair<QString, QByteArray> typed(FieldKind kind) {
    switch (kind) {
    case FieldKind::AmmoChoice:
        return {QStringLiteral("能量罐 Ammo_energy"), "Ammo_energy"};
    case FieldKind::BulletChoice:
        return {QStringLiteral("1392 火焰（小）"), "1392"};
    case FieldKind::Verbatim:
        return {QStringLiteral("4  2"), "4  2"};
    default:
        return {QStringLiteral("4.0"), "4"};
    }
}

// Every field of the first and the last item of each category, edited in turn on the sample
// game's file, changes its own line and no other byte.
TEST(SampleEdit, EveryFieldEditsItsOwnLineAndNothingElse) {
    const QByteArray original = sampleItems();
    if (original.isEmpty())
        GTEST_SKIP() << "no sample game folder";
    ItemFileFolder folder(original);
    LineBuffer items(original);
    int edits = 0;
    for (const Category& category : categories()) {
        const QStringList ids = listItemIds(items, category);
        ASSERT_FALSE(ids.isEmpty());
        for (const QString& id : {ids.first(), ids.last()}) {
            const ItemRecord record = readItemRecord(items, category.id, id);
            const auto& fields = categoryFields(category.id).fields;
            for (size_t i = 0; i < fields.size(); ++i) {
                const int lineNumber = record.fields[i].lineNumber;
                if (lineNumber < 1)
                    continue;
                const LineBuffer before(items.bytes());
                const auto [text, value] = typed(fields[i].kind);
                const EditOutcome outcome =
                    editFieldLine(true, fields[i], text, lineNumber, folder.path(), items);
                ASSERT_EQ(outcome.status, EditStatus::Written) << fields[i].control;
                ++edits;
                const QByteArray now = folder.read();
                ASSERT_EQ(now, items.bytes());
                const LineBuffer after(now);
                ASSERT_EQ(after.lineCount(), before.lineCount());
                for (qsizetype line = 0; line < before.lineCount(); ++line) {
                    if (line == lineNumber - 1)
                        EXPECT_EQ(after.lineBytes(line), fields[i].key + value)
                            << fields[i].control;
                    else
                        ASSERT_EQ(after.lineBytes(line), before.lineBytes(line))
                            << fields[i].control << " touched line " << line + 1;
                }
            }
        }
    }
    EXPECT_GT(edits, 40);
}

} // namespace
} // namespace wed
