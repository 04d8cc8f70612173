#include "catalog_parts.h"

#include <iterator>

namespace wed::sample {
namespace {

struct Attribute {
    const char* id;
    const char* name;
};

const Attribute kAttributes[] = {
    {"health", "体质"},   {"strength", "力量"},     {"speed", "敏捷"},
    {"accuracy", "精准"}, {"intelligence", "智力"},
};
const char* const kGrades[] = {"一型", "二型", "三型", "四型", "五型"};
const char* const kMixed[][2] = {{"a", "甲"}, {"b", "乙"}, {"c", "丙"}};

constexpr int kImplantSeries = 1420;

// Implant records end at any line beginning ";**"; the game's files use several.
const QString kImplantEnds[] = {
    QStringLiteral(";**************************"),
    QStringLiteral(";***************************"),
    QStringLiteral(";**  晶体结束"),
    QStringLiteral(";**"),
};

QStringList implantKeyLines(int grade, int skills, int number, SampleRandom& rng) {
    const int low = grade + 1;
    return {
        keyLine("VidMENU", pictureNumber(kImplantSeries, number)),
        keyLine("VidGRND", 2900 + number),
        keyLine("Cost", (grade + 1) * 150 + rng.between(0, 5) * 10),
        keyLine("Add_level", 2 + grade * 3 + rng.between(0, 2)),
        keyLine("MaxShop", rng.between(1, 5)),
        keyLine("Level", grade * 2 + rng.between(0, 1)),
        keyLine("NumSkill", skills),
        keyLine("MinMax", pairValue(low, low + rng.between(1, 4))),
        keyLine("SkillType", rng.between(0, 4)),
        keyLine("Weight", 1),
        keyLine("Flags", 0),
    };
}

QStringList implantNameLines(const QString& name, const QString& attribute, int skills,
                             const QString& description) {
    return {
        nameField(QStringLiteral("类别"), QStringLiteral("晶体")),
        nameField(QStringLiteral("名称"), name),
        nameField(QStringLiteral("属性"), attribute),
        nameField(QStringLiteral("条数"), QString::number(skills)),
        nameField(QStringLiteral("商店"), QStringLiteral("有售")),
        nameField(QStringLiteral("说明")),
        description,
        QStringLiteral("属性在购买时随机生成，晶体越纯效果越好。"),
    };
}

SampleItem implant(const QString& id, const QString& name, const QString& attribute, int grade,
                   int skills, int number, int serial) {
    SampleRandom rng = itemRandom(serial);
    SampleItem item;
    item.category = CategoryId::Implant;
    item.id = id;
    item.keyLines = implantKeyLines(grade, skills, number, rng);
    item.endLine = kImplantEnds[number % 8 < 5 ? 0 : number % 8 - 4];
    item.nameLines = implantNameLines(name, attribute, skills,
                                      QStringLiteral("植入后可以提高%1。").arg(attribute));
    item.vidMenu = pictureNumber(kImplantSeries, number);
    item.serial = serial;
    return item;
}

// A record the editor reads but never lists.
SampleItem unlisted(const QString& id, QStringList keyLines, int serial) {
    SampleItem item;
    item.category = CategoryId::Implant;
    item.id = id;
    item.keyLines = std::move(keyLines);
    item.endLine = kImplantEnds[0];
    item.serial = serial;
    item.listed = false;
    return item;
}

SampleItem skillCosts(int serial) {
    SampleItem item =
        unlisted(QStringLiteral("ImplantSkillsCost"),
                 {keyLine("Health", 120), keyLine("Strength", 150), keyLine("Speed", 140),
                  keyLine("Accuracy", 160), keyLine("Intelligence", 180)},
                 serial);
    item.commentsBefore = {QStringLiteral("; ======== 晶体 ========"),
                           QStringLiteral("; 每一点属性的价格")};
    return item;
}

// The pools from which the game draws random items.
SampleItem randomPool(int pool, int serial) {
    QStringList lines;
    for (int k = 0; k < 4; ++k)
        lines.append(QStringLiteral("Item%1=implant_%2_%3")
                         .arg(k + 1)
                         .arg(QLatin1String(kAttributes[(pool + k) % 5].id))
                         .arg(pool + 1));
    lines.append(keyLine("Chance", 10 * (pool + 1)));
    return unlisted(QStringLiteral("RandItems_%1").arg(pool + 1), lines, serial);
}

// Implants given by the game itself, never sold.
SampleItem builtIn(const char* id, int serial) {
    SampleItem item =
        unlisted(QLatin1String(id),
                 {keyLine("VidMENU", pictureNumber(kImplantSeries, 900)), keyLine("VidGRND", 2999),
                  keyLine("Cost", 0), keyLine("NumSkill", 1), keyLine("MinMax", pairValue(1, 1)),
                  keyLine("Flags", 8)},
                 serial);
    item.nameLines = implantNameLines(QStringLiteral("内置晶体"), QStringLiteral("特殊"), 1,
                                      QStringLiteral("游戏自带，不能买卖。"));
    return item;
}

} // namespace

void appendImplants(std::vector<SampleItem>& items, int& serial) {
    items.push_back(skillCosts(serial++));
    items.push_back(builtIn("implant_standfirm_male", serial++));
    items.push_back(builtIn("implant_standfirm_female", serial++));
    int number = 1;
    for (int grade = 0; grade < int(std::size(kGrades)); ++grade) {
        for (const Attribute& a : kAttributes) {
            const QString attribute = QString::fromUtf8(a.name);
            items.push_back(
                implant(QStringLiteral("implant_%1_%2").arg(QLatin1String(a.id)).arg(grade + 1),
                        attribute + QStringLiteral("晶体") + QString::fromUtf8(kGrades[grade]),
                        attribute, grade, 1, number++, serial++));
        }
        if (grade == 2) {
            items.push_back(builtIn("implant_deathmatch_NET", serial++));
            items.push_back(builtIn("implant_deathmatch_NET_fem", serial++));
        }
    }
    for (int i = 0; i < int(std::size(kMixed)); ++i)
        items.push_back(implant(QStringLiteral("implant_mixed_%1").arg(kMixed[i][0]),
                                QStringLiteral("混合晶体") + QString::fromUtf8(kMixed[i][1]),
                                QStringLiteral("随机"), 2 + i, 2 + i, number++, serial++));
    for (int pool = 0; pool < 3; ++pool)
        items.push_back(randomPool(pool, serial++));
}

} // namespace wed::sample
