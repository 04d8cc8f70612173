// Item selection and the record views: the window reads an item's record and name record from
// the document's model and shows them; it follows the document when the files change.
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/price_estimate.h"
#include "window/field_layout.h"
#include "window/form1.h"
#include "window/item_list_box.h"
#include "window/item_list_view.h"
#include "window/picture_pane.h"
#include "window/text_boxes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace wed {
namespace {

const QString kNone = QStringLiteral("无");

} // namespace

void Form1::List1_Click() {
    showItem(list_->selectedEntry());
}

// A record shown without being chosen leaves the gate closed.
void Form1::ShowWeaponRecord() {
    gate_.close();
    showRecord(CategoryId::Weapon, list_->selectedEntry(), false);
}
void Form1::ShowArmorRecord() {
    gate_.close();
    showRecord(CategoryId::Armor, list_->selectedEntry(), false);
}
void Form1::ShowImplantRecord() {
    gate_.close();
    showRecord(CategoryId::Implant, list_->selectedEntry(), false);
}

// Reading the skill costs closes the gate; it stays closed until an item is shown.
void Form1::LoadSkillCosts() {
    gate_.close();
    wed::LoadSkillCosts(
        document_.game().items(),
        document_.game().headerOf({CategoryId::Implant, QLatin1StringView(kSkillCostId), 1}),
        skillCosts_);
}

// The item selection: with the gate closed, the description shows its placeholder, the panel
// of the category word goes back to "无" (a weapon also empties the armor panel, as it always
// has), and the record fills it; the gate opens at the end. A word that is none of the three
// shows nothing.
void Form1::showItem(int entry) {
    {
        const auto filling = gate_.closedWhileFilling();
        document_.endTyping();
        list_->setShown(entry);
        descriptionBox()->setPlainText(QStringLiteral("无说明"));
        if (const Category* chosen = category()) {
            std::vector<CategoryId> resets{chosen->id};
            if (chosen->id == CategoryId::Weapon)
                resets.push_back(CategoryId::Armor);
            for (CategoryId reset : resets) {
                panels_[size_t(reset)].reset();
                resetPanel(reset);
            }
            showRecord(chosen->id, entry, true);
        }
    }
    gate_.open();
}

