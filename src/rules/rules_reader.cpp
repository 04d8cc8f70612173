#include "data/item_fields.h"
#include "rules/rules_state.h"

#include <QFile>
#include <QStringDecoder>

namespace wed {

namespace {

// The headings a category's sheet gives the item's reference and its name: no column may
// take them.
const QString kReservedHeadings[] = {sheetItemHeading(), sheetNameHeading()};

// The line of the declaration being made: the caller of the declaring function.
int declarationLine(lua_State* lua) {
    lua_Debug where;
    if (lua_getstack(lua, 1, &where) && lua_getinfo(lua, "l", &where))
        return where.currentline;
    return 0;
}

QString textAt(lua_State* lua, int index, const char* what) {
    if (lua_type(lua, index) != LUA_TSTRING)
        raiseFault(lua, RuleFault::BadDeclaration, QStringLiteral("%1 must be a string").arg(what));
    return QString::fromUtf8(lua_tostring(lua, index));
}

// The declaration's table and its category (from its first entry).
CategoryId declaredCategory(lua_State* lua) {
    if (lua_type(lua, 1) != LUA_TTABLE)
        raiseFault(lua, RuleFault::BadDeclaration, QStringLiteral("a rule is declared by a table"));
    if (!stateOf(lua).loading)
        raiseFault(lua, RuleFault::BadDeclaration,
                   QStringLiteral("rules are declared at a file's top level"));
    lua_geti(lua, 1, 1);
    const QString name = textAt(lua, -1, "the category");
    lua_pop(lua, 1);
    const Category* category = categoryForName(name);
    if (category == nullptr)
        raiseFault(lua, RuleFault::UnknownCategory, name);
    return category->id;
}

// Keeps the function at the stack's top in the registry.
int keepFunction(lua_State* lua, const char* what) {
    if (lua_type(lua, -1) != LUA_TFUNCTION)
        raiseFault(lua, RuleFault::BadDeclaration,
                   QStringLiteral("%1 must be a function").arg(what));
    return luaL_ref(lua, LUA_REGISTRYINDEX);
}

// A declaration's fault is the error of that rule alone: it is noted, and the file goes on.
void noteFault(lua_State* lua, RuleFault fault, const QString& rule, const QString& detail) {
    Rules::State& state = stateOf(lua);
    state.errors.push_back({fault, state.file, state.declarationLine, rule, detail, {}});
}

// Runs the declaring function (its upvalue) protected: a fault of its own is that rule's
// error; any other error (the budget, the memory) goes on up.
int guardedDeclaration(lua_State* lua) {
    Rules::State& state = stateOf(lua);
    state.declarationLine = declarationLine(lua);
    QString rule;
    if (lua_type(lua, 1) == LUA_TTABLE && lua_geti(lua, 1, 2) == LUA_TSTRING)
        rule = QString::fromUtf8(lua_tostring(lua, -1));
    lua_settop(lua, 1);
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    state.raised.reset();
    if (lua_pcall(lua, 1, 0, 0) == LUA_OK)
        return 0;
    if (!state.raised || state.exhausted)
        return lua_error(lua);
    noteFault(lua, state.raised->fault, rule, state.raised->detail);
    state.raised.reset();
    return 0;
}

bool nameTaken(CategoryId category, const QString& name) {
    for (const QString& heading : kReservedHeadings)
        if (name == heading)
            return true;
    for (const FieldSpec& field : categoryFields(category).fields)
        if (name == field.caption || name.toUtf8() == field.key || name.toUtf8() == field.name())
            return true;
    return false;
}

int declareColumn(lua_State* lua) {
    Rules::State& state = stateOf(lua);
    const CategoryId category = declaredCategory(lua);
    lua_geti(lua, 1, 2);
    const QString name = textAt(lua, -1, "the column's name");
    lua_geti(lua, 1, 3);
    if (nameTaken(category, name))
        raiseFault(lua, RuleFault::NameTaken, name);
    if (columnIndexIn(state.columns, category, name) >= 0)
        raiseFault(lua, RuleFault::DuplicateName, name);
    const int line = state.declarationLine;
    if (lua_type(lua, -1) == LUA_TSTRING)
        pushExpression(lua, QString::fromUtf8(lua_tostring(lua, -1)), state.file, line);
    state.columnFunctions.push_back(keepFunction(lua, "the column's expression"));
    state.columns.push_back({category, name, state.file, line});
    return 0;
}

int declareCheck(lua_State* lua) {
    Rules::State& state = stateOf(lua);
    CheckRule rule{declaredCategory(lua), {}, {}, {}, Severity::Error, state.file,
                   state.declarationLine};
    lua_geti(lua, 1, 2);
    rule.code = textAt(lua, -1, "the check's code");
    lua_geti(lua, 1, 3);
    rule.message = textAt(lua, -1, "the check's message");
    if (lua_getfield(lua, 1, "key") != LUA_TNIL) {
        const QString key = textAt(lua, -1, "key");
        const int field = fieldOfKey(rule.category, key);
        if (field < 0)
            raiseFault(lua, RuleFault::UnknownKey, key);
        rule.key = categoryFields(rule.category).fields[size_t(field)].name().toByteArray();
    }
    if (lua_getfield(lua, 1, "severity") != LUA_TNIL) {
        const QString severity = textAt(lua, -1, "severity");
        if (severity != u"error" && severity != u"warning")
            raiseFault(lua, RuleFault::BadDeclaration,
                       QStringLiteral("severity is \"error\" or \"warning\""));
        rule.severity = severity == u"warning" ? Severity::Warning : Severity::Error;
    }
    lua_geti(lua, 1, 4);
    state.checkFunctions.push_back(keepFunction(lua, "the check"));
    state.checks.push_back(std::move(rule));
    return 0;
}

int declareRecipe(lua_State* lua) {
    Rules::State& state = stateOf(lua);
    if (lua_type(lua, 1) != LUA_TTABLE)
        raiseFault(lua, RuleFault::BadDeclaration, QStringLiteral("a rule is declared by a table"));
    lua_geti(lua, 1, 1);
    const QString name = textAt(lua, -1, "the recipe's name");
    lua_geti(lua, 1, 2);
    const QString description = textAt(lua, -1, "the recipe's description");
    lua_geti(lua, 1, 3);
    if (!state.loading)
        raiseFault(lua, RuleFault::BadDeclaration,
                   QStringLiteral("rules are declared at a file's top level"));
    for (const RecipeRule& recipe : state.recipes)
        if (recipe.name == name)
            raiseFault(lua, RuleFault::DuplicateName, name);
    state.recipeFunctions.push_back(keepFunction(lua, "the recipe"));
    state.recipes.push_back({name, description, state.file, state.declarationLine});
    return 0;
}

} // namespace

void openDeclarations(lua_State* lua) {
    const luaL_Reg declarations[] = {
        {"column", declareColumn}, {"check", declareCheck}, {"recipe", declareRecipe}};
    for (const luaL_Reg& declaration : declarations) {
        lua_pushcfunction(lua, declaration.func);
        lua_pushcclosure(lua, guardedDeclaration, 1);
        lua_setglobal(lua, declaration.name);
    }
}

int firstNonUtf8Line(const QByteArray& text) {
    int line = 1;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(text).sliced(start, end - start));
        if (decoder.hasError())
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

bool Rules::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state_->errors.push_back({RuleFault::Unreadable, path, 0, {}, file.errorString(), {}});
        return false;
    }
    return readText(path, file.readAll());
}

