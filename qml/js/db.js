.pragma library
.import Lib.Util 1.0 as LibUtil
.import "pubfun.js" as Pubfun

// The vault store: the vault document in memory, its encrypted row in the
// "ZovuduzuRez" database, login, backup, restore, PIN change and the box and
// entry operations of the password and note pages.
//
// Layers: the whole document under the row key (MD5 of the row date and the
// wrap key), its data part under the login key, confidential fields under the
// PIN key; a backup text under MD5 of the MD5 of the backup password.

// Set by the frame before load().
var localStorage = null
var libEncryptor = null
var wrapKey = ""

// Keys held for the run.
var loginPassword = ""
var pinCode = ""
var securityAnswer = ""

var constBoxIdAll = -1
var constBoxIdUncateg = 0

var __boxAll = { id: -1, iconId: -1, name: "all" }
var __boxUncateg = { id: 0, iconId: 0, name: "uncateg" }

var root = __initEmptyData()

// Set by load() when the stored row exists but could not be read: the row is
// copied to pwddata_unreadable before anything is written over it.
var __unreadableRowPending = false

// What the row holds, as last read or written: the readable parts as JSON,
// the data part (its JSON text when the vault is open, else the stored cipher
// text), and the keys in force for it. Every write that is refused puts this
// back (revert), so that the vault in memory is always the vault on disk.
var __committed = null

// Set by load() when the vault file could not be read: nothing may be
// written over it. loadFailure says why: "inUse" (another program holds
// it), "denied" (the user may not read it) or "unreadable" (not a database
// SQLite reads, or a damaged one); loadError is what the system or SQLite
// said.
var loadFailed = false
var loadFailure = ""
var loadError = ""

var __constDbName = "ZovuduzuRez"
var __constDbVersion = "1.0"
var __constDbSize = 1000000
var __constUnreadableTable = "pwddata_unreadable"

function __initEmptyData() {
    return {
        app: {
            name: "Ormel Keyloft",
            version: 1,
            login: { pwdTry: 0, pwdTryMax: 5, typeIndex: 0 },
            prompt: {
                pwdBoxEdit: true,
                pwdItemEdit: true,
                noteBoxEdit: true,
                noteItemEdit: true,
                noteAttrEdit: true
            }
        },
        local: { ui: {} },
        security: {
            encryptedLoginPassword: "",
            securityQuestion1: "",
            securityQuestion2: "",
            verifiedSecurityAnswer: "",
            verifiedPinCode: ""
        },
        summary: { modifiedDate: 0, backupDate: 0, pwdItemCount: 0, noteItemCount: 0 },
        data: {
            pwdBoxIncrement: 0,
            pwdBoxList: [{ id: -1, iconId: 0, name: "all" }],
            pwdItemIncrement: 0,
            pwdItemList: [],
            noteBoxIncrement: 0,
            noteBoxList: [{ id: -1, iconId: 0, name: "all" }],
            noteItemIncrement: 0,
            noteItemList: []
        }
    }
}

// JSON.stringify of a document whose data part is a Base64 cipher text: the
// same text, but the long cipher text is joined in as it is instead of being
// quoted character by character, and copied only once, when the Encryptor
// takes the whole text. dataIsCipher: the data text was made by the Encryptor
// just now, so it is Base64 without checking it (the check would cost as much
// as the quoting on a large vault).
var __constBase64 = /^[A-Za-z0-9+\/=]*$/

function __documentJson(doc, dataIsCipher) {
    var json = "{"
    var keys = Object.keys(doc)
    for (var i = 0; i < keys.length; ++i) {
        var k = keys[i]
        var v = doc[k]
        var part
        if (k === "data" && typeof v === "string" && (dataIsCipher || __constBase64.test(v)))
            part = "\"data\":\"" + v + "\""
        else if (v !== undefined && typeof v !== "function")
            part = JSON.stringify(k) + ":" + JSON.stringify(v)
        else
            continue
        json += (json.length > 1 ? "," : "") + part
    }
    return json + "}"
}

function __isObject(v) {
    return v !== null && typeof v === "object" && !Array.isArray(v)
}

// A document as stored or backed up: readable parts plus the encrypted data.
// (Large texts are tested by their length: comparing them with "" would hash
// all of their characters.)
function __isStoredDocument(doc) {
    return __isObject(doc) && __isObject(doc.app) && __isObject(doc.security)
            && __isObject(doc.summary) && typeof doc.data === "string" && doc.data.length > 0
}

