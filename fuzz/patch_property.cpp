#include "patch_property.h"
#include "fuzz_files.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/name_record.h"
#include "data/record_scan.h"
#include "edit/line_splices.h"
#include "game/folder_diff.h"
#include "game/patch_file.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <random>

namespace wed::fuzz {
namespace {

// The input: four lengths (two bytes each, little-endian) of A's weapon.cfg and name file and
// B's, then those files, then the patch text, each as long as the bytes left allow.
struct Case {
    QByteArray files[4];
    QByteArray patch;
};

Case parse(QByteArrayView input) {
    Case c;
    const auto byte = [&](qsizetype i) { return i < input.size() ? uchar(input[i]) : 0; };
    qsizetype at = std::min<qsizetype>(8, input.size());
    for (int i = 0; i < 4; ++i) {
        const qsizetype length =
            std::min<qsizetype>(byte(2 * i) | byte(2 * i + 1) << 8, input.size() - at);
        c.files[i] = input.sliced(at, length).toByteArray();
        at += length;
    }
    c.patch = input.sliced(at).toByteArray();
    return c;
}

// A folder of the files given, read into a model.
bool folder(const QString& path, const QByteArray& items, const QByteArray& names, GameData& game) {
    return write(path + QStringLiteral("/weapon.cfg"), items) &&
           write(path + QStringLiteral("/Text/Weapon.txt"), names) &&
           !game.read(path + QStringLiteral("/weapon.cfg")).refused();
}

// Whether an id's "<id>" opens more than one record of the name file. Only the first is the
// id's name record; taking it away makes the next one the record, which no set can avoid.
bool opensTwice(const GameData& game) {
    QSet<QByteArrayView> seen;
    for (qsizetype i = 0; i < game.names().lineCount(); ++i) {
        const QByteArrayView line = game.names().lineBytes(i);
        if (!isNameOpening(line))
            continue;
        if (seen.contains(line))
            return true;
        seen.insert(line);
    }
    return false;
}

// Whether a record lacks its end line: it takes in every line up to the next record, lines
// outside records a set keeps among them (see patch_property.h).
bool recordWithoutEnd(const GameData& game) {
    for (const Category& c : categories())
        for (const RecordEntry& record : game.records(c.id))
            if (!isRecordEndLine(game.items().lineBytes(record.last), categoryFields(c.id).endRule))
                return true;
    return false;
}

// The name records' openings: the lines "<id>" that open their id's name record.
QList<qsizetype> nameOpenings(const GameData& game) {
    QList<qsizetype> openings;
    const LineBuffer& names = game.names();
    for (qsizetype i = 0; i < names.lineCount(); ++i) {
        const QByteArrayView line = names.lineBytes(i);
        if (isNameOpening(line) && game.nameRecord(openingIdText(line)).opening == i)
            openings.append(i);
    }
    return openings;
}

// Whether a name record without its empty end line runs on over the next one's "<id>": the two
// share lines, which no set can change apart (see patch_property.h).
bool nameRecordsOverlap(const GameData& game) {
    const QList<qsizetype> openings = nameOpenings(game);
    for (const qsizetype opening : openings) {
        const qsizetype last = game.nameRecord(openingIdText(game.names().lineBytes(opening))).last;
        for (const qsizetype other : openings)
            if (other > opening && other <= last)
                return true;
    }
    return false;
}

bool decodes(const GameData& game) {
    for (GameFile file : {GameFile::Items, GameFile::Names})
        for (qsizetype i = 0; i < game.buffer(file).lineCount(); ++i)
            if (!decodesCleanly(game.buffer(file).lineBytes(i)))
                return false;
    return true;
}

// Every record and name record of the folder, by reference or id, with its lines.
QMap<QString, Lines> recordsOf(const GameData& game) {
    QMap<QString, Lines> records;
    for (const Category& c : categories())
        for (const RecordEntry& record : game.records(c.id))
            records.insert(refText(record.ref), *game.recordLines(record.ref));
    for (const qsizetype opening : nameOpenings(game)) {
        const QString id = openingIdText(game.names().lineBytes(opening));
        records.insert(nameOpening(id), *game.nameRecordLines(id));
    }
    return records;
}

// Every record's reference in file order, then every name record's "<id>" in file order.
QStringList orderOf(const GameData& game) {
    std::vector<std::pair<qsizetype, QString>> records;
    for (const Category& c : categories())
        for (const RecordEntry& record : game.records(c.id))
            records.emplace_back(record.header, refText(record.ref));
    std::sort(records.begin(), records.end());
    QStringList order;
    for (const auto& record : records)
        order.append(record.second);
    for (const qsizetype opening : nameOpenings(game))
        order.append(decodeAnsi(game.names().lineBytes(opening)));
    return order;
}

QString applyPatchText(const QString& path, const Case& c) {
    GameData a;
    if (!folder(path, c.files[0], c.files[1], a))
        return {};
    const PatchRead patch = readPatch(c.patch);
    if (!patch.outcome.done() || patch.changes.empty())
        return {};
    const ApplyPlan applied = a.apply(patch.changes, c.patch.size() % 2 == 1);
    const bool written = applied.outcome.done() && applied.changesBytes();
    const QByteArray items = read(path + QStringLiteral("/weapon.cfg"));
    const QByteArray names = read(path + QStringLiteral("/Text/Weapon.txt"));
    if (!written && (items != c.files[0] || names != c.files[1]))
        return QStringLiteral("a set that was not written changed the files");
    if (!written)
        return {};
    // Applied again, to the folder read anew, the set finds every change made.
    GameData again;
    if (again.read(path + QStringLiteral("/weapon.cfg")).refused())
        return QStringLiteral("a folder a set was written to cannot be read");
    again.apply(patch.changes, true);
    if (read(path + QStringLiteral("/weapon.cfg")) != items ||
        read(path + QStringLiteral("/Text/Weapon.txt")) != names)
        return QStringLiteral("a set applied twice changed the files the second time");
    return {};
}

// A file's lines in pieces: what comes before the first piece, then each piece from a line that
// opens one to the line before the next; and whether the file ended with a line end.
struct Pieces {
    Lines before;
    std::vector<Lines> pieces;
    bool lineEnd = false;
};

template <typename Opens> Pieces piecesOf(const QByteArray& bytes, Opens opens) {
    Pieces split;
    const LineBuffer lines(bytes);
    split.lineEnd = bytes.endsWith("\r\n");
    for (qsizetype i = 0, last = lastLineOf(lines); i <= last; ++i) {
        const QByteArray line = lines.lineBytes(i).toByteArray();
        if (opens(line))
            split.pieces.emplace_back();
        (split.pieces.empty() ? split.before : split.pieces.back()).append(line);
    }
    return split;
}

QByteArray bytesOf(const Pieces& split) {
    Lines lines = split.before;
    for (const Lines& piece : split.pieces)
        lines += piece;
    const QByteArray bytes = lines.join("\r\n");
    return split.lineEnd ? bytes + "\r\n" : bytes;
}

// The pieces of `a` with some of them dropped, some taken from `b` (one that opens with the same
// line in its place, the others put in anywhere), and a few moved elsewhere.
Pieces shuffled(Pieces a, const Pieces& b, std::mt19937& random) {
    std::vector<Lines> pieces;
    std::vector<bool> used(b.pieces.size(), false);
    for (Lines& piece : a.pieces) {
        if (random() % 8 == 0)
            continue;
        for (size_t k = 0; k < b.pieces.size(); ++k)
            if (!used[k] && b.pieces[k].front() == piece.front() && random() % 2 == 0) {
                piece = b.pieces[k];
                used[k] = true;
                break;
            }
        pieces.push_back(std::move(piece));
    }
    const auto anywhere = [&] {
        return pieces.begin() + qsizetype(random() % (pieces.size() + 1));
    };
    for (size_t k = 0; k < b.pieces.size(); ++k)
        if (!used[k] && random() % 2 == 0)
            pieces.insert(anywhere(), b.pieces[k]);
    for (int moves = int(random() % 4); moves > 0 && !pieces.empty(); --moves) {
        const auto from = pieces.begin() + qsizetype(random() % pieces.size());
        Lines piece = std::move(*from);
        pieces.erase(from);
        pieces.insert(anywhere(), std::move(piece));
    }
    a.pieces = std::move(pieces);
    return a;
}

// B made from A: its records and name records, some changed, dropped or added as B has them,
// a few of them moved.
Case reordered(const Case& c, QByteArrayView input) {
    std::mt19937 random(uint(qHash(input, 0)));
    const auto opening = [](QByteArrayView line) { return isNameOpening(line); };
    Case moved = c;
    moved.files[2] = bytesOf(shuffled(piecesOf(c.files[0], isRecordHeaderLine),
                                      piecesOf(c.files[2], isRecordHeaderLine), random));
    Pieces names = shuffled(piecesOf(c.files[1], opening), piecesOf(c.files[3], opening), random);
    // Each name record but the last ends with its empty line, as the file parts them.
    for (size_t k = 0; k + 1 < names.pieces.size(); ++k)
        if (!names.pieces[k].back().isEmpty())
            names.pieces[k].append(QByteArray());
    moved.files[3] = bytesOf(names);
    return moved;
}

QString roundTrip(const QString& path, const Case& c) {
    GameData a, b;
    if (!folder(path + QStringLiteral("/a"), c.files[0], c.files[1], a) ||
        !folder(path + QStringLiteral("/b"), c.files[2], c.files[3], b) || !decodes(a) ||
        !decodes(b) || opensTwice(a) || recordWithoutEnd(a) || recordWithoutEnd(b) ||
        nameRecordsOverlap(a) || nameRecordsOverlap(b))
        return {};
    const ChangeSet diff = diffFolders(a, b);
    const PatchText text = writePatch(diff);
    if (!text.refused.done())
        return {}; // a key, value or line holding a lone CR or LF
    const PatchRead back = readPatch(text.text);
    if (!back.outcome.done() || back.changes != diff)
        return QStringLiteral("the patch of a diff does not read back as the diff");
    const Lines outside[2] = {outsideLines(a, GameFile::Items), outsideLines(a, GameFile::Names)};
    const ApplyPlan applied = a.apply(back.changes);
    if (!applied.outcome.done()) {
        QString conflicts;
        for (size_t i = 0; i < applied.results.size(); ++i)
            if (applied.results[i].state == ChangeState::Conflict)
                conflicts += u' ' + QString::fromUtf8(writePatch({back.changes[i]}).text.mid(22));
        return QStringLiteral("a diff does not apply to its base (status %1):%2")
            .arg(int(applied.outcome.status))
            .arg(conflicts);
    }
    const QMap<QString, Lines> made = recordsOf(a), wanted = recordsOf(b);
    if (made != wanted) {
        QStringList differing;
        for (const QString& key : made.keys() + wanted.keys())
            if (made.value(key) != wanted.value(key) && !differing.contains(key))
                differing.append(key);
        return QStringLiteral("a diff applied to its base does not give the folder's records: ") +
               differing.join(u' ');
    }
    if (orderOf(a) != orderOf(b))
        return QStringLiteral("a diff applied to its base does not give the folder's order: ") +
               orderOf(a).join(u' ') + QStringLiteral(" against ") + orderOf(b).join(u' ');
    if (outsideLines(a, GameFile::Items) != outside[0] ||
        outsideLines(a, GameFile::Names) != outside[1])
        return QStringLiteral("a diff applied to its base changed lines outside the records");
    if (a.plan(back.changes).changesBytes())
        return QStringLiteral("a diff applied twice changed the files again");
    return {};
}

} // namespace

QString checkPatchPath(QByteArrayView input) {
    static QTemporaryDir dir;
    const Case c = parse(input);
    if (const QString broken = applyPatchText(dir.filePath(QStringLiteral("patched")), c);
        !broken.isEmpty())
        return broken;
    if (const QString broken = roundTrip(dir.path(), c); !broken.isEmpty())
        return broken;
    return roundTrip(dir.path(), reordered(c, input));
}

} // namespace wed::fuzz
