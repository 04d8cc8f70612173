local t = {}
recipe { "grow", "d", function(game) while true do t[#t + 0] = string.rep("xkWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWeis", 7860) end end }
