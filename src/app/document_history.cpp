// Field edits and the history of changes: every change is written first, guarded and atomic,
// then recorded (or, for a history move, adopted) as a step.
#include "app/document.h"

#include "data/item_fields.h"
#include "edit/field_line.h"
#include "edit/file_commit.h"

#include <algorithm>

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
    // every save of a line gives it. The series runs from the end of the file up.
    const qsizetype index = panel->fields[size_t(field)].lineNumber - 1;
    Splices changes;
    if (!items_.bytes().endsWith("\r\n"))
        changes.push_back({items_.bytes().size(), {}, QByteArrayLiteral("\r\n")});
    changes.push_back({items_.lineStart(index), items_.lineBytes(index).toByteArray(), line.line});
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
        EditStep* step = lastStep();
        if (kind == EditKind::Typing && step && history_.index() == history_.count() &&
            step->id() >= 0 && step->place(false).field == field &&
            step->place(false).headerLine == after.headerLine)
            step->setFinalText(text);
        return {};
    }
    pushing_ = true;
    history_.push(new EditStep(*this, {std::move(changes), {}}, before, after, kind));
    pushing_ = false;
    return {};
}

EditStep* Document::lastStep() {
    // The steps are the document's own; the stack only hands them out as const.
    const int top = history_.index() - 1;
    return top < 0 ? nullptr
                   : const_cast<EditStep*>(static_cast<const EditStep*>(history_.command(top)));
}

void Document::endTyping() {
    if (EditStep* step = lastStep())
        step->seal();
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
        writes.push_back({path(file), held, std::move(*bytes)});
    }
    const Outcome saved = commitFiles(writes);
    if (!saved.done())
        return afterRefusal(saved);
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
        for (size_t entry = 0; entry < entries_.size(); ++entry)
            if (entries_[entry].id == shown->id && entries_[entry].ordinal == shown->ordinal)
                showItem(int(entry));
    }
    return outcome;
}

// The files hold the bytes of this side of the step; the buffers follow by the same changes.
void Document::adopt(const EditStep& step, bool undone) {
    for (GameFile file : {GameFile::Items, GameFile::Names})
        if (!step.changes(file).empty())
            setBuffer(file, step.changes(file), undone);
    if (pushing_)
        return;
    showPlace(step.place(undone));
    showCells(step.cells(), undone);
}

// A panel that shows an item of a table edit shows the cell's text on this side of the step.
void Document::showCells(const std::vector<StepCell>& cells, bool undone) {
    for (const StepCell& cell : cells) {
        std::optional<PanelItem>& panel = panels_[size_t(cell.category)];
        if (!panel || panel->headerLine != cell.headerLine)
            continue;
        const QString& text = undone ? cell.before : cell.after;
        panel->texts[size_t(cell.field)] = text;
        const GateClosed closed(gateOpen_);
        emit fieldTextRestored(cell.category, cell.field, text);
    }
}

namespace {

// Where a byte of the file before the changes stands after them; -1 when it went. A line the
// first change rewrites in place keeps its start.
qsizetype mapOffset(qsizetype offset, const Splices& changes) {
    for (const Splice& change : changes) {
        if (offset < 0 || offset < change.offset)
            continue;
        const qsizetype end = change.offset + change.removed.size();
        if (offset >= end && !(offset == change.offset && !change.removed.isEmpty()))
            offset += change.inserted.size() - change.removed.size();
        else if (!(offset == change.offset && !change.inserted.isEmpty()))
            offset = -1;
    }
    return offset;
}

} // namespace

// Whether the change rewrites the inside of one line that is neither a record header line nor
// a name record's opening line, before or after: then every line stays where it was.
bool Document::changesOneOrdinaryLine(GameFile file, const Splice& change) const {
    const LineBuffer& lines = file == GameFile::Items ? items_ : names_;
    const QByteArray& old = lines.bytes();
    const qsizetype end = change.offset + change.removed.size();
    if (holdsLineBreak(change.removed) || holdsLineBreak(change.inserted) ||
        (change.offset > 0 && old[change.offset - 1] == '\r') ||
        (end < old.size() && old[end] == '\n'))
        return false;
    const qsizetype line = lines.lineAt(change.offset);
    const QByteArray before = lines.lineBytes(line).toByteArray();
    const QByteArray after = applySplice(
        before, {change.offset - lines.lineStart(line), change.removed, change.inserted});
    auto special = [file](QByteArrayView text) {
        return file == GameFile::Items ? headerCategory(text) != nullptr : text.startsWith('<');
    };
    return !special(before) && !special(after);
}

