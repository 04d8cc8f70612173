#include "data/item_index.h"

#include "base/code_page.h"

#include <QStringList>
#include <algorithm>

namespace wed {

const Category* headerCategory(QByteArrayView line) {
    if (!isRecordHeaderLine(line))
        return nullptr;
    for (const Category& c : categories())
        if (line.startsWith(c.headerPrefix))
            return &c;
    return nullptr;
}

void ItemIndex::rebuild(const LineBuffer& items) {
    for (auto& lines : headers_)
        lines.clear();
    for (qsizetype i = 0, n = items.lineCount(); i < n; ++i)
        if (const Category* c = headerCategory(items.lineBytes(i)))
            headers_[size_t(c->id)].push_back(i);
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

std::optional<QString> NameIndex::openingId(const LineBuffer& names, qsizetype line) {
    const QByteArrayView bytes = names.lineBytes(line);
    if (bytes.size() < 2 || bytes.front() != '<' || bytes.back() != '>')
        return std::nullopt;
    // The line is compared as text, "<" + id + ">".
    const QString text = decodeAnsi(bytes);
    if (!text.startsWith(u'<') || !text.endsWith(u'>'))
        return std::nullopt;
    return text.sliced(1, text.size() - 2);
}

// Only the first record of an id counts.
void NameIndex::note(const QString& id, qsizetype line) {
    const auto found = openings_.find(id);
    if (found == openings_.end())
        openings_.insert(id, line);
    else if (line < *found)
        *found = line;
}

void NameIndex::rebuild(const LineBuffer& names) {
    openings_.clear();
    for (qsizetype i = 0, n = names.lineCount(); i < n; ++i)
        if (std::optional<QString> id = openingId(names, i))
            note(*id, i);
}

void NameIndex::follow(const LineBuffer& names, const LineChange& change) {
    QStringList gone;
    for (auto it = openings_.begin(); it != openings_.end();) {
        if (*it > change.lastBefore) {
            *it += change.moved();
        } else if (*it >= change.first) {
            gone.append(it.key());
            it = openings_.erase(it);
            continue;
        }
        ++it;
    }
    for (qsizetype i = change.first; i <= change.lastAfter; ++i)
        if (std::optional<QString> id = openingId(names, i))
            note(*id, i);
    // An id whose first record went may have another one further on.
    for (const QString& id : gone)
        if (!openings_.contains(id))
            for (qsizetype i = 0, n = names.lineCount(); i < n; ++i)
                if (openingId(names, i) == id) {
                    note(id, i);
                    break;
                }
}

} // namespace wed
