#pragma once

// What the rules' sources share: the Lua state with its sandbox, the rules read, and the
// evaluation under way. Not for use outside this folder.

#include "game/game_data.h"
#include "rules/rules.h"

#include <lua.hpp>

#include <QHash>
#include <functional>
#include <utility>

namespace wed {

// The item as a rule sees it (a userdata): valid only during the evaluation it was made in.
// It holds no Qt value, so that it needs no finalizer: its item is the evaluation's, by index.
struct ItemView {
    const GameData* game = nullptr;
    const GameData* base = nullptr; // the folder as shipped, for item.base; may be null
    qsizetype header = -1;
    unsigned evaluation = 0;
    unsigned item = 0; // in Rules::State::items
    CategoryId category = CategoryId::Weapon;
    bool recipe = false; // fields may be assigned
};

// An item of the evaluation under way, and the key lines of its fields as they are read
// (kUnread until then, -1 for a key the record lacks).
struct EvaluatedItem {
    static constexpr qsizetype kUnread = -2;
    const GameData* game = nullptr;
    qsizetype header = -1;
    ItemRef ref;
    std::vector<qsizetype> fieldLines;
};

// A recipe's changes while it runs: one per item and key (and per item's name), in the order
// first made, each replaced by a later assignment. Items by their header line in the folder.
struct RecipeChanges {
    ChangeSet changes;
    struct Made {
        size_t change;
        QString value; // the value now, as written
    };
    QHash<std::pair<qsizetype, QByteArray>, Made> made; // by header and key ("" for the name)
    std::optional<RuleError> refused;
};

struct Rules::State {
    RuleLimits limits;
    lua_State* lua = nullptr;
    size_t used = 0;         // bytes the state holds
    long long remaining = 0; // instructions left to the evaluation under way
    bool exhausted = false;
    bool loading = false;
    unsigned evaluation = 1;
    QString file; // the file being read
    int declarationLine = 0;
    std::optional<RuleError> raised; // a fault of our own raised through Lua, kept typed

    std::vector<ColumnRule> columns;
    std::vector<CheckRule> checks;
    std::vector<RecipeRule> recipes;
    std::vector<int> columnFunctions, checkFunctions, recipeFunctions; // registry references
    std::vector<RuleError> errors;
    // The items of the evaluation under way, each once: the first few found by a scan, the
    // others by their folder and header line.
    std::vector<EvaluatedItem> items;
    QHash<std::pair<const GameData*, qsizetype>, unsigned> itemAt;
    struct Computing {
        const GameData* game;
        unsigned item;
        int column;
    };
    std::vector<Computing> computing; // the columns under way, for cycles
    RecipeChanges* recipe = nullptr;

    explicit State(RuleLimits given);
    ~State();
    // A new evaluation: the views of the ones before are refused from now on.
    void beginEvaluation();
};

Rules::State& stateOf(lua_State* lua);
int columnIndexIn(const std::vector<ColumnRule>& columns, CategoryId category, QAnyStringView name);
// The line a Lua message names ("file:12: ..."), or 0.
int lineInMessage(const QString& message);

// lua_sandbox.cpp: the state with the safe libraries alone and the bounded string functions;
// a protected call under the budget.
lua_State* newSandbox(Rules::State& state);
// Runs the body in protected mode with `instructions` to spend: every use of the Lua state
// happens inside one, so that no error (not even a failed allocation) escapes unprotected. On
// failure, the error (its rule, file and line to be filled by the caller).
std::optional<RuleError> protectedCall(Rules::State& state, long long instructions,
                                       const std::function<void(lua_State*)>& body);
// Raises a fault of our own as a Lua error (never returns).
[[noreturn]] void raiseFault(lua_State* lua, RuleFault fault, const QString& detail,
                             const Outcome& refusal = {});
// The item or game userdata at the index, refused when made by an evaluation that is over.
ItemView& viewAt(lua_State* lua, int index, const char* type);
// A view of the item at the header line in the folder, for the evaluation under way.
ItemView viewOf(Rules::State& state, const GameData& game, const GameData* base,
                const ItemRef& item, qsizetype header, bool recipe);
const ItemRef& refOf(lua_State* lua, const ItemView& view);
// Makes the metatable of a userdata type, kept in the registry by the type's address (and
// name), and leaves it at the stack's top.
void newMetatable(lua_State* lua, const char* type);
// Gives the userdata at the stack's top the metatable of its type.
void setMetatable(lua_State* lua, const char* type);
// Loads a text chunk with the file's name for messages.
int loadText(lua_State* lua, const QByteArray& text, const QString& file);

// rules_reader.cpp: the declaration functions a file calls.
void openDeclarations(lua_State* lua);
// The line of a text that is not UTF-8, or 0.
int firstNonUtf8Line(const QByteArray& text);

// rule_item.cpp: the item userdata and the expression environment.
void openItems(lua_State* lua);
void pushItem(lua_State* lua, const ItemView& view);
// Hides the metatable at the stack's top from getmetatable and setmetatable: a rule that
// changed a userdata's __gc would run code with the hooks off.
void lockMetatable(lua_State* lua);
// The value of a category's column for the item at the stack's top (left there).
void pushColumn(lua_State* lua, int column);
// The value as a rule reads it, from the text a recipe wrote.
void pushFieldValue(lua_State* lua, const FieldSpec& field, const QString& value);
// Makes an expression column's function from its text.
void pushExpression(lua_State* lua, const QString& expression, const QString& file, int line);

// rule_recipe.cpp: the game a recipe sees, and assignments to its items.
void pushGame(lua_State* lua, const GameData& game, const GameData* base);
void assignField(lua_State* lua, const ItemView& view, QStringView key, int value);

} // namespace wed
