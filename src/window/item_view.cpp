#include "window/item_view.h"

#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/price_estimate.h"
#include "window/category_panel.h"
#include "window/edit_gate.h"
#include "window/field_layout.h"
#include "window/field_marks.h"
#include "window/form1.h"
#include "window/item_list_box.h"
#include "window/item_list_view.h"
#include "window/picture_pane.h"
#include "window/text_boxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace wed {

ItemView::ItemView(Form1& window, ItemListView& list, PicturePane& picture,
                   const std::array<CategoryPanel*, 3>& panels, FieldMarks& marks, EditGate& gate)
    : QObject(&window), window_(window), document_(window.document()), list_(list),
      picture_(picture), panels_(panels), marks_(marks), gate_(gate) {
    connect(&document_, &Document::filesChanged, this, &ItemView::followFiles);
    connect(&document_, &Document::filesReplaced, this, &ItemView::dropPanels);
    connect(&document_, &Document::reloaded, this, &ItemView::showAgain);
    connect(&document_, &Document::stepShown, this,
            [this](const StepPlace& place, const std::vector<StepCell>& cells, bool undone) {
                showPlace(place);
                showCells(cells, undone);
            });
    connect(&list_, &ItemListView::shownHidden, this, &ItemView::hideShown);
    connect(&list_, &ItemListView::showAgain, this, &ItemView::showChosen);
}

// The item selection: with the gate closed, the description shows its placeholder, the panel
// of the category word goes back to "无" (a weapon also empties the armor panel, as it always
// has), and the record fills it; the gate opens at the end. A word that is none of the three
// shows nothing.
void ItemView::showChosen(int entry) {
    {
        const auto filling = gate_.closedWhileFilling();
        document_.endTyping();
        list_.setShown(entry);
        window_.descriptionBox()->setPlainText(QStringLiteral("无说明"));
        if (const Category* chosen = window_.category()) {
            std::vector<CategoryId> resets{chosen->id};
            if (chosen->id == CategoryId::Weapon)
                resets.push_back(CategoryId::Armor);
            for (CategoryId reset : resets)
                panels_[size_t(reset)]->clear();
            showRecord(chosen->id, entry, true);
        }
    }
    gate_.open();
}

void ItemView::showUnchosen(CategoryId category) {
    gate_.close();
    showRecord(category, list_.selectedEntry(), false);
}

void ItemView::loadSkillCosts() {
    gate_.close();
    const GameData& game = document_.game();
    LoadSkillCosts(game.items(),
                   game.headerOf({CategoryId::Implant, QLatin1StringView(kSkillCostId), 1}),
                   skillCosts_);
}

void ItemView::listItems(const Category& category) {
    if (list_.list(category))
        loadSkillCosts();
}

QString ItemView::priceEstimate() const {
    const CategoryPanel& implants = *panels_[size_t(CategoryId::Implant)];
    const auto text = [&implants](const char* key) {
        return implants.text(fieldOfKey(CategoryId::Implant, QString::fromLatin1(key)));
    };
    return estimatePrice(text("Cost="), text("NumSkill="), text("MinMax="), skillCosts_);
}

