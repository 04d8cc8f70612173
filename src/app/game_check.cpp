#include "app/game_check.h"

#include "app/document.h"
#include "base/code_page.h"
#include "base/file_bytes.h"
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/item_list.h"
#include "data/numeric_value.h"
#include "data/record_scan.h"
#include "data/record_view.h"
#include "picture/picture_name.h"
#include "picture/tga_file.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace wed {
namespace {

enum class PictureState { Fine, Missing, Broken, Truncated };

struct Picture {
    QString path;
    PictureState state = PictureState::Fine;
};

class Checker {
  public:
    explicit Checker(const GameFiles& files) : files_(files) {}

    std::vector<Problem> run() {
        const bool names = checkNameFile();
        checkLines(files_.itemPath, *files_.items);
        if (names)
            checkLines(files_.namePath, *files_.names);
        for (const Category& c : categories())
            checkCategory(c, names);
        // weapon.cfg first, then the name file; each in line order, the whole file first.
        std::stable_sort(problems_.begin(), problems_.end(),
                         [&](const Problem& a, const Problem& b) {
                             const bool aNames = a.what.path != files_.itemPath;
                             const bool bNames = b.what.path != files_.itemPath;
                             return aNames != bNames ? bNames : a.what.line < b.what.line;
                         });
        return std::move(problems_);
    }

  private:
    void add(Status status, const QString& path, qsizetype line, QString detail,
             const Category* category = nullptr, qsizetype header = -1) {
        Outcome what = Outcome::of(status, path, std::move(detail));
        what.line = line;
        what.effect = Effect::Noted;
        problems_.push_back({std::move(what), category ? category->id : CategoryId::Weapon,
                             category ? header : -1});
    }

    // True when the names can be looked up: the file was read and is not empty.
    bool checkNameFile() {
        if (files_.nameRead.status != Status::Done) {
            add(files_.nameRead.status, files_.namePath, 0, files_.nameRead.detail);
            return false;
        }
        if (files_.names->bytes().isEmpty()) {
            add(Status::EmptyFile, files_.namePath, 0, {});
            return false;
        }
        return true;
    }

    void checkLines(const QString& path, const LineBuffer& lines) {
        for (qsizetype i = 0, n = lines.lineCount(); i < n; ++i)
            if (!decodesCleanly(lines.lineBytes(i)))
                add(Status::Undecodable, path, i + 1, {});
    }

    void checkCategory(const Category& c, bool names) {
        const LineBuffer& items = *files_.items;
        const CategoryFields& table = categoryFields(c.id);
        const std::vector<ListEntry> listed = listItems(items, *files_.itemIndex, c).entries;
        auto nextListed = listed.begin();
        QHash<QString, qsizetype> firstOf;
        for (const qsizetype header : files_.itemIndex->headers(c.id)) {
            const QString id = decodeAnsi(items.lineBytes(header).sliced(c.headerPrefix.size()));
            if (firstOf.contains(id))
                add(Status::DuplicateId, files_.itemPath, header + 1, id, &c, header);
            else
                firstOf.insert(id, header);
            if (!isRecordEndLine(items.lineBytes(recordLastLine(items, header, table.endRule)),
                                 table.endRule))
                add(Status::NoEndLine, files_.itemPath, header + 1, id, &c, header);
            const ItemRecord record = readRecordAt(items, c.id, header);
            for (size_t i = 0; i < table.fields.size(); ++i)
                checkValue(table.fields[i], record.fields[i], c, header);
            if (nextListed != listed.end() && nextListed->headerLine == header) {
                ++nextListed;
                if (names && !readItemText(*files_.names, *files_.nameIndex, c.id, id).name)
                    add(Status::NoName, files_.itemPath, header + 1, id, &c, header);
                checkPictures(c, id, header, record);
            }
        }
    }

    void checkValue(const FieldSpec& field, const KeyHit& hit, const Category& c,
                    qsizetype header) {
        if (hit.lineNumber < 1)
            return;
        const QString line = QString::fromLatin1(field.key) + hit.value;
        if (field.kind == FieldKind::ClassChoice) {
            if (hit.value.size() != 1 || hit.value[0] < u'0' || hit.value[0] > u'5')
                add(Status::ClassNotDigit, files_.itemPath, hit.lineNumber, line, &c, header);
        } else if (field.numeric() && !isNumber(hit.value)) {
            add(Status::NotANumber, files_.itemPath, hit.lineNumber, line, &c, header);
        }
        if (field.pair() && !hit.value.contains(u' '))
            add(Status::PairWithoutBlank, files_.itemPath, hit.lineNumber, line, &c, header);
    }

