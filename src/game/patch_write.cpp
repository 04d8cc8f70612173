#include "game/patch_file.h"

#include "base/code_page.h"
#include "data/name_record.h"
#include "game/patch_format.h"

namespace wed {
namespace {

using patch::kindName;

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
        QString text = QString::fromLatin1(patch::kFirstLine) + u'\n';
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
            return escaped(names ? nameOpening(ref.id) : refText(ref));
        };
        const auto place = [&](const std::optional<ItemRef>& ref) {
            return ref ? name(*ref) : QStringLiteral("-");
        };
        return QStringLiteral("move\t%1\t-\t%2\t%3\n")
            .arg(name(change.item), place(change.baseAfter), place(change.after));
    }

    QString keyColumn(const Change& change) {
        const std::optional<QString> key = textOf(change.key);
        if (!key || holdsLineBreak(change.key))
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
        if (!text || holdsLineBreak(*bytes))
            return refuse(), QString();
        return escaped(*text);
    }

    // A record's lines joined by a line feed; a line that holds one, or a carriage return,
    // cannot be applied.
    QString lines(const std::optional<Lines>& lines) {
        if (!lines)
            return QStringLiteral("-");
        QStringList texts;
        for (const QByteArray& line : *lines) {
            const std::optional<QString> text = textOf(line);
            if (!text || holdsLineBreak(line))
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

} // namespace

PatchText writePatch(const ChangeSet& changes) {
    return Writer().run(changes);
}

} // namespace wed
