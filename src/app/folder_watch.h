#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace wed {

class Document;

// Watches the document's game folder for changes another program makes to weapon.cfg or
// Text/Weapon.txt. The folders are watched (a save by rename ends a watch on the file itself)
// and the files too (a save in place changes no folder), each file watch made again after
// every change. A change is told once the files have been quiet for `quiet` milliseconds, and
// only when their bytes are not the document's: its own saves never count.
class FolderWatch : public QObject {
    Q_OBJECT
  public:
    explicit FolderWatch(Document& document, int quiet = 200, QObject* parent = nullptr);

  signals:
    void changedOutside();

  private:
    void watchFiles();
    void settle();

    Document& document_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

} // namespace wed
