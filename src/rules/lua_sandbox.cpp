#include "rules/rules_state.h"

#include <cmath>
#include <cstdlib>

namespace wed {

namespace {

// The count hook fires every this many instructions and takes them from the budget.
constexpr int kHookStep = 1000;
// The most steps a pattern may be expected to take on its subject, the longest text a
// string function may make, and the most repetitions string.rep may loop.
constexpr double kPatternSteps = 2e7;
constexpr double kLongestText = double(16u << 20);

// What a byte the state's memory grows by costs of the budget: the C functions that fill new
// strings and tables (string.rep, gsub, .., table.concat) do their work where the count hook
// cannot see it, in proportion to what they allocate.
constexpr size_t kBytesPerInstruction = 16;

void* allocate(void* data, void* block, size_t oldSize, size_t newSize) {
    auto& state = *static_cast<Rules::State*>(data);
    if (block == nullptr)
        oldSize = 0; // then it tells the kind of object, not a size
    if (newSize == 0) {
        std::free(block);
        state.used -= oldSize;
        return nullptr;
    }
    if (newSize > oldSize && state.used - oldSize + newSize > state.limits.memoryBytes)
        return nullptr;
    void* grown = std::realloc(block, newSize);
    if (grown != nullptr) {
        state.used = state.used - oldSize + newSize;
        if (newSize > oldSize)
            state.remaining -= (long long)((newSize - oldSize) / kBytesPerInstruction);
    }
    return grown;
}

// Stops the evaluation once its budget is spent, and every time it fires after that, so that
// neither a caught error nor a finalizer goes on.
void countHook(lua_State* lua, lua_Debug* where) {
    Rules::State& state = stateOf(lua);
    state.remaining -= kHookStep;
    if (state.remaining > 0)
        return;
    state.exhausted = true;
    lua_getinfo(lua, "Sl", where);
    lua_pushfstring(lua, "%s:%d: instruction budget exhausted", where->short_src,
                    where->currentline);
    lua_error(lua);
}

// pcall and xpcall that let no budget error be caught: a loop of protected calls ends too.
int guardedProtectedCall(lua_State* lua) {
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    lua_call(lua, lua_gettop(lua) - 1, LUA_MULTRET);
    if (stateOf(lua).exhausted)
        luaL_error(lua, "instruction budget exhausted");
    return lua_gettop(lua);
}

// setmetatable that refuses a finalizer: Lua runs __gc with its hooks off, so no budget would
// stop one that loops.
int finalizerFreeSetMetatable(lua_State* lua) {
    lua_pushliteral(lua, "__gc");
    if (lua_type(lua, 2) == LUA_TTABLE && lua_rawget(lua, 2) != LUA_TNIL)
        return luaL_error(lua, "setmetatable: a metatable with __gc is not allowed");
    lua_settop(lua, 2);
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    lua_call(lua, 2, 1);
    return 1;
}

// How many steps a pattern may take on a subject at most: each quantifier may try every
// length at every position, so the worst case grows as the subject's length to the power of
// the quantifiers plus one.
double patternCost(size_t subject, const char* pattern, size_t length, bool plain) {
    if (plain)
        return double(subject + 1) * double(length + 1);
    int quantifiers = 0;
    for (size_t i = 0; i < length; ++i) {
        if (pattern[i] == '%')
            ++i;
        else if (pattern[i] == '*' || pattern[i] == '+' || pattern[i] == '-' || pattern[i] == '?')
            ++quantifiers;
    }
    return std::pow(double(subject + 1), double(quantifiers + 1));
}

// string.find, match, gmatch and gsub, refused where the pattern could take longer than a
// budget on the subject: the count hook does not fire inside the matcher.
int boundedMatch(lua_State* lua) {
    size_t subject = 0, length = 0;
    luaL_checklstring(lua, 1, &subject);
    const char* pattern = luaL_checklstring(lua, 2, &length);
    const bool plain = lua_toboolean(lua, lua_upvalueindex(2)) && lua_toboolean(lua, 4);
    if (patternCost(subject, pattern, length, plain) > kPatternSteps)
        return luaL_error(lua, "pattern too costly for a subject of %d bytes", int(subject));
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    lua_call(lua, lua_gettop(lua) - 1, LUA_MULTRET);
    return lua_gettop(lua);
}

// string.rep, refused for a result or a count beyond the limit: an empty string repeated a
// trillion times allocates nothing and loops in C.
int boundedRepeat(lua_State* lua) {
    size_t length = 0, separator = 0;
    luaL_checklstring(lua, 1, &length);
    const lua_Integer count = luaL_checkinteger(lua, 2);
    luaL_optlstring(lua, 3, "", &separator);
    if (count > 0 &&
        (double(count) > kLongestText || double(count) * double(length + separator) > kLongestText))
        return luaL_error(lua, "string.rep: result too large");
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    lua_call(lua, lua_gettop(lua) - 1, 1);
    return 1;
}

void wrap(lua_State* lua, const char* table, const char* name, lua_CFunction wrapper,
          bool plainArgument = false) {
    lua_getglobal(lua, table);
    lua_getfield(lua, -1, name);
    lua_pushboolean(lua, plainArgument);
    lua_pushcclosure(lua, wrapper, 2);
    lua_setfield(lua, -2, name);
    lua_pop(lua, 1);
}

void dropGlobal(lua_State* lua, const char* name) {
    lua_pushnil(lua);
    lua_setglobal(lua, name);
}

int openSafeLibraries(lua_State* lua) {
    const luaL_Reg libraries[] = {{LUA_GNAME, luaopen_base},
                                  {LUA_STRLIBNAME, luaopen_string},
                                  {LUA_TABLIBNAME, luaopen_table},
                                  {LUA_MATHLIBNAME, luaopen_math},
                                  {LUA_UTF8LIBNAME, luaopen_utf8}};
    for (const luaL_Reg& library : libraries) {
        luaL_requiref(lua, library.name, library.func, 1);
        lua_pop(lua, 1);
    }
    // The base functions that reach files, load code or bytecode, steer the collector or
    // print; and string.dump, whose bytecode is the way into the virtual machine's insides.
    for (const char* name :
         {"dofile", "loadfile", "load", "require", "collectgarbage", "print", "warn"})
        dropGlobal(lua, name);
    lua_getglobal(lua, LUA_STRLIBNAME);
    lua_pushnil(lua);
    lua_setfield(lua, -2, "dump");
    lua_pop(lua, 1);
    // Nothing loaded is left where a rule could reach it.
    lua_pushnil(lua);
    lua_setfield(lua, LUA_REGISTRYINDEX, LUA_LOADED_TABLE);
    for (const char* name : {"find", "match", "gmatch", "gsub"})
        wrap(lua, LUA_STRLIBNAME, name, boundedMatch, std::string_view(name) == "find");
    wrap(lua, LUA_STRLIBNAME, "rep", boundedRepeat);
    wrap(lua, LUA_GNAME, "pcall", guardedProtectedCall);
    wrap(lua, LUA_GNAME, "xpcall", guardedProtectedCall);
    wrap(lua, LUA_GNAME, "setmetatable", finalizerFreeSetMetatable);
    openDeclarations(lua);
    openItems(lua);
    return 0;
}

int trampoline(lua_State* lua) {
    const auto& body = *static_cast<const std::function<void(lua_State*)>*>(lua_touserdata(lua, 1));
    lua_settop(lua, 0);
    body(lua);
    return 0;
}

} // namespace

Rules::State& stateOf(lua_State* lua) {
    void* data = nullptr;
    lua_getallocf(lua, &data);
    return *static_cast<Rules::State*>(data);
}

lua_State* newSandbox(Rules::State& state) {
    lua_State* lua = lua_newstate(allocate, &state);
    if (lua == nullptr)
        return nullptr;
    state.lua = lua;
    lua_sethook(lua, countHook, LUA_MASKCOUNT, kHookStep);
    const auto opened = protectedCall(state, state.limits.loadInstructions, [](lua_State* l) {
        lua_pushcfunction(l, openSafeLibraries);
        lua_call(l, 0, 0);
    });
    if (opened) {
        lua_close(lua);
        state.lua = nullptr;
    }
    return state.lua;
}

std::optional<RuleError> protectedCall(Rules::State& state, long long instructions,
                                       const std::function<void(lua_State*)>& body) {
    lua_State* lua = state.lua;
    state.remaining = instructions;
    state.exhausted = false;
    state.raised.reset();
    lua_settop(lua, 0);
    if (!lua_checkstack(lua, 4))
        return RuleError{RuleFault::Memory, {}, 0, {}, {}, {}};
    lua_pushcfunction(lua, trampoline);
    lua_pushlightuserdata(lua, const_cast<std::function<void(lua_State*)>*>(&body));
    const int status = lua_pcall(lua, 1, 0, 0);
    std::optional<RuleError> error;
    if (status != LUA_OK) {
        error = RuleError{};
        const char* message = lua_tostring(lua, -1);
        error->detail = message ? QString::fromUtf8(message) : QStringLiteral("(error object)");
        if (state.exhausted)
            error->fault = RuleFault::Budget;
        else if (status == LUA_ERRMEM)
            error->fault = RuleFault::Memory;
        else if (state.raised)
            error->fault = state.raised->fault, error->refusal = state.raised->refusal;
    }
    lua_settop(lua, 0);
    // Nothing more runs on this evaluation's budget: a finalizer is stopped at once.
    state.remaining = 0;
    if (error && error->fault == RuleFault::Memory)
        lua_gc(lua, LUA_GCCOLLECT);
    return error;
}

void raiseFault(lua_State* lua, RuleFault fault, const QString& detail, const Outcome& refusal) {
    Rules::State& state = stateOf(lua);
    state.raised = RuleError{fault, {}, 0, {}, detail, refusal};
    luaL_where(lua, 1);
    lua_pushstring(lua, detail.toUtf8().constData());
    lua_concat(lua, 2);
    lua_error(lua);
    std::abort(); // lua_error does not return
}

int loadText(lua_State* lua, const QByteArray& text, const QString& file) {
    return luaL_loadbufferx(lua, text.constData(), size_t(text.size()),
                            ("@" + file).toUtf8().constData(), "t");
}

} // namespace wed
