#pragma once

#include "app/merge_cells.h"

#include <QSet>
#include <QTreeView>
#include <memory>

namespace wed {

class MergeTreeModel;

// Every thing the mods of a merge change, under its item, under the item's category (or the
// name records, or the pictures): a row per field with a column for the base, one per mod and
// one for the result. Each cell's colour and accessible description say its role; an item row
// carries the worst role of its fields.
class MergeTree : public QTreeView {
    Q_OBJECT
  public:
    explicit MergeTree(QWidget* parent = nullptr);

    // Shows the merge; with `conflictsOnly` only the conflicts and their items. The cell the
    // user stood on stays current, and the items the user folded stay folded, where they are
    // still shown.
    void showMerge(std::shared_ptr<const MergeResult> result, const GameData& base,
                   const std::vector<ModSource>& mods, bool conflictsOnly);
    MergeTreeModel* mergeModel() const { return model_; }
    // The decision of the current row (-1 for a row of no field), and the mod of the current
    // column (-1 for another column).
    int currentDecision() const;
    int currentMod() const;
    // The role a cell shows.
    static MergeCellRole cellRole(const QModelIndex& cell);
    static QColor roleColour(MergeCellRole role);

  signals:
    // Enter on a cell: the user takes its value.
    void takeRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showAgain(const QString& current, int column);

    MergeTreeModel* model_ = nullptr;
    QSet<QString> folded_; // the rows the user folded, by their names
    bool showingAgain_ = false;
};

} // namespace wed
