// The committed sample game folder: that it is exactly what the generator makes, and that it
// has the shape of a real game folder the editor can open.
#include "app/category.h"
#include "app/item_list.h"
#include "app/line_buffer.h"
#include "app/path_case.h"
#include "data/item_fields.h"
#include "image/picture_name.h"
#include "image/tga_decoder.h"
#include "sample_game.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace wed {
namespace {

const QString kSample = QStringLiteral(WED_SAMPLE_DIR);
const QString kSeparator = QStringLiteral(";**************************");

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under the folder, by its path relative to the folder.
std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readBytes(path);
    }
    return files;
}

// A lone CR or LF, or a last line without its CR LF.
bool onlyCrLfLineEnds(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return bytes.endsWith("\r\n");
}

// Decodes GBK strictly: none when a byte sequence is not GBK.
std::optional<QString> strictGbk(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// One record of weapon.cfg: its header line index, id and the lines up to its end line.
struct Record {
    CategoryId category;
    QString id;
    QStringList lines; // key lines and anything else inside the record
    QString endLine;   // empty when the record runs to the next header or the file's end
};

std::vector<Record> recordsOf(const QStringList& lines) {
    std::vector<Record> records;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const Category& c : categories()) {
            if (!lines[i].startsWith(QLatin1String(c.headerPrefix)))
                continue;
            Record r{c.id, lines[i].mid(c.headerPrefix.size()), {}, {}};
            for (++i; i < lines.size() && !isRecordHeaderLine(lines[i].toLatin1()); ++i) {
                const bool ends = c.id == CategoryId::Implant
                                      ? lines[i].startsWith(QLatin1String(";**"))
                                      : lines[i] == kSeparator;
                if (ends) {
                    r.endLine = lines[i];
                    break;
                }
                r.lines.append(lines[i]);
            }
            records.push_back(r);
            break;
        }
    }
    return records;
}

// False for the skill-cost record and the implant records the editor never offers.
bool isListed(const Record& r) {
    return r.category != CategoryId::Implant ||
           !(excludedImplantNames().contains(r.id) || r.id == QLatin1String(kSkillCostId));
}

// The text a record view compares with the start of a line for the key: the bare key, but
// the whole literal with its "=" for the three keys that are matched so.
QString matchText(const QByteArray& key) {
    static const std::set<QByteArray> withEquals{"Add_level=", "Damage=", "Hp="};
    return QString::fromLatin1(withEquals.count(key) ? key : key.chopped(1));
}

class SampleFolder : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        itemBytes_ = new QByteArray(readBytes(kSample + QStringLiteral("/weapon.cfg")));
        nameBytes_ = new QByteArray(
            readBytes(resolvePathIgnoringCase(kSample, QStringLiteral("Text/Weapon.txt"))));
    }
    static void TearDownTestSuite() {
        delete itemBytes_;
        delete nameBytes_;
    }
    static QStringList itemLines() {
        return strictGbk(*itemBytes_).value_or(QString()).split(QStringLiteral("\r\n"));
    }
    static QStringList nameLines() {
        return strictGbk(*nameBytes_).value_or(QString()).split(QStringLiteral("\r\n"));
    }
    static QStringList listed(CategoryId id) {
        return listItemIds(LineBuffer(*itemBytes_), category(id));
    }

    static QByteArray* itemBytes_;
    static QByteArray* nameBytes_;
};
QByteArray* SampleFolder::itemBytes_ = nullptr;
QByteArray* SampleFolder::nameBytes_ = nullptr;

TEST_F(SampleFolder, IsExactlyWhatTheGeneratorWrites) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(sample::writeSampleGame(out.path()), QString());
    const auto written = filesUnder(out.path());
    auto committed = filesUnder(kSample);
    ASSERT_GT(committed.size(), 100u) << "sample folder missing at " << kSample.toStdString();
    for (const auto& [path, bytes] : written) {
        EXPECT_TRUE(committed.count(path)) << "not committed: " << path.toStdString();
        EXPECT_TRUE(committed[path] == bytes)
            << "differs from the generator: " << path.toStdString();
    }
    for (const auto& [path, bytes] : committed)
        EXPECT_TRUE(written.count(path)) << "not made by the generator: " << path.toStdString();
}

TEST_F(SampleFolder, GeneratorGivesTheSameBytesEveryRun) {
    const auto first = sample::makeSampleGame();
    const auto second = sample::makeSampleGame();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].path, second[i].path);
        EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].path.toStdString();
    }
}

