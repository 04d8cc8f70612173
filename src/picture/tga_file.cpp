#include "picture/tga_file.h"

#include <QFile>
#include <algorithm>

namespace wed {

QByteArray readTgaBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(TgaHeader::kSize);
    const std::optional<TgaHeader> header = parseTgaHeader(bytes);
    if (!header || !isDecodableTga(*header))
        return bytes;
    const qint64 wanted = tgaBytesNeeded(*header) - TgaHeader::kSize;
    const qint64 rest = std::max<qint64>(0, file.size() - TgaHeader::kSize);
    bytes += file.read(std::min(wanted, rest));
    return bytes;
}

TgaPixels readTgaFile(const QString& fileName) {
    return decodeTga(readTgaBytes(fileName));
}

} // namespace wed
