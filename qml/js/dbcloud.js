.pragma library
.import Lib.Util 1.0 as LibUtil
.import "pubfun.js" as Pubfun

// The cloud-state document: who the cloud account is, whether this computer
// is one of its devices, what was last uploaded and a purchase not yet
// completed. One encrypted row of its own database, keyed by the row's date.
// Writes never throw: a database error is logged and reported as false.

var PAYMENTCHANNEL_NONE = -1
var PAYMENTCHANNEL_IAP = 0
var PAYMENTCHANNEL_WEIPAY = 1
var PAYMENTCHANNEL_ALIPAY = 2

// Set by the frame before load().
var localStorage = null
var libEncryptor = null

// Empty until the first load(): the frame loads the state once per run.
var root = {}

// Set by load() when the state's file could not be read (another program
// holds it, the user may not read it, or it is damaged): nothing is
// written over it.
var loadFailed = false

var __constDbName = "KeyloftCloud"
var __constDbVersion = "1.0"
var __constDbSize = 1000000

function initEmptyData() {
    return {
        summary: {
            uploadTime: 0,
            // modifiedDate of the vault snapshot last uploaded (or restored
            // from the cloud); what "newer than the last upload" compares.
            uploadedModifiedDate: 0,
            deviceRegistered: false
        },
        user: {
            phoneNumber: "",
            creationTime: "",
            expirationDate: "",
            formattedPhoneNumber: ""
        },
        order: {
            outTradeNo: "",
            paymentChannel: PAYMENTCHANNEL_NONE
        }
    }
}

function openDB() {
    return localStorage.openDatabaseSync(__constDbName, __constDbVersion, __constDbName,
                                         __constDbSize)
}

function load() {
    root = initEmptyData()
    loadFailed = false
    // The file judged before LocalStorage opens it; a sound one whose
    // settings file beside it was lost gets it back.
    var file = LibUtil.Util.prepareDatabase(__constDbName, __constDbVersion, __constDbName,
                                            __constDbSize)
    if (file.state !== "sound") {
        loadFailed = true
        console.log("Error, Load DB clouddata: " + file.state + ": " + file.error)
        return
    }
    try {
        openDB().transaction(function(tx) {
            tx.executeSql("CREATE TABLE IF NOT EXISTS clouddata(content TEXT, date TEXT)")
            var rs = tx.executeSql("SELECT * FROM clouddata")
            if (rs.rows.length === 0)
                return
            var row = rs.rows.item(0)
            var json = libEncryptor.aesDecrypt(Qt.md5(String(row.date)), String(row.content))
            if (!json) {
                console.log("Error, Decrypt DB clouddata.")
                return
            }
            var doc
            try {
                doc = JSON.parse(json)
            } catch (e) {
                doc = null
            }
            if (doc === null || typeof doc !== "object" || Array.isArray(doc)
                    || typeof doc.summary !== "object" || typeof doc.user !== "object"
                    || typeof doc.order !== "object" || !doc.summary || !doc.user || !doc.order) {
                console.log("Error, Parse DB clouddata.")
                return
            }
            root = doc
        })
    } catch (e) {
        console.log("Error, Load DB clouddata: " + e)
    }
}

function save() {
    if (loadFailed) {
        console.log("Error, Save DB clouddata refused: the file could not be read.")
        return false
    }
    var json = JSON.stringify(root)
    var done = false
    try {
        openDB().transaction(function(tx) {
            var rs = tx.executeSql("SELECT * FROM clouddata")
            var r
            if (rs.rows.length === 0) {
                var dateText = Pubfun.currentDateTimeStr()
                r = tx.executeSql("INSERT INTO clouddata VALUES(?, ?)",
                                  [libEncryptor.aesEncrypt(Qt.md5(dateText), json), dateText])
            } else {
                var rowDate = String(rs.rows.item(0).date)
                r = tx.executeSql("UPDATE clouddata SET content=?",
                                  [libEncryptor.aesEncrypt(Qt.md5(rowDate), json)])
            }
            done = r.rowsAffected > 0
        })
    } catch (e) {
        console.log("Error, Save DB clouddata: " + e)
        return false
    }
    return done
}

function clear() {
    root = initEmptyData()
    try {
        openDB().transaction(function(tx) {
            var r = tx.executeSql("DROP TABLE clouddata")
            console.log("DROP TABLE clouddata rowsAffected: " + r.rowsAffected)
        })
    } catch (e) {
        console.log("Error DROP TABLE clouddata: " + e)
        return false
    }
    return true
}

// The account's number as pages show it: the service's form when known,
// else "+", the dialling code, a blank and the digits.
function shownPhoneNumber() {
    var user = root.user || {}
    if (user.formattedPhoneNumber)
        return Pubfun.shownText(user.formattedPhoneNumber)
    return user.phoneNumber ? Pubfun.formatedPhoneNumberStr(user.phoneNumber) : ""
}

// Signed in on this computer: an account's creation time is known and this
// computer is one of its devices.
function isSignedIn() {
    return !!(root.user && root.user.creationTime && root.summary
              && root.summary.deviceRegistered === true)
}

// Stores the account's dates of an answer checked with
// CloudApi.accountDateMembers, as they came; a missing expiration date is
// an empty one. The caller saves.
function setAccountDates(result) {
    root.user.creationTime = result.creation_time
    root.user.expirationDate = typeof result.expiration_date === "string" ? result.expiration_date : ""
}

// The key seed of the cloud backups of this account.
function backupKey() {
    return Qt.md5(String(root.user.creationTime))
}
