#include "catalog_parts.h"

#include <algorithm>
#include <iterator>

namespace wed::sample {
namespace {

struct Model {
    const char* id;
    const char* name;
};

// Invented model names: animals, so that no name belongs to a real product.
const Model kModels[] = {
    {"wasp", "黄蜂"},   {"falcon", "猎鹰"},  {"viper", "蝰蛇"},  {"badger", "獾"},
    {"lynx", "山猫"},   {"heron", "苍鹭"},   {"otter", "水獭"},  {"raven", "渡鸦"},
    {"mantis", "螳螂"}, {"bison", "野牛"},   {"hornet", "胡蜂"}, {"jackal", "豺狼"},
    {"marten", "紫貂"}, {"osprey", "鱼鹰"},  {"gecko", "壁虎"},  {"walrus", "海象"},
    {"ibis", "朱鹮"},   {"kestrel", "红隼"}, {"stoat", "白鼬"},  {"crane", "仙鹤"},
    {"tapir", "貘"},    {"yak", "牦牛"},     {"magpie", "喜鹊"}, {"petrel", "海燕"},
    {"condor", "秃鹫"}, {"lemur", "狐猴"},   {"boar", "野猪"},   {"egret", "白鹭"},
    {"quail", "鹌鹑"},  {"hare", "野兔"},    {"newt", "蝾螈"},   {"moth", "飞蛾"},
    {"shrike", "伯劳"}, {"beetle", "甲虫"},  {"weasel", "黄鼬"}, {"pelican", "鹈鹕"},
};
constexpr int kModelCount = int(std::size(kModels));

// What the weapons of one class have in common.
struct WeaponClass {
    int number; // the Class= value
    int count;  // weapons of this class in the sample
    const char* idPrefix;
    const char* noun;     // ends the display name
    const char* kindWord; // the name record's category line
    const char* comment;  // the comment line before the class's first record
};

// Description sentences of each class, by Class= value.
const QStringList& classPhrases(int cls) {
    static const QStringList phrases[] = {
        {QStringLiteral("戴在手上的格斗护具，不需要弹药。"),
         QStringLiteral("出拳迅速，适合贴身肉搏。"),
         QStringLiteral("指节处镶有钢片，打击更有力。")},
        {QStringLiteral("小巧的随身手枪，装弹迅速。"), QStringLiteral("后坐力小，新手也能打得准。"),
         QStringLiteral("枪身经过轻量化处理，携带方便。"),
         QStringLiteral("射速平稳，是可靠的副武器。")},
        {QStringLiteral("近距离威力惊人，一枪可以击退多个敌人。"),
         QStringLiteral("散布较大，远距离效果很差。"),
         QStringLiteral("换弹较慢，请注意弹药余量。")},
        {QStringLiteral("弹夹容量大，能够持续压制敌人。"),
         QStringLiteral("连续射击时准星会明显上跳。"),
         QStringLiteral("枪身沉重，占用背包空间较多。")},
        {QStringLiteral("发射爆炸弹头，杀伤范围很大。"),
         QStringLiteral("注意不要在近处开火，以免伤到自己。"),
         QStringLiteral("弹药稀少，关键时刻再用。")},
        {QStringLiteral("发射高能射线，无需弹壳。"), QStringLiteral("能量罐消耗较快，要及时补充。"),
         QStringLiteral("射线可以穿透薄弱的护甲。")},
    };
    return phrases[cls];
}

const std::vector<WeaponClass>& weaponClasses() {
    static const std::vector<WeaponClass> classes{
        {0, 4, "fist_", "拳套", "拳头", "; ---- 拳套 ----"},
        {1, 14, "pistol_", "手枪", "手枪", "; ---- 手枪 ----"},
        {2, 12, "shotgun_", "霰弹枪", "散弹", "; ---- 霰弹枪 ----"},
        {3, 14, "mg_", "机枪", "机枪", "; ---- 机枪 ----"},
        {4, 11, "rocket_", "火箭筒", "火箭", "; ---- 火箭与榴弹 ----"},
        {5, 14, "energy_", "能量枪", "能量", "; ---- 能量武器 ----"},
    };
    return classes;
}

const QStringList kCommonPhrases{
    QStringLiteral("出售价格随关卡提高。"),     QStringLiteral("据说出自地下工坊之手。"),
    QStringLiteral("外壳上刻着看不懂的编号。"), QStringLiteral("使用前请确认技能等级。"),
    QStringLiteral("保养得当可以用很久。"),
};

constexpr int kWeaponSeries = 1234;

// The values that differ by class: ammunition, projectile, damage, timing, size and look.
struct Ballistics {
    QString ammo;
    int bullet = 800;
    int damageLow = 1, damageHigh = 2;
    int shotDelay = 10, reloadTime = 50;
    int width = 2, height = 1;
    int clip = 0, aim = 0, perShot = 1, perShotAmmo = 1, radius = 0, explosive = 0, shell = 0;
    QString noun;
};

Ballistics fistBallistics(SampleRandom& rng) {
    Ballistics b;
    b.ammo = QStringLiteral("Ammo_hand");
    b.bullet = 200;
    b.damageLow = rng.between(3, 8);
    b.damageHigh = b.damageLow + rng.between(4, 10);
    b.shotDelay = rng.between(5, 8);
    b.reloadTime = 0;
    b.width = b.height = 1;
    b.perShotAmmo = 0;
    b.explosive = rng.between(0, 5);
    return b;
}

Ballistics gunBallistics(int cls, SampleRandom& rng) {
    static const int kRockets[] = {222, 113, 236, 238, 139, 214};
    static const int kBeams[] = {3027, 3050, 112, 129, 231, 1411, 1376, 1375, 1386, 1395};
    Ballistics b;
    switch (cls) {
    case 1:
        b.ammo =
            rng.chance(10) ? QStringLiteral("Ammo_pistol_infinite") : QStringLiteral("Ammo_pistol");
        b.bullet = rng.chance(60) ? 800 : 801;
        b.damageLow = rng.between(8, 18), b.damageHigh = b.damageLow + rng.between(4, 14);
        b.shotDelay = rng.between(8, 14), b.reloadTime = rng.between(40, 70);
        b.height = rng.chance(30) ? 2 : 1, b.clip = rng.between(6, 20), b.aim = rng.between(2, 8);
        b.shell = 1101;
        break;
    case 2:
        b.ammo = QStringLiteral("Ammo_shotgun");
        b.damageLow = rng.between(5, 9), b.damageHigh = b.damageLow + rng.between(2, 5);
        b.shotDelay = rng.between(20, 35), b.reloadTime = rng.between(60, 100);
        b.width = rng.between(3, 4), b.clip = rng.between(2, 8), b.aim = rng.between(10, 25);
        b.perShot = rng.between(6, 10), b.shell = 1102;
        break;
    case 3:
        b.ammo = QStringLiteral("Ammo_minigun");
        b.bullet = 801;
        b.damageLow = rng.between(10, 20), b.damageHigh = b.damageLow + rng.between(5, 15);
        b.shotDelay = rng.between(2, 5), b.reloadTime = rng.between(90, 150);
        b.width = rng.between(3, 5), b.height = 2, b.clip = rng.between(5, 20) * 10;
        b.aim = rng.between(4, 14), b.shell = 1103;
        break;
    case 4: {
        const bool grenade = rng.chance(30);
        b.ammo = grenade ? QStringLiteral("Ammo_granate") : QStringLiteral("Ammo_rocket");
        b.bullet = grenade ? (rng.chance(25) ? 203 : 134) : rng.pick(kRockets);
        b.noun = grenade ? QStringLiteral("榴弹炮") : QString();
        b.damageLow = rng.between(6, 20) * 10, b.damageHigh = b.damageLow + rng.between(5, 10) * 10;
        b.shotDelay = rng.between(30, 60), b.reloadTime = rng.between(100, 180);
        b.width = rng.between(4, 5), b.height = 2, b.clip = rng.between(1, 6);
        b.aim = rng.between(3, 9), b.radius = rng.between(6, 20) * 10;
        b.explosive = rng.between(60, 100);
        break;
    }
    default: {
        const bool flame = rng.chance(20);
        b.ammo = flame            ? QStringLiteral("Ammo_ballon")
                 : rng.chance(10) ? QStringLiteral("Ammo_energy_infinite")
                                  : QStringLiteral("Ammo_energy");
        b.bullet = flame ? (rng.chance(50) ? 1392 : 1343) : rng.pick(kBeams);
        b.noun = flame ? QStringLiteral("喷火器") : QString();
        b.damageLow = rng.between(20, 60), b.damageHigh = b.damageLow + rng.between(10, 60);
        b.shotDelay = rng.between(4, 20), b.reloadTime = rng.between(60, 120);
        b.width = rng.between(3, 4), b.height = 2, b.clip = rng.between(2, 10) * 10;
        b.aim = rng.between(1, 6), b.radius = flame ? rng.between(2, 5) * 10 : 0;
        break;
    }
    }
    return b;
}

// The key lines in the order the game's own files use, with the keys the editor does not show
// (Weight, BulletSpeed, Sound2, FlashVid, Recoil, Flags) among them.
QStringList weaponKeyLines(int cls, int number, const Ballistics& b, SampleRandom& rng) {
    const int tier = number % 12;
    // A few are priced off the tens, for the sample rules file's check to find.
    const int offTens = number % 20 == 5 && number < 80 ? 5 : 0;
    return {
        keyLine("Class", cls),
        keyLine("Cost", (rng.between(2, 9) + tier * 6) * (cls == 0 ? 10 : 50) - offTens),
        keyLine("Add_level", 1 + tier + rng.between(0, 3)),
        keyLine("Level", std::min(10, tier + rng.between(0, 2))),
        keyLine("Size", pairValue(b.width, b.height)),
        keyLine("Weight", rng.between(1, 20) * b.width),
        keyLine("VidMENU", pictureNumber(kWeaponSeries, number)),
        keyLine("VidGRND", 2200 + number),
        keyLine("TypeAnimationTors", cls),
        keyLine("AmmoName", b.ammo),
        keyLine("Clip", b.clip),
        keyLine("Damage", pairValue(b.damageLow, b.damageHigh)),
        keyLine("DamageRadius", b.radius),
        keyLine("DeathPush", rng.between(2, 12) + b.radius / 20),
        keyLine("Explosive", b.explosive),
        keyLine("Reload", pairValue(b.shotDelay, b.reloadTime)),
        keyLine("AimRange", b.aim),
        keyLine("BulletCount", pairValue(b.perShot, b.perShotAmmo)),
        keyLine("VIDBullet", b.bullet),
        keyLine("BulletSpeed", cls == 0 ? 0 : rng.between(8, 40)),
        keyLine("ShellVid", b.shell),
        keyLine("ShotWAV", 300 + cls * 10 + rng.between(0, 9)),
        keyLine("Sound2", cls == 0 ? 0 : 400 + cls * 10 + rng.between(0, 9)),
        keyLine("FlashVid", cls == 0 ? 0 : 3100 + cls),
        keyLine("Recoil", rng.between(0, 5) * cls),
        keyLine("Flags", rng.between(0, 3)),
    };
}

QStringList weaponNameLines(const WeaponClass& wc, const QString& name, const Ballistics& b,
                            const QStringList& description) {
    QStringList lines{
        nameField(QStringLiteral("类别"), QString::fromUtf8(wc.kindWord)),
        nameField(QStringLiteral("名称"), name),
        nameField(QStringLiteral("伤害"),
                  QStringLiteral("%1-%2").arg(b.damageLow).arg(b.damageHigh)),
        nameField(QStringLiteral("射速"), QString::number(b.shotDelay)),
        nameField(QStringLiteral("弹药"), b.ammo),
        nameField(QStringLiteral("占位"), QStringLiteral("%1×%2").arg(b.width).arg(b.height)),
        nameField(QStringLiteral("说明")),
    };
    return lines + description;
}

QStringList describe(const QStringList& own, SampleRandom& rng) {
    QStringList lines{own[rng.between(0, int(own.size()) - 1)]};
    lines.append(kCommonPhrases[rng.between(0, int(kCommonPhrases.size()) - 1)]);
    if (rng.chance(40)) {
        // Two draws in two statements: the order of operands of + is not fixed.
        const QString first = own[rng.between(0, int(own.size()) - 1)];
        lines.append(first + kCommonPhrases[rng.between(0, int(kCommonPhrases.size()) - 1)]);
    }
    return lines;
}

SampleItem weapon(const WeaponClass& wc, int index, int number, int serial) {
    SampleRandom rng = itemRandom(serial);
    const Model& model = kModels[(wc.number * 7 + index) % kModelCount];
    const Ballistics b = wc.number == 0 ? fistBallistics(rng) : gunBallistics(wc.number, rng);
    const QString name =
        QString::fromUtf8(model.name) + (b.noun.isEmpty() ? QString::fromUtf8(wc.noun) : b.noun);
    SampleItem item;
    item.category = CategoryId::Weapon;
    item.id = QLatin1String(wc.idPrefix) + QLatin1String(model.id);
    item.keyLines = weaponKeyLines(wc.number, number, b, rng);
    item.endLine = kRecordEnd;
    item.nameLines = weaponNameLines(wc, name, b, describe(classPhrases(wc.number), rng));
    item.vidMenu = pictureNumber(kWeaponSeries, number);
    item.serial = serial;
    if (index == 0)
        item.commentsBefore.append(QString::fromUtf8(wc.comment));
    return item;
}

// The bare hands: the one weapon whose picture has a fixed file name.
SampleItem bareHands(int serial) {
    SampleRandom rng = itemRandom(serial);
    const Ballistics b = fistBallistics(rng);
    const WeaponClass& fists = weaponClasses().front();
    SampleItem item;
    item.category = CategoryId::Weapon;
    item.id = QStringLiteral("heand");
    item.keyLines = weaponKeyLines(0, 0, b, rng);
    item.endLine = kRecordEnd;
    item.nameLines = weaponNameLines(fists, QStringLiteral("空手"), b,
                                     {QStringLiteral("赤手空拳，没有武器时只能用它。"),
                                      QStringLiteral("永远不会丢失，也不能出售。")});
    item.vidMenu = pictureNumber(kWeaponSeries, 0);
    item.serial = serial;
    item.commentsBefore = {QStringLiteral("; ======== 武器 ========"),
                           QStringLiteral("; 空手：图片固定为 1598.tga")};
    return item;
}

} // namespace

void appendWeapons(std::vector<SampleItem>& items, int& serial) {
    items.push_back(bareHands(serial++));
    int number = 1;
    for (const WeaponClass& wc : weaponClasses()) {
        for (int i = 0; i < wc.count; ++i)
            items.push_back(weapon(wc, i, number++, serial++));
    }
    // A record the designers switched off: the header is commented out, so it lists nothing.
    items[5].commentsBefore.append(QStringLiteral(";Weapon=pistol_prototype"));
    // One description line longer than the editor shows.
    SampleItem& longest = items[7];
    longest.nameLines.append(classPhrases(1).join(QString()) + kCommonPhrases.join(QString()));
}

} // namespace wed::sample
