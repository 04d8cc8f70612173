#include "game/patch_file.h"

#include "base/code_page.h"
#include "data/name_record.h"
#include "game/patch_format.h"

namespace wed {
namespace {

// Where a reading went wrong: what, and the column (from 1) of its line.
struct Fault {
    Status status = Status::Done;
    qsizetype column = 0;
    QString detail;
};

// One column of a change line: its text and where it begins in the line (from 0).
struct Column {
    QStringView text;
    qsizetype start = 0;

    Fault at(Status status, qsizetype offset = 0, QString detail = {}) const {
        return {status, start + offset + 1, std::move(detail)};
    }
};

// One column read back: its text, or none for "-"; a fault at an unknown escape or a
// backslash that ends the column.
Fault unescape(const Column& column, std::optional<QString>& text) {
    const QStringView raw = column.text;
    if (raw == u"-") {
        text.reset();
        return {};
    }
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\') {
            out += raw[i];
            continue;
        }
        if (i + 1 == raw.size())
            return column.at(Status::PatchTrailingBackslash, i);
        const QChar letter = raw[++i];
        if (letter == u'e')
            continue; // an empty text: no character
        const std::optional<QChar> character = patch::escapedCharacter(letter);
        if (!character)
            return column.at(Status::PatchBadEscape, i - 1, raw.sliced(i - 1, 2).toString());
        out += *character;
    }
    text = out;
    return {};
}

// The line (from 1) of the first byte that is not UTF-8.
qsizetype firstNonUtf8Line(QByteArrayView bytes) {
    qsizetype line = 1;
    for (qsizetype from = 0; from <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        if (!utf8Text(bytes.sliced(from, end - from)))
            return line;
        from = end + 1;
    }
    return 1;
}

