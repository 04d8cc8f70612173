#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <vector>

namespace wed {

// The system's lock of one folder among the editor's processes, one small function each. On
// Linux it is an flock() of the folder itself, on Windows a named mutex made from the folder's
// path: neither leaves a file behind, and the system releases both when their process ends,
// however it ends. A handle of -1 is a folder that cannot be locked (it cannot be opened: no
// save can be made in it either).
using LockHandle = std::intptr_t;
LockHandle openFolderLock(const QString& folder);
// Waits at most `patience` for the lock; false when another process held it all that time.
bool takeFolderLock(LockHandle lock, std::chrono::milliseconds patience);
void closeFolderLock(LockHandle lock); // releases the lock if it was taken

// How long a save waits for another process's save of the same folder before it is refused:
// bounded, so that a hung process cannot hang the window. A test may shorten it.
std::chrono::milliseconds& savePatience();

// Makes a save exclusive among the editor's processes: holds the lock of every folder the
// files are saved into, from before the check that they still hold what the editor read to
// after their new bytes are in place. Folders are locked in one order, so that two saves of
// the same two files never wait for each other.
class SaveLock {
  public:
    SaveLock(const QStringList& files, std::chrono::milliseconds patience);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // The file whose folder another process held too long; empty when every lock is held.
    const QString& busy() const { return busy_; }

  private:
    std::vector<LockHandle> held_;
    QString busy_;
};

} // namespace wed