function __isDataObject(data) {
    return __isObject(data) && Array.isArray(data.pwdBoxList) && Array.isArray(data.pwdItemList)
            && Array.isArray(data.noteBoxList) && Array.isArray(data.noteItemList)
}

function __isDataOpen() {
    return __isObject(root.data)
}

function __fillMissingParts(doc) {
    if (!__isObject(doc.app.login))
        doc.app.login = { pwdTry: 0, pwdTryMax: 5, typeIndex: 0 }
    else if (doc.app.login.typeIndex === undefined)
        doc.app.login.typeIndex = 0
    if (!__isObject(doc.app.prompt)) {
        doc.app.prompt = {
            pwdBoxEdit: true,
            pwdItemEdit: true,
            noteBoxEdit: true,
            noteItemEdit: true,
            noteAttrEdit: true
        }
    }
    if (!__isObject(doc.local))
        doc.local = {}
    if (!__isObject(doc.local.ui))
        doc.local.ui = {}
}

function __openDB() {
    return localStorage.openDatabaseSync(__constDbName, __constDbVersion, __constDbName,
                                         __constDbSize)
}

// Judges the vault file before LocalStorage opens it: {state, error} (see
// Util.prepareDatabase). A sound file whose settings file beside it was lost
// gets it back, so that LocalStorage opens it.
function __prepareFile() {
    return LibUtil.Util.prepareDatabase(__constDbName, __constDbVersion, __constDbName,
                                        __constDbSize)
}

function __rowKey(dateText, withWrapKey) {
    return Qt.md5(dateText + (withWrapKey ? wrapKey : ""))
}

// The CREATE text of pwddata, or null when the table does not exist.
function __tableSql(tx) {
    var rs = tx.executeSql("SELECT * FROM sqlite_master WHERE type = 'table' AND name = 'pwddata'")
    return rs.rows.length > 0 ? String(rs.rows.item(0).sql) : null
}

function __dbColumnExist(name, tx) {
    var sql = __tableSql(tx)
    return sql !== null && sql.indexOf(name) > 0
}

function __dbAddColumn(name, tx) {
    tx.executeSql("ALTER TABLE pwddata ADD COLUMN " + name + " TEXT")
}

function load() {
    root = __initEmptyData()
    __unreadableRowPending = false
    loadFailed = false
    loadFailure = ""
    loadError = ""
    // Damage is looked for before an empty table is believed: a damaged file
    // can read as one without rows.
    var file = __prepareFile()
    if (file.state !== "sound")
        return __refuseFile(file)
    var tableFound = false
    var rowFound = false
    try {
        __openDB().transaction(function (tx) {
            tableFound = __tableSql(tx) !== null
            if (!tableFound)
                return
            var rs = tx.executeSql("SELECT * FROM pwddata")
            if (rs.rows.length === 0)
                return
            rowFound = true
            var row = rs.rows.item(0)
            var key = __rowKey(String(row.date), row.wrapkey === "yes")
            var decode = row.content ? libEncryptor.aesDecrypt(key, String(row.content)) : ""
            if (!decode) {
                console.log("Error, Decrypt DB pwddata.")
                __unreadableRowPending = true
                return
            }
            var doc = null
            try {
                doc = JSON.parse(decode)
            } catch (e) {
                doc = null
            }
            if (!__isStoredDocument(doc)) {
                console.log("Error, Parse DB pwddata.")
                __unreadableRowPending = true
                return
            }
            root = doc
        })
    } catch (e) {
        // The file is judged again for the true reason (a lock taken since,
        // say); what SQLite said is kept when it still reads as sound.
        root = __initEmptyData()
        __unreadableRowPending = false
        var again = __prepareFile()
        return __refuseFile(again.state !== "sound" ? again
                                                    : { state: "unreadable", error: __errorText(e) })
    }
    if (!tableFound) {
        // Not fatal: the first save makes the table (a full disk refuses
        // both alike, and then says so).
        try {
            __openDB().transaction(function (tx) {
                tx.executeSql("CREATE TABLE IF NOT EXISTS pwddata(content TEXT, date TEXT, wrapkey TEXT)")
            })
        } catch (e) {
            console.log("Error, CREATE TABLE pwddata: " + __errorText(e))
        }
    }
    console.log("DB pwddata loaded: " + (rowFound ? "a stored vault." : "no vault yet."))
    __fillMissingParts(root)
    __committed = null
    __commit(__isDataOpen() ? JSON.stringify(root.data) : null)
    return true
}

