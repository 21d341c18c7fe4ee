import QtQml 2.12
import QtQuick.LocalStorage 2.12
import Lib.Encryptor 1.0
import Lib.Util 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// Drives the vault store for keyloft-bench: builds a vault of n password
// entries (a tenth confidential) and n / 5 notes with realistic field
// lengths, then times login, save and load from C++, and measures the texts
// of its cloud backup.
QtObject {
    readonly property string loginKey: Qt.md5("bench login 密码")
    readonly property string pinKey: Qt.md5("135790")

    function __text(seed, len) {
        var chars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-_@密码账号邮箱银行网站笔记"
        var s = ""
        var x = seed * 2654435761 % 4294967296
        for (var i = 0; i < len; ++i) {
            x = (x * 1103515245 + 12345) % 2147483648
            s += chars.charAt(x % chars.length)
        }
        return s
    }

    function prepare(n) {
        DB.localStorage = LocalStorage
        DB.libEncryptor = Encryptor
        DB.wrapKey = Qt.md5("bench-device")
        DB.clear()
        DB.loginPassword = ""
        DB.load()
        DB.loginPassword = loginKey
        for (var b = 0; b < 12; ++b)
            DB.addPwdBox().name = __text(b, 6)
        for (var i = 0; i < n; ++i) {
            var e = DB.addPwdItem()
            DB.movePwdItemFront(e.id)
            e.boxId = i % 13
            e.iconId = i % 37
            e.label = __text(i, 14)
            e.account = __text(i + 1, 22)
            var pwd = __text(i + 2, 16)
            var note = i % 3 === 0 ? __text(i + 3, 60) : ""
            var otp = i % 10 === 0 ? "otpauth://totp/" + __text(i, 8) + "?secret=JBSWY3DPEHPK3PXP" : ""
            if (i % 10 === 5) {
                e.securityLevel = 1
                e.password = Encryptor.aesEncrypt(pinKey, pwd)
                e.note = Encryptor.aesEncrypt(pinKey, note)
                e.otpUrl = Encryptor.aesEncrypt(pinKey, otp)
            } else {
                e.password = pwd
                e.note = note
                e.otpUrl = otp
            }
        }
        for (var k = 0; k < n / 5; ++k) {
            var t = DB.addNoteItem()
            DB.moveNoteItemFront(t.id)
            t.colorIndex = k % 6
            t.note = __text(k, 300)
            t.title = t.note.substring(0, 20)
            t.summary = t.note.substring(0, 60)
            if (k % 10 === 5) {
                t.securityLevel = 1
                t.note = Encryptor.aesEncrypt(pinKey, t.note)
            }
        }
        return DB.save()
    }

    // Back to the state after start-up: data encrypted, nobody logged in.
    function reload() {
        DB.loginPassword = ""
        DB.load()
        return !DB.isEmptyPassword()
    }

    function login() {
        return DB.login(loginKey)
    }

    function save() {
        return DB.save()
    }

    function checkFile() {
        return Util.prepareDatabase("ZovuduzuRez", "1.0", "ZovuduzuRez", 1000000).state
    }

    // The largest texts the cloud service carries for this vault: the
    // upload's request body (the query of the POST) and the answer of a
    // download of that backup, in bytes (both are ASCII: URI-encoded
    // Base64 in a JSON envelope).
    function cloudSizes() {
        DB.securityAnswer = Qt.md5("bench answer")
        DB.root.security.securityQuestion1 = "q1"
        DB.root.security.securityQuestion2 = "q2"
        DB.root.security.verifiedSecurityAnswer = Qt.md5(DB.securityAnswer)
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(DB.securityAnswer, loginKey)
        var backupTxt = DB.backup(Qt.md5("2024-03-01 10:20:30"))
        if (!backupTxt)
            return { upload: -1, download: -1 }
        var content = encodeURIComponent(Pubfun.wrapLine(backupTxt, "BEGIN BACKUP", "END BACKUP"))
        var attached = encodeURIComponent(JSON.stringify({ pwdItemCount: DB.root.summary.pwdItemCount,
                                                            noteItemCount: DB.root.summary.noteItemCount }))
        var upload = "method=upload&phone_number=US_2025550123&device_code=" + Qt.md5("bench-device")
                + "&content_data=" + content + "&attached_data=" + attached
        var answer = JSON.stringify({ error: 0, message: "",
                                      result: { content_data: content, upload_time: "2024-03-01 10:20:30" } })
        return { upload: upload.length, download: answer.length }
    }

    function rowSize() {
        var size = 0
        DB.localStorage.openDatabaseSync("ZovuduzuRez", "1.0", "ZovuduzuRez", 1000000)
                .transaction(function (tx) {
                    size = tx.executeSql("SELECT length(content) AS n FROM pwddata").rows.item(0).n
                })
        return size
    }
}
