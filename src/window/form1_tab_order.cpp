#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/file_list_box.h"
#include "window/form1.h"
#include "window/item_list_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace wed {

// The panel's fields in reading order: row by row from the top, left to right in a row, as
// the eye reads them (the field tables list them in another order, that of their keys).
std::vector<QWidget*> Form1::fieldsInReadingOrder(CategoryId category) const {
    std::vector<QWidget*> fields = fields_[size_t(category)];
    std::stable_sort(fields.begin(), fields.end(), [this](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return fields;
}

// Tab goes where a user works: the folder, the file, the category and the item, then the
// shown panel's fields, then the picture options and the name and description.
void Form1::applyTabOrder() {
    std::vector<QWidget*> chain{driveList(), dirList(), fileList(), combo4_, list1_};
    for (CategoryId category : {CategoryId::Weapon, CategoryId::Armor, CategoryId::Implant}) {
        if (category == CategoryId::Implant)
            chain.insert(chain.end(), {command1_, text38_});
        for (QWidget* field : fieldsInReadingOrder(category))
            chain.push_back(field);
    }
    chain.insert(chain.end(), {option1_, option2_, text29_, text28_});
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

} // namespace wed
