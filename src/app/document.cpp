#include "app/document.h"

#include "app/shown_words.h"
#include "data/item_fields.h"

namespace wed {

Document::Document(QObject* parent) : QObject(parent) {}

Outcome Document::open(const QString& itemFilePath) {
    const QString heldPath = game_.itemFilePath();
    const QString heldNames = game_.nameFilePath();
    const QByteArray heldItems = game_.items().bytes();
    const QByteArray heldNameBytes = game_.names().bytes();
    const Outcome read = game_.read(itemFilePath);
    if (read.refused())
        return read;
    // The history belongs to the bytes it was made on.
    if (game_.itemFilePath() != heldPath || game_.nameFilePath() != heldNames ||
        game_.items().bytes() != heldItems || game_.names().bytes() != heldNameBytes) {
        clearHistory();
        emit historyChanged();
        emit filesReplaced();
    }
    return read;
}

Outcome Document::reload() {
    const Outcome read = game_.read(game_.itemFilePath());
    clearHistory();
    emit historyChanged();
    emit filesReplaced();
    if (!read.refused())
        emit reloaded();
    return read;
}

// Another program changed a file, or a failed save could not be taken back: what the document
// holds is no longer what the files hold. Read them again and forget the history.
Outcome Document::afterRefusal(Outcome outcome) {
    if (outcome.status != Status::ExternalChange && outcome.effect != Effect::Reloaded)
        return outcome;
    outcome.effect = Effect::Reloaded;
    reload();
    return outcome;
}

Outcome Document::apply(const ChangeSet& changes, StepInfo step, Outcome told, bool skipConflicts) {
    return apply(game_.plan(changes), std::move(step), std::move(told), skipConflicts);
}

Outcome Document::apply(ApplyPlan planned, StepInfo step, Outcome told, bool skipConflicts) {
    FilesChanged changed;
    const ApplyPlan applied = game_.apply(std::move(planned), skipConflicts, &changed);
    if (!applied.outcome.done())
        return afterRefusal(applied.outcome);
    if (!applied.changesBytes())
        return told;
    const int countBefore = history_.count();
    const int run = step.run;
    record(changed.made, std::move(step));
    emit filesChanged(changed);
    if (history_.count() != countBefore || run != 0)
        emit historyChanged();
    return told;
}

namespace {

// The keystrokes of one typing run in one field of one item are one step. A run is the
// window's idea (typing leaves a field, a pick ends it), so it is decided here, beside what
// the steps show, and only here: the model merges the bytes of the steps it is told to.
bool continuesRun(const Document::StepInfo& last, int run, const StepPlace& at) {
    return run != 0 && last.run == run && last.after.item == at.item &&
           last.after.field == at.field;
}

} // namespace

void Document::record(const std::array<Splices, 2>& made, StepInfo step) {
    const int at = history_.index();
    const bool continues = at > 0 && continuesRun(shown_[size_t(at) - 1], step.run, step.before);
    shown_.resize(size_t(at));
    switch (history_.record(Step(made), continues)) {
    case History::Recorded::Added:
        shown_.push_back(std::move(step));
        break;
    case History::Recorded::Merged: {
        StepInfo& merged = shown_.back();
        merged.after = std::move(step.after);
        merged.text = fieldStepText(*merged.after.item, merged.after.field, merged.before.text,
                                    merged.after.text);
        break;
    }
    case History::Recorded::Dropped:
        shown_.resize(size_t(history_.count()));
        break;
    }
}

// The last step of a typing run in that field ends with this text, though it wrote no
// further byte.
void Document::retextRun(int run, const StepPlace& at) {
    if (history_.index() != history_.count() || shown_.empty() ||
        !continuesRun(shown_.back(), run, at))
        return;
    StepInfo& top = shown_.back();
    top.after.text = at.text;
    top.text = fieldStepText(*top.after.item, top.after.field, top.before.text, at.text);
}

void Document::clearHistory() {
    history_.clear();
    shown_.clear();
}

Outcome Document::setField(const ItemRef& item, int field, const QString& text,
                           const QString& shown, EditKind kind) {
    const FieldSpec& declared = categoryFields(item.category).fields[size_t(field)];
    const int run = kind == EditKind::Typing ? run_ : 0;
    const StepPlace before{item, field, shown};
    const StepPlace after{item, field, text};
    const QByteArray held = game_.items().bytes();
    const Outcome outcome =
        apply({typedChange(item, declared.name(), text)},
              {fieldStepText(item, field, shown, text), before, after, {}, run});
    // Nothing on disk changed; a run of typing still ends with this text.
    if (outcome.done() && game_.items().bytes() == held) {
        retextRun(run, after);
        emit historyChanged();
    }
    if (kind == EditKind::Pick)
        endTyping();
    return outcome;
}

Outcome Document::setFields(CategoryId category, int field, const std::vector<CellEdit>& cells) {
    const FieldSpec& column = categoryFields(category).fields[size_t(field)];
    ChangeSet changes;
    std::vector<const CellEdit*> typed;
    qsizetype skipped = 0;
    for (const CellEdit& cell : cells) {
        if (game_.keyLine(category, game_.headerOf(cell.item), column.name(), 0) < 0) {
            ++skipped;
            continue;
        }
        changes.push_back(typedChange(cell.item, column.name(), cell.text));
        typed.push_back(&cell);
    }
    Outcome told;
    if (skipped > 0) {
        told = Outcome::noticeOf(Status::CellsSkipped);
        told.line = skipped;
    }
    // The plan's verdict: a text the field refuses names its item; a cell that already says so
    // is no edit.
    ApplyPlan planned = game_.plan(changes);
    if (planned.valueRefused) {
        planned.outcome.item = changes[size_t(planned.refusedAt)].item.id;
        return planned.outcome;
    }
    if (!planned.outcome.done())
        return afterRefusal(planned.outcome);
    std::vector<StepCell> edited;
    for (size_t i = 0; i < typed.size(); ++i)
        if (planned.results[i].state == ChangeState::Made)
            edited.push_back({typed[i]->item, field, typed[i]->before, typed[i]->text});
    if (edited.empty())
        return told;
    const QString text =
        edited.size() == 1
            ? fieldStepText(edited[0].item, field, edited[0].before, edited[0].after)
            : tr("表格：%1 个物品的%2").arg(edited.size()).arg(shownCaption(column).trimmed());
    const Outcome outcome = apply(std::move(planned), {text, {}, {}, edited, 0}, told);
    if (outcome.done())
        emit stepShown({}, edited, false);
    return outcome;
}

Outcome Document::runAction(const ItemAction& action, const QString& text,
                            const StepPlace& before) {
    if (!action.outcome.done())
        return action.outcome;
    const StepPlace after{action.result, -1, {}};
    const int stepsBefore = history_.count();
    const Outcome outcome = apply(action.changes, {text, before, after, {}, 0}, action.outcome);
    if (outcome.done() && history_.count() != stepsBefore)
        emit stepShown(after, {}, false);
    return outcome;
}

Outcome Document::copyItem(const ItemRef& source, const QString& newId) {
    return runAction(wed::copyItem(game_, source, newId), tr("复制 %1 为 %2").arg(source.id, newId),
                     {source, -1, {}});
}

Outcome Document::removeItem(const ItemRef& item) {
    return runAction(wed::removeItem(game_, item), tr("删除 %1").arg(item.id), {item, -1, {}});
}

Outcome Document::renameItem(const ItemRef& item, const QString& newId) {
    return runAction(wed::renameItem(game_, item, newId), tr("重命名 %1 为 %2").arg(item.id, newId),
                     {item, -1, {}});
}

Outcome Document::setNameRecordText(const ItemRef& item, const NameRecordText& text) {
    return runAction(wed::setNameRecordText(game_, item, text), tr("%1 的名字和说明").arg(item.id),
                     {item, -1, {}});
}

Outcome Document::undo() {
    return move(true);
}

Outcome Document::redo() {
    return move(false);
}

Outcome Document::moveHistoryTo(int index) {
    while (index != history_.index()) {
        const int before = history_.index();
        const Outcome moved = move(index < before);
        if (!moved.done() || history_.index() == before)
            return moved;
    }
    return {};
}

Outcome Document::move(bool back) {
    const int at = history_.index();
    FilesChanged changed;
    const Outcome moved = back ? history_.undo(game_, &changed) : history_.redo(game_, &changed);
    if (moved.status == Status::Ignored)
        return moved;
    if (!moved.done())
        return afterRefusal(moved);
    endTyping();
    emit filesChanged(changed);
    emit historyChanged();
    const StepInfo& step = shown_[size_t(back ? at - 1 : at)];
    emit stepShown(back ? step.before : step.after, step.cells, back);
    return {};
}

} // namespace wed
