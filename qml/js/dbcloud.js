.pragma library
// Stand-in for the cloud-state store until the cloud pages arrive: root has
// no summary before the first load().

var localStorage = null
var libEncryptor = null
var root = {}
var loadCount = 0

function load() {
    loadCount++
    root = { summary: {} }
}

// Forgets the cloud state and drops its table; false when the table could
// not be dropped.
function clear() {
    root = { summary: {} }
    if (localStorage === null)
        return true
    var ok = false
    try {
        localStorage.openDatabaseSync("KeyloftCloud", "1.0", "KeyloftCloud", 1000000)
            .transaction(function (tx) {
                tx.executeSql("DROP TABLE IF EXISTS clouddata")
                ok = true
            })
    } catch (e) {
        console.log("Error DROP TABLE clouddata: " + e)
    }
    return ok
}
