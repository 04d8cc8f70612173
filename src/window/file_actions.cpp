#include "window/file_actions.h"

#include "app/category_sheet.h"
#include "app/comparison.h"
#include "app/document.h"
#include "base/file_bytes.h"
#include "edit/whole_file.h"
#include "game/output_file.h"
#include "game/patch_file.h"
#include "window/patch_preview_dialog.h"
#include "window/prompts.h"
#include "window/sheet_import_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace wed {
namespace {

struct FileWords {
    Q_DECLARE_TR_FUNCTIONS(FileWords)
};

// The file's bytes, or why they cannot be read; nothing was written either way.
FileRead readChosen(const QString& path) {
    FileRead read = readFile(path);
    read.outcome.effect = Effect::NothingWritten;
    return read;
}

} // namespace

QString patchFilter() {
    return FileWords::tr("补丁 (*.patch);;所有文件 (*)");
}

Outcome applyPatchFile(QWidget* parent, Document& document, Prompts& prompts) {
    const std::optional<QString> path =
        prompts.askOpenPath(parent, FileWords::tr("应用补丁"), patchFilter());
    if (!path)
        return Outcome::of(Status::Ignored);
    const FileRead file = readChosen(*path);
    if (!file.outcome.done())
        return file.outcome;
    PatchRead patch = readPatch(file.bytes);
    if (!patch.outcome.done()) {
        patch.outcome.path = *path;
        patch.outcome.effect = Effect::NothingWritten;
        return patch.outcome;
    }
    const ApplyPlan plan = document.game().plan(patch.changes);
    if (!plan.outcome.done())
        return patchRefusal(plan, patch, *path);
    PatchPreviewDialog preview(document.game(), patch.changes, plan, parent);
    const int choice = preview.exec();
    if (choice == PatchPreviewDialog::Cancel)
        return Outcome::of(Status::Ignored);
    return document.apply(
        patch.changes,
        {FileWords::tr("应用补丁 %1").arg(QFileInfo(*path).fileName()), {}, {}, {}, 0}, {},
        choice == PatchPreviewDialog::ApplySkippingConflicts);
}

Outcome exportChangeSet(QWidget* parent, const ChangeSet& changes, const QString& suggested,
                        std::initializer_list<const GameData*> notInto, Prompts& prompts) {
    const std::optional<QString> path =
        prompts.askSavePath(parent, FileWords::tr("导出补丁"), suggested, patchFilter());
    if (!path)
        return Outcome::of(Status::Ignored);
    for (const GameData* game : notInto)
        if (Outcome refusal = refuseGameFileAsOutput(*path, *game); refusal.refused())
            return refusal;
    const PatchText patch = writePatch(changes);
    if (!patch.refused.done())
        return patch.refused;
    return saveWholeFile(*path, patch.text);
}

Outcome exportPatchFile(QWidget* parent, const GameData& folder, const Comparison& comparison,
                        Prompts& prompts) {
    // Neither the folder's files nor the base's.
    return exportChangeSet(parent, comparison.changes(), QStringLiteral("mod.patch"),
                           {&folder, &comparison.base()}, prompts);
}

Outcome importSheetFile(QWidget* parent, Document& document, CategoryId category,
                        Prompts& prompts) {
    const std::optional<QString> path = prompts.askOpenPath(
        parent, FileWords::tr("导入 CSV"), FileWords::tr("CSV (*.csv);;所有文件 (*)"));
    if (!path)
        return Outcome::of(Status::Ignored);
    const FileRead file = readChosen(*path);
    if (!file.outcome.done())
        return file.outcome;
    const SheetImport imported = importSheet(document.game(), category, file.bytes);
    SheetImportDialog preview(document.game(), imported, parent);
    if (preview.exec() != QDialog::Accepted)
        return Outcome::of(Status::Ignored);
    return document.apply(
        imported.changes,
        {FileWords::tr("导入 CSV：%1").arg(QFileInfo(*path).fileName()), {}, {}, {}, 0});
}

} // namespace wed
