#include "app/folder_watch.h"

#include "app/document.h"
#include "base/file_bytes.h"

#include <QFileInfo>

namespace wed {

FolderWatch::FolderWatch(Document& document, int quiet, QObject* parent)
    : QObject(parent), document_(document) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(quiet);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::settle);
    auto changed = [this] {
        watchFiles();
        quiet_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&document_, &Document::filesReplaced, this, &FolderWatch::watchFiles);
}

// The folders of both files and the files themselves, as they are now: a file replaced by a
// rename is another file, whose watch is made anew.
void FolderWatch::watchFiles() {
    const GameData& game = document_.game();
    if (!game.isOpen())
        return;
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    QStringList paths;
    for (GameFile file : {GameFile::Items, GameFile::Names}) {
        paths.append(QFileInfo(game.path(file)).absolutePath());
        if (QFileInfo::exists(game.path(file)))
            paths.append(game.path(file));
    }
    watcher_.addPaths(paths);
}

// Quiet again: told when a file holds other bytes than the document's.
void FolderWatch::settle() {
    const GameData& game = document_.game();
    for (GameFile file : {GameFile::Items, GameFile::Names}) {
        const bool present = QFileInfo::exists(game.path(file));
        const bool held = file == GameFile::Items || !game.nameFileRead().notice;
        if (present != held) {
            emit changedOutside();
            return;
        }
        if (!present)
            continue;
        const FileMatch match = fileHolds(game.path(file), game.buffer(file).bytes());
        if (!match.outcome.done() || !match.same) {
            emit changedOutside();
            return;
        }
    }
}

} // namespace wed