// A vault file that cannot be read is left as it is: no vault is offered
// that would be written over it.
function __refuseFile(file) {
    loadFailed = true
    loadFailure = file.state
    loadError = String(file.error || "")
    console.log("Error, read DB pwddata: " + loadFailure + ": " + loadError)
    __fillMissingParts(root)
    __committed = null
    __commit(JSON.stringify(root.data))
    return false
}

// True when a stored vault exists that could not be decrypted on this
// computer (it is kept aside at the first write).
function hasUnreadableVault() {
    return __unreadableRowPending
}

function __errorText(e) {
    return e && e.message !== undefined ? String(e.message) : String(e)
}

// Whether key is the key in force for a part whose check value is verified
// (MD5 of the key; empty when no such key is set).
function __keyOpens(key, verified) {
    if (!verified)
        return !key
    return !!key && Qt.md5(key) === verified
}

// Takes the document in memory as what the row holds. dataText: the JSON
// text of the open data part, or null when the data part is the stored
// cipher text.
function __commit(dataText) {
    var prev = __committed
    var sec = root.security
    function keyFor(current, previous, verified) {
        if (__keyOpens(current, verified))
            return current
        return __keyOpens(previous, verified) ? previous : ""
    }
    __committed = {
        keys: Object.keys(root),
        meta: JSON.stringify({ app: root.app, local: root.local, security: sec,
                               summary: root.summary, dataHash: root.dataHash }),
        dataText: dataText,
        cipher: dataText === null ? root.data : null,
        loginPassword: loginPassword,
        pinCode: keyFor(pinCode, prev ? prev.pinCode : "", sec.verifiedPinCode),
        securityAnswer: keyFor(securityAnswer, prev ? prev.securityAnswer : "",
                               sec.verifiedSecurityAnswer)
    }
}

// Puts back the vault as the row holds it, with the keys in force for it: a
// key a page set for a change that was not written gives way to the one in
// force; a key cleared since (the PIN key on leaving a tab) stays cleared.
// Objects taken from the store before are not the store's any more: take
// them again by id.
function revert() {
    var c = __committed
    if (!c)
        return
    var meta = JSON.parse(c.meta)
    meta.data = c.dataText !== null ? JSON.parse(c.dataText) : c.cipher
    // The parts in the order they had.
    root = {}
    for (var i = 0; i < c.keys.length; ++i)
        root[c.keys[i]] = meta[c.keys[i]]
    __fillMissingParts(root)
    loginPassword = c.loginPassword
    if (pinCode && !__keyOpens(pinCode, root.security.verifiedPinCode))
        pinCode = c.pinCode
    if (securityAnswer && !__keyOpens(securityAnswer, root.security.verifiedSecurityAnswer))
        securityAnswer = c.securityAnswer
    console.log("Vault in memory put back as stored.")
}

// Stamps kept in memory until the next write (the login failure count that
// could not be written, the time of the last backup text) survive a refused
// write of something else: change(meta) makes the same change to what revert
// puts back.
function __keepInMemory(change) {
    if (!__committed)
        return
    var meta = JSON.parse(__committed.meta)
    change(meta)
    __committed.meta = JSON.stringify(meta)
}

function __keepLoginCount() {
    var count = root.app.login.pwdTry
    __keepInMemory(function (meta) {
        meta.app.login.pwdTry = count
    })
}

function isEmptyPassword() {
    return !root.summary.modifiedDate
}

// The decrypted data text when pwdMd opens the stored data, else null.
function __decryptStoredData(pwdMd) {
    if (typeof root.data !== "string" || root.data.length === 0)
        return null
    var txt = libEncryptor.aesDecrypt(pwdMd, root.data)
    if (!txt || Qt.md5(txt) !== root.dataHash)
        return null
    return txt
}

function tryLogin(pwdMd) {
    if (!pwdMd)
        return false
    if (__isDataOpen())
        return loginPassword !== "" && pwdMd === loginPassword
    return __decryptStoredData(pwdMd) !== null
}

