// The item actions: copy, remove and rename an item, and edit its name and description. Each
// changes only the lines it concerns, saves weapon.cfg before the name file (giving weapon.cfg
// its bytes back when the name file fails), and is one step of the history.
#include "app/document.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "edit/field_line.h"
#include "edit/file_commit.h"
#include "edit/line_splices.h"

#include <algorithm>

namespace wed {
namespace {

// A name line holds a nine-character lead before the name itself.
constexpr qsizetype kNameLead = 9;
const QByteArray kFiller = QByteArrayLiteral(" ");

bool holdsLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

// Where a name record stands: its opening line "<id>", its last line, and whether an empty
// line follows it (the end of the file may end it instead).
struct NameRecordLines {
    qsizetype opening = -1;
    qsizetype last = -1;
    bool endedByEmptyLine = false;
};

NameRecordLines nameRecordAt(const LineBuffer& names, qsizetype opening) {
    NameRecordLines record{opening, opening, false};
    if (opening < 0)
        return record;
    const qsizetype fileLast = lastLineOf(names);
    while (record.last < fileLast && !names.lineBytes(record.last + 1).isEmpty())
        ++record.last;
    record.endedByEmptyLine = record.last < fileLast;
    return record;
}

QList<QByteArray> linesOf(const LineBuffer& buffer, qsizetype first, qsizetype last) {
    QList<QByteArray> lines;
    for (qsizetype i = first; i <= last; ++i)
        lines.append(buffer.lineBytes(i).toByteArray());
    return lines;
}

// A copy of the name record under another id, right after it and its empty line; a record that
// the end of the file ends gets the empty line first.
Splice copyNameRecord(const LineBuffer& names, const NameRecordLines& record,
                      const QByteArray& id) {
    QList<QByteArray> copy = linesOf(names, record.opening + 1, record.last);
    copy.prepend('<' + id + '>');
    if (record.endedByEmptyLine) {
        copy.append(QByteArray());
        return insertLinesAfter(names, record.last + 1, copy);
    }
    copy.prepend(QByteArray());
    return insertLinesAfter(names, record.last, copy);
}

Splice removeNameRecord(const LineBuffer& names, const NameRecordLines& record) {
    return removeLines(names, record.opening,
                       record.endedByEmptyLine ? record.last + 1 : record.last);
}

Outcome refusal(Status status, QString detail = {}) {
    return Outcome::of(status, {}, std::move(detail));
}

} // namespace

Outcome Document::checkNewId(const QString& id, const Category& category) const {
    if (id.isEmpty())
        return refusal(Status::IdEmpty);
    if (id.front().isSpace() || id.back().isSpace())
        return refusal(Status::IdBlankEdge);
    if (holdsLineBreak(id))
        return refusal(Status::IdLineBreak);
    if (id == QLatin1String(kSkillCostId) || excludedImplantNames().contains(id))
        return refusal(Status::IdReserved, id);
    if (!encodeAnsi(id))
        return refusal(Status::Unencodable, id);
    if (headerOf(category.id, id, 0) >= 0)
        return refusal(Status::IdTaken, id);
    return {};
}

// Whether a record of any category other than the one at `header` has the id.
bool Document::idUsedElsewhere(const QString& id, qsizetype header) const {
    for (const Category& c : categories())
        for (qsizetype line : itemIndex_.headers(c.id))
            if (line != header && items_.line(line).mid(c.headerPrefix.size()) == id)
                return true;
    return false;
}

qsizetype Document::recordLastLine(const ListEntry& entry) const {
    const qsizetype last =
        wed::recordLastLine(items_, entry.headerLine, categoryFields(listCategory_->id).endRule);
    return std::min(last, lastLineOf(items_));
}

Outcome Document::commitStep(std::array<Splices, 2> changes, const StepPlace& before,
                             const StepPlace& after, const QString& text, Outcome told,
                             std::vector<StepCell> cells) {
    std::vector<FileWrite> writes;
    for (GameFile file : {GameFile::Items, GameFile::Names})
        if (!changes[size_t(file)].empty())
            writes.push_back({path(file), buffer(file).bytes(),
                              *applySplices(buffer(file).bytes(), changes[size_t(file)])});
    // An action that would change no byte is no step.
    if (std::all_of(writes.begin(), writes.end(),
                    [](const FileWrite& write) { return write.bytes == write.held; }))
        return told;
    const Outcome saved = commitFiles(writes);
    if (!saved.done())
        return afterRefusal(saved);
    pushing_ = true;
    auto* step = new EditStep(*this, std::move(changes), before, after, EditKind::Pick);
    step->setText(text);
    step->setCells(std::move(cells));
    history_.push(step);
    pushing_ = false;
    showPlace(after);
    showCells(step->cells(), false);
    return told;
}

Outcome Document::copyItem(int entry, const QString& newId) {
    const Category& category = *listCategory_;
    if (Outcome checked = checkNewId(newId, category); !checked.done())
        return checked;
    const ListEntry& source = entries_[size_t(entry)];
    const QByteArray id = *encodeAnsi(newId);
    const qsizetype last = recordLastLine(source);
    QList<QByteArray> record = linesOf(items_, source.headerLine + 1, last);
    record.prepend(category.headerPrefix + id);
    std::array<Splices, 2> changes{Splices{insertLinesAfter(items_, last, record)}, Splices{}};

    Outcome told;
    const qsizetype opening = nameIndex_.opening(names_, source.id);
    if (nameIndex_.opening(names_, newId) >= 0)
        told = Outcome::noticeOf(Status::NameRecordShared, {}, newId);
    else if (opening >= 0)
        changes[1].push_back(copyNameRecord(names_, nameRecordAt(names_, opening), id));
    return commitStep(std::move(changes), {category.id, source.id, source.headerLine},
                      {category.id, newId, last + 1},
                      QStringLiteral("复制 %1 为 %2").arg(source.id, newId), told);
}

Outcome Document::removeItem(int entry) {
    const Category& category = *listCategory_;
    const ListEntry& item = entries_[size_t(entry)];
    std::array<Splices, 2> changes{
        Splices{removeLines(items_, item.headerLine, recordLastLine(item))}, Splices{}};
    const qsizetype opening = nameIndex_.opening(names_, item.id);
    if (opening >= 0 && !idUsedElsewhere(item.id, item.headerLine))
        changes[1].push_back(removeNameRecord(names_, nameRecordAt(names_, opening)));
    return commitStep(std::move(changes), {category.id, item.id, item.headerLine},
                      {category.id, {}, -1}, QStringLiteral("删除 %1").arg(item.id));
}

Outcome Document::renameItem(int entry, const QString& newId) {
    const Category& category = *listCategory_;
    if (Outcome checked = checkNewId(newId, category); !checked.done())
        return checked;
    const ListEntry& item = entries_[size_t(entry)];
    const QByteArray id = *encodeAnsi(newId);
    std::array<Splices, 2> changes{Splices{replaceLines(items_, item.headerLine, item.headerLine,
                                                        {category.headerPrefix + id})},
                                   Splices{}};

    Outcome told;
    const qsizetype opening = nameIndex_.opening(names_, item.id);
    if (nameIndex_.opening(names_, newId) >= 0)
        told = Outcome::noticeOf(Status::NameRecordShared, {}, newId);
    else if (opening >= 0 && idUsedElsewhere(item.id, item.headerLine))
        changes[1].push_back(copyNameRecord(names_, nameRecordAt(names_, opening), id));
    else if (opening >= 0)
        changes[1].push_back(replaceLines(names_, opening, opening, {'<' + id + '>'}));
    return commitStep(std::move(changes), {category.id, item.id, item.headerLine},
                      {category.id, newId, item.headerLine},
                      QStringLiteral("重命名 %1 为 %2").arg(item.id, newId), told);
}

QString Document::idAt(CategoryId category, qsizetype headerLine) const {
    return items_.line(headerLine).mid(wed::category(category).headerPrefix.size());
}

Outcome Document::setFieldTexts(CategoryId category, int field,
                                const std::vector<CellEdit>& cells) {
    const FieldSpec& column = categoryFields(category).fields[size_t(field)];
    struct Change {
        qsizetype line;
        QByteArray bytes;
    };
    std::vector<Change> lines;
    std::vector<StepCell> edited;
    qsizetype skipped = 0;
    for (const CellEdit& cell : cells) {
        const KeyHit hit = readFieldAt(items_, category, cell.headerLine, field);
        if (hit.lineNumber < 1) {
            ++skipped;
            continue;
        }
        FieldLine line = fieldLine(column, cell.text);
        if (!line.accepted()) {
            line.outcome.item = idAt(category, cell.headerLine);
            return line.outcome;
        }
        if (line.line == items_.lineBytes(hit.lineNumber - 1))
            continue; // the cell already says so
        lines.push_back({hit.lineNumber - 1, std::move(line.line)});
        edited.push_back({category, cell.headerLine, field, hit.value, cell.text});
    }
    Outcome told;
    if (skipped > 0) {
        told = Outcome::noticeOf(Status::CellsSkipped);
        told.line = skipped;
    }
    if (lines.empty())
        return told;
    // From the end of the file up, so that each change's offset stands in the bytes it applies
    // to; a file without a final line end gains one, as every save of a line gives it.
    std::sort(lines.begin(), lines.end(),
              [](const Change& a, const Change& b) { return a.line > b.line; });
    Splices changes;
    if (!items_.bytes().endsWith("\r\n"))
        changes.push_back({items_.bytes().size(), {}, QByteArrayLiteral("\r\n")});
    for (Change& change : lines)
        changes.push_back({items_.lineStart(change.line),
                           items_.lineBytes(change.line).toByteArray(), std::move(change.bytes)});
    const QString text = edited.size() == 1
                             ? QStringLiteral("%1 · %2：%3 → %4")
                                   .arg(idAt(category, edited[0].headerLine),
                                        column.caption.trimmed(), edited[0].before, edited[0].after)
                             : QStringLiteral("表格：%1 个物品的%2")
                                   .arg(edited.size())
                                   .arg(column.caption.trimmed());
    const StepPlace nowhere{category, {}, -1};
    return commitStep({std::move(changes), Splices{}}, nowhere, nowhere, text, told,
                      std::move(edited));
}

std::optional<NameRecordText> Document::nameRecordText(int entry) const {
    const NameRecordLines record =
        nameRecordAt(names_, nameIndex_.opening(names_, entries_[size_t(entry)].id));
    if (record.opening < 0)
        return std::nullopt;
    const CategoryFields& layout = categoryFields(listCategory_->id);
    NameRecordText text;
    for (qsizetype i = record.opening + 1, counter = 0; i <= record.last; ++i, ++counter) {
        if (counter == layout.nameLine)
            text.name = names_.line(i).mid(kNameLead);
        if (counter >= layout.firstDescriptionLine)
            text.description.append(names_.line(i));
    }
    return text;
}

Outcome Document::setNameRecordText(int entry, const NameRecordText& text) {
    const Category& category = *listCategory_;
    const ListEntry& item = entries_[size_t(entry)];
    const NameRecordLines record = nameRecordAt(names_, nameIndex_.opening(names_, item.id));
    if (record.opening < 0)
        return refusal(Status::NoNameRecord, item.id);
    if (holdsLineBreak(text.name))
        return refusal(Status::LineBreakInValue);
    QList<QByteArray> description;
    for (const QString& line : text.description) {
        if (line.isEmpty())
            return refusal(Status::EmptyDescriptionLine);
        if (holdsLineBreak(line))
            return refusal(Status::LineBreakInValue);
        const std::optional<QByteArray> bytes = encodeAnsi(line);
        if (!bytes)
            return refusal(Status::Unencodable, firstUnencodable(line));
        description.append(*bytes);
    }
    const std::optional<QByteArray> name = encodeAnsi(text.name);
    if (!name)
        return refusal(Status::Unencodable, firstUnencodable(text.name));

    // The record's lines after its opening line, long enough to reach the name line, and the
    // first description line when there is a description; the first nine characters of the
    // name line stay as they are.
    const CategoryFields& layout = categoryFields(category.id);
    QList<QByteArray> lines = linesOf(names_, record.opening + 1, record.last);
    const qsizetype reach =
        description.isEmpty() ? layout.nameLine + 1 : qsizetype(layout.firstDescriptionLine);
    while (lines.size() < reach)
        lines.append(kFiller);
    QByteArray& nameLine = lines[layout.nameLine];
    QByteArray lead = nameLine.first(ansiBytesOfCharacters(nameLine, kNameLead));
    lead.append(kNameLead - decodeAnsi(lead).size(), ' ');
    nameLine = lead + *name;
    if (lines.size() > layout.firstDescriptionLine)
        lines.resize(layout.firstDescriptionLine);
    lines.append(description);

    const Splice change = record.last > record.opening
                              ? replaceLines(names_, record.opening + 1, record.last, lines)
                              : insertLinesAfter(names_, record.opening, lines);
    const StepPlace place{category.id, item.id, item.headerLine};
    return commitStep({Splices{}, Splices{change}}, place, place,
                      QStringLiteral("%1 的名字和说明").arg(item.id));
}

} // namespace wed
