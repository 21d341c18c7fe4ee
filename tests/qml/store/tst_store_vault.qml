import QtQuick 2.12
import QtTest 1.12
import QtQuick.LocalStorage 2.12
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "StoreFixture.js" as Fx
import "../common"

// Backup, verification, restore and the PIN change.
KeyloftTestCase {
    id: idCase
    name: "StoreVault"

    readonly property string wrap: Qt.md5("device-code-A")
    readonly property string loginA: Qt.md5("111111")
    readonly property string loginB: Qt.md5("222222")
    readonly property string pinA: Qt.md5("135790")
    readonly property string pinB: Qt.md5("246801")
    readonly property string backupPwd: Qt.md5("backup password")
    readonly property string secA: Qt.md5("blue" + "tiger")

    function init() {
        Fx.LS = LocalStorage
        Fx.dropAll()
        DB.localStorage = LocalStorage
        DB.libEncryptor = Encryptor
        DB.wrapKey = wrap
        DB.loginPassword = ""
        DB.pinCode = ""
        DB.securityAnswer = ""
        DB.load()
    }

    // A vault with security questions, a PIN, a normal and a confidential
    // entry and a confidential note.
    function makeVault(login, pin, sec) {
        DB.loginPassword = login
        DB.securityAnswer = sec
        DB.pinCode = pin
        DB.root.security.securityQuestion1 = "colour?"
        DB.root.security.securityQuestion2 = "animal?"
        DB.root.security.verifiedSecurityAnswer = Qt.md5(sec)
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(sec, login)
        DB.root.security.verifiedPinCode = Qt.md5(pin)
        var box = DB.addPwdBox()
        box.name = "work"
        var plain = DB.addPwdItem()
        DB.movePwdItemFront(plain.id)
        plain.label = "forum"
        plain.password = "forum-pwd"
        var conf = DB.addPwdItem()
        DB.movePwdItemFront(conf.id)
        conf.securityLevel = 1
        conf.boxId = box.id
        conf.label = "bank"
        conf.password = Encryptor.aesEncrypt(pin, "bank-pwd")
        conf.note = Encryptor.aesEncrypt(pin, "card 1234")
        conf.otpUrl = Encryptor.aesEncrypt(pin, "otpauth://totp/bank?secret=JBSWY3DPEHPK3PXP")
        var conf2 = DB.addPwdItem()
        conf2.securityLevel = 1
        conf2.label = "no note"
        conf2.password = Encryptor.aesEncrypt(pin, "x")
        var note = DB.addNoteItem()
        DB.moveNoteItemFront(note.id)
        note.securityLevel = 1
        note.note = Encryptor.aesEncrypt(pin, "私密笔记")
        var note2 = DB.addNoteItem()
        note2.note = "plain note"
        verify(DB.save())
    }

    function test_backupNeedsSecurityAnswer() {
        DB.loginPassword = loginA
        verify(DB.save())
        var before = DB.root.summary.backupDate
        compare(DB.backup(backupPwd), null)
        compare(DB.root.summary.backupDate, before)
    }

    function test_backupVerifyRestore() {
        makeVault(loginA, pinA, secA)
        var t0 = new Date().getTime()
        var txt = DB.backup(backupPwd)
        verify(txt !== null && txt.length > 0)
        verify(DB.root.summary.backupDate >= t0)
        verify(/^([A-Za-z0-9+\/=]{64}\n)*[A-Za-z0-9+\/=]{1,64}\n$/.test(txt))
        var framed = Pubfun.wrapLine(txt, "BEGIN BACKUP", "END BACKUP")
        compare(Pubfun.unwrapLine("mail text\n" + framed + "\nregards", "BEGIN BACKUP", "END BACKUP"), txt)

        compare(DB.verifyBackupPassword(txt, Qt.md5("wrong")), false)
        var doc = DB.verifyBackupPassword(txt, backupPwd)
        compare(Object.keys(doc), ["app", "security", "summary", "dataHash", "data"])
        compare(typeof doc.data, "string")
        compare(doc.summary.pwdItemCount, 3)
        compare(doc.security.securityQuestion1, "colour?")

        // A second vault with its own settings takes the backup in.
        Fx.dropAll()
        DB.loginPassword = ""
        DB.load()
        DB.loginPassword = loginB
        DB.root.local.ui.darkMode = true
        DB.root.app.login.typeIndex = 1
        DB.addPwdItem().label = "only in B"
        verify(DB.save())
        var hashB = DB.root.summary.modifiedDate

        var snapshot = JSON.stringify(DB.root)
        verify(!DB.restore(txt, Qt.md5("wrong"), secA))
        verify(!DB.restore(txt, backupPwd, Qt.md5("wrong answers")))
        verify(!DB.restore("", backupPwd, secA))
        compare(JSON.stringify(DB.root), snapshot)

        verify(DB.restore(txt, backupPwd, secA))
        compare(DB.root.local.ui.darkMode, true)
        compare(DB.root.app.login.typeIndex, 1)
        compare(DB.loginPassword, loginB)
        compare(DB.root.data.pwdItemList.length, 3)
        compare(DB.root.data.pwdItemList[0].label, "bank")
        compare(DB.root.summary.pwdItemCount, 3)
        verify(DB.root.summary.modifiedDate !== hashB)
        compare(DB.root.security.verifiedPinCode, Qt.md5(pinA))
        compare(Encryptor.aesDecrypt(pinA, DB.getPwdItem(2).password), "bank-pwd")
        // What the restore page does next: rewrap the current login key.
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(secA, DB.loginPassword)
        verify(DB.saveOnly())

        DB.loginPassword = ""
        DB.load()
        verify(!DB.login(loginA))
        verify(DB.login(loginB))
        compare(DB.getPwdItem(2).label, "bank")
        compare(DB.root.local.ui.darkMode, true)
        compare(Encryptor.aesDecrypt(secA, DB.root.security.encryptedLoginPassword), loginB)
    }

    function test_backupFillsOldApp() {
        makeVault(loginA, pinA, secA)
        delete DB.root.app.login
        delete DB.root.app.prompt
        var txt = DB.backup(backupPwd)
        Fx.dropAll()
        DB.loginPassword = ""
        DB.load()
        DB.loginPassword = loginB
        DB.root.app.login.typeIndex = 1
        verify(DB.restore(txt, backupPwd, secA))
        compare(DB.root.app.login.pwdTryMax, 5)
        compare(DB.root.app.login.typeIndex, 1)
        compare(DB.root.app.prompt.pwdBoxEdit, true)
    }

    // Texts that open with the backup password but hold no vault document.
    function test_notAVaultDocument_data() {
        var data = Encryptor.aesEncrypt(loginA, "{}")
        return [
            { tag: "object", json: "{\"a\":1}" },
            { tag: "null", json: "null" },
            { tag: "array", json: "[1,2]" },
            { tag: "number", json: "42" },
            { tag: "string", json: "\"text\"" },
            { tag: "no security", json: JSON.stringify({ app: {}, summary: {}, dataHash: "x", data: data }) },
            { tag: "no summary", json: JSON.stringify({ app: {}, security: { encryptedLoginPassword: "x" }, dataHash: "x", data: data }) },
            { tag: "no data", json: JSON.stringify({ app: {}, security: {}, summary: {}, dataHash: "x" }) },
            { tag: "data not text", json: JSON.stringify({ app: {}, security: {}, summary: {}, dataHash: "x", data: {} }) },
            { tag: "security not object", json: JSON.stringify({ app: {}, security: "s", summary: {}, dataHash: "x", data: data }) }
        ]
    }
    function test_notAVaultDocument(row) {
        makeVault(loginB, pinB, secA)
        var txt = Encryptor.aesEncryptLines(Qt.md5(backupPwd), row.json)
        verify(txt.length > 0)
        var snapshot = JSON.stringify(DB.root)
        compare(DB.verifyBackupPassword(txt, backupPwd), false)
        compare(DB.restore(txt, backupPwd, secA), false)
        compare(JSON.stringify(DB.root), snapshot)
    }

    // A backup whose data was tampered with fails on the hash.
    function test_restoreHashMismatch() {
        makeVault(loginA, pinA, secA)
        var doc = DB.verifyBackupPassword(DB.backup(backupPwd), backupPwd)
        doc.data = Encryptor.aesEncrypt(loginA, "{\"pwdItemList\":[]}")
        var txt = Encryptor.aesEncryptLines(Qt.md5(backupPwd), JSON.stringify(doc))
        var snapshot = JSON.stringify(DB.root)
        verify(DB.verifyBackupPassword(txt, backupPwd) !== false)
        verify(!DB.restore(txt, backupPwd, secA))
        compare(JSON.stringify(DB.root), snapshot)
    }

    function test_pinChange() {
        makeVault(loginA, pinA, secA)
        var normalBefore = JSON.stringify(DB.getPwdItem(1))
        verify(DB.updatePinCodeEncriptedData(pinA, pinB))
        var conf = DB.getPwdItem(2)
        compare(Encryptor.aesDecrypt(pinB, conf.password), "bank-pwd")
        compare(Encryptor.aesDecrypt(pinB, conf.note), "card 1234")
        compare(Encryptor.aesDecrypt(pinB, conf.otpUrl), "otpauth://totp/bank?secret=JBSWY3DPEHPK3PXP")
        var conf2 = DB.getPwdItem(3)
        compare(Encryptor.aesDecrypt(pinB, conf2.password), "x")
        compare(conf2.note, "")
        compare(conf2.otpUrl, "")
        compare(Encryptor.aesDecrypt(pinB, DB.getNoteItem(1).note), "私密笔记")
        compare(DB.getNoteItem(2).note, "plain note")
        compare(JSON.stringify(DB.getPwdItem(1)), normalBefore)
    }

    // Pasted texts may begin with a byte-order mark: the change of the PIN
    // keeps every character of a confidential field.
    function test_pinChangeKeepsByteOrderMarks() {
        makeVault(loginA, pinA, secA)
        var texts = ["\uFEFFbank-pwd", "\uFEFF\uFEFF", "\uFEFF私密笔记\uFEFF"]
        DB.getPwdItem(2).password = Encryptor.aesEncrypt(pinA, texts[0])
        DB.getPwdItem(3).password = Encryptor.aesEncrypt(pinA, texts[1])
        DB.getNoteItem(1).note = Encryptor.aesEncrypt(pinA, texts[2])
        verify(DB.updatePinCodeEncriptedData(pinA, pinB))
        compare([Encryptor.aesDecrypt(pinB, DB.getPwdItem(2).password),
                 Encryptor.aesDecrypt(pinB, DB.getPwdItem(3).password),
                 Encryptor.aesDecrypt(pinB, DB.getNoteItem(1).note)], texts)
    }

    function test_pinFirstTimeChangesNothing() {
        makeVault(loginA, pinA, secA)
        var before = JSON.stringify(DB.root.data)
        verify(DB.updatePinCodeEncriptedData("", pinB))
        compare(JSON.stringify(DB.root.data), before)
    }

    // One field that does not open with the old PIN: nothing changes.
    function test_pinChangeLosesNothing_data() {
        return [{ tag: "entry note", where: "pwd" },
                { tag: "note", where: "note" },
                { tag: "new key refused", where: "newkey" }]
    }
    function test_pinChangeLosesNothing(row) {
        makeVault(loginA, pinA, secA)
        var newPin = pinB
        if (row.where === "pwd")
            DB.getPwdItem(3).note = Encryptor.aesEncrypt(Qt.md5("000000"), "other pin")
        else if (row.where === "note")
            DB.getNoteItem(1).note = "not a cipher text"
        else
            newPin = "short"
        var before = JSON.stringify(DB.root.data)
        verify(!DB.updatePinCodeEncriptedData(pinA, newPin))
        compare(JSON.stringify(DB.root.data), before)
    }

    // --- Changed backups ----------------------------------------------------

    readonly property string base64Digits: "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"

    // The parts a restore takes from a backup, as one text.
    function restoredParts() {
        var r = DB.root
        return JSON.stringify([r.app, r.security, r.summary, r.dataHash, r.data])
    }

    // The backup's document text as an earlier program wrote it: no
    // backupHash, the rest as it is.
    function withoutBackupHash(txt) {
        var plain = Encryptor.aesDecryptLines(Qt.md5(backupPwd), txt)
        var doc = JSON.parse(plain)
        verify(typeof doc.backupHash === "string")
        delete doc.backupHash
        return JSON.stringify(doc)
    }

    function encryptBackup(json) {
        var txt = Encryptor.aesEncryptLines(Qt.md5(backupPwd), json)
        verify(txt.length > 0)
        return txt
    }

    // Every text that differs from txt in one Base64 character (the
    // padding included), three changes at each position, offered to
    // verification and, where that passes, to a restore with the right
    // answers; each restore is compared with the unchanged backup's and
    // undone. parts(before, after) names the restored parts that must not
    // differ; null: all of them.
    function sweep(txt, mustKeep) {
        verify(DB.restore(txt, backupPwd, secA))
        var expected = JSON.parse(restoredParts())
        DB.revert()
        var stored = JSON.stringify(DB.root)
        var stats = { changes: 0, opened: 0, restored: 0, changed: 0, wrong: [] }
        for (var i = 0; i < txt.length; ++i) {
            var c = txt.charAt(i)
            if (c === "\n")
                continue
            var k = c === "=" ? 0 : base64Digits.indexOf(c)
            for (var d = 1; d < 64; d += 21) {
                var changed = txt.substring(0, i) + base64Digits.charAt((k + d) % 64)
                        + txt.substring(i + 1)
                ++stats.changes
                if (DB.verifyBackupPassword(changed, backupPwd) === false)
                    continue
                ++stats.opened
                if (!DB.restore(changed, backupPwd, secA))
                    continue
                ++stats.restored
                var got = JSON.parse(restoredParts())
                if (JSON.stringify(got) !== JSON.stringify(expected)) {
                    ++stats.changed
                    var kept = mustKeep(expected, got)
                    if (kept !== "")
                        stats.wrong.push("position " + i + ": " + kept)
                }
                DB.revert()
            }
        }
        compare(JSON.stringify(DB.root), stored)
        console.log("one-character changes: " + stats.changes + ", opened: " + stats.opened
                    + ", restored: " + stats.restored + ", restored with a changed part: "
                    + stats.changed)
        return stats
    }

    // No change of a backup the store writes restores anything but the
    // backup's own vault.
    function test_everyOneCharacterChange() {
        makeVault(loginA, pinA, secA)
        var stats = sweep(DB.backup(backupPwd), function (before, after) {
            return "changed"
        })
        verify(stats.changes > 3000, "changes: " + stats.changes)
        compare(stats.wrong, [])
        compare(stats.changed, 0)
    }

    // A backup of an earlier program has no backupHash: its shape alone is
    // judged. No change of it gets past with another PIN check value,
    // answer check, login key, data or counts, or with members the store
    // does not write; a changed question text or date can (they are free
    // text and numbers).
    function test_everyOneCharacterChangeOfAnOldBackup() {
        makeVault(loginA, pinA, secA)
        var oldTxt = encryptBackup(withoutBackupHash(DB.backup(backupPwd)))
        var stats = sweep(oldTxt, function (before, after) {
            var sec = ["verifiedPinCode", "verifiedSecurityAnswer", "encryptedLoginPassword"]
            for (var i = 0; i < sec.length; ++i) {
                if (after[1][sec[i]] !== before[1][sec[i]])
                    return sec[i]
            }
            if (after[3] !== before[3] || JSON.stringify(after[4]) !== JSON.stringify(before[4]))
                return "data"
            if (after[2].pwdItemCount !== before[2].pwdItemCount
                    || after[2].noteItemCount !== before[2].noteItemCount)
                return "counts"
            var parts = [0, 1, 2]
            for (var p = 0; p < parts.length; ++p) {
                if (JSON.stringify(Object.keys(after[p])) !== JSON.stringify(Object.keys(before[p])))
                    return "members of part " + p
            }
            return ""
        })
        compare(stats.wrong, [])
    }

    // Backups as an earlier program or another hand wrote them: each change
    // is refused at the password step as no whole backup, and the vault
    // stays as it was.
    function test_changedBackupRefused_data() {
        function set(path, value) {
            return function (doc) {
                var o = doc
                for (var i = 0; i < path.length - 1; ++i)
                    o = o[path[i]]
                if (value === undefined)
                    delete o[path[path.length - 1]]
                else
                    o[path[path.length - 1]] = value
            }
        }
        return [
            { tag: "PIN check value garbled", change: set(["security", "verifiedPinCode"],
                                                         "19101E\ufffd\ufffd[0d3a4c1b2e9f0a7p871") },
            { tag: "PIN check value in capitals", change: function (doc) {
                doc.security.verifiedPinCode = doc.security.verifiedPinCode.toUpperCase()
            } },
            { tag: "PIN check value cut", change: function (doc) {
                doc.security.verifiedPinCode = doc.security.verifiedPinCode.substring(1)
            } },
            { tag: "answer check value gone", change: set(["security", "verifiedSecurityAnswer"], "") },
            { tag: "question emptied", change: set(["security", "securityQuestion1"], "") },
            { tag: "question a number", change: set(["security", "securityQuestion2"], 7) },
            { tag: "login key not Base64", change: set(["security", "encryptedLoginPassword"], "x!y?") },
            { tag: "unknown member in security", change: set(["security", "extra"], "") },
            { tag: "unknown member in app", change: set(["app", "vers\u00efon"], 1) },
            { tag: "unknown member in summary", change: set(["summary", "pwdItemCoun"], 3) },
            { tag: "unknown member at the top", change: set(["dataHash2"], "") },
            { tag: "app name changed", change: set(["app", "name"], "Ormel Keylofu") },
            { tag: "app version a text", change: set(["app", "version"], "1") },
            { tag: "input type 2", change: set(["app", "login", "typeIndex"], 2) },
            { tag: "failure count negative", change: set(["app", "login", "pwdTry"], -1) },
            { tag: "hint flag a number", change: set(["app", "prompt", "noteAttrEdit"], 0) },
            { tag: "modification date a text", change: function (doc) {
                doc.summary.modifiedDate = String(doc.summary.modifiedDate)
            } },
            { tag: "modification date 0", change: set(["summary", "modifiedDate"], 0) },
            { tag: "backup date fractional", change: set(["summary", "backupDate"], 1.5) },
            { tag: "count missing", change: set(["summary", "noteItemCount"]) },
            { tag: "data hash in capitals", change: function (doc) {
                doc.dataHash = doc.dataHash.toUpperCase()
            } },
            { tag: "backupHash not hex", change: set(["backupHash"], "not a hash") },
            { tag: "backupHash of another text", change: set(["backupHash"], Qt.md5("another")) }
        ]
    }
    function test_changedBackupRefused(row) {
        makeVault(loginA, pinA, secA)
        var doc = JSON.parse(withoutBackupHash(DB.backup(backupPwd)))
        row.change(doc)
        var txt = encryptBackup(JSON.stringify(doc))
        var stored = JSON.stringify(DB.root)
        compare(DB.verifyBackupPassword(txt, backupPwd), false)
        compare(DB.backupDamaged, true)
        compare(DB.restore(txt, backupPwd, secA), false)
        compare(DB.backupDamaged, true)
        compare(JSON.stringify(DB.root), stored)
        // Another password opens nothing, and that is no damage.
        compare(DB.verifyBackupPassword(txt, Qt.md5("other password")), false)
        compare(DB.backupDamaged, false)
    }

    // Counts that disagree with the data are seen once the data is open.
    function test_countsDisagreeWithData() {
        makeVault(loginA, pinA, secA)
        var doc = JSON.parse(withoutBackupHash(DB.backup(backupPwd)))
        doc.summary.pwdItemCount += 1
        var txt = encryptBackup(JSON.stringify(doc))
        var stored = JSON.stringify(DB.root)
        verify(DB.verifyBackupPassword(txt, backupPwd) !== false)
        compare(DB.restore(txt, backupPwd, secA), false)
        compare(DB.backupDamaged, true)
        compare(DB.restore(txt, backupPwd, Qt.md5("wrong" + "answers")), false)
        compare(DB.backupDamaged, false)
        compare(JSON.stringify(DB.root), stored)
    }

    // What the store writes restores, whatever it holds: with and without a
    // PIN, questions in either language, and as an earlier program wrote it.
    function test_backupsRestore_data() {
        return [
            { tag: "PIN, Chinese questions", pin: true, q: ["你最喜欢的颜色？", "第一只宠物？"], old: false },
            { tag: "no PIN, English questions", pin: false, q: ["Favourite colour?", "First pet?"], old: false },
            { tag: "earlier program, PIN", pin: true, q: ["colour?", "animal?"], old: true },
            { tag: "earlier program, no PIN", pin: false, q: ["colour?", "animal?"], old: true }
        ]
    }
    function test_backupsRestore(row) {
        makeVault(loginA, pinA, secA)
        DB.root.security.securityQuestion1 = row.q[0]
        DB.root.security.securityQuestion2 = row.q[1]
        if (!row.pin) {
            DB.root.security.verifiedPinCode = ""
            DB.getPwdItem(2).securityLevel = 0
        }
        verify(DB.save())
        var expected = restoredParts()
        var txt = DB.backup(backupPwd)
        if (row.old)
            txt = encryptBackup(withoutBackupHash(txt))
        var doc = DB.verifyBackupPassword(txt, backupPwd)
        verify(doc !== false)
        compare(Object.keys(doc), ["app", "security", "summary", "dataHash", "data"])
        compare(doc.security.securityQuestion1, row.q[0])
        verify(DB.restore(txt, backupPwd, secA))
        var got = JSON.parse(restoredParts())
        var want = JSON.parse(expected)
        // The backup's date is stamped as it is made; the vault in memory
        // keeps the data hash it was loaded with until it is loaded again.
        want[2].backupDate = got[2].backupDate
        want[3] = got[3]
        compare(JSON.stringify(got), JSON.stringify(want))
    }
}
