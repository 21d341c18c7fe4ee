.pragma library
// Direct access to the vault database for the store tests.

var LS = null

function rawDb() {
    return LS.openDatabaseSync("ZovuduzuRez", "1.0", "ZovuduzuRez", 1000000)
}

function exec(sql, args) {
    var result = null
    rawDb().transaction(function (tx) {
        result = tx.executeSql(sql, args || [])
    })
    return result
}

function rows(table) {
    var out = []
    rawDb().transaction(function (tx) {
        var exists = tx.executeSql("SELECT * FROM sqlite_master WHERE type = 'table' AND name = ?", [table])
        if (exists.rows.length === 0)
            return
        var rs = tx.executeSql("SELECT * FROM " + table)
        for (var i = 0; i < rs.rows.length; ++i) {
            var r = rs.rows.item(i)
            var copy = {}
            for (var k in r)
                copy[k] = r[k]
            out.push(copy)
        }
    })
    return out
}

function tableSql(table) {
    var rs = exec("SELECT * FROM sqlite_master WHERE type = 'table' AND name = ?", [table])
    return rs.rows.length > 0 ? rs.rows.item(0).sql : null
}

function dropAll() {
    exec("DROP TABLE IF EXISTS pwddata")
    exec("DROP TABLE IF EXISTS pwddata_unreadable")
}
