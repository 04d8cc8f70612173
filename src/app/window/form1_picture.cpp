#include "app/window/form1.h"

namespace wed {

// Draws the picture of the item shown. The picture preview fills this in.
void Form1::showItemPicture(const QString& vidMenu, bool heand) {
    Q_UNUSED(vidMenu);
    Q_UNUSED(heand);
}

// Shows the small picture of the current item.
void Form1::Form1_Option1_Click() {}

// Shows the large picture of the current item.
void Form1::Form1_Option2_Click() {}

// Estimates the price range of the current implant.
void Form1::Command1_Click() {}

} // namespace wed
