column { "tank", "x", "1" }
column { "weapon", "Cost", "1" }
column { "weapon", "x", "1 +" }
check { "weapon", "k", "m", key = "Nope", function() end }
check { "weapon", "k", "m", severity = "fatal", function() end }
column {
