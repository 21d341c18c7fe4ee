import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/setting"
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "../common/pagetest.js" as T
import "../frame/Fixture.js" as Fixture
import "../backup/backuptest.js" as B
import "../common"

// The settings tab with its rows, driven by taps on the rows as a user
// would, over a vault opened in this run.
Item {
    id: idRoot
    width: 400
    height: 650

    property int exits: 0

    SettingPage {
        id: idPage
        anchors.fill: parent
        exitApp: function () { idRoot.exits++ }
    }

    // An encryptor whose encryption fails: every write is refused.
    QtObject {
        id: idBrokenEncryptor
        function aesEncrypt(key, text) { return "" }
        function aesDecrypt(key, text) { return Encryptor.aesDecrypt(key, text) }
    }

    // A storage whose every statement fails: the vault table cannot be dropped.
    QtObject {
        id: idBrokenStorage
        function openDatabaseSync() {
            return {
                transaction: function (fn) {
                    fn({ executeSql: function () { throw new Error("disk I/O error") } })
                }
            }
        }
    }

    // A clock for "a check's success would have shown by now": the tick
    // of the text check, longer than the keypad's pause.
    SuccessfulAnimation {
        id: idReferenceTick
    }

    SignalSpy {
        id: idReferenceSpy
        target: idReferenceTick
        signalName: "stopped"
    }

    KeyloftTestCase {
        id: idCase
        name: "Settings"
        when: windowShown

        readonly property var answers: ["a1", "a2"]

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            idRoot.exits = 0
            Theme.enableDarkMode(false)
        }

        function cleanup() {
            DB.localStorage = LocalStorage
            DB.libEncryptor = Encryptor
            var names = ["checkLoginPwdPage", "checkSecQuestionPage", "changeLoginPwdPage",
                         "changeSecQuestionPage", "checkPinCodePage", "changePinCodePage",
                         "backupPage", "restorePage", "setQuestionsDialog", "clearDialog",
                         "settingMsg"]
            for (var i = 0; i < names.length; ++i)
                T.find(idPage, names[i]).close()
            tryVerify(function () {
                for (var k = 0; k < names.length; ++k)
                    if (T.find(idPage, names[k]).visible)
                        return false
                return true
            })
            Theme.enableDarkMode(false)
        }

        // A vault opened in this run with the login password `pwd`, typed
        // through input `typeIndex`, with or without security questions.
        function openVault(pwd, typeIndex, questions) {
            Fixture.makeVault(Encryptor, pwd, typeIndex, questions ? answers : null, 0)
            verify(DB.login(Qt.md5(pwd)))
            idPage.updateForwardText()
        }

        function row(panel, idx) {
            return T.find(panel, "row" + idx)
        }

        function tapRow(panel, idx) {
            mouseClick(row(panel, idx))
        }

        function page(name) {
            return T.find(idPage, name)
        }

        function opened(name) {
            var p = page(name)
            tryCompare(p, "opened", true)
            return p
        }

        function passQuestions() {
            var check = opened("checkSecQuestionPage")
            T.answerQuestions(idCase, check, answers[0], answers[1])
            tryCompare(check, "visible", false)
        }

        function forwardText(panel, idx) {
            return T.find(row(panel, idx), "forwardText").text
        }

        function test_forwardTexts_data() {
            return [
                { tag: "nothing set", questions: false, pin: false, texts: ["已设置", "未设置", "未设置"] },
                { tag: "questions", questions: true, pin: false, texts: ["已设置", "已设置", "未设置"] },
                { tag: "questions and PIN", questions: true, pin: true, texts: ["已设置", "已设置", "已设置"] }
            ]
        }
        function test_forwardTexts(data) {
            openVault("123456", 0, data.questions)
            if (data.pin)
                T.setPin()
            // Refreshed whenever the tab is shown again.
            idPage.visible = false
            idPage.visible = true
            for (var i = 0; i < 3; ++i)
                compare(forwardText(idPage.securityPanel, i), data.texts[i], "row " + i)
            compare(T.find(row(idPage.securityPanel, 0), "label").text, "登录密码")
            compare(T.find(row(idPage.dataPanel, 0), "label").text, "清除应用数据")
            compare(idPage.backupPanel.panelModel.map(function (e) { return e.text }),
                    ["数据备份", "恢复备份", "云备份"])
        }

        // With questions the answers are asked, without them the old
        // password in the input type it was set with; then the new one.
        function test_loginPassword_data() {
            return [
                { tag: "questions", questions: true, typeIndex: 0, check: "checkSecQuestionPage" },
                { tag: "keypad password", questions: false, typeIndex: 0, check: "checkLoginPwdPage" },
                { tag: "text password", questions: false, typeIndex: 1, check: "checkLoginPwdPage" }
            ]
        }
        function test_loginPassword(data) {
            var pwd = data.typeIndex === 0 ? "123456" : "old-text"
            openVault(pwd, data.typeIndex, data.questions)
            tapRow(idPage.securityPanel, 0)
            var check = opened(data.check)
            verify(!page(data.questions ? "checkLoginPwdPage" : "checkSecQuestionPage").visible)
            if (data.questions) {
                passQuestions()
            } else {
                compare(check.inputStack.currentIndex, data.typeIndex)
                if (data.typeIndex === 0)
                    T.clickDigits(idCase, check.pwdInput, pwd)
                else
                    T.typeText(idCase, pwd)
            }
            var change = opened("changeLoginPwdPage")
            change.switchButton.visible = false
            if (change.inputStack.currentIndex === 0) {
                T.clickDigits(idCase, change.pwdInput, "222222")
                T.waitPadEmpty(idCase, change.pwdInput)
                T.clickDigits(idCase, change.pwdInput, "222222")
            } else {
                T.typeInto(idCase, change.lineEdit, "new-text")
                mouseClick(change.okButton)
                T.typeInto(idCase, change.lineEdit, "new-text")
                mouseClick(change.okButton)
            }
            T.expectToast(idCase, idPage.popupMsg, "登录密码已修改")
            compare(DB.loginPassword, Qt.md5(change.inputStack.currentIndex === 0 ? "222222" : "new-text"))
        }

        // The right password, then the check page closed while it shows its
        // success (the keypad's pause, the text's green tick): neither the
        // change page nor the clear question comes, then or later; and a
        // page opened again at once asks afresh.
        function test_checkClosedDuringItsSuccess_data() {
            return [
                { tag: "keypad, before the change", typeIndex: 0, clear: false },
                { tag: "text, before the change", typeIndex: 1, clear: false },
                { tag: "keypad, before clearing", typeIndex: 0, clear: true },
                { tag: "text, before clearing", typeIndex: 1, clear: true }
            ]
        }
        function test_checkClosedDuringItsSuccess(data) {
            var pwd = data.typeIndex === 0 ? "123456" : "old-text"
            var next = data.clear ? "clearDialog" : "changeLoginPwdPage"
            var panel = data.clear ? idPage.dataPanel : idPage.securityPanel
            openVault(pwd, data.typeIndex, false)
            for (var reopen = 0; reopen < 2; ++reopen) {
                T.tap(idCase, row(panel, 0))
                var check = opened("checkLoginPwdPage")
                if (data.typeIndex === 0)
                    T.clickDigits(idCase, check.pwdInput, pwd)
                else
                    T.typeText(idCase, pwd)
                idReferenceSpy.clear()
                idReferenceTick.start()
                mouseClick(check.closeButton)
                tryCompare(check, "visible", false)
                if (reopen) {
                    T.tap(idCase, row(panel, 0))
                    tryCompare(check, "opened", true)
                }
                tryCompare(idReferenceSpy, "count", 1)
                compare(check.opened, reopen === 1)
                verify(!page(next).visible)
                compare(check.lineEdit.text, "")
                compare(T.find(check.pwdInput, "echo").pwdStr, "")
                compare(DB.loginPassword, Qt.md5(pwd))
                compare(idRoot.exits, 0)
            }
        }

        function test_securityQuestions_data() {
            return [
                { tag: "not set: straight to the change", questions: false },
                { tag: "set: answers first", questions: true }
            ]
        }
        function test_securityQuestions(data) {
            openVault("123456", 0, data.questions)
            tapRow(idPage.securityPanel, 1)
            if (data.questions)
                passQuestions()
            else
                verify(!page("checkSecQuestionPage").visible)
            var change = opened("changeSecQuestionPage")
            var fields = [change.question1, change.answer1, change.question2, change.answer2]
            var texts = ["q-1", "x", "q-2", "y"]
            for (var pass = 0; pass < 2; ++pass) {
                for (var i = 0; i < 4; ++i)
                    if (pass === 0 || i % 2 === 1)
                        T.typeInto(idCase, fields[i].edit, texts[i])
                mouseClick(change.nextButton)
            }
            T.expectToast(idCase, idPage.popupMsg, "密保问题已修改")
            compare(forwardText(idPage.securityPanel, 1), "已设置")
            compare(DB.root.security.securityQuestion2, "q-2")
        }

        function test_pin_data() {
            return [
                { tag: "not set: straight to the change", pin: false },
                { tag: "set: checked first", pin: true }
            ]
        }
        function test_pin(data) {
            openVault("123456", 0, false)
            if (data.pin)
                T.setPin()
            tapRow(idPage.securityPanel, 2)
            if (data.pin) {
                var check = opened("checkPinCodePage")
                T.clickDigits(idCase, check.pinInput, T.PIN)
                tryCompare(check, "visible", false)
            } else {
                verify(!page("checkPinCodePage").visible)
            }
            var change = opened("changePinCodePage")
            T.clickDigits(idCase, change.pinInput, "246810")
            T.waitPadEmpty(idCase, change.pinInput)
            T.clickDigits(idCase, change.pinInput, "246810")
            T.expectToast(idCase, idPage.popupMsg, "PIN码已修改")
            compare(forwardText(idPage.securityPanel, 2), "已设置")
            compare(DB.root.security.verifiedPinCode, Qt.md5(Qt.md5("246810")))
        }

        SignalSpy { id: idBackupShown; signalName: "aboutToShow" }

        function test_backupWithoutQuestionsOffersThem() {
            openVault("123456", 0, false)
            idBackupShown.target = page("backupPage")
            idBackupShown.clear()
            var dialog = page("setQuestionsDialog")
            tapRow(idPage.backupPanel, 0)
            tryCompare(dialog, "opened", true)
            compare(T.find(dialog, "dialogMsg").text, "备份数据需要设置密保问题，现在设置？")
            compare(T.find(dialog, "acceptButton").text, "是")
            mouseClick(T.find(dialog, "rejectButton"))
            tryCompare(dialog, "visible", false)
            verify(!page("changeSecQuestionPage").visible)

            tapRow(idPage.backupPanel, 0)
            tryCompare(dialog, "opened", true)
            mouseClick(T.find(dialog, "acceptButton"))
            opened("changeSecQuestionPage")
            compare(idBackupShown.count, 0)
        }

        // A backup made from "数据备份" comes back through "恢复备份".
        function test_backupRestoresThroughRows() {
            openVault("123456", 0, true)
            var entry = DB.addPwdItem()
            entry.label = "kept"
            verify(DB.save())
            tapRow(idPage.backupPanel, 0)
            var backup = opened("backupPage")
            B.backupThroughPage(idCase, backup, "bpw")
            T.closePopup(idCase, backup)

            DB.removePwdItem(entry.id)
            verify(DB.save())
            compare(DB.getPwdItemList(DB.constBoxIdAll).length, 0)

            tapRow(idPage.backupPanel, 1)
            var restore = opened("restorePage")
            B.restoreThroughPage(idCase, restore, "bpw", answers[0], answers[1])
            tryCompare(restore, "visible", false)
            T.expectToast(idCase, idPage.popupMsg, "成功导入备份数据")
            compare(DB.getPwdItemList(DB.constBoxIdAll)[0].label, "kept")
        }

        function darkSwitch() {
            return T.find(row(idPage.displayPanel, 0), "switch")
        }

        // The switch is bookkeeping: written without a new modification
        // date, and in force at the next start.
        function test_darkModeWrittenAndKept() {
            openVault("123456", 0, false)
            var modified = DB.root.summary.modifiedDate
            mouseClick(darkSwitch())
            verify(Theme.darkMode)
            compare(DB.root.local.ui.darkMode, true)
            compare(DB.root.summary.modifiedDate, modified)
            mouseClick(darkSwitch())
            verify(!Theme.darkMode)
            compare(DB.root.local.ui.darkMode, false)
            mouseClick(darkSwitch())
            verify(Theme.darkMode)

            T.reload()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.local.ui.darkMode, true)
            compare(DB.root.summary.modifiedDate, modified)
            Theme.enableDarkMode(false)
            var win = createTemporaryObject(Qt.createComponent("qrc:/main.qml"), null)
            verify(win)
            verify(Theme.darkMode, "dark at the next start")
            win.close()
        }

        function test_darkModeRefusedWrite() {
            openVault("123456", 0, false)
            DB.libEncryptor = idBrokenEncryptor
            mouseClick(darkSwitch())
            B.expectToast(idCase, idPage, "settingMsg", "保存数据失败", true)
            verify(!Theme.darkMode)
            compare(darkSwitch().checked, false)
            verify(!DB.root.local.ui.hasOwnProperty("darkMode"))
        }

        function test_clearData_data() {
            return [
                { tag: "questions, done", questions: true, close: "done" },
                { tag: "password, done", questions: false, close: "done" },
                { tag: "closed otherwise", questions: false, close: "other" }
            ]
        }
        function test_clearData(data) {
            openVault("123456", 0, data.questions)
            tapRow(idPage.dataPanel, 0)
            if (data.questions) {
                passQuestions()
            } else {
                var check = opened("checkLoginPwdPage")
                T.clickDigits(idCase, check.pwdInput, "123456")
            }
            var ask = opened("clearDialog")
            compare(T.find(ask, "dialogTitle").text, "清除应用数据")
            compare(T.find(ask, "dialogMsg").text, "数据清除后，不可恢复，是否继续？")
            mouseClick(T.find(ask, "acceptButton"))
            var done = opened("clearedDialog")
            compare(T.find(done, "dialogMsg").text, "数据已清除，点击“完成”后退出应用")
            verify(!T.find(done, "rejectButton").visible)
            compare(idRoot.exits, 0)
            if (data.close === "done")
                mouseClick(T.find(done, "acceptButton"))
            else
                done.close()
            tryCompare(idRoot, "exits", 1)
            // Nothing of the old vault can be written any more.
            compare(DB.loginPassword, "")
            verify(!DB.saveOnly())
            compare(DBCloud.root.summary.deviceRegistered, false)

            // The next start finds no vault and shows the welcome page.
            T.reload()
            verify(DB.isEmptyPassword())
            var win = createTemporaryObject(Qt.createComponent("qrc:/main.qml"), null)
            verify(win)
            compare(win.loginStack.currentIndex, 0)
            verify(win.welcomePage.startButton.visible)
            win.close()
        }

        function test_clearDataRefused() {
            openVault("123456", 0, false)
            tapRow(idPage.dataPanel, 0)
            T.clickDigits(idCase, opened("checkLoginPwdPage").pwdInput, "123456")
            var ask = opened("clearDialog")
            DB.localStorage = idBrokenStorage
            mouseClick(T.find(ask, "acceptButton"))
            B.expectToast(idCase, idPage, "settingMsg", "清除数据失败", true)
            verify(!page("clearedDialog").visible)
            compare(idRoot.exits, 0)
        }
    
        // The cloud row says whether this computer is signed in to a cloud
        // account, opens the cloud page (at the phone page without an
        // account: nothing is sent), and reads the state again when the page
        // closes; the page's request for security questions opens their page.
        function test_cloudBackupRow() {
            openVault("123456", 0, true)
            DBCloud.localStorage = LocalStorage
            DBCloud.libEncryptor = Encryptor
            DBCloud.clear()
            DBCloud.load()
            idPage.updateForwardText()
            var backup = idPage.backupPanel
            compare(T.find(row(backup, 2), "label").text, "云备份")
            compare(forwardText(backup, 2), "未开启")
            tapRow(backup, 2)
            var cloud = idPage.cloudBackupPage
            tryCompare(cloud, "opened", true)
            tryCompare(cloud.stack, "currentIndex", 1)
            compare(cloud.rechargePageStack.stack.currentIndex, 0)
            DBCloud.root.summary.deviceRegistered = true
            T.closePopup(idCase, cloud)
            compare(forwardText(backup, 2), "已开启")
            // The same page at the next tap.
            tapRow(backup, 2)
            tryCompare(cloud, "opened", true)
            compare(idPage.cloudBackupPage, cloud)
            cloud.needSetSecurityAnswer()
            opened("changeSecQuestionPage")
            T.closePopup(idCase, cloud)
            DBCloud.clear()
            DBCloud.load()
        }
    }
}
