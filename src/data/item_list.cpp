#include "data/item_list.h"

#include "base/code_page.h"

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

namespace {

QStringList headerIds(const LineBuffer& items, QByteArrayView prefix) {
    QStringList ids;
    for (qsizetype i = 0, n = items.lineCount(); i < n; ++i) {
        // The prefix is ASCII and starts the line, so a byte compare equals a text compare.
        const QByteArrayView line = items.lineBytes(i);
        if (line.startsWith(prefix))
            ids.append(decodeAnsi(line.sliced(prefix.size())));
    }
    return ids;
}

void implantPass(QStringList& ids, const std::function<void()>& onSkillCostRecord) {
    for (qsizetype i = 0; i < ids.size();) {
        if (ids[i] == QLatin1String(kSkillCostId)) {
            if (onSkillCostRecord)
                onSkillCostRecord();
            ids.removeAt(i);
        } else if (excludedImplantNames().contains(ids[i])) {
            ids.removeAt(i);
        } else {
            ++i;
        }
    }
}

} // namespace

QStringList listItemIds(const LineBuffer& items, const Category& category,
                        const std::function<void()>& onSkillCostRecord) {
    QStringList ids = headerIds(items, category.headerPrefix);
    if (category.id == CategoryId::Implant)
        implantPass(ids, onSkillCostRecord);
    return ids;
}

} // namespace wed
