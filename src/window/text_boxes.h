#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace wed {

// An editable drop-down list that holds exactly what is typed: no completion from its list,
// and nothing typed is added to the list.
QComboBox* makeTypedComboBox(QWidget* parent);

// Puts a text the program chose into a box. A box the user is not typing in shows the text
// from its beginning, so a value wider than the box is read from its start; the box that has
// the keyboard focus keeps its caret where the user works.
void showText(QLineEdit* box, const QString& text);
// The same for a text box or a choice box's edit part.
void showFieldText(QWidget* field, const QString& text);

// Lets the user change a text box or a choice box, or not: a read-only text box, a choice box
// disabled (its list would still pick).
void setFieldReadOnly(QWidget* field, bool readOnly);

// The text of a text box or of a choice box's edit part.
QString fieldText(const QWidget* field);

// A choice entry's translation, as its tooltip and what a screen reader adds to it; nothing
// where it reads as the entry itself (in Chinese).
void describeEntry(QComboBox* box, int entry, const QString& translation);

} // namespace wed
