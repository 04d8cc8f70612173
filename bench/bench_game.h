#pragma once

#include "base/category.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace bench {

// A game folder made like the sample: weapon.cfg and Text/Weapon.txt of about the given number
// of lines (0: the sample's own size), in a temporary folder of its own. With pictures, every
// item shows one of ten picture numbers, whose small and large pictures (twenty files) are in
// Images/weapon; the bare-handed weapon's own picture is missing.
class GameFolder {
  public:
    explicit GameFolder(qsizetype lines, bool pictures = false);
    // A folder of `weapons` weapons and nothing else, each with every weapon key.
    static std::unique_ptr<GameFolder> weapons(int weapons);
    QString itemFile() const { return dir_.filePath(QStringLiteral("weapon.cfg")); }
    QString folder() const { return dir_.path(); }
    QByteArray itemBytes() const;
    qsizetype lines() const { return lines_; }
    int pictures() const { return pictures_; }

  private:
    GameFolder() = default;

    QTemporaryDir dir_;
    qsizetype lines_ = 0;
    int pictures_ = 0;
};

// The index of a category's field by its key.
int fieldIndex(wed::CategoryId category, const char* key);

// The bare minimum of any atomic save that survives a power cut: the bytes written to a
// temporary file in the file's folder, flushed to disk and renamed, and the folder synced so
// that the rename is on the disk too. False when any step failed.
bool bareAtomicSave(const QString& path, const QByteArray& bytes);

} // namespace bench
