import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../store/StoreFixture.js" as Fx
import "../common"

// The pages that check and change the login password, the security
// questions and the PIN, each opened as its callers open it.
Item {
    id: idRoot
    width: 400
    height: 650

    Component { id: idCheckLoginPwdComp; CheckLoginPwdPage {} }
    Component { id: idChangeLoginPwdComp; ChangeLoginPwdPage {} }
    Component { id: idCheckSecComp; CheckSecQuestionPage {} }
    Component { id: idChangeSecComp; ChangeSecQuestionPage {} }
    Component { id: idCheckPinComp; CheckPinCodePage {} }
    Component { id: idChangePinComp; ChangePinCodePage {} }

    // An encryptor whose encryption fails: every save is refused.
    QtObject {
        id: idBrokenEncryptor
        function aesEncrypt(key, text) { return "" }
        function aesDecrypt(key, text) { return Encryptor.aesDecrypt(key, text) }
    }

    KeyloftTestCase {
        id: idCase
        name: "Security"
        when: windowShown

        SignalSpy {
            id: idAccepted
            signalName: "accepted"
        }

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            idAccepted.clear()
        }

        // A vault opened with the login password `pwd` (input type
        // `typeIndex`), as after a login in this run.
        function openVault(pwd, typeIndex, answers) {
            Fixture.makeVault(Encryptor, pwd, typeIndex, answers, 0)
            verify(DB.login(Qt.md5(pwd)))
        }

        function openPage(comp) {
            var page = createTemporaryObject(comp, idRoot)
            idAccepted.target = page
            T.openPopup(idCase, page)
            return page
        }

        // The stored row, read back as at a new start.
        function reloadWith(pwd) {
            T.reload()
            verify(DB.login(Qt.md5(pwd)), "the vault opens with " + pwd)
        }

        // --- login password -------------------------------------------------

        function test_checkLoginPwd_data() {
            return [
                { tag: "keypad", pwd: "123456", typeIndex: 0, wrong: "654321" },
                { tag: "text", pwd: "secret", typeIndex: 1, wrong: "secreT" }
            ]
        }
        function test_checkLoginPwd(data) {
            openVault(data.pwd, data.typeIndex, null)
            var called = 0
            var page = createTemporaryObject(idCheckLoginPwdComp, idRoot)
            page.callback = function () { called++ }
            idAccepted.target = page
            T.openPopup(idCase, page)
            compare(page.inputStack.currentIndex, data.typeIndex)
            if (data.typeIndex === 0) {
                T.clickDigits(idCase, page.pwdInput, data.wrong)
                T.waitPadEmpty(idCase, page.pwdInput)
                T.clickDigits(idCase, page.pwdInput, data.pwd)
            } else {
                // The field has the focus on opening.
                T.typeText(idCase, data.wrong)
                compare(idAccepted.count, 0)
                page.lineEdit.text = ""
                T.typeText(idCase, data.pwd)
            }
            tryCompare(page, "visible", false)
            compare(idAccepted.count, 1)
            compare(called, 1)
            compare(DB.root.app.login.pwdTry, 0)
            compare(page.lineEdit.text, "")
        }

        function test_changeLoginPwdKeypad() {
            openVault("123456", 0, ["a", "b"])
            DB.securityAnswer = Qt.md5("ab")
            var page = openPage(idChangeLoginPwdComp)
            compare(page.promptText.text, "请输入新密码")
            compare(page.inputStack.currentIndex, 0)
            verify(page.switchButton.visible)
            compare(page.switchButton.text, "键盘输入")

            T.clickDigits(idCase, page.pwdInput, "222222")
            compare(page.promptText.text, "验证新密码")
            // The type cannot change in the middle of an entry.
            verify(!page.switchButton.visible)
            T.waitPadEmpty(idCase, page.pwdInput)
            T.clickDigits(idCase, page.pwdInput, "333333")
            T.expectToast(idCase, page.popupMsg, "密码不匹配，请重新输入")
            compare(page.promptText.text, "请输入新密码")
            T.waitPadEmpty(idCase, page.pwdInput)

            T.clickDigits(idCase, page.pwdInput, "222222")
            T.waitPadEmpty(idCase, page.pwdInput)
            T.clickDigits(idCase, page.pwdInput, "222222")
            tryCompare(page, "visible", false)
            compare(idAccepted.count, 1)
            compare(DB.loginPassword, Qt.md5("222222"))

            reloadWith("222222")
            compare(DB.root.app.login.typeIndex, 0)
            // The security questions unwrap the new password.
            compare(Encryptor.aesDecrypt(Qt.md5("ab"), DB.root.security.encryptedLoginPassword),
                    Qt.md5("222222"))
        }

        function test_changeLoginPwdText() {
            openVault("123456", 0, null)
            var page = openPage(idChangeLoginPwdComp)
            T.tap(idCase, page.switchButton)
            compare(page.inputStack.currentIndex, 1)
            compare(page.switchButton.text, "数字键盘")
            verify(page.okButton.visible)

            T.tap(idCase, page.okButton)
            T.expectToast(idCase, page.popupMsg, "请输入密码")
            verify(!page.switchButton.visible)

            T.typeInto(idCase, page.lineEdit, "new-text")
            T.tap(idCase, page.okButton)
            compare(page.promptText.text, "验证新密码")
            compare(page.lineEdit.text, "")
            T.typeInto(idCase, page.lineEdit, "new-texT")
            T.tap(idCase, page.okButton)
            T.expectToast(idCase, page.popupMsg, "密码不匹配，请重新输入")
            compare(page.promptText.text, "请输入新密码")

            T.typeInto(idCase, page.lineEdit, "new-text")
            T.tap(idCase, page.okButton)
            T.typeInto(idCase, page.lineEdit, "new-text")
            T.tap(idCase, page.okButton)
            tryCompare(page, "visible", false)
            compare(idAccepted.count, 1)

            reloadWith("new-text")
            // The next login uses the type the password was entered with.
            compare(DB.root.app.login.typeIndex, 1)
        }

        // Return and the keypad's Enter confirm each entry as "确定" does;
        // under the keypad (no field, no button) they do nothing.
        function test_changeLoginPwdEnter() {
            openVault("123456", 0, null)
            var page = openPage(idChangeLoginPwdComp)
            keyClick(Qt.Key_Return)
            verify(page.opened)
            verify(!page.popupMsg.opened)
            compare(page.promptText.text, "请输入新密码")

            T.tap(idCase, page.switchButton)
            T.typeText(idCase, "new-text")
            keyClick(Qt.Key_Return)
            compare(page.promptText.text, "验证新密码")
            T.typeText(idCase, "new-text")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            tryCompare(page, "visible", false)
            compare(idAccepted.count, 1)
            reloadWith("new-text")
        }

        function test_changeLoginPwdReopensWithFirstEntry() {
            openVault("secret", 1, null)
            var page = openPage(idChangeLoginPwdComp)
            compare(page.inputStack.currentIndex, 1)
            T.typeInto(idCase, page.lineEdit, "left-behind")
            T.tap(idCase, page.okButton)
            compare(page.promptText.text, "验证新密码")
            T.closePopup(idCase, page)

            T.openPopup(idCase, page)
            compare(page.promptText.text, "请输入新密码")
            verify(page.switchButton.visible)
            T.typeInto(idCase, page.lineEdit, "fresh")
            T.tap(idCase, page.okButton)
            compare(page.promptText.text, "验证新密码")
            T.typeInto(idCase, page.lineEdit, "fresh")
            T.tap(idCase, page.okButton)
            tryCompare(page, "visible", false)
            compare(DB.loginPassword, Qt.md5("fresh"))
        }

        // A new password whose row cannot be written is not taken: the old
        // one stays in force, in memory and on disk.
        function test_changeLoginPwdSaveFails_data() {
            return [
                { tag: "keypad", typeIndex: 0, pwd: "123456", next: "222222" },
                { tag: "text", typeIndex: 1, pwd: "secret", next: "new-text" }
            ]
        }
        function test_changeLoginPwdSaveFails(data) {
            openVault(data.pwd, data.typeIndex, ["a", "b"])
            DB.securityAnswer = Qt.md5("ab")
            var wrapped = DB.root.security.encryptedLoginPassword
            var page = openPage(idChangeLoginPwdComp)
            if (data.typeIndex === 0) {
                T.clickDigits(idCase, page.pwdInput, data.next)
                T.waitPadEmpty(idCase, page.pwdInput)
                DB.libEncryptor = idBrokenEncryptor
                T.clickDigits(idCase, page.pwdInput, data.next)
            } else {
                T.typeInto(idCase, page.lineEdit, data.next)
                T.tap(idCase, page.okButton)
                DB.libEncryptor = idBrokenEncryptor
                T.typeInto(idCase, page.lineEdit, data.next)
                T.tap(idCase, page.okButton)
            }
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "保存数据失败")
            compare(page.popupMsg.autoClose, false)
            DB.libEncryptor = Encryptor
            verify(page.opened)
            compare(idAccepted.count, 0)
            compare(page.promptText.text, "请输入新密码")
            compare(DB.loginPassword, Qt.md5(data.pwd))
            compare(DB.root.security.encryptedLoginPassword, wrapped)
            compare(DB.root.app.login.typeIndex, data.typeIndex)
            T.closePopup(idCase, page.popupMsg)
            T.closePopup(idCase, page)
            reloadWith(data.pwd)
        }

        // --- security questions ---------------------------------------------

        function fillSecQuestions(page, q1, a1, q2, a2) {
            if (q1 !== null)
                T.typeInto(idCase, page.question1.edit, q1)
            T.typeInto(idCase, page.answer1.edit, a1)
            if (q2 !== null)
                T.typeInto(idCase, page.question2.edit, q2)
            T.typeInto(idCase, page.answer2.edit, a2)
            T.tap(idCase, page.nextButton)
        }

        function test_changeSecQuestionIncomplete_data() {
            return [
                { tag: "question one", fields: ["", "a", "q2", "b"] },
                { tag: "answer one blank", fields: ["q1", "   ", "q2", "b"] },
                { tag: "question two blank", fields: ["q1", "a", " ", "b"] },
                { tag: "answer two", fields: ["q1", "a", "q2", ""] }
            ]
        }
        function test_changeSecQuestionIncomplete(data) {
            openVault("123456", 0, null)
            var page = openPage(idChangeSecComp)
            var f = data.fields
            fillSecQuestions(page, f[0], f[1], f[2], f[3])
            T.expectToast(idCase, page.popupMsg, "请输入完整的信息")
            compare(page.nextButton.text, "下一步")
            verify(!page.question1.readOnly)
            compare(DB.root.security.verifiedSecurityAnswer, "")
        }

        function test_changeSecQuestion() {
            openVault("123456", 0, null)
            var page = openPage(idChangeSecComp)
            compare(page.answer1.placeholderText, "必填")
            compare(page.question1.placeholderText, "如：母亲的名字")
            compare(page.question2.placeholderText, "如：儿时最好的玩伴名字")
            verify(page.interactive)

            fillSecQuestions(page, "  Mother ", " Ab ", " Friend", "c ")
            verify(!page.interactive)
            compare(page.question1.text, "Mother")
            verify(page.question1.readOnly && page.question2.readOnly)
            compare(page.answer1.text, "")
            compare(page.answer1.placeholderText, "再次输入")
            compare(page.nextButton.text, "完成")

            // Answers differ in case: refused, still in the second pass.
            fillSecQuestions(page, null, "ab", null, "c")
            T.expectToast(idCase, page.popupMsg, "答案不匹配，请重新输入")
            compare(page.nextButton.text, "完成")
            compare(DB.root.security.verifiedSecurityAnswer, "")

            // Only the joined text counts: "A" + "bc" equals "Ab" + "c".
            page.answer1.text = ""
            page.answer2.text = ""
            fillSecQuestions(page, null, " A", null, "bc ")
            tryCompare(page, "visible", false)
            compare(idAccepted.count, 1)
            verify(page.changeSucc)
            var key = Qt.md5("Abc")
            compare(DB.securityAnswer, key)

            reloadWith("123456")
            var sec = DB.root.security
            compare(sec.securityQuestion1, "Mother")
            compare(sec.securityQuestion2, "Friend")
            compare(sec.verifiedSecurityAnswer, Qt.md5(key))
            // The current login key is wrapped for the forgotten-password road.
            compare(Encryptor.aesDecrypt(key, sec.encryptedLoginPassword), Qt.md5("123456"))
        }

        function test_checkSecQuestion_data() {
            return [
                { tag: "answer one empty", a1: "", a2: "b", msg: "请输入密保答案" },
                { tag: "answer two blank", a1: "a", a2: "  ", msg: "请输入密保答案" },
                { tag: "right, with blanks", a1: " a", a2: "b ", msg: "" }
            ]
        }
        function test_checkSecQuestion(data) {
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 0)
            var page = openPage(idCheckSecComp)
            compare(page.question1.text, "q1")
            verify(page.question1.readOnly)
            T.answerQuestions(idCase, page, data.a1, data.a2)
            if (data.msg !== "") {
                T.expectToast(idCase, page.popupMsg, data.msg)
                verify(!page.checkPassed)
                compare(DB.securityAnswer, "")
                return
            }
            tryCompare(page, "visible", false)
            verify(page.checkPassed)
            compare(idAccepted.count, 1)
            compare(DB.securityAnswer, Qt.md5("ab"))
        }

        // --- PIN --------------------------------------------------------------

        // A confidential entry and a confidential note under the PIN `pin`.
        function addConfidential(pin) {
            var key = Qt.md5(pin)
            DB.root.security.verifiedPinCode = Qt.md5(key)
            var item = DB.addPwdItem()
            item.securityLevel = 1
            item.label = "bank"
            item.password = Encryptor.aesEncrypt(key, "pw-1")
            item.note = Encryptor.aesEncrypt(key, "note-1")
            item.otpUrl = Encryptor.aesEncrypt(key, "otpauth://totp/x?secret=JBSWY3DPEHPK3PXP")
            var plain = DB.addPwdItem()
            plain.password = "open"
            var note = DB.addNoteItem()
            note.securityLevel = 1
            note.note = Encryptor.aesEncrypt(key, "secret note")
            verify(DB.save())
            return { item: item.id, plain: plain.id, note: note.id }
        }

        function checkPin(pin) {
            var page = openPage(idCheckPinComp)
            T.clickDigits(idCase, page.pinInput, pin)
            tryCompare(page, "visible", false)
            verify(page.checkPassed)
        }

        function test_checkPin() {
            openVault("123456", 0, null)
            addConfidential("111111")
            var page = openPage(idCheckPinComp)
            verify(!page.checkPassed)
            T.clickDigits(idCase, page.pinInput, "111112")
            T.waitPadEmpty(idCase, page.pinInput)
            verify(page.opened)
            compare(DB.pinCode, "")
            T.clickDigits(idCase, page.pinInput, "111111")
            tryCompare(page, "visible", false)
            verify(page.checkPassed)
            compare(idAccepted.count, 1)
            compare(DB.pinCode, Qt.md5("111111"))

            // Opened again, the page starts unchecked with an empty keypad,
            // also when it was closed in the middle of an entry.
            T.openPopup(idCase, page)
            verify(!page.checkPassed)
            compare(findChild(page.pinInput, "echo").pwdStr, "")
            T.clickDigits(idCase, page.pinInput, "11")
            compare(findChild(page.pinInput, "echo").pwdStr, "11")
            T.closePopup(idCase, page)
            T.openPopup(idCase, page)
            compare(findChild(page.pinInput, "echo").pwdStr, "")
        }

        function test_changePinKeepsConfidentialReadable() {
            openVault("123456", 0, null)
            var ids = addConfidential("111111")
            checkPin("111111")

            var page = openPage(idChangePinComp)
            compare(page.promptText.text, "请输入新PIN码")
            T.clickDigits(idCase, page.pinInput, "222222")
            compare(page.promptText.text, "验证新PIN码")
            T.waitPadEmpty(idCase, page.pinInput)
            T.clickDigits(idCase, page.pinInput, "222223")
            T.expectToast(idCase, page.popupMsg, "PIN码不匹配，请重新输入")
            compare(page.promptText.text, "请输入新PIN码")
            T.waitPadEmpty(idCase, page.pinInput)

            T.clickDigits(idCase, page.pinInput, "222222")
            T.waitPadEmpty(idCase, page.pinInput)
            T.clickDigits(idCase, page.pinInput, "222222")
            tryCompare(page, "visible", false)
            verify(page.changeSucc)
            compare(DB.pinCode, Qt.md5("222222"))

            reloadWith("123456")
            var key = Qt.md5("222222")
            compare(DB.root.security.verifiedPinCode, Qt.md5(key))
            var item = DB.getPwdItem(ids.item)
            compare(Encryptor.aesDecrypt(key, item.password), "pw-1")
            compare(Encryptor.aesDecrypt(key, item.note), "note-1")
            compare(Encryptor.aesDecrypt(key, item.otpUrl), "otpauth://totp/x?secret=JBSWY3DPEHPK3PXP")
            compare(DB.getPwdItem(ids.plain).password, "open")
            compare(Encryptor.aesDecrypt(key, DB.getNoteItem(ids.note).note), "secret note")

            // Reopened after a completed change: a first entry again.
            T.openPopup(idCase, page)
            verify(!page.changeSucc)
            compare(page.promptText.text, "请输入新PIN码")
            T.clickDigits(idCase, page.pinInput, "333333")
            compare(page.promptText.text, "验证新PIN码")
            compare(DB.root.security.verifiedPinCode, Qt.md5(key))

            // Closed after a first entry and reopened: that entry is
            // forgotten, the next one is a first entry again.
            T.closePopup(idCase, page)
            T.openPopup(idCase, page)
            compare(page.promptText.text, "请输入新PIN码")
            T.clickDigits(idCase, page.pinInput, "444444")
            compare(page.promptText.text, "验证新PIN码")
            verify(!page.popupMsg.opened)
        }

        function test_firstPinWithoutConfidentialData() {
            openVault("123456", 0, null)
            var page = openPage(idChangePinComp)
            T.clickDigits(idCase, page.pinInput, "444444")
            T.waitPadEmpty(idCase, page.pinInput)
            T.clickDigits(idCase, page.pinInput, "444444")
            tryCompare(page, "visible", false)
            reloadWith("123456")
            compare(DB.root.security.verifiedPinCode, Qt.md5(Qt.md5("444444")))
        }

        function test_changePinSaveFails() {
            openVault("123456", 0, null)
            var page = openPage(idChangePinComp)
            T.clickDigits(idCase, page.pinInput, "444444")
            T.waitPadEmpty(idCase, page.pinInput)
            DB.libEncryptor = idBrokenEncryptor
            T.clickDigits(idCase, page.pinInput, "444444")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "保存数据失败")
            compare(page.popupMsg.autoClose, false)
            verify(!page.changeSucc)
            verify(page.opened)
            T.closePopup(idCase, page.popupMsg)
        }

        // The row refuses the write: the old PIN stays in force in memory
        // too, so that no later save can put the unannounced change on disk.
        function test_changePinWriteRefusedKeepsOldPin() {
            openVault("123456", 0, null)
            var ids = addConfidential("111111")
            DB.pinCode = Qt.md5("111111")
            var stored = JSON.stringify(DB.root.data)
            Fx.LS = LocalStorage
            Fx.exec("CREATE TRIGGER refuse BEFORE UPDATE ON pwddata BEGIN SELECT RAISE(IGNORE); END")
            var page = openPage(idChangePinComp)
            T.clickDigits(idCase, page.pinInput, "444444")
            T.waitPadEmpty(idCase, page.pinInput)
            T.clickDigits(idCase, page.pinInput, "444444")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "保存数据失败")
            Fx.exec("DROP TRIGGER refuse")
            verify(!page.changeSucc)
            compare(page.promptText.text, "请输入新PIN码")
            compare(DB.pinCode, Qt.md5("111111"))
            compare(DB.root.security.verifiedPinCode, Qt.md5(Qt.md5("111111")))
            compare(JSON.stringify(DB.root.data), stored)
            T.closePopup(idCase, page.popupMsg)
            T.closePopup(idCase, page)
        }

        // A confidential field the current PIN cannot open: the PIN stays
        // as it is rather than leave that field under a key nobody has.
        function test_changePinRefusedWhenFieldsCannotBeRecoded() {
            openVault("123456", 0, null)
            var ids = addConfidential("111111")
            var broken = DB.getPwdItem(ids.item)
            broken.note = Encryptor.aesEncrypt(Qt.md5("999999"), "other key")
            verify(DB.save())
            checkPin("111111")

            var page = openPage(idChangePinComp)
            T.clickDigits(idCase, page.pinInput, "222222")
            T.waitPadEmpty(idCase, page.pinInput)
            T.clickDigits(idCase, page.pinInput, "222222")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "保存数据失败")
            verify(!page.changeSucc)
            compare(DB.pinCode, Qt.md5("111111"))
            compare(DB.root.security.verifiedPinCode, Qt.md5(Qt.md5("111111")))
            compare(Encryptor.aesDecrypt(Qt.md5("111111"), DB.getPwdItem(ids.item).password), "pw-1")
            T.closePopup(idCase, page.popupMsg)
        }
    }
}
