#pragma once

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace wed::test {

// The tests' texts are Chinese, in the game's code page. Elsewhere that is always GBK; on
// Windows it is the system's ANSI code page, which must then be 936 (scripts/test-windows runs
// Wine with it). Says why and returns false when it is not.
inline bool chineseCodePage() {
#ifdef _WIN32
    if (GetACP() != 936) {
        std::fprintf(stderr,
                     "The tests need the Chinese ANSI code page 936, not %u (under Wine: "
                     "LC_ALL=zh_CN.UTF-8).\n",
                     GetACP());
        return false;
    }
#endif
    return true;
}

} // namespace wed::test
