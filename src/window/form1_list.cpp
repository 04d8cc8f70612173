// The item list: the entries of the list's category, filtered by the find text, the item shown
// selected.
#include "app/item_find.h"
#include "window/form1.h"
#include "window/item_list_box.h"

#include <algorithm>

namespace wed {

// Lists the items of the list's category again. A list the user asks for reads the skill costs
// (closing the gate); one that follows a change of the file keeps the item shown.
void Form1::rebuildList(bool followsChange) {
    ItemList list = document_.game().listed(listCategory_->id);
    entries_ = std::move(list.entries);
    entryNames_.reset();
    const int shown = shownEntry_;
    shownEntry_ = -1;
    hiddenEntry_ = -1;
    if (followsChange) {
        // The item shown stays shown, at the entry its record now has.
        const std::optional<ItemPanel>& shownPanel = panels_[size_t(listCategory_->id)];
        if (shown >= 0 && listCategory_ == category() && shownPanel)
            shownEntry_ = entryOfHeader(shownPanel->headerLine);
    } else if (list.skillCostRecords > 0) {
        LoadSkillCosts();
    }
    applyFind();
    showList();
}

void Form1::applyFind() {
    visible_.clear();
    for (int entry = 0; entry < int(entries_.size()); ++entry)
        if (findText_.isEmpty() ||
            findMatches(findText_, entries_[size_t(entry)].id, nameOf(entry)))
            visible_.push_back(entry);
    if (shownEntry_ >= 0 && rowOfEntry(shownEntry_) < 0) {
        hiddenEntry_ = shownEntry_;
        shownEntry_ = -1;
        gateOpen_ = false;
        if (const Category* chosen = category())
            clearPanel(chosen->id);
    }
}

// A filter that hides the item shown empties its panel and closes the gate; clearing the
// filter shows that item again when nothing else was chosen meanwhile.
void Form1::setFind(const QString& text) {
    findText_ = text;
    applyFind();
    showList();
    if (text.isEmpty() && shownEntry_ < 0 && hiddenEntry_ >= 0) {
        const int entry = hiddenEntry_;
        hiddenEntry_ = -1;
        showItem(entry);
    }
}

int Form1::rowOfEntry(int entry) const {
    const auto found = std::lower_bound(visible_.begin(), visible_.end(), entry);
    return found != visible_.end() && *found == entry ? int(found - visible_.begin()) : -1;
}

const QString& Form1::nameOf(int entry) const {
    if (!entryNames_)
        entryNames_ = namesOf(document_.game().names(), document_.game().nameIndex(),
                              listCategory_->id, entries_);
    return (*entryNames_)[size_t(entry)];
}

int Form1::entryOfHeader(qsizetype headerLine) const {
    // The entries stand in file order.
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), headerLine,
        [](const ListEntry& entry, qsizetype line) { return entry.headerLine < line; });
    return found != entries_.end() && found->headerLine == headerLine
               ? int(found - entries_.begin())
               : -1;
}

// The entries the filter lets through; the item shown stays selected.
void Form1::showList() {
    const QSignalBlocker quiet(itemList_);
    itemList_->clear();
    for (int entry : visible_)
        itemList_->addItem(entries_[size_t(entry)].id);
    if (comparison_.active())
        for (int row = 0; row < itemList_->count(); ++row)
            markListRow(row);
    itemList_->selectQuietly(rowOfEntry(shownEntry_));
}

} // namespace wed
