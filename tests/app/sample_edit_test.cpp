// Every field of the first and the last item of each category of the sample game, edited in
// turn through the document, changes its own line and no other byte; undoing every edit gives
// the file back byte for byte.
#include "base/line_buffer.h"
#include "document_fixture.h"

#include <QFile>

namespace wed::test {
namespace {

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
    game.makeFolder(QStringLiteral("Text"));
    for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(WED_SAMPLE_DIR "/") + file, game.path(file)));
    const QByteArray original = items();
    open();
    for (const Category& category : categories()) {
        const int last = int(document.game().listed(category.id).entries.size()) - 1;
        for (const int row : {0, last}) {
            const ItemRef edited = item(category.id, row);
            const qsizetype header = document.game().headerOf(edited);
            const auto& fields = categoryFields(category.id).fields;
            for (size_t i = 0; i < fields.size(); ++i) {
                const int lineNumber =
                    document.game().record(category.id, header).fields[i].lineNumber;
                const LineBuffer before(items());
                const auto [text, value] = typed(fields[i].kind);
                ASSERT_TRUE(document.setField(edited, int(i), text, {}, EditKind::Pick).done())
                    << fields[i].key.constData();
                const LineBuffer after(items());
                ASSERT_EQ(after.bytes(), document.game().items().bytes());
                ASSERT_EQ(after.lineCount(), before.lineCount());
                for (qsizetype line = 0; line < before.lineCount(); ++line)
                    ASSERT_EQ(after.lineBytes(line), line == lineNumber - 1
                                                         ? fields[i].key + value
                                                         : before.lineBytes(line).toByteArray())
                        << fields[i].key.constData() << " line " << line + 1;
            }
        }
    }
    ASSERT_TRUE(document.moveHistoryTo(0).done());
    EXPECT_EQ(items(), original);
}

} // namespace
} // namespace wed::test
