#include "app/game_check.h"

#include "app/outcome_text.h"
#include "app/rule_text.h"
#include "base/code_page.h"
#include "base/file_bytes.h"
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/item_list.h"
#include "data/name_record.h"
#include "data/numeric_value.h"
#include "data/record_scan.h"
#include "data/record_view.h"
#include "data/value_check.h"
#include "picture/picture_name.h"
#include "picture/tga_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>

namespace wed {
namespace {

struct CheckWords {
    Q_DECLARE_TR_FUNCTIONS(CheckWords)
};

enum class PictureState { Fine, Missing, Broken, Truncated };

struct Picture {
    QString path;
    PictureState state = PictureState::Fine;
};

class Checker {
  public:
    Checker(const GameData& game, Rules* rules, const GameData* base)
        : game_(game), rules_(rules), base_(base) {}

    std::vector<Problem> run() {
        const bool names = checkNameFile();
        checkLines(game_.itemFilePath(), game_.items(), &broken_);
        if (names) {
            checkLines(game_.nameFilePath(), game_.names(), nullptr);
            checkNameOpenings();
        }
        for (const Category& c : categories())
            checkCategory(c, names);
        if (rules_)
            for (size_t i = 0; i < rules_->checks().size(); ++i)
                checkRule(int(i));
        // weapon.cfg first, then the name file; each in line order, the whole file first. Each
        // problem's path is compared once: in the sort's comparisons it cost more than the check.
        const auto nameFileProblems =
            std::stable_partition(problems_.begin(), problems_.end(), [&](const Problem& p) {
                return p.what.path == game_.itemFilePath();
            });
        const auto byLine = [](const Problem& a, const Problem& b) {
            return a.what.line < b.what.line;
        };
        std::stable_sort(problems_.begin(), nameFileProblems, byLine);
        std::stable_sort(nameFileProblems, problems_.end(), byLine);
        return std::move(problems_);
    }

  private:
    void add(Status status, const QString& path, qsizetype line, QString detail,
             const Category* category = nullptr, qsizetype header = -1) {
        Outcome what = Outcome::of(status, path, std::move(detail));
        what.line = line;
        what.effect = Effect::Noted;
        std::optional<ItemRef> item;
        if (category)
            item = header == current_.header ? current_.ref : game_.refAt(category->id, header);
        problems_.push_back({std::move(what), std::move(item), std::nullopt});
    }

    // One check of the rules over every listed item of its category.
    void checkRule(int index) {
        const CheckRule& rule = rules_->checks()[size_t(index)];
        for (const ListEntry& entry : listed_[size_t(rule.category)]) {
            const ItemRef item{rule.category, entry.id, entry.ordinal + 1};
            const CheckVerdict verdict = rules_->check(index, game_, item, base_, entry.headerLine);
            if (verdict.passed)
                continue;
            const qsizetype keyLine =
                rule.key.isEmpty() ? -1
                                   : game_.keyLine(rule.category, entry.headerLine, rule.key, 0);
            Outcome what = Outcome::of(Status::Ignored, game_.itemFilePath());
            what.line = (keyLine >= 0 ? keyLine : entry.headerLine) + 1;
            what.effect = Effect::Noted;
            problems_.push_back({std::move(what), item, ruleMark(rule, verdict)});
            // A rule stopped by its limits would only be stopped again, item after item.
            if (verdict.error && (verdict.error->fault == RuleFault::Budget ||
                                  verdict.error->fault == RuleFault::Memory))
                return;
        }
    }

    // True when the names can be looked up: the file was read and is not empty.
    bool checkNameFile() {
        if (game_.nameFileRead().status != Status::Done) {
            add(game_.nameFileRead().status, game_.nameFilePath(), 0, game_.nameFileRead().detail);
            return false;
        }
        if (game_.names().bytes().isEmpty()) {
            add(Status::EmptyFile, game_.nameFilePath(), 0, {});
            return false;
        }
        return true;
    }

