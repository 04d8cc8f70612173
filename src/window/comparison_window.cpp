#include "window/comparison_window.h"

#include "app/change_text.h"
#include "app/comparison.h"
#include "app/document.h"
#include "app/shown_words.h"
#include "data/name_record.h"
#include "window/editor_keys.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

namespace wed {

ComparisonWindow::ComparisonWindow(Document& document, Comparison& comparison, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), comparison_(comparison) {
    setObjectName(QStringLiteral("ComparisonWindow"));
    table_ = new QTableWidget(0, 4, this);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    revert_ = new QPushButton(this);
    revert_->setObjectName(QStringLiteral("RevertButton"));
    revert_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(table_);
    layout->addWidget(revert_, 0, Qt::AlignRight);
    resize(720, 420);
    connect(&comparison_, &Comparison::changed, this, &ComparisonWindow::fill);
    connect(table_, &QTableWidget::activated, this,
            [this](const QModelIndex& index) { request(index.row()); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { revert_->setEnabled(!selectedRows().empty()); });
    connect(revert_, &QPushButton::clicked, this, &ComparisonWindow::revertSelected);
    bindEditorKeys(this, {EditorAction::Undo, EditorAction::Redo}, [this](EditorAction action) {
        emit outcome(action == EditorAction::Undo ? document_.undo() : document_.redo());
    });
    retranslate();
}

// Every text of the window, in the interface's language; again when it changes.
void ComparisonWindow::retranslate() {
    setWindowTitle(tr("与原版比较"));
    table_->setHorizontalHeaderLabels({tr("物品"), tr("字段"), tr("原版"), tr("现在")});
    table_->setAccessibleName(tr("与原版不同之处"));
    revert_->setText(tr("还原"));
    fill();
}

void ComparisonWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ComparisonWindow::fill() {
    const ChangeSet& changes = comparison_.changes();
    const GameData& game = document_.game();
    table_->clearContents();
    table_->setRowCount(int(changes.size()));
    for (size_t row = 0; row < changes.size(); ++row) {
        const Change& change = changes[row];
        const bool names = change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove;
        const QString cells[] = {
            names ? nameOpening(change.item.id) : refText(change.item), changeFieldText(change),
            isMove(change) ? placeText(change, change.baseAfter)
                           : sideText(change, change.base, change.baseLines, game),
            isMove(change) ? placeText(change, change.after)
                           : sideText(change, change.now, change.nowLines, game)};
        for (int column = 0; column < 4; ++column)
            table_->setItem(int(row), column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    revert_->setEnabled(!selectedRows().empty());
}

std::optional<ItemRef> ComparisonWindow::itemOf(size_t row) const {
    const Change& change = comparison_.changes().at(row);
    const GameData& game = document_.game();
    if (change.kind != ChangeKind::Names && change.kind != ChangeKind::NameMove)
        return game.headerOf(change.item) >= 0 ? std::optional(change.item) : std::nullopt;
    // A name record belongs to an id: the first item with it, weapons first.
    for (const Category& c : categories())
        if (const ItemRef item{c.id, change.item.id, 1}; game.headerOf(item) >= 0)
            return item;
    return std::nullopt;
}

void ComparisonWindow::request(int row) {
    if (row < 0 || size_t(row) >= comparison_.changes().size())
        return;
    if (const std::optional<ItemRef> item = itemOf(size_t(row)))
        emit itemRequested(*item);
}

std::vector<size_t> ComparisonWindow::selectedRows() const {
    std::set<size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.insert(size_t(index.row()));
    return {rows.begin(), rows.end()};
}

void ComparisonWindow::revertSelected() {
    const std::vector<size_t> rows = selectedRows();
    if (rows.empty())
        return;
    Document::StepInfo step{tr("还原 %1 处修改").arg(rows.size()), {}, {}, {}, 0};
    // The step shows the first row's item, on each side that has it.
    const Change& first = comparison_.changes()[rows.front()];
    step.before.item = itemOf(rows.front());
    if (first.kind == ChangeKind::Names || first.kind == ChangeKind::NameMove)
        step.after.item = step.before.item;
    else if (comparison_.baseHas(first.item))
        step.after.item = first.item;
    emit outcome(document_.apply(comparison_.revert(rows), std::move(step)));
}

} // namespace wed
