#pragma once

#include "app/merge_cells.h"

#include <QAbstractItemModel>
#include <QSet>
#include <memory>
#include <vector>

namespace wed {

// The rows of a merge's tree: every thing the mods change, under its item, under the item's
// category (or the name records, or the pictures), with a column for the base, one per mod and
// one for the result. The rows are numbers into the merge's decisions; a cell's text, colour
// and words are made when a view asks for them, so that a tree of thousands of rows costs only
// the rows on the screen.
class MergeTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    // In the first column of a field's row: its decision's index (Qt::UserRole: its
    // conflictName()). In every cell of a role: the MergeCellRole.
    static constexpr int DecisionRole = Qt::UserRole + 1;
    static constexpr int CellRoleRole = Qt::UserRole + 2;

    explicit MergeTreeModel(QObject* parent = nullptr);

    // Shows the merge, with `conflictsOnly` only the conflicts and their items. When the same
    // rows are shown again (a mod moved, a choice made) they stay where they were, with only
    // their cells changed, and this is true; otherwise the model is reset. The base must live
    // while the model shows it.
    bool setMerge(std::shared_ptr<const MergeResult> result, const GameData& base,
                  const std::vector<ModSource>& mods, bool conflictsOnly);

    // A row's name, which finds it again in another merge: the conflict's name for a field,
    // the item's or the group's words otherwise.
    QString rowName(const QModelIndex& index) const;
    // The rows of the names given, where they are shown.
    QModelIndexList rowsNamed(const QSet<QString>& names) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    struct Item {
        size_t first = 0;           // its first field's decision, which names the item
        std::vector<size_t> fields; // the decisions shown under it
        std::vector<int> worst;     // per column, the worst MergeCellRole of its fields' cells
        int conflicts = 0;          // its fields in conflict
    };
    struct Group {
        size_t first = 0; // its first decision, which names the group
        std::vector<Item> items;
    };

  private:
    QVariant groupData(const Group& group, int column, int role) const;
    QVariant itemData(const Item& item, int column, int role) const;
    QVariant fieldData(const MergeDecision& decision, int column, int role) const;
    int columns() const { return int(mods_.size()) + 3; }

    std::shared_ptr<const MergeResult> result_ = std::make_shared<MergeResult>();
    const GameData* base_ = nullptr;
    std::vector<ModSource> mods_;
    std::vector<Group> groups_;
};

} // namespace wed
