#include "merge/mod_merge.h"

#include "base/code_page.h"
#include "base/line_buffer.h"
#include "data/item_fields.h"
#include "data/name_record.h"
#include "data/record_scan.h"
#include "game/patch_file.h"

#include <QSet>

namespace wed {

namespace {

// The words a decision's second column may hold besides a key; a key spelt like one of them is
// written with a backslash before it.
const QStringList& reservedWords() {
    static const QStringList words{QStringLiteral("record"), QStringLiteral("move"),
                                   QStringLiteral("names"), QStringLiteral("picture")};
    return words;
}

QString keyText(const QByteArray& key, int occurrence) {
    QString text = withTabAndBreakEscapes(decodeAnsi(key)).replace(u'#', QStringLiteral("\\#"));
    if (reservedWords().contains(text) || text.startsWith(u'\\'))
        text.prepend(u'\\');
    if (occurrence > 1)
        text += u'#' + QString::number(occurrence);
    return text;
}

QString whatText(MergeWhat what) {
    switch (what) {
    case MergeWhat::Record:
    case MergeWhat::Add:
        return QStringLiteral("record");
    case MergeWhat::Move:
    case MergeWhat::NameMove:
        return QStringLiteral("move");
    case MergeWhat::Names:
        return QStringLiteral("names");
    case MergeWhat::Picture:
        return QStringLiteral("picture");
    case MergeWhat::Key:
        break;
    }
    return {};
}

QString itemText(MergeWhat what, const ItemRef& item, const QString& picture) {
    if (what == MergeWhat::Picture)
        return QStringLiteral("Images/weapon/") + withTabAndBreakEscapes(picture);
    if (what == MergeWhat::Names || what == MergeWhat::NameMove)
        return withTabAndBreakEscapes(nameOpening(QStringView(item.id)));
    return withTabAndBreakEscapes(refText(item));
}

// Whether a patch can carry the change: its key, values and lines decode and hold no lone CR
// or LF (what writePatch refuses, asked of the bytes without making the text).
bool carried(const Change& change) {
    const auto clean = [](QByteArrayView bytes) {
        return decodesCleanly(bytes) && !holdsLineBreak(bytes);
    };
    const auto value = [&](const std::optional<QByteArray>& bytes) {
        return !bytes || clean(*bytes);
    };
    const auto lines = [&](const std::optional<Lines>& all) {
        return !all || std::all_of(all->begin(), all->end(), clean);
    };
    return clean(change.key) && value(change.base) && value(change.now) &&
           lines(change.baseLines) && lines(change.nowLines);
}

bool holdsBreak(const Change& change) {
    const auto inLines = [](const std::optional<Lines>& lines) {
        return lines && std::any_of(lines->begin(), lines->end(),
                                    [](const QByteArray& line) { return holdsLineBreak(line); });
    };
    return (change.now && holdsLineBreak(*change.now)) || holdsLineBreak(change.key) ||
           inLines(change.nowLines);
}

// A record's lines with key changes made on them, as the three-way apply makes them: a line
// replaced or removed where it stands, a new one before the record's end line.
Lines withKeys(Lines lines, const std::vector<const Change*>& keys, CategoryId category) {
    for (const Change* change : keys) {
        int seen = 0;
        qsizetype at = -1;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const std::optional<QByteArrayView> key = keyOfLine(lines[i]);
            if (key && *key == change->key && ++seen == change->keyOccurrence)
                at = i;
        }
        const QByteArray line = change->key + '=' + change->now.value_or(QByteArray());
        if (at >= 0 && change->now)
            lines[at] = line;
        else if (at >= 0)
            lines.removeAt(at);
        else if (change->now) {
            const bool ended =
                lines.size() > 1 && isRecordEndLine(lines.back(), categoryFields(category).endRule);
            lines.insert(ended ? lines.size() - 1 : lines.size(), line);
        }
    }
    return lines;
}

// What a decision is about, as its name (conflictName) tells it apart from the others: the
// kind, the item (a name record's id alone, a picture's file name in lower case) and the key,
// its occurrences 0 and 1 alike, as the name writes neither. Compared as it stands, without
// making the name's text.
struct DecisionKey {
    MergeWhat what = MergeWhat::Key;
    CategoryId category = CategoryId::Weapon;
    QString id;
    int occurrence = 1;
    QByteArray key;
    int keyOccurrence = 1;

