#pragma once

#include "rules/rules.h"

#include <QString>
#include <QStringList>

namespace wed {

// The user's words for an error of a rules file or of one of its rules, where it is first, as
// compilers write it: "FILE:LINE: 规则“NAME”：what went wrong" (no line: "FILE: …"; a fault of
// the file as a whole names no rule).
QString describeRuleError(const RuleError& error);

// A rule's place, for listings: "FILE:LINE".
QString rulePlace(const QString& file, int line);

// A computed column's value as a cell shows it: a number in the decimal form typing writes, a
// text as it is, "true" or "false", nothing for nil; "错误" when the column failed (data, as a
// sheet's "无" is).
QString columnValueText(const ColumnValue& value);

// A rule's line in a listing, after its place: "FILE:LINE: 计算列 weapon/NAME",
// "…: 检查 weapon/CODE（警告）：MESSAGE", "…: 配方 NAME：DESCRIPTION".
QString describeRule(const ColumnRule& column);
QString describeRule(const CheckRule& check);
QString describeRule(const RecipeRule& recipe);
// What the rules define, columns, checks and recipes, then each error of their files.
QStringList ruleListing(const Rules& rules);
// There are no rules: the folder has no rules file and none was given.
QString noRulesFileText();

// A recipe that failed or was refused: its error, and that nothing was written.
QString describeRecipeRefusal(const RuleError& error);
// A recipe whose changes leave the files as they are.
QString recipeChangesNothing(const QString& recipe);

// The word for a check's severity: "错误" or "警告".
QString severityText(Severity severity);

} // namespace wed
