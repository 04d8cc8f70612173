#include "rules_property.h"

#include "game/game_data.h"
#include "rules/rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace wed::fuzz {

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy of the sample folder, made once, and its files' bytes.
struct SampleCopy {
    QTemporaryDir dir;
    QByteArray items, names;
    SampleCopy() {
        QDir().mkpath(dir.filePath("Text"));
        for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
            QFile::copy(QStringLiteral(WED_SAMPLE_DIR "/") + file, dir.filePath(file));
        items = bytesOf(dir.filePath("weapon.cfg"));
        names = bytesOf(dir.filePath("Text/Weapon.txt"));
    }
};

} // namespace

QString checkRules(QByteArrayView input) {
    static const SampleCopy sample;
    GameData game;
    if (game.read(sample.dir.filePath("weapon.cfg")).refused())
        return QStringLiteral("the sample folder cannot be read");
    Rules rules({.loadInstructions = 200'000,
                 .ruleInstructions = 20'000,
                 .recipeInstructions = 200'000,
                 .memoryBytes = 8u << 20});
    rules.readText(QStringLiteral("fuzz.lua"), input.toByteArray());
    for (const RuleError& error : rules.errors())
        if (error.file != u"fuzz.lua")
            return QStringLiteral("an error without its file");
    const std::vector<ListEntry> items = game.listed(CategoryId::Weapon).entries;
    for (size_t i = 0; i < items.size() && i < 4; ++i) {
        const ItemRef item{CategoryId::Weapon, items[i].id, items[i].ordinal + 1};
        for (size_t c = 0; c < rules.columns().size(); ++c)
            if (rules.columns()[c].category == CategoryId::Weapon)
                rules.column(int(c), game, item, &game);
        for (size_t c = 0; c < rules.checks().size(); ++c)
            if (rules.checks()[c].category == CategoryId::Weapon)
                rules.check(int(c), game, item, &game);
    }
    for (size_t r = 0; r < rules.recipes().size(); ++r) {
        const RecipeOutcome outcome = rules.run(int(r), game, &game);
        if (outcome.changes.has_value() == outcome.error.has_value())
            return QStringLiteral("a recipe gave both or neither a change set and an error");
        if (outcome.changes)
            game.plan(*outcome.changes);
    }
    if (bytesOf(sample.dir.filePath("weapon.cfg")) != sample.items ||
        bytesOf(sample.dir.filePath("Text/Weapon.txt")) != sample.names)
        return QStringLiteral("a rule changed the folder's files");
    return {};
}

} // namespace wed::fuzz
