#include "window/table_window.h"

#include "app/category_sheet.h"
#include "app/shown_words.h"
#include "edit/whole_file.h"
#include "game/output_file.h"
#include "window/editor_keys.h"
#include "window/field_layout.h"
#include "window/file_actions.h"
#include "window/mark_colours.h"
#include "window/prompts.h"

#include <QAction>
#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace wed {
namespace {

// Commits what the editor holds to every selected cell through the window, instead of writing
// the one cell the editor stands on.
class CellsDelegate : public QStyledItemDelegate {
  public:
    explicit CellsDelegate(TableWindow& window) : QStyledItemDelegate(&window), window_(window) {}
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const override {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            window_.commitCells(line->text());
    }

  private:
    TableWindow& window_;
};

} // namespace

// The marks of the comparison and of the computed columns, in the colours the main window's
// fields and list give them.
QVariant TableRows::data(const QModelIndex& index, int role) const {
    if (role == Qt::ForegroundRole) {
        if (index.data(CategoryTable::kMissingRole).toBool())
            return QBrush(QColor(Qt::gray));
        if (index.data(CategoryTable::kAddedRole).toBool())
            return QBrush(kAddedItem);
        if (index.data(CategoryTable::kFailedRole).toBool())
            return QBrush(QColor(Qt::darkRed));
    }
    if (role == Qt::BackgroundRole) {
        if (index.data(CategoryTable::kChangedRole).toBool())
            return QBrush(kChangedBackground);
        if (index.data(CategoryTable::kComputedRole).toBool())
            return QBrush(kComputedBackground);
    }
    return TableSortFilter::data(index, role);
}

QVariant TableRows::headerData(int section, Qt::Orientation orientation, int role) const {
    const QVariant heading = TableSortFilter::headerData(section, orientation, role);
    if (role != Qt::ToolTipRole || orientation != Qt::Horizontal)
        return heading;
    const TableColumn& column = table().columns().at(section);
    if (column.kind != TableColumn::Kind::Field)
        return heading;
    const FieldLayout& layout = fieldLayouts(table().category())[size_t(column.field)];
    const QString help = shownHelp(layout.labelHelp ? layout.labelHelp : layout.fieldHelp);
    return help.isEmpty() ? heading : heading.toString() + u'\n' + help.trimmed();
}

TableWindow::TableWindow(Document& document, CategoryId category, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), prompts_(prompts),
      table_(document, category), rows_(table_) {
    setObjectName(QStringLiteral("TableWindow"));
    rows_.setDynamicSortFilter(false); // an edited row stays where it is until sorted again
    find_ = new QLineEdit(this);
    find_->setClearButtonEnabled(true);
    find_->hide();
    connect(find_, &QLineEdit::textChanged, &rows_, &TableSortFilter::setFind);
    view_ = new QTableView(this);
    view_->setModel(&rows_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setItemDelegate(new CellsDelegate(*this));
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setDefaultSectionSize(90);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(find_);
    layout->addWidget(view_);
    resize(900, 600);
    installKeys();
    retranslate();
}

// Every text of the window, in the interface's language; again when it changes.
void TableWindow::retranslate() {
    setWindowTitle(tr("表格: %1").arg(shownWord(wed::category(table_.category()))));
    find_->setPlaceholderText(tr("查找编号或名字"));
    find_->setAccessibleName(tr("查找物品"));
    exportAction_->setText(tr("导出CSV…"));
    importAction_->setText(tr("导入 CSV…"));
    chartAction_->setText(tr("以所选两列作图…"));
    const int columns = table_.columnCount();
    if (columns > 0)
        emit table_.headerDataChanged(Qt::Horizontal, 0, columns - 1);
}

void TableWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TableWindow::installKeys() {
    const auto add = [this](QKeySequence keys, auto run) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, run);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        find_->show();
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    bindEditorKeys(this, {EditorAction::Undo, EditorAction::Redo}, [this](EditorAction action) {
        emit outcome(action == EditorAction::Undo ? document_.undo() : document_.redo());
    });
    const auto menuEntry = [this](QKeySequence keys, auto run) {
        auto* action = new QAction(view_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        view_->addAction(action);
        return action;
    };
    exportAction_ =
        menuEntry(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TableWindow::exportCsv);
    importAction_ =
        menuEntry(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &TableWindow::importCsv);
    chartAction_ = menuEntry(QKeySequence(), &TableWindow::chartSelected);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), find_);
    close->setContext(Qt::WidgetShortcut);
    connect(close, &QShortcut::activated, this, [this] {
        find_->clear();
        find_->hide();
        view_->setFocus(Qt::OtherFocusReason);
    });
}

void TableWindow::commitCells(const QString& typed) {
    QModelIndexList chosen = view_->selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        chosen = {view_->currentIndex()};
    std::set<int> columns;
    for (const QModelIndex& index : chosen)
        columns.insert(index.column());
    if (columns.size() > 1)
        return emit refused({WindowStatus::ColumnsMixed, {}});
    // The cells from the top down as shown, so that a refusal names the first one there.
    std::sort(chosen.begin(), chosen.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int> rows;
    for (const QModelIndex& index : chosen)
        rows.push_back(rows_.mapToSource(index).row());
    emit outcome(table_.editCells(rows, *columns.begin(), typed));
}

void TableWindow::chartSelected() {
    std::set<int> columns;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        columns.insert(index.column());
    if (columns.size() != 2)
        return prompts_.show(this, tr("请选中两列：左边一列作 X 轴，右边一列作 Y 轴。"));
    emit chartRequested(*columns.begin(), *columns.rbegin());
}

void TableWindow::setComparison(const Comparison* comparison) {
    table_.setComparison(comparison);
}

void TableWindow::setRules(Rules* rules) {
    table_.setRules(rules);
}

void TableWindow::exportCsv() {
    const std::optional<QString> path = prompts_.askSavePath(
        this, tr("导出CSV"), QStringLiteral("%1.csv").arg(wed::category(table_.category()).word),
        tr("CSV (*.csv)"));
    if (!path)
        return;
    if (const Outcome refusal = refuseGameFileAsOutput(*path, document_.game()); refusal.refused())
        return emit outcome(refusal);
    emit outcome(saveWholeFile(*path, categorySheet(document_.game(), table_.category(),
                                                    rows_.shownEntries(), table_.sheetColumns())));
}

void TableWindow::importCsv() {
    emit outcome(importSheetFile(this, document_, table_.category(), prompts_));
}

} // namespace wed