    // Lines the code page cannot decode; the lines with a lone line break, into `broken`.
    void checkLines(const QString& path, const LineBuffer& lines, std::vector<Outcome>* broken) {
        for (qsizetype i = 0, n = lines.lineCount(); i < n; ++i) {
            if (!decodesCleanly(lines.lineBytes(i)))
                add(Status::Undecodable, path, i + 1, {});
            if (broken)
                if (Outcome lone = loneLineBreakIn(lines, i, path); !lone.done())
                    broken->push_back(std::move(lone));
        }
    }

    // The lines of the record (after its header) that hold a lone line break.
    void checkLineBreaks(const Category& c, qsizetype header, qsizetype last) {
        auto lone = std::partition_point(broken_.begin(), broken_.end(),
                                         [&](const Outcome& o) { return o.line <= header + 1; });
        for (; lone != broken_.end() && lone->line <= last + 1; ++lone)
            add(Status::LoneLineBreak, game_.itemFilePath(), lone->line, lone->detail, &c, header);
    }

    // An id's "<id>" opens its name record the first time only: a later one is no record.
    void checkNameOpenings() {
        const LineBuffer& names = game_.names();
        QSet<QByteArrayView> seen;
        for (qsizetype i = 0, n = names.lineCount(); i < n; ++i) {
            const QByteArrayView line = names.lineBytes(i);
            if (!isNameOpening(line))
                continue;
            if (seen.contains(line))
                add(Status::NameRecordTwice, game_.nameFilePath(), i + 1, openingIdText(line));
            else
                seen.insert(line);
        }
    }

    void checkCategory(const Category& c, bool names) {
        const LineBuffer& items = game_.items();
        const CategoryFields& table = categoryFields(c.id);
        const std::vector<ListEntry>& listed = listed_[size_t(c.id)] = game_.listed(c.id).entries;
        auto nextListed = listed.begin();
        const auto& headers = game_.itemIndex().headers(c.id);
        // Sized ahead: grown step by step, the tables were rebuilt while larger than the cache.
        QHash<QString, qsizetype> firstOf;
        firstOf.reserve(qsizetype(headers.size()));
        QHash<QByteArrayView, int> seen; // records of each header line so far
        seen.reserve(qsizetype(headers.size()));
        for (const qsizetype header : headers) {
            const QByteArrayView line = items.lineBytes(header);
            const QString id = decodeAnsi(line.sliced(c.headerPrefix.size()));
            current_ = {{c.id, id, ++seen[line]}, header};
            if (firstOf.contains(id))
                add(Status::DuplicateId, game_.itemFilePath(), header + 1, id, &c, header);
            else
                firstOf.insert(id, header);
            const qsizetype last = recordLastLine(items, header, table.endRule);
            if (!isRecordEndLine(items.lineBytes(last), table.endRule))
                add(Status::NoEndLine, game_.itemFilePath(), header + 1, id, &c, header);
            if (!broken_.empty())
                checkLineBreaks(c, header, last);
            const ItemRecord record = readRecordAt(items, c.id, header);
            for (size_t i = 0; i < table.fields.size(); ++i)
                checkValue(table.fields[i], record.fields[i], c, header);
            if (nextListed != listed.end() && nextListed->headerLine == header) {
                ++nextListed;
                if (names && !game_.itemText(c.id, id).name)
                    add(Status::NoName, game_.itemFilePath(), header + 1, id, &c, header);
                checkPictures(c, id, header, record);
            }
        }
    }

    void checkValue(const FieldSpec& field, const KeyHit& hit, const Category& c,
                    qsizetype header) {
        if (hit.lineNumber < 1)
            return;
        if (const std::optional<Status> problem = valueProblem(field.type, hit.value))
            add(*problem, game_.itemFilePath(), hit.lineNumber,
                QString::fromLatin1(field.key) + hit.value, &c, header);
    }

