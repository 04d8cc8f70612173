#pragma once

#include "support/file_size_limit.h"
#include "support/temp_game.h"

#include <QDir>

namespace wed::test {

// A fresh folder holding one weapon.cfg with the given bytes; removed with the object.
class ItemFileFolder : public TempGame {
  public:
    explicit ItemFileFolder(const QByteArray& bytes) { write(bytes); }

    QString path() const { return TempGame::path(QStringLiteral("weapon.cfg")); }
    void write(const QByteArray& bytes) { writeFile(QStringLiteral("weapon.cfg"), bytes); }
    QByteArray read() const { return readFile(QStringLiteral("weapon.cfg")); }

    // Every entry of the folder: a save must leave no temporary file behind.
    QStringList entries() const {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot);
    }
};

} // namespace wed::test
