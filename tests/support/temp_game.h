#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <map>

namespace wed::test {

// The lines joined by CR LF (no line end after the last one), in the ANSI code page.
QByteArray ansiLines(const QStringList& lines);

// A file's bytes; none when it cannot be read.
QByteArray readBytes(const QString& path);

// Every file under the folder, by its path relative to the folder, with its bytes.
std::map<QString, QByteArray> filesUnder(const QString& folder);

// A game folder of the test's own in a temporary directory, removed with the object.
class TempGame {
  public:
    TempGame();

    QString folder() const { return dir_.path(); }
    // The absolute path of a file or folder of the game, written with '/' separators.
    QString path(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

    // Writes a file, making its folders; returns its absolute path.
    QString writeFile(const QString& relative, const QByteArray& bytes);
    QString writeItems(const QStringList& lines, const QString& relative = "weapon.cfg") {
        return writeFile(relative, ansiLines(lines));
    }
    QString writeNames(const QStringList& lines, const QString& relative = "Text/Weapon.txt") {
        return writeFile(relative, ansiLines(lines));
    }
    QString makeFolder(const QString& relative) {
        QDir().mkpath(path(relative));
        return path(relative);
    }
    QByteArray readFile(const QString& relative) const { return readBytes(path(relative)); }

  private:
    QTemporaryDir dir_;
};

} // namespace wed::test
