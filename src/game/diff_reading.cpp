#include "game/diff_reading.h"

#include "base/code_page.h"
#include "data/record_scan.h"
#include "edit/line_splices.h"

#include <QSet>
#include <algorithm>
#include <cstring>

namespace wed::diff {
namespace {

// Each category's records come in file order: merged as they are appended, not sorted.
void mergeLastCategory(std::vector<RecordEntry>& all, size_t from) {
    std::inplace_merge(
        all.begin(), all.begin() + qsizetype(from), all.end(),
        [](const RecordEntry& a, const RecordEntry& b) { return a.header < b.header; });
}

// How many bytes the two begin with alike: a block at a time, then byte by byte in the first
// block that differs.
qsizetype sameStart(QByteArrayView a, QByteArrayView b) {
    constexpr qsizetype kBlock = 256;
    const qsizetype size = std::min(a.size(), b.size());
    qsizetype at = 0;
    while (at + kBlock <= size && std::memcmp(a.data() + at, b.data() + at, kBlock) == 0)
        at += kBlock;
    const qsizetype end = std::min(size, at + kBlock);
    return qsizetype(std::mismatch(a.data() + at, a.data() + end, b.data() + at).first - a.data());
}

} // namespace

std::optional<std::vector<qsizetype>> differingLines(const LineBuffer& a, const LineBuffer& b) {
    if (a.lineCount() != b.lineCount())
        return std::nullopt;
    const QByteArrayView bytesA(a.bytes()), bytesB(b.bytes());
    std::vector<qsizetype> lines;
    for (qsizetype line = 0; line < a.lineCount();) {
        const qsizetype fromA = a.lineStart(line), fromB = b.lineStart(line);
        const qsizetype same = sameStart(bytesA.sliced(fromA), bytesB.sliced(fromB));
        if (fromA + same == bytesA.size() && fromB + same == bytesB.size())
            break;
        // The lines before the first byte that differs are whole in the same bytes, line ends
        // too: the same lines. The one that holds it (in both: a line end that differs ends the
        // same line in one as it goes on in the other) differs.
        const qsizetype at = std::min(a.lineAt(fromA + same, line), b.lineAt(fromB + same, line));
        lines.push_back(at);
        line = at + 1;
    }
    return lines;
}

bool inertLine(QByteArrayView line) {
    if (line.isEmpty())
        return false;
    const char first = line.front();
    // Every end line begins ";**", the other rule's too.
    return !(mayOpenRecord(first) && headerCategory(line)) &&
           !isRecordEndLine(line, EndRule::SemicolonStars) &&
           !(mayOpenName(first) && isNameOpening(line));
}

std::vector<RecordEntry> recordsOf(const GameData& game) {
    std::vector<RecordEntry> all;
    for (const Category& c : categories()) {
        std::vector<RecordEntry> some = game.records(c.id);
        const size_t from = all.size();
        all.insert(all.end(), some.begin(), some.end());
        mergeLastCategory(all, from);
    }
    return all;
}

// Every record of the folder in file order, by its lines alone: its ref holds the category but
// no id, which is decoded only when a change names the record.
std::vector<RecordEntry> recordSpansOf(const GameData& game) {
    std::vector<RecordEntry> all;
    for (const Category& c : categories()) {
        const size_t from = all.size();
        for (qsizetype header : game.itemIndex().headers(c.id))
            all.push_back({ItemRef{c.id, {}, 0}, header, game.recordLast(c.id, header)});
        mergeLastCategory(all, from);
    }
    return all;
}

QString idOf(const NameEntry& entry) {
    return entry.id.isNull() ? openingIdText(entry.opening) : entry.id;
}

std::vector<NameEntry> nameRecordsOf(const GameData& game, bool withIds) {
    std::vector<NameEntry> found;
    QSet<QByteArrayView> seen;
    const LineBuffer& names = game.names();
    seen.reserve(names.lineCount() / 4);
    for (qsizetype i = 0; i < names.lineCount(); ++i) {
        const QByteArrayView line = names.lineBytes(i);
        // As the name index finds it: an id's first "<id>" alone opens its record.
        if (!isNameOpening(line) || seen.contains(line))
            continue;
        seen.insert(line);
        found.push_back(
            {withIds ? openingIdText(line) : QString(), nameRecordFrom(names, i), line});
    }
    return found;
}

std::vector<QByteArrayView> outside(const GameData& game, GameFile file,
                                    const std::vector<RecordEntry>& records,
                                    const std::vector<NameEntry>& nameRecords) {
    const LineBuffer& lines = game.buffer(file);
    // The empty line a buffer counts after a final line end is no line of the file.
    const qsizetype end = lastLineOf(lines) + 1;
    std::vector<QByteArrayView> outside;
    qsizetype next = 0; // the first line after every record met so far
    // The name file's empty lines only end its records: they are no lines of their own.
    const auto upTo = [&](qsizetype first) {
        for (; next < std::min(first, end); ++next)
            if (file == GameFile::Items || !lines.lineBytes(next).isEmpty())
                outside.push_back(lines.lineBytes(next));
    };
    // The records come in file order; one may reach past the next one's start.
    const auto skip = [&](qsizetype first, qsizetype last) {
        upTo(first);
        next = std::max(next, last + 1);
    };
    if (file == GameFile::Items)
        for (const RecordEntry& record : records)
            skip(record.header, record.last);
    else
        for (const NameEntry& entry : nameRecords)
            skip(entry.lines.opening, entry.lines.last);
    upTo(end);
    return outside;
}

// Of the base's records (each with the index of the folder's record it is, -1 for none), those
// that keep their place: the longest run that stands in the same order in both folders, so that
// the fewest records move. Of runs as long, the one that ends earliest in the folder at every
// step, so that the same folders give the same moves.
std::vector<bool> keptInOrder(const std::vector<qsizetype>& match) {
    std::vector<size_t> tails;                       // per run length, its last base index
    std::vector<qsizetype> before(match.size(), -1); // the base index before, in its run
    for (size_t i = 0; i < match.size(); ++i) {
        if (match[i] < 0)
            continue;
        const auto at = std::lower_bound(
            tails.begin(), tails.end(), match[i],
            [&](size_t tail, qsizetype folderIndex) { return match[tail] < folderIndex; });
        if (at != tails.begin())
            before[i] = qsizetype(*(at - 1));
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(match.size(), false);
    for (qsizetype i = tails.empty() ? -1 : qsizetype(tails.back()); i >= 0; i = before[size_t(i)])
        kept[size_t(i)] = true;
    return kept;
}

} // namespace wed::diff
