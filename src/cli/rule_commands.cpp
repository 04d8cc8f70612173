// The commands of the modder's rules: the rules a command runs with, the computed columns, the
// recipes, and the listing of what the rules files define.
#include "cli/rule_commands.h"

#include "app/change_text.h"
#include "app/outcome_text.h"
#include "app/recipe_changes.h"
#include "app/rule_text.h"
#include "base/code_page.h"
#include "cli/argument_reader.h"
#include "data/item_fields.h"
#include "game/patch_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace wed::cli {
namespace {

struct RuleCommandWords {
    Q_DECLARE_TR_FUNCTIONS(RuleCommandWords)
};

QString lineOf(const QString& text) {
    return text + u'\n';
}

QJsonValue columnJson(const ColumnValue& value) {
    switch (value.kind) {
    case ColumnValue::Kind::Number:
        return value.number;
    case ColumnValue::Kind::Text:
        return value.text;
    case ColumnValue::Kind::Boolean:
        return value.boolean;
    case ColumnValue::Kind::Nothing:
        break;
    }
    return QJsonValue::Null;
}

// One line per change: item, key ("name" for the name), old and new value, tab-separated.
QString changeLines(const GameData& game, const ChangeSet& values) {
    QString text;
    for (const Change& change : values) {
        const bool key = change.kind == ChangeKind::Key;
        text += lineOf(
            refText(change.item) + u'\t' + (key ? decodeAnsi(change.key) : QStringLiteral("name")) +
            u'\t' + withTabAndBreakEscapes(sideText(change, change.base, change.baseLines, game)) +
            u'\t' + withTabAndBreakEscapes(sideText(change, change.now, change.nowLines, game)));
    }
    return text;
}

} // namespace

bool takeRuleOptions(QStringList& arguments, QStringList& files, QString& base) {
    bool given = true;
    takeValueOptions(arguments, {u"rules", u"base"}, [&](QStringView name, const QString& value) {
        given = given && !value.isEmpty();
        if (name == u"rules")
            files.append(value);
        else
            base = value;
    });
    return given;
}

std::optional<RuleContext> readRules(const Request& request, const QString& folder,
                                     CommandOutput& output) {
    RuleContext context{readFolderRules(folder, request.rules), nullptr};
    QString errors;
    for (const RuleError& error : context.rules().errors())
        errors += lineOf(describeRuleError(error));
    output.err += errors.toUtf8();
    if (!request.base.isEmpty()) {
        context.base = std::make_unique<GameData>();
        if (const Outcome read = readFolder(*context.base, request.base); read.refused())
            return refused(read, output), std::nullopt;
    }
    return context;
}

ComputedCells listedCells(RuleContext& context, CategoryId category, size_t rows) {
    ComputedCells cells;
    cells.reset(&context.rules(), category, rows);
    cells.stopAtLimits();
    return cells;
}

std::vector<ComputedColumn> listedColumns(ComputedCells& cells, const RuleContext& context,
                                          const GameData& game, CategoryId category,
                                          const std::vector<ListEntry>& rows) {
    return sheetColumns(
        cells, rows,
        [&cells, &context, &game, &rows, category ](size_t row, size_t column) -> const auto& {
            const ListEntry& entry = rows[row];
            return cells.value(row, column, game, {category, entry.id, entry.ordinal + 1},
                               context.baseGame());
        });
}

void tellFailures(const ComputedCells& cells, CommandOutput& output) {
    QString text;
    for (size_t column = 0; column < cells.size(); ++column)
        if (const std::optional<ColumnFailures>& failed = cells.failures(column))
            text += lineOf(
                describeRuleError(failed->first) +
                (failed->cells > 1
                     ? RuleCommandWords::tr("（共 %1 件物品的这一列出错）").arg(failed->cells)
                     : QString()));
    output.err += text.toUtf8();
}

