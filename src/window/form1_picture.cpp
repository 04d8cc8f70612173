#include "data/price_estimate.h"
#include "image/item_picture.h"
#include "window/form1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace wed {
namespace {

PictureSize chosenSize(const Form1& form) {
    return form.option2()->isChecked() ? PictureSize::Large : PictureSize::Small;
}

} // namespace

PictureObject* Form1::pictureObject() const {
    return dynamic_cast<PictureObject*>(picture());
}

// The picture step of the record views.
void Form1::showItemPicture(const QString& vidMenu, bool heand) {
    if (PictureObject* box = pictureObject())
        ShowItemPicture(pictureFolder(), vidMenu, chosenSize(*this), heand, *box);
}

// Redraws the shown item's picture from its VidMENU field's current text, once an item is shown.
void Form1::showPictureForOption() {
    PictureObject* box = pictureObject();
    if (!box)
        return;
    const Category* category = currentCategory();
    const QString vidMenu =
        category ? textOf(categoryFields(category->id).pictureControl) : QString();
    const QListWidgetItem* selected = itemList()->currentItem();
    ShowPictureForOption(editGate(), categoryText(), vidMenu,
                         selected ? selected->text() : QString(), chosenSize(*this),
                         pictureFolder(), *box);
}

void Form1::Form1_Option1_Click() {
    showPictureForOption();
}
void Form1::Form1_Option2_Click() {
    showPictureForOption();
}

// Shows the price range of the implant shown; writes nothing.
void Form1::Command1_Click() {
    priceBox()->setText(
        estimatePrice(textOf("Text32"), textOf("Text35"), textOf("Text37"), skillCosts()));
}

} // namespace wed