// Opens the vault with the login key pwdMd and writes the failure count (0
// on success). The vault opens even when that write fails (a read-only
// medium); a failure counts for this run even when it could not be written.
function login(pwdMd) {
    if (!pwdMd)
        return false
    if (__isDataOpen()) {
        // Already open in this run: the key in hand is the reference.
        var right = loginPassword !== "" && pwdMd === loginPassword
        root.app.login.pwdTry = right ? 0 : root.app.login.pwdTry + 1
        if (!__writeOpen())
            __keepLoginCount()
        return right
    }
    var txt = __decryptStoredData(pwdMd)
    var data = null
    if (txt !== null) {
        try {
            data = JSON.parse(txt)
        } catch (e) {
            data = null
        }
    }
    if (!__isDataObject(data)) {
        root.app.login.pwdTry += 1
        // The document as loaded: data and dataHash go back unchanged.
        if (__saveWithEncrypted(root))
            __commit(null)
        else
            __keepLoginCount()
        return false
    }
    var storedData = root.data
    root.data = data
    loginPassword = pwdMd
    root.app.login.pwdTry = 0
    // saveOnly would now encrypt JSON.stringify of the data just parsed, which
    // gives back the text it was parsed from when JSON.stringify made that
    // text, under the same key with the fixed IV: the stored cipher text.
    // Write that back as it is (any other stored text stays too, its hash
    // still matching).
    __saveData(root.dataHash, storedData)
    // Open either way: the row holds this vault, at most with an older count.
    __commit(txt)
    return true
}

// Stamps the modification time and writes the open vault. False when the
// write was refused; the vault in memory is then the vault on disk again
// (see revert), its modification date included.
function save() {
    root.summary.modifiedDate = new Date().getTime()
    return saveOnly()
}

// Writes the open vault as it is. False when the write was refused; the vault
// in memory is then the vault on disk again (see revert).
function saveOnly() {
    if (__writeOpen())
        return true
    revert()
    return false
}

function __writeOpen() {
    if (!loginPassword || !__isDataOpen()) {
        console.log("Error, save refused: vault not open.")
        return false
    }
    var dataTxt = JSON.stringify(root.data)
    if (!__saveData(Qt.md5(dataTxt), libEncryptor.aesEncrypt(loginPassword, dataTxt)))
        return false
    __commit(dataTxt)
    return true
}

// Writes the open document with its data part as the given cipher text.
function __saveData(dataHash, encData) {
    if (!encData) {
        console.log("Error, save refused: data encryption failed.")
        return false
    }
    root.summary.pwdItemCount = root.data.pwdItemList.length
    root.summary.noteItemCount = root.data.noteItemList.length
    var saveRoot = {
        app: root.app,
        local: root.local,
        security: root.security,
        summary: root.summary,
        dataHash: dataHash,
        data: encData
    }
    return __saveWithEncrypted(saveRoot, true)
}

// Writes a prepared document (its data already encrypted) to the row;
// dataIsCipher as for __documentJson.
function __saveWithEncrypted(saveRoot, dataIsCipher) {
    if (!__isStoredDocument(saveRoot))
        return false
    if (loadFailed) {
        console.log("Error, save refused: the database file could not be read.")
        return false
    }
    var json = __documentJson(saveRoot, dataIsCipher)
    var flag = wrapKey ? "yes" : "no"
    var affected = 0
    try {
        __openDB().transaction(function (tx) {
            if (__tableSql(tx) === null)
                tx.executeSql("CREATE TABLE IF NOT EXISTS pwddata(content TEXT, date TEXT, wrapkey TEXT)")
            else if (!__dbColumnExist("wrapkey", tx))
                __dbAddColumn("wrapkey", tx)
            var rs = tx.executeSql("SELECT * FROM pwddata")
            var content
            if (rs.rows.length === 0) {
                var dateText = Pubfun.currentDateTimeStr()
                content = libEncryptor.aesEncrypt(__rowKey(dateText, true), json)
                if (!content) {
                    console.log("Error, save refused: row encryption failed.")
                    return
                }
                affected = tx.executeSql("INSERT INTO pwddata VALUES(?, ?, ?)",
                                         [content, dateText, flag]).rowsAffected
            } else {
                var row = rs.rows.item(0)
                content = libEncryptor.aesEncrypt(__rowKey(String(row.date), true), json)
                if (!content) {
                    console.log("Error, save refused: row encryption failed.")
                    return
                }
                if (__unreadableRowPending)
                    __keepUnreadableRow(tx, row)
                affected = tx.executeSql("UPDATE pwddata SET content=?, wrapkey=?",
                                         [content, flag]).rowsAffected
            }
        })
    } catch (e) {
        // The transaction was rolled back: the row is as it was.
        console.log("Error, write to pwddata failed: " + __errorText(e))
        return false
    }
    if (affected > 0)
        __unreadableRowPending = false
    return affected > 0
}

