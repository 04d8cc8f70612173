#include "base/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wed {
namespace {

// A code page the user may choose: the names it goes by, what Qt's converter (ICU) calls it off
// Windows, and its number on Windows.
struct CodePage {
    const char* names; // blank-separated, the first is the one the usage shows
    const char* converter;
    unsigned number;
};

constexpr CodePage kCodePages[] = {
    {"gbk cp936", "GBK", 936},
    {"cp1250 windows-1250", "windows-1250", 1250},
    {"cp1251 windows-1251", "windows-1251", 1251},
    {"cp1252 windows-1252", "windows-1252", 1252},
};

// None: the system's code page. Chosen at the start; the generation tells the converters each
// thread keeps when it changed (tests choose more than one).
const CodePage* chosen = nullptr;
int generation = 0;

QStringList namesOf(const CodePage& page) {
    return QString::fromLatin1(page.names).split(u' ');
}

// No ANSI code page holds these as text; a converter that reads the bytes a code page leaves
// undefined gives them (the single-byte ones), or the replacement character.
bool holdsNoText(QStringView text) {
    for (const QChar c : text)
        if (c == QChar::ReplacementCharacter || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            return true;
    return false;
}

#ifdef Q_OS_WIN
unsigned windowsCodePage() {
    return chosen ? chosen->number : CP_ACP;
}

QString decodeWithSystem(QByteArrayView bytes) {
    const UINT page = windowsCodePage();
    const int size = MultiByteToWideChar(page, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    QString text(qMax(size, 0), Qt::Uninitialized);
    if (size > 0)
        MultiByteToWideChar(page, 0, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

// Windows would replace what the code page cannot hold by its default character ('?') or by a
// look-alike ("best fit"); ask for both replacements to be reported.
std::optional<QByteArray> encodeStrictly(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    const UINT page = windowsCodePage();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    const int size =
        WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size, nullptr,
                            &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return bytes;
}

// Without the flag Windows gives a character for every byte sequence, wrong or not; with it, it
// says when the bytes are no text of the code page.
bool decodesStrictly(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return true;
    if (MultiByteToWideChar(windowsCodePage(), MB_ERR_INVALID_CHARS, bytes.data(),
                            int(bytes.size()), nullptr, 0) <= 0)
        return false;
    return !holdsNoText(decodeWithSystem(bytes));
}

#else
const char* converterName() {
    return chosen ? chosen->converter : "GBK";
}

// Opening a converter is costly and scans decode many short lines, so each thread keeps one,
// opened again when the code page changed.
QStringDecoder& keptDecoder(QStringDecoder::Flags flags, bool fresh = false) {
    struct Kept {
        int generation = -1;
        QStringDecoder decoder;
    };
    thread_local Kept kept[2];
    Kept& one = kept[flags.testFlag(QStringDecoder::Flag::Stateless) ? 1 : 0];
    if (fresh || one.generation != generation)
        one = {generation, QStringDecoder(converterName(), flags)};
    one.decoder.resetState();
    return one.decoder;
}

// A character the bytes end inside of is kept as a state for bytes to come, and would be lost;
// a line end after the bytes makes it U+FFFD, as Windows reads it. So "gun" and "gun" with half
// a character after it stay two ids, as their bytes are.
QString decodeWithSystem(QByteArrayView bytes) {
    QStringDecoder& decoder = keptDecoder(QStringDecoder::Flag::Default);
    QString text = decoder.decode(bytes);
    text += decoder.decode(QByteArrayView("\n", 1));
    text.chop(1);
    return text;
}

// The converter reports every character it cannot hold.
std::optional<QByteArray> encodeStrictly(QStringView text) {
    QStringEncoder encoder(converterName());
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// Stateless: a byte that begins a character the bytes end before is an error, not a state
// kept for bytes to come.
bool decodesStrictly(QByteArrayView bytes) {
    QStringDecoder& decoder = keptDecoder(QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    const bool clean = !decoder.hasError() && !holdsNoText(text);
    // The error mark outlives resetState(): a decoder that has seen an error is replaced.
    if (decoder.hasError())
        keptDecoder(QStringDecoder::Flag::Stateless, true);
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
    return decodeWithSystem(bytes);
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

// Character by character: the shortest run of bytes that decodes cleanly is one character; a
// byte that begins none counts as one, as the window shows it.
qsizetype ansiBytesOfCharacters(QByteArrayView bytes, qsizetype characters) {
    qsizetype at = 0;
    for (qsizetype decoded = 0; decoded < characters && at < bytes.size(); ++decoded) {
        qsizetype width = 1;
        while (width < 4 && at + width < bytes.size() && !decodesCleanly(bytes.sliced(at, width)))
            ++width;
        at += decodesCleanly(bytes.sliced(at, width)) ? width : 1;
    }
    return at;
}

bool chooseCodePage(QStringView name) {
    const CodePage* page = nullptr;
    for (const CodePage& known : kCodePages)
        if (namesOf(known).contains(name.toString(), Qt::CaseInsensitive))
            page = &known;
    if (!page && !name.isEmpty())
        return false;
    chosen = page;
    ++generation;
    return true;
}

QStringList codePageNames() {
    QStringList names;
    for (const CodePage& page : kCodePages)
        names += namesOf(page);
    return names;
}

std::optional<QString> utf8Text(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? std::nullopt : std::optional(std::move(text));
}

} // namespace wed
