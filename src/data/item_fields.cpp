#include "data/item_fields.h"

#include <QtGlobal>
#include <initializer_list>

namespace wed {
namespace {

FieldSpec field(const char* caption, const char* key, FieldKind kind,
                ValueType type = ValueType::Number) {
    return {QString::fromUtf8(caption), key, kind, type, {}, {}};
}

// A pair field, typed as one text, with a name for each of its numbers (a table's columns).
FieldSpec pair(const char* caption, const char* key, const char* first, const char* second) {
    return {QString::fromUtf8(caption),
            key,
            FieldKind::Verbatim,
            ValueType::Pair,
            {},
            {QString::fromUtf8(first), QString::fromUtf8(second)}};
}

// A choice list's entries: their characters are what a pick writes, so they stay as written
// in every language; their translations are only shown beside them (shownChoice).
QStringList choices(std::initializer_list<const char*> entries) {
    QStringList list;
    for (const char* entry : entries)
        list.append(QString::fromUtf8(entry));
    return list;
}

QStringList classChoices() {
    return choices({QT_TRANSLATE_NOOP("Choice", "0=拳头"), QT_TRANSLATE_NOOP("Choice", "1=手枪"),
                    QT_TRANSLATE_NOOP("Choice", "2=散弹"), QT_TRANSLATE_NOOP("Choice", "3=机枪"),
                    QT_TRANSLATE_NOOP("Choice", "4=火箭"), QT_TRANSLATE_NOOP("Choice", "5=能量")});
}

QStringList ammoChoices() {
    return choices({QT_TRANSLATE_NOOP("Choice", "手枪弹 Ammo_pistol"),
                    QT_TRANSLATE_NOOP("Choice", "散弹　 Ammo_shotgun"),
                    QT_TRANSLATE_NOOP("Choice", "机枪弹 Ammo_minigun"),
                    QT_TRANSLATE_NOOP("Choice", "火箭弹 Ammo_rocket"),
                    QT_TRANSLATE_NOOP("Choice", "榴弹　 Ammo_granate"),
                    QT_TRANSLATE_NOOP("Choice", "能量罐 Ammo_energy"),
                    QT_TRANSLATE_NOOP("Choice", "燃料罐 Ammo_ballon"),
                    QT_TRANSLATE_NOOP("Choice", "无限１ Ammo_pistol_infinite"),
                    QT_TRANSLATE_NOOP("Choice", "无限２ Ammo_energy_infinite"),
                    QT_TRANSLATE_NOOP("Choice", "手　　 Ammo_hand")});
}

QStringList bulletChoices() {
    return choices({QT_TRANSLATE_NOOP("Choice", "800  子弹（小）"),
                    QT_TRANSLATE_NOOP("Choice", "801  子弹（大）"),
                    QT_TRANSLATE_NOOP("Choice", "134  榴弹"),
                    QT_TRANSLATE_NOOP("Choice", "203  照明弹"),
                    QT_TRANSLATE_NOOP("Choice", "3027 蓝射线"),
                    QT_TRANSLATE_NOOP("Choice", "3050 绿射线（小）"),
                    QT_TRANSLATE_NOOP("Choice", "112  绿射线（大）"),
                    QT_TRANSLATE_NOOP("Choice", "129  红射线"),
                    QT_TRANSLATE_NOOP("Choice", "231  红射线"),
                    QT_TRANSLATE_NOOP("Choice", "222  火箭弹（慢）"),
                    QT_TRANSLATE_NOOP("Choice", "113  火箭弹（中）"),
                    QT_TRANSLATE_NOOP("Choice", "236  火箭弹（中快）"),
                    QT_TRANSLATE_NOOP("Choice", "238  火箭弹（快）"),
                    QT_TRANSLATE_NOOP("Choice", "139  火箭弹（跟踪）"),
                    QT_TRANSLATE_NOOP("Choice", "214  火箭弹（核弹）"),
                    QT_TRANSLATE_NOOP("Choice", "1392 火焰（小）"),
                    QT_TRANSLATE_NOOP("Choice", "1343 火焰（大）"),
                    QT_TRANSLATE_NOOP("Choice", "1411 离子炮（小）"),
                    QT_TRANSLATE_NOOP("Choice", "1376 离子炮（中）"),
                    QT_TRANSLATE_NOOP("Choice", "1375 离子炮（大）"),
                    QT_TRANSLATE_NOOP("Choice", "1386 缩小光波"),
                    QT_TRANSLATE_NOOP("Choice", "1395 冷冻气体"),
                    QT_TRANSLATE_NOOP("Choice", "200  手")});
}

CategoryFields weaponFields() {
    using K = FieldKind;
    using T = ValueType;
    CategoryFields c{CategoryId::Weapon, EndRule::Separator, 1, 7, "VidMENU=", {}};
    c.fields = {
        field(QT_TRANSLATE_NOOP("Field", "可购买关卡"), "Add_level=", K::Numeric),
        pair(QT_TRANSLATE_NOOP("Field", "最小伤害值、最大伤害值"), "Damage=",
             QT_TRANSLATE_NOOP("Field", "最小伤害值"), QT_TRANSLATE_NOOP("Field", "最大伤害值")),
        pair(QT_TRANSLATE_NOOP("Field", "发射间隔、换弹时间"), "Reload=",
             QT_TRANSLATE_NOOP("Field", "发射间隔"), QT_TRANSLATE_NOOP("Field", "换弹时间")),
        field(QT_TRANSLATE_NOOP("Field", "价格"), "Cost=", K::Verbatim),
        pair(QT_TRANSLATE_NOOP("Field", "该武器的宽度、高度"),
             "Size=", QT_TRANSLATE_NOOP("Field", "该武器的宽度"),
             QT_TRANSLATE_NOOP("Field", "该武器的高度")),
        field(QT_TRANSLATE_NOOP("Field", "要求熟练度"), "Level=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "退怪距离"), "DeathPush=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "杀伤半径"), "DamageRadius=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "弹夹装弹数"), "Clip=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "精确度"), "AimRange=", K::Verbatim),
        pair(QT_TRANSLATE_NOOP("Field", "每枪发出子弹数、减少子弹数\r\n"),
             "BulletCount=", QT_TRANSLATE_NOOP("Field", "每枪发出子弹数"),
             QT_TRANSLATE_NOOP("Field", "减少子弹数")),
        field(QT_TRANSLATE_NOOP("Field", "碎尸概率"), "Explosive=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "在地上时的图片"), "VidGRND=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "在菜单时的图片"), "VidMENU=", K::Verbatim,
              T::MenuPicture),
        field(QT_TRANSLATE_NOOP("Field", "握枪造型"), "TypeAnimationTors=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "弹出的弹壳"), "ShellVid=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "枪声"), "ShotWAV=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "该武器类别"), "Class=", K::ClassChoice, T::ClassDigit),
        field(QT_TRANSLATE_NOOP("Field", "使用弹药种类"), "AmmoName=", K::AmmoChoice, T::Text),
        field(QT_TRANSLATE_NOOP("Field", "发射子弹种类"), "VIDBullet=", K::BulletChoice),
    };
    c.fields[17].choices = classChoices();
    c.fields[18].choices = ammoChoices();
    c.fields[19].choices = bulletChoices();
    return c;
}

