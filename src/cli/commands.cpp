// The commands work on the model of a game folder, as the window's document does: read the
// folder, find the item, apply a change; the same rules and refusals, the same messages.
#include "cli/commands.h"

#include "app/game_check.h"
#include "app/outcome_text.h"
#include "base/code_page.h"
#include "cli/rule_commands.h"
#include "data/cell_arithmetic.h"
#include "data/item_fields.h"
#include "game/game_data.h"
#include "game/patch_file.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace wed::cli {

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

namespace {

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
        found.status = refused(Outcome::of(Status::NoSuchItem, game.itemFilePath(), asked), output);
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
    output.changedSinceRead = outcome.status == Status::ExternalChange;
    output.err += (describe(outcome) + u'\n').toUtf8();
    return kRefused;
}

int misused(Status status, const QString& detail, CommandOutput& output) {
    Outcome outcome = Outcome::of(status, {}, detail);
    outcome.effect = Effect::Noted;
    output.err += (describe(outcome) + u'\n').toUtf8();
    return kMisused;
}

int misused(CommandStatus status, const QString& detail, CommandOutput& output) {
    QString message = describe(status, detail) + u'\n';
    if (status == CommandStatus::BadArguments)
        message += commandUsage(detail) + u'\n';
    output.err += message.toUtf8();
    return kMisused;
}

