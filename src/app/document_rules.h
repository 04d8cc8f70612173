#pragma once

#include "app/folder_rules.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace wed {

class Comparison;
class Document;
class GameData;

// The rules of the document's folder, for the window: its own weapon-rules.lua, then the files
// named on the command line (--rules), read when another folder opens and again when a rules
// file changes on disk. A rules file is not a game file: reading it never touches the history.
class DocumentRules : public QObject {
    Q_OBJECT
  public:
    DocumentRules(Document& document, const Comparison& comparison, int quiet = 200,
                  QObject* parent = nullptr);

    // The rules read, or null when no rules file was.
    Rules* rules() { return read_.any() ? read_.rules.get() : nullptr; }
    const FolderRules& folderRules() const { return read_; }
    // The game as shipped, for rules that read item.base: the comparison's base, or null.
    const GameData* base() const;

    // The files named on the command line, read after the folder's own; reads the rules again.
    void setExtraFiles(const QStringList& files);
    const QStringList& extraFiles() const { return extra_; }

  signals:
    // The rules were read: another folder opened, or the extra files were set.
    void reread();
    // A rules file changed on disk and the rules were read again (after reread).
    void changedOnDisk();

  private:
    void read();
    void watchFiles();
    void settle();
    QString folder() const;
    QByteArray fingerprint() const;

    Document& document_;
    const Comparison& comparison_;
    QStringList extra_;
    FolderRules read_;
    QString readFolder_;   // the folder the rules were read for
    QByteArray readPrint_; // the fingerprint of the files as read
    QFileSystemWatcher watcher_;
    QTimer quiet_;
};

} // namespace wed
