#include "data/name_record.h"

#include "base/code_page.h"
#include "data/item_fields.h"

namespace wed {

bool isNameOpening(QByteArrayView line) {
    return line.size() >= 2 && line.front() == '<' && line.back() == '>';
}

bool isNameOpening(QStringView text) {
    return text.size() >= 2 && text.front() == u'<' && text.back() == u'>';
}

QByteArrayView openingIdBytes(QByteArrayView line) {
    return line.sliced(1, line.size() - 2);
}

QStringView openingId(QStringView text) {
    return text.sliced(1, text.size() - 2);
}

QString openingIdText(QByteArrayView line) {
    return decodeAnsi(openingIdBytes(line));
}

QByteArray nameOpening(QByteArrayView id) {
    return '<' + id.toByteArray() + '>';
}

QString nameOpening(QStringView id) {
    return u'<' + id.toString() + u'>';
}

NameRecordLines nameRecordFrom(const LineBuffer& names, qsizetype opening) {
    NameRecordLines record{opening, opening, false};
    if (opening < 0)
        return record;
    const qsizetype fileLast = lastLineOf(names);
    while (record.last < fileLast && !names.lineBytes(record.last + 1).isEmpty())
        ++record.last;
    record.endedByEmptyLine = record.last < fileLast;
    return record;
}

NameLayout nameLayout(CategoryId category) {
    const CategoryFields& table = categoryFields(category);
    return {table.nameLine, table.firstDescriptionLine};
}

QList<QByteArray> withNameText(QList<QByteArray> record, CategoryId category,
                               const QByteArray& name, const QList<QByteArray>& description) {
    const NameLayout layout = nameLayout(category);
    const QByteArray opening = record.takeFirst();
    // Long enough to reach the name line, and the first description line when there is one.
    const qsizetype reach =
        description.isEmpty() ? layout.nameLine + 1 : layout.firstDescriptionLine;
    while (record.size() < reach)
        record.append(QByteArrayLiteral(" "));
    QByteArray& nameLine = record[layout.nameLine];
    QByteArray lead = nameLine.first(ansiBytesOfCharacters(nameLine, kNameTextStart));
    lead.append(kNameTextStart - decodeAnsi(lead).size(), ' ');
    nameLine = lead + name;
    if (record.size() > layout.firstDescriptionLine)
        record.resize(layout.firstDescriptionLine);
    record.append(description);
    record.prepend(opening);
    return record;
}

} // namespace wed
