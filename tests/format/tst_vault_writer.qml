import QtQuick 2.12
import QtTest 1.12
import QtQuick.LocalStorage 2.12
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "../qml/common"

// Writes a vault and a framed backup through the real store, for the format
// check of tests/scripts/test_vault_format.py (which reads them back with
// independent tools). The passwords here and there must be the same.
KeyloftTestCase {
    name: "VaultWriter"

    function test_writeVault() {
        DB.localStorage = LocalStorage
        DB.libEncryptor = Encryptor
        DB.wrapKey = Qt.md5("format-check-device")
        DB.load()
        verify(DB.isEmptyPassword())

        var pin = Qt.md5("135790")
        var sec = Qt.md5("blue" + "tiger")
        DB.loginPassword = Qt.md5("login password 密码")
        DB.pinCode = pin
        DB.securityAnswer = sec
        DB.root.security.securityQuestion1 = "最喜欢的颜色？"
        DB.root.security.securityQuestion2 = "favourite animal?"
        DB.root.security.verifiedSecurityAnswer = Qt.md5(sec)
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(sec, DB.loginPassword)
        DB.root.security.verifiedPinCode = Qt.md5(pin)

        var box = DB.addPwdBox()
        box.name = "工作"
        box.iconId = 5
        var plain = DB.addPwdItem()
        DB.movePwdItemFront(plain.id)
        plain.label = "forum"
        plain.account = "me@example.org"
        plain.password = "forum-pwd"
        var conf = DB.addPwdItem()
        DB.movePwdItemFront(conf.id)
        conf.securityLevel = 1
        conf.boxId = box.id
        conf.label = "银行"
        conf.account = "6222 0000"
        conf.password = Encryptor.aesEncrypt(pin, "bank-pwd 😀")
        conf.note = Encryptor.aesEncrypt(pin, "card note")
        conf.otpUrl = Encryptor.aesEncrypt(pin, "otpauth://totp/bank?secret=JBSWY3DPEHPK3PXP")
        var note = DB.addNoteItem()
        DB.moveNoteItemFront(note.id)
        note.colorIndex = 2
        note.note = "购物清单\nmilk"
        note.title = "购物清单"
        note.summary = "milk"
        var secret = DB.addNoteItem()
        DB.moveNoteItemFront(secret.id)
        secret.securityLevel = 1
        secret.note = Encryptor.aesEncrypt(pin, "私密笔记")
        DB.root.local.ui.darkMode = true
        verify(DB.save())

        var txt = DB.backup(Qt.md5("backup password"))
        verify(txt !== null)
        verify(DB.saveOnly())
        console.log("VAULT-FORMAT-BACKUP:" + JSON.stringify(
                        Pubfun.wrapLine(txt, "BEGIN BACKUP", "END BACKUP")))
    }
}
