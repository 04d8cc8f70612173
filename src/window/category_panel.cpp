#include "window/category_panel.h"

#include "app/shown_words.h"
#include "data/item_fields.h"
#include "window/edit_gate.h"
#include "window/field_layout.h"
#include "window/text_boxes.h"
#include "window/window_fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace wed {
namespace {

constexpr qreal kWeaponLabelPoints = 15.75;
constexpr qreal kLargePanelPoints = 21.75;

const QString kNone = QStringLiteral("无");

template <typename W> W* place(W* widget, const char* name, const TwipsRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsToPixels(rect));
    return widget;
}

// A text box, or for a choice field an editable drop-down list with its whole list and no text.
QWidget* makeFieldWidget(const FieldSpec& field, QWidget* parent) {
    if (!field.choice())
        return new QLineEdit(parent);
    QComboBox* combo = makeTypedComboBox(parent);
    combo->addItems(field.choices);
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

// Every label and field comes from the format's field table and the window's layout table;
// no field has code of its own.
CategoryPanel::CategoryPanel(CategoryId category, QWidget* window, Document& document,
                             EditGate& gate)
    : QObject(window), category_(category), document_(document), gate_(gate) {
    const bool weapon = category == CategoryId::Weapon;
    const QFont labelFont = songFont(weapon ? kWeaponLabelPoints : kLargePanelPoints);
    const QFont fieldFont = weapon ? ownDefaultFont() : songFont(kLargePanelPoints);
    const std::vector<FieldSpec>& declaredFields = categoryFields(category).fields;
    for (size_t i = 0; i < declaredFields.size(); ++i) {
        const FieldLayout& at = fieldLayouts(category)[i];
        auto* parent = window->findChild<QGroupBox*>(QLatin1String(at.container));
        auto* label = place(new QLabel(parent), at.label, at.labelRect);
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QWidget* field =
            place(makeFieldWidget(declaredFields[i], parent), at.control, at.fieldRect);
        field->setFont(fieldFont);
        label->setBuddy(field);
        labels_.push_back(label);
        fields_.push_back(field);
        connectField(int(i));
    }
    connect(this, &CategoryPanel::edited, this, &CategoryPanel::edit);
}

// A choice box writes what is typed into it as typing, and an entry picked from its list once,
// as a pick.
void CategoryPanel::connectField(int i) {
    if (auto* edit = qobject_cast<QLineEdit*>(fields_[size_t(i)])) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, i] { emit edited(i, EditKind::Typing); });
        connect(edit, &QLineEdit::textChanged, this, [this, i] { emit textChanged(i); });
    } else if (auto* combo = qobject_cast<QComboBox*>(fields_[size_t(i)])) {
        connect(combo, &QComboBox::editTextChanged, this, [this, i] { emit textChanged(i); });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, i] { emit edited(i, EditKind::Typing); });
        connect(combo, &QComboBox::activated, this, [this, i] { emit edited(i, EditKind::Pick); });
    }
}

QString CategoryPanel::text(int field) const {
    return fieldText(fields_[size_t(field)]);
}

void CategoryPanel::showText(int field, const QString& text) {
    showFieldText(fields_[size_t(field)], text);
}

void CategoryPanel::showNone() {
    for (QWidget* field : fields_)
        showFieldText(field, kNone);
}

void CategoryPanel::show(const ItemRef& item, qsizetype header) {
    shown_.emplace(document_.game(), item, header);
    const std::vector<KeyHit> hits = shown_->fields();
    for (size_t i = 0; i < hits.size(); ++i)
        if (hits[i].lineNumber > 0)
            showFieldText(fields_[i], shown_->text(int(i)));
}

void CategoryPanel::clear() {
    shown_.reset();
    showNone();
}

void CategoryPanel::showStepText(int field, const QString& text) {
    shown_->setText(field, text);
    const auto filling = gate_.closedWhileFilling();
    showText(field, text);
}

void CategoryPanel::follow(const FilesChanged& changed) {
    if (shown_ && !shown_->follow(changed))
        clear();
}

// Every change of a field's text, typed, picked or set by the program. While the gate is open
// and the item shown has the field's key line, the document rewrites that line in the file the
// item came from; a field without one has nothing it could replace.
void CategoryPanel::edit(int field, EditKind kind) {
    if (!gate_.isOpen() || !shown_ || shown_->fieldLine(field) < 1)
        return;
    const QString typed = text(field);
    const QString before = shown_->text(field);
    const Outcome outcome = document_.setField(shown_->item(), field, typed, before, kind);
    if (outcome.done() && shown_)
        shown_->setText(field, typed);
    emit reported(outcome);
}

void CategoryPanel::retranslate() {
    const std::vector<FieldSpec>& declaredFields = categoryFields(category_).fields;
    for (size_t i = 0; i < declaredFields.size(); ++i) {
        const FieldSpec& f = declaredFields[i];
        const QString caption = shownCaption(f);
        labels_[i]->setText(caption);
        labels_[i]->setToolTip(shownHelp(fieldLayouts(category_)[i].labelHelp));
        // A screen reader reads the caption without the line break that ends one of them.
        fields_[i]->setAccessibleName(caption.trimmed());
        if (auto* combo = qobject_cast<QComboBox*>(fields_[i]))
            for (int entry = 0; entry < combo->count(); ++entry)
                describeEntry(combo, entry, shownChoice(f.choices.value(entry)));
    }
}

} // namespace wed
