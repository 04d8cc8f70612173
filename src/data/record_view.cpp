#include "data/record_view.h"

#include "data/item_fields.h"

namespace wed {
namespace {

// A name line holds a nine-character lead before the name itself.
constexpr qsizetype kNameStart = 9;
// Name and description lines are shown cut to this many characters.
constexpr qsizetype kTextWidth = 100;

std::vector<QByteArray> keysOf(const CategoryFields& table) {
    std::vector<QByteArray> keys;
    keys.reserve(table.fields.size());
    for (const FieldSpec& field : table.fields)
        keys.push_back(field.key);
    return keys;
}

// The first line "<id>" of the name file. Only lines in angle brackets are decoded.
qsizetype findNameRecord(const LineBuffer& names, const QString& id) {
    const QString opening = u'<' + id + u'>';
    for (qsizetype i = 0, n = names.lineCount(); i < n; ++i) {
        const QByteArrayView line = names.lineBytes(i);
        if (line.startsWith('<') && line.endsWith('>') && names.line(i) == opening)
            return i;
    }
    return -1;
}

} // namespace

ItemRecord readItemRecord(const LineBuffer& items, CategoryId category, const QString& id,
                          int occurrence) {
    const CategoryFields& table = categoryFields(category);
    static const std::vector<QByteArray> keys[] = {keysOf(categoryFields(CategoryId::Weapon)),
                                                   keysOf(categoryFields(CategoryId::Armor)),
                                                   keysOf(categoryFields(CategoryId::Implant))};
    const QString header = QString::fromLatin1(wed::category(category).headerPrefix) + id;
    return {scanRecord(items, header, occurrence, table.endRule, keys[size_t(category)])};
}

ItemText readItemText(const LineBuffer& names, CategoryId category, const QString& id) {
    const CategoryFields& table = categoryFields(category);
    ItemText text;
    const qsizetype opening = findNameRecord(names, id);
    if (opening < 0)
        return text;
    for (qsizetype i = opening + 1, counter = 0; i < names.lineCount(); ++i, ++counter) {
        if (names.lineBytes(i).isEmpty())
            break;
        const QString line = names.line(i);
        if (counter == table.nameLine)
            text.name = line.mid(kNameStart, kTextWidth);
        if (counter >= table.firstDescriptionLine)
            text.description += line.left(kTextWidth) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace wed
