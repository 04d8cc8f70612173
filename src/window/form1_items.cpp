// The item actions as the user asks for them: a new id, a confirmation, a name and
// description; the document does the rest and says how it went.
#include "app/outcome_text.h"
#include "app/shown_words.h"
#include "window/form1.h"
#include "window/item_list_view.h"
#include "window/prompts.h"

namespace wed {

// Asks for an id until the document takes it or the user gives up; a refused id is explained
// and offered again to be corrected.
void Form1::askIdAndRun(const QString& title, const QString& start,
                        const std::function<Outcome(const QString&)>& action) {
    QString id = start;
    for (;;) {
        const std::optional<QString> answer = prompts_->askText(this, title, tr("新的编号："), id);
        if (!answer)
            return;
        const Outcome outcome = action(*answer);
        report(outcome);
        if (outcome.done())
            return;
        id = *answer;
    }
}

void Form1::copyItem() {
    const int entry = list_->selectedEntry();
    if (entry < 0)
        return;
    askIdAndRun(tr("复制为新物品"), list_->entries()[size_t(entry)].id,
                [this, item = list_->itemOf(entry)](const QString& id) {
                    return document_.copyItem(item, id);
                });
}

void Form1::renameItem() {
    const int entry = list_->selectedEntry();
    if (entry < 0)
        return;
    askIdAndRun(tr("重命名"), list_->entries()[size_t(entry)].id,
                [this, item = list_->itemOf(entry)](const QString& id) {
                    return document_.renameItem(item, id);
                });
}

void Form1::removeItem() {
    const int entry = list_->selectedEntry();
    if (entry < 0)
        return;
    const QString& id = list_->entries()[size_t(entry)].id;
    const QString& name = list_->nameOf(entry);
    const QString question = tr("要删除%1“%2”%3吗？它在 weapon.cfg 中的记录将被删除。")
                                 .arg(shownWord(*list_->category()), id,
                                      name.isEmpty() ? QString() : tr("（%1）").arg(name));
    if (prompts_->confirm(this, question, tr("删除物品")))
        report(document_.removeItem(list_->itemOf(entry)));
}

// The item shown, or else the one selected: the keys work with the focus in a field too.
void Form1::editNames() {
    const int entry = list_->shownEntry() >= 0 ? list_->shownEntry() : list_->selectedEntry();
    if (entry < 0)
        return;
    const ItemRef item = list_->itemOf(entry);
    std::optional<NameRecordText> text = nameRecordText(document_.game(), item);
    if (!text)
        return report(Outcome::of(Status::NoNameRecord, {}, item.id));
    const QString title = tr("%1 的名字和说明").arg(item.id);
    while ((text = prompts_->editNames(this, title, *text))) {
        const Outcome outcome = document_.setNameRecordText(item, *text);
        report(outcome);
        if (outcome.done())
            return;
    }
}

} // namespace wed
