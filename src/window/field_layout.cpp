#include "window/field_layout.h"

#include "data/item_fields.h"

#include <QCoreApplication>
#include <QStringList>
#include <stdexcept>

namespace wed {
namespace {

const char* const kStageHelp =
    QT_TRANSLATE_NOOP("FieldHelp", "在X关时可以买到，改成2的话第一个商店就能买到");
const char* const kSizeHelp =
    QT_TRANSLATE_NOOP("FieldHelp", "武器占地，X是横向 Y是纵向 比如2 3就是宽2格高3格");
const char* const kSkillHelp = QT_TRANSLATE_NOOP("FieldHelp", "需要技能等级");
const char* const kPriceHelp = QT_TRANSLATE_NOOP("FieldHelp", "价格");

// Weapon panel: labels 375 twips high, text boxes 975 x 375.
FieldLayout weapon(const char* key, const char* control, const char* label, const char* help,
                   int labelLeft, int top, int fieldLeft, int fieldWidth = 975,
                   int fieldHeight = 375) {
    return {key,
            control,
            label,
            "Frame3",
            {labelLeft, top, fieldLeft - labelLeft, 375},
            {fieldLeft, top, fieldWidth, fieldHeight},
            help,
            nullptr};
}

// The weapon panel's choice boxes are 300 twips high.
FieldLayout weaponChoice(const char* key, const char* control, const char* label, const char* help,
                         int labelLeft, int top, int fieldLeft, int fieldWidth = 975) {
    return weapon(key, control, label, help, labelLeft, top, fieldLeft, fieldWidth, 300);
}

// The pair frame inside the weapon panel: two numbers separated by a blank.
FieldLayout pair(const char* key, const char* control, const char* label, const char* help,
                 int top) {
    return {key,  control, label, "Frame2", {120, top, 4440, 375}, {4560, top, 975, 375},
            help, nullptr};
}

FieldLayout armor(const char* key, const char* control, const char* label, const char* help,
                  int top) {
    return {key,  control, label, "Frame4", {240, top, 3960, 600}, {4200, top, 1400, 600},
            help, nullptr};
}

FieldLayout implant(const char* key, const char* control, const char* label, int top) {
    return {key,     control, label, "Frame5", {240, top, 4000, 800}, {4080, top, 1400, 600},
            nullptr, nullptr};
}

std::vector<FieldLayout> weaponLayout() {
    std::vector<FieldLayout> l{
        weapon("Add_level=", "Text2", "Label1", kStageHelp, 120, 120, 2160),
        pair("Damage=", "Text3", "Label2", QT_TRANSLATE_NOOP("FieldHelp", ":最小-最大伤害值"), 600),
        pair("Reload=", "Text4", "Label3",
             QT_TRANSLATE_NOOP("FieldHelp", "X=每两发间隔时间 Y=换弹夹所需时间"), 1200),
        weapon("Cost=", "Text5", "Label4", kPriceHelp, 3960, 120, 4680),
        pair("Size=", "Text6", "Label5", kSizeHelp, 1800),
        weapon("Level=", "Text7", "Label6", kSkillHelp, 120, 720, 2160),
        weapon("DeathPush=", "Text8", "Label16", nullptr, 3360, 2520, 4680),
        weapon("DamageRadius=", "Text9", "Label8",
               QT_TRANSLATE_NOOP("FieldHelp", "损伤半径,X越大范围越大"), 3360, 1920, 4680),
        weapon("Clip=", "Text10", "Label9", QT_TRANSLATE_NOOP("FieldHelp", "一个弹夹装弹数"), 120,
               1320, 2160),
        weapon("AimRange=", "Text11", "Label11", QT_TRANSLATE_NOOP("FieldHelp", "精度，越大越不准"),
               3600, 1320, 4680),
        pair("BulletCount=", "Text12", "Label12",
             QT_TRANSLATE_NOOP("FieldHelp",
                               "X是每一枪发出子弹数，\r\nY是\r\n开一枪减少多少子弹\r\n"),
             2400),
        weapon("Explosive=", "Text13", "Label17", nullptr, 3360, 3120, 4680),
        weapon("VidGRND=", "Text14", "Label18", nullptr, 120, 5160, 2400),
        weapon("VidMENU=", "Text15", "Label10", nullptr, 120, 4680, 2400),
        weapon("TypeAnimationTors=", "Text16", "Label19", nullptr, 120, 3120, 2160),
        weapon("ShellVid=", "Text17", "Label20", nullptr, 120, 1920, 2160),
        weapon("ShotWAV=", "Text18", "Label21", nullptr, 3960, 720, 4680),
        weaponChoice(
            "Class=", "Combo1", "Label7",
            QT_TRANSLATE_NOOP("FieldHelp", "武器类别，0=拳头，1=手枪 2=散弹 3=机枪 4=火箭 5-能量"),
            120, 2520, 2160),
        weaponChoice("AmmoName=", "Combo2", "Label13",
                     QT_TRANSLATE_NOOP("FieldHelp", "使用弹药种类"), 120, 3720, 2160, 3495),
        weaponChoice("VIDBullet=", "Combo3", "Label14",
                     QT_TRANSLATE_NOOP("FieldHelp", "发射子弹种类"), 120, 4200, 2160, 3495),
    };
    l[13].fieldHelp = QT_TRANSLATE_NOOP("FieldHelp", "减一为大图");
    return l;
}

std::vector<FieldLayout> armorLayout() {
    return {
        armor("Cost=", "Text19", "Label24", kPriceHelp, 240),
        armor("Hp=", "Text20", "Label31", nullptr, 1080),
        armor("Defence=", "Text21", "Label30", nullptr, 1920),
        armor("Add_level=", "Text22", "Label22", kStageHelp, 2880),
        armor("Level=", "Text23", "Label23", kSkillHelp, 3840),
        armor("Size=", "Text24", "Label26", kSizeHelp, 4800),
        armor("TypeAnimationArmor=", "Text25", "Label27", nullptr, 5760),
        armor("VidMENU=", "Text26", "Label28", nullptr, 6720),
        armor("VidGRND=", "Text27", "Label29", nullptr, 7680),
    };
}

std::vector<FieldLayout> implantLayout() {
    return {
        implant("VidMENU=", "Text30", "Label33", 6720),
        implant("VidGRND=", "Text31", "Label34", 7680),
        implant("Cost=", "Text32", "Label40", 960),
        implant("Add_level=", "Text33", "Label35", 1920),
        implant("MaxShop=", "Text34", "Label36", 2880),
        implant("NumSkill=", "Text35", "Label37", 3840),
        implant("Level=", "Text36", "Label38", 4800),
        implant("MinMax=", "Text37", "Label39", 5760),
    };
}

// The layout in the order of the format's fields, every field placed exactly once.
std::vector<FieldLayout> joined(CategoryId category, std::vector<FieldLayout> layout) {
    std::vector<FieldLayout> ordered;
    for (const FieldSpec& field : categoryFields(category).fields) {
        for (const FieldLayout& place : layout)
            if (field.key == place.key)
                ordered.push_back(place);
        if (ordered.size() != size_t(&field - categoryFields(category).fields.data()) + 1)
            throw std::logic_error("a field without its place in the window");
    }
    return ordered;
}

} // namespace

const std::vector<FieldLayout>& fieldLayouts(CategoryId category) {
    static const std::vector<FieldLayout> tables[] = {
        joined(CategoryId::Weapon, weaponLayout()),
        joined(CategoryId::Armor, armorLayout()),
        joined(CategoryId::Implant, implantLayout()),
    };
    return tables[size_t(category)];
}

QString shownHelp(const char* help) {
    return help ? QCoreApplication::translate("FieldHelp", help) : QString();
}

Control panelOf(CategoryId category) {
    static constexpr Control panels[] = {Control::WeaponPanel, Control::ArmorPanel,
                                         Control::ImplantPanel};
    return panels[size_t(category)];
}

bool fieldOfControl(const char* control, CategoryId& category, int& field) {
    for (const Category& c : categories()) {
        const std::vector<FieldLayout>& layout = fieldLayouts(c.id);
        for (size_t i = 0; i < layout.size(); ++i)
            if (qstrcmp(control, layout[i].control) == 0) {
                category = c.id;
                field = int(i);
                return true;
            }
    }
    return false;
}

} // namespace wed
