#include "app/folder_rules.h"

#include "base/path_case.h"

#include <QFileInfo>

namespace wed {

FolderRules readFolderRules(const QString& folder, const QStringList& more, RuleLimits limits) {
    FolderRules read{std::make_unique<Rules>(limits), {}};
    // The game's own files are found whatever their letter case; so is the rules file.
    const QString own = resolvePathIgnoringCase(folder, QString::fromLatin1(kFolderRulesFile));
    if (QFileInfo(own).isFile())
        read.files.append(own);
    read.files.append(more);
    for (const QString& file : read.files)
        read.rules->readFile(file);
    return read;
}

} // namespace wed
