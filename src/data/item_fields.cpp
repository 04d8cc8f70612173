#include "data/item_fields.h"

namespace wed {
namespace {

FieldSpec field(const char* caption, const char* key, FieldKind kind,
                ValueType type = ValueType::Number) {
    return {QString::fromUtf8(caption), key, kind, type, {}};
}

QStringList classChoices() {
    return {QStringLiteral("0=拳头"), QStringLiteral("1=手枪"), QStringLiteral("2=散弹"),
            QStringLiteral("3=机枪"), QStringLiteral("4=火箭"), QStringLiteral("5=能量")};
}

QStringList ammoChoices() {
    return {QStringLiteral("手枪弹 Ammo_pistol"),
            QStringLiteral("散弹　 Ammo_shotgun"),
            QStringLiteral("机枪弹 Ammo_minigun"),
            QStringLiteral("火箭弹 Ammo_rocket"),
            QStringLiteral("榴弹　 Ammo_granate"),
            QStringLiteral("能量罐 Ammo_energy"),
            QStringLiteral("燃料罐 Ammo_ballon"),
            QStringLiteral("无限１ Ammo_pistol_infinite"),
            QStringLiteral("无限２ Ammo_energy_infinite"),
            QStringLiteral("手　　 Ammo_hand")};
}

QStringList bulletChoices() {
    return {QStringLiteral("800  子弹（小）"),
            QStringLiteral("801  子弹（大）"),
            QStringLiteral("134  榴弹"),
            QStringLiteral("203  照明弹"),
            QStringLiteral("3027 蓝射线"),
            QStringLiteral("3050 绿射线（小）"),
            QStringLiteral("112  绿射线（大）"),
            QStringLiteral("129  红射线"),
            QStringLiteral("231  红射线"),
            QStringLiteral("222  火箭弹（慢）"),
            QStringLiteral("113  火箭弹（中）"),
            QStringLiteral("236  火箭弹（中快）"),
            QStringLiteral("238  火箭弹（快）"),
            QStringLiteral("139  火箭弹（跟踪）"),
            QStringLiteral("214  火箭弹（核弹）"),
            QStringLiteral("1392 火焰（小）"),
            QStringLiteral("1343 火焰（大）"),
            QStringLiteral("1411 离子炮（小）"),
            QStringLiteral("1376 离子炮（中）"),
            QStringLiteral("1375 离子炮（大）"),
            QStringLiteral("1386 缩小光波"),
            QStringLiteral("1395 冷冻气体"),
            QStringLiteral("200  手")};
}

CategoryFields weaponFields() {
    using K = FieldKind;
    using T = ValueType;
    CategoryFields c{CategoryId::Weapon, EndRule::Separator, 1, 7, "VidMENU=", {}};
    c.fields = {
        field("可购买关卡", "Add_level=", K::Numeric),
        field("最小伤害值、最大伤害值", "Damage=", K::Verbatim, T::Pair),
        field("发射间隔、换弹时间", "Reload=", K::Verbatim, T::Pair),
        field("价格", "Cost=", K::Verbatim),
        field("该武器的宽度、高度", "Size=", K::Verbatim, T::Pair),
        field("要求熟练度", "Level=", K::Verbatim),
        field("退怪距离", "DeathPush=", K::Verbatim),
        field("杀伤半径", "DamageRadius=", K::Verbatim),
        field("弹夹装弹数", "Clip=", K::Verbatim),
        field("精确度", "AimRange=", K::Verbatim),
        field("每枪发出子弹数、减少子弹数\r\n", "BulletCount=", K::Verbatim, T::Pair),
        field("碎尸概率", "Explosive=", K::Numeric),
        field("在地上时的图片", "VidGRND=", K::Numeric),
        field("在菜单时的图片", "VidMENU=", K::Verbatim, T::MenuPicture),
        field("握枪造型", "TypeAnimationTors=", K::Numeric),
        field("弹出的弹壳", "ShellVid=", K::Numeric),
        field("枪声", "ShotWAV=", K::Numeric),
        field("该武器类别", "Class=", K::ClassChoice, T::ClassDigit),
        field("使用弹药种类", "AmmoName=", K::AmmoChoice, T::Text),
        field("发射子弹种类", "VIDBullet=", K::BulletChoice),
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
        field("价格", "Cost=", K::Numeric),
        field("耐久", "Hp=", K::Verbatim),
        field("抵消伤害百分比", "Defence=", K::Verbatim),
        field("可购买关卡", "Add_level=", K::Verbatim),
        field("要求熟练度", "Level=", K::Verbatim),
        field("该装甲的宽度、高度", "Size=", K::Verbatim, T::Pair),
        field("使用时的装甲造型", "TypeAnimationArmor=", K::Verbatim, T::Text),
        field("在菜单时的图片", "VidMENU=", K::Verbatim, T::MenuPicture),
        field("在地上时的图片", "VidGRND=", K::Verbatim),
    };
    return c;
}

CategoryFields implantFields() {
    using K = FieldKind;
    using T = ValueType;
    CategoryFields c{CategoryId::Implant, EndRule::SemicolonStars, 1, 6, "VidMENU=", {}};
    c.fields = {
        field("在菜单时的图片", "VidMENU=", K::Verbatim, T::MenuPicture),
        field("在地上时的图片", "VidGRND=", K::Verbatim),
        field("价格", "Cost=", K::Numeric),
        field("可购买关卡", "Add_level=", K::Verbatim),
        field("商店出售个数", "MaxShop=", K::Verbatim),
        field("属性个数", "NumSkill=", K::Verbatim),
        field("要求的智力", "Level=", K::Verbatim),
        field("属性值随机范围", "MinMax=", K::Verbatim, T::Pair),
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

int pictureField(CategoryId category) {
    const CategoryFields& table = categoryFields(category);
    for (size_t i = 0; i < table.fields.size(); ++i)
        if (table.fields[i].key == table.pictureKey)
            return int(i);
    return -1;
}

} // namespace wed
