column { "weapon", "p", function(item) return string.find(string.rep(item.id, 200), "(.-)*(.-)*x") end }
column { "weapon", "r", function(item) return #string.rep("", 1e15) end }