// The buffer takes the changes (or, undone, gives them back), and its index follows. One change
// is followed by looking again at the lines it replaced; a series is read afresh. When lines
// moved, the panels follow their records by where their header lines went, and the list is
// made again.
void Document::setBuffer(GameFile file, const Splices& made, bool undone) {
    const Splices changes = undone ? inverseOf(made) : made;
    std::array<qsizetype, 3> headers{-1, -1, -1};
    if (file == GameFile::Items)
        for (size_t c = 0; c < panels_.size(); ++c)
            if (panels_[c] && panels_[c]->headerLine >= 0)
                headers[c] = mapOffset(items_.lineStart(panels_[c]->headerLine), changes);
    bool linesKept = true;
    if (changes.size() == 1) {
        const bool ordinary = changesOneOrdinaryLine(file, changes.front());
        const LineChange lines = buffer(file).apply(changes.front());
        if (!ordinary) {
            linesKept = false;
            // The name file changes only by the item actions: read its index again.
            if (file == GameFile::Items)
                itemIndex_.follow(items_, lines);
            else
                nameIndex_.rebuild(names_);
        }
    } else {
        // A series of changes of single lines (a table column) leaves every line where it was.
        const std::optional<Splices> once = simultaneous(made, undone);
        linesKept = once && std::all_of(once->begin(), once->end(), [&](const Splice& change) {
                        return changesOneOrdinaryLine(file, change);
                    });
        QByteArray bytes = *(undone ? revertSplices(buffer(file).bytes(), made)
                                    : applySplices(buffer(file).bytes(), made));
        if (linesKept)
            buffer(file).changeWithinLines(std::move(bytes), *once);
        else
            buffer(file).setBytes(std::move(bytes));
        if (!linesKept && file == GameFile::Items)
            itemIndex_.rebuild(items_);
        else if (!linesKept)
            nameIndex_.rebuild(names_);
    }
    checkIndexes();
    if (file == GameFile::Names) {
        if (!linesKept)
            entryNames_.reset();
        emit namesChanged();
        return;
    }
    if (linesKept) {
        emit itemsChanged(false);
        return;
    }
    for (const Category& c : categories()) {
        std::optional<PanelItem>& panel = panels_[size_t(c.id)];
        if (!panel || panel->headerLine < 0)
            continue;
        if (headers[size_t(c.id)] < 0) {
            clearPanel(c.id);
            continue;
        }
        panel->headerLine = items_.lineAt(headers[size_t(c.id)]);
        panel->id = items_.line(panel->headerLine).mid(c.headerPrefix.size());
        panel->fields = readRecordAt(items_, c.id, panel->headerLine).fields;
    }
    rebuildList(true);
    emit itemsChanged(true);
}

// The buffers and indexes that follow changes are those a fresh read would give; checked in
// debug builds, which the sanitizer tests and the fuzzer use.
void Document::checkIndexes() const {
#ifndef QT_NO_DEBUG
    ItemIndex items;
    items.rebuild(items_);
    Q_ASSERT(items_ == LineBuffer(items_.bytes()) && names_ == LineBuffer(names_.bytes()));
    Q_ASSERT(items == itemIndex_);
#endif
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
    const int entry = entryOfHeader(place.headerLine);
    if (entry < 0)
        return;
    if (rowOfEntry(entry) < 0) {
        setFind({});
        emit findCleared();
    }
    // An action's step shows its item afresh; a field's step only puts the field's text back
    // when its item is shown already.
    const std::optional<PanelItem>& panel = panels_[size_t(place.category)];
    if (place.field < 0 || shownEntry_ != entry || !panel || panel->headerLine != place.headerLine)
        showItem(entry);
    std::optional<PanelItem>& shown = panels_[size_t(place.category)];
    if (place.field < 0 || !shown)
        return;
    shown->texts[size_t(place.field)] = place.text;
    const GateClosed closed(gateOpen_);
    emit fieldTextRestored(place.category, place.field, place.text);
}

} // namespace wed
