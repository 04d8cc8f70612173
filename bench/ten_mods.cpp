#include "ten_mods.h"

#include "game/game_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace bench {
namespace {

constexpr qsizetype kLines = 300000;
constexpr int kFields = 1000;
constexpr int kShared = 2; // fields each mod shares with the next (the last with the first)

struct Field {
    wed::ItemRef item;
    QByteArray key;
    QByteArray value;
};

// Numeric fields of the folder, one per item and key, items first.
std::vector<Field> fields(const wed::GameData& game, size_t count) {
    std::vector<Field> found;
    for (const char* key : {"Cost", "Level", "Weight"})
        for (const wed::Category& c : wed::categories())
            for (const wed::RecordEntry& record : game.records(c.id)) {
                if (found.size() == count)
                    return found;
                if (const auto value = game.value(record.ref, key))
                    found.push_back({record.ref, key, *value});
            }
    return found;
}

// Mod m changes the fields from m * (1,000 - 2) on, the last wrapping round to the first mod's,
// each to a value of its own.
std::vector<QString> makeMods(const GameFolder& folder) {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    wed::GameData base;
    base.read(folder.itemFile());
    const size_t stride = kFields - kShared;
    const std::vector<Field> all = fields(base, kTenMods * stride);
    std::vector<QString> made;
    for (int m = 0; m < kTenMods; ++m) {
        auto dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(dir->filePath(QStringLiteral("Text")));
        for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
            QFile::copy(QDir(folder.folder()).filePath(QLatin1StringView(file)),
                        dir->filePath(QLatin1StringView(file)));
        wed::ChangeSet changes;
        for (size_t j = 0; j < size_t(kFields); ++j) {
            const Field& field = all[(size_t(m) * stride + j) % all.size()];
            wed::Change change;
            change.item = field.item;
            change.key = field.key;
            change.base = field.value;
            change.now = field.value + QByteArray::number(m + 1);
            changes.push_back(change);
        }
        wed::GameData mod;
        mod.read(dir->filePath(QStringLiteral("weapon.cfg")));
        if (!mod.apply(changes).outcome.done())
            qFatal("a mod could not be made");
        made.push_back(dir->path());
        dirs.push_back(std::move(dir));
    }
    return made;
}

} // namespace

const TenMods& tenMods() {
    static const GameFolder base(kLines);
    static const TenMods mods{base, makeMods(base)};
    return mods;
}

} // namespace bench
