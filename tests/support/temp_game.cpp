#include "support/temp_game.h"

#include "base/code_page.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace wed::test {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readBytes(path);
    }
    return files;
}

QByteArray ansiLines(const QStringList& lines) {
    const std::optional<QByteArray> bytes = encodeAnsi(lines.join(QStringLiteral("\r\n")));
    if (!bytes)
        throw std::runtime_error("test text does not fit the code page");
    return *bytes;
}

TempGame::TempGame() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary game folder");
}

QString TempGame::writeFile(const QString& relative, const QByteArray& bytes) {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return file;
}

} // namespace wed::test
