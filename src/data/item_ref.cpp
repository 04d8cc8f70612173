#include "data/item_ref.h"

namespace wed {
namespace {

bool escapable(QChar c) {
    return c == u'\\' || c == u'#' || c == u'*' || c == u'?';
}

// Whether the text from `at` on is one or more digits.
bool digitsFrom(QStringView text, qsizetype at) {
    if (at >= text.size())
        return false;
    for (qsizetype i = at; i < text.size(); ++i)
        if (!text[i].isDigit() || text[i].unicode() > 0x7f)
            return false;
    return true;
}

// Where a pattern's id may match from `part` on: the pieces after it with their wildcards.
bool matchFrom(const ItemPattern& p, size_t part, QStringView id) {
    const QString& piece = p.parts[part];
    if (!id.startsWith(piece))
        return false;
    id = id.sliced(piece.size());
    if (part + 1 == p.parts.size())
        return id.isEmpty();
    if (p.wildcards[qsizetype(part)] == u'?')
        return !id.isEmpty() && matchFrom(p, part + 1, id.sliced(1));
    for (qsizetype skip = 0; skip <= id.size(); ++skip)
        if (matchFrom(p, part + 1, id.sliced(skip)))
            return true;
    return false;
}

} // namespace

QString escapedId(QStringView id) {
    QString text;
    text.reserve(id.size());
    for (QChar c : id) {
        if (escapable(c))
            text += u'\\';
        text += c;
    }
    return text;
}

QString refText(const ItemRef& ref) {
    QString text = QLatin1StringView(category(ref.category).name) + u'/' + escapedId(ref.id);
    if (ref.occurrence != 1)
        text += u'#' + QString::number(ref.occurrence);
    return text;
}

bool ItemPattern::matches(QStringView id) const {
    return matchFrom(*this, 0, id);
}

std::optional<ItemPattern> parsePattern(QStringView text, bool emptyId) {
    const qsizetype slash = text.indexOf(u'/');
    const Category* c = slash > 0 ? categoryForName(text.first(slash)) : nullptr;
    if (!c)
        return std::nullopt;
    ItemPattern pattern{c->id, {QString()}, {}, std::nullopt};
    for (qsizetype i = slash + 1; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\\' && i + 1 < text.size() && escapable(text[i + 1])) {
            pattern.parts.back() += text[++i];
        } else if (ch == u'#' && digitsFrom(text, i + 1)) {
            bool number = false;
            const int k = text.sliced(i + 1).toInt(&number);
            if (!number || k < 1)
                return std::nullopt;
            pattern.occurrence = k;
            break;
        } else if (ch == u'*' || ch == u'?') {
            pattern.wildcards += ch;
            pattern.parts.emplace_back();
        } else {
            pattern.parts.back() += ch;
        }
    }
    if (pattern.plain() && pattern.id().isEmpty() && !emptyId)
        return std::nullopt;
    return pattern;
}

std::optional<ItemRef> parseRef(QStringView text, int occurrence, bool emptyId) {
    const std::optional<ItemPattern> pattern = parsePattern(text, emptyId);
    if (!pattern)
        return std::nullopt;
    QString id = pattern->parts.front();
    for (qsizetype i = 0; i < pattern->wildcards.size(); ++i)
        id += pattern->wildcards[i] + pattern->parts[size_t(i) + 1];
    if (id.isEmpty() && !emptyId)
        return std::nullopt;
    return ItemRef{pattern->category, id, pattern->occurrence.value_or(occurrence)};
}

} // namespace wed
