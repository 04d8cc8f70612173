#include "data/item_index.h"

#include "base/code_page.h"
#include "data/name_record.h"

#include <algorithm>
#include <bit>
#include <string_view>

namespace wed {

void ItemIndex::rebuild(const LineBuffer& items) {
    for (auto& lines : headers_)
        lines.clear();
    for (qsizetype i = 0, n = items.lineCount(); i < n; ++i) {
        // The first byte rules out most lines before their view is made.
        const qsizetype start = items.lineStart(i);
        const char first = start < items.bytes().size() ? items.bytes()[start] : '\0';
        if (!mayOpenRecord(first))
            continue;
        if (const Category* c = headerCategory(items.lineBytes(i)))
            headers_[size_t(c->id)].push_back(i);
    }
}

void ItemIndex::follow(const LineBuffer& items, const LineChange& change) {
    std::array<std::vector<qsizetype>, 3> found;
    for (qsizetype i = change.first; i <= change.lastAfter; ++i)
        if (const Category* c = headerCategory(items.lineBytes(i)))
            found[size_t(c->id)].push_back(i);
    for (size_t c = 0; c < headers_.size(); ++c) {
        std::vector<qsizetype>& lines = headers_[c];
        const auto from = std::lower_bound(lines.begin(), lines.end(), change.first);
        const auto to = std::upper_bound(from, lines.end(), change.lastBefore);
        const auto kept = lines.erase(from, to);
        for (auto it = kept; it != lines.end(); ++it)
            *it += change.moved();
        lines.insert(kept, found[c].begin(), found[c].end());
    }
}

namespace {

// FNV-1a over the UTF-16 units of the id's text; an ASCII id's bytes are those units.
constexpr size_t kHashStart = 14695981039346656037ull;
constexpr size_t kHashFactor = 1099511628211ull;

size_t hashOf(QStringView id) {
    size_t hash = kHashStart;
    for (const QChar unit : id)
        hash = (hash ^ unit.unicode()) * kHashFactor;
    return hash;
}

size_t hashOfAscii(QByteArrayView id) {
    size_t hash = kHashStart;
    for (const char byte : id)
        hash = (hash ^ static_cast<unsigned char>(byte)) * kHashFactor;
    return hash;
}

// The id of an opening line compared as text. An ASCII line is that text byte for byte.
bool openingIs(QByteArrayView line, QStringView id) {
    if (!isAscii(line))
        return openingIdText(line) == id;
    const QByteArrayView bytes = openingIdBytes(line);
    if (bytes.size() != id.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (char16_t(bytes[i]) != id[i].unicode())
            return false;
    return true;
}

bool sameId(QByteArrayView a, QByteArrayView b) {
    if (isAscii(a) && isAscii(b))
        return a == b;
    return openingIdText(a) == openingIdText(b);
}

} // namespace

void NameIndex::rebuild(const LineBuffer& names) {
    // Every "<id>" line with the hash of its id, in file order.
    std::vector<Slot> found;
    for (qsizetype i = 0, n = names.lineCount(); i < n; ++i) {
        const qsizetype start = names.lineStart(i);
        if (start >= names.bytes().size() || !mayOpenName(names.bytes()[start]))
            continue;
        const QByteArrayView line = names.lineBytes(i);
        if (!isNameOpening(line))
            continue;
        found.push_back(
            {isAscii(line) ? hashOfAscii(openingIdBytes(line)) : hashOf(openingIdText(line)), i});
    }
    slots_.assign(std::bit_ceil(std::max<size_t>(16, found.size() * 2)), Slot{});
    const size_t mask = slots_.size() - 1;
    for (const Slot& entry : found) {
        size_t at = entry.hash & mask;
        // Only the first line of an id counts: a later one with the same text is not kept.
        while (slots_[at].line >= 0 &&
               !(slots_[at].hash == entry.hash &&
                 sameId(names.lineBytes(slots_[at].line), names.lineBytes(entry.line))))
            at = (at + 1) & mask;
        if (slots_[at].line < 0)
            slots_[at] = entry;
    }
}

qsizetype NameIndex::opening(const LineBuffer& names, QStringView id) const {
    if (slots_.empty())
        return -1;
    const size_t hash = hashOf(id);
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask; slots_[at].line >= 0; at = (at + 1) & mask)
        if (slots_[at].hash == hash && openingIs(names.lineBytes(slots_[at].line), id))
            return slots_[at].line;
    return -1;
}

namespace {

size_t hashOfLine(QByteArrayView line) {
    return std::hash<std::string_view>{}(std::string_view(line.data(), size_t(line.size())));
}

} // namespace

HeaderTable::HeaderTable(const LineBuffer& items, const ItemIndex& index) {
    size_t records = 0;
    for (const Category& c : categories())
        records += index.headers(c.id).size();
    slots_.assign(std::bit_ceil(std::max<size_t>(16, records * 2)), Slot{});
    const size_t mask = slots_.size() - 1;
    // Each record's group, in the order the records are met; a header line of another
    // category is another line.
    std::vector<qsizetype> groupOf;
    groupOf.reserve(records);
    groupStart_.push_back(0);
    for (const Category& c : categories())
        for (const qsizetype header : index.headers(c.id)) {
            const QByteArrayView line = items.lineBytes(header);
            const size_t hash = hashOfLine(line);
            size_t at = hash & mask;
            while (slots_[at].line >= 0 &&
                   !(slots_[at].hash == hash && items.lineBytes(slots_[at].line) == line))
                at = (at + 1) & mask;
            if (slots_[at].line < 0) {
                slots_[at] = {hash, header, qsizetype(groupStart_.size()) - 1};
                groupStart_.push_back(0);
            }
            groupOf.push_back(slots_[at].group);
            ++groupStart_[size_t(slots_[at].group) + 1];
        }
    for (size_t g = 1; g < groupStart_.size(); ++g)
        groupStart_[g] += groupStart_[g - 1];
    // Filled in the order met: each group's records in file order.
    std::vector<qsizetype> next(groupStart_.begin(), groupStart_.end() - 1);
    lines_.resize(records);
    size_t met = 0;
    for (const Category& c : categories())
        for (const qsizetype header : index.headers(c.id))
            lines_[size_t(next[size_t(groupOf[met++])]++)] = header;
}

const HeaderTable::Slot* HeaderTable::slotOf(const LineBuffer& items, QByteArrayView line) const {
    const size_t hash = hashOfLine(line);
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask; slots_[at].line >= 0; at = (at + 1) & mask)
        if (slots_[at].hash == hash && items.lineBytes(slots_[at].line) == line)
            return &slots_[at];
    return nullptr;
}

