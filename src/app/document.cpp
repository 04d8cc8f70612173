#include "app/document.h"

#include "base/code_page.h"
#include "base/file_bytes.h"
#include "base/path_case.h"
#include "data/item_fields.h"

#include <QFileInfo>
#include <algorithm>

namespace wed {
namespace {

const QString kNameFile = QStringLiteral("Text/Weapon.txt");
const QString kPictureFolder = QStringLiteral("Images/weapon");
const QString kNone = QStringLiteral("无");

int pictureField(CategoryId category) {
    const CategoryFields& table = categoryFields(category);
    for (size_t i = 0; i < table.fields.size(); ++i)
        if (qstrcmp(table.fields[i].control, table.pictureControl) == 0)
            return int(i);
    return -1;
}

Outcome listKept(Outcome outcome) {
    outcome.effect = Effect::ListKept;
    return outcome;
}

PanelItem panelItem(const ListEntry& entry, qsizetype header, ItemRecord record) {
    PanelItem item{entry.id, entry.ordinal, header, std::move(record.fields), {}};
    for (const KeyHit& hit : item.fields)
        item.texts.push_back(hit.lineNumber > 0 ? hit.value : kNone);
    return item;
}

} // namespace

Document::Document(QObject* parent)
    : QObject(parent), categoryWord_(wed::category(CategoryId::Weapon).word),
      // Until a folder's files are read, each buffer holds its own name.
      items_(QByteArrayLiteral("Text00\r\n")), names_(QByteArrayLiteral("Text01\r\n")) {}

Document::~Document() {
    // The steps refer to the document; let them go while it is whole.
    history_.clear();
}

void Document::setCategoryWord(const QString& word) {
    categoryWord_ = word;
}

QString nameFilePathFor(const QString& itemFilePath) {
    return resolvePathIgnoringCase(QFileInfo(itemFilePath).absolutePath(), kNameFile);
}

QString pictureFolderFor(const QString& itemFilePath) {
    return resolvePathIgnoringCase(QFileInfo(itemFilePath).absolutePath(), kPictureFolder);
}

QString Document::gameFolder() const {
    return itemFilePath_.isEmpty() ? QString() : QFileInfo(itemFilePath_).absolutePath();
}

QString Document::pictureFolder() const {
    return isOpen() ? pictureFolderFor(itemFilePath_) : QString();
}

Outcome Document::open(const QString& itemFilePath) {
    const Category* chosen = category();
    if (!chosen)
        return listKept(Outcome::of(Status::UnknownCategory));
    if (itemFilePath.isEmpty())
        return listKept(Outcome::of(Status::NoFileChosen));
    FileRead itemFile = readFile(itemFilePath);
    if (!itemFile.outcome.done())
        return listKept(itemFile.outcome);

    const QString namePath = nameFilePathFor(itemFilePath);
    Outcome notice;
    FileRead nameFile;
    if (!QFileInfo::exists(namePath)) {
        notice = Outcome::of(Status::FileMissing, namePath);
        notice.effect = Effect::NamesEmpty;
    } else if (nameFile = readFile(namePath); !nameFile.outcome.done()) {
        return listKept(nameFile.outcome);
    }

    // The history and the panels' line numbers belong to the bytes they were made on. With
    // neither, there is nothing to keep, and no need to compare the files.
    const bool kept =
        history_.count() > 0 ||
        std::any_of(panels_.begin(), panels_.end(), [](const auto& p) { return p.has_value(); });
    const bool same = kept && itemFilePath == itemFilePath_ && namePath == nameFilePath_ &&
                      itemFile.bytes == items_.bytes() && nameFile.bytes == names_.bytes();
    if (!same) {
        history_.clear();
        dropPanels();
    }
    itemFilePath_ = itemFilePath;
    nameFilePath_ = namePath;
    nameFileRead_ = notice;
    items_.setBytes(std::move(itemFile.bytes));
    names_.setBytes(std::move(nameFile.bytes));
    itemIndex_.rebuild(items_);
    nameIndex_.rebuild(names_);
    listCategory_ = chosen;
    rebuildList();
    return notice;
}

void Document::rebuildList(bool followsChange) {
    ItemList list = listItems(items_, itemIndex_, *listCategory_);
    entries_ = std::move(list.entries);
    const int shownRow = shownRow_;
    shownRow_ = -1;
    if (followsChange) {
        // The item shown stays shown, at the row its record now has.
        const std::optional<PanelItem>& shown = panels_[size_t(listCategory_->id)];
        if (shownRow >= 0 && listCategory_ == category() && shown)
            shownRow_ = rowOfHeader(shown->headerLine);
    } else if (list.skillCostRecords > 0) {
        loadSkillCosts();
    }
    emit listChanged();
}

void Document::loadSkillCosts() {
    // Reading the skill costs closes the gate; it stays closed until an item is shown.
    gateOpen_ = false;
    LoadSkillCosts(items_, headerOf(CategoryId::Implant, QLatin1String(kSkillCostId), 0),
                   skillCosts_);
}

void Document::dropPanels() {
    bool shown = false;
    for (auto& panel : panels_) {
        shown = shown || panel.has_value();
        panel.reset();
    }
    shownRow_ = -1;
    if (shown)
        emit panelsDropped();
}

qsizetype Document::headerOf(CategoryId category, const QString& id, int ordinal) const {
    const QString header = headerLineOf(category, id);
    for (qsizetype line : itemIndex_.headers(category))
        if (items_.line(line) == header && ordinal-- == 0)
            return line;
    return -1;
}

int Document::rowOfHeader(qsizetype headerLine) const {
    // The entries stand in file order.
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), headerLine,
        [](const ListEntry& entry, qsizetype line) { return entry.headerLine < line; });
    return found != entries_.end() && found->headerLine == headerLine
               ? int(found - entries_.begin())
               : -1;
}

