// The commands work through the same document, views and checks as the window: a value is
// changed by showing the item and setting its field's text, as typing into the field does.
#include "cli/commands.h"

#include "app/document.h"
#include "app/game_check.h"
#include "app/outcome_text.h"
#include "base/code_page.h"
#include "base/path_case.h"
#include "data/item_fields.h"
#include "data/record_scan.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace wed::cli {
namespace {

const QString kItemFile = QStringLiteral("weapon.cfg");

QString itemFileIn(const QString& folder) {
    return resolvePathIgnoringCase(folder, kItemFile);
}

// Reads the folder's weapon.cfg and name file into the document, listing the category. The
// command line cannot ask whether to go on without names: a name file that is missing,
// unreadable or empty is refused, and nothing is printed or written.
Outcome openGame(Document& document, const QString& folder, const Category& category) {
    document.setCategoryWord(category.word);
    Outcome opened = document.open(itemFileIn(folder));
    // A name file that is missing is only told in the window; here it refuses.
    if (opened.refused() || opened.notice) {
        opened.effect = Effect::NothingWritten;
        opened.notice = false;
        return opened;
    }
    if (document.names().bytes().isEmpty())
        return Outcome::of(Status::EmptyFile, document.nameFilePath());
    return {};
}

// An item named "category/id", the nth record of that id.
struct ItemName {
    const Category* category = nullptr;
    QString id;
};

std::optional<ItemName> itemName(const QString& text) {
    const qsizetype slash = text.indexOf(u'/');
    const Category* category = slash > 0 ? categoryForName(text.first(slash)) : nullptr;
    if (!category || slash + 1 == text.size())
        return std::nullopt;
    return ItemName{category, text.sliced(slash + 1)};
}

// The row of the item in the document's list, or -1.
int rowOf(const Document& document, const ItemName& item, int nth) {
    const std::vector<ListEntry>& entries = document.entries();
    for (size_t row = 0; row < entries.size(); ++row)
        if (entries[row].id == item.id && entries[row].ordinal == nth - 1)
            return int(row);
    return -1;
}

// The document opened on the request's folder and the row of its item; a status when the
// request is refused or misused.
struct FoundItem {
    ItemName name;
    int row = -1;
    int status = kDone;
};

FoundItem findItem(Document& document, const Request& request, CommandOutput& output) {
    FoundItem found;
    const std::optional<ItemName> name = itemName(request.arguments[1]);
    if (!name) {
        found.status = misused(Status::BadItemName, request.arguments[1], output);
        return found;
    }
    found.name = *name;
    if (const Outcome opened = openGame(document, request.arguments[0], *name->category);
        opened.refused()) {
        found.status = refused(opened, output);
        return found;
    }
    found.row = rowOf(document, *name, request.nth);
    if (found.row < 0) {
        const QString asked =
            request.nth > 1
                ? QStringLiteral("%1 --nth %2").arg(request.arguments[1]).arg(request.nth)
                : request.arguments[1];
        found.status =
            refused(Outcome::of(Status::NoSuchItem, document.itemFilePath(), asked), output);
    }
    return found;
}

QString keyName(const QString& key) {
    return key.endsWith(u'=') ? key.chopped(1) : key;
}

} // namespace

int refused(Outcome outcome, CommandOutput& output) {
    // What the user asked for is not there: no file was at stake.
    if (outcome.status == Status::NoSuchItem || outcome.status == Status::NoSuchKey ||
        outcome.status == Status::NotAField)
        outcome.effect = Effect::Noted;
    output.err += (describe(outcome) + u'\n').toUtf8();
    return kRefused;
}

int misused(Status status, const QString& detail, CommandOutput& output) {
    Outcome outcome = Outcome::of(status, {}, detail);
    outcome.effect = Effect::Noted;
    output.err += (describe(outcome) + u'\n').toUtf8();
    return kMisused;
}

