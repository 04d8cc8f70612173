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

bool isConsole(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode);
}

// Whether the program's output now reaches a console: a console program's streams may be its
// console already; a GUI program's that are not redirected are sent to the parent's console.
bool reachConsole(Console console) {
    if (console == Console::Own)
        return isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE);
    const bool out = redirected(STD_OUTPUT_HANDLE);
    const bool err = redirected(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
    return true;
}

} // namespace

void setUpConsole(Console console) {
    if (reachConsole(console)) {
        consoleCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
        std::atexit(restoreCodePage);
    }
    // The bytes are UTF-8 already; no translation of line ends or characters.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
#else
void setUpConsole(Console) {}
#endif

namespace {

// A short write sets the stream's error, a full disk's too; the flush finds what the buffer held.
bool write(std::FILE* stream, QByteArrayView bytes) {
    if (!bytes.isEmpty() && // an empty view may have no data at all
        std::fwrite(bytes.data(), 1, size_t(bytes.size()), stream) != size_t(bytes.size()))
        return false;
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

} // namespace

bool writeOut(QByteArrayView bytes) {
    return write(stdout, bytes);
}

bool writeErr(QByteArrayView bytes) {
    return write(stderr, bytes);
}

} // namespace wed::cli
