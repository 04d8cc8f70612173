#include "base/path_case.h"
#include "data/record_view.h"
#include "data/skill_costs.h"
#include "window/field_tags.h"
#include "window/form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace wed {
namespace {

const QString kNone = QStringLiteral("无");

void setFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
}

// How many entries before `row` read the same as it: the k-th equal entry shows the k-th
// record with that header.
int occurrenceOf(const QListWidget& list, int row) {
    int occurrence = 0;
    const QString text = list.item(row)->text();
    for (int i = 0; i < row; ++i)
        occurrence += list.item(i)->text() == text;
    return occurrence;
}

} // namespace

// Shows the selected item. The edit gate stays 0 while the fields are filled, so none of the
// changes made here reaches the file.
void Form1::List1_Click() {
    setEditGate(0);
    descriptionBox()->setPlainText(QStringLiteral("无说明"));
    if (const Category* category = currentCategory()) {
        resetFields(category->id);
        // A weapon view also empties the armor panel, as it always has.
        if (category->id == CategoryId::Weapon)
            resetFields(CategoryId::Armor);
        showRecord(category->id);
    }
    setEditGate(1);
}

// Puts "无" into every field of the category and forgets their line numbers, so that a field
// whose key the next item lacks is never written.
void Form1::resetFields(CategoryId category) {
    for (const FieldSpec& field : categoryFields(category).fields) {
        QWidget* widget = fieldWidget(field.control);
        setFieldText(widget, kNone);
        setFieldLineNumber(widget, 0);
    }
}

void Form1::ShowWeaponRecord() {
    showRecord(CategoryId::Weapon);
}
void Form1::ShowArmorRecord() {
    showRecord(CategoryId::Armor);
}
void Form1::ShowImplantRecord() {
    showRecord(CategoryId::Implant);
}

// The record view of every category: the fields with their line numbers, the picture, then the
// name and the description. The selection is left as it is, so no second item selection runs.
void Form1::showRecord(CategoryId category) {
    setEditGate(0);
    setPictureFolder(resolvePathIgnoringCase(gameFolder(), QStringLiteral("Images/weapon")));
    const int row = itemList()->currentRow();
    if (itemList()->count() < 1 || row < 0)
        return;
    const QString id = itemList()->item(row)->text();
    const ItemRecord record =
        readItemRecord(itemBuffer(), category, id, occurrenceOf(*itemList(), row));
    const auto& fields = categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (record.fields[i].lineNumber < 1)
            continue;
        QWidget* widget = fieldWidget(fields[i].control);
        setFieldText(widget, record.fields[i].value);
        setFieldLineNumber(widget, record.fields[i].lineNumber);
    }
    const bool heand = category == CategoryId::Weapon && id == QLatin1String("heand");
    showItemPicture(textOf(categoryFields(category).pictureControl), heand);
    const ItemText text = readItemText(nameBuffer(), category, id);
    if (text.name)
        nameBox()->setText(*text.name);
    // The box shows lines, not the file's CR LF pairs.
    descriptionBox()->setPlainText(QString(text.description).replace(QStringLiteral("\r\n"), "\n"));
}

// The text of a field, whether a text box or a choice box.
QString Form1::textOf(const char* control) const {
    const QWidget* field = fieldWidget(control);
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

// Reads the implant skill costs from Text00 into the tags of their labels.
void Form1::LoadSkillCosts() {
    setEditGate(0);
    setPictureFolder(resolvePathIgnoringCase(gameFolder(), QStringLiteral("Images/weapon")));
    SkillCosts costs = skillCosts();
    wed::LoadSkillCosts(itemBuffer(), costs);
    for (size_t k = 0; k < costs.size(); ++k)
        label(kSkillCostLabels[k])->setProperty(kTag, costs[k]);
}

SkillCosts Form1::skillCosts() const {
    SkillCosts costs;
    for (size_t k = 0; k < costs.size(); ++k)
        costs[k] = label(kSkillCostLabels[k])->property(kTag).toString();
    return costs;
}

} // namespace wed
