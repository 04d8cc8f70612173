#include "window/item_commands.h"

#include "app/shown_words.h"
#include "game/item_actions.h"
#include "window/editor_actions.h"
#include "window/form1.h"
#include "window/prompts.h"

namespace wed {

// Asks for an id until the document takes it or the user gives up; a refused id is explained
// and offered again to be corrected.
void ItemCommands::askIdAndRun(const QString& title, const QString& start,
                               const std::function<Outcome(const QString&)>& action) {
    QString id = start;
    for (;;) {
        const std::optional<QString> answer =
            window_.prompts().askText(&window_, title, EditorActions::tr("新的编号："), id);
        if (!answer)
            return;
        const Outcome outcome = action(*answer);
        window_.report(outcome);
        if (outcome.done())
            return;
        id = *answer;
    }
}

void ItemCommands::copy() {
    const int entry = window_.items().selectedEntry();
    if (entry < 0)
        return;
    askIdAndRun(EditorActions::tr("复制为新物品"), window_.items().entries()[size_t(entry)].id,
                [this, item = window_.items().itemOf(entry)](const QString& id) {
                    return window_.document().copyItem(item, id);
                });
}

void ItemCommands::rename() {
    const int entry = window_.items().selectedEntry();
    if (entry < 0)
        return;
    askIdAndRun(EditorActions::tr("重命名"), window_.items().entries()[size_t(entry)].id,
                [this, item = window_.items().itemOf(entry)](const QString& id) {
                    return window_.document().renameItem(item, id);
                });
}

void ItemCommands::remove() {
    const int entry = window_.items().selectedEntry();
    if (entry < 0)
        return;
    const QString& id = window_.items().entries()[size_t(entry)].id;
    const QString& name = window_.items().nameOf(entry);
    const QString question =
        EditorActions::tr("要删除%1“%2”%3吗？它在 weapon.cfg 中的记录将被删除。")
            .arg(shownWord(*window_.items().category()), id,
                 name.isEmpty() ? QString() : EditorActions::tr("（%1）").arg(name));
    if (window_.prompts().confirm(&window_, question, EditorActions::tr("删除物品")))
        window_.report(window_.document().removeItem(window_.items().itemOf(entry)));
}

// The item shown, or else the one selected: the keys work with the focus in a field too.
void ItemCommands::editNames() {
    const int entry = window_.items().shownEntry() >= 0 ? window_.items().shownEntry()
                                                        : window_.items().selectedEntry();
    if (entry < 0)
        return;
    const ItemRef item = window_.items().itemOf(entry);
    std::optional<NameRecordText> text = nameRecordText(window_.document().game(), item);
    if (!text)
        return window_.report(Outcome::of(Status::NoNameRecord, {}, item.id));
    const QString title = EditorActions::tr("%1 的名字和说明").arg(item.id);
    while ((text = window_.prompts().editNames(&window_, title, *text))) {
        const Outcome outcome = window_.document().setNameRecordText(item, *text);
        window_.report(outcome);
        if (outcome.done())
            return;
    }
}

} // namespace wed
