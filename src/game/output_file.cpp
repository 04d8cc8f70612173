#include "game/output_file.h"

#include "base/same_file.h"

#include <QFileInfo>

namespace wed {

Outcome refuseGameFileAsOutput(const QString& path, const GameData& game) {
    const QFileInfo file(path);
    const bool picture = file.suffix().compare(u"tga", Qt::CaseInsensitive) == 0 &&
                         sameFile(file.absolutePath(), game.pictureFolder());
    if (game.isOpen() &&
        (picture || sameFile(path, game.itemFilePath()) || sameFile(path, game.nameFilePath())))
        return Outcome::of(Status::OutputIsGameFile, path);
    return {};
}

} // namespace wed
