#include "base/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wed {
namespace {

#ifdef Q_OS_WIN
QStringDecoder makeDecoder() {
    return QStringDecoder(QStringConverter::System);
}

// Qt's system converter puts the code page's default character ('?') in place of what the
// code page cannot hold and says nothing, and Windows would also replace some characters by
// look-alikes ("best fit"). So ask Windows itself, with both replacements reported.
std::optional<QByteArray> encodeStrictly(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size, nullptr,
                            &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return bytes;
}
#else
QStringDecoder makeDecoder() {
    return QStringDecoder("GBK");
}

// The GBK converter reports every character it cannot hold.
std::optional<QByteArray> encodeStrictly(QStringView text) {
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
#endif

} // namespace

QString decodeAnsi(QByteArrayView bytes) {
    // Opening a converter is costly; scans decode many short lines, so keep one. All callers
    // run on the user-interface thread, one per thread keeps tests and benchmarks safe too.
    thread_local QStringDecoder decoder = makeDecoder();
    decoder.resetState();
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeAnsi(QStringView text) {
    std::optional<QByteArray> bytes = encodeStrictly(text);
    // What is written must read back as typed; a converter that maps two characters to the
    // same bytes (or a byte sequence it would read otherwise) is caught here too.
    if (bytes && decodeAnsi(*bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace wed
