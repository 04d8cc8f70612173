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

// A run of a pattern between two stars: its characters, each '?' standing for any one.
struct Segment {
    QString chars;
    std::vector<bool> any;
    qsizetype size() const { return chars.size(); }
};

std::vector<Segment> segmentsOf(const ItemPattern& p) {
    std::vector<Segment> segments(1);
    const auto append = [&](const QString& piece) {
        segments.back().chars += piece;
        segments.back().any.resize(size_t(segments.back().size()), false);
    };
    append(p.parts.front());
    for (qsizetype i = 0; i < p.wildcards.size(); ++i) {
        if (p.wildcards[i] == u'*') {
            segments.emplace_back();
        } else {
            segments.back().chars += u'?';
            segments.back().any.push_back(true);
        }
        append(p.parts[size_t(i) + 1]);
    }
    return segments;
}

// Whether the segment stands in the id at `at`; each character compared is a step.
bool standsAt(const Segment& segment, QStringView id, qsizetype at, qsizetype& steps) {
    if (at + segment.size() > id.size())
        return false;
    for (qsizetype i = 0; i < segment.size(); ++i) {
        ++steps;
        if (!segment.any[size_t(i)] && segment.chars[i] != id[at + i])
            return false;
    }
    return true;
}

// The first segment stands at the start, the last at the end, and each one between at its
// leftmost place after the one before: a later place leaves the rest less room and gains
// nothing, so no place is ever tried twice and the steps grow with the id's length times the
// pattern's, never exponentially.
bool segmentsMatch(const std::vector<Segment>& segments, QStringView id, qsizetype& steps) {
    const Segment& first = segments.front();
    const Segment& last = segments.back();
    if (segments.size() == 1)
        return first.size() == id.size() && standsAt(first, id, 0, steps);
    if (first.size() + last.size() > id.size() || !standsAt(first, id, 0, steps) ||
        !standsAt(last, id, id.size() - last.size(), steps))
        return false;
    const QStringView between = id.first(id.size() - last.size());
    qsizetype at = first.size();
    for (size_t k = 1; k + 1 < segments.size(); ++k) {
        while (!standsAt(segments[k], between, at, steps))
            if (at++ + segments[k].size() >= between.size())
                return false;
        at += segments[k].size();
    }
    return true;
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

bool ItemPattern::matches(QStringView id, qsizetype* steps) const {
    qsizetype counted = 0;
    const bool match = segmentsMatch(segmentsOf(*this), id, counted);
    if (steps)
        *steps += counted;
    return match;
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
