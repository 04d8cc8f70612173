// Every field of the first and the last item of each category of the sample game, edited in
// turn through the document, changes its own line and no other byte; undoing every edit gives
// the file back byte for byte.
#include "base/line_buffer.h"
#include "document_fixture.h"

#include <QFile>

namespace wed::test {
namespace {

QByteArray sampleFile(const QString& relative) {
    QFile file(QStringLiteral(WED_SAMPLE_DIR "/") + relative);
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

using SampleEdit = DocumentFixture;

TEST_F(SampleEdit, EveryFieldEditsItsOwnLineAndUndoGivesTheFileBack) {
    const QByteArray original = sampleFile(QStringLiteral("weapon.cfg"));
    ASSERT_FALSE(original.isEmpty());
    game.writeFile(QStringLiteral("weapon.cfg"), original);
    game.writeFile(QStringLiteral("Text/Weapon.txt"),
                   sampleFile(QStringLiteral("Text/Weapon.txt")));
    int edits = 0;
    for (const Category& category : categories()) {
        show(category.word, 0);
        const int last = int(document.entries().size()) - 1;
        for (const int row : {0, last}) {
            document.showItem(row);
            const auto& fields = categoryFields(category.id).fields;
            for (size_t i = 0; i < fields.size(); ++i) {
                const int lineNumber = document.panel(category.id)->fields[i].lineNumber;
                ASSERT_GT(lineNumber, 0) << fields[i].control;
                const LineBuffer before(items());
                const auto [text, value] = typed(fields[i].kind);
                ASSERT_TRUE(document.setFieldText(category.id, int(i), text, EditKind::Pick).done())
                    << fields[i].control;
                ++edits;
                const LineBuffer after(items());
                ASSERT_EQ(after.bytes(), document.items().bytes());
                ASSERT_EQ(after.lineCount(), before.lineCount());
                for (qsizetype line = 0; line < before.lineCount(); ++line)
                    ASSERT_EQ(after.lineBytes(line), line == lineNumber - 1
                                                         ? fields[i].key + value
                                                         : before.lineBytes(line).toByteArray())
                        << fields[i].control << " line " << line + 1;
            }
        }
    }
    EXPECT_EQ(edits, 2 * (20 + 9 + 8));
    ASSERT_TRUE(document.moveHistoryTo(0).done());
    EXPECT_EQ(items(), original);
}

} // namespace
} // namespace wed::test
