#include "window/drive_list_box.h"
#include "window/form1_fixture.h"

namespace wed::test {
namespace {

class Keyboard : public Form1Fixture {
  protected:
    // The object names that Tab visits from the drive list, until it comes back.
    QStringList tabChain() {
        QStringList names;
        QWidget* start = form.driveList();
        for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
            if (w->isVisibleTo(&form) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                names << w->objectName();
        return names;
    }
};

TEST_F(Keyboard, TabVisitsNavigationThenTheShownPanelInReadingOrder) {
    const QStringList expected{"Dir1",    "File2",   "Combo4", "List1",  "Text2",  "Text5",
                               "Text7",   "Text18",  "Text10", "Text11", "Text17", "Text9",
                               "Combo1",  "Text8",   "Text16", "Text13", "Combo2", "Combo3",
                               "Text15",  "Text14",  "Text3",  "Text4",  "Text6",  "Text12",
                               "Option1", "Option2", "Text29", "Text28"};
    EXPECT_EQ(tabChain(), expected);
    chooseCategory(2); // the implant panel starts with the price button
    EXPECT_EQ(tabChain().mid(4, 4), (QStringList{"Command1", "Text38", "Text32", "Text33"}));
}

TEST_F(Keyboard, EveryFocusableControlHasAnAccessibleNameOrVisibleText) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() ||
            w->objectName().startsWith("qt_"))
            continue;
        const bool named =
            !w->accessibleName().isEmpty() || !w->property("text").toString().isEmpty();
        EXPECT_TRUE(named) << w->objectName().toStdString();
    }
}

} // namespace
} // namespace wed::test
