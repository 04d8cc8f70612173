#pragma once

#include "support/qt_printers.h"
#include "support/temp_game.h"
#include "window/dir_list_box.h"
#include "window/field_layout.h"
#include "window/file_list_box.h"
#include "window/form1.h"
#include "window/message_recorder.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace wed::test {

// A shown window whose messages are recorded, and a game folder of the test's own.
class Form1Fixture : public testing::Test {
  protected:
    Form1Fixture() {
        form.setPrompts(&messages);
        form.show();
    }

    // Shows the folder in Dir1, as opening it would.
    void openFolder(const QString& folder) { form.dirList()->setPath(folder); }

    // Clicks the one entry of File2, as the user clicks weapon.cfg.
    void clickItemFile() {
        FileListBox* files = form.fileList();
        ASSERT_EQ(files->count(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
    }

    void loadGame() {
        openFolder(game.folder());
        clickItemFile();
    }

    // Picks an entry of a choice box's list (or of the category box's), as with the mouse.
    void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void pick(const char* control, int index) { pick(form.comboBox(control), index); }
    void chooseCategory(int index) { pick(form.categoryBox(), index); }

    // Clicks an entry of the item list, as the user picks an item.
    void clickItem(int row) {
        QListWidget* list = form.itemList();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(list->currentRow(), row);
    }

    // The line number of the field's key line in the item its panel shows; 0 for none.
    int line(const char* control) const {
        CategoryId category;
        int field = -1;
        if (!fieldOfControl(control, category, field) || !form.panel(category).shown())
            return 0;
        return form.panel(category).shown()->fieldLine(field);
    }

    QStringList listed() const {
        QStringList ids;
        for (int i = 0; i < form.itemList()->count(); ++i)
            ids.append(form.itemList()->item(i)->text());
        return ids;
    }

    TempGame game;
    MessageRecorder messages;
    Form1 form;
};

} // namespace wed::test
