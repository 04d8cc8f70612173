#include "game/game_data.h"

#include "base/code_page.h"
#include "base/file_bytes.h"
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/record_scan.h"
#include "edit/line_splices.h"

#include <QFileInfo>
#include <QHash>

namespace wed {
namespace {

const QString kItemFile = QStringLiteral("weapon.cfg");
const QString kNameFile = QStringLiteral("Text/Weapon.txt");
const QString kPictureFolder = QStringLiteral("Images/weapon");

// A game file's bytes, or why they cannot be read. Lines end at CR LF only: a file whose line
// ends are another system's would read as one line, so no item would be found in it and a
// save would add what it has; it is refused.
FileRead readGameFile(const QString& path) {
    FileRead file = readFile(path);
    if (file.outcome.done() && lacksCrLf(file.bytes))
        file.outcome = Outcome::of(Status::NotCrLf, path);
    return file;
}

} // namespace

QString nameFilePathFor(const QString& itemFilePath) {
    return resolvePathIgnoringCase(QFileInfo(itemFilePath).absolutePath(), kNameFile);
}

QString pictureFolderFor(const QString& itemFilePath) {
    return resolvePathIgnoringCase(QFileInfo(itemFilePath).absolutePath(), kPictureFolder);
}

QString itemFileIn(const QString& folder) {
    return resolvePathIgnoringCase(folder, kItemFile);
}

GameData::GameData()
    // Until a folder's files are read, each buffer holds its own name.
    : items_(QByteArrayLiteral("Text00\r\n")), names_(QByteArrayLiteral("Text01\r\n")) {}

Outcome GameData::read(const QString& itemFilePath, bool namesNeeded) {
    FileRead itemFile = readGameFile(itemFilePath);
    if (!itemFile.outcome.done())
        return itemFile.outcome;
    const QString namePath = nameFilePathFor(itemFilePath);
    Outcome notice;
    FileRead nameFile;
    if (!QFileInfo::exists(namePath)) {
        notice = Outcome::noticeOf(Status::FileMissing, namePath);
        notice.effect = Effect::NamesEmpty;
    } else if (nameFile = readGameFile(namePath); !nameFile.outcome.done()) {
        if (namesNeeded)
            return nameFile.outcome;
        notice = nameFile.outcome;
        nameFile.bytes.clear();
    }
    itemFilePath_ = itemFilePath;
    nameFilePath_ = namePath;
    nameFileRead_ = notice;
    if (!notice.notice)
        notice = {};
    items_.setBytes(std::move(itemFile.bytes));
    names_.setBytes(std::move(nameFile.bytes));
    itemIndex_.rebuild(items_);
    nameIndex_.rebuild(names_);
    headerLinesMoved();
    return notice;
}

QString GameData::folder() const {
    return itemFilePath_.isEmpty() ? QString() : QFileInfo(itemFilePath_).absolutePath();
}

QString GameData::pictureFolder() const {
    return isOpen() ? pictureFolderFor(itemFilePath_) : QString();
}

ItemList GameData::listed(CategoryId category) const {
    return listItems(items_, itemIndex_, wed::category(category));
}

std::vector<RecordEntry> GameData::records(CategoryId category) const {
    const QByteArray& prefix = wed::category(category).headerPrefix;
    const std::vector<qsizetype>& headers = itemIndex_.headers(category);
    std::vector<RecordEntry> found;
    found.reserve(headers.size());
    QHash<QByteArrayView, int> seen;
    seen.reserve(qsizetype(headers.size()));
    const qsizetype fileLast = lastLineOf(items_);
    const EndRule rule = categoryFields(category).endRule;
    for (qsizetype header : headers) {
        const QByteArrayView id = items_.lineBytes(header).sliced(prefix.size());
        const int occurrence = ++seen[id];
        found.push_back({{category, decodeAnsi(id), occurrence},
                         header,
                         std::min(recordLastLine(items_, header, rule), fileLast)});
    }
    return found;
}

qsizetype GameData::headerOf(const ItemRef& ref) const {
    if (ref.occurrence < 1)
        return -1;
    const QByteArray& prefix = wed::category(ref.category).headerPrefix;
    const std::optional<QByteArray> id = encodeAnsi(ref.id);
    const QByteArray header = prefix + id.value_or(QByteArray());
    if (const HeaderTable* table = id ? headerTableForLookup() : nullptr)
        return table->find(items_, header, ref.occurrence);
    int occurrence = ref.occurrence;
    for (qsizetype line : itemIndex_.headers(ref.category)) {
        const QByteArrayView bytes = items_.lineBytes(line);
        // An id the code page cannot encode is known by its decoded text.
        const bool same = id ? bytes == header : decodeAnsi(bytes.sliced(prefix.size())) == ref.id;
        if (same && --occurrence == 0)
            return line;
    }
    return -1;
}

ItemRef GameData::refAt(CategoryId category, qsizetype header) const {
    const QByteArrayView line = items_.lineBytes(header);
    int occurrence = 0;
    if (const HeaderTable* table = headerTableForLookup()) {
        occurrence = table->occurrenceAt(items_, header);
    } else {
        for (qsizetype other : itemIndex_.headers(category)) {
            if (other > header)
                break;
            if (items_.lineBytes(other) == line)
                ++occurrence;
        }
    }
    return {category, decodeAnsi(line.sliced(wed::category(category).headerPrefix.size())),
            occurrence};
}

qsizetype GameData::recordLast(CategoryId category, qsizetype header) const {
    return std::min(recordLastLine(items_, header, categoryFields(category).endRule),
                    lastLineOf(items_));
}

std::optional<Lines> GameData::recordLines(const ItemRef& ref) const {
    const qsizetype header = headerOf(ref);
    if (header < 0)
        return std::nullopt;
    return recordLinesAt(ref.category, header);
}

Lines GameData::recordLinesAt(CategoryId category, qsizetype header) const {
    Lines lines;
    for (qsizetype i = header, last = recordLast(category, header); i <= last; ++i)
        lines.append(items_.lineBytes(i).toByteArray());
    return lines;
}

QByteArrayView GameData::recordBytes(const RecordEntry& record) const {
    const qsizetype begin = items_.lineStart(record.header);
    return QByteArrayView(items_.bytes())
        .sliced(begin,
                items_.lineStart(record.last) + items_.lineBytes(record.last).size() - begin);
}

QByteArrayView GameData::nameRecordBytes(const NameRecordLines& record) const {
    const qsizetype begin = names_.lineStart(record.opening);
    return QByteArrayView(names_.bytes())
        .sliced(begin,
                names_.lineStart(record.last) + names_.lineBytes(record.last).size() - begin);
}

void GameData::headerLinesMoved() {
    headerTable_.reset();
    headersScanned_ = false;
}

const HeaderTable* GameData::headerTableForLookup() const {
    if (!headerTable_ && !headersScanned_) {
        headersScanned_ = true;
        return nullptr;
    }
    return &headerTable();
}

const HeaderTable& GameData::headerTable() const {
    if (!headerTable_)
        headerTable_ = std::make_shared<const HeaderTable>(items_, itemIndex_);
    return *headerTable_;
}

std::vector<qsizetype> RecordLookup::headersOf(const std::vector<const ItemRef*>& refs) const {
    // All the header lines in one buffer: a lookup of each costs no allocation of its own.
    QByteArray lines;
    std::vector<std::pair<qsizetype, qsizetype>> spans(refs.size(), {0, -1});
    for (size_t i = 0; i < refs.size(); ++i) {
        const ItemRef& ref = *refs[i];
        const qsizetype start = lines.size();
        lines += category(ref.category).headerPrefix;
        const qsizetype idStart = lines.size();
        for (const QChar c : ref.id)
            if (c.unicode() < 0x80)
                lines += char(c.unicode());
        if (lines.size() - idStart < ref.id.size()) { // not all ASCII
            lines.truncate(idStart);
            const std::optional<QByteArray> id = encodeAnsi(ref.id);
            if (!id) {
                lines.truncate(start);
                continue;
            }
            lines += *id;
        }
        spans[i] = {start, lines.size() - start};
    }
    std::vector<HeaderTable::Query> queries(refs.size());
    for (size_t i = 0; i < refs.size(); ++i)
        if (spans[i].second > 0)
            queries[i] = {QByteArrayView(lines).sliced(spans[i].first, spans[i].second),
                          refs[i]->occurrence};
    std::vector<qsizetype> found = headers_.findAll(game_.items(), queries);
    for (size_t i = 0; i < refs.size(); ++i)
        if (spans[i].second < 0)
            found[i] = game_.headerOf(*refs[i]);
    return found;
}

ItemRecord GameData::record(CategoryId category, qsizetype header) const {
    return readRecordAt(items_, category, header);
}

qsizetype GameData::keyLine(CategoryId category, qsizetype header, QByteArrayView key,
                            int occurrence) const {
    return keyLineIn(items_, header, categoryFields(category).endRule, key, occurrence);
}

int GameData::keyOccurrence(CategoryId category, qsizetype header, QByteArrayView key,
                            qsizetype line) const {
    return keyOccurrenceIn(items_, header, categoryFields(category).endRule, key, line);
}

std::optional<QByteArray> GameData::value(const ItemRef& ref, QByteArrayView key,
                                          int occurrence) const {
    const qsizetype line = keyLine(ref.category, headerOf(ref), key, occurrence);
    if (line < 0)
        return std::nullopt;
    return items_.lineBytes(line).sliced(key.size() + 1).toByteArray();
}

NameRecordLines GameData::nameRecord(QStringView id) const {
    return nameRecordFrom(names_, nameIndex_.opening(names_, id));
}

std::optional<Lines> GameData::nameRecordLines(QStringView id) const {
    const NameRecordLines record = nameRecord(id);
    if (record.opening < 0)
        return std::nullopt;
    Lines lines;
    for (qsizetype i = record.opening; i <= record.last; ++i)
        lines.append(names_.lineBytes(i).toByteArray());
    return lines;
}

ItemText GameData::itemText(CategoryId category, QStringView id) const {
    return readItemTextAt(names_, category, nameIndex_.opening(names_, id));
}

bool GameData::idUsedElsewhere(QStringView id, CategoryId category, qsizetype header) const {
    for (const Category& c : categories())
        for (qsizetype line : itemIndex_.headers(c.id))
            if (!(c.id == category && line == header) &&
                items_.line(line).mid(c.headerPrefix.size()) == id)
                return true;
    return false;
}

} // namespace wed
