import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/"
import "qrc:/js/db.js" as DB
import "Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../common"

// The login page: text and keypad passwords, the first run, failures and the lockout.
Item {
    id: idRoot
    width: 400
    height: 650

    Component {
        id: idLoginComp
        LoginPage {
            width: idRoot.width
            height: idRoot.height
            visible: false
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "Login"
        when: windowShown

        property var page: null

        SignalSpy {
            id: idSucceeded
            signalName: "loginSucceeded"
        }

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            idSucceeded.clear()
        }

        function cleanup() {
            verify(testLanguage.setEnglish(false))
            if (page) {
                page.popupMsg.close()
                page.destroy()
                page = null
            }
        }

        function showPage() {
            page = createTemporaryObject(idLoginComp, idRoot)
            idSucceeded.target = page
            page.visible = true
            return page
        }

        function clickOk() {
            T.tap(idCase, page.okButton)
        }

        function test_firstRunOnDesktopUsesTextField() {
            showPage()
            compare(page.promptText.text, "设置新密码")
            compare(page.inputStack.currentIndex, 1)
            verify(page.okButton.visible)
            verify(!page.bottomBar.visible)

            clickOk()
            T.expectToast(idCase, page.popupMsg, "请输入密码")

            T.typeInto(idCase, page.lineEdit, "abc1")
            clickOk()
            compare(page.promptText.text, "验证新密码")
            compare(page.lineEdit.text, "")
            T.typeText(idCase, "abc2")
            clickOk()
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "密码不匹配，请重新输入")
            compare(page.promptText.text, "设置新密码")
            T.closePopup(idCase, page.popupMsg)
            verify(DB.isEmptyPassword())

            T.typeInto(idCase, page.lineEdit, "abc1")
            clickOk()
            T.typeText(idCase, "abc1")
            clickOk()
            compare(idSucceeded.count, 1)
            compare(idSucceeded.signalArguments[0][0], true)
            compare(DB.loginPassword, Qt.md5("abc1"))
            verify(!DB.isEmptyPassword())

            // What reached the row: input type 1, and the password opens it.
            DB.loginPassword = ""
            DB.load()
            compare(DB.root.app.login.typeIndex, 1)
            verify(DB.tryLogin(Qt.md5("abc1")))
        }

        // Return and the keypad's Enter in the field confirm a new password
        // as "确定" does, in either language.
        function test_enterConfirmsNewPassword_data() {
            return [
                { tag: "Chinese", english: false, empty: "请输入密码", confirm: "验证新密码" },
                { tag: "English", english: true, empty: "Please enter a password",
                  confirm: "Confirm the new password" }
            ]
        }
        function test_enterConfirmsNewPassword(data) {
            verify(testLanguage.setEnglish(data.english))
            showPage()
            tryCompare(page.lineEdit.input, "activeFocus", true)
            T.waitReturnSettled(idCase)
            keyClick(Qt.Key_Return)
            T.expectToast(idCase, page.popupMsg, data.empty)
            T.typeInto(idCase, page.lineEdit, "abc1")
            keyClick(Qt.Key_Return)
            compare(page.promptText.text, data.confirm)
            compare(page.lineEdit.text, "")
            T.typeText(idCase, "abc1")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(idSucceeded.count, 1)
            compare(idSucceeded.signalArguments[0][0], true)
            compare(DB.loginPassword, Qt.md5("abc1"))
            verify(!page.okButton.visible)
        }

        // A first password set while the security answer is held is wrapped
        // under it on either input, so that the forgotten-password check
        // unwraps the password in force.
        function test_newPasswordRewrappedOnBothInputs_data() {
            return [
                { tag: "keypad", input: 0, pwd: "246810" },
                { tag: "text", input: 1, pwd: "abc1" }
            ]
        }
        function test_newPasswordRewrappedOnBothInputs(data) {
            DB.securityAnswer = Qt.md5("ab")
            showPage()
            page.inputStack.currentIndex = data.input
            for (var i = 0; i < 2; ++i) {
                if (data.input === 0) {
                    T.waitPadEmpty(idCase, page.pwdInput)
                    T.clickDigits(idCase, page.pwdInput, data.pwd)
                } else {
                    T.typeInto(idCase, page.lineEdit, data.pwd)
                    clickOk()
                }
            }
            tryCompare(idSucceeded, "count", 1)
            compare(DB.loginPassword, Qt.md5(data.pwd))
            compare(Encryptor.aesDecrypt(Qt.md5("ab"), DB.root.security.encryptedLoginPassword),
                    Qt.md5(data.pwd))
        }

        function test_textPasswordNeverFacesKeypad_data() {
            return [
                { tag: "with security questions", answers: ["a", "b"], bar: true },
                { tag: "without security questions", answers: null, bar: false }
            ]
        }
        function test_textPasswordNeverFacesKeypad(data) {
            Fixture.makeVault(Encryptor, "secret", 1, data.answers, 0)
            showPage()
            compare(page.inputStack.currentIndex, 1)
            compare(page.bottomBar.visible, data.bar)
            compare(page.promptText.text, "输入密码")
            verify(!page.okButton.visible)
        }

        function test_twentiethChangeCountsOneFailure() {
            Fixture.makeVault(Encryptor, "secret", 1, ["a", "b"], 0)
            showPage()
            T.typeInto(idCase, page.lineEdit, "xxxxxxxxxxxxxxxxxxx")
            compare(page.lineEdit.text.length, 19)
            compare(DB.root.app.login.pwdTry, 0)
            keyClick(Qt.Key_Backspace)
            compare(DB.root.app.login.pwdTry, 1)
            // The count reached the row.
            DB.load()
            compare(DB.root.app.login.pwdTry, 1)
        }

        function test_textLoginOpensWithoutConfirmingKey() {
            Fixture.makeVault(Encryptor, "secret", 1, null, 2)
            showPage()
            T.typeInto(idCase, page.lineEdit, "secret")
            tryCompare(idSucceeded, "count", 1)
            compare(idSucceeded.signalArguments[0][0], false)
            compare(DB.loginPassword, Qt.md5("secret"))
            compare(DB.root.app.login.pwdTry, 0)
            compare(page.lineEdit.text, "")
        }

        function test_lockoutOnlyWithSecurityQuestions() {
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 5)
            showPage()
            verify(page.bottomBar.visible)
            compare(page.inputStack.currentIndex, 0)
            T.clickDigits(idCase, page.pwdInput, "123456")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "密码被锁定，请点击\"忘记密码\"进行重置")
            compare(page.popupMsg.autoClose, false)
            compare(DB.loginPassword, "")
            compare(DB.root.app.login.pwdTry, 5)
            compare(idSucceeded.count, 0)
            T.closePopup(idCase, page.popupMsg)

            // Without questions: no link, failures counted, no lockout.
            cleanup()
            Fixture.reset(LocalStorage, Encryptor, Util)
            Fixture.makeVault(Encryptor, "123456", 0, null, 5)
            showPage()
            verify(!page.bottomBar.visible)
            T.clickDigits(idCase, page.pwdInput, "654321")
            compare(DB.root.app.login.pwdTry, 6)
            T.waitPadEmpty(idCase, page.pwdInput)
            T.clickDigits(idCase, page.pwdInput, "123456")
            tryCompare(idSucceeded, "count", 1)
            compare(DB.root.app.login.pwdTry, 0)
        }

        // The fifth counted failure is refused as any other; the attempt
        // after it meets the lock.
        function test_fifthFailureLocksTheNextAttempt() {
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 4)
            showPage()
            T.clickDigits(idCase, page.pwdInput, "654321")
            T.waitPadEmpty(idCase, page.pwdInput)
            compare(DB.root.app.login.pwdTry, 5)
            verify(!page.popupMsg.opened)
            T.clickDigits(idCase, page.pwdInput, "123456")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "密码被锁定，请点击\"忘记密码\"进行重置")
            compare(DB.root.app.login.pwdTry, 5)
            compare(DB.loginPassword, "")
        }

        function test_textLockout() {
            Fixture.makeVault(Encryptor, "secret", 1, ["a", "b"], 5)
            showPage()
            T.typeInto(idCase, page.lineEdit, "s")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "密码被锁定，请点击\"忘记密码\"进行重置")
            compare(page.lineEdit.text, "")
            compare(DB.root.app.login.pwdTry, 5)
        }

        function test_lockScreenInstanceNeverCountsNorOffersReset() {
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 5)
            verify(DB.login(Qt.md5("123456")))
            DB.root.app.login.pwdTry = 5   // lockout would apply if it counted
            showPage()
            verify(!page.bottomBar.visible)
            verify(!page.forgetButton.visible)
            T.clickDigits(idCase, page.pwdInput, "111111")
            T.waitPadEmpty(idCase, page.pwdInput)
            compare(DB.root.app.login.pwdTry, 5)
            verify(!page.popupMsg.opened)
            T.clickDigits(idCase, page.pwdInput, "123456")
            tryCompare(idSucceeded, "count", 1)
            compare(idSucceeded.signalArguments[0][0], false)
        }

        function test_forgottenPasswordTextRoadRewraps() {
            Fixture.makeVault(Encryptor, "oldpass", 1, ["ans1", "ans2"], 5)
            showPage()
            verify(page.bottomBar.visible)
            T.tap(idCase, page.forgetButton)
            var check = page.checkSecQuestionPage
            tryCompare(check, "opened", true)
            compare(check.question1.text, "q1")
            T.answerQuestions(idCase, check, " ans1 ", "ans2")
            tryCompare(check, "visible", false)
            compare(DB.loginPassword, Qt.md5("oldpass"))
            compare(DB.root.app.login.pwdTry, 0)
            verify(page.okButton.visible)
            compare(page.promptText.text, "设置新密码")
            compare(idSucceeded.count, 0)

            T.typeInto(idCase, page.lineEdit, "newpass")
            clickOk()
            T.typeText(idCase, "newpass")
            clickOk()
            compare(idSucceeded.count, 1)
            compare(idSucceeded.signalArguments[0][0], true)
            compare(DB.loginPassword, Qt.md5("newpass"))
            // The next forgotten-password check recovers the new password.
            DB.loginPassword = ""
            DB.load()
            compare(Encryptor.aesDecrypt(Qt.md5("ans1ans2"), DB.root.security.encryptedLoginPassword),
                    Qt.md5("newpass"))
            verify(DB.tryLogin(Qt.md5("newpass")))
        }

        function test_forgottenPasswordKeypadRoadOpensChangePage() {
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 0)
            showPage()
            T.tap(idCase, page.forgetButton)
            var check = page.checkSecQuestionPage
            tryCompare(check, "opened", true)
            T.answerQuestions(idCase, check, "a", "x")
            T.expectToast(idCase, check.popupMsg, "密保答案不正确")
            check.answer2.text = ""
            T.typeInto(idCase, check.answer2.edit, "b")
            T.tap(idCase, check.checkButton)
            var change = page.changeLoginPwdPage
            tryCompare(change, "opened", true)
            T.clickDigits(idCase, change.pwdInput, "222222")
            compare(change.promptText.text, "验证新密码")
            T.waitPadEmpty(idCase, change.pwdInput)
            T.clickDigits(idCase, change.pwdInput, "222222")
            tryCompare(idSucceeded, "count", 1)
            compare(idSucceeded.signalArguments[0][0], true)
            compare(Encryptor.aesDecrypt(Qt.md5("ab"), DB.root.security.encryptedLoginPassword),
                    Qt.md5("222222"))
        }
    }
}
