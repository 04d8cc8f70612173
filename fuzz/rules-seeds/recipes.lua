recipe { "names", "d", function(game)
  local item = game:item("weapon/heand")
  item.name = item.name .. "!"
  item.Damage = {item.Damage[1] * 2, 99.5}
  item.Class = 7
end }
recipe { "text", "d", function(game) game:item("weapon/heand").AmmoName = "a\nb" end }
