#include "data/item_index.h"

#include "base/code_page.h"

namespace wed {

const Category* headerCategory(QByteArrayView line) {
    // The prefixes begin with different letters, so the first byte rules out most lines.
    if (line.isEmpty() || (line[0] != 'W' && line[0] != 'A' && line[0] != 'I'))
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

void NameIndex::rebuild(const LineBuffer& names) {
    openings_.clear();
    for (qsizetype i = 0, n = names.lineCount(); i < n; ++i) {
        const QByteArrayView line = names.lineBytes(i);
        if (line.size() < 2 || line.front() != '<' || line.back() != '>')
            continue;
        // The line is compared as text, "<" + id + ">"; only the first record of an id counts.
        const QString text = decodeAnsi(line);
        if (!text.startsWith(u'<') || !text.endsWith(u'>'))
            continue;
        const QString id = text.sliced(1, text.size() - 2);
        if (!openings_.contains(id))
            openings_.insert(id, i);
    }
}

} // namespace wed
