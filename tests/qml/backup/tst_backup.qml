import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/backup"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "../common/pagetest.js" as T
import "../store/StoreFixture.js" as Fx
import "backuptest.js" as B
import "../common"

// The backup page, and what the restore page takes from the clipboard: the
// backup password, the framing, texts that are no backup.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idBackupComp
        BackupPage {}
    }

    Component {
        id: idRestoreComp
        RestorePage {}
    }

    SignalSpy {
        id: idRestored
        signalName: "accepted"
    }

    KeyloftTestCase {
        id: idCase
        name: "Backup"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property var questions: ["宠物的名字?", "Wang Cai", "出生的城市?", "shanghai"]
        property var backupPage: null
        property var restorePage: null

        function init() {
            Fx.LS = LocalStorage
            B.openVault(env, "login-A", questions)
            DB.addPwdItem().label = "in the backup"
            verify(DB.save())
            Util.clipboardText = ""
            backupPage = createTemporaryObject(idBackupComp, idWindow)
            restorePage = createTemporaryObject(idRestoreComp, idWindow)
            idRestored.clear()
            idRestored.target = restorePage
        }

        function cleanup() {
            T.closePopup(idCase, backupPage)
            T.closePopup(idCase, restorePage)
        }

        function makeBackup(typed, extra) {
            T.openPopup(idCase, backupPage)
            B.backupThroughPage(idCase, backupPage, typed, extra)
            T.closePopup(idCase, backupPage)
            return Util.clipboardText
        }

        // Restores with the right answers; the entry added after the backup
        // is gone when the backup's content came back.
        function restoreAndCheck(typed, extra) {
            DB.movePwdItemFront(DB.addPwdItem().id)
            DB.root.data.pwdItemList[0].label = "after the backup"
            verify(DB.save())
            T.openPopup(idCase, restorePage)
            var check = B.restoreToQuestions(idCase, restorePage, typed, extra)
            B.answer(idCase, check, questions[1], questions[3])
            B.accept(idCase, B.confirmation(idCase, restorePage, check))
            tryCompare(idRestored, "count", 1)
            tryCompare(restorePage, "visible", false)
            compare(DB.root.data.pwdItemList.length, 1)
            compare(DB.root.data.pwdItemList[0].label, "in the backup")
        }

        function test_backupGoesFramedToClipboard() {
            var rowBefore = Fx.rows("pwddata")
            var t0 = Date.now()
            T.openPopup(idCase, backupPage)
            var dialog = B.enterPassword(idCase, backupPage, "pageButton", "passwordDialog", "p w1")
            // Blanks cannot be typed.
            compare(dialog.userText, "pw1")
            B.accept(idCase, dialog)
            var done = T.find(backupPage, "backupSuccessDialog")
            tryCompare(done, "opened", true)
            compare(T.find(done, "dialogMsg").text, "备份数据已复制到剪贴板，请及时保存")
            compare(T.find(done, "rejectButton").visible, false)
            compare(T.find(done, "acceptButton").text, "完成")
            B.accept(idCase, done)

            var clip = Util.clipboardText
            compare(clip.indexOf(B.BEGIN), 0)
            compare(clip.lastIndexOf(B.END), clip.length - B.END.length)
            var body = clip.substring(B.BEGIN.length, clip.length - B.END.length)
            verify(/^([A-Za-z0-9+\/=]{64}\n)*[A-Za-z0-9+\/=]{1,64}\n$/.test(body))
            verify(DB.verifyBackupPassword(body, Qt.md5("pw1")) !== false)
            // The backup date is stamped in memory; the page writes nothing.
            verify(DB.root.summary.backupDate >= t0)
            compare(Fx.rows("pwddata"), rowBefore)

            // The next opening starts with an empty field.
            T.tap(idCase, T.find(backupPage, "pageButton"))
            tryCompare(dialog, "opened", true)
            compare(dialog.userText, "")
            verify(!T.find(dialog, "acceptButton").enabled)
            T.tap(idCase, T.find(dialog, "rejectButton"))
            tryCompare(dialog, "visible", false)
            T.tap(idCase, T.findType(backupPage, "ReturnButton"))
            tryCompare(backupPage, "visible", false)
        }

        // The password is trimmed before its key is taken, on both sides.
        function test_passwordTrimmedBothWays_data() {
            return [
                { tag: "blanks at the backup", made: ["pw1", "  pw1 "], given: ["pw1"] },
                { tag: "blanks at the restore", made: ["pw1"], given: ["pw1", "\tpw1  "] }
            ]
        }
        function test_passwordTrimmedBothWays(data) {
            makeBackup(data.made[0], data.made[1])
            restoreAndCheck(data.given[0], data.given[1])
        }

        function test_backupFoundInsideText() {
            var framed = makeBackup("pw1")
            Util.clipboardText = "Hello,\r\nhere is my vault:\n\n" + framed + "\n\n-- \nregards\n"
            restoreAndCheck("pw1")
        }

        // A backup whose lines came back ending in "\r\n" from a Windows
        // editor or mail program restores.
        function test_crlfBackupRestores() {
            var framed = makeBackup("pw1")
            Util.clipboardText = framed.replace(/\n/g, "\r\n")
            restoreAndCheck("pw1")
        }

        function test_backupNeedsSecurityQuestions() {
            B.openVault(env, "login-A", null)
            Util.clipboardText = "kept"
            T.openPopup(idCase, backupPage)
            B.accept(idCase, B.enterPassword(idCase, backupPage, "pageButton",
                                             "passwordDialog", "pw1"))
            B.expectToast(idCase, backupPage, "pageMsg", "生成备份数据失败", true)
            verify(!T.find(backupPage, "backupSuccessDialog").visible)
            compare(Util.clipboardText, "kept")
            compare(DB.root.summary.backupDate, 0)
        }

        function test_clipboardWithoutBackup_data() {
            return [
                { tag: "empty", clip: "", msg: "请复制备份数据到剪贴板中" },
                { tag: "plain text", clip: "no backup here", msg: "剪贴板中无有效的备份数据" },
                { tag: "bottom marker first", swap: true, msg: "剪贴板中无有效的备份数据" },
                { tag: "top marker only", cut: true, msg: "剪贴板中无有效的备份数据" }
            ]
        }
        function test_clipboardWithoutBackup(data) {
            var clip = data.clip
            if (clip === undefined) {
                var framed = B.framedBackup("pw1")
                if (data.swap)
                    clip = B.END + "\n" + framed.substring(0, framed.length - B.END.length)
                else
                    clip = framed.substring(0, framed.length - B.END.length)
            }
            Util.clipboardText = clip
            T.openPopup(idCase, restorePage)
            T.tap(idCase, T.find(restorePage, "pageButton"))
            B.expectToast(idCase, restorePage, "pageMsg", data.msg, false)
            verify(!T.find(restorePage, "passwordDialog").visible)
        }

        function test_wrongPassword() {
            Util.clipboardText = B.framedBackup("pw1")
            var before = JSON.stringify(DB.root)
            T.openPopup(idCase, restorePage)
            B.accept(idCase, B.enterPassword(idCase, restorePage, "pageButton",
                                             "passwordDialog", "pw2"))
            B.expectToast(idCase, restorePage, "pageMsg", "备份密码错误", true)
            verify(!T.find(restorePage, "verifyBackupQuestionPage").visible)
            compare(JSON.stringify(DB.root), before)
            verify(restorePage.opened)
            T.tap(idCase, T.findType(restorePage, "ReturnButton"))
            tryCompare(restorePage, "visible", false)
        }

        // A backup that opens with its password but was changed since (one
        // question): no valid backup, not a wrong password, and nothing
        // restored.
        function test_changedBackup() {
            var framed = B.framedBackup("pw1")
            var key = Qt.md5(Qt.md5("pw1"))
            var plain = Encryptor.aesDecryptLines(key, Pubfun.unwrapLine(framed, "BEGIN BACKUP", "END BACKUP"))
            verify(plain.indexOf(questions[0]) > 0)
            Util.clipboardText = Pubfun.wrapLine(
                        Encryptor.aesEncryptLines(key, plain.replace(questions[0], "宠物的名字!")),
                        "BEGIN BACKUP", "END BACKUP")
            var before = JSON.stringify(DB.root)
            T.openPopup(idCase, restorePage)
            B.accept(idCase, B.enterPassword(idCase, restorePage, "pageButton",
                                             "passwordDialog", "pw1"))
            B.expectToast(idCase, restorePage, "pageMsg", "剪贴板中无有效的备份数据", true)
            verify(!T.find(restorePage, "verifyBackupQuestionPage").visible)
            compare(JSON.stringify(DB.root), before)
        }

        // The password is checked against what the clipboard holds when it
        // is given, not when "恢复备份" was pressed.
        function test_clipboardReadAgainForPassword() {
            var first = B.framedBackup("pw1")
            var second = B.framedBackup("pw2")
            Util.clipboardText = first
            T.openPopup(idCase, restorePage)
            var dialog = B.enterPassword(idCase, restorePage, "pageButton",
                                         "passwordDialog", "pw1")
            Util.clipboardText = second
            B.accept(idCase, dialog)
            B.expectToast(idCase, restorePage, "pageMsg", "备份密码错误", true)
        }
    }
}
