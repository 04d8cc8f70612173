#include "window/folder_browser.h"

#include "base/path_case.h"
#include "window/control_layout.h"
#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/drive_roots.h"
#include "window/file_list_box.h"

#include <QDir>
#include <QFileInfo>

namespace wed {
FolderBrowser::FolderBrowser(QWidget* client) : QObject(client) {
    drives_ = placed(new DriveListBox(client), Control::Drive);
    folders_ = placed(new DirListBox(client), Control::Folder);
    files_ = placed(new FileListBox(QStringLiteral("weapon.cfg"), client), Control::ItemFile);

    const QString start = QDir::currentPath();
    drives_->selectDriveOf(start);
    {
        const QSignalBlocker quiet(folders_);
        folders_->setPath(start);
    }
    files_->setPath(start);
    driveFolders_.insert(drives_->root(), folders_->path());

    connect(drives_, &QComboBox::activated, this, [this] { driveChanged(); });
    connect(folders_, &DirListBox::openRequested, this, [this](const QString& path) {
        if (const std::optional<WindowRefusal> refusal = openFolder(path))
            emit refused(*refusal);
    });
    connect(folders_, &DirListBox::pathChanged, this, [this] { folderChanged(); });
    connect(files_, &FileListBox::fileClicked, this, &FolderBrowser::fileChosen);
}

QString FolderBrowser::folder() const {
    return files_->path();
}

QString FolderBrowser::chosenFile() const {
    const QString name = files_->fileName();
    return name.isEmpty() ? QString() : joinPath(files_->path(), name);
}

// Picking a drive returns to the folder last shown on it, or its root.
void FolderBrowser::driveChanged() {
    const QString root = drives_->root();
    if (!driveReady(root)) {
        emit refused({WindowStatus::DriveNotReady, root});
        drives_->selectDriveOf(folders_->path());
        return;
    }
    QString shown = driveFolders_.value(root, root);
    if (!QDir(shown).isReadable())
        shown = root;
    folders_->setPath(shown);
}

void FolderBrowser::folderChanged() {
    const QString shown = folders_->path();
    drives_->selectDriveOf(shown);
    driveFolders_.insert(drives_->root(), shown);
    files_->setPath(shown);
}

std::optional<WindowRefusal> FolderBrowser::openFolder(const QString& path) {
    if (!QDir(path).isReadable())
        return WindowRefusal{WindowStatus::FolderUnreadable, path};
    folders_->setPath(path);
    return std::nullopt;
}

std::optional<WindowRefusal> FolderBrowser::openGameFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir())
        return WindowRefusal{WindowStatus::FolderMissing, folder};
    if (!QDir(folder).isReadable())
        return WindowRefusal{WindowStatus::FolderUnreadable, folder};
    folders_->setPath(info.absoluteFilePath());
    if (files_->count() == 0)
        return WindowRefusal{WindowStatus::NoItemFile, info.absoluteFilePath()};
    files_->setCurrentRow(0);
    emit fileChosen();
    return std::nullopt;
}

} // namespace wed