    bool operator==(const DecisionKey&) const = default;
};

size_t qHash(const DecisionKey& k, size_t seed = 0) {
    return qHashMulti(seed, int(k.what), int(k.category), k.id, k.occurrence, k.key,
                      k.keyOccurrence);
}

DecisionKey decisionKey(MergeWhat what, const ItemRef& item, const QByteArray& key = {},
                        int occurrence = 1, const QString& picture = {}) {
    if (what == MergeWhat::Picture)
        return {what, CategoryId::Weapon, picture.toLower(), 1, {}, 1};
    if (what == MergeWhat::Names || what == MergeWhat::NameMove)
        return {what, CategoryId::Weapon, item.id, 1, {}, 1};
    return {what, item.category, item.id, item.occurrence, key, std::max(occurrence, 1)};
}

class Merger {
  public:
    Merger(const GameData& base, const std::vector<ModChanges>& mods, const MergeChoices& choices)
        : base_(base), mods_(mods), choices_(choices) {}

    MergeResult run() {
        findWholeRecords();
        for (size_t m = 0; m < mods_.size(); ++m) {
            result_.notCarried.insert(result_.notCarried.end(), mods_[m].notCarried.begin(),
                                      mods_[m].notCarried.end());
            gather(int(m));
        }
        const std::vector<qsizetype> headers = baseHeaders();
        for (size_t i = 0; i < result_.decisions.size(); ++i)
            fillValues(i, headers[i]);
        for (MergeDecision& decision : result_.decisions)
            decide(decision);
        follow();
        removalBeatsMove();
        collect();
        return std::move(result_);
    }

  private:
    const Change& change(int mod, size_t index) const { return mods_[size_t(mod)].changes[index]; }
    bool otherVersion(int mod, size_t index) const {
        const std::vector<bool>& marks = mods_[size_t(mod)].otherVersion;
        return index < marks.size() && marks[index];
    }

    // Items some mod changes as a whole (or removes): every mod's change of them is decided
    // as the whole record, so that no set holds a key change beside a record change.
    void findWholeRecords() {
        for (const ModChanges& mod : mods_)
            for (const Change& c : mod.changes)
                if ((c.kind == ChangeKind::Record || c.kind == ChangeKind::Remove) && carried(c))
                    whole_.insert(decisionKey(MergeWhat::Record, c.item));
    }

    void gather(int mod) {
        const ChangeSet& changes = mods_[size_t(mod)].changes;
        for (size_t i = 0; i < changes.size(); ++i) {
            const Change& c = changes[i];
            if (!carried(c)) {
                result_.notCarried.push_back(
                    {mod, holdsBreak(c) ? NotCarriedWhy::LoneLineBreak : NotCarriedWhy::Undecodable,
                     c.kind == ChangeKind::Names ? GameFile::Names : GameFile::Items, 0,
                     itemText(c.kind == ChangeKind::Names ? MergeWhat::Names : MergeWhat::Record,
                              c.item, {})});
                continue;
            }
            sources_[decisionFor(c)][size_t(mod)].push_back(i);
        }
        for (const ModPicture& picture : mods_[size_t(mod)].pictures) {
            sources_[find(MergeWhat::Picture, {}, {}, 1, picture.name)][size_t(mod)].push_back(
                size_t(&picture - mods_[size_t(mod)].pictures.data()));
        }
    }

    // The index of the decision the change belongs to.
    size_t decisionFor(const Change& c) {
        switch (c.kind) {
        case ChangeKind::Key:
            if (whole_.contains(decisionKey(MergeWhat::Record, c.item)))
                return find(MergeWhat::Record, c.item, {}, 1, {});
            return find(MergeWhat::Key, c.item, c.key, c.keyOccurrence, {});
        case ChangeKind::Record:
        case ChangeKind::Remove:
            return find(MergeWhat::Record, c.item, {}, 1, {});
        case ChangeKind::Add:
            return find(MergeWhat::Add, c.item, {}, 1, {});
        case ChangeKind::Names:
            return find(MergeWhat::Names, {CategoryId::Weapon, c.item.id, 1}, {}, 1, {});
        case ChangeKind::Move:
            return find(MergeWhat::Move, c.item, {}, 1, {});
        case ChangeKind::NameMove:
            break;
        }
        return find(MergeWhat::NameMove, {CategoryId::Weapon, c.item.id, 1}, {}, 1, {});
    }

