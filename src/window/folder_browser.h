#pragma once

#include "window/window_status.h"

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace wed {

class DirListBox;
class DriveListBox;
class FileListBox;

// The folder browser: the drive list, the folder list and the list of item files in the
// folder shown. Picking a drive returns to the folder last shown on it; the file list follows
// the folder. Choosing a file is the window's business (fileChosen).
class FolderBrowser : public QObject {
    Q_OBJECT
  public:
    // Places the three lists in the window's client area; they show the process's current
    // folder, and no handler runs for it.
    explicit FolderBrowser(QWidget* client);

    DriveListBox* driveList() const { return drives_; }
    DirListBox* folderList() const { return folders_; }
    FileListBox* fileList() const { return files_; }

    // The folder shown; the path of the file chosen in it, empty when none is.
    QString folder() const;
    QString chosenFile() const;

    // A drive was picked, or the folder list moved to another folder.
    void driveChanged();
    void folderChanged();
    // Shows a folder the user opened; an unreadable one is refused.
    std::optional<WindowRefusal> openFolder(const QString& path);
    // Shows a game folder and chooses its first item file; the refusal says why not.
    std::optional<WindowRefusal> openGameFolder(const QString& folder);

  signals:
    void fileChosen();
    void refused(const wed::WindowRefusal& refusal);

  private:
    DriveListBox* drives_ = nullptr;
    DirListBox* folders_ = nullptr;
    FileListBox* files_ = nullptr;
    // The folder last shown on each drive, so that picking a drive returns to it.
    QHash<QString, QString> driveFolders_;
};

} // namespace wed