void Document::showItem(int row) {
    gateOpen_ = false;
    endTyping();
    shownRow_ = row;
    ItemShown shown;
    shown.row = row;
    shown.selection = true;
    if (const Category* chosen = category()) {
        // A weapon also empties the armor panel, as it always has.
        shown.resetPanels = {chosen->id};
        if (chosen->id == CategoryId::Weapon)
            shown.resetPanels.push_back(CategoryId::Armor);
        for (CategoryId reset : shown.resetPanels)
            panels_[size_t(reset)].reset();
        fillPanel(chosen->id, row, shown);
    }
    emit itemShown(shown);
    gateOpen_ = true;
}

void Document::showRecord(CategoryId category, int row) {
    gateOpen_ = false;
    ItemShown shown;
    shown.row = row;
    fillPanel(category, row, shown);
    emit itemShown(shown);
}

void Document::fillPanel(CategoryId category, int row, ItemShown& shown) {
    shown.category = &wed::category(category);
    if (row < 0 || size_t(row) >= entries_.size())
        return;
    const ListEntry& entry = entries_[size_t(row)];
    // A list built for another category is read as this category's ids.
    const qsizetype header = listCategory_ == shown.category
                                 ? entry.headerLine
                                 : headerOf(category, entry.id, entry.ordinal);
    PanelItem item = panelItem(entry, header, readRecordAt(items_, category, header));
    const bool heand = category == CategoryId::Weapon && entry.id == u"heand";
    shown.picture = picturePath(item.texts[size_t(pictureField(category))], pictureSize_, heand);
    shown.text = readItemText(names_, nameIndex_, category, entry.id);
    panels_[size_t(category)] = std::move(item);
}

std::optional<QString> Document::picturePath(QStringView vidMenu, PictureSize size,
                                             bool heand) const {
    const std::optional<QString> name = pictureFileName(vidMenu, size, heand);
    const QString folder = pictureFolder();
    if (!name || folder.isEmpty())
        return std::nullopt;
    return resolvePathIgnoringCase(folder, *name);
}

} // namespace wed
