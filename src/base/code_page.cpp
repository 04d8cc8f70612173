#include "base/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace wed {
namespace {

#ifdef Q_OS_WIN
QStringDecoder makeDecoder() {
    return QStringDecoder(QStringConverter::System);
}
QStringEncoder makeEncoder() {
    return QStringEncoder(QStringConverter::System);
}
#else
QStringDecoder makeDecoder() {
    return QStringDecoder("GBK");
}
QStringEncoder makeEncoder() {
    return QStringEncoder("GBK");
}
#endif

} // namespace

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (const char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

QString decodeAnsi(QByteArrayView bytes) {
    // Every ANSI code page holds ASCII as it is; most lines of the game's files are ASCII.
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // Opening a converter is costly; scans decode many short lines, so keep one. All callers
    // run on the user-interface thread, one per thread keeps tests and benchmarks safe too.
    thread_local QStringDecoder decoder = makeDecoder();
    decoder.resetState();
    return decoder.decode(bytes);
}

bool decodesCleanly(QByteArrayView bytes) {
    if (isAscii(bytes))
        return true;
    thread_local QStringDecoder decoder = makeDecoder();
    decoder.resetState();
    const QString text = decoder.decode(bytes);
    // A converter that replaces what it cannot decode without saying so still leaves U+FFFD,
    // which no ANSI code page holds.
    const bool clean = !decoder.hasError() && !text.contains(QChar::ReplacementCharacter);
    // The error mark outlives resetState(): a decoder that has seen an error is replaced.
    if (decoder.hasError())
        decoder = makeDecoder();
    return clean;
}

std::optional<QByteArray> encodeAnsi(QStringView text) {
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace wed