    // Both pictures of a listed item, named from its VidMENU value as the item view names them.
    void checkPictures(const Category& c, const QString& id, qsizetype header,
                       const ItemRecord& record) {
        const CategoryFields& table = categoryFields(c.id);
        const auto field = std::find_if(table.fields.begin(), table.fields.end(), [&](auto& f) {
            return qstrcmp(f.control, table.pictureControl) == 0;
        });
        const KeyHit& vidMenu = record.fields[size_t(field - table.fields.begin())];
        const bool heand = heandRecordHeader(headerLineOf(c.id, id));
        const qsizetype line = vidMenu.lineNumber > 0 ? vidMenu.lineNumber : header + 1;
        if (vidMenu.lineNumber < 1 && !heand) {
            add(Status::PictureUnnamed, files_.itemPath, line, {}, &c, header);
            return;
        }
        QString previous;
        for (const PictureSize size : {PictureSize::Small, PictureSize::Large}) {
            const std::optional<QString> name = pictureFileName(vidMenu.value, size, heand);
            if (!name) {
                add(Status::PictureUnnamed, files_.itemPath, line, vidMenu.value, &c, header);
                continue;
            }
            if (*name == previous) // both sizes are one file
                continue;
            previous = *name;
            const Picture& picture = pictureNamed(*name);
            if (picture.state == PictureState::Missing)
                add(Status::PictureMissing, files_.itemPath, line, picture.path, &c, header);
            else if (picture.state == PictureState::Broken)
                add(Status::PictureBroken, files_.itemPath, line, picture.path, &c, header);
            else if (picture.state == PictureState::Truncated)
                add(Status::PictureTruncated, files_.itemPath, line, picture.path, &c, header);
        }
    }

    // Each picture file is found and decoded once, however many items show it.
    const Picture& pictureNamed(const QString& name) {
        auto found = pictures_.find(name);
        if (found != pictures_.end())
            return *found;
        Picture picture{resolvePathIgnoringCase(files_.pictureFolder, name)};
        if (!QFileInfo::exists(picture.path))
            picture.state = PictureState::Missing;
        else if (const TgaPixels decoded = readTgaFile(picture.path); !decoded.decoded())
            picture.state = PictureState::Broken;
        else if (decoded.truncated)
            picture.state = PictureState::Truncated;
        return *pictures_.insert(name, picture);
    }

    const GameFiles& files_;
    std::vector<Problem> problems_;
    QHash<QString, Picture> pictures_;
};

} // namespace

const char* problemCode(Status status) {
    switch (status) {
    case Status::DuplicateId:
        return "duplicate-id";
    case Status::ClassNotDigit:
        return "class-not-digit";
    case Status::NotANumber:
        return "not-a-number";
    case Status::PairWithoutBlank:
        return "pair-without-blank";
    case Status::NoEndLine:
        return "no-end-line";
    case Status::NoName:
        return "no-name";
    case Status::PictureMissing:
        return "picture-missing";
    case Status::PictureUnnamed:
        return "picture-unnamed";
    case Status::PictureBroken:
        return "picture-broken";
    case Status::PictureTruncated:
        return "picture-truncated";
    case Status::Undecodable:
        return "undecodable";
    case Status::FileMissing:
        return "name-file-missing";
    case Status::EmptyFile:
        return "name-file-empty";
    default:
        return "name-file-unreadable";
    }
}

GameFiles filesOf(const Document& document) {
    return {document.itemFilePath(), &document.items(),       &document.itemIndex(),
            document.nameFilePath(), &document.names(),       &document.nameIndex(),
            document.nameFileRead(), document.pictureFolder()};
}

Outcome GameReading::read(const QString& itemFilePath) {
    FileRead items = readFile(itemFilePath);
    if (!items.outcome.done())
        return items.outcome;
    itemPath_ = itemFilePath;
    namePath_ = nameFilePathFor(itemFilePath);
    FileRead names = readFile(namePath_);
    nameRead_ = names.outcome;
    items_.setBytes(std::move(items.bytes));
    names_.setBytes(std::move(names.bytes));
    itemIndex_.rebuild(items_);
    nameIndex_.rebuild(names_);
    return {};
}

GameFiles GameReading::files() const {
    return {itemPath_, &items_,     &itemIndex_, namePath_,
            &names_,   &nameIndex_, nameRead_,   pictureFolderFor(itemPath_)};
}

std::vector<Problem> checkGame(const GameFiles& files) {
    return Checker(files).run();
}

} // namespace wed
