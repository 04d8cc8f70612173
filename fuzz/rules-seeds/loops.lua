column { "weapon", "loop", function(item) while true do end end }
check { "weapon", "c", "m", function(item) while true do pcall(function() while true do end end) end end }
