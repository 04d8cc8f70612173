column { "weapon", "a", "columns.b" }
column { "weapon", "b", function(item) return item.columns["a"] end }
column { "armor", "c", "columns.c" }
