#include "cli/console.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace wed::cli {

#ifdef _WIN32
namespace {

UINT consoleCodePage = 0;

void restoreCodePage() {
    SetConsoleOutputCP(consoleCodePage);
}

bool redirected(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void attachParentConsole() {
    const bool out = redirected(STD_OUTPUT_HANDLE);
    const bool err = redirected(STD_ERROR_HANDLE);
    if ((!out || !err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!out)
            std::freopen("CONOUT$", "w", stdout);
        if (!err)
            std::freopen("CONOUT$", "w", stderr);
        consoleCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
        std::atexit(restoreCodePage);
    }
    // The bytes are UTF-8 already; no translation of line ends or characters.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
#else
void attachParentConsole() {}
#endif

namespace {

void write(std::FILE* stream, QByteArrayView bytes) {
    if (bytes.isEmpty()) // an empty view may have no data at all
        return;
    std::fwrite(bytes.data(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeOut(QByteArrayView bytes) {
    write(stdout, bytes);
}

void writeErr(QByteArrayView bytes) {
    write(stderr, bytes);
}

} // namespace wed::cli
