// The sample folder's rules file, weapon-rules.lua: every kind of rule, over the sample's items.
#include "sample_game.h"

namespace wed::sample {

QByteArray sampleRules() {
    return QByteArrayLiteral(R"lua(
-- The sample mod's own rules: computed columns, checks and a recipe, in Lua 5.4.
-- The editor reads this file when it opens the folder, in a sandbox: no files, no programs,
-- a budget of steps and of memory. `weapon-editor rules FOLDER` lists what it defines.

-- The game's ticks per second, as this sample assumes: Reload's numbers count ticks.
local TICKS = 20

local function tenths(x)
  return math.floor(x * 10 + 0.5) / 10
end

-- An expression over the item's fields.
column { "weapon", "平均伤害", "(Damage[1] + Damage[2]) / 2" }

-- Damage per second from the fire interval (Reload's first number), each shot's pellets counted.
column { "weapon", "每秒伤害", function(item)
  local interval = item.Reload and item.Reload[1]
  if not interval or interval <= 0 then return nil end
  return tenths(item.columns["平均伤害"] * item.BulletCount[1] * TICKS / interval)
end }

-- Sustained: a clip's damage over the time to fire it and to reload (Reload's second number).
column { "weapon", "持续每秒伤害", function(item)
  local dps, clip = item.columns["每秒伤害"], item.Clip
  if not dps or not clip or clip <= 0 then return dps end
  local shots = clip / math.max(item.BulletCount[2], 1)
  local ticks = shots * item.Reload[1] + item.Reload[2]
  return tenths(item.columns["平均伤害"] * item.BulletCount[1] * shots * TICKS / ticks)
end }

column { "weapon", "每点每秒伤害的价格", function(item)
  local dps = item.columns["持续每秒伤害"]
  if not dps or dps == 0 or not item.Cost then return nil end
  return tenths(item.Cost / dps)
end }

-- The house rule of prices, for every category. A few sample weapons break it on purpose.
for _, category in ipairs { "weapon", "armor", "implant" } do
  check { category, "price-multiple-of-10", "价格应为 10 的倍数", key = "Cost",
          severity = "warning", function(item)
    return item.Cost == nil or item.Cost % 10 == 0
  end }
end

-- Against the game as shipped (weapon-editor check FOLDER --base ORIGINAL): no price raised by
-- more than half. Without --base, item.base is nil and the check passes.
check { "weapon", "price-raised-over-half", "价格比原版高出一半以上", key = "Cost",
        severity = "warning", function(item)
  local base = item.base
  if base == nil or base.Cost == nil or item.Cost == nil or item.Cost <= base.Cost * 1.5 then
    return true
  end
  return string.format("价格 %s 比原版的 %s 高出一半以上", item.Cost, base.Cost)
end }

-- A batch edit, run on request: weapon-editor run FOLDER shotguns-plus-10 [--dry-run].
recipe { "shotguns-plus-10", "所有霰弹枪涨价 10%，取整到 10", function(game)
  for item in game:items("weapon/shotgun_*") do
    item.Cost = math.floor(item.Cost * 1.1 / 10 + 0.5) * 10
  end
end }
)lua")
        .sliced(1); // the line break after the opening delimiter
}

} // namespace wed::sample
