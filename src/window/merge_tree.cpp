#include "window/merge_tree.h"

#include "window/merge_tree_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace wed {
namespace {

// The rows a column's width is measured on, beside those on the screen: enough to fit the
// values a screen shows, few enough that a tree of thousands of rows is not read whole.
constexpr int kMeasuredRows = 100;

} // namespace

MergeTree::MergeTree(QWidget* parent) : QTreeView(parent), model_(new MergeTreeModel(this)) {
    setObjectName(QStringLiteral("MergeTree"));
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(false);
    header()->setStretchLastSection(false);
    header()->setResizeContentsPrecision(kMeasuredRows);
    // What the user folds and unfolds; the tree's own unfolding of rows made again is not.
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& row) {
        if (!showingAgain_)
            folded_.insert(model_->rowName(row));
    });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& row) {
        if (!showingAgain_)
            folded_.remove(model_->rowName(row));
    });
}

void MergeTree::showMerge(std::shared_ptr<const MergeResult> result, const GameData& base,
                          const std::vector<ModSource>& mods, bool conflictsOnly) {
    // Where the user stood: the row's name and the column.
    const QModelIndex current = currentIndex();
    const QString name = model_->rowName(current);
    const int column = current.column();
    if (!model_->setMerge(std::move(result), base, mods, conflictsOnly)) {
        showAgain(name, column);
        for (int c = 0; c < model_->columnCount(); ++c)
            resizeColumnToContents(c);
        return;
    }
    // The same rows: the columns keep their widths (the user's too), widened where their
    // headings (which name other mods when one moved) or the cells on the screen need it.
    header()->setResizeContentsPrecision(0);
    for (int c = 0; c < model_->columnCount(); ++c)
        if (const int wanted = std::max(sizeHintForColumn(c), header()->sectionSizeHint(c));
            wanted > columnWidth(c))
            setColumnWidth(c, wanted);
    header()->setResizeContentsPrecision(kMeasuredRows);
}

// The rows made again: unfolded but those the user folded, the user's cell current again.
void MergeTree::showAgain(const QString& current, int column) {
    const QScopedValueRollback<bool> showing(showingAgain_, true);
    expandAll();
    for (const QModelIndex& row : model_->rowsNamed(folded_))
        collapse(row);
    for (int group = 0; group < model_->rowCount(); ++group)
        setFirstColumnSpanned(group, {}, true);
    if (current.isEmpty())
        return;
    if (const QModelIndexList rows = model_->rowsNamed({current}); !rows.isEmpty())
        setCurrentIndex(rows.front().siblingAtColumn(std::min(column, model_->columnCount() - 1)));
}

int MergeTree::currentDecision() const {
    const QVariant decision = currentIndex().siblingAtColumn(0).data(MergeTreeModel::DecisionRole);
    return decision.isValid() ? decision.toInt() : -1;
}

int MergeTree::currentMod() const {
    const int column = currentIndex().column();
    return column >= 2 && column < model_->columnCount() - 1 ? column - 2 : -1;
}

MergeCellRole MergeTree::cellRole(const QModelIndex& cell) {
    return MergeCellRole(cell.data(MergeTreeModel::CellRoleRole).toInt());
}

QColor MergeTree::roleColour(MergeCellRole role) {
    switch (role) {
    case MergeCellRole::SameAsBase:
        return {};
    case MergeCellRole::ChangedAlone:
        return QColor(0xd4, 0xee, 0xcf); // green: taken, nothing to decide
    case MergeCellRole::SameAsOther:
        return QColor(0xcf, 0xe2, 0xf6); // blue: agreed
    case MergeCellRole::Wins:
        return QColor(0xff, 0xe3, 0x9a); // amber: a conflict, this value taken
    case MergeCellRole::Loses:
        return QColor(0xf6, 0xc4, 0xc4); // red: a conflict, this value lost
    }
    return {};
}

void MergeTree::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentDecision() >= 0) {
        emit takeRequested();
        return;
    }
    QTreeView::keyPressEvent(event);
}

} // namespace wed
