// The merge of a mod list: the base folder and mods in priority order, merged per key, record,
// name record, move and picture into a new folder or printed as one patch.
#include "app/merge_text.h"
#include "app/outcome_text.h"
#include "base/file_bytes.h"
#include "cli/commands.h"
#include "game/patch_file.h"
#include "merge/merge_output.h"
#include "merge/mod_list_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

namespace wed::cli {
namespace {

struct MergeCommandWords {
    Q_DECLARE_TR_FUNCTIONS(MergeCommandWords)
};

int refusedWith(const QString& message, CommandOutput& output) {
    output.err += (message + u'\n').toUtf8();
    return kRefused;
}

// The choices file named by --choices, or a refusal told.
std::optional<MergeChoices> readChoicesFile(const QString& path, int modCount,
                                            CommandOutput& output) {
    const FileRead file = readFile(path);
    if (!file.outcome.done()) {
        Outcome read = file.outcome;
        read.effect = Effect::NothingWritten;
        return refused(read, output), std::nullopt;
    }
    const ModListRead read = readChoices(file.bytes, modCount);
    if (!read.ok())
        return refusedWith(describeModListFault(read, path), output), std::nullopt;
    return read.list.choices;
}

QByteArray conflictLines(const MergeResult& result) {
    QString text;
    for (const MergeDecision& decision : result.decisions)
        if (decision.conflict())
            text += decisionLine(decision) + u'\n';
    return text.toUtf8();
}

QByteArray decisionsJson(const MergeResult& result) {
    QJsonArray list;
    for (const MergeDecision& decision : result.decisions)
        list.append(decisionJson(decision));
    return QJsonDocument(list).toJson();
}

// Writes the merged folder: 0, a refusal (1), or 3 when a file cannot be written.
int writeOut(const GameData& base, const MergeResult& result, const QString& out,
             CommandOutput& output) {
    const MergedFiles files = mergedFiles(base, result);
    if (!files.outcome.done())
        return refused(files.outcome, output);
    if (const Outcome written = writeMergedFolder(base, files, out); !written.done())
        return refused(written, output), kOutputFailed;
    output.err += MergeCommandWords::tr("合并结果已写到“%1”：%2 处修改，模组的 %3 个图片。\n")
                      .arg(QDir::toNativeSeparators(out))
                      .arg(result.changes.size())
                      .arg(result.pictures.size())
                      .toUtf8();
    return kDone;
}

} // namespace

int mergeCommand(const Request& request, CommandOutput& output) {
    const bool patch = request.has("patch");
    // --json alone shows the decisions and writes nothing.
    const bool into = request.has("into");
    if ((patch && (into || request.json)) || (!patch && !into && !request.json))
        return misused(CommandStatus::BadArguments, request.command, output);
    const QString basePath = request.arguments[0];
    std::vector<ModSource> sources;
    for (const QString& path : request.arguments.sliced(1))
        sources.push_back(modSourceAt(path));
    MergeInputCheck check = checkModList(basePath, sources);
    if (check.ok() && into)
        check = checkMergeOutput(request.value("into"), basePath, sources);
    if (!check.ok())
        return refusedWith(describeInputFault(check), output);
    MergeChoices choices;
    if (request.has("choices")) {
        const auto read = readChoicesFile(request.value("choices"), int(sources.size()), output);
        if (!read)
            return kRefused;
        choices = *read;
    }
    GameData base;
    if (const Outcome read = readFolder(base, basePath); read.refused())
        return refused(read, output);
    std::vector<ModChanges> mods;
    const ModReader reader(base);
    for (size_t m = 0; m < sources.size(); ++m) {
        ModRead read = reader.read(sources[m], int(m));
        if (read.outcome.refused()) {
            output.err += MergeCommandWords::tr("模组 %1：").arg(m + 1).toUtf8();
            return refused(read.outcome, output);
        }
        mods.push_back(std::move(read.mod));
    }
    const MergeResult result = mergeMods(base, mods, choices);
    output.err += mergeNotes(result, sources).toUtf8();
    if (request.json)
        output.out += decisionsJson(result);
    else
        (patch ? output.err : output.out) += conflictLines(result);
    const qsizetype open = result.openConflicts();
    if (open > 0 && request.has("strict"))
        return refusedWith(MergeCommandWords::tr("有 %1 个冲突没有选择胜出者（--strict）："
                                                 "什么都没有写。")
                               .arg(open),
                           output);
    if (patch) {
        const PatchText text = writePatch(result.changes);
        if (!text.refused.done())
            return refused(text.refused, output);
        output.out += text.text;
    } else if (into) {
        if (const int written = writeOut(base, result, request.value("into"), output);
            written != kDone)
            return written;
    }
    return open > 0 ? kRefused : kDone;
}

} // namespace wed::cli
