// Shared part of the real-fault QML tests (read-only data directory, full
// disk), run by tests/scripts/test_data_safety_mounts.py with APPDATA at the
// prepared directory: the store opened on it as the program opens it, the
// row as stored, and the vault as a new start would read it.
.pragma library
.import "qrc:/js/db.js" as DB
.import "../../qml/common/pagetest.js" as T

var KEYPAD_PIN = "135790"
var TEXT_PASSWORD = "secret"

var __ls = null
var __enc = null

// Loads the stored vault as the program does at start; true when it loaded.
function open(localStorage, encryptor, util) {
    __ls = localStorage
    __enc = encryptor
    DB.localStorage = localStorage
    DB.libEncryptor = encryptor
    DB.wrapKey = Qt.md5(util.deviceCode)
    DB.loginPassword = ""
    DB.pinCode = ""
    DB.securityAnswer = ""
    return DB.load()
}

function __db() {
    return __ls.openDatabaseSync("ZovuduzuRez", "1.0", "ZovuduzuRez", 1000000)
}

// The pwddata row as stored (one row), read over a connection of its own.
function storedRow() {
    var row = null
    __db().readTransaction(function (tx) {
        var rs = tx.executeSql("SELECT * FROM pwddata")
        if (rs.rows.length !== 1)
            throw new Error("expected one pwddata row, found " + rs.rows.length)
        var r = rs.rows.item(0)
        row = { content: String(r.content), date: String(r.date), wrapkey: String(r.wrapkey) }
    })
    return row
}

// The document of the stored row, its data part still encrypted.
function storedDocument() {
    var row = storedRow()
    var text = __enc.aesDecrypt(Qt.md5(row.date + (row.wrapkey === "yes" ? DB.wrapKey : "")),
                                row.content)
    return JSON.parse(text)
}

// Tries a write of its own; the message of the refusal, or "" when the
// database took it (the write is undone).
function probeWrite() {
    try {
        __db().transaction(function (tx) {
            tx.executeSql("CREATE TABLE fault_probe(x TEXT)")
            tx.executeSql("DROP TABLE fault_probe")
        })
        return ""
    } catch (e) {
        return String(e.message)
    }
}

// The vault document as JSON text with the keys of every object in sorted
// order. Without dataHash: that is the check value of the stored cipher text
// of the data, which the open vault in memory does not carry along.
function canonical(doc) {
    var top = {}
    for (var k in doc) {
        if (k !== "dataHash")
            top[k] = doc[k]
    }
    return JSON.stringify(top, function (key, v) {
        if (v === null || typeof v !== "object" || Array.isArray(v))
            return v
        var out = {}
        var keys = Object.keys(v).sort()
        for (var i = 0; i < keys.length; ++i)
            out[keys[i]] = v[keys[i]]
        return out
    })
}

// The vault as a new start reads it: a fresh load, then a login with the
// key (the login's own write of the count may be refused; the vault opens
// all the same). Replaces the store's state.
function vaultOnDisk(key) {
    T.reload()
    if (!DB.login(key))
        throw new Error("the stored vault does not open with the key")
    return canonical(DB.root)
}
