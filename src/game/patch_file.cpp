#include "game/patch_file.h"

#include "base/code_page.h"

#include <QCoreApplication>

namespace wed {
namespace {

struct PatchWords {
    Q_DECLARE_TR_FUNCTIONS(PatchWords)
};

const QByteArray kFirstLine = QByteArrayLiteral("weapon-editor patch 1");

const char* kindName(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Key:
        return "key";
    case ChangeKind::Record:
        return "record";
    case ChangeKind::Add:
        return "add";
    case ChangeKind::Remove:
        return "remove";
    case ChangeKind::Names:
        return "names";
    case ChangeKind::Move:
    case ChangeKind::NameMove:
        return "move";
    }
    return "";
}

QString escaped(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("\\e");
    if (text == u"-")
        return QStringLiteral("\\-");
    return withTabAndBreakEscapes(text);
}

// The text of a change's bytes, or none when the code page cannot decode them.
std::optional<QString> textOf(QByteArrayView bytes) {
    if (!decodesCleanly(bytes))
        return std::nullopt;
    return decodeAnsi(bytes);
}

class Writer {
  public:
    PatchText run(const ChangeSet& changes) {
        QString text = QString::fromLatin1(kFirstLine) + u'\n';
        for (const Change& change : changes) {
            current_ = &change;
            const QString line = changeLine(change);
            if (!refused_.done())
                return {{}, refused_};
            text += line;
        }
        return {text.toUtf8(), {}};
    }

  private:
    QString changeLine(const Change& change) {
        if (change.kind == ChangeKind::Move || change.kind == ChangeKind::NameMove)
            return moveLine(change);
        QString place = QStringLiteral("-");
        if (change.kind == ChangeKind::Key) {
            place = keyColumn(change);
        } else if (change.after) {
            place = change.kind == ChangeKind::Names ? escaped(change.after->id)
                                                     : escaped(refText(*change.after));
        }
        const QString item = change.kind == ChangeKind::Names ? escaped(change.item.id)
                                                              : escaped(refText(change.item));
        const bool key = change.kind == ChangeKind::Key;
        return QLatin1StringView(kindName(change.kind)) + u'\t' + item + u'\t' + place + u'\t' +
               (key ? value(change.base) : lines(change.baseLines)) + u'\t' +
               (key ? value(change.now) : lines(change.nowLines)) + u'\n';
    }

    // A move: the record ("<id>" for a name record), then where it stood and where it goes,
    // each as the record it follows, "-" for first.
    static QString moveLine(const Change& change) {
        const bool names = change.kind == ChangeKind::NameMove;
        const auto name = [&](const ItemRef& ref) {
            return escaped(names ? u'<' + ref.id + u'>' : refText(ref));
        };
        const auto place = [&](const std::optional<ItemRef>& ref) {
            return ref ? name(*ref) : QStringLiteral("-");
        };
        return QStringLiteral("move\t%1\t-\t%2\t%3\n")
            .arg(name(change.item), place(change.baseAfter), place(change.after));
    }

    QString keyColumn(const Change& change) {
        const std::optional<QString> key = textOf(change.key);
        if (!key)
            return refuse(), QString();
        QString text = escaped(*key).replace(u'#', QStringLiteral("\\#"));
        if (change.keyOccurrence > 1)
            text += u'#' + QString::number(change.keyOccurrence);
        return text;
    }

    QString value(const std::optional<QByteArray>& bytes) {
        if (!bytes)
            return QStringLiteral("-");
        const std::optional<QString> text = textOf(*bytes);
        if (!text)
            return refuse(), QString();
        return escaped(*text);
    }

    // A record's lines joined by a line feed; a line that holds one cannot be told apart.
    QString lines(const std::optional<Lines>& lines) {
        if (!lines)
            return QStringLiteral("-");
        QStringList texts;
        for (const QByteArray& line : *lines) {
            const std::optional<QString> text = textOf(line);
            if (!text || line.contains('\n'))
                return refuse(), QString();
            texts.append(*text);
        }
        return escaped(texts.join(u'\n'));
    }

    void refuse() {
        if (refused_.done()) {
            refused_ = Outcome::of(Status::PatchCannotCarry, {}, refText(current_->item));
            if (current_->kind == ChangeKind::Names)
                refused_.detail = current_->item.id;
        }
    }

