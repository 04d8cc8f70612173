#include "window/field_marks.h"

#include "app/comparison.h"
#include "app/document_rules.h"
#include "app/game_check.h"
#include "app/outcome_text.h"
#include "app/shown_words.h"
#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/value_check.h"
#include "edit/field_line.h"
#include "window/category_panel.h"
#include "window/field_layout.h"
#include "window/file_actions.h"
#include "window/item_list_view.h"
#include "window/mark_colours.h"
#include "window/picture_pane.h"
#include "window/text_boxes.h"

#include <QColor>
#include <QComboBox>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

namespace wed {
namespace {

Outcome problemOf(Status status, QString detail, QString path = {}) {
    Outcome problem = Outcome::of(status, std::move(path), std::move(detail));
    problem.effect = Effect::Noted;
    return problem;
}

} // namespace

FieldMarks::FieldMarks(const Document& document, const Comparison& comparison, DocumentRules& rules,
                       ItemListView& list, const PicturePane& picture,
                       const std::array<CategoryPanel*, 3>& panels)
    : document_(document), comparison_(comparison), list_(list), picture_(picture), panels_(panels),
      rules_(rules) {}

void FieldMarks::showAll() {
    list_.markRows();
    for (const CategoryPanel* panel : panels_)
        markPanel(panel->category());
}

// The base's value of a field shown, when it differs from the field's own; none otherwise.
std::optional<QString> FieldMarks::baseNote(const CategoryPanel& panel, int field) const {
    const std::optional<ItemPanel>& shown = panel.shown();
    if (!comparison_.active() || !shown || shown->fieldLine(field) < 1 ||
        !comparison_.baseHas(shown->item()))
        return std::nullopt;
    const QByteArrayView key = categoryFields(panel.category()).fields[size_t(field)].name();
    const std::optional<QByteArray> base = comparison_.baseValue(shown->item(), key);
    const std::optional<QByteArray> now = document_.game().value(shown->item(), key, 0);
    if (base == now)
        return std::nullopt;
    return tr("原版：%1").arg(base ? decodeAnsi(*base) : tr("无"));
}

// What the folder check would say of the text in a field's box, judged as typed; none when
// it says nothing, or the field shows no key line.
std::optional<QString> FieldMarks::checkNote(const CategoryPanel& panel, int field) const {
    const std::optional<ItemPanel>& shown = panel.shown();
    if (!shown || shown->fieldLine(field) < 1)
        return std::nullopt;
    const FieldSpec& declared = categoryFields(panel.category()).fields[size_t(field)];
    const QString text = panel.text(field);
    const QString line = QString::fromLatin1(declared.key) + text;
    if (declared.type == ValueType::ClassDigit) {
        // A pick from the list writes its digit: the class is judged as it is written.
        if (!fieldLine(declared, text).accepted())
            return describe(problemOf(Status::ClassNotDigit, line));
        return std::nullopt;
    }
    if (declared.type == ValueType::MenuPicture) {
        const std::optional<QString> path =
            picture_.pathOf(panel.category(), shown->item().id, text);
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

// Only the shown item's checks that judge a field run: a keystroke's cost stays that of one
// item's few checks.
std::vector<QString> FieldMarks::ruleNotes(CategoryId category) {
    const CategoryPanel& panel = *panels_[size_t(category)];
    std::vector<QString> notes(panel.fields().size());
    Rules* rules = rules_.rules();
    const std::optional<ItemPanel>& shown = panel.shown();
    if (!rules || !shown || shown->headerLine() < 0)
        return notes;
    for (int index = 0; index < int(rules->checks().size()); ++index) {
        const CheckRule& rule = rules->checks()[size_t(index)];
        const int field = rule.category == category && !rule.key.isEmpty()
                              ? fieldOfKey(category, QString::fromLatin1(rule.key))
                              : -1;
        if (field < 0)
            continue;
        const CheckVerdict verdict = rules->check(index, document_.game(), shown->item(),
                                                  rules_.base(), shown->headerLine());
        if (verdict.passed)
            continue;
        QString& note = notes[size_t(field)];
        note += (note.isEmpty() ? QString() : QStringLiteral("\n")) +
                problemMessage({{}, std::nullopt, ruleMark(rule, verdict)});
    }
    return notes;
}

void FieldMarks::markPanel(CategoryId category) {
    ruleNotes_[size_t(category)] = ruleNotes(category);
    for (int field = 0; field < int(ruleNotes_[size_t(category)].size()); ++field)
        mark(category, field);
}

void FieldMarks::recheck() {
    for (const CategoryPanel* panel : panels_) {
        const CategoryId category = panel->category();
        std::vector<QString> notes = ruleNotes(category);
        std::swap(notes, ruleNotes_[size_t(category)]);
        for (int field = 0; field < int(panel->fields().size()); ++field)
            if (notes.empty() ||
                notes[size_t(field)] != ruleNotes_[size_t(category)][size_t(field)])
                mark(category, field);
    }
}

// Why a field is read-only: its key line holds a lone line break, which a rewrite of the line
// would take with it; none for a field that can be typed into.
std::optional<QString> FieldMarks::lockNote(const CategoryPanel& panel, int field) const {
    const std::optional<ItemPanel>& shown = panel.shown();
    const int line = shown ? shown->fieldLine(field) : 0;
    if (line < 1)
        return std::nullopt;
    const GameData& game = document_.game();
    Outcome lone = loneLineBreakIn(game.items(), line - 1, game.itemFilePath());
    if (lone.done())
        return std::nullopt;
    lone.effect = Effect::Noted;
    return describe(lone);
}

// A field's marks: read-only, with the reason, while its key line holds a lone line break;
// its background and the base's value when the comparison says it differs, a red frame and
// the check's words while its text is a value the check would report; the tooltip holds its
// help, then each, line by line.
void FieldMarks::mark(CategoryId category, int field) {
    const CategoryPanel& panel = *panels_[size_t(category)];
    QWidget* widget = panel.field(field);
    const std::optional<QString> locked = lockNote(panel, field);
    setFieldReadOnly(widget, locked.has_value());
    const std::optional<QString> base = baseNote(panel, field);
    const std::optional<QString> check = locked ? std::nullopt : checkNote(panel, field);
    const std::vector<QString>& ruled = ruleNotes_[size_t(category)];
    const std::optional<QString> rule =
        locked || !panel.shown() || ruled.empty() || ruled[size_t(field)].isEmpty()
            ? std::nullopt
            : std::optional(ruled[size_t(field)]);
    QStringList notes;
    for (const std::optional<QString>& note : {locked, base, check, rule})
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
    if (check || rule)
        style += QStringLiteral("border: 2px solid #d00000;");
    const QString selector = qobject_cast<QComboBox*>(widget) ? QStringLiteral("QComboBox")
                                                              : QStringLiteral("QLineEdit");
    widget->setStyleSheet(style.isEmpty() ? QString() : selector + u'{' + style + u'}');
}

} // namespace wed