// The record view, with the gate closed: the category's panel filled from the entry's record;
// fields whose key the record lacks keep what they show. Then the picture, the name (kept when
// the record has none) and the description.
void Form1::showRecord(CategoryId category, int entry, bool selection) {
    if (!selection)
        list_->box()->selectQuietly(list_->rowOfEntry(entry));
    if (entry < 0 || size_t(entry) >= list_->entries().size()) {
        picture_->show(std::nullopt);
        descriptionBox()->setPlainText({});
        return;
    }
    fillPanel(category, entry);
    const ItemPanel& panel = *panels_[size_t(category)];
    for (size_t i = 0; i < panel.fields.size(); ++i) {
        if (panel.fields[i].lineNumber > 0)
            wed::showFieldText(fieldWidgetOf(category, int(i)), panel.texts[i]);
        decorateField(category, int(i));
    }
    picture_->showItem(category, panel.item.id, panel.texts[size_t(pictureField(category))]);
    const ItemText text = document_.game().itemText(category, panel.item.id);
    if (text.name)
        showText(nameBox(), *text.name);
    // The box shows lines, not the file's CR LF pairs.
    descriptionBox()->setPlainText(
        QString(text.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form1::fillPanel(CategoryId category, int entry) {
    const ListEntry& listed = list_->entries()[size_t(entry)];
    const ItemRef item{category, listed.id, listed.ordinal + 1};
    const GameData& game = document_.game();
    // A list built for another category is read as this category's ids.
    const qsizetype header =
        list_->category()->id == category ? listed.headerLine : game.headerOf(item);
    ItemPanel panel{item,
                    header,
                    header >= 0 ? game.items().lineStart(header) : -1,
                    game.record(category, header).fields,
                    {}};
    for (const KeyHit& hit : panel.fields)
        panel.texts.push_back(hit.lineNumber > 0 ? hit.value : kNone);
    panels_[size_t(category)] = std::move(panel);
}

void Form1::resetPanel(CategoryId category) {
    categoryPanels_[size_t(category)]->showNone();
}

void Form1::showFieldText(CategoryId category, int field, const QString& text) {
    wed::showFieldText(fieldWidgetOf(category, field), text);
}

void Form1::clearPanel(CategoryId category) {
    panels_[size_t(category)].reset();
    resetPanel(category);
}

// The files are not those the panels were read from any more: every panel loses its item.
void Form1::dropPanels() {
    const Category* chosen = category();
    dropped_ = chosen && panels_[size_t(chosen->id)]
                   ? std::optional(panels_[size_t(chosen->id)]->item)
                   : std::nullopt;
    bool shown = false;
    for (const Category& c : categories()) {
        shown = shown || panels_[size_t(c.id)].has_value();
        panels_[size_t(c.id)].reset();
    }
    list_->forgetShown();
    if (shown)
        for (const Category& c : categories())
            resetPanel(c.id);
}

// The files were read again: the list is made anew, and the item that was shown is shown
// again as the files now have it.
void Form1::showAgain() {
    const std::optional<ItemRef> shown = std::exchange(dropped_, std::nullopt);
    const Category* chosen = category();
    if (!chosen)
        return;
    listItems(*chosen);
    if (!shown)
        return;
    for (size_t entry = 0; entry < list_->entries().size(); ++entry)
        if (list_->entries()[entry].id == shown->id &&
            list_->entries()[entry].ordinal == shown->occurrence - 1)
            showItem(int(entry));
}

// The document wrote the files: each panel follows its record by where its header line went,
// and where lines came or went the list is made again.
void Form1::followFiles(const FilesChanged& changed) {
    if (changed.changed[size_t(GameFile::Names)])
        list_->forgetNames();
    if (!changed.changed[size_t(GameFile::Items)])
        return;
    const GameData& game = document_.game();
    const bool moved = changed.linesMoved[size_t(GameFile::Items)];
    for (const Category& c : categories()) {
        std::optional<ItemPanel>& panel = panels_[size_t(c.id)];
        if (!panel || panel->headerLine < 0)
            continue;
        panel->headerOffset = mapOffset(panel->headerOffset, changed.made[size_t(GameFile::Items)]);
        if (!moved)
            continue;
        if (panel->headerOffset < 0) {
            clearPanel(c.id);
            continue;
        }
        panel->headerLine = game.items().lineAt(panel->headerOffset);
        panel->item = game.refAt(c.id, panel->headerLine);
        panel->fields = game.record(c.id, panel->headerLine).fields;
    }
    if (moved && list_->category())
        relistItems();
}

// The list follows a change of the file: the item shown stays shown, at the entry its record
// now has.
void Form1::relistItems() {
    const std::optional<ItemPanel>& shown = panels_[size_t(list_->category()->id)];
    list_->relist(list_->shownEntry() >= 0 && list_->category() == category() && shown
                      ? std::optional(shown->headerLine)
                      : std::nullopt);
}

// The document chose a category (an undo went back to another one): the box and the panel
// follow, as a pick from the box's list would show them, without building the list again.
void Form1::showCategoryWord(const Category& chosen) {
    if (categoryBox_->currentText() != chosen.word) {
        const QSignalBlocker quiet(categoryBox_);
        const int index = categoryBox_->findText(chosen.word);
        if (index >= 0)
            categoryBox_->setCurrentIndex(index);
        else
            categoryBox_->setEditText(chosen.word);
    }
    showCategoryPanel();
}

// The panel of the category the box names, the others hidden.
void Form1::showCategoryPanel() {
    if (const Category* chosen = category())
        for (const Category& c : categories())
            container(layoutOf(panelOf(c.id)).name)->setVisible(c.id == chosen->id);
}

// Shows where a step belongs: its category in the box and its list, its item selected and
// shown, and the field's text as it was on that side of the step.
void Form1::showPlace(const StepPlace& place) {
    if (!place.item)
        return;
    const Category& target = wed::category(place.item->category);
    if (category() != &target)
        showCategoryWord(target);
    if (list_->category() != &target)
        listItems(target);
    const qsizetype header = document_.game().headerOf(*place.item);
    const int entry = list_->entryOfHeader(header);
    if (entry < 0)
        return;
    if (list_->rowOfEntry(entry) < 0)
        list_->clearFind();
    // An action's step shows its item afresh; a field's step only puts the field's text back
    // when its item is shown already.
    const std::optional<ItemPanel>& panel = panels_[size_t(target.id)];
    if (place.field < 0 || list_->shownEntry() != entry || !panel || panel->headerLine != header)
        showItem(entry);
    std::optional<ItemPanel>& shown = panels_[size_t(target.id)];
    if (place.field < 0 || !shown)
        return;
    shown->texts[size_t(place.field)] = place.text;
    const auto filling = gate_.closedWhileFilling();
    showFieldText(target.id, place.field, place.text);
}

// A panel that shows an item of a table edit shows the cell's text on this side of the step.
void Form1::showCells(const std::vector<StepCell>& cells, bool undone) {
    for (const StepCell& cell : cells) {
        std::optional<ItemPanel>& panel = panels_[size_t(cell.item.category)];
        if (!panel || panel->headerLine != document_.game().headerOf(cell.item))
            continue;
        const QString& text = undone ? cell.before : cell.after;
        panel->texts[size_t(cell.field)] = text;
        const auto filling = gate_.closedWhileFilling();
        showFieldText(cell.item.category, cell.field, text);
    }
}

// Redraws the shown item's picture from its VidMENU field's current text, once an item is
// shown. A category word that is none of the three forms no name: the box is cleared.
void Form1::showPictureForOption() {
    if (!gate_.isOpen())
        return;
    const Category* chosen = category();
    if (!chosen)
        return picture_->show(std::nullopt);
    const std::optional<ItemPanel>& panel = panels_[size_t(chosen->id)];
    picture_->showItem(chosen->id, panel ? panel->item.id : QString(),
                       fieldText(fieldWidgetOf(chosen->id, pictureField(chosen->id))));
}

void Form1::Form1_Option1_Click() {
    showPictureForOption();
}
void Form1::Form1_Option2_Click() {
    showPictureForOption();
}

// Shows the price range of the implant shown; writes nothing.
void Form1::Command1_Click() {
    const auto text = [this](const char* key) {
        return fieldText(fieldWidgetOf(CategoryId::Implant,
                                       fieldOfKey(CategoryId::Implant, QString::fromLatin1(key))));
    };
    showText(priceBox(),
             estimatePrice(text("Cost="), text("NumSkill="), text("MinMax="), skillCosts_));
}

// The text of a field, whether a text box or a choice box.
QString Form1::textOf(const char* control) const {
    return fieldText(fieldWidget(control));
}

} // namespace wed
