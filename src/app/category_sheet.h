#pragma once

#include "game/game_data.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

namespace wed {

// A category as a spreadsheet: CSV in UTF-8 with a byte-order mark (so that spreadsheet
// programs on Chinese Windows read it), lines ended by CR LF. The header is "物品", "名字" and
// each field's caption; then one line per item: its reference (with "#K" where ids repeat),
// its name, and each field's value ("无" where the record lacks the key). A value with a
// comma, a quote or a line break is quoted. A value a spreadsheet could run as a formula
// (beginning with '=', '+', '-', '@', a tab or a line break, and no plain number), or one that
// begins with a single quote, is written quoted after one more single quote, which reading
// drops. The rows are the entries given, in their order.
// Computed columns follow the fields, each heading marked (kComputedMark).
struct ComputedColumn {
    QString name;
    std::function<QString(const ListEntry&)> cell;
};
QByteArray categorySheet(const GameData& game, CategoryId category,
                         const std::vector<ListEntry>& rows,
                         const std::vector<ComputedColumn>& computed = {});

// Lines of cells as CSV, as categorySheet writes them (byte-order mark, CR LF, quoting).
QByteArray csvSheet(const std::vector<QStringList>& lines);

// The sheet's cells, its heading line first, as categorySheet writes them.
std::vector<QStringList> categoryCells(const GameData& game, CategoryId category,
                                       const std::vector<ListEntry>& rows,
                                       const std::vector<ComputedColumn>& computed = {});

// What a computed column's heading ends with: "平均伤害（计算）". Data, as the other headings.
QString computedHeading(const QString& name);

// A problem of a sheet read back, at its row and column (both from 1; column 0: the row).
struct SheetProblem {
    qsizetype row = 0;
    qsizetype column = 0;
    Outcome what;
};

// The changes a sheet makes to the category: each cell that differs from the folder is a
// change, checked by the same rules as typing into the table (a name cell changes the name
// line of the item's name record); a cell of a field read as numbers whose numbers equal the
// file's is none. A cell that begins with a single quote stands for its text without that
// quote. Rows are matched by reference, columns by caption or key. With any problem (a
// malformed row, an unknown or repeated column, an unknown item, a value for a key the record
// lacks, a value its field refuses), there are no changes. Computed columns (their heading
// marked) are no data of the files: they are left out, and named in `ignored`.
struct SheetImport {
    ChangeSet changes;
    std::vector<SheetProblem> problems;
    QStringList ignored;
};
SheetImport importSheet(const GameData& game, CategoryId category, QByteArrayView csv);

// The words for a problem: "第 R 行第 C 列：…".
QString describeProblem(const SheetProblem& problem);

} // namespace wed
