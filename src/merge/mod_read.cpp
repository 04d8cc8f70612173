#include "merge/mod_read.h"

#include "base/file_bytes.h"
#include "game/folder_diff.h"
#include "game/patch_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace wed {

ModSource modSourceAt(const QString& path) {
    return {path, QFileInfo(path).isDir() ? ModSource::Folder : ModSource::Patch};
}

namespace {

// The files of a picture folder, by their names in lower case (game files are looked up
// ignoring case), in name order.
QMap<QString, QString> pictureFiles(const QString& folder) {
    QMap<QString, QString> files;
    if (folder.isEmpty())
        return files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        files.insert(name.toLower(), dir.filePath(name));
    return files;
}

// A mod's pictures that the base lacks or holds other bytes of; a picture the mod lacks is no
// change (a mod ships what it changes).
Outcome changedPictures(const GameData& base, const GameData& mod, ModChanges& changes) {
    const QMap<QString, QString> baseFiles = pictureFiles(base.pictureFolder());
    const QMap<QString, QString> modFiles = pictureFiles(mod.pictureFolder());
    for (auto at = modFiles.begin(); at != modFiles.end(); ++at) {
        const FileRead read = readFile(*at);
        if (!read.outcome.done())
            return read.outcome;
        const auto inBase = baseFiles.constFind(at.key());
        if (inBase != baseFiles.constEnd()) {
            const FileMatch same = fileHolds(*inBase, read.bytes);
            if (!same.outcome.done())
                return same.outcome;
            if (same.same)
                continue;
        }
        changes.pictures.push_back({QFileInfo(*at).fileName(), *at, read.bytes});
    }
    return {};
}

ModRead readFolderMod(const DiffBase& diffBase, const QString& path, int index) {
    const GameData& base = diffBase.game();
    ModRead read;
    GameData mod;
    Outcome opened = mod.read(itemFileIn(path));
    opened.notice = false;
    // A name file that is missing holds no name records; one that cannot be read is refused.
    if (opened.refused() &&
        !(opened.status == Status::FileMissing && opened.path == mod.nameFilePath())) {
        read.outcome = opened;
        return read;
    }
    DiffNotes notes;
    read.mod.changes = diffFolders(diffBase, mod, &notes);
    // A mod without a name file ships no names: it leaves the base's as they are.
    if (opened.status == Status::FileMissing)
        std::erase_if(read.mod.changes, [](const Change& change) {
            return change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove;
        });
    for (const DiffNotes::Undecodable& line : notes.undecodable)
        read.mod.notCarried.push_back(
            {index,
             line.lineBreak ? NotCarriedWhy::LoneLineBreak : NotCarriedWhy::Undecodable,
             line.file,
             line.line,
             {}});
    for (GameFile file : {GameFile::Items, GameFile::Names})
        if (notes.outsideDiffers[size_t(file)])
            read.mod.notCarried.push_back({index, NotCarriedWhy::OutsideLines, file, 0, {}});
    read.outcome = changedPictures(base, mod, read.mod);
    return read;
}

// A patch's changes against the base: a change the base holds already is none; one whose
// base value the base does not hold was made for another version.
ModRead readPatchMod(const GameData& base, const QString& path) {
    ModRead read;
    const FileRead file = readFile(path);
    if (!file.outcome.done()) {
        read.outcome = file.outcome;
        return read;
    }
    const PatchRead patch = readPatch(file.bytes);
    if (!patch.outcome.done()) {
        read.outcome = patch.outcome;
        read.outcome.path = path;
        return read;
    }
    const ApplyPlan plan = base.plan(patch.changes);
    if (!plan.outcome.done()) {
        read.outcome = patchRefusal(plan, patch, path);
        return read;
    }
    for (size_t i = 0; i < patch.changes.size(); ++i) {
        const ChangeState state = plan.results[i].state;
        if (state == ChangeState::AlreadyThere)
            continue;
        read.mod.changes.push_back(patch.changes[i]);
        read.mod.otherVersion.push_back(state == ChangeState::Conflict);
    }
    return read;
}

} // namespace

ModRead readMod(const GameData& base, const ModSource& source, int index) {
    return ModReader(base).read(source, index);
}

ModRead ModReader::read(const ModSource& source, int index) const {
    ModRead read = source.kind == ModSource::Folder ? readFolderMod(diffBase_, source.path, index)
                                                    : readPatchMod(diffBase_.game(), source.path);
    if (read.outcome.refused()) {
        read.outcome.effect = Effect::NothingWritten;
        read.mod = {};
    }
    return read;
}

} // namespace wed