// Keeps the row that could not be read, in the same database and the same
// transaction as the write that replaces it.
function __keepUnreadableRow(tx, row) {
    tx.executeSql("CREATE TABLE IF NOT EXISTS " + __constUnreadableTable
                  + "(content TEXT, date TEXT, wrapkey TEXT)")
    var wrap = row.wrapkey === undefined || row.wrapkey === null ? null : String(row.wrapkey)
    tx.executeSql("INSERT INTO " + __constUnreadableTable + " VALUES(?, ?, ?)",
                  [row.content, row.date, wrap])
    console.log("Unreadable pwddata row of " + row.date + " kept in " + __constUnreadableTable + ".")
}

// Drops the vault and the rows kept aside. False when the database refused;
// the vault in memory then stays as it is, as on disk.
function clear() {
    var ok = false
    try {
        __openDB().transaction(function (tx) {
            var rs = tx.executeSql("DROP TABLE pwddata")
            tx.executeSql("DROP TABLE IF EXISTS " + __constUnreadableTable)
            console.log("DROP TABLE pwddata rowsAffected: " + rs.rowsAffected)
        })
        ok = true
    } catch (e) {
        console.log("Error DROP TABLE pwddata: " + __errorText(e))
    }
    if (!ok)
        return false
    root = __initEmptyData()
    __unreadableRowPending = false
    loadFailed = false
    loadFailure = ""
    loadError = ""
    loginPassword = ""
    pinCode = ""
    securityAnswer = ""
    __committed = null
    __commit(JSON.stringify(root.data))
    return true
}

function backup(pwdMd) {
    if (!root.security.verifiedSecurityAnswer) {
        console.warn("backup need set Security Answer.")
        return null
    }
    if (!loginPassword || !__isDataOpen())
        return null
    var oldBackupDate = root.summary.backupDate
    root.summary.backupDate = new Date().getTime()
    // The counts as every save writes them, which a restore holds the
    // backup's data to.
    root.summary.pwdItemCount = root.data.pwdItemList.length
    root.summary.noteItemCount = root.data.noteItemList.length
    var dataTxt = JSON.stringify(root.data)
    var encData = libEncryptor.aesEncrypt(loginPassword, dataTxt)
    var txt = ""
    if (encData) {
        var doc = {
            app: root.app,
            security: root.security,
            summary: root.summary,
            dataHash: Qt.md5(dataTxt),
            data: encData
        }
        txt = libEncryptor.aesEncryptLines(Qt.md5(pwdMd), __withBackupHash(__documentJson(doc, true)))
    }
    if (!txt) {
        root.summary.backupDate = oldBackupDate
        return null
    }
    var stamp = root.summary.backupDate
    __keepInMemory(function (meta) {
        meta.summary.backupDate = stamp
    })
    return txt
}

// A backup's document closes with one more member, backupHash: MD5 of the
// document's JSON text without it, so that no part of the document can
// change unseen (dataHash covers only the data). Earlier programs read past
// it; a backup without it is judged by its shape alone.
var __constBackupHashName = "backupHash"

function __withBackupHash(json) {
    return json.substring(0, json.length - 1) + ",\"" + __constBackupHashName + "\":\""
            + Qt.md5(json) + "\"}"
}

// Whether the backup's text txt, parsed as doc, is the text its backupHash
// was made over (true for a backup without one).
function __backupHashHolds(txt, doc) {
    if (!(__constBackupHashName in doc))
        return true
    var hash = doc[__constBackupHashName]
    if (!__isKeyText(hash))
        return false
    var tail = ",\"" + __constBackupHashName + "\":\"" + hash + "\"}"
    if (txt.length <= tail.length || txt.substring(txt.length - tail.length) !== tail)
        return false
    return Qt.md5(txt.substring(0, txt.length - tail.length) + "}") === hash
}

var __constKeyText = /^[0-9a-f]{32}$/
var __constPromptFlags = ["pwdBoxEdit", "pwdItemEdit", "noteBoxEdit", "noteItemEdit", "noteAttrEdit"]

function __isKeyText(v) {
    return typeof v === "string" && __constKeyText.test(v)
}

function __isCount(v) {
    return typeof v === "number" && Number.isInteger(v) && v >= 0
}

// Milliseconds since the epoch, as Date gives them.
function __isTime(v) {
    return __isCount(v) && v <= 8.64e15
}