    // The index of the decision of a thing, made when first seen.
    size_t find(MergeWhat what, const ItemRef& item, const QByteArray& key, int occurrence,
                const QString& picture) {
        const DecisionKey name = decisionKey(what, item, key, occurrence, picture);
        auto at = index_.find(name);
        if (at == index_.end()) {
            MergeDecision decision;
            decision.what = what;
            decision.item = item;
            decision.key = key;
            decision.keyOccurrence = occurrence;
            decision.picture = picture;
            decision.mods.resize(mods_.size());
            result_.decisions.push_back(std::move(decision));
            sources_.emplace_back(mods_.size());
            at = index_.insert(name, result_.decisions.size() - 1);
        }
        return *at;
    }

    // Per decision, the header line of its item's record in the base (-1: none, or a
    // decision of no record), all found at once.
    std::vector<qsizetype> baseHeaders() const {
        std::vector<const ItemRef*> refs;
        std::vector<size_t> of;
        for (size_t d = 0; d < result_.decisions.size(); ++d)
            if (const MergeDecision& decision = result_.decisions[d];
                decision.what == MergeWhat::Key || decision.what == MergeWhat::Record) {
                refs.push_back(&decision.item);
                of.push_back(d);
            }
        std::vector<qsizetype> headers(result_.decisions.size(), -1);
        if (refs.empty())
            return headers;
        const std::vector<qsizetype> found = RecordLookup(base_).headersOf(refs);
        for (size_t i = 0; i < of.size(); ++i)
            headers[of[i]] = found[i];
        return headers;
    }

    void fillValues(size_t d, qsizetype header) {
        MergeDecision& decision = result_.decisions[d];
        const std::vector<std::vector<size_t>>& perMod = sources_[d];
        decision.base = baseValue(decision, header);
        // A move's base value is where the record stands in the base.
        if (decision.what == MergeWhat::Move || decision.what == MergeWhat::NameMove)
            for (size_t m = 0; m < mods_.size(); ++m)
                if (!perMod[m].empty())
                    decision.base.after = change(int(m), perMod[m].front()).baseAfter;
        for (size_t m = 0; m < mods_.size(); ++m)
            if (!perMod[m].empty())
                decision.mods[m] = modValue(decision, int(m), perMod[m]);
    }

    // The base's value, its item's record at the header line.
    MergeValue baseValue(const MergeDecision& decision, qsizetype header) const {
        MergeValue value;
        switch (decision.what) {
        case MergeWhat::Key:
            if (const qsizetype line = base_.keyLine(decision.item.category, header, decision.key,
                                                     decision.keyOccurrence);
                line >= 0)
                value.lines = Lines{
                    base_.items().lineBytes(line).sliced(decision.key.size() + 1).toByteArray()};
            break;
        case MergeWhat::Record:
            if (header >= 0)
                value.lines = base_.recordLinesAt(decision.item.category, header);
            break;
        case MergeWhat::Names:
            value.lines = base_.nameRecordLines(decision.item.id);
            break;
        default:
            break;
        }
        return value;
    }

    MergeValue modValue(const MergeDecision& decision, int mod,
                        const std::vector<size_t>& indexes) const {
        MergeValue value;
        value.changed = true;
        if (decision.what == MergeWhat::Picture) {
            const ModPicture& picture = mods_[size_t(mod)].pictures[indexes.front()];
            value.picturePath = picture.path;
            value.pictureBytes = picture.bytes;
            return value;
        }
        std::vector<const Change*> keys;
        for (size_t i : indexes) {
            value.otherVersion = value.otherVersion || otherVersion(mod, i);
            const Change& c = change(mod, i);
            switch (c.kind) {
            case ChangeKind::Key:
                if (decision.what == MergeWhat::Key)
                    value.lines = c.now ? std::optional(Lines{*c.now}) : std::nullopt;
                else
                    keys.push_back(&c);
                break;
            case ChangeKind::Move:
            case ChangeKind::NameMove:
                value.after = c.after;
                break;
            default:
                value.lines = c.nowLines;
                value.after = c.after;
                break;
            }
        }
        if (!keys.empty())
            value.lines =
                withKeys(decision.base.lines.value_or(Lines{}), keys, decision.item.category);
        return value;
    }