int listItems(const Request& request, CommandOutput& output) {
    std::vector<const Category*> chosen;
    if (request.arguments.size() > 1) {
        const Category* category = categoryForName(request.arguments[1]);
        if (!category)
            return misused(CommandStatus::BadCategory, request.arguments[1], output);
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
    // An id or a name may hold a tab or a lone line break: escaped, each row stays one line of
    // three columns.
    QString text;
    for (const Row& row : rows)
        text += QLatin1StringView(row.category->name) + u'\t' + withTabAndBreakEscapes(row.id) +
                u'\t' +
                withTabAndBreakEscapes(
                    game.itemText(row.category->id, row.id).name.value_or(QString())) +
                u'\n';
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
    output.out +=
        (decodeAnsi(game.items().lineBytes(line).sliced(keyBytes->size() + 1)) + u'\n').toUtf8();
    return kDone;
}

// The listed items of a pattern (or of a plain reference, the K-th record of its id).
std::vector<ListEntry> matching(const GameData& game, const ItemPattern& pattern, int nth) {
    std::vector<ListEntry> found;
    const int occurrence = pattern.occurrence.value_or(nth);
    const bool every = !pattern.plain() && !pattern.occurrence && nth == 1;
    for (ListEntry& entry : game.listed(pattern.category).entries)
        if ((pattern.plain() ? entry.id == pattern.id() : pattern.matches(entry.id)) &&
            (every || entry.ordinal == occurrence - 1))
            found.push_back(std::move(entry));
    return found;
}

// Reads the folder, finds the items, and applies one change set: the value typed into the
// field of the key of each item, or each item's value under the table's arithmetic.
int setValue(const Request& request, CommandOutput& output) {
    const bool calc = request.has("calc");
    if (request.arguments.size() != (calc ? 3 : 4))
        return misused(CommandStatus::BadArguments, request.command, output);
    Status unread = Status::CellNotANumber;
    const std::optional<CellInput> input =
        calc ? readCellInput(request.value("calc"), &unread) : std::optional(CellInput{});
    if (!input || (calc && input->kind == CellInput::Kind::Text))
        return misused(unread, request.value("calc"), output);
    const std::optional<ItemPattern> pattern = parsePattern(request.arguments[1]);
    if (!pattern)
        return misused(Status::BadItemName, request.arguments[1], output);
    GameData game;
    if (const Outcome read = readGame(game, request.arguments[0]); read.refused())
        return refused(read, output);
    const CategoryId category = pattern->category;
    const std::vector<ListEntry> items = matching(game, *pattern, request.nth);
    if (items.empty()) {
        const QString asked =
            request.nth > 1
                ? QStringLiteral("%1 --nth %2").arg(request.arguments[1]).arg(request.nth)
                : request.arguments[1];
        return refused(Outcome::of(Status::NoSuchItem, game.itemFilePath(), asked), output);
    }
    const QString key = keyName(request.arguments[2]);
    const int field = fieldOfKey(category, key);
    if (field < 0)
        return refused(Outcome::of(Status::NotAField, game.itemFilePath(), key), output);
    const FieldSpec& declared = categoryFields(category).fields[size_t(field)];

    // A pattern's refusal names the item refused.
    const auto named = [&](Outcome refusal, const ItemRef& item) {
        if (!pattern->plain())
            refusal.item = refText(item);
        return refusal;
    };
    ChangeSet typed, values;
    std::optional<Outcome> unfitted;
    for (const ListEntry& entry : items) {
        const ItemRef item{category, entry.id, entry.ordinal + 1};
        const qsizetype line = game.keyLine(category, entry.headerLine, declared.name(), 0);
        if (line < 0)
            continue; // a pattern's item without the key is left as it is
        const QByteArray current =
            game.items().lineBytes(line).sliced(declared.key.size()).toByteArray();
        Status unfit = Status::CellNotANumber;
        const std::optional<QString> text =
            calc ? applyCellInput(decodeAnsi(current), *input, &unfit) : request.arguments[3];
        if (!text) {
            unfitted = named(Outcome::of(unfit, {}, decodeAnsi(current)), item);
            break;
        }
        typed.push_back(typedChange(item, declared.name(), *text));
        Change value;
        value.item = item;
        value.key = declared.name().toByteArray();
        value.keyOccurrence = game.keyOccurrence(category, entry.headerLine, declared.name(), line);
        value.base = current;
        values.push_back(std::move(value));
    }
    if (unfitted) {
        // A text of an earlier item that its field refuses is the first refusal.
        const ApplyPlan planned = game.plan(typed);
        return refused(planned.valueRefused
                           ? named(planned.outcome, typed[size_t(planned.refusedAt)].item)
                           : *unfitted,
                       output);
    }
    if (typed.empty())
        return refused(Outcome::of(Status::NoSuchKey, game.itemFilePath(), key), output);
    // A dry run plans the set as the save would, so that it refuses what the save refuses.
    const bool dryRun = request.has("dry-run");
    const ApplyPlan applied = dryRun ? game.plan(typed) : game.apply(typed);
    if (applied.outcome.refused())
        return refused(applied.refusedAt >= 0
                           ? named(applied.outcome, typed[size_t(applied.refusedAt)].item)
                           : applied.outcome,
                       output);
    for (size_t i = 0; i < values.size(); ++i)
        values[i].now = applied.results[i].written;
    if (dryRun) {
        const PatchText patch = writePatch(values);
        if (!patch.refused.done())
            return refused(patch.refused, output);
        output.out += patch.text;
        return kDone;
    }
    QString text;
    for (const Change& value : values)
        text += refText(value.item) + u'\t' + key + u'\t' + decodeAnsi(*value.base) + u'\t' +
                decodeAnsi(*value.now) + u'\n';
    output.out += text.toUtf8();
    return kDone;
}

int checkFolder(const Request& request, CommandOutput& output) {
    GameData game;
    Outcome read = game.read(itemFileIn(request.arguments[0]), false);
    read.effect = Effect::Noted;
    // A weapon.cfg whose line ends are not CR LF is a problem of the folder the check reports.
    if (read.refused() && read.status != Status::NotCrLf)
        return refused(read, output);
    std::optional<RuleContext> rules;
    if (!read.refused() && !(rules = readRules(request, request.arguments[0], output)))
        return kRefused;
    const std::vector<Problem> problems =
        read.refused() ? std::vector<Problem>{{read, std::nullopt, std::nullopt}}
                       : checkGame(game, &rules->rules(), rules->baseGame());
    // Severity and rule are said once a rules file is read: without one the output is as ever.
    const bool ruled = rules && rules->folder.any();
    if (request.json) {
        QJsonArray list;
        for (const Problem& problem : problems) {
            QJsonObject entry{{"file", QDir::toNativeSeparators(problem.what.path)},
                              {"line", problem.what.line},
                              {"code", problemCode(problem)},
                              {"message", problemMessage(problem)}};
            if (ruled)
                entry.insert("severity", isError(problem) ? "error" : "warning");
            if (problem.rule)
                entry.insert("rule",
                             QJsonObject{{"file", QDir::toNativeSeparators(problem.rule->file)},
                                         {"line", problem.rule->line}});
            list.append(entry);
        }
        output.out += QJsonDocument(list).toJson();
    } else {
        QString text;
        for (const Problem& problem : problems) {
            text += QDir::toNativeSeparators(problem.what.path);
            if (problem.what.line > 0)
                text += u':' + QString::number(problem.what.line);
            text += QStringLiteral(": ") + problemMessage(problem) + u'\n';
        }
        output.out += text.toUtf8();
    }
    // A rules file that cannot be read leaves checks unrun: no pass to be trusted.
    const bool broken = rules && !rules->rules().errors().empty();
    return broken || std::any_of(problems.begin(), problems.end(), isError) ? kRefused : kDone;
}

} // namespace wed::cli
