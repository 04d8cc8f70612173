#include "app/rule_text.h"

#include "app/folder_rules.h"
#include "app/outcome_text.h"
#include "edit/decimal_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace wed {
namespace {

struct RuleWords {
    Q_DECLARE_TR_FUNCTIONS(RuleWords)
};

// A fault of the rules' own carries the place in the file where it was raised, as Lua's
// messages do ("FILE:N: detail"): the detail alone, and the place, to be said after the words.
std::pair<QString, QString> placed(const QString& detail) {
    static const QRegularExpression where(QStringLiteral("^(.+?:\\d+): (.*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch found = where.match(detail);
    if (!found.hasMatch())
        return {detail, {}};
    return {found.captured(2), QDir::toNativeSeparators(found.captured(1))};
}

QString words(RuleError e) {
    switch (e.fault) {
    case RuleFault::Unreadable:
        return RuleWords::tr("无法读取规则文件（%1）。").arg(e.detail);
    case RuleFault::NotUtf8:
        return RuleWords::tr("规则文件不是 UTF-8 文本：从这一行起无法按 UTF-8 读取，"
                             "整个文件的规则都没有读入。");
    case RuleFault::Syntax:
        return RuleWords::tr("Lua 语法错误（%1），整个文件的规则都没有读入。").arg(e.detail);
    case RuleFault::Runtime:
        return RuleWords::tr("运行出错：%1").arg(e.detail);
    case RuleFault::Budget:
        return RuleWords::tr("运行的步数超过了上限（可能是死循环，或太费时的模式匹配），已停止。");
    case RuleFault::Memory:
        return RuleWords::tr("占用的内存超过了上限，已停止。");
    case RuleFault::BadDeclaration:
        return RuleWords::tr("规则的写法不对（%1）。").arg(e.detail);
    case RuleFault::UnknownCategory:
        return RuleWords::tr("没有“%1”这个类别：类别是 weapon、armor 或 implant。").arg(e.detail);
    case RuleFault::UnknownKey:
        return RuleWords::tr("“%1”不是这一类物品的键。").arg(e.detail);
    case RuleFault::DuplicateName:
        return RuleWords::tr("“%1”这个名字前面已经有规则用了。").arg(e.detail);
    case RuleFault::NameTaken:
        return RuleWords::tr("计算列不能叫“%1”：这是字段的名字或键，或表格的标题。").arg(e.detail);
    case RuleFault::Cycle:
        return RuleWords::tr("计算列互相引用，形成循环：%1。").arg(e.detail);
    case RuleFault::UnknownColumn:
        return RuleWords::tr("没有“%1”这个计算列。").arg(e.detail);
    case RuleFault::UnknownItem:
        return RuleWords::tr("文件中没有物品“%1”。").arg(e.detail);
    case RuleFault::BadResult:
        return RuleWords::tr("结果不能使用（%1）。").arg(e.detail);
    case RuleFault::Refused: {
        Outcome refusal = e.refusal;
        refusal.effect = Effect::Noted;
        return RuleWords::tr("值“%1”不能写入：%2").arg(e.detail, describe(refusal));
    }
    }
    return {};
}

QString fault(const RuleError& error) {
    if (error.fault == RuleFault::Runtime || error.fault == RuleFault::Syntax)
        return words(error);
    RuleError bare = error;
    QString place;
    std::tie(bare.detail, place) = placed(error.detail);
    return place.isEmpty() ? words(bare) : words(bare) + RuleWords::tr("（在 %1）").arg(place);
}

} // namespace

QString rulePlace(const QString& file, int line) {
    const QString path = QDir::toNativeSeparators(file);
    return line > 0 ? path + u':' + QString::number(line) : path;
}

QString describeRuleError(const RuleError& error) {
    QString text = rulePlace(error.file, error.line) + QStringLiteral(": ");
    if (!error.rule.isEmpty())
        text += RuleWords::tr("规则“%1”：").arg(error.rule);
    return text + fault(error);
}

QString columnValueText(const ColumnValue& value) {
    if (value.error)
        return QStringLiteral("错误");
    switch (value.kind) {
    case ColumnValue::Kind::Nothing:
        return {};
    case ColumnValue::Kind::Number: {
        const QString text = decimalForm(value.number);
        return text.isEmpty() ? QString::number(value.number) : text; // inf, nan
    }
    case ColumnValue::Kind::Text:
        return value.text;
    case ColumnValue::Kind::Boolean:
        return value.boolean ? QStringLiteral("true") : QStringLiteral("false");
    }
    return {};
}

QString describeRule(const ColumnRule& column) {
    return rulePlace(column.file, column.line) +
           RuleWords::tr(": 计算列 %1/%2")
               .arg(QLatin1StringView(category(column.category).name), column.name);
}

QString describeRule(const CheckRule& check) {
    return rulePlace(check.file, check.line) +
           RuleWords::tr(": 检查 %1/%2（%3）：%4")
               .arg(QLatin1StringView(category(check.category).name), check.code,
                    severityText(check.severity), check.message);
}

QString describeRule(const RecipeRule& recipe) {
    return rulePlace(recipe.file, recipe.line) +
           RuleWords::tr(": 配方 %1：%2").arg(recipe.name, recipe.description);
}

QStringList ruleListing(const Rules& rules) {
    QStringList lines;
    for (const ColumnRule& column : rules.columns())
        lines.append(describeRule(column));
    for (const CheckRule& check : rules.checks())
        lines.append(describeRule(check));
    for (const RecipeRule& recipe : rules.recipes())
        lines.append(describeRule(recipe));
    for (const RuleError& error : rules.errors())
        lines.append(describeRuleError(error));
    return lines;
}

QString noRulesFileText() {
    return RuleWords::tr("文件夹中没有 %1，也没有用 --rules 给出规则文件。")
        .arg(QString::fromLatin1(kFolderRulesFile));
}

QString describeRecipeRefusal(const RuleError& error) {
    // On a line of its own: the error before it ends with Lua's words, in any language.
    return RuleWords::tr("%1\n配方被拒绝：没有写入任何内容，文件保持原样。")
        .arg(describeRuleError(error));
}

QString recipeChangesNothing(const QString& recipe) {
    return RuleWords::tr("配方“%1”没有修改任何内容。").arg(recipe);
}

QString severityText(Severity severity) {
    return severity == Severity::Warning ? RuleWords::tr("警告") : RuleWords::tr("错误");
}

} // namespace wed