    void decide(MergeDecision& decision) const {
        std::vector<int> changing;
        for (size_t m = 0; m < decision.mods.size(); ++m)
            if (decision.mods[m].changed)
                changing.push_back(int(m));
        const auto usable = [&](int m) { return !decision.mods[size_t(m)].otherVersion; };
        const bool same = std::all_of(changing.begin(), changing.end(), [&](int m) {
            return usable(m) && decision.mods[size_t(m)].sameAs(decision.mods[size_t(changing[0])]);
        });
        decision.status = !same                  ? MergeStatus::Conflict
                          : changing.size() == 1 ? MergeStatus::Single
                                                 : MergeStatus::Same;
        decision.winner = -1;
        for (int m : changing)
            if (usable(m))
                decision.winner = m;
    }

    // The user's choices, each of a conflict by its name.
    void follow() {
        if (choices_.isEmpty())
            return;
        QHash<QString, size_t> byName;
        for (size_t i = 0; i < result_.decisions.size(); ++i)
            byName.insert(conflictName(result_.decisions[i]), i);
        QStringList names = choices_.keys();
        names.sort();
        for (const QString& name : names) {
            const int mod = choices_.value(name);
            const auto at = byName.constFind(name);
            MergeDecision* decision = at == byName.constEnd() ? nullptr : &result_.decisions[*at];
            if (!decision || !decision->conflict() || mod < 0 ||
                mod >= int(decision->mods.size()) || !decision->mods[size_t(mod)].changed ||
                decision->mods[size_t(mod)].otherVersion) {
                result_.unusedChoices.push_back({name, mod});
                continue;
            }
            decision->winner = mod;
            decision->chosen = true;
        }
    }

    // A record (or name record) the result removes cannot move: a move of it loses, and both
    // are conflicts, as a removal against any change is.
    void removalBeatsMove() {
        QHash<DecisionKey, MergeDecision*> removed;
        for (MergeDecision& d : result_.decisions)
            if ((d.what == MergeWhat::Record || d.what == MergeWhat::Names) && d.winner >= 0 &&
                !d.mods[size_t(d.winner)].lines)
                removed.insert(decisionKey(d.what, d.item), &d);
        for (MergeDecision& d : result_.decisions) {
            const MergeWhat of = d.what == MergeWhat::Move ? MergeWhat::Record : MergeWhat::Names;
            if (d.what != MergeWhat::Move && d.what != MergeWhat::NameMove)
                continue;
            MergeDecision* removal = removed.value(decisionKey(of, d.item));
            if (!removal)
                continue;
            d.status = removal->status = MergeStatus::Conflict;
            d.winner = -1;
            d.chosen = false;
        }
    }

    void collect() {
        for (size_t at = 0; at < result_.decisions.size(); ++at) {
            const MergeDecision& d = result_.decisions[at];
            if (d.winner < 0)
                continue;
            const std::vector<size_t>& indexes = sources_[at][size_t(d.winner)];
            if (d.what == MergeWhat::Picture) {
                result_.pictures.push_back(mods_[size_t(d.winner)].pictures[indexes.front()]);
                continue;
            }
            for (size_t i : indexes)
                result_.changes.push_back(change(d.winner, i));
        }
    }

    const GameData& base_;
    const std::vector<ModChanges>& mods_;
    const MergeChoices& choices_;
    QSet<DecisionKey> whole_;
    QHash<DecisionKey, size_t> index_; // per decision's key, its index
    // Per decision, per mod, the indexes of the mod's changes (or its picture) that make its
    // value.
    std::vector<std::vector<std::vector<size_t>>> sources_;
    MergeResult result_;
};

} // namespace

QString conflictName(const MergeDecision& decision) {
    return itemText(decision.what, decision.item, decision.picture) + u'\t' +
           (decision.what == MergeWhat::Key ? keyText(decision.key, decision.keyOccurrence)
                                            : whatText(decision.what));
}

MergeResult mergeMods(const GameData& base, const std::vector<ModChanges>& mods,
                      const MergeChoices& choices) {
    return Merger(base, mods, choices).run();
}

} // namespace wed
