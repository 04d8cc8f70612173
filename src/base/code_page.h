#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace wed {

// The game's text files are in the system's ANSI code page. These two functions are the only
// place that knows which one that is: on Windows the system's own, elsewhere GBK.
QString decodeAnsi(QByteArrayView bytes);
// True when the code page can decode every byte: no byte sequence it does not know.
bool decodesCleanly(QByteArrayView bytes);
// True when every byte is below 0x80: such bytes decode the same in every code page.
bool isAscii(QByteArrayView bytes);

// Returns nothing when the text holds a character the code page cannot represent, so that a
// caller never writes a '?' in its place.
std::optional<QByteArray> encodeAnsi(QStringView text);

// The first character (a surrogate pair counts as one) the code page cannot hold; empty if none.
QString firstUnencodable(QStringView text);

// The text of UTF-8 bytes (the files the editor reads beside the game's: patches, sheets), a
// byte-order mark left out; none when they are no UTF-8.
std::optional<QString> utf8Text(QByteArrayView bytes);

// How many of the bytes make up their first `characters` characters (all, when they are fewer).
qsizetype ansiBytesOfCharacters(QByteArrayView bytes, qsizetype characters);

} // namespace wed
