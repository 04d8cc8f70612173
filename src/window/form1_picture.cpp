#include "data/price_estimate.h"
#include "image/tga_reader.h"
#include "window/form1.h"
#include "window/picture_box.h"
#include "window/text_boxes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace wed {

// The picture step: the box is cleared, then shows the picture 1:1 when the file holds one.
void Form1::showPicture(const std::optional<QString>& path) {
    pic1_->showImage(path ? readTgaImage(*path) : QImage());
}

// Redraws the shown item's picture from its VidMENU field's current text, once an item is
// shown. A category word that is none of the three forms no name: the box is cleared. The
// fixed picture applies when the selected entry reads "heand".
void Form1::showPictureForOption() {
    if (!gateOpen_)
        return;
    const Category* chosen = category();
    if (!chosen)
        return showPicture(std::nullopt);
    const QListWidgetItem* selected = itemList()->currentItem();
    const bool heand = selected && selected->text() == u"heand";
    showPicture(picturePath(fieldText(fieldWidgetOf(chosen->id, pictureField(chosen->id))), heand));
}

void Form1::Form1_Option1_Click() {
    showPictureForOption();
}
void Form1::Form1_Option2_Click() {
    showPictureForOption();
}

// Shows the price range of the implant shown; writes nothing.
void Form1::Command1_Click() {
    showText(priceBox(),
             estimatePrice(textOf("Text32"), textOf("Text35"), textOf("Text37"), skillCosts_));
}

} // namespace wed
