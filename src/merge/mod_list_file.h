#pragma once

#include "merge/mod_merge.h"
#include "merge/mod_read.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace wed {

// A mod list on disk, UTF-8 text with LF line ends (CR LF and a byte-order mark are read too):
//
//   weapon-editor mod list 1
//   base<TAB>PATH
//   mod<TAB>PATH              ; one a line, lowest priority first; a folder or a patch file
//   choices                   ; the choices section, optional
//   ITEM<TAB>WHAT<TAB>N       ; a conflict as conflictName() names it, the winner from 1
//
// Paths are relative to the list file's folder (an absolute one stays absolute) and written
// with "/". Lines beginning with "#" and empty lines are comments. A choices file
// (`merge --choices FILE`) holds the choices lines alone.
struct ModList {
    QString base;                // absolute
    std::vector<ModSource> mods; // absolute paths
    MergeChoices choices;        // by conflict name, the mod's index from 0
};

// What is wrong with a mod list's or choices file's text; `line` says where.
enum class ModListFault {
    None,
    NotUtf8,    // the text is not UTF-8
    FirstLine,  // the first line is not the list's own
    BadLine,    // a line that is none of the forms above
    NoBase,     // no base line, or a second one
    BadChoice,  // a choice line without its three columns, or a number that is no mod's
    MissingMod, // `path`: a mod (or the base) that does not exist
};

struct ModListRead {
    ModList list;
    ModListFault fault = ModListFault::None;
    qsizetype line = 0; // from 1
    QString path;       // MissingMod: the path as the file resolves it
    bool ok() const { return fault == ModListFault::None; }
};

// `listPath` is where the text was read from (paths are relative to its folder); missing mods
// are refused unless `allowMissing`.
ModListRead readModList(QByteArrayView text, const QString& listPath, bool allowMissing = false);
// The choices lines alone (a choices file); `modCount` bounds the numbers.
ModListRead readChoices(QByteArrayView text, int modCount);

// The text of a list, for a file at `listPath`: paths relative to its folder where they can be.
QByteArray writeModList(const ModList& list, const QString& listPath);
// The choices lines alone, sorted by name.
QByteArray writeChoices(const MergeChoices& choices);

} // namespace wed
