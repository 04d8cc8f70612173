#pragma once

#include "base/category.h"
#include "base/outcome.h"
#include "game/change_set.h"

#include <initializer_list>

class QWidget;

namespace wed {

class Comparison;
class Document;
class GameData;
class Prompts;

// The roads between the document and a file the user picks, each asked through the prompts
// and ending in an outcome for the caller to report (nothing to tell when cancelled).

// The file dialogs' filter of patch files.
QString patchFilter();

// A patch applied: asks for the file, reads it, plans it on the document's folder, shows the
// plan (PatchPreviewDialog) and applies what the user chose as one step of the history. A
// patch that cannot be read, a change the folder refuses, or no folder open writes nothing.
Outcome applyPatchFile(QWidget* parent, Document& document, Prompts& prompts);

// The comparison's changes written as a patch to a file the user picks (suggested
// "mod.patch"); a change a patch cannot carry, or a file of the folder's or the base's, writes
// nothing.
Outcome exportPatchFile(QWidget* parent, const GameData& folder, const Comparison& comparison,
                        Prompts& prompts);

// A change set written as a patch to a file the user picks (suggested `suggested`); a change a
// patch cannot carry, or a file of one of the folders `notInto`, writes nothing.
Outcome exportChangeSet(QWidget* parent, const ChangeSet& changes, const QString& suggested,
                        std::initializer_list<const GameData*> notInto, Prompts& prompts);

// A sheet of the category imported: asks for the CSV file, reads it against the document's
// folder, shows its changes or problems (SheetImportDialog) and applies the changes as one
// step of the history when the user says so.
Outcome importSheetFile(QWidget* parent, Document& document, CategoryId category, Prompts& prompts);

} // namespace wed