bool Rules::readText(const QString& file, const QByteArray& text) {
    State& state = *state_;
    if (state.lua == nullptr) {
        state.errors.push_back({RuleFault::Memory, file, 0, {}, {}, {}});
        return false;
    }
    if (const int line = firstNonUtf8Line(text); line > 0) {
        state.errors.push_back({RuleFault::NotUtf8, file, line, {}, {}, {}});
        return false;
    }
    // A byte order mark is no Lua; the lines stay where they are without it.
    const QByteArray chunk = text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text;
    const size_t before[3] = {state.columns.size(), state.checks.size(), state.recipes.size()};
    const size_t errorsBefore = state.errors.size();
    state.file = file;
    state.loading = true;
    bool syntax = false;
    std::optional<RuleError> failed =
        protectedCall(state, state.limits.loadInstructions, [&](lua_State* lua) {
            if (loadText(lua, chunk, file) != LUA_OK) {
                syntax = true;
                lua_error(lua);
            }
            lua_call(lua, 0, 0);
        });
    state.loading = false;
    if (!failed)
        return state.errors.size() == errorsBefore;
    if (syntax)
        failed->fault = RuleFault::Syntax;
    failed->file = file;
    // A file that fails contributes no rule: what it declared before the fault goes.
    auto drop = [&](auto& rules, std::vector<int>& functions, size_t from) {
        for (size_t i = from; i < functions.size(); ++i)
            luaL_unref(state.lua, LUA_REGISTRYINDEX, functions[i]);
        rules.resize(from);
        functions.resize(from);
    };
    drop(state.columns, state.columnFunctions, before[0]);
    drop(state.checks, state.checkFunctions, before[1]);
    drop(state.recipes, state.recipeFunctions, before[2]);
    failed->line = lineInMessage(failed->detail);
    state.errors.push_back(*failed);
    return false;
}

} // namespace wed
