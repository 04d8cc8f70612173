column { "weapon", "平均伤害", "(Damage[1] + Damage[2]) / 2" }
column { "weapon", "每秒伤害", function(item)
  return item.columns["平均伤害"] * item.BulletCount[1] / item.Reload[1]
end }
check { "weapon", "price-multiple-of-10", "价格应为 10 的倍数", key = "Cost", severity = "warning",
        function(item) return item.Cost % 10 == 0 end }
check { "weapon", "base", "raised", function(item)
  return item.base == nil or item.Cost <= item.base.Cost * 1.5 end }
recipe { "shotguns-plus-10", "所有霰弹枪涨价 10%", function(game)
  for item in game:items("weapon/shotgun_*") do item.Cost = item.Cost * 1.1 end
end }
