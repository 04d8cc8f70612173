#include "edit/save_steps.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wed {
namespace {

#ifdef Q_OS_WIN
bool syncFile(QFileDevice& file) {
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0;
}

// Qt's own rename replaces with a plain MoveFileEx, which may return before the new name is on
// the disk; written through, the move is there when it returns. A file another process has
// open for reading cannot be replaced until it is closed, and the editor's processes read a
// whole file at once: such a move is tried again for up to a second.
bool replace(const QString& from, const QString& to) {
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    for (int attempt = 0;; ++attempt) {
        if (saveSteps().moveFile(source.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 50)
            return false;
        Sleep(20);
        SetLastError(error);
    }
}

bool syncFolder(const QString&) {
    return true;
}

bool moveFile(const wchar_t* from, const wchar_t* to, unsigned long flags) {
    return MoveFileExW(from, to, flags) != 0;
}
#else
bool syncFile(QFileDevice& file) {
    return ::fsync(file.handle()) == 0;
}

bool replace(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A rename changes the folder, not the file: until the folder is synced, a power cut can undo
// it. Qt cannot open a folder for syncing; POSIX can.
bool syncFolder(const QString& folder) {
    const int handle =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
}
#endif

} // namespace

SaveSteps& saveSteps() {
#ifdef Q_OS_WIN
    static SaveSteps steps{syncFile, replace, syncFolder, moveFile};
#else
    static SaveSteps steps{syncFile, replace, syncFolder};
#endif
    return steps;
}

bool createFile(QFile& file, bool privately) {
    const auto mode = QIODevice::WriteOnly | QIODevice::NewOnly;
#ifdef Q_OS_WIN
    // Qt would turn permission bits into an access list of the file's own; without them the
    // file takes the folder's, as any new file does.
    Q_UNUSED(privately);
    return file.open(mode);
#else
    return privately ? file.open(mode, QFile::ReadOwner | QFile::WriteOwner) : file.open(mode);
#endif
}

void keepOwner(QFileDevice& file, const QFileInfo& old) {
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    Q_UNUSED(old);
#else
    struct stat made {};
    if (::fstat(file.handle(), &made) != 0 ||
        (made.st_uid == old.ownerId() && made.st_gid == old.groupId()))
        return;
    if (::fchown(file.handle(), old.ownerId(), old.groupId()) == 0)
        return;
    // A user who may not give the file away may still keep its group; if not, the file is theirs.
    if (::fchown(file.handle(), uid_t(-1), old.groupId()) != 0)
        return;
#endif
}

} // namespace wed
