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

// Qt's system converter gives a character for every byte sequence, wrong or not, without an
// error; Windows says when the bytes are no text of the code page.
bool decodesStrictly(QByteArrayView bytes) {
    return bytes.isEmpty() || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                                  int(bytes.size()), nullptr, 0) > 0;
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

// Stateless: a byte that begins a character the bytes end before is an error, not a state
// kept for bytes to come.
QStringDecoder makeStrictDecoder() {
    return QStringDecoder("GBK", QStringDecoder::Flag::Stateless);
}

bool decodesStrictly(QByteArrayView bytes) {
    thread_local QStringDecoder decoder = makeStrictDecoder();
    decoder.resetState();
    const QString text = decoder.decode(bytes);
    // A converter that replaces what it cannot decode without saying so still leaves U+FFFD,
    // which no ANSI code page holds.
    const bool clean = !decoder.hasError() && !text.contains(QChar::ReplacementCharacter);
    // The error mark outlives resetState(): a decoder that has seen an error is replaced.
    if (decoder.hasError())
        decoder = makeStrictDecoder();
    return clean;
}
#endif

// The ANSI code pages keep ASCII as it is: text of ASCII alone needs no converter, which costs
// far more than the text for the short lines the scans decode.
bool isAscii(QStringView text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (const char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

QString decodeAnsi(QByteArrayView bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // Opening a converter is costly; scans decode many short lines, so keep one. All callers
    // run on the user-interface thread, one per thread keeps tests and benchmarks safe too.
    thread_local QStringDecoder decoder = makeDecoder();
    decoder.resetState();
    return decoder.decode(bytes);
}

bool decodesCleanly(QByteArrayView bytes) {
    return isAscii(bytes) || decodesStrictly(bytes);
}

std::optional<QByteArray> encodeAnsi(QStringView text) {
    if (isAscii(text))
        return text.toLatin1();
    std::optional<QByteArray> bytes = encodeStrictly(text);
    // What is written must read back as typed; a converter that maps two characters to the
    // same bytes (or a byte sequence it would read otherwise) is caught here too.
    if (bytes && decodeAnsi(*bytes) != text)
        return std::nullopt;
    return bytes;
}

QString firstUnencodable(QStringView text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        if (!encodeAnsi(text.sliced(i, width)))
            return text.sliced(i, width).toString();
        i += width;
    }
    return {};
}

qsizetype ansiBytesOfCharacters(QByteArrayView bytes, qsizetype characters) {
    QStringDecoder decoder = makeDecoder();
    qsizetype decoded = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (decoded >= characters)
            return i;
        decoded += QString(decoder.decode(bytes.sliced(i, 1))).size();
    }
    return bytes.size();
}

std::optional<QString> utf8Text(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? std::nullopt : std::optional(std::move(text));
}

} // namespace wed
