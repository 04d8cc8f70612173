#pragma once

#include "rules/rules.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace wed {

// The rules file a game folder may hold beside weapon.cfg.
inline constexpr char kFolderRulesFile[] = "weapon-rules.lua";

// The rules of a game folder, for the window and every command that opens a folder: its own
// weapon-rules.lua when it has one, then each of `more` (the --rules files) in order, read
// into one sandboxed state. A file that fails gives no rule and leaves its error in
// rules->errors(); the others still load.
struct FolderRules {
    std::unique_ptr<Rules> rules;
    QStringList files; // the files read, in order
    bool any() const { return !files.isEmpty(); }
};
FolderRules readFolderRules(const QString& folder, const QStringList& more, RuleLimits limits = {});

} // namespace wed
