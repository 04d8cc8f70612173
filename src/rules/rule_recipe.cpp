#include "base/code_page.h"
#include "data/item_fields.h"
#include "edit/decimal_form.h"
#include "game/change_check.h"
#include "game/item_actions.h"
#include "rules/rules_state.h"

namespace wed {

namespace {

constexpr char kGameType[] = "wed.game";

// A fault of an assignment refuses the whole recipe, even when the recipe catches it.
[[noreturn]] void refuse(lua_State* lua, RuleFault fault, const QString& detail,
                         const Outcome& refusal = {}) {
    Rules::State& state = stateOf(lua);
    if (state.recipe != nullptr && !state.recipe->refused)
        state.recipe->refused = RuleError{fault, {}, 0, {}, detail, refusal};
    raiseFault(lua, fault, detail, refusal);
}

// The text a Lua value stands for when typed into the field: a number in the decimal form
// typing writes, a pair's two numbers with a blank between them, a string as it is.
QString typedText(lua_State* lua, const FieldSpec& field, int value) {
    auto number = [&](int index) {
        const QString text = decimalForm(lua_tonumber(lua, index));
        if (text.isEmpty())
            refuse(lua, RuleFault::BadResult, QStringLiteral("a number that is not finite"));
        return text;
    };
    switch (lua_type(lua, value)) {
    case LUA_TNUMBER:
        return number(value);
    case LUA_TSTRING:
        return QString::fromUtf8(lua_tostring(lua, value));
    case LUA_TTABLE:
        if (field.type == ValueType::Pair && lua_geti(lua, value, 1) == LUA_TNUMBER &&
            lua_geti(lua, value, 2) == LUA_TNUMBER)
            return number(-2) + u' ' + number(-1);
        [[fallthrough]];
    default:
        refuse(lua, RuleFault::BadResult,
               QStringLiteral("%1 cannot be written to %2")
                   .arg(QString::fromUtf8(luaL_typename(lua, value)),
                        QString::fromLatin1(field.name())));
    }
}

// Adds the change, or replaces the one made before for the same item and key.
void keep(RecipeChanges& recipe, qsizetype header, const QByteArray& key, Change change,
          const QString& value) {
    const std::pair<qsizetype, QByteArray> at{header, key};
    if (const auto made = recipe.made.find(at); made != recipe.made.end()) {
        recipe.changes[made->change] = std::move(change);
        made->value = value;
        return;
    }
    recipe.made.insert(at, {recipe.changes.size(), value});
    recipe.changes.push_back(std::move(change));
}

void assignName(lua_State* lua, const ItemView& view, int value) {
    if (lua_type(lua, value) != LUA_TSTRING)
        refuse(lua, RuleFault::BadResult, QStringLiteral("a name is a string"));
    const QString name = QString::fromUtf8(lua_tostring(lua, value));
    const ItemRef& item = refOf(lua, view);
    std::optional<NameRecordText> text = nameRecordText(*view.game, item);
    if (!text)
        refuse(lua, RuleFault::UnknownKey, refText(item) + QStringLiteral(": name"));
    text->name = name;
    ItemAction action = setNameRecordText(*view.game, item, *text);
    if (action.outcome.refused() || action.changes.size() != 1)
        refuse(lua, RuleFault::Refused, name, action.outcome);
    keep(*stateOf(lua).recipe, view.header, {}, std::move(action.changes.front()), name);
}

int itemsNext(lua_State* lua) {
    const lua_Integer next = lua_tointeger(lua, lua_upvalueindex(2)) + 1;
    lua_pushinteger(lua, next);
    lua_replace(lua, lua_upvalueindex(2));
    lua_rawgeti(lua, lua_upvalueindex(1), next);
    return 1;
}

// game:items(PATTERN): an iterator over the listed items a reference or pattern names, as
// `set` finds them.
int gameItems(lua_State* lua) {
    const ItemView& game = viewAt(lua, 1, kGameType);
    const QString text = QString::fromUtf8(luaL_checkstring(lua, 2));
    const std::optional<ItemPattern> pattern = parsePattern(text);
    if (!pattern)
        return luaL_error(lua, "not an item reference or pattern: %s", lua_tostring(lua, 2));
    const int occurrence = pattern->occurrence.value_or(1);
    lua_newtable(lua);
    lua_Integer n = 0;
    for (const ListEntry& entry : game.game->listed(pattern->category).entries) {
        const bool named =
            pattern->plain() ? entry.id == pattern->id() : pattern->matches(entry.id);
        const bool every = !pattern->plain() && !pattern->occurrence;
        if (!named || (!every && entry.ordinal != occurrence - 1))
            continue;
        pushItem(lua,
                 viewOf(stateOf(lua), *game.game, game.base,
                        {pattern->category, entry.id, entry.ordinal + 1}, entry.headerLine, true));
        lua_rawseti(lua, -2, ++n);
    }
    // Most recipes change each item they go over once: room for those changes is made at once.
    if (RecipeChanges* recipe = stateOf(lua).recipe)
        recipe->changes.reserve(recipe->changes.size() + size_t(n));
    lua_pushinteger(lua, 0);
    lua_pushcclosure(lua, itemsNext, 2);
    return 1;
}

// game:item(REF): the item, or nil.
int gameItem(lua_State* lua) {
    const ItemView& game = viewAt(lua, 1, kGameType);
    const std::optional<ItemRef> ref = parseRef(QString::fromUtf8(luaL_checkstring(lua, 2)));
    const qsizetype header = ref ? game.game->headerOf(*ref) : -1;
    if (header < 0)
        return 0;
    pushItem(lua, viewOf(stateOf(lua), *game.game, game.base, *ref, header, true));
    return 1;
}

} // namespace

void pushGame(lua_State* lua, const GameData& game, const GameData* base) {
    new (lua_newuserdatauv(lua, sizeof(ItemView), 0))
        ItemView{&game, base, -1, stateOf(lua).evaluation, 0, CategoryId::Weapon, true};
    if (lua_rawgetp(lua, LUA_REGISTRYINDEX, kGameType) == LUA_TNIL) {
        lua_pop(lua, 1);
        newMetatable(lua, kGameType);
        const luaL_Reg methods[] = {{"items", gameItems}, {"item", gameItem}, {}};
        luaL_newlib(lua, methods);
        lua_setfield(lua, -2, "__index");
        lockMetatable(lua);
    }
    lua_setmetatable(lua, -2);
}

void assignField(lua_State* lua, const ItemView& view, QStringView key, int value) {
    if (key == u"name")
        return assignName(lua, view, value);
    const int field = fieldOfKey(view.category, key);
    if (field < 0)
        refuse(lua, RuleFault::UnknownKey, key.toString());
    const FieldSpec& declared = categoryFields(view.category).fields[size_t(field)];
    const ItemRef& item = refOf(lua, view);
    if (view.game->keyLine(view.category, view.header, declared.name(), 0) < 0)
        refuse(lua, RuleFault::UnknownKey, refText(item) + QStringLiteral(": ") + key.toString());
    const QString text = typedText(lua, declared, value);
    // The plan's own check of the change, so that the rule is refused where the value is.
    Change typed = typedChange(item, declared.name(), text);
    const SetCheck check = checkChangeSet({typed});
    if (!check.outcome.done())
        refuse(lua, RuleFault::Refused, text, check.outcome);
    keep(*stateOf(lua).recipe, view.header, declared.name().toByteArray(), std::move(typed),
         decodeAnsi(QByteArrayView(check.typedLines.front()).sliced(declared.key.size())));
}

} // namespace wed
