#include "merge/merge_output.h"

#include "base/file_bytes.h"
#include "base/same_file.h"
#include "edit/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace wed {

MergeInputCheck checkModList(const QString& base, const std::vector<ModSource>& mods) {
    for (size_t i = 0; i < mods.size(); ++i) {
        if (mods[i].kind == ModSource::Folder && sameFile(mods[i].path, base))
            return {MergeInputFault::ModIsBase, mods[i].path, base};
        for (size_t j = 0; j < i; ++j)
            if (sameFile(mods[i].path, mods[j].path))
                return {MergeInputFault::SameMod, mods[j].path, mods[i].path};
    }
    return {};
}

MergeInputCheck checkMergeOutput(const QString& out, const QString& base,
                                 const std::vector<ModSource>& mods) {
    const QFileInfo info(out);
    if (info.exists() &&
        (!info.isDir() ||
         !QDir(out).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)))
        return {MergeInputFault::OutNotEmpty, out, {}};
    QStringList inputs{base};
    for (const ModSource& mod : mods)
        if (mod.kind == ModSource::Folder)
            inputs.append(mod.path);
    // The folder and each folder above it, whether they exist yet or not; a link, where it
    // leads.
    const QString canonical = info.canonicalFilePath();
    for (QString at = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
         ;) {
        for (const QString& input : inputs)
            if (sameFile(at, input))
                return {MergeInputFault::OutInside, out, input};
        const QString up = QFileInfo(at).path();
        if (up == at)
            break;
        at = up;
    }
    return {};
}

namespace {

// A path below the base folder, as the base spells it ("Text/Weapon.txt").
QString relativeToBase(const GameData& base, const QString& path) {
    return QDir(QFileInfo(base.folder()).absoluteFilePath())
        .relativeFilePath(QFileInfo(path).absoluteFilePath());
}

} // namespace

MergedFiles mergedFiles(const GameData& base, const MergeResult& result) {
    MergedFiles files;
    const ApplyPlan plan = base.plan(result.changes);
    if (!plan.outcome.done() || plan.conflicts() > 0) {
        files.outcome = plan.outcome.done() ? Outcome::of(Status::ChangeConflicts) : plan.outcome;
        files.outcome.line = plan.outcome.done() ? plan.conflicts() : files.outcome.line;
        return files;
    }
    files.items = *applySplices(base.items().bytes(), plan.made[0]);
    files.names = *applySplices(base.names().bytes(), plan.made[1]);
    files.hasNames = QFileInfo(base.nameFilePath()).isFile() || !plan.made[1].empty();
    QMap<QString, std::pair<QString, QByteArray>> pictures;
    const QDir folder(base.pictureFolder());
    if (!base.pictureFolder().isEmpty())
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const FileRead read = readFile(folder.filePath(name));
            if (!read.outcome.done()) {
                files.outcome = read.outcome;
                return files;
            }
            pictures.insert(name.toLower(), {name, read.bytes});
        }
    for (const ModPicture& picture : result.pictures) {
        auto& slot = pictures[picture.name.toLower()];
        slot = {slot.first.isEmpty() ? picture.name : slot.first, picture.bytes};
    }
    for (const auto& [name, bytes] : pictures)
        files.pictures.push_back({name, bytes});
    return files;
}

namespace {

// What a write made, to take back when a later file fails.
class MadeOnDisk {
  public:
    bool makeFolder(const QString& path) {
        QStringList missing;
        for (QString at = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
             !QFileInfo::exists(at); at = QFileInfo(at).path())
            missing.prepend(at);
        for (const QString& folder : missing) {
            if (!QDir().mkdir(folder))
                return false;
            folders_.prepend(folder);
        }
        return true;
    }
    Outcome save(const QString& path, const QByteArray& bytes) {
        const Outcome saved = saveWholeFile(path, bytes);
        if (saved.done())
            files_.append(path);
        return saved;
    }
    void takeBack() const {
        for (const QString& file : files_)
            QFile::remove(file);
        for (const QString& folder : folders_)
            QDir().rmdir(folder);
    }

  private:
    QStringList files_;
    QStringList folders_; // innermost first
};

} // namespace

Outcome writeMergedFolder(const GameData& base, const MergedFiles& files, const QString& out) {
    const QDir to(out);
    const QString pictures =
        to.filePath(base.pictureFolder().isEmpty() ? QStringLiteral("Images/weapon")
                                                   : relativeToBase(base, base.pictureFolder()));
    std::vector<std::pair<QString, const QByteArray*>> writes{
        {to.filePath(relativeToBase(base, base.itemFilePath())), &files.items}};
    if (files.hasNames)
        writes.push_back({to.filePath(relativeToBase(base, base.nameFilePath())), &files.names});
    for (const auto& [name, bytes] : files.pictures)
        writes.push_back({QDir(pictures).filePath(name), &bytes});
    MadeOnDisk made;
    for (const auto& [path, bytes] : writes) {
        Outcome saved;
        if (!made.makeFolder(QFileInfo(path).path()))
            saved = Outcome::of(Status::WriteFailed, QFileInfo(path).path());
        else
            saved = made.save(path, *bytes);
        if (!saved.done()) {
            made.takeBack();
            saved.effect = Effect::NothingWritten;
            return saved;
        }
    }
    return {};
}

} // namespace wed