int listColumns(const Request& request, CommandOutput& output) {
    const Category* category = categoryForName(request.arguments[1]);
    if (!category)
        return misused(CommandStatus::BadCategory, request.arguments[1], output);
    if (request.json && request.has("csv"))
        return misused(CommandStatus::BadArguments, request.command, output);
    GameData game;
    if (const Outcome read = readFolder(game, request.arguments[0]); read.refused())
        return refused(read, output);
    std::optional<RuleContext> context = readRules(request, request.arguments[0], output);
    if (!context)
        return kRefused;
    const std::vector<ListEntry> rows = game.listed(category->id).entries;
    ComputedCells cells = listedCells(*context, category->id, rows.size());
    const std::vector<ComputedColumn> computed =
        listedColumns(cells, *context, game, category->id, rows);
    if (request.has("csv")) {
        output.out += categorySheet(game, category->id, rows, computed);
    } else if (request.json) {
        // The fields by key as the file writes them (null where the record lacks the key),
        // the columns by name as numbers, texts or booleans (null for nil or a failure).
        const std::vector<QStringList> sheet = categoryCells(game, category->id, rows);
        QJsonArray items;
        for (size_t r = 0; r < rows.size(); ++r) {
            const QStringList& line = sheet[r + 1];
            QJsonObject fields, columns;
            const std::vector<FieldSpec>& declared = categoryFields(category->id).fields;
            for (qsizetype c = 2; c < line.size(); ++c)
                fields.insert(QString::fromLatin1(declared[size_t(c - 2)].name()),
                              line[c] == u"无" ? QJsonValue() : QJsonValue(line[c]));
            for (size_t c = 0; c < cells.size(); ++c)
                columns.insert(cells.name(c),
                               columnJson(cells.value(
                                   r, c, game, {category->id, rows[r].id, rows[r].ordinal + 1},
                                   context->baseGame())));
            items.append(QJsonObject{
                {"item", line[0]}, {"name", line[1]}, {"fields", fields}, {"columns", columns}});
        }
        output.out += QJsonDocument(items).toJson();
    } else {
        // The sheet's cells, one line per item, a tab between them, escaped as list escapes.
        QString text;
        for (QStringList line : categoryCells(game, category->id, rows, computed)) {
            for (QString& cell : line)
                cell = withTabAndBreakEscapes(cell);
            text += lineOf(line.join(u'\t'));
        }
        output.out += text.toUtf8();
    }
    tellFailures(cells, output);
    return kDone;
}

int runRecipe(const Request& request, CommandOutput& output) {
    if (request.has("dry-run") && request.has("patch"))
        return misused(CommandStatus::BadArguments, request.command, output);
    GameData game;
    if (const Outcome read = readGame(game, request.arguments[0]); read.refused())
        return refused(read, output);
    std::optional<RuleContext> context = readRules(request, request.arguments[0], output);
    if (!context)
        return kRefused;
    const QString name = request.arguments[1];
    const int recipe = context->rules().recipeIndex(name);
    if (recipe < 0) {
        output.err += lineOf(RuleCommandWords::tr("没有“%1”这个配方（weapon-editor rules "
                                                  "列出读入的配方）。")
                                 .arg(name))
                          .toUtf8();
        return kRefused;
    }
    const RecipeOutcome ran = context->rules().run(recipe, game, context->baseGame());
    if (ran.error) {
        output.err += lineOf(describeRecipeRefusal(*ran.error)).toUtf8();
        return kRefused;
    }
    // A dry run plans the set as the save would, so that it refuses what the save refuses.
    const bool write = !request.has("dry-run") && !request.has("patch");
    ApplyPlan applied = game.plan(*ran.changes);
    ChangeSet values;
    QString lines;
    if (applied.outcome.done()) {
        values = valueChanges(*ran.changes, applied);
        lines = changeLines(game, values); // the folder as it was
        if (write)
            applied = game.apply(std::move(applied));
    }
    if (applied.outcome.refused()) {
        Outcome refusal = applied.outcome;
        if (applied.refusedAt >= 0)
            refusal.item = refText((*ran.changes)[size_t(applied.refusedAt)].item);
        return refused(refusal, output);
    }
    if (values.empty()) {
        output.err += lineOf(recipeChangesNothing(name)).toUtf8();
        return kDone;
    }
    if (request.has("patch")) {
        numberKeyLines(game, values); // the folder as it was: a patch writes nothing
        const PatchText patch = writePatch(values);
        if (!patch.refused.done())
            return refused(patch.refused, output);
        output.out += patch.text;
        return kDone;
    }
    output.out += lines.toUtf8();
    return kDone;
}

int listRules(const Request& request, CommandOutput& output) {
    const QString folder = request.arguments[0];
    if (!QFileInfo(folder).isDir()) {
        output.err += lineOf(describe(CommandStatus::FolderMissing, folder)).toUtf8();
        return kRefused;
    }
    const FolderRules read = readFolderRules(folder, request.rules);
    if (!read.any()) {
        output.err += lineOf(noRulesFileText()).toUtf8();
        return kDone;
    }
    const Rules& rules = *read.rules;
    QString text;
    for (const QString& line : ruleListing(rules))
        text += lineOf(line);
    output.out += text.toUtf8();
    return rules.errors().empty() ? kDone : kRefused;
}

} // namespace wed::cli
