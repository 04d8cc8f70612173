// The comparison with a base folder, and what a field's value is worth: the item list marks
// the items that differ from the base or that it lacks; a field shows the base's value when
// its own differs, and a red frame while its text is a value the folder check would report; a
// field whose key line holds a lone line break is read-only.
#include "app/outcome_text.h"
#include "base/code_page.h"
#include "base/path_case.h"
#include "data/value_check.h"
#include "edit/field_line.h"
#include "window/comparison_window.h"
#include "window/field_layout.h"
#include "window/file_actions.h"
#include "window/form1.h"
#include "window/item_list_view.h"
#include "window/mark_colours.h"
#include "window/picture_pane.h"
#include "window/prompts.h"
#include "window/text_boxes.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

namespace wed {
namespace {

Outcome problemOf(Status status, QString detail, QString path = {}) {
    Outcome problem = Outcome::of(status, std::move(path), std::move(detail));
    problem.effect = Effect::Noted;
    return problem;
}

} // namespace

Outcome Form1::compareWith(const QString& baseFolder) {
    const Outcome read = comparison_.setBase(baseFolder);
    if (read.refused())
        return read;
    showMarks();
    return {};
}

// Every mark of the list and the fields, as the comparison now says.
void Form1::showMarks() {
    list_->markRows();
    for (const Category& c : categories())
        for (int field = 0; field < int(categoryPanels_[size_t(c.id)]->fields().size()); ++field)
            decorateField(c.id, field);
}

// The base's value of a field shown, when it differs from the field's own; none otherwise.
std::optional<QString> Form1::baseNote(CategoryId category, int field) const {
    const std::optional<ItemPanel>& panel = panels_[size_t(category)];
    if (!comparison_.active() || !panel || panel->fields[size_t(field)].lineNumber < 1 ||
        !comparison_.baseHas(panel->item))
        return std::nullopt;
    const QByteArrayView key = categoryFields(category).fields[size_t(field)].name();
    const std::optional<QByteArray> base = comparison_.baseValue(panel->item, key);
    const std::optional<QByteArray> now = document_.game().value(panel->item, key, 0);
    if (base == now)
        return std::nullopt;
    return tr("原版：%1").arg(base ? decodeAnsi(*base) : tr("无"));
}

// What the folder check would say of the text in a field's box, judged as typed; none when
// it says nothing, or the field shows no key line.
std::optional<QString> Form1::checkNote(CategoryId category, int field) const {
    const std::optional<ItemPanel>& panel = panels_[size_t(category)];
    if (!panel || panel->fields[size_t(field)].lineNumber < 1)
        return std::nullopt;
    const FieldSpec& declared = categoryFields(category).fields[size_t(field)];
    const QString text = fieldText(fieldWidgetOf(category, field));
    const QString line = QString::fromLatin1(declared.key) + text;
    if (declared.type == ValueType::ClassDigit) {
        // A pick from the list writes its digit: the class is judged as it is written.
        if (!fieldLine(declared, text).accepted())
            return describe(problemOf(Status::ClassNotDigit, line));
        return std::nullopt;
    }
    if (declared.type == ValueType::MenuPicture) {
        const std::optional<QString> path = picture_->pathOf(category, panel->item.id, text);
        if (!path)
            return describe(problemOf(Status::PictureUnnamed, text));
        if (!QFileInfo::exists(*path))
            return describe(problemOf(Status::PictureMissing, *path));
        return std::nullopt;
    }
    if (const std::optional<Status> problem = valueProblem(declared.type, text))
        return describe(problemOf(*problem, line));
    return std::nullopt;
}

// Why a field is read-only: its key line holds a lone line break, which a rewrite of the line
// would take with it; none for a field that can be typed into.
std::optional<QString> Form1::lockNote(CategoryId category, int field) const {
    const std::optional<ItemPanel>& panel = panels_[size_t(category)];
    if (!panel || panel->fields[size_t(field)].lineNumber < 1)
        return std::nullopt;
    const GameData& game = document_.game();
    Outcome lone = loneLineBreakIn(game.items(), panel->fields[size_t(field)].lineNumber - 1,
                                   game.itemFilePath());
    if (lone.done())
        return std::nullopt;
    lone.effect = Effect::Noted;
    return describe(lone);
}

// A field's marks: read-only, with the reason, while its key line holds a lone line break;
// its background and the base's value when the comparison says it differs, a red frame and
// the check's words while its text is a value the check would report; the tooltip holds its
// help, then each, line by line.
void Form1::decorateField(CategoryId category, int field) {
    QWidget* widget = fieldWidgetOf(category, field);
    const std::optional<QString> locked = lockNote(category, field);
    setFieldReadOnly(widget, locked.has_value());
    const std::optional<QString> base = baseNote(category, field);
    const std::optional<QString> check = locked ? std::nullopt : checkNote(category, field);
    QStringList notes;
    for (const std::optional<QString>& note : {locked, base, check})
        if (note)
            notes.append(*note);
    QStringList tooltip;
    if (const QString help = shownHelp(fieldLayouts(category)[size_t(field)].fieldHelp);
        !help.isEmpty())
        tooltip.append(help);
    tooltip.append(notes);
    widget->setToolTip(tooltip.join(u'\n'));
    widget->setAccessibleDescription(notes.join(u'\n'));
    QString style;
    if (base)
        style += QStringLiteral("background-color: %1;").arg(kChangedBackground.name());
    if (check)
        style += QStringLiteral("border: 2px solid #d00000;");
    const QString selector = qobject_cast<QComboBox*>(widget) ? QStringLiteral("QComboBox")
                                                              : QStringLiteral("QLineEdit");
    widget->setStyleSheet(style.isEmpty() ? QString() : selector + u'{' + style + u'}');
}

} // namespace wed
