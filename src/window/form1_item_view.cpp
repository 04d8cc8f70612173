// Item selection and the record views: the window asks the document to show an item and draws
// what the document then says.
#include "window/form1.h"
#include "window/item_list_box.h"
#include "window/picture_box.h"
#include "window/text_boxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace wed {
namespace {

const QString kNone = QStringLiteral("无");

} // namespace

void Form1::List1_Click() {
    document_.showItem(selectedEntry());
}

void Form1::ShowWeaponRecord() {
    document_.showRecord(CategoryId::Weapon, selectedEntry());
}
void Form1::ShowArmorRecord() {
    document_.showRecord(CategoryId::Armor, selectedEntry());
}
void Form1::ShowImplantRecord() {
    document_.showRecord(CategoryId::Implant, selectedEntry());
}

void Form1::LoadSkillCosts() {
    document_.loadSkillCosts();
}

// Draws an item as the document showed it: the placeholder description, the panels that went
// back to "无", then the record's values, the picture, the name (kept when the record has
// none) and the description. The document's gate is closed meanwhile.
void Form1::showItem(const ItemShown& shown) {
    list1_->selectQuietly(document_.rowOfEntry(shown.entry));
    if (shown.selection)
        descriptionBox()->setPlainText(QStringLiteral("无说明"));
    for (CategoryId category : shown.resetPanels)
        resetPanel(category);
    if (!shown.category)
        return;
    const CategoryId category = shown.category->id;
    if (const std::optional<PanelItem>& panel = document_.panel(category)) {
        const auto& widgets = fields_[size_t(category)];
        for (size_t i = 0; i < widgets.size(); ++i)
            if (panel->fields[i].lineNumber > 0)
                wed::showFieldText(widgets[i], panel->texts[i]);
    }
    showPicture(shown.picture);
    if (shown.text.name)
        showText(nameBox(), *shown.text.name);
    // The box shows lines, not the file's CR LF pairs.
    descriptionBox()->setPlainText(
        QString(shown.text.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form1::resetPanel(CategoryId category) {
    for (QWidget* widget : fields_[size_t(category)])
        wed::showFieldText(widget, kNone);
}

void Form1::showFieldText(CategoryId category, int field, const QString& text) {
    wed::showFieldText(fields_[size_t(category)][size_t(field)], text);
}

// The entries the document lists and its filter lets through; the item shown stays selected.
void Form1::showList() {
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    for (int entry : document_.visibleEntries())
        list1_->addItem(document_.entries()[size_t(entry)].id);
    list1_->selectQuietly(document_.rowOfEntry(document_.shownEntry()));
}

// The document chose a category (an undo went back to another one): the box and the panel
// follow, as a pick from the box's list would show them, without building the list again.
void Form1::showCategoryWord() {
    if (combo4_->currentText() != document_.categoryWord()) {
        const QSignalBlocker quiet(combo4_);
        const int index = combo4_->findText(document_.categoryWord());
        if (index >= 0)
            combo4_->setCurrentIndex(index);
        else
            combo4_->setEditText(document_.categoryWord());
    }
    if (const Category* chosen = document_.category())
        for (const Category& c : categories())
            container(c.panel)->setVisible(c.id == chosen->id);
}

// The text of a field, whether a text box or a choice box.
QString Form1::textOf(const char* control) const {
    return fieldText(fieldWidget(control));
}

} // namespace wed
