local kept
column { "weapon", "keep", function(item) kept = item; return item:raw("Cost") end }
check { "weapon", "late", "m", function(item) return kept.Cost end }
setmetatable({}, {__gc = function() while true do end end})
check { "weapon", "w", "m", function(item) item.Cost = 1 end }