CategoryFields armorFields() {
    using K = FieldKind;
    using T = ValueType;
    CategoryFields c{CategoryId::Armor, EndRule::Separator, 2, 5, "VidMENU=", {}};
    c.fields = {
        field(QT_TRANSLATE_NOOP("Field", "价格"), "Cost=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "耐久"), "Hp=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "抵消伤害百分比"), "Defence=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "可购买关卡"), "Add_level=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "要求熟练度"), "Level=", K::Verbatim),
        pair(QT_TRANSLATE_NOOP("Field", "该装甲的宽度、高度"),
             "Size=", QT_TRANSLATE_NOOP("Field", "该装甲的宽度"),
             QT_TRANSLATE_NOOP("Field", "该装甲的高度")),
        field(QT_TRANSLATE_NOOP("Field", "使用时的装甲造型"), "TypeAnimationArmor=", K::Verbatim,
              T::Text),
        field(QT_TRANSLATE_NOOP("Field", "在菜单时的图片"), "VidMENU=", K::Verbatim,
              T::MenuPicture),
        field(QT_TRANSLATE_NOOP("Field", "在地上时的图片"), "VidGRND=", K::Verbatim),
    };
    return c;
}

CategoryFields implantFields() {
    using K = FieldKind;
    using T = ValueType;
    CategoryFields c{CategoryId::Implant, EndRule::SemicolonStars, 1, 6, "VidMENU=", {}};
    c.fields = {
        field(QT_TRANSLATE_NOOP("Field", "在菜单时的图片"), "VidMENU=", K::Verbatim,
              T::MenuPicture),
        field(QT_TRANSLATE_NOOP("Field", "在地上时的图片"), "VidGRND=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "价格"), "Cost=", K::Numeric),
        field(QT_TRANSLATE_NOOP("Field", "可购买关卡"), "Add_level=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "商店出售个数"), "MaxShop=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "属性个数"), "NumSkill=", K::Verbatim),
        field(QT_TRANSLATE_NOOP("Field", "要求的智力"), "Level=", K::Verbatim),
        pair(QT_TRANSLATE_NOOP("Field", "属性值随机范围"),
             "MinMax=", QT_TRANSLATE_NOOP("Field", "属性值随机下限"),
             QT_TRANSLATE_NOOP("Field", "属性值随机上限")),
    };
    return c;
}

} // namespace

const CategoryFields& categoryFields(CategoryId id) {
    static const CategoryFields tables[] = {weaponFields(), armorFields(), implantFields()};
    return tables[size_t(id)];
}

int fieldOfKey(CategoryId category, QStringView key) {
    const QStringView name = key.endsWith(u'=') ? key.chopped(1) : key;
    const std::vector<FieldSpec>& fields = categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (name == QLatin1StringView(fields[i].name()))
            return int(i);
    return -1;
}

QString sheetItemHeading() {
    return QStringLiteral("物品");
}

QString sheetNameHeading() {
    return QStringLiteral("名字");
}

int pictureField(CategoryId category) {
    const CategoryFields& table = categoryFields(category);
    for (size_t i = 0; i < table.fields.size(); ++i)
        if (table.fields[i].key == table.pictureKey)
            return int(i);
    return -1;
}

} // namespace wed
