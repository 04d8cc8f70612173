#pragma once

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define WED_HAS_FILE_SIZE_LIMIT 1
#endif

namespace wed::test {

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
