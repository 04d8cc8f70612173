column { "weapon", "os", function(item) return os.execute("true") end }
check { "weapon", "io", "m", function(item) return io.open("x", "w") end }
recipe { "req", "d", function(game) require("os") end }