function __isCipherText(v) {
    return typeof v === "string" && v.length > 0 && v.length % 4 === 0 && __constBase64.test(v)
}

function __isText(v) {
    return typeof v === "string" && v.length > 0
}

// obj has no member but the named ones.
function __hasOnly(obj, names) {
    for (var k in obj) {
        if (names.indexOf(k) < 0)
            return false
    }
    return true
}

// The members a backup document has as the store writes it, of their types:
// the app part (login and prompt may be missing in older documents), the
// security part with its questions, answer check and wrapped login key, the
// summary, the data hash and the encrypted data. The data itself is judged
// once it is decrypted (restore).
function __isBackupDocument(doc) {
    if (!__isStoredDocument(doc)
            || !__hasOnly(doc, ["app", "security", "summary", "dataHash", "data",
                                __constBackupHashName])
            || !__isKeyText(doc.dataHash))
        return false
    var app = doc.app
    if (!__hasOnly(app, ["name", "version", "login", "prompt"]) || app.name !== "Ormel Keyloft"
            || app.version !== 1)
        return false
    var login = app.login
    if (login !== undefined
            && (!__isObject(login) || !__hasOnly(login, ["pwdTry", "pwdTryMax", "typeIndex"])
                || !__isCount(login.pwdTry) || !__isCount(login.pwdTryMax)
                || (login.typeIndex !== undefined && login.typeIndex !== 0 && login.typeIndex !== 1)))
        return false
    var prompt = app.prompt
    if (prompt !== undefined) {
        if (!__isObject(prompt) || !__hasOnly(prompt, __constPromptFlags))
            return false
        for (var flag in prompt) {
            if (typeof prompt[flag] !== "boolean")
                return false
        }
    }
    var sec = doc.security
    if (!__hasOnly(sec, ["encryptedLoginPassword", "securityQuestion1", "securityQuestion2",
                         "verifiedSecurityAnswer", "verifiedPinCode"])
            || !__isCipherText(sec.encryptedLoginPassword) || !__isText(sec.securityQuestion1)
            || !__isText(sec.securityQuestion2) || !__isKeyText(sec.verifiedSecurityAnswer)
            || (sec.verifiedPinCode !== "" && !__isKeyText(sec.verifiedPinCode)))
        return false
    var sum = doc.summary
    return __hasOnly(sum, ["modifiedDate", "backupDate", "pwdItemCount", "noteItemCount"])
            && __isTime(sum.modifiedDate) && sum.modifiedDate > 0 && __isTime(sum.backupDate)
            && __isCount(sum.pwdItemCount) && __isCount(sum.noteItemCount)
}

// Set by verifyBackupPassword and restore when they refuse a text: true when
// it opens with the backup password but is no whole backup (changed or cut),
// false when the password does not open it.
var backupDamaged = false

// The parsed backup document when pwdMd opens it and it is a whole backup
// document (without its backupHash), else null.
function __openBackup(backupTxt, pwdMd) {
    backupDamaged = false
    if (!backupTxt)
        return null
    var txt = libEncryptor.aesDecryptLines(Qt.md5(pwdMd), String(backupTxt))
    if (!txt)
        return null
    // Another password gives a text of noise; this one opens like a
    // document.
    var opened = txt.substring(0, 2) === "{\""
    var doc = null
    try {
        doc = JSON.parse(txt)
    } catch (e) {
        doc = null
    }
    if (doc === null || !__isBackupDocument(doc) || !__backupHashHolds(txt, doc)) {
        backupDamaged = opened
        return null
    }
    delete doc[__constBackupHashName]
    return doc
}

function verifyBackupPassword(backupTxt, pwdMd) {
    var doc = __openBackup(backupTxt, pwdMd)
    return doc === null ? false : doc
}

function restore(backupTxt, pwdMd, secMd) {
    var doc = __openBackup(backupTxt, pwdMd)
    if (doc === null)
        return false
    if (!secMd)
        return false
    var backupLogin = libEncryptor.aesDecrypt(secMd, doc.security.encryptedLoginPassword)
    var dataTxt = backupLogin ? libEncryptor.aesDecrypt(backupLogin, doc.data) : ""
    if (!dataTxt || Qt.md5(dataTxt) !== doc.dataHash) {
        // Wrong answers are no damage; the right ones that do not open the
        // data are.
        backupDamaged = Qt.md5(secMd) === doc.security.verifiedSecurityAnswer
        return false
    }
    var data = null
    try {
        data = JSON.parse(dataTxt)
    } catch (e) {
        data = null
    }
    // The summary tells what the data holds.
    if (!__isDataObject(data) || data.pwdItemList.length !== doc.summary.pwdItemCount
            || data.noteItemList.length !== doc.summary.noteItemCount) {
        backupDamaged = true
        return false
    }

    // Not written yet: the caller writes the restored vault; a refused write
    // puts back the vault as stored.
    var typeIndex = root.app.login.typeIndex
    root.app = doc.app
    root.security = doc.security
    root.summary = doc.summary
    root.dataHash = doc.dataHash
    root.data = data
    __fillMissingParts(root)
    root.app.login.typeIndex = typeIndex
    return true
}

