#include "window/item_list_view.h"

#include "app/comparison.h"
#include "app/document.h"
#include "app/item_find.h"
#include "window/control_layout.h"
#include "window/item_list_box.h"
#include "window/mark_colours.h"

#include <algorithm>

namespace wed {

ItemListView::ItemListView(QWidget* client, const Document& document, const Comparison& comparison)
    : QObject(client), document_(document), comparison_(comparison) {
    box_ = placed(new ItemListBox(client), Control::ItemList);
    connect(box_, &ItemListBox::findChanged, this, &ItemListView::setFind);
    box_->setToolTips([this](int row) { return nameOf(visible_.at(size_t(row))); });
}

int ItemListView::selectedEntry() const {
    const QList<QListWidgetItem*> selected = box_->selectedItems();
    if (selected.isEmpty())
        return -1;
    return visible_.at(size_t(box_->row(selected.front())));
}

ItemRef ItemListView::itemOf(int entry) const {
    const ListEntry& listed = entries_[size_t(entry)];
    return {category_->id, listed.id, listed.ordinal + 1};
}

const QString& ItemListView::nameOf(int entry) const {
    if (!names_)
        names_ = namesOf(document_.game().names(), document_.game().nameIndex(), category_->id,
                         entries_);
    return (*names_)[size_t(entry)];
}

int ItemListView::entryOfHeader(qsizetype headerLine) const {
    // The entries stand in file order.
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), headerLine,
        [](const ListEntry& entry, qsizetype line) { return entry.headerLine < line; });
    return found != entries_.end() && found->headerLine == headerLine
               ? int(found - entries_.begin())
               : -1;
}

int ItemListView::rowOfEntry(int entry) const {
    const auto found = std::lower_bound(visible_.begin(), visible_.end(), entry);
    return found != visible_.end() && *found == entry ? int(found - visible_.begin()) : -1;
}

bool ItemListView::list(const Category& category) {
    category_ = &category;
    ItemList listed = document_.game().listed(category.id);
    entries_ = std::move(listed.entries);
    names_.reset();
    shownEntry_ = -1;
    hiddenEntry_ = -1;
    applyFind();
    showList();
    return listed.skillCostRecords > 0;
}

void ItemListView::relist(std::optional<qsizetype> shownHeader) {
    entries_ = document_.game().listed(category_->id).entries;
    names_.reset();
    shownEntry_ = shownHeader ? entryOfHeader(*shownHeader) : -1;
    hiddenEntry_ = -1;
    applyFind();
    showList();
}

void ItemListView::setShown(int entry) {
    shownEntry_ = entry;
    hiddenEntry_ = -1;
    box_->selectQuietly(rowOfEntry(entry));
    emit shownChanged();
}

void ItemListView::applyFind() {
    visible_.clear();
    for (int entry = 0; entry < int(entries_.size()); ++entry)
        if (findText_.isEmpty() ||
            findMatches(findText_, entries_[size_t(entry)].id, nameOf(entry)))
            visible_.push_back(entry);
    if (shownEntry_ >= 0 && rowOfEntry(shownEntry_) < 0) {
        hiddenEntry_ = shownEntry_;
        shownEntry_ = -1;
        emit shownHidden();
    }
}

// A filter that hides the item shown empties its panel; clearing the filter shows that item
// again when nothing else was chosen meanwhile.
void ItemListView::setFind(const QString& text) {
    findText_ = text;
    applyFind();
    showList();
    if (text.isEmpty() && shownEntry_ < 0 && hiddenEntry_ >= 0)
        emit showAgain(std::exchange(hiddenEntry_, -1));
}

void ItemListView::clearFind() {
    setFind({});
    box_->closeFind(false);
}

// The entries the filter lets through; the item shown stays selected.
void ItemListView::showList() {
    const QSignalBlocker quiet(box_);
    box_->clear();
    for (int entry : visible_)
        box_->addItem(entries_[size_t(entry)].id);
    if (comparison_.active())
        markRows();
    box_->selectQuietly(rowOfEntry(shownEntry_));
}

void ItemListView::markRows() {
    for (int row = 0; row < box_->count(); ++row)
        markRow(row);
}

void ItemListView::markRow(int row) {
    QListWidgetItem* item = box_->item(row);
    const Comparison::Mark mark = comparison_.active()
                                      ? comparison_.mark(itemOf(visible_.at(size_t(row))))
                                      : Comparison::Mark::Same;
    item->setData(Qt::ForegroundRole, mark == Comparison::Mark::Added      ? QVariant(kAddedItem)
                                      : mark == Comparison::Mark::Modified ? QVariant(kModifiedItem)
                                                                           : QVariant());
    item->setData(Qt::AccessibleDescriptionRole, mark == Comparison::Mark::Added      ? tr("新增")
                                                 : mark == Comparison::Mark::Modified ? tr("已修改")
                                                                                      : QString());
}

} // namespace wed
