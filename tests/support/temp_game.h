#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace wed::test {

// The lines joined by CR LF (no line end after the last one), in the ANSI code page.
QByteArray ansiLines(const QStringList& lines);

// A game folder of the test's own in a temporary directory, removed with the object.
class TempGame {
  public:
    TempGame();

    QString folder() const { return dir_.path(); }
    // The absolute path of a file or folder of the game, written with '/' separators.
    QString path(const QString& relative) const;

    // Writes a file, making its folders; returns its absolute path.
    QString writeFile(const QString& relative, const QByteArray& bytes);
    QString writeItems(const QStringList& lines, const QString& relative = "weapon.cfg");
    QString writeNames(const QStringList& lines, const QString& relative = "Text/Weapon.txt");
    QString makeFolder(const QString& relative);
    QByteArray readFile(const QString& relative) const;

  private:
    QTemporaryDir dir_;
};

} // namespace wed::test
