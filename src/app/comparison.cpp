#include "app/comparison.h"

#include "app/document.h"
#include "data/name_record.h"
#include "game/folder_diff.h"

#include <algorithm>

namespace wed {
namespace {

bool holds(const std::vector<QString>& sorted, const QString& text) {
    return std::binary_search(sorted.begin(), sorted.end(), text);
}

// The record before the item's in the folder, of any category; none for the first.
std::optional<ItemRef> recordBefore(const GameData& game, const ItemRef& item) {
    const qsizetype header = game.headerOf(item);
    std::optional<RecordEntry> before;
    for (const Category& c : categories())
        for (const RecordEntry& record : game.records(c.id))
            if (record.header < header && (!before || record.header > before->header))
                before = record;
    return before ? std::optional(before->ref) : std::nullopt;
}

// The id of the name record before the id's in the name file; none for the first.
std::optional<ItemRef> nameRecordBefore(const GameData& game, const QString& id) {
    const qsizetype opening = game.nameRecord(id).opening;
    for (qsizetype i = opening - 1; i >= 0; --i) {
        const QByteArrayView line = game.names().lineBytes(i);
        if (isNameOpening(line)) {
            const QString other = openingIdText(line);
            if (game.nameRecord(other).opening == i)
                return ItemRef{CategoryId::Weapon, other, 1};
        }
    }
    return std::nullopt;
}

} // namespace

Comparison::Comparison(Document& document, QObject* parent) : QObject(parent), document_(document) {
    connect(&document_, &Document::filesChanged, this, &Comparison::recompute);
    connect(&document_, &Document::filesReplaced, this, &Comparison::recompute);
}

Outcome Comparison::setBase(const QString& folder) {
    GameData base;
    Outcome read = base.read(itemFileIn(folder));
    if (read.refused() && !(read.status == Status::FileMissing && read.path == base.nameFilePath()))
        return read;
    base_ = std::move(base);
    recompute();
    emit baseSet();
    return {};
}

void Comparison::recompute() {
    if (!active())
        return;
    changes_ = document_.isOpen() ? diffFolders(base_, document_.game()) : ChangeSet{};
    modified_.clear();
    added_.clear();
    const GameData& game = document_.game();
    for (const Change& change : changes_) {
        if (change.kind == ChangeKind::Add) {
            added_.push_back(refText(change.item));
        } else if (change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove) {
            // A name record belongs to an id: every item with the id changes with it.
            for (const Category& c : categories())
                for (const RecordEntry& record : game.records(c.id))
                    if (record.ref.id == change.item.id)
                        modified_.push_back(refText(record.ref));
        } else if (change.kind != ChangeKind::Remove) {
            modified_.push_back(refText(change.item));
        }
    }
    std::sort(modified_.begin(), modified_.end());
    std::sort(added_.begin(), added_.end());
    emit changed();
}

Comparison::Mark Comparison::mark(const ItemRef& item) const {
    const QString text = refText(item);
    if (holds(added_, text))
        return Mark::Added;
    return holds(modified_, text) ? Mark::Modified : Mark::Same;
}

std::optional<QByteArray> Comparison::baseValue(const ItemRef& item, QByteArrayView key) const {
    return base_.value(item, key, 0);
}

ChangeSet Comparison::revert(const std::vector<size_t>& rows) const {
    ChangeSet back;
    for (size_t row : rows) {
        Change change = changes_.at(row);
        std::swap(change.base, change.now);
        std::swap(change.baseLines, change.nowLines);
        if (isMove(change)) {
            std::swap(change.baseAfter, change.after);
            back.push_back(std::move(change));
            continue;
        }
        change.after.reset();
        if (change.kind == ChangeKind::Add) {
            change.kind = ChangeKind::Remove;
        } else if (change.kind == ChangeKind::Remove) {
            change.kind = ChangeKind::Add;
            change.after = recordBefore(base_, change.item);
        } else if (change.kind == ChangeKind::Names && !change.baseLines) {
            change.after = nameRecordBefore(base_, change.item.id);
        }
        back.push_back(std::move(change));
    }
    return back;
}

} // namespace wed
