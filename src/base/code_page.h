#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace wed {

// The game's text files are in an ANSI code page: by default the system's (on Windows its own,
// elsewhere GBK), or the one the user chose. These functions are the only place that knows it.
QString decodeAnsi(QByteArrayView bytes);
// True when the code page can decode every byte: no byte sequence it does not know, and none
// that it maps to a C1 control (U+0080 to U+009F), which is how the single-byte code pages
// read the bytes they leave undefined.
bool decodesCleanly(QByteArrayView bytes);
// True when every byte is below 0x80: such bytes decode the same in every code page.
bool isAscii(QByteArrayView bytes);

// Returns nothing when the text holds a character the code page cannot represent, so that a
// caller never writes a '?' in its place.
std::optional<QByteArray> encodeAnsi(QStringView text);

// The first character (a surrogate pair counts as one) the code page cannot hold; empty if none.
QString firstUnencodable(QStringView text);

// Chooses the code page of the game's files by one of the names codePageNames() gives, case
// ignored; false, and nothing changed, for a name it does not know. Meant for the start, before
// any file is read; an empty name goes back to the system's.
bool chooseCodePage(QStringView name);
// The names chooseCodePage() takes, the first of each code page first: "gbk", "cp936", ...
QStringList codePageNames();

// The text of UTF-8 bytes (the files the editor reads beside the game's: patches, sheets), a
// byte-order mark left out; none when they are no UTF-8.
std::optional<QString> utf8Text(QByteArrayView bytes);

// How many of the bytes make up their first `characters` characters (all, when they are fewer).
qsizetype ansiBytesOfCharacters(QByteArrayView bytes, qsizetype characters);

} // namespace wed