TEST_F(SampleFolder, TextFilesAreGbkWithCrLfLineEnds) {
    for (const QByteArray* bytes : {itemBytes_, nameBytes_}) {
        ASSERT_FALSE(bytes->isEmpty());
        EXPECT_TRUE(onlyCrLfLineEnds(*bytes));
        const std::optional<QString> text = strictGbk(*bytes);
        ASSERT_TRUE(text.has_value());
        EXPECT_TRUE(text->contains(QChar(0x6B66)) || text->contains(QChar(0x540D))); // Chinese
    }
    const qsizetype lines = LineBuffer(*itemBytes_).lineCount();
    EXPECT_GE(lines, 2900);
    EXPECT_LE(lines, 3100);
}

TEST_F(SampleFolder, ListsEveryCategoryWithUniqueIdsAndNoSpecialRecords) {
    const std::map<CategoryId, int> least{
        {CategoryId::Weapon, 60}, {CategoryId::Armor, 30}, {CategoryId::Implant, 25}};
    for (const auto& [id, count] : least) {
        const QStringList ids = listed(id);
        EXPECT_GE(ids.size(), count);
        EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
        EXPECT_FALSE(ids.contains(QStringLiteral("ImplantSkillsCost")));
        for (const QString& excluded : excludedImplantNames())
            EXPECT_FALSE(ids.contains(excluded));
    }
    EXPECT_TRUE(listed(CategoryId::Weapon).contains(QStringLiteral("heand")));
}

TEST_F(SampleFolder, HoldsTheSpecialRecordsAndCommentLines) {
    const QStringList lines = itemLines();
    QStringList implantHeaders;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("Implant=")))
            implantHeaders.append(line.mid(8));
    for (const QString& excluded : excludedImplantNames())
        EXPECT_EQ(implantHeaders.count(excluded), 1) << excluded.toStdString();
    EXPECT_EQ(lines.count(QStringLiteral("Weapon=heand")), 1);
    EXPECT_GT(lines.filter(QRegularExpression(QStringLiteral("^;"))).size(), 150);

    int costRecords = 0;
    for (const Record& r : recordsOf(lines)) {
        if (r.id != QLatin1String("ImplantSkillsCost"))
            continue;
        ++costRecords;
        for (const char* key : {"Health=", "Strength=", "Speed=", "Accuracy=", "Intelligence="})
            EXPECT_EQ(
                r.lines.filter(QRegularExpression(QStringLiteral("^%1\\d+$").arg(key))).size(), 1)
                << key;
        EXPECT_TRUE(r.endLine.startsWith(QLatin1String(";**")));
    }
    EXPECT_EQ(costRecords, 1);
}

// Every listed record holds each key of its category once, no other line that a key's match
// text would take, at least one key the editor does not show, and its proper end line.
TEST_F(SampleFolder, RecordsHoldEveryKeyOnceAndEndProperly) {
    int records = 0;
    for (const Record& r : recordsOf(itemLines())) {
        if (!isListed(r))
            continue;
        ++records;
        const std::string where = r.id.toStdString();
        QStringList unclaimed = r.lines;
        for (const FieldSpec& f : categoryFields(r.category).fields) {
            const QString key = QString::fromLatin1(f.key);
            EXPECT_EQ(r.lines.filter(QRegularExpression(QStringLiteral("^") + key)).size(), 1)
                << where << " " << f.key.constData();
            EXPECT_EQ(
                r.lines.filter(QRegularExpression(QStringLiteral("^") + matchText(f.key))).size(),
                1)
                << where << " " << f.key.constData();
            unclaimed.removeIf([&](const QString& line) { return line.startsWith(key); });
        }
        EXPECT_FALSE(unclaimed.filter(QRegularExpression(QStringLiteral("^\\w+="))).isEmpty())
            << where;
        if (r.category == CategoryId::Implant)
            EXPECT_TRUE(r.endLine.startsWith(QLatin1String(";**"))) << where;
        else
            EXPECT_EQ(r.endLine, kSeparator) << where;
    }
    EXPECT_GE(records, 115);
}

// The name line and the description lines stand where the editor reads them, for each
// category, and the name starts at the tenth character of its line.
TEST_F(SampleFolder, EveryItemHasANameRecordWhereTheViewsReadIt) {
    const QStringList lines = nameLines();
    for (const Category& c : categories()) {
        const CategoryFields& fields = categoryFields(c.id);
        for (const QString& id : listed(c.id)) {
            const std::string where = id.toStdString();
            const qsizetype open = lines.indexOf(QLatin1Char('<') + id + QLatin1Char('>'));
            ASSERT_GE(open, 0) << where;
            EXPECT_EQ(lines.lastIndexOf(QLatin1Char('<') + id + QLatin1Char('>')), open) << where;
            const qsizetype end = lines.indexOf(QString(), open);
            ASSERT_GT(end, open) << where;
            const QStringList record = lines.mid(open + 1, end - open - 1);
            ASSERT_GT(record.size(), fields.firstDescriptionLine) << where;
            const QString nameLine = record[fields.nameLine];
            EXPECT_GE(nameLine.size(), 10) << where;
            EXPECT_FALSE(nameLine.at(9).isSpace()) << where;
            EXPECT_TRUE(nameLine.left(9).endsWith(QLatin1Char(' '))) << where;
        }
    }
}

