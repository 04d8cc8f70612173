#include "app/document_rules.h"

#include "app/comparison.h"
#include "app/document.h"
#include "base/path_case.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace wed {

DocumentRules::DocumentRules(Document& document, const Comparison& comparison, int quiet,
                             QObject* parent)
    : QObject(parent), document_(document), comparison_(comparison), read_{nullptr, {}} {
    quiet_.setSingleShot(true);
    quiet_.setInterval(quiet);
    connect(&quiet_, &QTimer::timeout, this, &DocumentRules::settle);
    auto changed = [this] {
        watchFiles();
        quiet_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    // Another program's change of the game files replaces them too: the rules are read again
    // only when the folder is another one.
    connect(&document_, &Document::filesReplaced, this, [this] {
        if (folder() != readFolder_)
            read();
    });
}

const GameData* DocumentRules::base() const {
    return comparison_.active() ? &comparison_.base() : nullptr;
}

void DocumentRules::setExtraFiles(const QStringList& files) {
    extra_ = files;
    read();
}

QString DocumentRules::folder() const {
    if (!document_.isOpen())
        return {};
    return QFileInfo(document_.game().path(GameFile::Items)).absolutePath();
}

void DocumentRules::read() {
    readFolder_ = folder();
    read_ = readFolder_.isEmpty() ? FolderRules{nullptr, {}} : readFolderRules(readFolder_, extra_);
    readPrint_ = fingerprint();
    watchFiles();
    emit reread();
}

// What the rules files hold now: each file's path and a hash of its bytes, the folder's own
// rules file found whatever its letter case (it may have appeared, gone or been renamed).
QByteArray DocumentRules::fingerprint() const {
    if (readFolder_.isEmpty())
        return {};
    QStringList files = extra_;
    const QString own = resolvePathIgnoringCase(readFolder_, QString::fromLatin1(kFolderRulesFile));
    if (QFileInfo(own).isFile())
        files.prepend(own);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& path : files) {
        hash.addData(path.toUtf8());
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(QByteArrayView("\1"));
            hash.addData(&file);
        } else {
            hash.addData(QByteArrayView("\0", 1));
        }
    }
    return hash.result();
}

// The folder (for a rules file that appears or is replaced by a rename) and each file read.
void DocumentRules::watchFiles() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    if (readFolder_.isEmpty())
        return;
    QStringList paths{readFolder_};
    for (const QString& file : extra_) {
        paths.append(QFileInfo(file).absolutePath());
        if (QFileInfo::exists(file))
            paths.append(file);
    }
    for (const QString& file : read_.files)
        if (QFileInfo::exists(file))
            paths.append(file);
    paths.removeDuplicates();
    watcher_.addPaths(paths);
}

// Quiet again: the rules are read again when a rules file holds other bytes than those read.
// A save of the game files changes the folder too, and reads nothing.
void DocumentRules::settle() {
    if (readFolder_.isEmpty() || fingerprint() == readPrint_)
        return;
    read();
    emit changedOnDisk();
}

} // namespace wed
