#include "data/item_fields.h"

namespace wed {
namespace {

const QString kStageHelp = QStringLiteral("在X关时可以买到，改成2的话第一个商店就能买到");
const QString kSizeHelp = QStringLiteral("武器占地，X是横向 Y是纵向 比如2 3就是宽2格高3格");
const QString kSkillHelp = QStringLiteral("需要技能等级");
const QString kPriceHelp = QStringLiteral("价格");

// Weapon panel: labels 375 twips high, text boxes 975 x 375, choice boxes 300 high.
FieldSpec weaponField(const char* control, const char* label, const char* caption, QString help,
                      const char* key, FieldKind kind, int labelLeft, int top, int fieldLeft,
                      int fieldWidth = 975) {
    const bool choice = kind != FieldKind::Numeric && kind != FieldKind::Verbatim;
    return {control,
            label,
            QString::fromUtf8(caption),
            std::move(help),
            {},
            key,
            kind,
            "Frame3",
            {labelLeft, top, fieldLeft - labelLeft, 375},
            {fieldLeft, top, fieldWidth, choice ? 300 : 375},
            {}};
}

// The pair frame inside the weapon panel: two numbers separated by a blank.
FieldSpec pairField(const char* control, const char* label, const char* caption, QString help,
                    const char* key, int top) {
    return {control,
            label,
            QString::fromUtf8(caption),
            std::move(help),
            {},
            key,
            FieldKind::Verbatim,
            "Frame2",
            {120, top, 4440, 375},
            {4560, top, 975, 375},
            {}};
}

FieldSpec armorField(const char* control, const char* label, const char* caption, QString help,
                     const char* key, FieldKind kind, int top) {
    return {control, label,    QString::fromUtf8(caption), std::move(help),        {}, key,
            kind,    "Frame4", {240, top, 3960, 600},      {4200, top, 1400, 600}, {}};
}

FieldSpec implantField(const char* control, const char* label, const char* caption, const char* key,
                       FieldKind kind, int top) {
    return {control,
            label,
            QString::fromUtf8(caption),
            {},
            {},
            key,
            kind,
            "Frame5",
            {240, top, 4000, 800},
            {4080, top, 1400, 600},
            {}};
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
    CategoryFields c{CategoryId::Weapon, EndRule::Separator, 1, 7, "Text15", {}};
    c.fields = {
        weaponField("Text2", "Label1", "可购买关卡", kStageHelp, "Add_level=", K::Numeric, 120, 120,
                    2160),
        pairField("Text3", "Label2", "最小伤害值、最大伤害值", QStringLiteral(":最小-最大伤害值"),
                  "Damage=", 600),
        pairField("Text4", "Label3", "发射间隔、换弹时间",
                  QStringLiteral("X=每两发间隔时间 Y=换弹夹所需时间"), "Reload=", 1200),
        weaponField("Text5", "Label4", "价格", kPriceHelp, "Cost=", K::Verbatim, 3960, 120, 4680),
        pairField("Text6", "Label5", "该武器的宽度、高度", kSizeHelp, "Size=", 1800),
        weaponField("Text7", "Label6", "要求熟练度", kSkillHelp, "Level=", K::Verbatim, 120, 720,
                    2160),
        weaponField("Text8", "Label16", "退怪距离", {}, "DeathPush=", K::Verbatim, 3360, 2520,
                    4680),
        weaponField("Text9", "Label8", "杀伤半径", QStringLiteral("损伤半径,X越大范围越大"),
                    "DamageRadius=", K::Verbatim, 3360, 1920, 4680),
        weaponField("Text10", "Label9", "弹夹装弹数", QStringLiteral("一个弹夹装弹数"),
                    "Clip=", K::Verbatim, 120, 1320, 2160),
        weaponField("Text11", "Label11", "精确度", QStringLiteral("精度，越大越不准"),
                    "AimRange=", K::Verbatim, 3600, 1320, 4680),
        pairField("Text12", "Label12", "每枪发出子弹数、减少子弹数\r\n",
                  QStringLiteral("X是每一枪发出子弹数，\r\nY是\r\n开一枪减少多少子弹\r\n"),
                  "BulletCount=", 2400),
        weaponField("Text13", "Label17", "碎尸概率", {}, "Explosive=", K::Numeric, 3360, 3120,
                    4680),
        weaponField("Text14", "Label18", "在地上时的图片", {}, "VidGRND=", K::Numeric, 120, 5160,
                    2400),
        weaponField("Text15", "Label10", "在菜单时的图片", {}, "VidMENU=", K::Verbatim, 120, 4680,
                    2400),
        weaponField("Text16", "Label19", "握枪造型", {}, "TypeAnimationTors=", K::Numeric, 120,
                    3120, 2160),
        weaponField("Text17", "Label20", "弹出的弹壳", {}, "ShellVid=", K::Numeric, 120, 1920,
                    2160),
        weaponField("Text18", "Label21", "枪声", {}, "ShotWAV=", K::Numeric, 3960, 720, 4680),
        weaponField("Combo1", "Label7", "该武器类别",
                    QStringLiteral("武器类别，0=拳头，1=手枪 2=散弹 3=机枪 4=火箭 5-能量"),
                    "Class=", K::ClassChoice, 120, 2520, 2160),
        weaponField("Combo2", "Label13", "使用弹药种类", QStringLiteral("使用弹药种类"),
                    "AmmoName=", K::AmmoChoice, 120, 3720, 2160, 3495),
        weaponField("Combo3", "Label14", "发射子弹种类", QStringLiteral("发射子弹种类"),
                    "VIDBullet=", K::BulletChoice, 120, 4200, 2160, 3495),
    };
    c.fields[13].fieldHelp = QStringLiteral("减一为大图");
    c.fields[17].choices = classChoices();
    c.fields[18].choices = ammoChoices();
    c.fields[19].choices = bulletChoices();
    return c;
}

CategoryFields armorFields() {
    using K = FieldKind;
    CategoryFields c{CategoryId::Armor, EndRule::Separator, 2, 5, "Text26", {}};
    c.fields = {
        armorField("Text19", "Label24", "价格", kPriceHelp, "Cost=", K::Numeric, 240),
        armorField("Text20", "Label31", "耐久", {}, "Hp=", K::Verbatim, 1080),
        armorField("Text21", "Label30", "抵消伤害百分比", {}, "Defence=", K::Verbatim, 1920),
        armorField("Text22", "Label22", "可购买关卡", kStageHelp, "Add_level=", K::Verbatim, 2880),
        armorField("Text23", "Label23", "要求熟练度", kSkillHelp, "Level=", K::Verbatim, 3840),
        armorField("Text24", "Label26", "该装甲的宽度、高度", kSizeHelp, "Size=", K::Verbatim,
                   4800),
        armorField("Text25", "Label27", "使用时的装甲造型", {}, "TypeAnimationArmor=", K::Verbatim,
                   5760),
        armorField("Text26", "Label28", "在菜单时的图片", {}, "VidMENU=", K::Verbatim, 6720),
        armorField("Text27", "Label29", "在地上时的图片", {}, "VidGRND=", K::Verbatim, 7680),
    };
    return c;
}

CategoryFields implantFields() {
    using K = FieldKind;
    CategoryFields c{CategoryId::Implant, EndRule::SemicolonStars, 1, 6, "Text30", {}};
    c.fields = {
        implantField("Text30", "Label33", "在菜单时的图片", "VidMENU=", K::Verbatim, 6720),
        implantField("Text31", "Label34", "在地上时的图片", "VidGRND=", K::Verbatim, 7680),
        implantField("Text32", "Label40", "价格", "Cost=", K::Numeric, 960),
        implantField("Text33", "Label35", "可购买关卡", "Add_level=", K::Verbatim, 1920),
        implantField("Text34", "Label36", "商店出售个数", "MaxShop=", K::Verbatim, 2880),
        implantField("Text35", "Label37", "属性个数", "NumSkill=", K::Verbatim, 3840),
        implantField("Text36", "Label38", "要求的智力", "Level=", K::Verbatim, 4800),
        implantField("Text37", "Label39", "属性值随机范围", "MinMax=", K::Verbatim, 5760),
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
        if (name == QLatin1StringView(fields[i].key.chopped(1)))
            return int(i);
    return -1;
}

const FieldSpec* fieldByControl(QStringView control) {
    for (CategoryId id : {CategoryId::Weapon, CategoryId::Armor, CategoryId::Implant})
        for (const FieldSpec& f : categoryFields(id).fields)
            if (control == QLatin1String(f.control))
                return &f;
    return nullptr;
}

} // namespace wed