// The record view, with the gate closed: the category's panel filled from the entry's record;
// fields whose key the record lacks keep what they show. Then the picture, the name (kept when
// the record has none) and the description.
void ItemView::showRecord(CategoryId category, int entry, bool selection) {
    if (!selection)
        list_.box()->selectQuietly(list_.rowOfEntry(entry));
    if (entry < 0 || size_t(entry) >= list_.entries().size()) {
        picture_.show(std::nullopt);
        window_.descriptionBox()->setPlainText({});
        return;
    }
    const ListEntry& listed = list_.entries()[size_t(entry)];
    const ItemRef item{category, listed.id, listed.ordinal + 1};
    // A list built for another category is read as this category's ids.
    const qsizetype header =
        list_.category()->id == category ? listed.headerLine : document_.game().headerOf(item);
    CategoryPanel& panel = *panels_[size_t(category)];
    panel.show(item, header);
    marks_.markPanel(category);
    picture_.showItem(category, item.id, panel.shown()->text(pictureField(category)));
    const ItemText text = document_.game().itemText(category, item.id);
    if (text.name)
        showText(window_.nameBox(), *text.name);
    // The box shows lines, not the file's CR LF pairs.
    window_.descriptionBox()->setPlainText(
        QString(text.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ItemView::hideShown() {
    gate_.close();
    if (const Category* chosen = window_.category())
        panels_[size_t(chosen->id)]->clear();
}

// The files are not those the panels were read from any more: every panel loses its item.
void ItemView::dropPanels() {
    const Category* chosen = window_.category();
    const CategoryPanel* chosenPanel = chosen ? panels_[size_t(chosen->id)] : nullptr;
    dropped_ = chosenPanel && chosenPanel->shown() ? std::optional(chosenPanel->shown()->item())
                                                   : std::nullopt;
    bool shown = false;
    for (CategoryPanel* panel : panels_) {
        shown = shown || panel->shown().has_value();
        panel->forget();
    }
    list_.forgetShown();
    if (shown)
        for (CategoryPanel* panel : panels_)
            panel->clear();
}

// The files were read again: the list is made anew, and the item that was shown is shown
// again as the files now have it.
void ItemView::showAgain() {
    const std::optional<ItemRef> shown = std::exchange(dropped_, std::nullopt);
    const Category* chosen = window_.category();
    if (!chosen)
        return;
    listItems(*chosen);
    if (!shown)
        return;
    for (size_t entry = 0; entry < list_.entries().size(); ++entry)
        if (list_.entries()[entry].id == shown->id &&
            list_.entries()[entry].ordinal == shown->occurrence - 1)
            showChosen(int(entry));
}

// The document wrote the files: each panel follows its record by where its header line went,
// and where lines came or went the list is made again.
void ItemView::followFiles(const FilesChanged& changed) {
    if (changed.changed[size_t(GameFile::Names)])
        list_.forgetNames();
    if (!changed.changed[size_t(GameFile::Items)])
        return;
    for (CategoryPanel* panel : panels_)
        panel->follow(changed);
    if (changed.linesMoved[size_t(GameFile::Items)] && list_.category())
        relistItems();
}

// The list follows a change of the file: the item shown stays shown, at the entry its record
// now has.
void ItemView::relistItems() {
    const std::optional<ItemPanel>& shown = panels_[size_t(list_.category()->id)]->shown();
    list_.relist(list_.shownEntry() >= 0 && list_.category() == window_.category() && shown
                     ? std::optional(shown->headerLine())
                     : std::nullopt);
}

void ItemView::showCategoryWord(const Category& chosen) {
    QComboBox* box = window_.categoryBox();
    if (box->currentText() != chosen.word) {
        const QSignalBlocker quiet(box);
        const int index = box->findText(chosen.word);
        if (index >= 0)
            box->setCurrentIndex(index);
        else
            box->setEditText(chosen.word);
    }
    showCategoryPanel();
}

void ItemView::showCategoryPanel() {
    if (const Category* chosen = window_.category())
        for (const Category& c : categories())
            window_.findChild<QGroupBox*>(QLatin1String(layoutOf(panelOf(c.id)).name))
                ->setVisible(c.id == chosen->id);
}

void ItemView::showPlace(const StepPlace& place) {
    if (!place.item)
        return;
    const Category& target = wed::category(place.item->category);
    if (window_.category() != &target)
        showCategoryWord(target);
    if (list_.category() != &target)
        listItems(target);
    const qsizetype header = document_.game().headerOf(*place.item);
    const int entry = list_.entryOfHeader(header);
    if (entry < 0)
        return;
    if (list_.rowOfEntry(entry) < 0)
        list_.clearFind();
    // An action's step shows its item afresh; a field's step only puts the field's text back
    // when its item is shown already.
    CategoryPanel& panel = *panels_[size_t(target.id)];
    if (place.field < 0 || list_.shownEntry() != entry || !panel.shown() ||
        panel.shown()->headerLine() != header)
        showChosen(entry);
    if (place.field >= 0 && panel.shown())
        panel.showStepText(place.field, place.text);
}

// A panel that shows an item of a table edit shows the cell's text on this side of the step.
void ItemView::showCells(const std::vector<StepCell>& cells, bool undone) {
    for (const StepCell& cell : cells) {
        CategoryPanel& panel = *panels_[size_t(cell.item.category)];
        if (panel.shown() && panel.shown()->headerLine() == document_.game().headerOf(cell.item))
            panel.showStepText(cell.field, undone ? cell.before : cell.after);
    }
}

// Once an item is shown; a category word that is none of the three forms no name: the box is
// cleared.
void ItemView::showPicture() {
    if (!gate_.isOpen())
        return;
    const Category* chosen = window_.category();
    if (!chosen)
        return picture_.show(std::nullopt);
    const CategoryPanel& panel = *panels_[size_t(chosen->id)];
    picture_.showItem(chosen->id, panel.shown() ? panel.shown()->item().id : QString(),
                      panel.text(pictureField(chosen->id)));
}

} // namespace wed
