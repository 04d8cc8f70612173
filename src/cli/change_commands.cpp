// The commands of change sets: compare two folders, apply a patch, and a category as a
// spreadsheet out and back in. Each builds a change set, and applies it three-way and
// atomically, or prints it.
#include "app/category_sheet.h"
#include "app/change_text.h"
#include "app/outcome_text.h"
#include "base/file_bytes.h"
#include "cli/commands.h"
#include "cli/rule_commands.h"
#include "edit/whole_file.h"
#include "game/folder_diff.h"
#include "game/output_file.h"
#include "game/patch_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

namespace wed::cli {
namespace {

struct CommandWords {
    Q_DECLARE_TR_FUNCTIONS(CommandWords)
};

} // namespace

// Reads a folder for a comparison or a patch: a name file that is missing or empty holds no
// name records; one that cannot be read is refused.
Outcome readFolder(GameData& game, const QString& folder) {
    Outcome read = game.read(itemFileIn(folder));
    read.notice = false;
    if (read.status == Status::FileMissing && read.path == game.nameFilePath())
        return {};
    if (read.refused())
        read.effect = Effect::NothingWritten;
    return read;
}

namespace {

QString lineOf(const QString& text) {
    return text + u'\n';
}

// The lines a diff prints beside its changes: lines a patch cannot carry, and lines outside
// every record that differ.
QString notesText(const GameData& folder, const DiffNotes& notes) {
    QString text;
    for (const DiffNotes::Undecodable& line : notes.undecodable)
        text += lineOf(
            (line.lineBreak
                 ? CommandWords::tr("%1:%2: 这一行中有单独的回车符或换行符，补丁无法带上它。")
                 : CommandWords::tr(
                       "%1:%2: 这一行有游戏文件的编码无法识别的字节，补丁无法带上它。"))
                .arg(QDir::toNativeSeparators(folder.path(line.file)))
                .arg(line.line));
    for (GameFile file : {GameFile::Items, GameFile::Names})
        if (notes.outsideDiffers[size_t(file)])
            text +=
                lineOf(CommandWords::tr("%1: 记录之外的行（注释、空行）不同；它们不属于任何物品，"
                                        "补丁不带这些行。")
                           .arg(QDir::toNativeSeparators(folder.path(file))));
    return text;
}

// An output file cannot be written: the command cannot give its answer.
int writeTo(const QString& path, const QByteArray& bytes, CommandOutput& output) {
    const Outcome saved = saveWholeFile(path, bytes);
    if (saved.done())
        return kDone;
    refused(saved, output);
    return kOutputFailed;
}

// Whether an output file would overwrite one of the folder's game files: refused, told.
bool overwritesGame(const GameData& game, const QString& path, CommandOutput& output) {
    const Outcome refusal = refuseGameFileAsOutput(path, game);
    if (!refusal.refused())
        return false;
    refused(refusal, output);
    return true;
}

} // namespace

int diffFolders(const Request& request, CommandOutput& output) {
    if (request.json && request.has("patch"))
        return misused(CommandStatus::BadArguments, request.command, output);
    GameData base, folder;
    for (auto [game, path] :
         {std::pair{&base, request.arguments[0]}, {&folder, request.arguments[1]}})
        if (const Outcome read = readFolder(*game, path); read.refused())
            return refused(read, output), kOutputFailed; // 1 would say "they differ"
    DiffNotes notes;
    const ChangeSet changes = wed::diffFolders(base, folder, &notes);
    if (request.has("patch")) {
        const PatchText patch = writePatch(changes);
        if (!patch.refused.done()) {
            output.err += notesText(folder, notes).toUtf8();
            return refused(patch.refused, output);
        }
        output.out += patch.text;
    } else if (request.json) {
        QJsonArray list;
        for (const Change& change : changes)
            list.append(changeJson(change));
        output.out += QJsonDocument(list).toJson();
    } else {
        QString text;
        for (const Change& change : changes)
            text += lineOf(describeChange(change, folder));
        output.out += text.toUtf8();
    }
    output.err += notesText(folder, notes).toUtf8();
    return changes.empty() ? kDone : kRefused;
}

int applyPatch(const Request& request, CommandOutput& output) {
    const QString patchPath = request.arguments[1];
    const FileRead patchFile = readFile(patchPath);
    if (!patchFile.outcome.done()) {
        Outcome read = patchFile.outcome;
        read.effect = Effect::NothingWritten;
        return refused(read, output);
    }
    PatchRead patch = readPatch(patchFile.bytes);
    if (!patch.outcome.done()) {
        patch.outcome.path = patchPath;
        patch.outcome.effect = Effect::NothingWritten;
        output.err += (describe(patch.outcome) + u'\n').toUtf8();
        return kMisused;
    }
    GameData game;
    if (const Outcome read = readFolder(game, request.arguments[0]); read.refused())
        return refused(read, output);
    const bool dryRun = request.has("dry-run");
    const bool rejects = request.has("rejects") && !dryRun;
    if (rejects && overwritesGame(game, request.value("rejects"), output))
        return kRefused;
    const bool skip = request.has("skip-conflicts") || request.has("rejects");
    const ApplyPlan plan = game.plan(patch.changes);
    if (!plan.outcome.done())
        return refused(patchRefusal(plan, patch, patchPath), output);
    QString report, conflicts;
    ChangeSet rejected;
    for (size_t i = 0; i < patch.changes.size(); ++i) {
        const Change& change = patch.changes[i];
        const ChangeResult& result = plan.results[i];
        if (result.state == ChangeState::Conflict) {
            conflicts += lineOf(describeConflict(change, result, game));
            rejected.push_back(change);
        } else if (result.state == ChangeState::AlreadyThere) {
            report += lineOf(CommandWords::tr("已是新的值：") + describeChange(change, game));
        } else {
            report += lineOf((dryRun ? CommandWords::tr("将修改：") : CommandWords::tr("修改：")) +
                             describeChange(change, game));
        }
    }
    output.err += conflicts.toUtf8();
    if (!rejected.empty() && !skip && !dryRun) {
        Outcome none = Outcome::of(Status::ChangeConflicts);
        none.line = qsizetype(rejected.size());
        return refused(none, output);
    }
    // The rejects first, so that a rejects file that cannot be written leaves the folder as it
    // was. They are written with no conflict too: a patch without changes, where an earlier
    // run's rejects would otherwise stand as this run's.
    if (rejects) {
        const PatchText text = writePatch(rejected);
        if (!text.refused.done())
            return refused(text.refused, output);
        if (const int written = writeTo(request.value("rejects"), text.text, output);
            written != kDone)
            return written;
    }
    if (!dryRun && plan.changesBytes()) {
        if (const ApplyPlan applied = game.apply(patch.changes, true); applied.outcome.refused())
            return refused(applied.outcome, output);
    }
    output.out += report.toUtf8();
    return rejected.empty() ? kDone : kRefused;
}

int exportSheet(const Request& request, CommandOutput& output) {
    const Category* category = categoryForName(request.arguments[1]);
    if (!category)
        return misused(CommandStatus::BadCategory, request.arguments[1], output);
    GameData game;
    if (const Outcome read = readFolder(game, request.arguments[0]); read.refused())
        return refused(read, output);
    const bool toFile = request.arguments.size() > 2;
    if (toFile && overwritesGame(game, request.arguments[2], output))
        return kRefused;
    std::optional<RuleContext> rules = readRules(request, request.arguments[0], output);
    if (!rules)
        return kRefused;
    const std::vector<ListEntry> rows = game.listed(category->id).entries;
    ComputedCells computed = listedCells(*rules, category->id, rows.size());
    const QByteArray sheet = categorySheet(
        game, category->id, rows, listedColumns(computed, *rules, game, category->id, rows));
    tellFailures(computed, output);
    if (toFile)
        return writeTo(request.arguments[2], sheet, output);
    output.out += sheet;
    return kDone;
}

int importSheet(const Request& request, CommandOutput& output) {
    const Category* category = categoryForName(request.arguments[1]);
    if (!category)
        return misused(CommandStatus::BadCategory, request.arguments[1], output);
    const FileRead sheet = readFile(request.arguments[2]);
    if (!sheet.outcome.done()) {
        Outcome read = sheet.outcome;
        read.effect = Effect::NothingWritten;
        return refused(read, output);
    }
    GameData game;
    if (const Outcome read = readFolder(game, request.arguments[0]); read.refused())
        return refused(read, output);
    const SheetImport imported = wed::importSheet(game, category->id, sheet.bytes);
    for (const QString& heading : imported.ignored)
        output.err +=
            lineOf(CommandWords::tr("“%1”是规则的计算列，不导入。").arg(heading)).toUtf8();
    if (!imported.problems.empty()) {
        QString text;
        for (const SheetProblem& problem : imported.problems)
            text += lineOf(QDir::toNativeSeparators(request.arguments[2]) + u':' +
                           describeProblem(problem));
        output.err += (text + CommandWords::tr("没有写入任何内容，文件保持原样。\n")).toUtf8();
        return kRefused;
    }
    QString report;
    for (const Change& change : imported.changes)
        report += lineOf(describeChange(change, game));
    if (!request.has("dry-run")) {
        if (const ApplyPlan applied = game.apply(imported.changes); applied.outcome.refused())
            return refused(applied.outcome, output);
    }
    output.out += report.toUtf8();
    return kDone;
}

} // namespace wed::cli
