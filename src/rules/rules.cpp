#include "game/game_data.h"
#include "rules/rules_state.h"

#include <QRegularExpression>

namespace wed {

Rules::State::State(RuleLimits given) : limits(given) {
    newSandbox(*this);
}

Rules::State::~State() {
    if (lua != nullptr)
        lua_close(lua);
}

int columnIndexIn(const std::vector<ColumnRule>& columns, CategoryId category,
                  QAnyStringView name) {
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].category == category && QAnyStringView::equal(columns[i].name, name))
            return int(i);
    return -1;
}

int lineInMessage(const QString& message) {
    static const QRegularExpression line(QStringLiteral(":(\\d+):"));
    const QRegularExpressionMatch found = line.match(message);
    return found.hasMatch() ? found.captured(1).toInt() : 0;
}

Rules::Rules(RuleLimits limits) : state_(std::make_unique<State>(limits)) {}
Rules::~Rules() = default;

const std::vector<ColumnRule>& Rules::columns() const {
    return state_->columns;
}
const std::vector<CheckRule>& Rules::checks() const {
    return state_->checks;
}
const std::vector<RecipeRule>& Rules::recipes() const {
    return state_->recipes;
}
const std::vector<RuleError>& Rules::errors() const {
    return state_->errors;
}

int Rules::columnIndex(CategoryId category, const QString& name) const {
    return columnIndexIn(state_->columns, category, name);
}

int Rules::recipeIndex(const QString& name) const {
    for (size_t i = 0; i < state_->recipes.size(); ++i)
        if (state_->recipes[i].name == name)
            return int(i);
    return -1;
}

namespace {

// The error, named after the rule and placed at its declaration.
RuleError ofRule(RuleError error, const QString& rule, const QString& file, int line) {
    error.rule = rule;
    error.file = file;
    error.line = line;
    return error;
}

// Runs a column's or a check's body for one item (at its header line, or found when -1), which
// it finds pushed as a read-only view, into the rule's result. On an error the result is
// `failure` with that error, named after the rule and placed at its declaration.
template <typename Result, typename Rule, typename Body>
Result runForItem(Rules::State& state, const Rule& rule, const QString& name, const GameData& game,
                  const ItemRef& item, qsizetype header, const GameData* base, Result failure,
                  const Body& body) {
    Result result;
    if (header < 0)
        header = game.headerOf(item);
    std::optional<RuleError> failed;
    const auto run = [&](lua_State* lua) {
        state.beginEvaluation();
        pushItem(lua, viewOf(state, game, base, item, header, false));
        body(lua, result);
    };
    if (header < 0 || state.lua == nullptr)
        failed = RuleError{RuleFault::UnknownItem, {}, 0, {}, refText(item), {}};
    else // one reference held: the call's function is made without an allocation
        failed = protectedCall(state, state.limits.ruleInstructions,
                               [&run](lua_State* lua) { run(lua); });
    if (!failed)
        return result;
    failure.error = ofRule(*failed, name, rule.file, rule.line);
    return failure;
}

} // namespace

ColumnValue Rules::column(int column, const GameData& game, const ItemRef& item,
                          const GameData* base) {
    const ColumnRule& rule = state_->columns[size_t(column)];
    return runForItem<ColumnValue>(*state_, rule, rule.name, game, item, -1, base, {},
                                   [&](lua_State* lua, ColumnValue& value) {
                                       pushColumn(lua, column);
                                       switch (lua_type(lua, -1)) {
                                       case LUA_TNIL:
                                           break;
                                       case LUA_TNUMBER:
                                           value.kind = ColumnValue::Kind::Number;
                                           value.number = lua_tonumber(lua, -1);
                                           break;
                                       case LUA_TSTRING:
                                           value.kind = ColumnValue::Kind::Text;
                                           value.text = QString::fromUtf8(lua_tostring(lua, -1));
                                           break;
                                       case LUA_TBOOLEAN:
                                           value.kind = ColumnValue::Kind::Boolean;
                                           value.boolean = lua_toboolean(lua, -1);
                                           break;
                                       default:
                                           raiseFault(lua, RuleFault::BadResult,
                                                      QString::fromUtf8(luaL_typename(lua, -1)));
                                       }
                                   });
}

CheckVerdict Rules::check(int check, const GameData& game, const ItemRef& item,
                          const GameData* base, qsizetype header) {
    const CheckRule& rule = state_->checks[size_t(check)];
    // A check that cannot run has not passed.
    return runForItem<CheckVerdict>(
        *state_, rule, rule.code, game, item, header, base, {false, {}, {}},
        [&](lua_State* lua, CheckVerdict& verdict) {
            lua_rawgeti(lua, LUA_REGISTRYINDEX, state_->checkFunctions[size_t(check)]);
            lua_insert(lua, -2);
            lua_call(lua, 1, 1);
            const int type = lua_type(lua, -1);
            if (type == LUA_TSTRING)
                verdict = {false, QString::fromUtf8(lua_tostring(lua, -1)), {}};
            else if (type == LUA_TBOOLEAN || type == LUA_TNIL)
                verdict = {bool(lua_toboolean(lua, -1)), rule.message, {}};
            else
                raiseFault(lua, RuleFault::BadResult, QString::fromUtf8(luaL_typename(lua, -1)));
            if (verdict.passed)
                verdict.message.clear();
        });
}

RecipeOutcome Rules::run(int recipe, const GameData& game, const GameData* base) {
    State& state = *state_;
    const RecipeRule& rule = state.recipes[size_t(recipe)];
    if (state.lua == nullptr)
        return {{},
                ofRule({RuleFault::Memory, {}, 0, {}, {}, {}}, rule.name, rule.file, rule.line)};
    RecipeChanges changes;
    state.recipe = &changes;
    std::optional<RuleError> failed =
        protectedCall(state, state.limits.recipeInstructions, [&](lua_State* lua) {
            lua_rawgeti(lua, LUA_REGISTRYINDEX, state.recipeFunctions[size_t(recipe)]);
            state.beginEvaluation();
            pushGame(lua, game, base);
            lua_call(lua, 1, 0);
        });
    state.recipe = nullptr;
    state.beginEvaluation(); // the recipe's items are writable no more
    if (changes.refused && !failed)
        failed = changes.refused; // a refusal the recipe caught still refuses it
    if (failed)
        return {{}, ofRule(*failed, rule.name, rule.file, rule.line)};
    return {std::move(changes.changes), {}};
}

} // namespace wed
