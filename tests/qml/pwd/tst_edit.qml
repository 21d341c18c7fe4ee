import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Encryptor 1.0
import Lib.Util 1.0
import "qrc:/pwd"
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "../common"

// The entry editor: fields, security level and PIN rules, typed one-time
// code secrets, saving.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idEditComp
        EditPwdItemPage {}
    }

    KeyloftTestCase {
        id: idCase
        name: "PwdEdit"
        when: windowShown

        property var page: null

        function init() {
            T.resetStore(LocalStorage, Encryptor)
            page = idEditComp.createObject(idWindow)
        }

        function cleanup() {
            page.close()
            page.destroy()
            page = null
            DB.pinCode = ""
        }

        function openPage(itemId, boxId) {
            page.pwdItemId = itemId
            page.currentBoxId = boxId === undefined ? 0 : boxId
            page.open()
            tryCompare(page, "opened", true)
        }

        function typeInto(name, text) {
            return T.typeInto(idCase, T.find(page, name), text)
        }

        function toast() {
            return T.findType(page, "PopupMsg")
        }

        function expectToast(text) {
            T.expectToast(idCase, toast(), text)
        }

        function save() {
            T.tap(idCase, T.find(page, "saveButton"))
        }

        function typeSecret(secret) {
            T.tap(idCase, T.find(page, "enable2faButton"))
            var menu = T.find(page, "otpMenu")
            tryCompare(menu, "opened", true)
            T.tap(idCase, T.findText(menu, "输入密匙"))
            tryCompare(menu, "visible", false)
            var dialog = T.find(page, "secretDialog")
            tryCompare(dialog, "opened", true)
            T.tap(idCase, T.findType(dialog, "LineEdit"))
            T.typeText(idCase, secret)
            return dialog
        }

        function acceptDialog(dialog) {
            T.tap(idCase, T.findText(dialog, "完成"))
            tryCompare(dialog, "visible", false)
        }

        function test_requiredFields() {
            openPage(0)
            compare(page.currentIconId, 1)
            save()
            expectToast("请输入账号")
            typeInto("accountEdit", "acc")
            save()
            expectToast("请输入密码")
            compare(DB.root.data.pwdItemList.length, 0)
            verify(page.opened)
        }

        // A paste past the fields' limit is refused whole, with a word,
        // instead of being stored cut.
        function test_longPasteLeavesFieldsAsTheyWere() {
            openPage(0)
            var fields = [{ name: "accountEdit", typed: "acc", pasted: 132 },
                          { name: "passwordEdit", typed: "pw", pasted: 65 }]
            for (var i = 0; i < fields.length; ++i) {
                var edit = typeInto(fields[i].name, fields[i].typed)
                Util.clipboardText = "Ab3".repeat(50).substring(0, fields[i].pasted)
                keySequence(StandardKey.Paste)
                compare(edit.text, fields[i].typed)
                T.expectToast(idCase, edit.__limitToast, "最多输入64个字符")
            }
            save()
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdItemList[0].account, "acc")
            compare(DB.root.data.pwdItemList[0].password, "pw")
        }

        function test_passwordFieldAndGenerator() {
            openPage(0)
            var edit = typeInto("passwordEdit", "a b c")
            compare(edit.text, "abc")
            T.tap(idCase, T.find(page, "generateButton"))
            var generator = T.find(page, "autoBuildPwdPage")
            tryCompare(generator, "opened", true)
            var generated = generator.pwdStr
            T.tap(idCase, T.find(generator, "generateDoneButton"))
            tryCompare(generator, "visible", false)
            compare(edit.text, generated)
            verify(/^[0-9]{8}$/.test(edit.text), edit.text)
        }

        function test_typedSecretWithEmptyAccount() {
            openPage(0)
            var dialog = typeSecret("jbswy3dpehpk3pxp")
            // turned to upper case while typing; blanks cannot be typed
            compare(dialog.userText, "JBSWY3DPEHPK3PXP")
            acceptDialog(dialog)
            compare(page.accountText, "Unknown")
            compare(page.passwordText, "JBSWY3DPEHPK3PXP")
            compare(page.viewIndex, 1)
            compare(T.find(page, "enable2faButton").visible, false)
            compare(T.find(page, "passwordEdit").visible, false)
            tryVerify(function () { return /^[0-9]{6}$/.test(T.find(page, "codeText").text) })
            T.expectRingFollows(idCase, T.find(page, "totpRing"), T.find(page, "editOptClient"), 30)

            save()
            tryCompare(page, "visible", false)
            var item = DB.root.data.pwdItemList[0]
            compare(item.account, "Unknown")
            compare(item.password, "JBSWY3DPEHPK3PXP")
            compare(item.otpUrl, "otpauth://totp/Unknown?secret=JBSWY3DPEHPK3PXP")

            // reopened within the same period it shows that code at once
            openPage(item.id)
            compare(page.viewIndex, 1)
            var client = T.find(page, "editOptClient")
            verify(/^[0-9]{6}$/.test(client.code), client.code)
            compare(T.find(page, "codeText").text, client.code)
        }

        // A secret corrected in the middle: each letter is upper-cased where
        // it was typed, and the typing goes on from there.
        function test_secretEditedInTheMiddle_data() {
            return [
                { tag: "after Left", keys: ["abc", Qt.Key_Left, "de"], secret: "ABDEC" },
                { tag: "after Home", keys: ["bc", Qt.Key_Home, "ax"], secret: "AXBC" },
                { tag: "over a selection", keys: ["abcd", [Qt.Key_Left, Qt.ShiftModifier],
                                                  [Qt.Key_Left, Qt.ShiftModifier], "x", "y"],
                  secret: "ABXY" },
                { tag: "pasted", keys: ["ad", Qt.Key_Left, "paste:bc", "x"], secret: "ABCXD" }
            ]
        }
        function test_secretEditedInTheMiddle(data) {
            openPage(0)
            var dialog = typeSecret("")
            for (var i = 0; i < data.keys.length; ++i) {
                var k = data.keys[i]
                if (typeof k === "string" && k.indexOf("paste:") === 0) {
                    Util.clipboardText = k.substring(6)
                    keySequence(StandardKey.Paste)
                } else if (typeof k === "string") {
                    T.typeText(idCase, k)
                } else if (Array.isArray(k)) {
                    keyClick(k[0], k[1])
                } else {
                    keyClick(k)
                }
            }
            compare(dialog.userText, data.secret)
            acceptDialog(dialog)
            compare(page.passwordText, data.secret)
            compare(T.find(page, "editOptClient").secret, data.secret)
        }

        function test_typedSecretUsesAccountAsLabel() {
            openPage(0)
            typeInto("accountEdit", "me")
            acceptDialog(typeSecret("GEZDGNBVGY3TQOJQ"))
            compare(page.accountText, "me")
            compare(page.viewIndex, 1)
            save()
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdItemList[0].otpUrl, "otpauth://totp/me?secret=GEZDGNBVGY3TQOJQ")
        }

        function test_invalidTypedSecret() {
            openPage(0)
            acceptDialog(typeSecret("A9"))
            expectToast("无效的2FA密匙")
            compare(page.accountText, "")
            compare(page.passwordText, "")
            compare(page.viewIndex, 0)
            compare(T.find(page, "enable2faButton").visible, true)
        }

        function test_secretWithoutPinAsksToSetOne() {
            openPage(0)
            T.tap(idCase, T.find(page, "levelSecret"))
            var dialog = T.find(page, "noPinDialog")
            tryCompare(dialog, "opened", true)
            compare(dialog.msg, "启用此功能需要设置PIN码，现在设置?")
            T.tap(idCase, T.findText(dialog, "取消"))
            tryCompare(dialog, "visible", false)
            compare(T.find(page, "levelNormal").checked, true)
            compare(page.confidential, false)
        }

        function test_secretWithVerifiedKeySavesEncrypted() {
            T.setPin()
            DB.pinCode = T.pinKey()
            openPage(0)
            T.tap(idCase, T.find(page, "levelSecret"))
            compare(T.find(page, "noPinDialog").visible, false)
            compare(T.find(page, "checkPinCodePage").visible, false)
            compare(page.confidential, true)
            typeInto("labelEdit", "Bank")
            typeInto("accountEdit", "acc")
            typeInto("noteEdit", "note")
            acceptDialog(typeSecret("JBSWY3DPEHPK3PXP"))
            save()
            tryCompare(page, "visible", false)

            var item = DB.root.data.pwdItemList[0]
            compare(item.securityLevel, 1)
            compare(item.label, "Bank")
            compare(item.account, "acc")
            compare(item.password, Encryptor.aesEncrypt(T.pinKey(), "JBSWY3DPEHPK3PXP"))
            compare(item.note, Encryptor.aesEncrypt(T.pinKey(), "note"))
            compare(Encryptor.aesDecrypt(T.pinKey(), item.otpUrl),
                    "otpauth://totp/acc?secret=JBSWY3DPEHPK3PXP")
            verify(item.otpUrl.indexOf("otpauth") < 0)

            // back to normal: stored in plain text, fields shown decrypted
            openPage(item.id)
            compare(page.passwordText, "JBSWY3DPEHPK3PXP")
            compare(page.noteText, "note")
            compare(page.confidential, true)
            compare(page.viewIndex, 1)
            T.tap(idCase, T.find(page, "levelNormal"))
            save()
            tryCompare(page, "visible", false)
            item = DB.getPwdItem(item.id)
            compare(item.securityLevel, 0)
            compare(item.password, "JBSWY3DPEHPK3PXP")
            compare(item.note, "note")
            compare(item.otpUrl, "otpauth://totp/acc?secret=JBSWY3DPEHPK3PXP")
        }

        function test_emptyFieldsStayEmptyWhenConfidential() {
            T.setPin()
            DB.pinCode = T.pinKey()
            openPage(0)
            T.tap(idCase, T.find(page, "levelSecret"))
            typeInto("accountEdit", "acc")
            typeInto("passwordEdit", "pw")
            save()
            tryCompare(page, "visible", false)
            var item = DB.root.data.pwdItemList[0]
            compare(item.note, "")
            compare(item.otpUrl, "")
            compare(Encryptor.aesDecrypt(T.pinKey(), item.password), "pw")
        }

        // "完成" never encrypts under an absent or unverified PIN key.
        function test_saveAsksPinWhenKeyNotVerified_data() {
            return [
                { tag: "key forgotten", key: "" },
                { tag: "key not verified", key: Qt.md5("000000") }
            ]
        }

        function test_saveAsksPinWhenKeyNotVerified(data) {
            T.setPin()
            DB.pinCode = T.pinKey()
            openPage(0)
            T.tap(idCase, T.find(page, "levelSecret"))
            typeInto("accountEdit", "acc")
            typeInto("passwordEdit", "pw")
            DB.pinCode = data.key
            save()
            var check = T.find(page, "checkPinCodePage")
            tryCompare(check, "opened", true)
            compare(DB.root.data.pwdItemList.length, 0)
            T.answerPinCheck(idCase, page, false)
            compare(DB.root.data.pwdItemList.length, 0)
            verify(page.opened)
            compare(page.confidential, false)

            T.tap(idCase, T.find(page, "levelSecret"))
            T.answerPinCheck(idCase, page, true)
            compare(page.confidential, true)
            compare(DB.pinCode, T.pinKey())
            save()
            tryCompare(page, "visible", false)
            var item = DB.root.data.pwdItemList[0]
            compare(item.securityLevel, 1)
            compare(Encryptor.aesDecrypt(T.pinKey(), item.password), "pw")
        }

        function test_editKeepsPlaceAndDate() {
            var older = T.addEntry({ label: "old", account: "a1", password: "p1" }, Encryptor)
            var newer = T.addEntry({ label: "new", account: "a2", password: "p2" }, Encryptor)
            var date = older.date
            compare(DB.root.data.pwdItemList[1].id, older.id)

            openPage(older.id)
            compare(page.labelText, "old")
            compare(page.accountText, "a1")
            compare(page.passwordText, "p1")
            typeInto("labelEdit", "X")
            save()
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdItemList.length, 2)
            compare(DB.root.data.pwdItemList[1].id, older.id)
            compare(DB.root.data.pwdItemList[1].label, "oldX")
            compare(DB.root.data.pwdItemList[1].date, date)

            openPage(0, 0)
            typeInto("accountEdit", "a3")
            typeInto("passwordEdit", "p3")
            save()
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdItemList.length, 3)
            compare(DB.root.data.pwdItemList[0].account, "a3")
            compare(DB.root.data.pwdItemList[1].id, newer.id)
        }

        function test_boxChoice() {
            var box = DB.addPwdBox()
            box.name = "Work"
            DB.save()
            openPage(0, 0)
            compare(T.find(page, "boxText").text, "未分类")
            T.tap(idCase, T.find(page, "chooseBoxButton"))
            var chooser = T.find(page, "boxChoosePage")
            tryCompare(chooser, "opened", true)
            var list = T.find(chooser, "boxChooseList")
            compare(list.count, 2)
            compare(list.currentIndex, 0)
            T.tap(idCase, T.findText(chooser, "Work"))
            T.tap(idCase, T.find(chooser, "chooseDoneButton"))
            tryCompare(chooser, "visible", false)
            compare(page.currentBoxId, box.id)
            compare(T.find(page, "boxText").text, "Work")
            compare(page.interactive, false)
        }
    }
}
