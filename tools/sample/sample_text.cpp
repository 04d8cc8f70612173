#include "sample_game.h"

#include "base/code_page.h"
#include "item_catalog.h"

#include <QHash>
#include <QStringList>
#include <stdexcept>

namespace wed::sample {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QStringList kItemFileHeader{
    QStringLiteral(";**************************"),
    QStringLiteral("; 物品定义文件"),
    QStringLiteral("; 武器、装甲、晶体的全部数值都在这里。"),
    QStringLiteral("; 每条记录以 Weapon=、Armor= 或 Implant= 开头，以星号分隔行结束。"),
    QStringLiteral("; 修改前请先备份！"),
    QStringLiteral(";**************************"),
    QString(),
};

const QStringList kNameFileHeader{
    QStringLiteral(";物品名称与说明"),
    QStringLiteral(";格式：<编号>，随后各行，空行结束"),
    QString(),
};

const char* headerPrefix(CategoryId category) {
    switch (category) {
    case CategoryId::Weapon:
        return "Weapon=";
    case CategoryId::Armor:
        return "Armor=";
    case CategoryId::Implant:
        break;
    }
    return "Implant=";
}

// Collects lines and counts them; the text is encoded once at the end.
struct LineWriter {
    QString text;
    qsizetype lines = 0;

    void add(const QString& line) {
        text += line;
        text += kCrLf;
        ++lines;
    }
    void add(const QStringList& more) {
        for (const QString& line : more)
            add(line);
    }
};

void writeItem(LineWriter& items, LineWriter& names, const SampleItem& item) {
    items.add(item.commentsBefore);
    items.add(QLatin1String(headerPrefix(item.category)) + item.id);
    items.add(item.keyLines);
    items.add(item.endLine);
    if (item.nameLines.isEmpty())
        return;
    names.add(QLatin1Char('<') + item.id + QLatin1Char('>'));
    names.add(item.nameLines);
    names.add(QString());
}

// One Cyrillic letter for every Chinese character, and plain punctuation for the full-width
// kind, so that the name file's fixed-width labels keep their width.
QString inCyrillic(const QString& text) {
    static const QHash<QChar, QChar> punctuation{{u'。', u'.'}, {u'，', u','}, {u'、', u','},
                                                 {u'：', u':'}, {u'！', u'!'}, {u'×', u'x'}};
    QString letters = text;
    for (QChar& c : letters) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            c = QChar(0x0430 + (c.unicode() * 7) % 32); // а to я
        else
            c = punctuation.value(c, c);
    }
    return letters;
}

// The edition's code page is chosen while its text is encoded, the system's again after.
QByteArray encoded(const QString& text, Edition edition) {
    const bool cyrillic = edition == Edition::Cyrillic;
    if (cyrillic)
        chooseCodePage(u"cp1251");
    std::optional<QByteArray> bytes = encodeAnsi(cyrillic ? inCyrillic(text) : text);
    if (cyrillic)
        chooseCodePage(u"");
    if (!bytes)
        throw std::logic_error("sample text holds a character outside the code page");
    return *bytes;
}

} // namespace

SampleText makeSampleText(qsizetype minimumItemLines, Edition edition) {
    const std::vector<SampleItem> items = sampleItems();
    LineWriter itemLines, nameLines;
    itemLines.add(kItemFileHeader);
    nameLines.add(kNameFileHeader);
    for (const SampleItem& item : items)
        writeItem(itemLines, nameLines, item);
    for (int round = 2; itemLines.lines < minimumItemLines; ++round) {
        itemLines.add(QStringLiteral("; ---- 第%1批 ----").arg(round));
        for (const SampleItem& item : items) {
            if (itemLines.lines >= minimumItemLines)
                break;
            if (item.listed && item.id != QLatin1String("heand"))
                writeItem(itemLines, nameLines, repeatedItem(item, round));
        }
    }
    // The file ends with its last line's CR LF, as the game's editors leave it.
    return SampleText{encoded(itemLines.text, edition), encoded(nameLines.text, edition),
                      itemLines.lines + 1};
}

} // namespace wed::sample
