import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "../frame/Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../store/StoreFixture.js" as Fx
import "../common"

// The whole window at start with a vault that does not open here, a vault
// file another program holds, and a first password whose write the database
// refuses.
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "FaultsAtStart"
        when: windowShown

        property var win: null

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            Fx.LS = LocalStorage
            DBCloud.root = {}
        }

        function cleanup() {
            databaseLock.release()
            if (win) {
                win.close()
                win.destroy()
                win = null
            }
        }

        function startApp() {
            var comp = Qt.createComponent("qrc:/main.qml")
            compare(comp.status, Component.Ready, comp.errorString())
            win = comp.createObject(null)
            verify(win)
            tryVerify(function () { return win.active })
        }

        // A stored row that no longer decrypts (one character changed): the
        // welcome page says once that the old vault was kept; a new vault
        // can be started and the old row stays aside.
        function test_unreadableVaultIsSaid() {
            Fixture.makeVault(Encryptor, "123456", 0, null, 0)
            var row = Fx.rows("pwddata")[0]
            var content = String(row.content)
            var changed = content.charAt(10) === "A" ? "B" : "A"
            Fx.exec("UPDATE pwddata SET content = ?",
                    [content.substring(0, 10) + changed + content.substring(11)])
            T.reload()
            startApp()
            compare(win.loginStack.currentIndex, 0)
            verify(win.welcomePage.startButton.visible)
            tryCompare(win.unreadableVaultDialog, "opened", true)
            compare(win.unreadableVaultDialog.title, "无法打开已有的密码库")
            T.closePopup(idCase, win.unreadableVaultDialog)

            mouseClick(win.welcomePage.startButton)
            var page = win.loginPage
            T.typeText(idCase, "new-pass")
            mouseClick(page.okButton)
            T.typeInto(idCase, page.lineEdit, "new-pass")
            mouseClick(page.okButton)
            tryCompare(win.loginStack, "currentIndex", 2)
            compare(Fx.rows("pwddata_unreadable").length, 1)
            compare(win.unreadableVaultDialog.opened, false)
        }

        // Another program holds the vault file: the start says so, names the
        // file and calls it neither damaged nor a first start; the file
        // reads as before once the lock ends.
        function test_vaultInUse() {
            Fixture.makeVault(Encryptor, "123456", 0, null, 0)
            var file = Util.databaseFile("ZovuduzuRez")
            verify(databaseLock.hold(file, true))
            T.reload()
            startApp()
            var dialog = win.vaultFileDialog
            tryCompare(dialog, "opened", true)
            compare(dialog.title, "密码库文件正被使用")
            compare(dialog.msg, "密码库文件正被其他程序使用，文件保持原样，程序将退出：\n" + file)
            compare(DB.loadFailure, "inUse")
            var quits = 0
            win.quitProgram = function () { ++quits }
            T.closePopup(idCase, dialog)
            compare(quits, 1)
            databaseLock.release()
            T.reload()
            verify(!DB.loadFailed)
            verify(!DB.isEmptyPassword())
        }

        // The first password cannot be written: no password is set, the
        // page says so and starts over, and the next try sets it.
        function test_firstPasswordRefused() {
            startApp()
            mouseClick(win.welcomePage.startButton)
            var page = win.loginPage
            tryCompare(page, "visible", true)
            T.typeText(idCase, "first-pass")
            mouseClick(page.okButton)
            verify(databaseLock.hold(Util.databaseFile("ZovuduzuRez")))
            T.typeInto(idCase, page.lineEdit, "first-pass")
            mouseClick(page.okButton)
            T.expectStickyToast(idCase, page.popupMsg, "保存数据失败")
            databaseLock.release()
            compare(win.loginStack.currentIndex, 1)
            compare(page.promptText.text, "设置新密码")
            compare(DB.loginPassword, "")
            verify(DB.isEmptyPassword())

            T.typeInto(idCase, page.lineEdit, "first-pass")
            mouseClick(page.okButton)
            T.typeInto(idCase, page.lineEdit, "first-pass")
            mouseClick(page.okButton)
            tryCompare(win.loginStack, "currentIndex", 2)
            T.reload()
            verify(DB.login(Qt.md5("first-pass")))
        }
    }
}