// Re-encrypts every confidential field from oldPin to newPin. Either every
// field is re-encrypted or nothing changes; false when a field could not be
// decrypted with oldPin or encrypted with newPin.
function updatePinCodeEncriptedData(oldPin, newPin) {
    if (!oldPin) {
        console.log("old pin is empty, ignore update encripted.")
        return true
    }
    if (!__isDataOpen())
        return false
    // The key that opens the stored fields is the one to put back should the
    // change not be written.
    if (__committed && __keyOpens(oldPin, JSON.parse(__committed.meta).security.verifiedPinCode))
        __committed.pinCode = oldPin
    var failed = false
    function recode(value) {
        if (failed || !value)
            return value
        var plain = libEncryptor.aesDecrypt(oldPin, String(value))
        var code = plain ? libEncryptor.aesEncrypt(newPin, plain) : ""
        if (!code)
            failed = true
        return code
    }

    var changes = []
    var pwdList = root.data.pwdItemList
    var pwdCount = 0
    for (var i = pwdList.length - 1; i >= 0 && !failed; --i) {
        var item = pwdList[i]
        if (item.securityLevel) {
            changes.push({ target: item, fields: {
                password: recode(item.password),
                note: recode(item.note),
                otpUrl: recode(item.otpUrl)
            } })
            ++pwdCount
        }
    }
    var noteList = root.data.noteItemList
    var noteCount = 0
    for (var j = noteList.length - 1; j >= 0 && !failed; --j) {
        var note = noteList[j]
        if (note.securityLevel) {
            changes.push({ target: note, fields: { note: recode(note.note) } })
            ++noteCount
        }
    }
    if (failed) {
        console.log("Error, confidential fields could not be re-encrypted, nothing updated.")
        return false
    }
    for (var k = 0; k < changes.length; ++k) {
        var c = changes[k]
        for (var f in c.fields) {
            if (c.fields[f] !== undefined)
                c.target[f] = c.fields[f]
        }
    }
    console.log("Total password: " + pwdList.length + ", update encripted password: " + pwdCount)
    console.log("Total note: " + noteList.length + ", update encripted note: " + noteCount)
    return true
}

// Boxes ----------------------------------------------------------------------

function __addBox(data, counterName, listName) {
    data[counterName] += 1
    var box = { id: data[counterName], iconId: 0, name: "" }
    data[listName].push(box)
    return box
}

function __removeBox(boxList, itemList, id) {
    if (typeof id !== "number" || !(id > 0))
        return
    for (var i = boxList.length - 1; i >= 1; --i) {
        if (boxList[i].id === id)
            boxList.splice(i, 1)
    }
    for (var j = 0; j < itemList.length; ++j) {
        if (itemList[j].boxId === id)
            itemList[j].boxId = 0
    }
}

function __getBox(boxList, id) {
    if (id === constBoxIdAll)
        return __boxAll
    if (id === constBoxIdUncateg)
        return __boxUncateg
    if (typeof id !== "number" || !(id > 0))
        return null
    for (var i = 1; i < boxList.length; ++i) {
        if (boxList[i].id === id)
            return boxList[i]
    }
    return null
}

function __boxListWith(boxList, first) {
    var list = boxList.slice()
    list[0] = first
    return list
}

function __boxItemCount(itemList, uncategList, id) {
    if (id === constBoxIdAll)
        return itemList.length
    if (id === constBoxIdUncateg)
        return uncategList().length
    var n = 0
    for (var i = 0; i < itemList.length; ++i) {
        if (itemList[i].boxId === id)
            ++n
    }
    return n
}

function addPwdBox() {
    return __addBox(root.data, "pwdBoxIncrement", "pwdBoxList")
}

function addNoteBox() {
    return __addBox(root.data, "noteBoxIncrement", "noteBoxList")
}