    const Change* current_ = nullptr;
    Outcome refused_;
};

// One column read back: its text, or none for "-"; false when an escape is unknown.
bool unescape(QStringView column, std::optional<QString>& text) {
    if (column == u"-") {
        text.reset();
        return true;
    }
    QString out;
    for (qsizetype i = 0; i < column.size(); ++i) {
        if (column[i] != u'\\') {
            out += column[i];
            continue;
        }
        if (++i == column.size())
            return false;
        switch (column[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u't':
            out += u'\t';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'#':
            out += u'#';
            break;
        case u'-':
            out += u'-';
            break;
        case u'e':
            break;
        default:
            return false;
        }
    }
    text = out;
    return true;
}

class Reader {
  public:
    PatchRead run(QByteArrayView bytes) {
        const std::optional<QString> text = utf8Text(bytes);
        if (!text)
            return fail(0, PatchWords::tr("不是 UTF-8 文本。"));
        QStringList lines = text->split(u'\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        for (QString& line : lines)
            if (line.endsWith(u'\r'))
                line.chop(1);
        if (lines.isEmpty() || lines.first() != QLatin1StringView(kFirstLine))
            return fail(1, PatchWords::tr("第一行必须是“weapon-editor patch 1”。"));
        for (qsizetype i = 1; i < lines.size() && read_.outcome.done(); ++i) {
            line_ = i + 1;
            if (!lines[i].isEmpty() && !lines[i].startsWith(u'#'))
                readChange(lines[i]);
        }
        return std::move(read_);
    }

  private:
    PatchRead fail(qsizetype line, const QString& reason) {
        read_.outcome = Outcome::of(Status::PatchMalformed, {}, reason);
        read_.outcome.line = line;
        read_.changes.clear();
        return std::move(read_);
    }

    void readChange(const QString& line) {
        const QStringList columns = line.split(u'\t');
        if (columns.size() != 5)
            return void(fail(line_, PatchWords::tr("一行要有五列，用制表符分开；这一行有 %1 列。")
                                        .arg(columns.size())));
        Change change;
        const QString kind = columns[0];
        const std::array<ChangeKind, 6> kinds{ChangeKind::Key,   ChangeKind::Record,
                                              ChangeKind::Add,   ChangeKind::Remove,
                                              ChangeKind::Names, ChangeKind::Move};
        const auto found = std::find_if(kinds.begin(), kinds.end(), [&](ChangeKind k) {
            return kind == QLatin1StringView(kindName(k));
        });
        if (found == kinds.end())
            return void(fail(line_, PatchWords::tr("不认识的种类“%1”：种类是 key、record、add、"
                                                   "remove、names 或 move。")
                                        .arg(kind)));
        change.kind = *found;
        std::optional<QString> item, place, base, now;
        if (!unescape(columns[1], item) || !unescape(columns[3], base) ||
            !unescape(columns[4], now) ||
            (change.kind != ChangeKind::Key && !unescape(columns[2], place)))
            return void(fail(line_, PatchWords::tr("有不认识的转义：只有 \\\\、\\t、\\n、\\r、"
                                                   "\\e 和 \\-。")));
        if (change.kind == ChangeKind::Move)
            return readMove(change, item, place, base, now);
        if (!item || !readItem(change, *item))
            return;
        if (change.kind == ChangeKind::Key ? !readKey(change, columns[2])
                                           : !readPlace(change, place))
            return;
        if (!readValues(change, base, now))
            return;
        read_.changes.push_back(std::move(change));
    }

    // "move", the record ("<id>" for a name record), "-", and the records it follows before
    // and after ("-" for first), named as the record is.
    void readMove(Change& change, const std::optional<QString>& item,
                  const std::optional<QString>& third, const std::optional<QString>& base,
                  const std::optional<QString>& now) {
        const bool names =
            item && item->size() >= 2 && item->startsWith(u'<') && item->endsWith(u'>');
        change.kind = names ? ChangeKind::NameMove : ChangeKind::Move;
        const auto ref = [&](const QString& text) -> std::optional<ItemRef> {
            if (!names)
                return parseRef(text, 1, true);
            if (text.size() < 2 || !text.startsWith(u'<') || !text.endsWith(u'>'))
                return std::nullopt;
            return ItemRef{CategoryId::Weapon, text.sliced(1, text.size() - 2), 1};
        };
        const std::optional<ItemRef> moved = item ? ref(*item) : std::nullopt;
        const std::optional<ItemRef> was = base ? ref(*base) : std::nullopt;
        const std::optional<ItemRef> goes = now ? ref(*now) : std::nullopt;
        if (!moved || third || bool(was) != bool(base) || bool(goes) != bool(now))
            return void(fail(line_, PatchWords::tr("move 这一种修改要写物品（名字记录写 <编号>），"
                                                   "第三列写 -，然后是它原来和现在跟随的"
                                                   "记录（最前面写 -）。")));
        change.item = *moved;
        change.baseAfter = was;
        change.after = goes;
        read_.changes.push_back(std::move(change));
    }

    bool readItem(Change& change, const QString& item) {
        if (change.kind == ChangeKind::Names) {
            change.item.id = item;
            return true;
        }
        const std::optional<ItemRef> ref = parseRef(item, 1, true);
        if (!ref) {
            fail(line_, PatchWords::tr("“%1”不是物品的引用（类别/编号）。").arg(item));
            return false;
        }
        change.item = *ref;
        return true;
    }

    // "Cost", or "Cost#2" for its second line; "\#" is a "#" of the key.
    bool readKey(Change& change, const QString& column) {
        qsizetype hash = -1;
        for (qsizetype i = 0; i < column.size(); ++i) {
            if (column[i] == u'\\')
                ++i;
            else if (column[i] == u'#')
                hash = i;
        }
        QString keyPart = column;
        if (hash >= 0) {
            bool number = false;
            change.keyOccurrence = column.sliced(hash + 1).toInt(&number);
            if (!number || change.keyOccurrence < 1)
                return fail(line_,
                            PatchWords::tr("“%1”：# 后面要写一个从 1 起的整数。").arg(column)),
                       false;
            keyPart = column.first(hash);
        }
        std::optional<QString> key;
        if (!unescape(keyPart, key) || !key || key->isEmpty())
            return fail(line_, PatchWords::tr("key 这一种修改的第三列要写键。")), false;
        return bytesOf(*key, change.key);
    }

    bool readPlace(Change& change, const std::optional<QString>& place) {
        if (!place)
            return true;
        if (change.kind == ChangeKind::Names) {
            change.after = ItemRef{CategoryId::Weapon, *place, 1};
            return true;
        }
        const std::optional<ItemRef> ref = parseRef(*place, 1, true);
        if (!ref || change.kind != ChangeKind::Add)
            return fail(line_, PatchWords::tr("第三列“%1”不是所跟随的物品的引用。").arg(*place)),
                   false;
        change.after = *ref;
        return true;
    }

    bool readValues(Change& change, const std::optional<QString>& base,
                    const std::optional<QString>& now) {
        const bool baseWanted = change.kind != ChangeKind::Add;
        const bool nowWanted = change.kind != ChangeKind::Remove;
        if (change.kind != ChangeKind::Key && change.kind != ChangeKind::Names &&
            (bool(base) != baseWanted || bool(now) != nowWanted))
            return fail(line_, PatchWords::tr("%1 这一种修改要写%2。")
                                   .arg(QLatin1StringView(kindName(change.kind)),
                                        baseWanted && nowWanted ? PatchWords::tr("旧的和新的行")
                                        : baseWanted ? PatchWords::tr("旧的行，新的写 -")
                                                     : PatchWords::tr("新的行，旧的写 -"))),
                   false;
        if (change.kind == ChangeKind::Names && !base && !now)
            return fail(line_, PatchWords::tr("names 这一种修改至少要写旧的或新的行。")), false;
        if (change.kind == ChangeKind::Key) {
            if (base && !bytesOf(*base, change.base.emplace()))
                return false;
            if (now && !bytesOf(*now, change.now.emplace()))
                return false;
            return true;
        }
        return linesOf(base, change.baseLines) && linesOf(now, change.nowLines);
    }

    bool linesOf(const std::optional<QString>& text, std::optional<Lines>& lines) {
        if (!text)
            return true;
        lines.emplace();
        for (const QString& line : text->split(u'\n'))
            if (!bytesOf(line, lines->emplace_back()))
                return false;
        return true;
    }

    bool bytesOf(const QString& text, QByteArray& bytes) {
        const std::optional<QByteArray> encoded = encodeAnsi(text);
        if (!encoded)
            return fail(line_, PatchWords::tr("字符“%1”无法保存在游戏文件的编码中。")
                                   .arg(firstUnencodable(text))),
                   false;
        bytes = *encoded;
        return true;
    }

    PatchRead read_;
    qsizetype line_ = 0;
};

} // namespace

PatchText writePatch(const ChangeSet& changes) {
    return Writer().run(changes);
}

PatchRead readPatch(QByteArrayView bytes) {
    return Reader().run(bytes);
}

QString withTabAndBreakEscapes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace wed
