#include "data/record_view.h"

#include "data/item_fields.h"
#include "data/name_record.h"

namespace wed {
namespace {

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
    ItemText text;
    if (opening < 0)
        return text;
    const NameRecordLines record = nameRecordFrom(names, opening);
    const NameText read = nameTextOf(category, record.last - opening,
                                     [&](qsizetype k) { return names.line(opening + 1 + k); });
    if (read.name)
        text.name = read.name->left(kShownWidth);
    for (const QString& line : read.description)
        text.description += line.left(kShownWidth) + QStringLiteral("\r\n");
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