function removePwdBox(id) {
    __removeBox(root.data.pwdBoxList, root.data.pwdItemList, id)
}

function removeNoteBox(id) {
    __removeBox(root.data.noteBoxList, root.data.noteItemList, id)
}

function getPwdBox(id) {
    return __getBox(root.data.pwdBoxList, id)
}

function getNoteBox(id) {
    return __getBox(root.data.noteBoxList, id)
}

function getPwdBoxList() {
    var list = __boxListWith(root.data.pwdBoxList, __boxAll)
    if (__getUncategoryPwdItems().length > 0)
        list.push(__boxUncateg)
    return list
}

function getNoteBoxList() {
    var list = __boxListWith(root.data.noteBoxList, __boxAll)
    if (__getUncategoryNoteItems().length > 0)
        list.push(__boxUncateg)
    return list
}

function getPwdBoxChooseList() {
    return __boxListWith(root.data.pwdBoxList, __boxUncateg)
}

function getNoteBoxChooseList() {
    return __boxListWith(root.data.noteBoxList, __boxUncateg)
}

function getPwdBoxItemCount(id) {
    return __boxItemCount(root.data.pwdItemList, __getUncategoryPwdItems, id)
}

function getNoteBoxItemCount(boxId) {
    return __boxItemCount(root.data.noteItemList, __getUncategoryNoteItems, boxId)
}

// Entries ----------------------------------------------------------------------

function __collectUncategorised(itemList) {
    var list = []
    for (var i = itemList.length - 1; i >= 0; --i) {
        if (itemList[i].boxId === constBoxIdUncateg)
            list.push(itemList[i])
    }
    return list
}

function __getUncategoryPwdItems() {
    return __collectUncategorised(root.data.pwdItemList)
}

function __getUncategoryNoteItems() {
    return __collectUncategorised(root.data.noteItemList)
}

function __indexFromEnd(itemList, id) {
    for (var i = itemList.length - 1; i >= 0; --i) {
        if (itemList[i].id === id)
            return i
    }
    return -1
}

function __itemList(itemList, uncategList, boxId) {
    if (boxId > 0) {
        var list = []
        for (var i = 0; i < itemList.length; ++i) {
            if (itemList[i].boxId === boxId)
                list.push(itemList[i])
        }
        return list
    }
    if (boxId === constBoxIdUncateg)
        return uncategList()
    return itemList.slice()
}

function __moveFront(itemList, id) {
    var i = __indexFromEnd(itemList, id)
    if (i < 0)
        return
    var item = itemList.splice(i, 1)[0]
    itemList.unshift(item)
}

function addPwdItem() {
    root.data.pwdItemIncrement += 1
    var item = {
        id: root.data.pwdItemIncrement,
        securityLevel: 0,
        boxId: 0,
        iconId: 0,
        label: "",
        account: "",
        password: "",
        note: "",
        otpUrl: "",
        date: new Date().getTime()
    }
    root.data.pwdItemList.push(item)
    return item
}

function addNoteItem() {
    root.data.noteItemIncrement += 1
    var item = {
        id: root.data.noteItemIncrement,
        securityLevel: 0,
        boxId: 0,
        colorIndex: 0,
        note: "",
        date: new Date().getTime(),
        title: "",
        summary: ""
    }
    root.data.noteItemList.push(item)
    return item
}

function removePwdItem(id) {
    var i = __indexFromEnd(root.data.pwdItemList, id)
    if (i >= 0)
        root.data.pwdItemList.splice(i, 1)
}

function removeNoteItem(id) {
    var i = __indexFromEnd(root.data.noteItemList, id)
    if (i >= 0)
        root.data.noteItemList.splice(i, 1)
}

function getPwdItem(id) {
    var i = __indexFromEnd(root.data.pwdItemList, id)
    return i >= 0 ? root.data.pwdItemList[i] : null
}

function getNoteItem(id) {
    var i = __indexFromEnd(root.data.noteItemList, id)
    return i >= 0 ? root.data.noteItemList[i] : null
}

function getPwdItemList(boxId) {
    return __itemList(root.data.pwdItemList, __getUncategoryPwdItems, boxId)
}

function getNoteItemList(boxId) {
    return __itemList(root.data.noteItemList, __getUncategoryNoteItems, boxId)
}

function movePwdItemFront(id) {
    __moveFront(root.data.pwdItemList, id)
}

function moveNoteItemFront(id) {
    __moveFront(root.data.noteItemList, id)
}