    // Both pictures of a listed item, named from its VidMENU value as the item view names them.
    void checkPictures(const Category& c, const QString& id, qsizetype header,
                       const ItemRecord& record) {
        const KeyHit& vidMenu = record.fields[size_t(pictureField(c.id))];
        const bool heand = bareHands(c.id, id);
        const qsizetype line = vidMenu.lineNumber > 0 ? vidMenu.lineNumber : header + 1;
        if (vidMenu.lineNumber < 1 && !heand) {
            add(Status::PictureUnnamed, game_.itemFilePath(), line, {}, &c, header);
            return;
        }
        QString previous;
        for (const PictureSize size : {PictureSize::Small, PictureSize::Large}) {
            const std::optional<QString> name = pictureFileName(vidMenu.value, size, heand);
            if (!name) {
                add(Status::PictureUnnamed, game_.itemFilePath(), line, vidMenu.value, &c, header);
                continue;
            }
            if (*name == previous) // both sizes are one file
                continue;
            previous = *name;
            const Picture& picture = pictureNamed(*name);
            if (picture.state == PictureState::Missing)
                add(Status::PictureMissing, game_.itemFilePath(), line, picture.path, &c, header);
            else if (picture.state == PictureState::Broken)
                add(Status::PictureBroken, game_.itemFilePath(), line, picture.path, &c, header);
            else if (picture.state == PictureState::Truncated)
                add(Status::PictureTruncated, game_.itemFilePath(), line, picture.path, &c, header);
        }
    }

    // Each picture file is found and decoded once, however many items show it.
    const Picture& pictureNamed(const QString& name) {
        auto found = pictures_.find(name);
        if (found != pictures_.end())
            return *found;
        Picture picture{resolvePathIgnoringCase(game_.pictureFolder(), name)};
        if (!QFileInfo::exists(picture.path))
            picture.state = PictureState::Missing;
        else if (const TgaPixels decoded = readTgaFile(picture.path); !decoded.decoded())
            picture.state = PictureState::Broken;
        else if (decoded.truncated)
            picture.state = PictureState::Truncated;
        return *pictures_.insert(name, picture);
    }

    const GameData& game_;
    Rules* rules_;
    const GameData* base_;
    std::vector<Problem> problems_;
    // Each category's listed items, as its check found them: the rules' checks go over them.
    std::array<std::vector<ListEntry>, 3> listed_;
    std::vector<Outcome> broken_; // weapon.cfg's lines with a lone line break, in line order
    // The record being checked: its problems' item, counted in file order, not looked up.
    struct {
        ItemRef ref;
        qsizetype header = -1;
    } current_;
    QHash<QString, Picture> pictures_;
};

} // namespace

const char* problemCode(Status status) {
    switch (status) {
    case Status::DuplicateId:
        return "duplicate-id";
    case Status::NameRecordTwice:
        return "name-record-twice";
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
    case Status::LoneLineBreak:
        return "lone-line-break";
    case Status::NotCrLf:
        return "not-crlf";
    case Status::FileMissing:
        return "name-file-missing";
    case Status::EmptyFile:
        return "name-file-empty";
    default:
        return "name-file-unreadable";
    }
}

QString problemCode(const Problem& problem) {
    return problem.rule ? problem.rule->code
                        : QString::fromLatin1(problemCode(problem.what.status));
}

RuleMark ruleMark(const CheckRule& rule, const CheckVerdict& verdict) {
    if (verdict.error)
        return {QStringLiteral("rule-error"), Severity::Error, rule.file, rule.line,
                describeRuleError(*verdict.error)};
    return {rule.code, rule.severity, rule.file, rule.line, verdict.message};
}

QString problemMessage(const Problem& problem) {
    if (!problem.rule)
        return describe(problem.what);
    const RuleMark& rule = *problem.rule;
    QString text = problem.item ? CheckWords::tr("%1：").arg(refText(*problem.item)) : QString();
    text += rule.message + QStringLiteral(" [") + rule.code + u']';
    return rule.severity == Severity::Warning ? CheckWords::tr("警告：") + text : text;
}

bool isError(const Problem& problem) {
    return !problem.rule || problem.rule->severity == Severity::Error;
}

std::vector<Problem> checkGame(const GameData& game, Rules* rules, const GameData* base) {
    return Checker(game, rules, base).run();
}

} // namespace wed
