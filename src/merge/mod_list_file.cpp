#include "merge/mod_list_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace wed {
namespace {

constexpr QLatin1StringView kFirstLine{"weapon-editor mod list 1"};
constexpr QLatin1StringView kChoices{"choices"};

// The text's lines without their line ends; none when it is not UTF-8.
std::optional<QStringList> linesOf(QByteArrayView text) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decode(text);
    if (decode.hasError())
        return std::nullopt;
    QStringList lines = decoded.split(u'\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

bool comment(const QString& line) {
    return line.isEmpty() || line.startsWith(u'#');
}

// "ITEM<TAB>WHAT<TAB>N": the choice, or false.
bool readChoice(const QString& line, int modCount, MergeChoices& choices) {
    const qsizetype tab = line.lastIndexOf(u'\t');
    if (tab <= 0 || line.left(tab).count(u'\t') != 1)
        return false;
    bool number = false;
    const int mod = line.sliced(tab + 1).toInt(&number);
    if (!number || mod < 1 || (modCount >= 0 && mod > modCount))
        return false;
    choices.insert(line.left(tab), mod - 1);
    return true;
}

ModListRead fault(ModListFault what, qsizetype line, QString path = {}) {
    ModListRead read;
    read.fault = what;
    read.line = line;
    read.path = std::move(path);
    return read;
}

QString pathFor(const QString& listPath, const QString& written) {
    return QDir::cleanPath(QFileInfo(listPath).absoluteDir().absoluteFilePath(written));
}

QString pathInList(const QString& listPath, const QString& path) {
    return QDir(QFileInfo(listPath).absolutePath()).relativeFilePath(path);
}

} // namespace

ModListRead readModList(QByteArrayView text, const QString& listPath, bool allowMissing) {
    const std::optional<QStringList> lines = linesOf(text);
    if (!lines)
        return fault(ModListFault::NotUtf8, 0);
    if (lines->isEmpty() || lines->front() != kFirstLine)
        return fault(ModListFault::FirstLine, 1);
    ModListRead read;
    bool inChoices = false, hasBase = false;
    for (qsizetype i = 1; i < lines->size(); ++i) {
        const QString& line = (*lines)[i];
        if (comment(line))
            continue;
        if (inChoices) {
            if (!readChoice(line, -1, read.list.choices))
                return fault(ModListFault::BadChoice, i + 1);
            continue;
        }
        if (line == kChoices) {
            inChoices = true;
            continue;
        }
        const qsizetype tab = line.indexOf(u'\t');
        const QString kind = line.left(tab), written = line.sliced(tab + 1);
        if (tab <= 0 || written.isEmpty() || (kind != u"base" && kind != u"mod"))
            return fault(ModListFault::BadLine, i + 1);
        if (kind == u"base" && hasBase)
            return fault(ModListFault::NoBase, i + 1);
        const QString path = pathFor(listPath, written);
        if (!allowMissing && !QFileInfo::exists(path))
            return fault(ModListFault::MissingMod, i + 1, path);
        if (kind == u"base") {
            hasBase = true;
            read.list.base = path;
        } else {
            read.list.mods.push_back(modSourceAt(path));
        }
    }
    if (!hasBase)
        return fault(ModListFault::NoBase, 0);
    for (auto at = read.list.choices.begin(); at != read.list.choices.end(); ++at)
        if (*at >= int(read.list.mods.size()))
            return fault(ModListFault::BadChoice, 0);
    return read;
}

ModListRead readChoices(QByteArrayView text, int modCount) {
    const std::optional<QStringList> lines = linesOf(text);
    if (!lines)
        return fault(ModListFault::NotUtf8, 0);
    ModListRead read;
    for (qsizetype i = 0; i < lines->size(); ++i)
        if (!comment((*lines)[i]) && !readChoice((*lines)[i], modCount, read.list.choices))
            return fault(ModListFault::BadChoice, i + 1);
    return read;
}

QByteArray writeChoices(const MergeChoices& choices) {
    QStringList names = choices.keys();
    names.sort();
    QString text;
    for (const QString& name : names)
        text += name + u'\t' + QString::number(choices.value(name) + 1) + u'\n';
    return text.toUtf8();
}

QByteArray writeModList(const ModList& list, const QString& listPath) {
    QString text = kFirstLine + u'\n';
    text += QStringLiteral("base\t") + pathInList(listPath, list.base) + u'\n';
    for (const ModSource& mod : list.mods)
        text += QStringLiteral("mod\t") + pathInList(listPath, mod.path) + u'\n';
    QByteArray bytes = text.toUtf8();
    if (!list.choices.isEmpty())
        bytes += kChoices.toString().toUtf8() + '\n' + writeChoices(list.choices);
    return bytes;
}

} // namespace wed
