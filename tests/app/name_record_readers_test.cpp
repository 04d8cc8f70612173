// Every reader of the name file reads what its grammar (data/name_record.h) says: the model's
// lookup, the item list and view, the name editor, the comparison (its diff and its revert) and
// the folder check, on the sample folder, a 300,000-line one and the fuzz seeds.
#include "app/comparison.h"
#include "app/document.h"
#include "app/game_check.h"
#include "data/item_fields.h"
#include "data/name_record.h"
#include "game/item_actions.h"
#include "sample_game.h"
#include "support/seed_replay.h"
#include "support/temp_game.h"

#include <QSet>

namespace wed::test {
namespace {

// A name record as the grammar finds it, with what it reads in it for the category.
struct Found {
    QString id;
    NameRecordLines lines;
};

// What the grammar reads in the name file: each id's first record in file order, and the
// (1-based) lines of later openings of an id.
struct Grammar {
    std::vector<Found> records;
    std::vector<qsizetype> twice;
};

Grammar grammarOf(const LineBuffer& names) {
    Grammar grammar;
    QSet<QByteArrayView> seen;
    for (qsizetype i = 0; i < names.lineCount(); ++i) {
        const QByteArrayView line = names.lineBytes(i);
        if (!isNameOpening(line))
            continue;
        if (seen.contains(line))
            grammar.twice.push_back(i + 1);
        else
            grammar.records.push_back({openingIdText(line), nameRecordFrom(names, i)});
        seen.insert(line);
    }
    return grammar;
}

NameText textOf(const LineBuffer& names, const Found* record, CategoryId category) {
    if (!record)
        return {};
    const qsizetype opening = record->lines.opening;
    return nameTextOf(category, record->lines.last - opening,
                      [&](qsizetype k) { return names.line(opening + 1 + k); });
}

// What the item list, the item view and the name editor read of every listed item's record.
QString itemsRead(const GameData& game, const std::vector<Found>& records) {
    QHash<QString, const Found*> byId;
    for (const Found& record : records)
        byId.insert(record.id, &record);
    for (const Category& c : categories()) {
        const std::vector<ListEntry> entries = game.listed(c.id).entries;
        const std::vector<QString> listNames =
            namesOf(game.names(), game.nameIndex(), c.id, entries);
        for (size_t k = 0; k < entries.size(); ++k) {
            const QString& id = entries[k].id;
            const NameText text = textOf(game.names(), byId.value(id), c.id);
            QString shown;
            for (const QString& line : text.description)
                shown += line.left(kShownWidth) + QStringLiteral("\r\n");
            const ItemText viewed = game.itemText(c.id, id);
            const std::optional<QString> name =
                text.name ? std::optional(text.name->left(kShownWidth)) : std::nullopt;
            if (listNames[k] != name.value_or(QString()) || viewed.name != name ||
                viewed.description != shown)
                return QStringLiteral("item list or view of ") + id;
            const std::optional<NameRecordText> edited = nameRecordText(game, {c.id, id, 1});
            if (bool(edited) != bool(byId.value(id)) ||
                (edited && (edited->name != text.name.value_or(QString()) ||
                            edited->description != text.description)))
                return QStringLiteral("name editor of ") + id;
        }
    }
    return {};
}

// The comparison of the folder as base with a folder without name records: the diff removes
// each record in file order, and taking a removal back puts it after the record before it.
QString comparisonRead(Comparison& comparison, const std::vector<Found>& records,
                       const LineBuffer& names) {
    std::vector<size_t> rows;
    for (size_t row = 0; row < comparison.changes().size(); ++row)
        if (comparison.changes()[row].kind == ChangeKind::Names)
            rows.push_back(row);
    if (rows.size() != records.size())
        return QStringLiteral("diff: %1 name records").arg(rows.size());
    const ChangeSet back = comparison.revert(rows);
    for (size_t k = 0; k < records.size(); ++k) {
        Lines lines;
        for (qsizetype i = records[k].lines.opening; i <= records[k].lines.last; ++i)
            lines.append(names.lineBytes(i).toByteArray());
        const Change& removed = comparison.changes()[rows[k]];
        if (removed.item.id != records[k].id || removed.baseLines != lines)
            return QStringLiteral("diff of ") + records[k].id;
        const QString before = k == 0 ? QString() : records[k - 1].id;
        if ((back[k].after ? back[k].after->id : QString()) != before)
            return QStringLiteral("revert of ") + records[k].id;
    }
    return {};
}

int compared = 0; // the folders whose readers were compared

// The readers of the folder's files against the grammar; empty when they all agree.
QString readersAgree(const QByteArray& items, const QByteArray& nameFile) {
    // Made once: a folder's removal costs more than the comparison.
    static TempGame folder, empty;
    const QString path = folder.writeFile(QStringLiteral("weapon.cfg"), items);
    folder.writeFile(QStringLiteral("Text/Weapon.txt"), nameFile);
    GameData game;
    if (game.read(path).refused())
        return {};
    const Grammar grammar = grammarOf(game.names());
    for (const Found& record : grammar.records) {
        const NameRecordLines found = game.nameRecord(record.id);
        if (found.opening != record.lines.opening || found.last != record.lines.last ||
            found.endedByEmptyLine != record.lines.endedByEmptyLine)
            return QStringLiteral("the model's name record of ") + record.id;
    }
    std::vector<qsizetype> twice;
    for (const Problem& problem : checkGame(game))
        if (problem.what.status == Status::NameRecordTwice)
            twice.push_back(problem.what.line);
    if (twice != grammar.twice)
        return QStringLiteral("the check's second openings");
    if (QString wrong = itemsRead(game, grammar.records); !wrong.isEmpty())
        return wrong;
    empty.writeFile(QStringLiteral("Text/Weapon.txt"), "Text01\r\n");
    Document document;
    if (document.open(empty.writeFile(QStringLiteral("weapon.cfg"), "Text00\r\n")).refused())
        return QStringLiteral("no empty folder");
    Comparison comparison(document);
    if (comparison.setBase(folder.folder()).refused())
        return {};
    ++compared;
    return comparisonRead(comparison, grammar.records, game.names());
}

// Replays the seeds through the readers, of which most must be compared.
void replayThroughReaders(const char* folder, qsizetype first, unsigned seed,
                          const std::function<QString(QByteArrayView)>& property) {
    const int before = compared;
    replaySeeds(QString::fromUtf8(folder), first, seed, property);
    EXPECT_GT(compared - before, 100);
}

TEST(NameRecordReaders, ReadTheSampleFolderAsTheGrammarDoes) {
    const int before = compared;
    const sample::SampleText text = sample::makeSampleText();
    EXPECT_EQ(readersAgree(text.itemFile, text.nameFile), QString());
    EXPECT_EQ(compared, before + 1);
}

TEST(NameRecordReaders, ReadAFolderOf300000LinesAsTheGrammarDoes) {
    const int before = compared;
    const sample::SampleText text = sample::makeSampleText(300'000);
    EXPECT_EQ(readersAgree(text.itemFile, text.nameFile), QString());
    EXPECT_EQ(compared, before + 1);
}

// The grammar's edges: a line "<a" or "<" that opens nothing, twice, an id opened twice, an
// empty id, a record that stops before its name line, a name line past the cut, a record
// without its empty end line at the file's end, ids outside ASCII.
TEST(NameRecordReaders, ReadTheGrammarsEdgesAsTheGrammarDoes) {
    QStringList items;
    for (const char16_t* id : {u"a", u"b", u"c", u"d", u"", u"中文", u"z"})
        items << QStringLiteral("Weapon=") + QString::fromUtf16(id) << QStringLiteral("Cost=1")
              << QString::fromLatin1(kRecordSeparator);
    items << QStringLiteral("Armor=a") << QStringLiteral("Cost=1")
          << QString::fromLatin1(kRecordSeparator);
    const QString longLine = QStringLiteral("12345678 ") + QString(120, u'名');
    const QStringList names = {QStringLiteral("<a"),
                               QStringLiteral("<"),
                               QStringLiteral("<a>"),
                               QStringLiteral(" x"),
                               longLine,
                               QStringLiteral("2"),
                               QStringLiteral("3"),
                               QStringLiteral("4"),
                               QStringLiteral("5"),
                               QStringLiteral("6"),
                               longLine,
                               QStringLiteral("d2"),
                               QString(),
                               QStringLiteral("<a"),
                               QStringLiteral("<b>"),
                               QString(),
                               QStringLiteral("<a>"),
                               QStringLiteral("12345678 again"),
                               QString(),
                               QStringLiteral("<>"),
                               QStringLiteral(" y"),
                               QStringLiteral("1234567 short lead"),
                               QString(),
                               QStringLiteral("<中文>"),
                               QStringLiteral(" 1"),
                               QStringLiteral("12345678 名字"),
                               QString(),
                               QString(),
                               QStringLiteral("<d>"),
                               QStringLiteral(" z"),
                               QStringLiteral("<c>"),
                               QStringLiteral(" w"),
                               QStringLiteral("12345678 c")};
    const int before = compared;
    EXPECT_EQ(readersAgree(ansiLines(items), ansiLines(names)), QString());
    EXPECT_EQ(compared, before + 1);
}

// The data path's seeds: from byte 7, weapon.cfg (as long as bytes 4 and 5 say), a text (as
// long as byte 6 says) and the name file.
TEST(NameRecordReaders, ReadTheDataSeedsAsTheGrammarDoes) {
    replayThroughReaders(WED_DATA_SEEDS, 7, 30, [](QByteArrayView input) {
        const auto byte = [&](qsizetype i) { return i < input.size() ? uchar(input[i]) : 0; };
        const QByteArrayView rest = input.sliced(std::min<qsizetype>(7, input.size()));
        const qsizetype items = std::min<qsizetype>(byte(4) | byte(5) << 8, rest.size());
        const qsizetype skipped = std::min<qsizetype>(items + byte(6), rest.size());
        return readersAgree(rest.first(items).toByteArray(), rest.sliced(skipped).toByteArray());
    });
}

// The patch path's seeds: from byte 8, A's weapon.cfg and name file and B's, each as long as
// its two bytes say.
TEST(NameRecordReaders, ReadThePatchSeedsAsTheGrammarDoes) {
    replayThroughReaders(WED_PATCH_SEEDS, 8, 31, [](QByteArrayView input) {
        const auto byte = [&](qsizetype i) { return i < input.size() ? uchar(input[i]) : 0; };
        QByteArray files[4];
        for (qsizetype i = 0, at = std::min<qsizetype>(8, input.size()); i < 4; ++i) {
            const qsizetype length =
                std::min<qsizetype>(byte(2 * i) | byte(2 * i + 1) << 8, input.size() - at);
            files[i] = input.sliced(at, length).toByteArray();
            at += length;
        }
        const QString a = readersAgree(files[0], files[1]);
        return a.isEmpty() ? readersAgree(files[2], files[3]) : a;
    });
}

} // namespace
} // namespace wed::test
