#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <functional>

namespace wed {

// The steps of a save that only the system can take, one small function each. Every save goes
// through the table saveSteps() returns, so that a test can watch the steps, their order and
// what they ask of the system, by wrapping them. Each returns false when the system refused,
// with its reason left where qt_error_string() finds it.
struct SaveSteps {
    // Forces the file's written bytes onto the disk (fsync, FlushFileBuffers).
    std::function<bool(QFileDevice& file)> syncFile;
    // Puts the closed file `from` in the place of `to` in one step, replacing it.
    std::function<bool(const QString& from, const QString& to)> replace;
    // Forces a folder's entries onto the disk, so that a rename in it survives a power cut.
    // Windows has nothing to do here: its move is written through.
    std::function<bool(const QString& folder)> syncFolder;
#ifdef Q_OS_WIN
    // The system's move (MoveFileExW) with the flags the replace step asks for.
    std::function<bool(const wchar_t* from, const wchar_t* to, unsigned long flags)> moveFile;
#endif
};

// The steps every save takes: the system's own, unless a test wrapped them.
SaveSteps& saveSteps();

// Makes `file`, which must not exist yet, and opens it for writing. A file that will take an
// existing file's permissions is made readable by its owner alone until then.
bool createFile(QFile& file, bool privately);

// Gives the open new `file` the owner and group of the file it will replace, as far as the
// system lets the running user: an administrator keeps both, a member of the file's group keeps
// the group, anyone else makes the file their own. On Windows a new file is the saver's and
// takes its folder's access list, as every new file does.
void keepOwner(QFileDevice& file, const QFileInfo& old);

} // namespace wed
