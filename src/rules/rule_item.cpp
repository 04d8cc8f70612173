#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/numeric_value.h"
#include "data/record_scan.h"
#include "rules/rules_state.h"

#include <array>

namespace wed {

namespace {

constexpr char kItemType[] = "wed.item";
constexpr char kColumnsType[] = "wed.columns";

// What an item's key names, besides its fields (whose codes are their indexes).
enum ItemKey {
    Id = -1,
    Ref = -2,
    CategoryName = -3,
    Name = -4,
    Description = -5,
    Columns = -6,
    Raw = -7,
    Base = -8
};

void pushText(lua_State* lua, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    lua_pushlstring(lua, bytes.constData(), size_t(bytes.size()));
}

// A number as the file writes it, or nothing pushed.
bool pushNumber(lua_State* lua, QByteArrayView ascii) {
    if (!isNumber(ascii))
        return false;
    std::array<char, 64> text{};
    if (size_t(ascii.size()) < text.size()) {
        std::copy(ascii.begin(), ascii.end(), text.begin());
        return lua_stringtonumber(lua, text.data()) != 0;
    }
    return lua_stringtonumber(lua, ascii.toByteArray().constData()) != 0;
}

bool pushNumber(lua_State* lua, const QString& text) {
    return isNumber(text) && pushNumber(lua, QByteArrayView(text.toLatin1()));
}

// The blanks that QString::trimmed and simplified drop, as far as ASCII has them.
bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The words of ASCII text between its blanks: how many, and the first two.
struct AsciiWords {
    qsizetype count = 0;
    std::array<QByteArrayView, 2> first;
};
AsciiWords asciiWords(QByteArrayView ascii) {
    AsciiWords words;
    for (qsizetype i = 0; i < ascii.size();) {
        if (isAsciiSpace(ascii[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < ascii.size() && !isAsciiSpace(ascii[i]))
            ++i;
        if (words.count < 2)
            words.first[size_t(words.count)] = ascii.sliced(start, i - start);
        ++words.count;
    }
    return words;
}

// A pair's two numbers as a table, or nil: `count` words, the first two at `parts`.
template <typename Word> void pushPair(lua_State* lua, qsizetype count, const Word* parts) {
    lua_createtable(lua, 2, 0);
    for (int i = 0; i < 2; ++i) {
        if (count != 2 || !pushNumber(lua, parts[i])) {
            lua_pop(lua, 1);
            return lua_pushnil(lua);
        }
        lua_rawseti(lua, -2, i + 1);
    }
}

// The value of a key line as a rule reads it. ASCII text is read as it stands; other text is
// decoded from the code page first, as the field shows it.
void pushFileValue(lua_State* lua, const FieldSpec& field, QByteArrayView bytes) {
    if (field.type == ValueType::Text || !isAscii(bytes))
        return pushFieldValue(lua, field, decodeAnsi(bytes));
    const AsciiWords words = asciiWords(bytes);
    if (field.type == ValueType::Pair)
        return pushPair(lua, words.count, words.first.data());
    if (words.count != 1 || !pushNumber(lua, words.first[0]))
        lua_pushnil(lua);
}

void pushView(lua_State* lua, const ItemView& view, const char* type, int userValues) {
    new (lua_newuserdatauv(lua, sizeof(ItemView), userValues)) ItemView(view);
    setMetatable(lua, type);
}

const QString* pendingValue(lua_State* lua, const ItemView& view, QByteArrayView key) {
    const RecipeChanges* recipe = stateOf(lua).recipe;
    if (!view.recipe || recipe == nullptr)
        return nullptr;
    const auto found = recipe->made.constFind({view.header, key.toByteArray()});
    return found == recipe->made.cend() ? nullptr : &found->value;
}

// The line of the field's key in the item's record, or -1: found once per evaluation.
qsizetype fieldLine(lua_State* lua, const ItemView& view, int field) {
    std::vector<qsizetype>& lines = stateOf(lua).items[view.item].fieldLines;
    const std::vector<FieldSpec>& fields = categoryFields(view.category).fields;
    if (lines.empty())
        lines.assign(fields.size(), EvaluatedItem::kUnread);
    qsizetype& line = lines[size_t(field)];
    if (line == EvaluatedItem::kUnread)
        line = view.game->keyLine(view.category, view.header, fields[size_t(field)].name(), 0);
    return line;
}

void pushField(lua_State* lua, const ItemView& view, int field) {
    const FieldSpec& declared = categoryFields(view.category).fields[size_t(field)];
    if (const QString* pending = pendingValue(lua, view, declared.name()))
        return pushFieldValue(lua, declared, *pending);
    const qsizetype line = fieldLine(lua, view, field);
    if (line < 0)
        return lua_pushnil(lua);
    pushFileValue(lua, declared, view.game->items().lineBytes(line).sliced(declared.key.size()));
}

int itemRaw(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    const std::optional<QByteArray> key = encodeAnsi(QString::fromUtf8(luaL_checkstring(lua, 2)));
    const std::optional<QByteArray> value =
        key ? view.game->value(refOf(lua, view), *key, 0) : std::nullopt;
    if (value)
        pushText(lua, decodeAnsi(*value));
    else
        lua_pushnil(lua);
    return 1;
}

// The item's `columns`: made once per item object, which it holds as its user value.
void pushColumns(lua_State* lua, const ItemView& view) {
    if (lua_getiuservalue(lua, 1, 1) != LUA_TNIL)
        return;
    lua_pop(lua, 1);
    pushView(lua, view, kColumnsType, 1);
    lua_pushvalue(lua, 1);
    lua_setiuservalue(lua, -2, 1);
    lua_pushvalue(lua, -1);
    lua_setiuservalue(lua, 1, 1);
}

// item[key], the key's code looked up in the table of the item's category (an upvalue).
int itemIndex(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    if (lua_type(lua, 2) != LUA_TSTRING)
        return 0;
    lua_pushvalue(lua, 2);
    if (lua_rawget(lua, lua_upvalueindex(int(view.category) + 1)) != LUA_TNUMBER)
        return 1; // nil: no such key
    const int key = int(lua_tointeger(lua, -1));
    lua_pop(lua, 1);
    switch (key) {
    case Id:
        pushText(lua, refOf(lua, view).id);
        break;
    case Ref:
        pushText(lua, refText(refOf(lua, view)));
        break;
    case CategoryName:
        lua_pushstring(lua, category(view.category).name);
        break;
    case Name:
    case Description: {
        const ItemText text = view.game->itemText(view.category, refOf(lua, view).id);
        if (const QString* pending = pendingValue(lua, view, {}); pending && key == Name)
            pushText(lua, *pending);
        else if (key == Description)
            pushText(lua, text.description);
        else if (text.name)
            pushText(lua, *text.name);
        else
            lua_pushnil(lua);
        break;
    }
    case Columns:
        pushColumns(lua, view);
        break;
    case Raw:
        lua_pushcfunction(lua, itemRaw);
        break;
    case Base: {
        const ItemRef& ref = refOf(lua, view);
        const qsizetype header = view.base ? view.base->headerOf(ref) : -1;
        if (header < 0)
            return 0;
        pushItem(lua, viewOf(stateOf(lua), *view.base, nullptr, ref, header, false));
        break;
    }
    default:
        pushField(lua, view, key);
    }
    return 1;
}

int itemAssign(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kItemType);
    if (!view.recipe || stateOf(lua).recipe == nullptr)
        return luaL_error(lua, "an item is read-only outside a recipe");
    assignField(lua, view, QString::fromUtf8(luaL_checkstring(lua, 2)), 3);
    return 0;
}

// columns[NAME]: the column computed for the item the columns belong to (their user value).
int columnsIndex(lua_State* lua) {
    const ItemView& view = viewAt(lua, 1, kColumnsType);
    const char* name = luaL_checkstring(lua, 2);
    const int column = columnIndexIn(stateOf(lua).columns, view.category, QUtf8StringView(name));
    if (column < 0)
        raiseFault(lua, RuleFault::UnknownColumn, QString::fromUtf8(name));
    lua_getiuservalue(lua, 1, 1);
    pushColumn(lua, column);
    return 1;
}

// The table of the keys of a category's items: a field's key (with or without its "=") gives
// its index, the item's own keys their code.
void pushKeyTable(lua_State* lua, CategoryId category) {
    const std::vector<FieldSpec>& fields = categoryFields(category).fields;
    lua_createtable(lua, 0, int(fields.size() * 2 + 8));
    for (size_t i = 0; i < fields.size(); ++i) {
        for (const QByteArray& key : {fields[i].name().toByteArray(), fields[i].key}) {
            lua_pushinteger(lua, lua_Integer(i));
            lua_setfield(lua, -2, key.constData());
        }
    }
    const std::pair<const char*, ItemKey> own[] = {{"id", Id},
                                                   {"ref", Ref},
                                                   {"category", CategoryName},
                                                   {"name", Name},
                                                   {"description", Description},
                                                   {"columns", Columns},
                                                   {"raw", Raw},
                                                   {"base", Base}};
    for (const auto& [key, code] : own) {
        lua_pushinteger(lua, code);
        lua_setfield(lua, -2, key);
    }
}

// The environment of an expression column: the item's keys, then the globals.
constexpr char kExpressionItem = 0; // its address is the environment's key of the item

int environmentIndex(lua_State* lua) {
    lua_rawgetp(lua, 1, &kExpressionItem);
    lua_pushvalue(lua, 2);
    if (lua_gettable(lua, -2) != LUA_TNIL)
        return 1;
    lua_pushvalue(lua, 2);
    lua_gettable(lua, lua_upvalueindex(1));
    return 1;
}

// The environment for one run of an expression on the item (its argument); the metatable
// shared by all of them is the upvalue.
int newEnvironment(lua_State* lua) {
    lua_createtable(lua, 0, 1);
    lua_pushvalue(lua, 1);
    lua_rawsetp(lua, -2, &kExpressionItem);
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_setmetatable(lua, -2);
    return 1;
}

// Takes the column off the list of those under way however its computation ends.
struct Computing {
    std::vector<Rules::State::Computing>& list;
    ~Computing() { list.pop_back(); }
};

} // namespace

void Rules::State::beginEvaluation() {
    ++evaluation;
    items.clear();
    itemAt.clear();
}

ItemView viewOf(Rules::State& state, const GameData& game, const GameData* base,
                const ItemRef& item, qsizetype header, bool recipe) {
    ItemView view{&game, base, header, state.evaluation, 0, item.category, recipe};
    // An evaluation sees an item or two; a recipe may see every item, which a table finds.
    constexpr size_t kScanned = 8;
    std::vector<EvaluatedItem>& items = state.items;
    for (size_t i = 0; i < std::min(items.size(), kScanned); ++i)
        if (items[i].game == &game && items[i].header == header)
            return view.item = unsigned(i), view;
    if (items.size() > kScanned)
        if (const auto found = state.itemAt.constFind({&game, header});
            found != state.itemAt.cend())
            return view.item = *found, view;
    view.item = unsigned(items.size());
    if (items.size() >= kScanned)
        state.itemAt.insert({&game, header}, view.item);
    items.push_back({&game, header, item, {}});
    return view;
}

const ItemRef& refOf(lua_State* lua, const ItemView& view) {
    return stateOf(lua).items[view.item].ref;
}

void newMetatable(lua_State* lua, const char* type) {
    luaL_newmetatable(lua, type);
    lua_pushvalue(lua, -1);
    lua_rawsetp(lua, LUA_REGISTRYINDEX, type);
}

void setMetatable(lua_State* lua, const char* type) {
    lua_rawgetp(lua, LUA_REGISTRYINDEX, type);
    lua_setmetatable(lua, -2);
}

ItemView& viewAt(lua_State* lua, int index, const char* type) {
    auto* view = static_cast<ItemView*>(lua_touserdata(lua, index));
    bool typed = false;
    if (view != nullptr && lua_getmetatable(lua, index)) {
        lua_rawgetp(lua, LUA_REGISTRYINDEX, type);
        typed = lua_rawequal(lua, -1, -2);
        lua_pop(lua, 2);
    }
    if (!typed)
        luaL_typeerror(lua, index, type);
    if (view->evaluation != stateOf(lua).evaluation)
        luaL_error(lua, "an item kept from an earlier run of a rule");
    return *view;
}

void openItems(lua_State* lua) {
    const luaL_Reg item[] = {{"__index", itemIndex}, {"__newindex", itemAssign}, {}};
    newMetatable(lua, kItemType);
    for (const Category& c : categories())
        pushKeyTable(lua, c.id);
    luaL_setfuncs(lua, item, int(categories().size()));
    lockMetatable(lua);
    const luaL_Reg columns[] = {{"__index", columnsIndex}, {}};
    newMetatable(lua, kColumnsType);
    luaL_setfuncs(lua, columns, 0);
    lockMetatable(lua);
    lua_pop(lua, 2);
}

void lockMetatable(lua_State* lua) {
    lua_pushliteral(lua, "locked");
    lua_setfield(lua, -2, "__metatable");
}

void pushItem(lua_State* lua, const ItemView& view) {
    pushView(lua, view, kItemType, 1);
}

void pushColumn(lua_State* lua, int column) {
    Rules::State& state = stateOf(lua);
    const ItemView& view = viewAt(lua, -1, kItemType);
    for (size_t i = 0; i < state.computing.size(); ++i) {
        const Rules::State::Computing& under = state.computing[i];
        if (under.game != view.game || under.item != view.item || under.column != column)
            continue;
        QStringList names;
        for (size_t j = i; j < state.computing.size(); ++j)
            names << state.columns[size_t(state.computing[j].column)].name;
        raiseFault(lua, RuleFault::Cycle,
                   (names << state.columns[size_t(column)].name).join(QStringLiteral(" → ")));
    }
    state.computing.push_back({view.game, view.item, column});
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
    pushPair(lua, parts.size(), parts.constData());
}

// The expression is compiled on its declaration's line, so that its errors name that line,
// into a function of the item whose environment gives the item's fields by key, then the
// globals. Besides `item`, the maker of that environment is the one name it adds.
void pushExpression(lua_State* lua, const QString& expression, const QString& file, int line) {
    const QByteArray text = QByteArray(qMax(line - 1, 0), '\n') +
                            "local _wed_environment = ... return function(item) "
                            "local _ENV = _wed_environment(item) return (" +
                            expression.toUtf8() + "\n) end";
    if (loadText(lua, text, file) != LUA_OK)
        raiseFault(lua, RuleFault::Syntax, QString::fromUtf8(lua_tostring(lua, -1)));
    lua_createtable(lua, 0, 1);
    lua_rawgeti(lua, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
    lua_pushcclosure(lua, environmentIndex, 1);
    lua_setfield(lua, -2, "__index");
    lockMetatable(lua);
    lua_pushcclosure(lua, newEnvironment, 1);
    lua_call(lua, 1, 1);
}

} // namespace wed
