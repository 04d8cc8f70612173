#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/numeric_value.h"
#include "data/record_view.h"
#include "rules/rules_state.h"

namespace wed {

namespace {

constexpr char kItemType[] = "wed.item";
constexpr char kColumnsType[] = "wed.columns";

void pushText(lua_State* lua, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    lua_pushlstring(lua, bytes.constData(), size_t(bytes.size()));
}

// A number as the file writes it, or nothing pushed.
bool pushNumber(lua_State* lua, const QString& text) {
    return isNumber(text) && lua_stringtonumber(lua, text.toLatin1().constData()) != 0;
}

void pushView(lua_State* lua, const ItemView& view, const char* type) {
    new (lua_newuserdatauv(lua, sizeof(ItemView), 0)) ItemView(view);
    luaL_setmetatable(lua, type);
}

const QString* pendingValue(lua_State* lua, const ItemView& view, QByteArrayView key) {
    const RecipeChanges* recipe = stateOf(lua).recipe;
    if (!view.recipe || recipe == nullptr)
        return nullptr;
    const auto found = recipe->values.find({refText(view.ref), key.toByteArray()});
    return found == recipe->values.end() ? nullptr : &found->second;
}

void pushField(lua_State* lua, const ItemView& view, const QString& key) {
    const int field = fieldOfKey(view.ref.category, key);
    if (field < 0)
        return lua_pushnil(lua);
    const FieldSpec& declared = categoryFields(view.ref.category).fields[size_t(field)];
    if (const QString* pending = pendingValue(lua, view, declared.name()))
        return pushFieldValue(lua, declared, *pending);
    const KeyHit hit = readFieldAt(view.game->items(), view.ref.category, view.header, field);
    if (hit.lineNumber == 0)
        return lua_pushnil(lua);
    pushFieldValue(lua, declared, hit.value);
}

int itemRaw(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    const std::optional<QByteArray> key = encodeAnsi(QString::fromUtf8(luaL_checkstring(lua, 2)));
    const std::optional<QByteArray> value =
        key ? view.game->value(view.ref, *key, 0) : std::nullopt;
    if (value)
        pushText(lua, decodeAnsi(*value));
    else
        lua_pushnil(lua);
    return 1;
}

int itemIndex(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    if (lua_type(lua, 2) != LUA_TSTRING)
        return 0;
    const QString key = QString::fromUtf8(lua_tostring(lua, 2));
    if (key == u"id")
        pushText(lua, view.ref.id);
    else if (key == u"ref")
        pushText(lua, refText(view.ref));
    else if (key == u"category")
        lua_pushstring(lua, category(view.ref.category).name);
    else if (key == u"name" || key == u"description") {
        const ItemText text = view.game->itemText(view.ref.category, view.ref.id);
        if (const QString* pending = pendingValue(lua, view, {}); pending && key == u"name")
            pushText(lua, *pending);
        else if (key == u"description")
            pushText(lua, text.description);
        else if (text.name)
            pushText(lua, *text.name);
        else
            lua_pushnil(lua);
    } else if (key == u"columns")
        pushView(lua, view, kColumnsType);
    else if (key == u"raw")
        lua_pushcfunction(lua, itemRaw);
    else if (key == u"base") {
        const qsizetype header = view.base ? view.base->headerOf(view.ref) : -1;
        if (header < 0)
            return 0;
        pushItem(lua, {view.base, nullptr, view.ref, header, view.evaluation, false});
    } else
        pushField(lua, view, key);
    return 1;
}

int itemAssign(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    if (!view.recipe || stateOf(lua).recipe == nullptr)
        return luaL_error(lua, "an item is read-only outside a recipe");
    assignField(lua, view, QString::fromUtf8(luaL_checkstring(lua, 2)), 3);
    return 0;
}

int columnsIndex(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kColumnsType);
    const QString name = QString::fromUtf8(luaL_checkstring(lua, 2));
    const int column = columnIndexIn(stateOf(lua).columns, view.ref.category, name);
    if (column < 0)
        raiseFault(lua, RuleFault::UnknownColumn, name);
    pushItem(lua, view);
    pushColumn(lua, column);
    return 1;
}

int destroyView(lua_State* lua) {
    static_cast<ItemView*>(lua_touserdata(lua, 1))->~ItemView();
    return 0;
}

// Takes the column off the list of those under way however its computation ends.
struct Computing {
    std::vector<Rules::State::Computing>& list;
    ~Computing() { list.pop_back(); }
};

} // namespace

