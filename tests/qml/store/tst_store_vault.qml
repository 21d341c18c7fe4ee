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
}
