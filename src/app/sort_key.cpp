#include "app/sort_key.h"

#include "app/rule_text.h"

#include <QByteArray>
#include <array>
#include <optional>

namespace wed {
namespace {

// QString::toDouble's number, read as bytes where the text is short and ASCII: a column of
// ten thousand cells reads several times faster. The bytes' reading accepts no number the
// text's would not; what it refuses (a case it does not know, like "INF") is read as text.
std::optional<double> numberOf(QStringView text) {
    const QStringView trimmed = text.trimmed();
    std::array<char, 40> bytes{};
    bool ascii = trimmed.size() < qsizetype(bytes.size());
    for (qsizetype i = 0; ascii && i < trimmed.size(); ++i) {
        ascii = trimmed[i].unicode() < 0x80;
        bytes[size_t(i)] = char(trimmed[i].unicode());
    }
    bool number = false;
    double value = 0;
    if (ascii)
        value = QByteArray::fromRawData(bytes.data(), trimmed.size()).toDouble(&number);
    if (!number)
        value = text.toDouble(&number);
    return number ? std::optional(value) : std::nullopt;
}

} // namespace

SortKey sortKeyOf(const QString& text, ValueType type) {
    if (type == ValueType::Text)
        return {SortKey::Group::Text, 0, text};
    // A number, or a pair, leads with a number; anything else sorts as text.
    qsizetype from = 0;
    while (from < text.size() && text[from] == u' ')
        ++from;
    qsizetype to = from;
    while (to < text.size() && text[to] != u' ')
        ++to;
    if (const std::optional<double> value = numberOf(QStringView(text).sliced(from, to - from)))
        return {SortKey::Group::Number, *value, {}};
    return {SortKey::Group::Text, 0, text};
}

SortKey sortKeyOf(const ColumnValue& value) {
    if (!value.error && value.kind == ColumnValue::Kind::Number)
        return {SortKey::Group::Number, value.number, {}};
    if (!value.error && value.kind == ColumnValue::Kind::Nothing)
        return {};
    return {SortKey::Group::Text, 0, columnValueText(value)};
}

bool lessKey(const SortKey& a, const SortKey& b) {
    if (a.group != b.group)
        return a.group < b.group;
    if (a.group == SortKey::Group::Number)
        return a.number < b.number;
    return a.text < b.text;
}

} // namespace wed
