#include "window/text_boxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace wed {

QComboBox* makeTypedComboBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes typed text from its list by default: "80" would become
    // "800  子弹（小）" and 800 would be written.
    combo->setCompleter(nullptr);
    return combo;
}

namespace {

void putText(QLineEdit* box, const QString& text, bool typingHere) {
    if (typingHere) {
        const int caret = box->cursorPosition();
        box->setText(text);
        box->setCursorPosition(std::min(caret, int(text.size())));
        return;
    }
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

void showText(QLineEdit* box, const QString& text) {
    putText(box, text, box->hasFocus());
}

void showFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        showText(edit, text);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        // The keyboard focus rests on the box; its edit part takes the keys.
        putText(combo->lineEdit(), text, combo->hasFocus() || combo->lineEdit()->hasFocus());
}

void setFieldReadOnly(QWidget* field, bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setReadOnly(readOnly);
    else
        field->setEnabled(!readOnly);
}

QString fieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

void describeEntry(QComboBox* box, int entry, const QString& translation) {
    const QVariant shown = translation == box->itemText(entry) ? QVariant() : QVariant(translation);
    box->setItemData(entry, shown, Qt::ToolTipRole);
    box->setItemData(entry, shown, Qt::AccessibleDescriptionRole);
}

} // namespace wed