qsizetype HeaderTable::find(const LineBuffer& items, QByteArrayView line, int occurrence) const {
    if (occurrence < 1)
        return -1;
    const Slot* slot = slotOf(items, line);
    if (!slot)
        return -1;
    if (occurrence == 1)
        return slot->line;
    const size_t group = size_t(slot->group);
    const qsizetype at = groupStart_[group] + occurrence - 1;
    return at < groupStart_[group + 1] ? lines_[size_t(at)] : -1;
}

int HeaderTable::occurrenceAt(const LineBuffer& items, qsizetype header) const {
    const Slot* slot = slotOf(items, items.lineBytes(header));
    if (!slot)
        return 0;
    const auto first = lines_.begin() + groupStart_[size_t(slot->group)];
    const auto end = lines_.begin() + groupStart_[size_t(slot->group) + 1];
    return int(std::upper_bound(first, end, header) - first);
}

std::vector<qsizetype> HeaderTable::findAll(const LineBuffer& items,
                                            const std::vector<Query>& queries) const {
    // Each query's slot is asked for `kAhead` queries before it is probed, and the line that
    // slot names half as far before.
    constexpr size_t kAhead = 16;
    const size_t mask = slots_.size() - 1;
    std::vector<size_t> hashes(queries.size());
    for (size_t i = 0; i < queries.size(); ++i)
        hashes[i] = hashOfLine(queries[i].line);
    std::vector<qsizetype> found(queries.size(), -1);
    for (size_t i = 0; i < queries.size(); ++i) {
        if (i + kAhead < queries.size())
            __builtin_prefetch(&slots_[hashes[i + kAhead] & mask]);
        if (i + kAhead / 2 < queries.size())
            if (const qsizetype line = slots_[hashes[i + kAhead / 2] & mask].line; line >= 0)
                __builtin_prefetch(items.bytes().constData() + items.lineStart(line));
        if (!queries[i].line.isEmpty())
            found[i] = find(items, queries[i].line, queries[i].occurrence);
    }
    return found;
}

} // namespace wed
