#pragma once

#include "base/category.h"
#include "base/outcome.h"
#include "game/change_set.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace wed {

class GameData;

// Why a rules file or one of its rules failed.
enum class RuleFault {
    Unreadable,      // the file cannot be read; detail: the system's reason
    NotUtf8,         // the file is not UTF-8 text; line: the first line that is not
    Syntax,          // detail: the Lua message
    Runtime,         // detail: the Lua message, with the file and line where it was raised
    Budget,          // the instruction budget ran out (a loop without end, a costly pattern)
    Memory,          // the memory limit was reached
    BadDeclaration,  // detail: what is wrong with the declaration's arguments
    UnknownCategory, // detail: the category named
    UnknownKey,      // detail: the key, which the category has no field for
    DuplicateName,   // detail: the column or recipe name declared before
    NameTaken,       // detail: a column name that is a field's caption or key, or a heading
    Cycle,           // detail: the columns that read each other
    UnknownColumn,   // detail: the column asked for
    UnknownItem,     // detail: the item a rule was asked to run for, which the folder lacks
    BadResult,       // detail: the type of value a column or check gave
    Refused,         // a recipe's value the field refuses: `refusal` says why
};

// A failure, with the file and line of the rule (or of the file's first fault) it belongs to.
struct RuleError {
    RuleFault fault = RuleFault::Runtime;
    QString file;
    int line = 0;
    QString rule; // the rule's name or code; empty for a fault of the file
    QString detail;
    Outcome refusal; // Refused: the field's refusal
};

enum class Severity { Error, Warning };

struct ColumnRule {
    CategoryId category;
    QString name;
    QString file;
    int line = 0;
};

struct CheckRule {
    CategoryId category;
    QString code;
    QString message;
    QByteArray key; // the field it judges, without "="; empty for the whole item
    Severity severity = Severity::Error;
    QString file;
    int line = 0;
};

struct RecipeRule {
    QString name;
    QString description;
    QString file;
    int line = 0;
};

// What a computed column gives for one item.
struct ColumnValue {
    enum class Kind { Nothing, Number, Text, Boolean } kind = Kind::Nothing;
    double number = 0;
    QString text;
    bool boolean = false;
    std::optional<RuleError> error;
};

// What a check finds for one item: passed, or failed with its message; or its own error.
struct CheckVerdict {
    bool passed = true;
    QString message;
    std::optional<RuleError> error;
};

// What a recipe gives: its change set, or its error and no change set.
struct RecipeOutcome {
    std::optional<ChangeSet> changes;
    std::optional<RuleError> error;
};

// How much one run of a rule may take.
struct RuleLimits {
    long long loadInstructions = 20'000'000; // reading one file
    long long ruleInstructions = 2'000'000;  // one column or check for one item
    long long recipeInstructions = 200'000'000;
    size_t memoryBytes = 64u << 20; // the whole state
};

// The rules of a game folder: files read in order into one sandboxed Lua state, their columns,
// checks and recipes, and the running of each over the model. A file that fails contributes
// no rule; the others still load. Running a rule never throws and never writes: a recipe
// gives a change set for the caller to preview and apply.
class Rules {
  public:
    explicit Rules(RuleLimits limits = {});
    ~Rules();
    Rules(const Rules&) = delete;
    Rules& operator=(const Rules&) = delete;

    // Reads a rules file from disk; false when it gave an error (errors() says which).
    bool readFile(const QString& path);
    // Reads rules text, named `file` in every message.
    bool readText(const QString& file, const QByteArray& text);

    const std::vector<ColumnRule>& columns() const;
    const std::vector<CheckRule>& checks() const;
    const std::vector<RecipeRule>& recipes() const;
    const std::vector<RuleError>& errors() const;
    // The index of the category's column of that name, or -1.
    int columnIndex(CategoryId category, const QString& name) const;
    int recipeIndex(const QString& name) const;

    // `base` is the same folder as shipped, for rules that read `item.base`; may be null.
    ColumnValue column(int column, const GameData& game, const ItemRef& item,
                       const GameData* base = nullptr);
    // `header`: the item's header line when the caller knows it (a check over a listing), to
    // spare the lookup; -1 to find it.
    CheckVerdict check(int check, const GameData& game, const ItemRef& item,
                       const GameData* base = nullptr, qsizetype header = -1);
    RecipeOutcome run(int recipe, const GameData& game, const GameData* base = nullptr);

    struct State;

  private:
    std::unique_ptr<State> state_;
};

} // namespace wed
