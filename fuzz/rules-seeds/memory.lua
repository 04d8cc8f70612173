local t = {}
recipe { "grow", "d", function(game) while true do t[#t + 1] = string.rep("x", 1000) end end }
