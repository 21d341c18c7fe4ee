import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/"
import "qrc:/backup"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "../common/pagetest.js" as T
import "../store/StoreFixture.js" as Fx
import "../frame/Fixture.js" as Fixture
import "backuptest.js" as B
import "../common"

// The restore page from the backup's security questions to the restored
// vault: the questions of the backup, the confirmation, what a restore
// keeps, and the failures at confirmation.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idRestoreComp
        RestorePage {}
    }

    Component {
        id: idLoginComp
        LoginPage {
            width: idWindow.width
            height: idWindow.height
            visible: false
        }
    }

    SignalSpy {
        id: idRestored
        signalName: "accepted"
    }

    KeyloftTestCase {
        id: idCase
        name: "Restore"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        // The questions when the backup is made, and after they were changed.
        readonly property var old: ["你的小学?", "Hope School", "最喜欢的书?", "dune"]
        readonly property var changed: ["你的绰号?", "ace", "第一辆车?", "beetle"]
        property var page: null

        function init() {
            Fx.LS = LocalStorage
            B.openVault(env, "login-A", old)
            var entry = DB.addPwdItem()
            entry.label = "mail"
            entry.password = "m41l"
            DB.addNoteItem().note = "from the backup"
            verify(DB.save())
            Util.clipboardText = B.framedBackup("pw1")
            page = createTemporaryObject(idRestoreComp, idWindow)
            idRestored.clear()
            idRestored.target = page
        }

        function cleanup() {
            T.closePopup(idCase, page)
        }

        // Since the backup: other questions, another login password typed in
        // the text field, dark mode on, one more entry.
        function changeVault(login) {
            DB.loginPassword = Qt.md5(login)
            Fixture.setQuestions(Encryptor, changed)
            DB.root.app.login.typeIndex = 1
            DB.root.local.ui.darkMode = true
            DB.addPwdItem().label = "after the backup"
            verify(DB.save())
        }

        function test_asksTheBackupsQuestions() {
            var backupSummary = DB.root.summary
            var modified = Pubfun.millisecToDateTimeStr(backupSummary.modifiedDate)
            var backedUp = Pubfun.millisecToDateTimeStr(backupSummary.backupDate)
            changeVault("login-B")
            var currentKey = DB.securityAnswer
            T.openPopup(idCase, page)
            var check = B.restoreToQuestions(idCase, page, "pw1")
            compare(check.checkPassed, false)
            compare(T.find(check, "question1").text, old[0])
            compare(T.find(check, "question2").text, old[2])
            verify(T.find(check, "question1").readOnly)
            compare(T.find(check, "answer1").placeholderText, "必填")
            compare(T.find(check, "answer2").text, "")

            var cases = [
                { a1: "", a2: "dune", msg: "请输入密保答案" },
                { a1: "Hope School", a2: "   ", msg: "请输入密保答案" },
                { a1: "Hope School", a2: "Dune", msg: "密保答案不正确" },
                { a1: changed[1], a2: changed[3], msg: "密保答案不正确" }
            ]
            for (var i = 0; i < cases.length; ++i) {
                B.answer(idCase, check, cases[i].a1, cases[i].a2)
                B.expectToast(idCase, check, "pageMsg", cases[i].msg, false)
                verify(check.opened)
            }
            // Trimmed and put back; the store's own answer key is untouched.
            B.answer(idCase, check, "  Hope School ", "dune ")
            var dialog = B.confirmation(idCase, page, check)
            compare(T.find(check, "answer1").text, "Hope School")
            compare(T.find(check, "answer2").text, "dune")
            verify(check.checkPassed)
            compare(check.secAnswerMd, Fixture.answerKey(old[1], old[3]))
            compare(DB.securityAnswer, currentKey)

            compare(T.find(dialog, "dialogTitle").text, "是否恢复以下备份数据?")
            compare(T.find(dialog, "restoreModified").text, modified)
            compare(T.find(dialog, "restoreBackupDate").text, backedUp)
            compare(T.find(dialog, "restorePwdCount").text, "1")
            compare(T.find(dialog, "restoreNoteCount").text, "1")
            compare(T.find(dialog, "acceptButton").text, "是")
            compare(T.find(dialog, "rejectButton").text, "否")

            // "否" leaves the vault as it was.
            var before = JSON.stringify(DB.root)
            T.tap(idCase, T.find(dialog, "rejectButton"))
            tryCompare(dialog, "visible", false)
            compare(JSON.stringify(DB.root), before)
            compare(idRestored.count, 0)
        }

        function test_restoreKeepsLoginAndSettings() {
            changeVault("login-B")
            DB.pinCode = Qt.md5("111111")
            T.openPopup(idCase, page)
            B.restoreThroughPage(idCase, page, "pw1", old[1], old[3])
            tryCompare(idRestored, "count", 1)
            tryCompare(page, "visible", false)
            compare(DB.loginPassword, Qt.md5("login-B"))
            compare(DB.pinCode, Qt.md5("111111"))
            compare(DB.root.security.securityQuestion1, old[0])

            // As the next start finds it.
            DB.loginPassword = ""
            DB.load()
            compare(DB.root.local.ui.darkMode, true)
            compare(DB.root.app.login.typeIndex, 1)
            verify(!DB.tryLogin(Qt.md5("login-A")))
            verify(DB.tryLogin(Qt.md5("login-B")))

            // The forgotten-password road takes the backup's answers and
            // unwraps this vault's login password.
            var login = createTemporaryObject(idLoginComp, idWindow)
            login.visible = true
            verify(login.forgetButton.visible)
            T.tap(idCase, login.forgetButton)
            var check = login.checkSecQuestionPage
            tryCompare(check, "opened", true)
            compare(check.question1.text, old[0])
            T.answerQuestions(idCase, check, old[1], old[3])
            tryCompare(check, "visible", false)
            compare(DB.loginPassword, Qt.md5("login-B"))
            verify(login.okButton.visible)
            compare(login.promptText.text, "设置新密码")
            compare(DB.root.data.pwdItemList.length, 1)
            compare(DB.root.data.pwdItemList[0].password, "m41l")
            compare(DB.root.data.noteItemList[0].note, "from the backup")
        }

        // Nothing changes when the restore fails at the confirmation.
        function test_failureAtConfirmation_data() {
            return [
                { tag: "another backup on the clipboard", clip: "other", msg: "恢复备份失败" },
                { tag: "clipboard emptied", clip: "", msg: "恢复备份失败" },
                { tag: "the write fails", write: false, msg: "写入数据库错误" }
            ]
        }
        function test_failureAtConfirmation(data) {
            changeVault("login-B")
            var other = B.framedBackup("pw2")
            T.openPopup(idCase, page)
            var check = B.restoreToQuestions(idCase, page, "pw1")
            B.answer(idCase, check, old[1], old[3])
            var dialog = B.confirmation(idCase, page, check)

            var before = JSON.stringify(DB.root)
            var rowBefore = Fx.rows("pwddata")
            if (data.clip !== undefined)
                Util.clipboardText = data.clip === "other" ? other : data.clip
            if (data.write === false)
                Fx.exec("CREATE TRIGGER refuse BEFORE UPDATE ON pwddata BEGIN SELECT RAISE(IGNORE); END")
            B.accept(idCase, dialog)
            B.expectToast(idCase, page, "pageMsg", data.msg, true)
            compare(idRestored.count, 0)
            verify(page.opened)
            compare(Fx.rows("pwddata"), rowBefore)
            // Memory matches the stored row again: a later save cannot write
            // the restore the user was told had failed.
            compare(JSON.stringify(DB.root), before)
        }
    }
}
