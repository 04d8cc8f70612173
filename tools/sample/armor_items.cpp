#include "catalog_parts.h"

#include <algorithm>
#include <iterator>

namespace wed::sample {
namespace {

struct Material {
    const char* id;
    const char* name;
};

const Material kMaterials[] = {
    {"padded", "棉"},      {"leather", "皮革"}, {"hide", "兽皮"},       {"chain", "锁链"},
    {"scale", "鳞片"},     {"plate", "钢板"},   {"ceramic", "陶瓷"},    {"titan", "钛合金"},
    {"composite", "复合"}, {"polymer", "聚合"}, {"lattice", "晶格"},    {"nano", "纳米"},
    {"mirror", "镜面"},    {"shadow", "暗影"},  {"thorn", "荆棘"},      {"storm", "风暴"},
    {"bone", "骨"},        {"coral", "珊瑚"},   {"obsidian", "黑曜石"}, {"glacier", "冰川"},
};

const QStringList kArmorPhrases{
    QStringLiteral("轻便的护甲，几乎不影响行动。"),
    QStringLiteral("能够挡住大部分子弹。"),
    QStringLiteral("对爆炸伤害有额外防护。"),
    QStringLiteral("穿久了会有些闷热。"),
    QStringLiteral("修理费用不低。"),
    QStringLiteral("表面涂有防锈涂层。"),
};

constexpr int kArmorSeries = 1310;

QStringList armorKeyLines(int tier, bool heavy, int number, SampleRandom& rng) {
    const int weight = heavy ? 2 : 1;
    return {
        keyLine("Cost", (tier * 4 + rng.between(1, 4)) * 100 * weight),
        keyLine("Add_level", 1 + tier + rng.between(0, 2)),
        keyLine("Level", std::min(10, tier * 2 / 3 + weight - 1)),
        keyLine("Size", pairValue(2, heavy ? 3 : 2)),
        keyLine("Weight", (tier + 2) * 3 * weight),
        keyLine("Hp", (tier + 1) * 40 * weight + rng.between(0, 30)),
        keyLine("HpRegen", rng.chance(20) ? rng.between(1, 3) : 0),
        keyLine("Defence", std::min(80, 5 + tier * 4 + weight * 5 + rng.between(0, 4))),
        keyLine("Resist", QStringLiteral("%1 %2 %3")
                              .arg(rng.between(0, 30))
                              .arg(rng.between(0, 30))
                              .arg(rng.between(0, 30))),
        keyLine("VidMENU", pictureNumber(kArmorSeries, number)),
        keyLine("VidGRND", 2600 + number),
        keyLine("TypeAnimationArmor", tier % 8),
        keyLine("Flags", 0),
    };
}

SampleItem armor(int tier, bool heavy, int number, int serial) {
    SampleRandom rng = itemRandom(serial);
    const Material& m = kMaterials[tier];
    const QString name = QString::fromUtf8(heavy ? "重型" : "轻型") + QString::fromUtf8(m.name) +
                         QStringLiteral("甲");
    SampleItem item;
    item.category = CategoryId::Armor;
    item.id = QStringLiteral("armor_%1_%2")
                  .arg(QLatin1String(m.id), QLatin1String(heavy ? "heavy" : "light"));
    item.keyLines = armorKeyLines(tier, heavy, number, rng);
    item.endLine = kRecordEnd;
    const QString first = kArmorPhrases[rng.between(0, int(kArmorPhrases.size()) - 1)];
    const QString second = kArmorPhrases[rng.between(0, int(kArmorPhrases.size()) - 1)];
    item.nameLines = {
        nameField(QStringLiteral("类别"), QStringLiteral("装甲")),
        nameField(QStringLiteral("等级"), QString::number(tier + 1)),
        nameField(QStringLiteral("名称"), name),
        nameField(QStringLiteral("防护"), QStringLiteral("中等")),
        nameField(QStringLiteral("说明")),
        first,
        second,
    };
    item.vidMenu = pictureNumber(kArmorSeries, number);
    item.serial = serial;
    return item;
}

} // namespace

void appendArmors(std::vector<SampleItem>& items, int& serial) {
    const auto first = items.size();
    int number = 1;
    for (int tier = 0; tier < int(std::size(kMaterials)); ++tier) {
        items.push_back(armor(tier, false, number++, serial++));
        items.push_back(armor(tier, true, number++, serial++));
    }
    items[first].commentsBefore = {QStringLiteral("; ======== 装甲 ========")};
    // A picture number of series 0100: its large picture is named "99_0012.tga".
    SampleItem& early = items[first + 11];
    early.vidMenu = QStringLiteral("01000012");
    for (QString& line : early.keyLines)
        if (line.startsWith(QLatin1String("VidMENU=")))
            line = QStringLiteral("VidMENU=01000012");
}

} // namespace wed::sample
