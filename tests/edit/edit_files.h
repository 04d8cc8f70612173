#pragma once

#include "support/temp_game.h"

#include <QDir>
#include <gtest/gtest.h>

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define WED_HAS_FILE_SIZE_LIMIT 1
#endif

namespace wed::test {

// A fresh folder holding one weapon.cfg with the given bytes; removed with the object.
class ItemFileFolder : public TempGame {
  public:
    explicit ItemFileFolder(const QByteArray& bytes) { write(bytes); }

    QString path() const { return TempGame::path(QStringLiteral("weapon.cfg")); }
    void write(const QByteArray& bytes) { writeFile(QStringLiteral("weapon.cfg"), bytes); }
    QByteArray read() const { return readFile(QStringLiteral("weapon.cfg")); }

    // Every entry of the folder: a save must leave no temporary file behind.
    QStringList entries() const {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot);
    }
};

#ifdef WED_HAS_FILE_SIZE_LIMIT
// Makes every write past `bytes` fail as on a full disk, for the life of the object.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
#endif

} // namespace wed::test
