#include "app/category_sheet.h"

#include "app/outcome_text.h"
#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/numeric_value.h"
#include "data/value_check.h"
#include "game/change_check.h"
#include "game/item_actions.h"

#include <QCoreApplication>
#include <algorithm>

namespace wed {
namespace {

// The headings and the missing value are data: a sheet reads the same in every language.
const QString kItemColumn = sheetItemHeading();
const QString kNameColumn = sheetNameHeading();
const QString kNone = QStringLiteral("无");
const QString kComputedMark = QStringLiteral("（计算）");

struct SheetWords {
    Q_DECLARE_TR_FUNCTIONS(SheetWords)
};

// Whether a spreadsheet could run the cell as a formula: it begins with '=', '+', '-', '@', a
// tab or a line break, and it is not a plain number ("-5", "+3" are numbers, not formulas).
bool formulaLike(const QString& text) {
    static const QString starts = QStringLiteral("=+-@\t\r\n");
    return !text.isEmpty() && starts.contains(text[0]) && !isNumber(text);
}

// A value as a CSV field. A formula-like value is written after a single quote, in quotes, so
// that spreadsheets take it as text; a value that itself begins with a single quote gets one
// more. Reading drops exactly one leading single quote (cellValue): every value reads back.
QString csvField(QString text) {
    const bool guarded = formulaLike(text) || text.startsWith(u'\'');
    if (guarded)
        text.prepend(u'\'');
    if (!guarded && !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The value a field read from a sheet stands for: without the one single quote that guards it.
QString cellValue(const QString& field) {
    return field.startsWith(u'\'') ? field.sliced(1) : field;
}

void appendLine(QString& text, const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += u',';
        text += csvField(cells[i]);
    }
    text += QStringLiteral("\r\n");
}

// The rows of a CSV text: its fields, quoted or not; none with the row and column of the
// first malformed field (a quote left open, or text after a closing quote).
struct CsvRows {
    std::vector<QStringList> rows;
    std::optional<SheetProblem> malformed;
};

CsvRows parseCsv(const QString& text) {
    CsvRows csv;
    QStringList row;
    QString field;
    bool quoted = false, closed = false, any = false;
    auto endField = [&] {
        row.append(cellValue(field));
        field.clear();
        quoted = closed = false;
    };
    auto endRow = [&] {
        endField();
        csv.rows.push_back(row);
        row.clear();
        any = false;
    };
    auto fail = [&](const QString& reason) {
        csv.malformed = SheetProblem{qsizetype(csv.rows.size()) + 1, row.size() + 1,
                                     Outcome::of(Status::SheetMalformed, {}, reason)};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && !closed) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                closed = true;
            else
                field += c;
            continue;
        }
        any = true;
        if (c == u',') {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else if (closed) {
            fail(SheetWords::tr("引号之后还有字符。"));
            return csv;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted && !closed) {
        fail(SheetWords::tr("引号没有结束。"));
        return csv;
    }
    if (any || !field.isEmpty() || !row.isEmpty())
        endRow();
    return csv;
}

// Which field a column heading names: its caption or its key (with or without "="); -1 for
// none, -2 for the name column.
int columnField(CategoryId category, QString heading) {
    heading = heading.trimmed();
    if (heading == kNameColumn)
        return -2;
    const std::vector<FieldSpec>& fields = categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (heading == fields[i].caption.trimmed())
            return int(i);
    return fieldOfKey(category, heading);
}

class Importer {
  public:
    Importer(const GameData& game, CategoryId category) : game_(game), category_(category) {}

    SheetImport run(QByteArrayView bytes) {
        const std::optional<QString> text = utf8Text(bytes);
        if (!text)
            return fail(1, 0, SheetWords::tr("不是 UTF-8 文本。"));
        const CsvRows csv = parseCsv(*text);
        if (csv.malformed) {
            result_.problems.push_back(*csv.malformed);
            return std::move(result_);
        }
        if (csv.rows.empty())
            return fail(1, 0, SheetWords::tr("表是空的：第一行要写各列的标题。"));
        readHeader(csv.rows.front());
        for (size_t r = 1; r < csv.rows.size(); ++r)
            readRow(qsizetype(r) + 1, csv.rows[r]);
        if (!result_.problems.empty())
            result_.changes.clear();
        return std::move(result_);
    }

  private:
    SheetImport fail(qsizetype row, qsizetype column, const QString& reason) {
        problem(row, column, Outcome::of(Status::SheetMalformed, {}, reason));
        return std::move(result_);
    }
    void problem(qsizetype row, qsizetype column, Outcome what) {
        what.effect = Effect::Noted;
        result_.problems.push_back({row, column, std::move(what)});
    }

    // Two columns of one field (by caption or key) or two name columns are refused, whatever
    // their cells hold: which of them would count is no guess to make.
    void readHeader(const QStringList& header) {
        for (qsizetype c = 1; c < header.size(); ++c) {
            if (header[c].trimmed().endsWith(kComputedMark)) {
                result_.ignored.append(header[c].trimmed());
                columns_.push_back(-3);
                continue;
            }
            const int field = columnField(category_, header[c]);
            const auto same = std::find(columns_.begin(), columns_.end(), field);
            if (field == -1)
                problem(1, c + 1, Outcome::of(Status::SheetUnknownColumn, {}, header[c]));
            else if (same != columns_.end())
                problem(
                    1, c + 1,
                    Outcome::of(Status::SheetMalformed, {},
                                SheetWords::tr("这一列与第 %1 列是同一个字段，一个字段只能有一列。")
                                    .arg(same - columns_.begin() + 2)));
            columns_.push_back(field);
        }
    }

    void readRow(qsizetype r, const QStringList& cells) {
        if (cells.size() == 1 && cells[0].isEmpty())
            return; // an empty line
        if (cells.size() != qsizetype(columns_.size()) + 1)
            return problem(r, 0,
                           Outcome::of(Status::SheetMalformed, {},
                                       SheetWords::tr("这一行有 %1 格，表头有 %2 格。")
                                           .arg(cells.size())
                                           .arg(columns_.size() + 1)));
        const std::optional<ItemRef> item = parseRef(cells[0], 1, true);
        if (!item || item->category != category_)
            return problem(r, 1, Outcome::of(Status::BadItemName, {}, cells[0]));
        const qsizetype header = game_.headerOf(*item);
        if (header < 0)
            return problem(r, 1, Outcome::of(Status::NoSuchItem, game_.itemFilePath(), cells[0]));
        for (size_t c = 0; c < columns_.size(); ++c) {
            const qsizetype column = qsizetype(c) + 2;
            if (columns_[c] == -2)
                readName(r, column, *item, cells[column - 1]);
            else if (columns_[c] >= 0)
                readCell(r, column, *item, header, columns_[c], cells[column - 1]);
        }
    }

    void readCell(qsizetype r, qsizetype column, const ItemRef& item, qsizetype header, int field,
                  const QString& text) {
        const FieldSpec& declared = categoryFields(category_).fields[size_t(field)];
        const qsizetype line = game_.keyLine(category_, header, declared.name(), 0);
        if (line < 0) {
            if (text != kNone)
                problem(r, column, Outcome::of(Status::NoSuchKey, {}, declared.caption.trimmed()));
            return;
        }
        // A spreadsheet writes a number-like cell in its own form ("070" as "70"): a cell whose
        // numbers are the file's, as the game reads them, changes nothing and keeps the bytes.
        const QString now = decodeAnsi(game_.items().lineBytes(line).sliced(declared.key.size()));
        if (text == now || sameNumbers(declared.type, now, text))
            return;
        // The plan's own check of the cell's change alone: every refused cell is listed.
        Change typed = typedChange(item, declared.name(), text);
        const SetCheck check = checkChangeSet({typed});
        if (!check.outcome.done())
            return problem(r, column, check.outcome);
        if (check.typedLines.front() != game_.items().lineBytes(line))
            result_.changes.push_back(std::move(typed));
    }

    void readName(qsizetype r, qsizetype column, const ItemRef& item, const QString& name) {
        if (name == game_.itemText(category_, item.id).name.value_or(QString()))
            return;
        std::optional<NameRecordText> text = nameRecordText(game_, item);
        if (!text)
            return problem(r, column, Outcome::of(Status::NoNameRecord, {}, item.id));
        text->name = name;
        const ItemAction named = setNameRecordText(game_, item, *text);
        if (!named.outcome.done())
            return problem(r, column, named.outcome);
        result_.changes.insert(result_.changes.end(), named.changes.begin(), named.changes.end());
    }

    const GameData& game_;
    CategoryId category_;
    // per column after the first: its field, -2 the name, -1 unknown, -3 computed (left out)
    std::vector<int> columns_;
    SheetImport result_;
};

} // namespace

QString computedHeading(const QString& name) {
    return name + kComputedMark;
}

std::vector<QStringList> categoryCells(const GameData& game, CategoryId category,
                                       const std::vector<ListEntry>& rows,
                                       const std::vector<ComputedColumn>& computed) {
    std::vector<QStringList> lines;
    QStringList header{kItemColumn, kNameColumn};
    for (const FieldSpec& field : categoryFields(category).fields)
        header.append(field.caption.trimmed());
    for (const ComputedColumn& column : computed)
        header.append(computedHeading(column.name));
    lines.push_back(std::move(header));
    for (const ListEntry& entry : rows) {
        QStringList cells{refText({category, entry.id, entry.ordinal + 1}),
                          game.itemText(category, entry.id).name.value_or(QString())};
        for (const KeyHit& hit : game.record(category, entry.headerLine).fields)
            cells.append(hit.lineNumber > 0 ? hit.value : kNone);
        for (const ComputedColumn& column : computed)
            cells.append(column.cell(entry));
        lines.push_back(std::move(cells));
    }
    return lines;
}

QByteArray csvSheet(const std::vector<QStringList>& lines) {
    QString text;
    for (const QStringList& cells : lines)
        appendLine(text, cells);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray categorySheet(const GameData& game, CategoryId category,
                         const std::vector<ListEntry>& rows,
                         const std::vector<ComputedColumn>& computed) {
    return csvSheet(categoryCells(game, category, rows, computed));
}

SheetImport importSheet(const GameData& game, CategoryId category, QByteArrayView csv) {
    return Importer(game, category).run(csv);
}

QString describeProblem(const SheetProblem& problem) {
    const QString where =
        problem.column > 0
            ? SheetWords::tr("第 %1 行第 %2 列：").arg(problem.row).arg(problem.column)
            : SheetWords::tr("第 %1 行：").arg(problem.row);
    return where + describe(problem.what);
}

} // namespace wed