ItemView& viewAt(lua_State* lua, int index, const char* type) {
    auto& view = *static_cast<ItemView*>(luaL_checkudata(lua, index, type));
    if (view.evaluation != stateOf(lua).evaluation)
        luaL_error(lua, "an item kept from an earlier run of a rule");
    return view;
}

void openItems(lua_State* lua) {
    const luaL_Reg item[] = {
        {"__index", itemIndex}, {"__newindex", itemAssign}, {"__gc", destroyView}, {}};
    luaL_newmetatable(lua, kItemType);
    luaL_setfuncs(lua, item, 0);
    lockMetatable(lua);
    const luaL_Reg columns[] = {{"__index", columnsIndex}, {"__gc", destroyView}, {}};
    luaL_newmetatable(lua, kColumnsType);
    luaL_setfuncs(lua, columns, 0);
    lockMetatable(lua);
    lua_pop(lua, 2);
}

void lockMetatable(lua_State* lua) {
    lua_pushliteral(lua, "locked");
    lua_setfield(lua, -2, "__metatable");
}

void pushItem(lua_State* lua, const ItemView& view) {
    pushView(lua, view, kItemType);
}

void pushColumn(lua_State* lua, int column) {
    Rules::State& state = stateOf(lua);
    const ItemView& view = viewAt(lua, -1, kItemType);
    for (size_t i = 0; i < state.computing.size(); ++i) {
        const Rules::State::Computing& under = state.computing[i];
        if (under.game != view.game || under.item != view.ref || under.column != column)
            continue;
        QStringList names;
        for (size_t j = i; j < state.computing.size(); ++j)
            names << state.columns[size_t(state.computing[j].column)].name;
        raiseFault(lua, RuleFault::Cycle,
                   (names << state.columns[size_t(column)].name).join(QStringLiteral(" → ")));
    }
    state.computing.push_back({view.game, view.ref, column});
    const Computing guard{state.computing};
    lua_rawgeti(lua, LUA_REGISTRYINDEX, state.columnFunctions[size_t(column)]);
    lua_insert(lua, -2);
    lua_call(lua, 1, 1);
}

void pushFieldValue(lua_State* lua, const FieldSpec& field, const QString& value) {
    if (field.type == ValueType::Text)
        return pushText(lua, value);
    if (field.type != ValueType::Pair) {
        if (!pushNumber(lua, value.trimmed()))
            lua_pushnil(lua);
        return;
    }
    const QStringList parts = value.simplified().split(u' ');
    lua_createtable(lua, 2, 0);
    for (int i = 0; i < 2; ++i) {
        if (parts.size() != 2 || !pushNumber(lua, parts[i])) {
            lua_pop(lua, 1);
            return lua_pushnil(lua);
        }
        lua_rawseti(lua, -2, i + 1);
    }
}

// The expression is compiled on its declaration's line, so that its errors name that line,
// into a function of the item whose environment gives the item's fields by key, then the
// globals.
void pushExpression(lua_State* lua, const QString& expression, const QString& file, int line) {
    const QByteArray text =
        QByteArray(qMax(line - 1, 0), '\n') +
        "local G, setmetatable = _ENV, setmetatable return function(item) "
        "local _ENV = setmetatable({}, {__index = function(_, k) local v = item[k] "
        "if v == nil then return G[k] end return v end}) return (" +
        expression.toUtf8() + "\n) end";
    if (loadText(lua, text, file) != LUA_OK)
        raiseFault(lua, RuleFault::Syntax, QString::fromUtf8(lua_tostring(lua, -1)));
    lua_call(lua, 0, 1);
}

} // namespace wed
