// The commands work on the model of a game folder, as the window's document does: read the
// folder, find the item, apply a change; the same rules and refusals, the same messages.
#include "cli/commands.h"

#include "app/game_check.h"
#include "app/outcome_text.h"
#include "base/code_page.h"
#include "data/item_fields.h"
#include "game/game_data.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace wed::cli {
namespace {

// Reads the folder's weapon.cfg and name file. The command line cannot ask whether to go on
// without names: a name file that is missing, unreadable or empty is refused, and nothing is
// printed or written.
Outcome readGame(GameData& game, const QString& folder) {
    Outcome read = game.read(itemFileIn(folder));
    if (read.refused() || read.notice) {
        read.effect = Effect::NothingWritten;
        read.notice = false;
        return read;
    }
    if (game.names().bytes().isEmpty())
        return Outcome::of(Status::EmptyFile, game.nameFilePath());
    return {};
}

// The item a request names, read from its folder: the reference and its header line; a status
// when the request is refused or misused. Only items the window lists can be named.
struct FoundItem {
    ItemRef ref;
    qsizetype header = -1;
    int status = kDone;
};

FoundItem findItem(GameData& game, const Request& request, CommandOutput& output) {
    FoundItem found;
    const std::optional<ItemRef> ref = parseRef(request.arguments[1], request.nth);
    if (!ref) {
        found.status = misused(Status::BadItemName, request.arguments[1], output);
        return found;
    }
    found.ref = *ref;
    if (const Outcome read = readGame(game, request.arguments[0]); read.refused()) {
        found.status = refused(read, output);
        return found;
    }
    for (const ListEntry& entry : game.listed(ref->category).entries)
        if (entry.id == ref->id && entry.ordinal == ref->occurrence - 1)
            found.header = entry.headerLine;
    if (found.header < 0) {
        const QString asked =
            request.nth > 1
                ? QStringLiteral("%1 --nth %2").arg(request.arguments[1]).arg(request.nth)
                : request.arguments[1];
        found.status =
            refused(Outcome::of(Status::NoSuchItem, game.itemFilePath(), asked), output);
    }
    return found;
}

QString keyName(const QString& key) {
    return key.endsWith(u'=') ? key.chopped(1) : key;
}

} // namespace

int refused(Outcome outcome, CommandOutput& output) {
    // What the user asked for is not there: no file was at stake.
    if (outcome.status == Status::NoSuchItem || outcome.status == Status::NoSuchKey ||
        outcome.status == Status::NotAField)
        outcome.effect = Effect::Noted;
    output.err += (describe(outcome) + u'\n').toUtf8();
    return kRefused;
}

int misused(Status status, const QString& detail, CommandOutput& output) {
    Outcome outcome = Outcome::of(status, {}, detail);
    outcome.effect = Effect::Noted;
    QString message = describe(outcome) + u'\n';
    if (status == Status::BadArguments)
        message += commandUsage(detail) + u'\n';
    output.err += message.toUtf8();
    return kMisused;
}

int listItems(const Request& request, CommandOutput& output) {
    std::vector<const Category*> chosen;
    if (request.arguments.size() > 1) {
        const Category* category = categoryForName(request.arguments[1]);
        if (!category)
            return misused(Status::BadCategory, request.arguments[1], output);
        chosen.push_back(category);
    } else {
        for (const Category& c : categories())
            chosen.push_back(&c);
    }
    GameData game;
    if (const Outcome read = readGame(game, request.arguments[0]); read.refused())
        return refused(read, output);
    // What the window lists for each category, in file order.
    struct Row {
        qsizetype header;
        const Category* category;
        QString id;
    };
    std::vector<Row> rows;
    for (const Category* c : chosen)
        for (ListEntry& entry : game.listed(c->id).entries)
            rows.push_back({entry.headerLine, c, std::move(entry.id)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.header < b.header; });
    QString text;
    for (const Row& row : rows)
        text += QLatin1StringView(row.category->name) + u'\t' + row.id + u'\t' +
                game.itemText(row.category->id, row.id).name.value_or(QString()) + u'\n';
    output.out += text.toUtf8();
    return kDone;
}

int getValue(const Request& request, CommandOutput& output) {
    GameData game;
    const FoundItem item = findItem(game, request, output);
    if (item.header < 0)
        return item.status;
    const QString key = keyName(request.arguments[2]);
    const std::optional<QByteArray> keyBytes = encodeAnsi(key);
    // The last line of the key, as the window shows it.
    const qsizetype line =
        keyBytes ? game.keyLine(item.ref.category, item.header, *keyBytes, 0) : -1;
    if (line < 0)
        return refused(Outcome::of(Status::NoSuchKey, game.itemFilePath(), key), output);
    output.out += (decodeAnsi(game.items().lineBytes(line).sliced(keyBytes->size() + 1)) + u'\n')
                      .toUtf8();
    return kDone;
}

// Reads, finds and applies one change: the value typed into the field of the key.
int setValue(const Request& request, CommandOutput& output) {
    GameData game;
    const FoundItem item = findItem(game, request, output);
    if (item.header < 0)
        return item.status;
    const QString key = keyName(request.arguments[2]);
    const int field = fieldOfKey(item.ref.category, key);
    if (field < 0)
        return refused(Outcome::of(Status::NotAField, game.itemFilePath(), key), output);
    const FieldSpec& spec = categoryFields(item.ref.category).fields[size_t(field)];
    if (game.keyLine(item.ref.category, item.header, spec.name(), 0) < 0)
        return refused(Outcome::of(Status::NoSuchKey, game.itemFilePath(), key), output);
    const ApplyPlan applied = game.apply({typedChange(item.ref, spec.name(), request.arguments[3])});
    return applied.outcome.refused() ? refused(applied.outcome, output) : kDone;
}

int checkFolder(const Request& request, CommandOutput& output) {
    GameData game;
    Outcome read = game.read(itemFileIn(request.arguments[0]), false);
    if (read.refused()) {
        read.effect = Effect::Noted;
        return refused(read, output);
    }
    const std::vector<Problem> problems = checkGame(game);
    if (request.json) {
        QJsonArray list;
        for (const Problem& problem : problems)
            list.append(QJsonObject{{"file", QDir::toNativeSeparators(problem.what.path)},
                                    {"line", problem.what.line},
                                    {"code", problemCode(problem.what.status)},
                                    {"message", describe(problem.what)}});
        output.out += QJsonDocument(list).toJson();
    } else {
        QString text;
        for (const Problem& problem : problems) {
            text += QDir::toNativeSeparators(problem.what.path);
            if (problem.what.line > 0)
                text += u':' + QString::number(problem.what.line);
            text += QStringLiteral(": ") + describe(problem.what) + u'\n';
        }
        output.out += text.toUtf8();
    }
    return problems.empty() ? kDone : kRefused;
}

} // namespace wed::cli
