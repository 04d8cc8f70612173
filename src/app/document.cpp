#include "app/document.h"

#include "app/item_find.h"
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
        notice = Outcome::noticeOf(Status::FileMissing, namePath);
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
    emit itemsChanged(true);
    emit namesChanged();
    return notice;
}

void Document::rebuildList(bool followsChange) {
    ItemList list = listItems(items_, itemIndex_, *listCategory_);
    entries_ = std::move(list.entries);
    entryNames_.reset();
    const int shown = shownEntry_;
    shownEntry_ = -1;
    hiddenEntry_ = -1;
    if (followsChange) {
        // The item shown stays shown, at the entry its record now has.
        const std::optional<PanelItem>& panel = panels_[size_t(listCategory_->id)];
        if (shown >= 0 && listCategory_ == category() && panel)
            shownEntry_ = entryOfHeader(panel->headerLine);
    } else if (list.skillCostRecords > 0) {
        loadSkillCosts();
    }
    applyFind();
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
    shownEntry_ = -1;
    if (shown)
        emit panelsDropped();
}

void Document::clearPanel(CategoryId category) {
    panels_[size_t(category)].reset();
    emit panelCleared(category);
}

qsizetype Document::headerOf(CategoryId category, const QString& id, int ordinal) const {
    const QString header = headerLineOf(category, id);
    for (qsizetype line : itemIndex_.headers(category))
        if (items_.line(line) == header && ordinal-- == 0)
            return line;
    return -1;
}

int Document::entryOfHeader(qsizetype headerLine) const {
    // The entries stand in file order.
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), headerLine,
        [](const ListEntry& entry, qsizetype line) { return entry.headerLine < line; });
    return found != entries_.end() && found->headerLine == headerLine
               ? int(found - entries_.begin())
               : -1;
}

void Document::setFind(const QString& text) {
    findText_ = text;
    applyFind();
    if (text.isEmpty() && shownEntry_ < 0 && hiddenEntry_ >= 0) {
        // The filter had hidden the item shown, and nothing else was chosen since.
        const int entry = hiddenEntry_;
        hiddenEntry_ = -1;
        emit listChanged();
        showItem(entry);
        return;
    }
    emit listChanged();
}

void Document::applyFind() {
    visible_.clear();
    for (int entry = 0; entry < int(entries_.size()); ++entry)
        if (findText_.isEmpty() ||
            findMatches(findText_, entries_[size_t(entry)].id, nameOf(entry)))
            visible_.push_back(entry);
    if (shownEntry_ >= 0 && rowOfEntry(shownEntry_) < 0) {
        hiddenEntry_ = shownEntry_;
        shownEntry_ = -1;
        gateOpen_ = false;
        if (const Category* chosen = category())
            clearPanel(chosen->id);
    }
}

int Document::rowOfEntry(int entry) const {
    const auto found = std::lower_bound(visible_.begin(), visible_.end(), entry);
    return found != visible_.end() && *found == entry ? int(found - visible_.begin()) : -1;
}

const QString& Document::nameOf(int entry) const {
    if (!entryNames_)
        entryNames_ = namesOf(names_, nameIndex_, listCategory_->id, entries_);
    return (*entryNames_)[size_t(entry)];
}

void Document::showItem(int entry) {
    gateOpen_ = false;
    endTyping();
    shownEntry_ = entry;
    hiddenEntry_ = -1;
    ItemShown shown;
    shown.entry = entry;
    shown.selection = true;
    if (const Category* chosen = category()) {
        // A weapon also empties the armor panel, as it always has.
        shown.resetPanels = {chosen->id};
        if (chosen->id == CategoryId::Weapon)
            shown.resetPanels.push_back(CategoryId::Armor);
        for (CategoryId reset : shown.resetPanels)
            panels_[size_t(reset)].reset();
        fillPanel(chosen->id, entry, shown);
    }
    emit itemShown(shown);
    gateOpen_ = true;
}

void Document::showRecord(CategoryId category, int entry) {
    gateOpen_ = false;
    ItemShown shown;
    shown.entry = entry;
    fillPanel(category, entry, shown);
    emit itemShown(shown);
}

void Document::fillPanel(CategoryId category, int entry, ItemShown& shown) {
    shown.category = &wed::category(category);
    if (entry < 0 || size_t(entry) >= entries_.size())
        return;
    const ListEntry& listed = entries_[size_t(entry)];
    // A list built for another category is read as this category's ids.
    const qsizetype header = listCategory_ == shown.category
                                 ? listed.headerLine
                                 : headerOf(category, listed.id, listed.ordinal);
    PanelItem item = panelItem(listed, header, readRecordAt(items_, category, header));
    const bool heand = category == CategoryId::Weapon && listed.id == u"heand";
    shown.picture = picturePath(item.texts[size_t(pictureField(category))], pictureSize_, heand);
    shown.text = readItemText(names_, nameIndex_, category, listed.id);
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