int listItems(const Request& request, CommandOutput& output) {
    std::vector<const Category*> chosen;
    if (request.arguments.size() > 1) {
        const Category* category = categoryForName(request.arguments[1]);
        if (!category)
            return misused(Status::BadCategory, request.arguments[1], output);
        chosen.push_back(category);
    } else {
        for (const Category& c : categories())
            chosen.push_back(&c);
    }
    Document document;
    if (const Outcome opened = openGame(document, request.arguments[0], *chosen.front());
        opened.refused())
        return refused(opened, output);
    // What the window lists for each category, in file order.
    struct Row {
        qsizetype header;
        const Category* category;
        QString id;
    };
    std::vector<Row> rows;
    for (const Category* c : chosen)
        for (ListEntry& entry : wed::listItems(document.items(), document.itemIndex(), *c).entries)
            rows.push_back({entry.headerLine, c, std::move(entry.id)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.header < b.header; });
    QString text;
    for (const Row& row : rows) {
        const ItemText names =
            readItemText(document.names(), document.nameIndex(), row.category->id, row.id);
        text += QLatin1StringView(row.category->name) + u'\t' + row.id + u'\t' +
                names.name.value_or(QString()) + u'\n';
    }
    output.out += text.toUtf8();
    return kDone;
}

int getValue(const Request& request, CommandOutput& output) {
    Document document;
    const FoundItem item = findItem(document, request, output);
    if (item.row < 0)
        return item.status;
    const QString key = keyName(request.arguments[2]);
    const std::optional<QByteArray> keyBytes = encodeAnsi(key + u'=');
    const CategoryFields& table = categoryFields(item.name.category->id);
    const std::vector<KeyHit> hits =
        keyBytes ? scanRecordAt(document.items(), document.entries()[size_t(item.row)].headerLine,
                                table.endRule, {*keyBytes})
                 : std::vector<KeyHit>(1);
    if (hits[0].lineNumber < 1)
        return refused(Outcome::of(Status::NoSuchKey, document.itemFilePath(), key), output);
    output.out += (hits[0].value + u'\n').toUtf8();
    return kDone;
}

int setValue(const Request& request, CommandOutput& output) {
    Document document;
    const FoundItem item = findItem(document, request, output);
    if (item.row < 0)
        return item.status;
    const CategoryId category = item.name.category->id;
    const QString key = keyName(request.arguments[2]);
    const int field = fieldOfKey(category, key);
    if (field < 0)
        return refused(Outcome::of(Status::NotAField, document.itemFilePath(), key), output);
    document.showItem(item.row);
    if (document.panel(category)->fields[size_t(field)].lineNumber < 1)
        return refused(Outcome::of(Status::NoSuchKey, document.itemFilePath(), key), output);
    const Outcome set =
        document.setFieldText(category, field, request.arguments[3], EditKind::Pick);
    return set.refused() ? refused(set, output) : kDone;
}

int checkFolder(const Request& request, CommandOutput& output) {
    GameReading game;
    Outcome read = game.read(itemFileIn(request.arguments[0]));
    if (read.refused()) {
        read.effect = Effect::Noted;
        return refused(read, output);
    }
    const std::vector<Problem> problems = checkGame(game.files());
    if (request.json) {
        QJsonArray list;
        for (const Problem& problem : problems)
            list.append(QJsonObject{{"file", QDir::toNativeSeparators(problem.what.path)},
                                    {"line", problem.what.line},
                                    {"code", problemCode(problem.what.status)},
                                    {"message", describe(problem.what)}});
        output.out += QJsonDocument(list).toJson();
    } else {
        QString text;
        for (const Problem& problem : problems) {
            text += QDir::toNativeSeparators(problem.what.path);
            if (problem.what.line > 0)
                text += u':' + QString::number(problem.what.line);
            text += QStringLiteral(": ") + describe(problem.what) + u'\n';
        }
        output.out += text.toUtf8();
    }
    return problems.empty() ? kDone : kRefused;
}

} // namespace wed::cli
