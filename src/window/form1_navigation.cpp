#include "window/form1.h"

#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/drive_roots.h"
#include "window/file_list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>

namespace wed {

// Picking a drive returns to the folder last shown on it, or its root.
void Form1::Drive1_Change() {
    const QString root = drive1_->root();
    if (!driveReady(root)) {
        report(Outcome::of(Status::DriveNotReady, root));
        drive1_->selectDriveOf(dir1_->path());
        return;
    }
    QString folder = driveFolders_.value(root, root);
    if (!QDir(folder).isReadable())
        folder = root;
    dir1_->setPath(folder);
}

void Form1::Dir1_Change() {
    const QString folder = dir1_->path();
    drive1_->selectDriveOf(folder);
    driveFolders_.insert(drive1_->root(), folder);
    file2_->setPath(folder);
}

namespace {

Outcome listKept(Outcome outcome) {
    outcome.effect = Effect::ListKept;
    return outcome;
}

} // namespace

// Reads the file selected in File2 and its name file, and lists the category's items. Nothing
// changes when the category box names no category or the file cannot be read.
void Form1::File2_Click() {
    const Category* chosen = category();
    if (!chosen)
        return report(listKept(Outcome::of(Status::UnknownCategory)));
    const QString path = itemFilePath();
    if (path.isEmpty())
        return report(listKept(Outcome::of(Status::NoFileChosen)));
    const Outcome read = document_.open(path);
    if (read.refused())
        return report(listKept(read));
    listCategory_ = chosen;
    rebuildList();
    report(read);
}

// Shows the category's panel; rebuilds the list only once an item has been shown (gate open).
void Form1::Combo4_Click() {
    showCategoryPanel();
    if (gateOpen_)
        File2_Click();
}

Outcome Form1::openGameFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir())
        return Outcome::of(Status::FolderMissing, folder);
    if (!QDir(folder).isReadable())
        return Outcome::of(Status::FolderUnreadable, folder);
    dir1_->setPath(info.absoluteFilePath());
    if (file2_->count() == 0)
        return Outcome::of(Status::NoItemFile, info.absoluteFilePath());
    file2_->setCurrentRow(0);
    File2_Click();
    return {};
}

void Form1::openFolder(const QString& path) {
    if (!QDir(path).isReadable())
        return report(Outcome::of(Status::FolderUnreadable, path));
    dir1_->setPath(path);
}

} // namespace wed
