#include "data_property.h"
#include "fuzz_files.h"

#include "app/document.h"
#include "app/game_check.h"
#include "base/line_buffer.h"
#include "data/item_fields.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace wed::fuzz {
namespace {

// The input: a category, a row and a field byte, a kind byte (even: typed, odd: picked), the
// length of weapon.cfg (two bytes, little-endian) and of the text (one byte), then weapon.cfg,
// the text (UTF-8) and the name file, each as long as the bytes left allow.
struct Case {
    int category = 0;
    int row = 0;
    int field = 0;
    EditKind kind = EditKind::Typing;
    QByteArray items;
    QString text;
    QByteArray names;
};

Case parse(QByteArrayView input) {
    Case c;
    const auto byte = [&](qsizetype i) { return i < input.size() ? uchar(input[i]) : 0; };
    c.category = byte(0) % 3;
    c.row = byte(1);
    c.field = byte(2);
    c.kind = byte(3) % 2 ? EditKind::Pick : EditKind::Typing;
    qsizetype at = std::min<qsizetype>(7, input.size());
    const auto take = [&](qsizetype length) {
        const QByteArrayView part = input.sliced(at, std::min(length, input.size() - at));
        at += part.size();
        return part.toByteArray();
    };
    c.items = take(byte(4) | byte(5) << 8);
    c.text = QString::fromUtf8(take(byte(6)));
    c.names = take(input.size());
    return c;
}

// The buffer's lines are those of a fresh split of its bytes.
bool splitAsFresh(const LineBuffer& lines) {
    const LineBuffer fresh(lines.bytes());
    if (fresh.lineCount() != lines.lineCount())
        return false;
    for (qsizetype i = 0; i < fresh.lineCount(); ++i)
        if (fresh.lineStart(i) != lines.lineStart(i))
            return false;
    return true;
}

// The file after the edit differs from the one before in line `changed` (0-based) alone; a
// last line without CR LF gains one.
QString oneLineChanged(const QByteArray& before, const QByteArray& after, qsizetype changed) {
    const LineBuffer old(before);
    const LineBuffer now(after);
    const bool closed = before.endsWith("\r\n");
    if (!after.endsWith("\r\n"))
        return QStringLiteral("the file has no line end after its last line");
    if (now.lineCount() != old.lineCount() + (closed ? 0 : 1))
        return QStringLiteral("the number of lines changed");
    for (qsizetype i = 0; i < old.lineCount(); ++i)
        if (i != changed && old.lineBytes(i) != now.lineBytes(i))
            return QStringLiteral("line %1 changed, not only line %2").arg(i + 1).arg(changed + 1);
    return {};
}

} // namespace

QString checkDataPath(QByteArrayView input) {
    static QTemporaryDir folder;
    const Case c = parse(input);
    const QString itemPath = folder.filePath(QStringLiteral("weapon.cfg"));
    if (!write(itemPath, c.items) ||
        !write(folder.filePath(QStringLiteral("Text/Weapon.txt")), c.names))
        return QStringLiteral("cannot write the game folder");

    const Category& category = categories()[size_t(c.category)];
    Document document;
    if (const Outcome opened = document.open(itemPath); opened.refused()) {
        const bool otherLineEnds = lacksCrLf(c.items) || lacksCrLf(c.names);
        return opened.status == Status::NotCrLf && otherLineEnds
                   ? QString()
                   : QStringLiteral("a readable folder was refused");
    }
    const GameData& game = document.game();
    checkGame(game);
    const std::vector<ListEntry> entries = game.listed(category.id).entries;
    if (entries.empty())
        return {};
    const ListEntry& entry = entries[size_t(c.row) % entries.size()];
    const std::vector<FieldSpec>& fields = categoryFields(category.id).fields;
    const int field = c.field % int(fields.size());
    const qsizetype line =
        game.record(category.id, entry.headerLine).fields[size_t(field)].lineNumber - 1;

    const bool lone = line >= 0 && loneLineBreak(game.items().lineBytes(line)) >= 0;

    const Outcome edited =
        document.setField({category.id, entry.id, entry.ordinal + 1}, field, c.text, {}, c.kind);
    const QByteArray after = read(itemPath);
    if (lone && after != c.items)
        return QStringLiteral("a key line with a lone line break was typed over");
    if (!edited.done())
        return after == c.items ? QString() : QStringLiteral("a refused edit changed the file");
    if (line < 0)
        return QStringLiteral("a field without a key line was written");
    if (const QString broken = oneLineChanged(c.items, after, line); !broken.isEmpty())
        return broken;
    if (!LineBuffer(after).lineBytes(line).startsWith(fields[size_t(field)].key))
        return QStringLiteral("the changed line lost its key");
    if (game.items().bytes() != after || !splitAsFresh(game.items()))
        return QStringLiteral("the document's lines are not the file's after the edit");

    const Outcome undone = document.undo();
    if (after != c.items && !undone.done())
        return QStringLiteral("the undo was refused");
    if (read(itemPath) != c.items)
        return QStringLiteral("the undo did not give the bytes back");
    if (game.items().bytes() != c.items || !splitAsFresh(game.items()))
        return QStringLiteral("the document's lines are not the file's after the undo");
    return {};
}

} // namespace wed::fuzz
