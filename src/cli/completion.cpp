#include "cli/completion.h"

#include "cli/commands.h"
#include "data/item_ref.h"
#include "game/game_data.h"

#include <algorithm>

namespace wed::cli {
namespace {

// A reference the shell can take as one word of a line: no control character in it.
bool fitsOneLine(QStringView text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

int completeItems(const QString& folder, const QString& prefix, CommandOutput& output) {
    GameData game;
    if (game.read(itemFileIn(folder)).refused())
        return kRefused;
    QString text;
    for (const Category& category : categories())
        for (const ListEntry& entry : game.listed(category.id).entries) {
            const QString ref = refText({category.id, entry.id, entry.ordinal + 1});
            if (ref.startsWith(prefix) && fitsOneLine(ref))
                text += ref + u'\n';
        }
    output.out += text.toUtf8();
    return kDone;
}

} // namespace

int completeWords(const Request& request, CommandOutput& output) {
    if (!request.arguments.isEmpty())
        return completeItems(request.arguments[0], request.arguments.value(1), output);
    QString text;
    for (const QString& command : commandWords())
        text += QStringLiteral("command ") + command + u'\n';
    for (const Category& category : categories())
        text += QStringLiteral("category ") + QLatin1StringView(category.name) + u'\n';
    for (const char* option : {"--base", "--code-page", "--lang", "--rules"})
        text += QStringLiteral("option ") + QLatin1StringView(option) + u'\n';
    output.out += text.toUtf8();
    return kDone;
}

} // namespace wed::cli
