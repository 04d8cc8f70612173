#include "data/record_view.h"

#include "data/item_fields.h"

namespace wed {
namespace {

// A name line holds a nine-character lead before the name itself.
constexpr qsizetype kNameStart = 9;
// Name and description lines are shown cut to this many characters.
constexpr qsizetype kTextWidth = 100;

const std::vector<QByteArray>& keysOf(CategoryId category) {
    static const std::array<std::vector<QByteArray>, 3> keys = [] {
        std::array<std::vector<QByteArray>, 3> all;
        for (const Category& c : categories())
            for (const FieldSpec& field : categoryFields(c.id).fields)
                all[size_t(c.id)].push_back(field.key);
        return all;
    }();
    return keys[size_t(category)];
}

} // namespace

QString headerLineOf(CategoryId category, const QString& id) {
    return QString::fromLatin1(wed::category(category).headerPrefix) + id;
}

ItemRecord readRecordAt(const LineBuffer& items, CategoryId category, qsizetype header) {
    return {scanRecordAt(items, header, categoryFields(category).endRule, keysOf(category))};
}

KeyHit readFieldAt(const LineBuffer& items, CategoryId category, qsizetype header, int field) {
    return scanRecordAt(items, header, categoryFields(category).endRule,
                        {keysOf(category)[size_t(field)]})
        .front();
}

ItemRecord readItemRecord(const LineBuffer& items, CategoryId category, const QString& id,
                          int occurrence) {
    return readRecordAt(items, category,
                        findHeaderLine(items, headerLineOf(category, id), occurrence));
}

ItemText readItemTextAt(const LineBuffer& names, CategoryId category, qsizetype opening) {
    const CategoryFields& table = categoryFields(category);
    ItemText text;
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

ItemText readItemText(const LineBuffer& names, const NameIndex& index, CategoryId category,
                      const QString& id) {
    return readItemTextAt(names, category, index.opening(names, id));
}

std::vector<QString> namesOf(const LineBuffer& names, const NameIndex& index, CategoryId category,
                             const std::vector<ListEntry>& entries) {
    std::vector<QString> found;
    found.reserve(entries.size());
    for (const ListEntry& entry : entries)
        found.push_back(readItemTextAt(names, category, index.opening(names, entry.id))
                            .name.value_or(QString()));
    return found;
}

} // namespace wed
