#include "edit/save_lock.h"

#include "edit/whole_file.h"

#include <QFileInfo>
#include <map>

#ifdef Q_OS_WIN
#include <QCryptographicHash>
#include <QDir>
#include <windows.h>
#else
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#endif

namespace wed {

using namespace std::chrono_literals;

#ifdef Q_OS_WIN
// Windows cannot lock a folder; a mutex named after it (its path's case folded, as the file
// system folds it) is held by every process that saves there, in every session where allowed.
LockHandle openFolderLock(const QString& folder) {
    const QByteArray digest =
        QCryptographicHash::hash(QDir::toNativeSeparators(folder).toLower().toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex();
    for (const char* space : {"Global\\", "Local\\"}) {
        const std::wstring name =
            (QLatin1StringView(space) + QLatin1StringView("weapon-editor-save-") +
             QLatin1StringView(digest))
                .toStdWString();
        if (HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str()))
            return LockHandle(mutex);
    }
    return -1;
}

// A mutex whose holder died is handed on as abandoned: the holder's save never reached its
// rename, or finished it, so the files are whole either way.
bool takeFolderLock(LockHandle lock, std::chrono::milliseconds patience) {
    const DWORD waited = WaitForSingleObject(HANDLE(lock), DWORD(patience.count()));
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

void closeFolderLock(LockHandle lock) {
    ReleaseMutex(HANDLE(lock)); // fails harmlessly when it was not taken
    CloseHandle(HANDLE(lock));
}
#else
LockHandle openFolderLock(const QString& folder) {
    return ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// flock() cannot wait a bounded time: it is asked again, at growing intervals. A file system
// without locks lets the save go on unlocked, as every save went before.
bool takeFolderLock(LockHandle lock, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::chrono::microseconds pause = 100us;
    while (::flock(int(lock), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::microseconds>(pause * 2, 10ms);
    }
    return true;
}

void closeFolderLock(LockHandle lock) {
    ::close(int(lock));
}
#endif

std::chrono::milliseconds& savePatience() {
    static std::chrono::milliseconds patience = 5s;
    return patience;
}

SaveLock::SaveLock(const QStringList& files, std::chrono::milliseconds patience) {
    // Each folder once, by its one true path: every process locks them in the same order.
    std::map<QString, QString> folders;
    for (const QString& file : files) {
        QString folder = QFileInfo(QFileInfo(saveTarget(file)).absolutePath()).canonicalFilePath();
#ifdef Q_OS_WIN
        folder = folder.toLower();
#endif
        if (!folder.isEmpty())
            folders.emplace(std::move(folder), file);
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (const auto& [folder, file] : folders) {
        const LockHandle lock = openFolderLock(folder);
        if (lock == -1)
            continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (!takeFolderLock(lock, std::max(left, 0ms))) {
            closeFolderLock(lock);
            busy_ = file;
            return;
        }
        held_.push_back(lock);
    }
}

SaveLock::~SaveLock() {
    for (const LockHandle lock : held_)
        closeFolderLock(lock);
}

} // namespace wed
