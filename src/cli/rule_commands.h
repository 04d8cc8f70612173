#pragma once

#include "app/category_sheet.h"
#include "app/computed_cells.h"
#include "app/folder_rules.h"
#include "cli/commands.h"

#include <memory>
#include <optional>

namespace wed::cli {

// Takes --rules FILE (any number, kept in order) and --base FOLDER (or --rules=FILE,
// --base=FOLDER) out of the arguments, wherever they stand before "--"; false when one of them
// lacks its value.
bool takeRuleOptions(QStringList& arguments, QStringList& files, QString& base);

// The rules a command runs with, and the --base folder they read item.base from.
struct RuleContext {
    FolderRules folder;
    std::unique_ptr<GameData> base;
    Rules& rules() const { return *folder.rules; }
    const GameData* baseGame() const { return base.get(); }
};
// Reads the folder's rules, each file's error told on standard error (the command goes on
// without that file's rules), and the --base folder; none, told, when that cannot be read.
std::optional<RuleContext> readRules(const Request& request, const QString& folder,
                                     CommandOutput& output);

// The category's computed cells over the rows listed, as a listing run once computes them: a
// column stopped by its budget or memory limit is not run for the items after it.
ComputedCells listedCells(RuleContext& context, CategoryId category, size_t rows);
// Their columns as a sheet writes them over the rows; valid while the cells and rows live.
std::vector<ComputedColumn> listedColumns(ComputedCells& cells, const RuleContext& context,
                                          const GameData& game, CategoryId category,
                                          const std::vector<ListEntry>& rows);
// Each column's first failure on standard error, with the number of items it failed for.
void tellFailures(const ComputedCells& cells, CommandOutput& output);

// columns FOLDER CATEGORY [--json | --csv]: every item, its fields and computed columns.
int listColumns(const Request& request, CommandOutput& output);
// run FOLDER RECIPE [--dry-run] [--patch]: the recipe's change set, applied as set applies.
int runRecipe(const Request& request, CommandOutput& output);
// rules FOLDER: what the rules files define, and their errors.
int listRules(const Request& request, CommandOutput& output);

} // namespace wed::cli