// The picture for an item, as the editor names and finds it.
QString picturePath(const QString& vidMenu, PictureSize size, bool heand) {
    const std::optional<QString> name = pictureFileName(vidMenu, size, heand);
    return name ? resolvePathIgnoringCase(kSample, QStringLiteral("Images/weapon/") + *name)
                : QString();
}

QString vidMenuOf(const Record& r) {
    const QStringList found = r.lines.filter(QRegularExpression(QStringLiteral("^VidMENU=")));
    return found.isEmpty() ? QString() : found.front().mid(8);
}

// Walks the pixel stream of an uncompressed or run-length TGA and says whether it holds
// exactly width x height pixels and ends where the file ends.
bool pixelStreamFillsTheFile(const QByteArray& file, const TgaHeader& h) {
    qsizetype at = h.pixelDataOffset();
    const qsizetype pixels = qsizetype(h.Width) * h.Height, bpp = h.pixelBytes();
    if (!h.runLength())
        return at + pixels * bpp == file.size();
    for (qsizetype done = 0; done < pixels;) {
        if (at >= file.size())
            return false;
        const auto packet = quint8(file[at++]);
        const qsizetype count = (packet & 0x7F) + 1;
        at += packet & 0x80 ? bpp : count * bpp;
        done += count;
        if (done > pixels)
            return false;
    }
    return at == file.size();
}

TEST_F(SampleFolder, EveryListedItemHasASmallAndALargePictureTheEditorDecodes) {
    std::set<QString> used;
    std::set<std::tuple<int, int, bool>> layouts; // image type, depth, top-down
    for (const Record& r : recordsOf(itemLines())) {
        if (!isListed(r))
            continue;
        for (const PictureSize size : {PictureSize::Small, PictureSize::Large}) {
            const bool heand = r.category == CategoryId::Weapon && r.id == QLatin1String("heand");
            const QString path = picturePath(vidMenuOf(r), size, heand);
            const std::string where = r.id.toStdString() + " " + path.toStdString();
            const QByteArray bytes = readBytes(path);
            ASSERT_FALSE(bytes.isEmpty()) << where;
            const TgaImage tga = decodeTga(bytes);
            ASSERT_TRUE(tga.header && !tga.image.isNull()) << where;
            EXPECT_TRUE(pixelStreamFillsTheFile(bytes, *tga.header)) << where;
            const QSize wanted = tga.image.size();
            if (!heand) {
                const bool large = size == PictureSize::Large;
                EXPECT_TRUE(large ? wanted.width() >= 64 && wanted.width() <= 128
                                  : wanted.width() >= 32 && wanted.width() <= 64)
                    << where;
                EXPECT_TRUE(large ? wanted.height() >= 64 && wanted.height() <= 96
                                  : wanted.height() >= 32 && wanted.height() <= 48)
                    << where;
            }
            // A drawing, not a blank: the centre differs from the corner.
            EXPECT_NE(tga.image.pixel(0, 0),
                      tga.image.pixel(wanted.width() / 2, wanted.height() / 2))
                << where;
            used.insert(QFileInfo(path).fileName());
            layouts.insert({tga.header->ImageType, tga.header->PixelDepth, tga.header->topDown()});
        }
    }
    const QDir pictures(resolvePathIgnoringCase(kSample, QStringLiteral("Images/weapon")));
    EXPECT_EQ(pictures.entryList(QDir::Files).size(), qsizetype(used.size()));
    for (const auto& [type, depth] : std::vector<std::pair<int, int>>{{1, 8},
                                                                      {9, 8},
                                                                      {3, 8},
                                                                      {11, 8},
                                                                      {2, 16},
                                                                      {10, 16},
                                                                      {2, 24},
                                                                      {10, 24},
                                                                      {2, 32},
                                                                      {10, 32}})
        for (const bool topDown : {false, true})
            EXPECT_TRUE(layouts.count({type, depth, topDown}))
                << type << "/" << depth << (topDown ? " top-down" : " bottom-up");
}

TEST_F(SampleFolder, FolderIsSmall) {
    qint64 total = 0;
    for (const auto& [path, bytes] : filesUnder(kSample))
        total += bytes.size();
    EXPECT_LT(total, 4 * 1024 * 1024);
}

} // namespace
} // namespace wed
