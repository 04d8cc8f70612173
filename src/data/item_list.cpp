#include "data/item_list.h"

#include "base/code_page.h"

#include <QHash>

namespace wed {

const QStringList& excludedImplantNames() {
    static const QStringList names{
        QStringLiteral("RandItems_1"),
        QStringLiteral("RandItems_2"),
        QStringLiteral("RandItems_3"),
        QStringLiteral("implant_standfirm_male"),
        QStringLiteral("implant_standfirm_female"),
        QStringLiteral("implant_deathmatch_NET"),
        QStringLiteral("implant_deathmatch_NET_fem"),
    };
    return names;
}

ItemList listItems(const LineBuffer& items, const ItemIndex& index, const Category& category) {
    ItemList list;
    const bool implant = category.id == CategoryId::Implant;
    QHash<QString, int> seen;
    seen.reserve(qsizetype(index.headers(category.id).size()));
    for (qsizetype line : index.headers(category.id)) {
        QString id = decodeAnsi(items.lineBytes(line).sliced(category.headerPrefix.size()));
        if (implant && id == QLatin1String(kSkillCostId)) {
            ++list.skillCostRecords;
            continue;
        }
        if (implant && excludedImplantNames().contains(id))
            continue;
        const int ordinal = seen[id]++;
        list.entries.push_back({std::move(id), line, ordinal});
    }
    return list;
}

QStringList idsOf(const std::vector<ListEntry>& entries) {
    QStringList ids;
    ids.reserve(qsizetype(entries.size()));
    for (const ListEntry& entry : entries)
        ids.append(entry.id);
    return ids;
}

} // namespace wed
