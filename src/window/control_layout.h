#pragma once

#include "window/twips.h"

#include <QString>
#include <QWidget>

namespace wed {

// The window's fixed controls, those that show no field of a category: the item list, the
// folder browser, the category box, the picture and its options, the name and description,
// the price estimate, the panels' frames and the title banner's letters and timers.
enum class Control {
    ItemList,
    Drive,
    Folder,
    CategoryBox,
    ItemFile,
    PictureOptions,
    SmallPicture,
    LargePicture,
    Picture,
    NameLabel,
    Name,
    Description,
    WeaponPanel,
    WeaponPairs,
    ArmorPanel,
    ImplantPanel,
    PriceEstimate,
    PriceRange,
    TitleLetter,
    MarqueeTimer,
    RisingColourTimer,
    FallingColourTimer,
};

// Where a fixed control stands: its object name (the one name it is found by) and its
// rectangle in its container, in twips (empty for those that are no widget).
struct ControlLayout {
    const char* name;
    TwipsRect rect;
};

const ControlLayout& layoutOf(Control control);
// The control's object name, as a string.
QString objectNameOf(Control control);

// A fixed control named and placed as the table says.
template <typename W> W* placed(W* widget, Control control) {
    widget->setObjectName(objectNameOf(control));
    widget->setGeometry(twipsToPixels(layoutOf(control).rect));
    return widget;
}

} // namespace wed