class Reader {
  public:
    PatchRead run(QByteArrayView bytes) {
        const std::optional<QString> text = utf8Text(bytes);
        if (!text)
            return fail(firstNonUtf8Line(bytes), {Status::PatchNotUtf8, 1, {}});
        QStringList lines = text->split(u'\n');
        // The writer ends every line with a line feed: a last line without one is cut off.
        const bool cutOff = !lines.last().isEmpty();
        if (!cutOff)
            lines.removeLast();
        for (QString& line : lines)
            if (line.endsWith(u'\r'))
                line.chop(1);
        if (lines.isEmpty() || lines.first() != QLatin1StringView(patch::kFirstLine))
            return fail(1, {Status::PatchFirstLine, 1, {}});
        if (cutOff)
            return fail(lines.size(), {Status::PatchCutOff, lines.last().size() + 1, {}});
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i].isEmpty() || lines[i].startsWith(u'#'))
                continue;
            if (const Fault fault = readChange(lines[i]); fault.status != Status::Done)
                return fail(i + 1, fault);
            read_.lines.push_back(i + 1);
        }
        return std::move(read_);
    }

  private:
    PatchRead fail(qsizetype line, const Fault& fault) {
        PatchRead failed;
        failed.outcome = Outcome::of(fault.status, {}, fault.detail);
        failed.outcome.line = line;
        failed.outcome.column = fault.column;
        return failed;
    }

    static std::vector<Column> columnsOf(const QString& line) {
        std::vector<Column> columns;
        qsizetype start = 0;
        for (const QStringView text : QStringView(line).tokenize(u'\t')) {
            columns.push_back({text, start});
            start += text.size() + 1;
        }
        return columns;
    }

    Fault readChange(const QString& line) {
        const std::vector<Column> columns = columnsOf(line);
        if (columns.size() != 5)
            return {Status::PatchColumnCount,
                    columns.size() > 5 ? columns[5].start + 1 : line.size() + 1,
                    QString::number(columns.size())};
        const std::optional<ChangeKind> found = patch::kindNamed(columns[0].text);
        if (!found)
            return columns[0].at(Status::PatchUnknownKind, 0, columns[0].text.toString());
        Change change;
        change.kind = *found;
        std::optional<QString> item, place, base, now;
        for (const auto& [column, text] : {std::pair{&columns[1], &item},
                                           {&columns[3], &base},
                                           {&columns[4], &now},
                                           {&columns[2], &place}})
            if (const Fault fault = unescape(*column, *text); fault.status != Status::Done)
                return fault;
        if (change.kind == ChangeKind::Move)
            return readMove(change, columns, item, place, base, now);
        Fault fault = readItem(change, columns[1], item);
        if (fault.status == Status::Done)
            fault = change.kind == ChangeKind::Key ? readKey(change, columns[2])
                                                   : readPlace(change, columns[2], place);
        if (fault.status == Status::Done)
            fault = readValues(change, columns, base, now);
        if (fault.status == Status::Done)
            read_.changes.push_back(std::move(change));
        return fault;
    }

    // "move", the record ("<id>" for a name record), "-", and the records it follows before
    // and after ("-" for first), named as the record is.
    Fault readMove(Change& change, const std::vector<Column>& columns,
                   const std::optional<QString>& item, const std::optional<QString>& third,
                   const std::optional<QString>& base, const std::optional<QString>& now) {
        const bool names = item && isNameOpening(*item);
        change.kind = names ? ChangeKind::NameMove : ChangeKind::Move;
        const auto ref = [&](const QString& text) -> std::optional<ItemRef> {
            if (!names)
                return parseRef(text, 1, true);
            if (!isNameOpening(text))
                return std::nullopt;
            return ItemRef{CategoryId::Weapon, openingId(text).toString(), 1};
        };
        const std::optional<ItemRef> moved = item ? ref(*item) : std::nullopt;
        const std::optional<ItemRef> was = base ? ref(*base) : std::nullopt;
        const std::optional<ItemRef> goes = now ? ref(*now) : std::nullopt;
        const Column* wrong = !moved                    ? &columns[1]
                              : third                   ? &columns[2]
                              : bool(was) != bool(base) ? &columns[3]
                              : bool(goes) != bool(now) ? &columns[4]
                                                        : nullptr;
        if (wrong)
            return wrong->at(Status::PatchBadMove, 0, wrong->text.toString());
        change.item = *moved;
        change.baseAfter = was;
        change.after = goes;
        read_.changes.push_back(std::move(change));
        return {};
    }

    static Fault readItem(Change& change, const Column& column,
                          const std::optional<QString>& item) {
        if (item && change.kind == ChangeKind::Names) {
            change.item.id = *item;
            return {};
        }
        const std::optional<ItemRef> ref = item ? parseRef(*item, 1, true) : std::nullopt;
        if (!ref)
            return column.at(Status::PatchNotAReference, 0, column.text.toString());
        change.item = *ref;
        return {};
    }

    // "Cost", or "Cost#2" for its second line; "\#" is a "#" of the key.
    static Fault readKey(Change& change, const Column& column) {
        const QStringView text = column.text;
        qsizetype hash = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\\')
                ++i;
            else if (text[i] == u'#')
                hash = i;
        }
        Column keyPart = column;
        if (hash >= 0) {
            bool number = false;
            change.keyOccurrence = text.sliced(hash + 1).toInt(&number);
            if (!number || change.keyOccurrence < 1)
                return column.at(Status::PatchBadOccurrence, hash + 1,
                                 text.sliced(hash + 1).toString());
            keyPart.text = text.first(hash);
        }
        std::optional<QString> key;
        if (const Fault fault = unescape(keyPart, key); fault.status != Status::Done)
            return fault;
        if (!key || key->isEmpty())
            return column.at(Status::PatchNoKey);
        return bytesOf(*key, keyPart, change.key);
    }

    static Fault readPlace(Change& change, const Column& column,
                           const std::optional<QString>& place) {
        if (!place)
            return {};
        if (change.kind == ChangeKind::Names) {
            change.after = ItemRef{CategoryId::Weapon, *place, 1};
            return {};
        }
        if (change.kind != ChangeKind::Add)
            return column.at(Status::PatchBadPlace, 0, column.text.toString());
        const std::optional<ItemRef> ref = parseRef(*place, 1, true);
        if (!ref)
            return column.at(Status::PatchNotAReference, 0, column.text.toString());
        change.after = *ref;
        return {};
    }

    static Fault readValues(Change& change, const std::vector<Column>& columns,
                            const std::optional<QString>& base, const std::optional<QString>& now) {
        const bool baseWanted = change.kind != ChangeKind::Add;
        const bool nowWanted = change.kind != ChangeKind::Remove;
        if (change.kind != ChangeKind::Key && change.kind != ChangeKind::Names &&
            (bool(base) != baseWanted || bool(now) != nowWanted)) {
            const Status wanted = baseWanted && nowWanted ? Status::PatchBothWanted
                                  : baseWanted            ? Status::PatchBaseWanted
                                                          : Status::PatchNewWanted;
            const Column& wrong = bool(base) != baseWanted ? columns[3] : columns[4];
            return wrong.at(wanted, 0, QString::fromLatin1(patch::kindName(change.kind)));
        }
        if (change.kind == ChangeKind::Names && !base && !now)
            return columns[3].at(Status::PatchNamesEmpty);
        if (change.kind == ChangeKind::Key) {
            Fault fault;
            if (base)
                fault = bytesOf(*base, columns[3], change.base.emplace());
            if (now && fault.status == Status::Done)
                fault = bytesOf(*now, columns[4], change.now.emplace());
            return fault;
        }
        const Fault fault = linesOf(base, columns[3], change.baseLines);
        return fault.status == Status::Done ? linesOf(now, columns[4], change.nowLines) : fault;
    }

    static Fault linesOf(const std::optional<QString>& text, const Column& column,
                         std::optional<Lines>& lines) {
        if (!text)
            return {};
        lines.emplace();
        for (const QString& line : text->split(u'\n'))
            if (const Fault fault = bytesOf(line, column, lines->emplace_back());
                fault.status != Status::Done)
                return fault;
        return {};
    }

    // The text in the code page; a fault at the first character it cannot hold.
    static Fault bytesOf(const QString& text, const Column& column, QByteArray& bytes) {
        const std::optional<QByteArray> encoded = encodeAnsi(text);
        if (!encoded) {
            const QString character = firstUnencodable(text);
            return column.at(Status::Unencodable,
                             std::max<qsizetype>(0, column.text.indexOf(character)), character);
        }
        bytes = *encoded;
        return {};
    }

    PatchRead read_;
};

} // namespace

PatchRead readPatch(QByteArrayView bytes) {
    return Reader().run(bytes);
}

Outcome patchRefusal(const ApplyPlan& plan, const PatchRead& patch, const QString& path) {
    Outcome refusal = plan.outcome;
    if (plan.refusedAt < 0 || size_t(plan.refusedAt) >= patch.lines.size())
        return refusal;
    const size_t at = size_t(plan.refusedAt);
    refusal.path = path;
    refusal.line = patch.lines[at];
    refusal.column = 1;
    if (plan.contradicts >= 0)
        refusal.detail = QString::number(patch.lines[size_t(plan.contradicts)]);
    else
        refusal.item = patch.changes[at].kind == ChangeKind::Names
                           ? patch.changes[at].item.id
                           : refText(patch.changes[at].item);
    return refusal;
}

} // namespace wed
