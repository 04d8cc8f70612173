// Field edits and the history of changes: every change is written first, guarded and atomic,
// then recorded (or, for a history move, adopted) as a step.
#include "app/document.h"

#include "data/item_fields.h"
#include "edit/field_line.h"
#include "edit/file_commit.h"

namespace wed {
namespace {

// Closes the edit gate while the document puts text into fields itself.
class GateClosed {
  public:
    explicit GateClosed(bool& gate) : gate_(gate), was_(gate) { gate_ = false; }
    ~GateClosed() { gate_ = was_; }
    GateClosed(const GateClosed&) = delete;
    GateClosed& operator=(const GateClosed&) = delete;

  private:
    bool& gate_;
    bool was_;
};

bool holdsLineBreak(QByteArrayView bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

} // namespace

Outcome Document::setFieldText(CategoryId category, int field, const QString& text, EditKind kind) {
    std::optional<PanelItem>& panel = panels_[size_t(category)];
    // The gate is closed while the program fills the fields; a field without a line number has
    // no key line in the item shown, so there is nothing it could replace.
    if (!gateOpen_ || !panel || panel->fields[size_t(field)].lineNumber < 1)
        return Outcome::of(Status::Ignored);
    const FieldLine line = fieldLine(categoryFields(category).fields[size_t(field)], text);
    if (!line.accepted())
        return line.outcome;
    // The key line is replaced; a file without a line end after its last line gains one, as
    // every save of a line gives it.
    const qsizetype index = panel->fields[size_t(field)].lineNumber - 1;
    Splices changes{{items_.lineStart(index), items_.lineBytes(index).toByteArray(), line.line}};
    if (!items_.bytes().endsWith("\r\n"))
        changes.push_back({items_.bytes().size() - changes[0].removed.size() + line.line.size(),
                           {},
                           QByteArrayLiteral("\r\n")});
    const QByteArray bytes = *applySplices(items_.bytes(), changes);
    const Outcome saved = commitFile({itemFilePath_, items_.bytes(), bytes});
    if (!saved.done())
        return afterRefusal(saved);

    StepPlace before{category, panel->id, panel->headerLine, field, panel->texts[size_t(field)]};
    StepPlace after = before;
    after.text = text;
    panel->texts[size_t(field)] = text;
    if (bytes == items_.bytes()) {
        // Nothing on disk changed; a run of typing still ends with this text.
        const int top = history_.index() - 1;
        if (kind == EditKind::Typing && top >= 0 && top == history_.count() - 1) {
            auto* step = const_cast<EditStep*>(static_cast<const EditStep*>(history_.command(top)));
            if (step->id() >= 0 && step->place(false).field == field &&
                step->place(false).headerLine == after.headerLine)
                step->setFinalText(text);
        }
        return {};
    }
    written_ = {bytes, names_.bytes()};
    pushing_ = true;
    history_.push(new EditStep(*this, {std::move(changes), {}}, before, after, kind));
    pushing_ = false;
    return {};
}

void Document::endTyping() {
    const int top = history_.index() - 1;
    if (top >= 0)
        const_cast<EditStep*>(static_cast<const EditStep*>(history_.command(top)))->seal();
}

Outcome Document::undo() {
    return moveHistory(true);
}

Outcome Document::redo() {
    return moveHistory(false);
}

Outcome Document::moveHistoryTo(int index) {
    while (index != history_.index()) {
        const int before = history_.index();
        const Outcome moved = moveHistory(index < before);
        if (!moved.done() || history_.index() == before)
            return moved;
    }
    return {};
}

// The file writes come first, guarded and atomic; only once they succeed does the history
// move, so that a refused move leaves the history and the files as they were.
Outcome Document::moveHistory(bool back) {
    if (back ? !history_.canUndo() : !history_.canRedo())
        return Outcome::of(Status::Ignored);
    const auto* step = static_cast<const EditStep*>(
        history_.command(back ? history_.index() - 1 : history_.index()));
    std::array<QByteArray, 2> next{items_.bytes(), names_.bytes()};
    std::vector<FileWrite> writes;
    for (GameFile file : {GameFile::Items, GameFile::Names}) {
        const Splices& changes = step->changes(file);
        if (changes.empty())
            continue;
        const QByteArray& held = buffer(file).bytes();
        std::optional<QByteArray> bytes =
            back ? revertSplices(held, changes) : applySplices(held, changes);
        // The buffer is not what the step was made on: the history cannot be trusted.
        if (!bytes)
            return afterRefusal(Outcome::of(Status::ExternalChange, path(file)));
        next[size_t(file)] = *bytes;
        writes.push_back({path(file), held, std::move(*bytes)});
    }
    const Outcome saved = commitFiles(writes);
    if (!saved.done())
        return afterRefusal(saved);
    written_ = next;
    if (back)
        history_.undo();
    else
        history_.redo();
    endTyping();
    return {};
}

// Another program changed a file, or a failed save could not be taken back: what the document
// holds is no longer what the files hold. Read them again, forget the history, and show the
// item that was shown, as the files now have it.
Outcome Document::afterRefusal(Outcome outcome) {
    if (outcome.status != Status::ExternalChange && outcome.effect != Effect::Reloaded)
        return outcome;
    outcome.effect = Effect::Reloaded;
    const Category* chosen = category();
    const std::optional<PanelItem> shown = chosen ? panels_[size_t(chosen->id)] : std::nullopt;
    history_.clear();
    dropPanels();
    if (!open(itemFilePath_).refused() && shown && listCategory_ == chosen) {
        for (size_t row = 0; row < entries_.size(); ++row)
            if (entries_[row].id == shown->id && entries_[row].ordinal == shown->ordinal)
                showItem(int(row));
    }
    return outcome;
}

void Document::adopt(const EditStep& step, bool undone) {
    for (GameFile file : {GameFile::Items, GameFile::Names}) {
        const Splices& changes = step.changes(file);
        if (changes.empty())
            continue;
        std::optional<QByteArray> bytes = written_ ? (*written_)[size_t(file)]
                                          : undone ? revertSplices(buffer(file).bytes(), changes)
                                                   : applySplices(buffer(file).bytes(), changes);
        // The buffer learns what changed in the direction it moves: an undo takes the
        // splices back.
        if (bytes)
            setBuffer(file, std::move(*bytes), undone ? inverseOf(changes) : changes);
    }
    written_.reset();
    if (!pushing_)
        showPlace(step.place(undone));
}

// The buffer takes the file's new bytes; its index follows. A change inside one line that is
// neither a record header line nor a name record's opening line, before or after, leaves every
// line where it was and the index as it is; anything else builds the index again.
void Document::setBuffer(GameFile file, QByteArray bytes, const Splices& changes) {
    LineBuffer& lines = buffer(file);
    bool indexKept = changes.size() == 1;
    qsizetype changedLine = -1;
    if (indexKept) {
        const Splice& change = changes.front();
        const QByteArray& old = lines.bytes();
        const qsizetype end = change.offset + change.removed.size();
        indexKept = !holdsLineBreak(change.removed) && !holdsLineBreak(change.inserted) &&
                    !(change.offset > 0 && old[change.offset - 1] == '\r') &&
                    !(end < old.size() && old[end] == '\n');
        if (indexKept) {
            const qsizetype line = changedLine = lines.lineAt(change.offset);
            const QByteArray before = lines.lineBytes(line).toByteArray();
            const QByteArray after = applySplice(
                before, {change.offset - lines.lineStart(line), change.removed, change.inserted});
            auto special = [file](QByteArrayView text) {
                return file == GameFile::Items ? headerCategory(text) != nullptr
                                               : text.startsWith('<');
            };
            indexKept = !special(before) && !special(after);
        }
    }
    if (indexKept) {
        lines.setBytesWithinLine(std::move(bytes), changedLine);
        return;
    }
    lines.setBytes(std::move(bytes));
    if (file == GameFile::Names) {
        nameIndex_.rebuild(names_);
        return;
    }
    itemIndex_.rebuild(items_);
    // Records may have moved or been renamed: the panels and the list find their items again.
    for (const Category& c : categories()) {
        std::optional<PanelItem>& panel = panels_[size_t(c.id)];
        if (!panel)
            continue;
        panel->headerLine = headerOf(c.id, panel->id, panel->ordinal);
        panel->fields = readRecordAt(items_, c.id, panel->headerLine).fields;
    }
    rebuildList(true);
}

void Document::showItemAt(CategoryId category, qsizetype headerLine) {
    showPlace({category, {}, headerLine, -1, {}});
}

// Shows where a step belongs: its category in the box and its list, its item selected and
// shown, and the field's text as it was on that side of the step.
void Document::showPlace(const StepPlace& place) {
    if (place.headerLine < 0)
        return;
    const Category& target = wed::category(place.category);
    if (categoryWord_ != target.word) {
        categoryWord_ = target.word;
        emit categoryWordChanged();
    }
    if (listCategory_ != &target) {
        listCategory_ = &target;
        rebuildList();
    }
    const int row = rowOfHeader(place.headerLine);
    if (row < 0)
        return;
    const std::optional<PanelItem>& panel = panels_[size_t(place.category)];
    if (shownRow_ != row || !panel || panel->headerLine != place.headerLine)
        showItem(row);
    std::optional<PanelItem>& shown = panels_[size_t(place.category)];
    if (place.field < 0 || !shown)
        return;
    shown->texts[size_t(place.field)] = place.text;
    const GateClosed closed(gateOpen_);
    emit fieldTextRestored(place.category, place.field, place.text);
}

} // namespace wed
