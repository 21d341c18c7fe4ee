import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../common"

// The whole application window: start-up, first run, navigation and the
// auto-lock, driven through the platform event hub with a test clock.
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "Frame"
        when: windowShown

        property var win: null
        // What the window's clock reads, in milliseconds since the epoch.
        property real now: 1600000000000

        SignalSpy { id: idLocked; signalName: "appScreenLocked" }
        SignalSpy { id: idUnlocked; signalName: "appScreenUnlocked" }
        SignalSpy { id: idThemeLocked; target: Theme; signalName: "appScreenLocked" }
        SignalSpy { id: idThemeUnlocked; target: Theme; signalName: "appScreenUnlocked" }

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            // As at a new start of the program: no cloud account stored, no
            // cloud state loaded yet.
            DBCloud.localStorage = LocalStorage
            DBCloud.libEncryptor = Encryptor
            DBCloud.clear()
            DBCloud.root = {}
            now = 1600000000000
            idLocked.clear()
            idUnlocked.clear()
            idThemeLocked.clear()
            idThemeUnlocked.clear()
        }

        function cleanup() {
            if (win) {
                win.popupMsg.close()
                win.close()
                win.destroy()
                win = null
            }
            Theme.enableDarkMode(false)
        }

        function startApp() {
            var comp = Qt.createComponent("qrc:/main.qml")
            compare(comp.status, Component.Ready, comp.errorString())
            win = comp.createObject(null)
            verify(win)
            win.currentTimeMs = function () { return idCase.now }
            idLocked.target = win
            idUnlocked.target = win
            // The first activation at start is a foreground event without a
            // background event before it: it must not lock.
            tryVerify(function () { return win.active })
            return win
        }

        function background(t) {
            now = t
            PhoneNotify.emitApplicationDidEnterBackground()
        }

        function foreground(t) {
            now = t
            PhoneNotify.emitApplicationWillEnterForeground()
        }

        function lockPage() {
            return win.lockPopup.loginPage
        }

        // A stored vault with the password 123456 on the keypad (typeIndex
        // 0, the default) or in the text field (1) and security questions,
        // opened on the main login page.
        function openVault(typeIndex) {
            var type = typeIndex === 1 ? 1 : 0
            Fixture.makeVault(Encryptor, "123456", type, ["a", "b"], 0)
            startApp()
            compare(win.loginStack.currentIndex, 1)
            enterPassword(win.loginPage, type)
            tryCompare(win.loginStack, "currentIndex", 2)
            // The tabs are laid out with the first frame that shows them.
            waitForRendering(win.contentItem)
        }

        function enterPassword(page, typeIndex) {
            if (typeIndex === 0)
                T.clickDigits(idCase, page.pwdInput, "123456")
            else
                T.typeText(idCase, "123456")
        }

        function test_window() {
            startApp()
            compare(win.title, "岚匣密管")
            compare(win.width, 400)
            compare(win.height, 650)
            // Fixed size, no maximise button.
            compare(win.minimumWidth, 400)
            compare(win.maximumWidth, 400)
            compare(win.minimumHeight, 650)
            compare(win.maximumHeight, 650)
            verify(!(win.flags & Qt.WindowMaximizeButtonHint))
            verify(win.flags & Qt.WindowMinimizeButtonHint)
            verify(win.flags & Qt.WindowCloseButtonHint)
            // Centred across the available desktop (this test screen is not
            // as high as the window; the end-to-end test checks both axes).
            compare(win.x, (win.screen.desktopAvailableWidth - 400) / 2)
            // The pseudo boxes carry the shown names.
            compare(DB.getPwdBox(DB.constBoxIdAll).name, "全部")
            compare(DB.getPwdBox(DB.constBoxIdUncateg).name, "未分类")
        }

        function test_startPage_data() {
            return [
                { tag: "no password: welcome", vault: false, darkMode: undefined,
                  index: 0, license: true, dark: false },
                { tag: "password: login page", vault: true, darkMode: undefined,
                  index: 1, license: false, dark: false },
                { tag: "user chose dark", vault: true, darkMode: true,
                  index: 1, license: false, dark: true },
                { tag: "user chose light", vault: true, darkMode: false,
                  index: 1, license: false, dark: false }
            ]
        }
        function test_startPage(data) {
            if (data.vault) {
                if (data.darkMode !== undefined)
                    DB.root.local.ui.darkMode = data.darkMode
                Fixture.makeVault(Encryptor, "123456", 0, null, 0)
            }
            startApp()
            compare(win.loginStack.currentIndex, data.index)
            compare(win.welcomePage.startButton.visible, data.license)
            compare(win.welcomePage.licenseText.visible, data.license)
            compare(Theme.darkMode, data.dark)
            compare(win.popupMsg.opened, false)
        }

        function test_firstRunOnDesktop() {
            startApp()
            verify(win.welcomePage.visible)
            T.tap(idCase, win.welcomePage.startButton)
            compare(win.loginStack.currentIndex, 1)
            var page = win.loginPage
            tryCompare(page, "visible", true)
            compare(page.promptText.text, "设置新密码")
            compare(page.inputStack.currentIndex, 1)
            verify(page.okButton.visible)

            // The field has the focus: the keys go straight into it.
            T.typeText(idCase, "first-pass")
            T.tap(idCase, page.okButton)
            compare(page.promptText.text, "验证新密码")
            T.typeInto(idCase, page.lineEdit, "first-pass")
            T.tap(idCase, page.okButton)

            tryCompare(win.loginStack, "currentIndex", 2)
            compare(win.pageStack.currentIndex, 0)
            // A password set with the text field is reported as set anew.
            tryCompare(win.popupMsg, "opened", true)
            compare(win.popupMsg.msg, "登录密码已修改")
            verify(DBCloud.root.summary !== undefined)
            // No cloud account: the automatic upload does not start.
            verify(!win.autoCloudBackupLogic.backupTimer.running)
            compare(DB.root.app.login.typeIndex, 1)
        }

        function test_keypadLoginShowsNoMessage() {
            openVault()
            verify(DBCloud.root.summary !== undefined)
            verify(!win.popupMsg.opened)
        }

        function test_autoLock_data() {
            // Pairs of [event, time in ms after the start of the case].
            return [
                { tag: "59.9 s", events: [["bg", 0], ["fg", 59900]], locked: false },
                { tag: "exactly 60 s", events: [["bg", 0], ["fg", 60000]], locked: true },
                { tag: "ten minutes", events: [["bg", 0], ["fg", 600000]], locked: true },
                { tag: "from the last deactivation",
                  events: [["bg", 0], ["fg", 10000], ["bg", 10000], ["fg", 65000]], locked: false },
                { tag: "foreground without background", events: [["fg", 600000]], locked: false }
            ]
        }
        function test_autoLock(data) {
            openVault()
            var t0 = now
            for (var i = 0; i < data.events.length; i++) {
                var e = data.events[i]
                if (e[0] === "bg")
                    background(t0 + e[1])
                else
                    foreground(t0 + e[1])
            }
            compare(win.lockPopup.opened || win.lockPopup.visible, data.locked)
            compare(idLocked.count, data.locked ? 1 : 0)
            compare(idThemeLocked.count, data.locked ? 1 : 0)
        }

        function test_noLockBeforeLogin_data() {
            return [
                { tag: "welcome page", vault: false, index: 0 },
                { tag: "login page", vault: true, index: 1 }
            ]
        }
        function test_noLockBeforeLogin(data) {
            if (data.vault)
                Fixture.makeVault(Encryptor, "123456", 0, null, 0)
            startApp()
            background(now)
            foreground(now + 3600 * 1000)
            compare(win.loginStack.currentIndex, data.index)
            verify(!win.lockPopup.visible)
            compare(idLocked.count, 0)
        }

        // The desktop window's own activation changes feed the hub.
        function test_windowDeactivationCounts() {
            openVault()
            var t0 = now
            idRoot.Window.window.requestActivate()
            tryVerify(function () { return !win.active })
            verify(win.lifecycle.backgroundTime === t0)
            now = t0 + 60000
            win.requestActivate()
            tryVerify(function () { return win.active })
            tryCompare(win.lockPopup, "opened", true)
            compare(idLocked.count, 1)
        }

        function test_lockScreen() {
            // A cloud account signed in on this computer: the login starts
            // the upload timer (stopped here at once: no service runs).
            DBCloud.load()
            DBCloud.root.user.phoneNumber = "13800138000"
            DBCloud.root.user.creationTime = "2020-01-01 00:00:00"
            DBCloud.root.summary.deviceRegistered = true
            verify(DBCloud.save())
            DBCloud.root = {}
            openVault()
            verify(win.autoCloudBackupLogic.backupTimer.running)
            win.autoCloudBackupLogic.backupTimer.stop()
            DBCloud.root.user.phoneNumber = "in memory only"
            // Leave the vault with a box's entry list shown on the passwords
            // tab, and the box editor open over it.
            T.tap(idCase, T.find(win.homePage, "boxButton_-1"))
            compare(T.find(win.homePage, "homePageStack").currentIndex, 1)
            T.tap(idCase, T.findType(T.find(win.homePage, "homeTitleBar"), "PlusButton"))
            var menu = T.find(win.homePage, "pwdPageMenu")
            tryCompare(menu, "opened", true)
            T.tap(idCase, T.find(menu, "pageMenuItem_0"))
            var editor = T.find(win.homePage, "editPwdBoxPage")
            tryCompare(editor, "opened", true)

            var t0 = now
            background(t0)
            foreground(t0 + 60000)
            tryCompare(win.lockPopup, "opened", true)
            var page = lockPage()
            verify(page.visible)
            compare(page.inputStack.currentIndex, 0)
            // No forgotten-password road on the lock screen, although the
            // vault has security questions.
            verify(!page.bottomBar.visible)
            verify(!page.forgetButton.visible)

            // Locked again while locked: a second lock signal, no unlock.
            background(t0 + 70000)
            foreground(t0 + 130000)
            verify(win.lockPopup.opened)
            compare(idLocked.count, 2)
            compare(idThemeLocked.count, 2)
            compare(idUnlocked.count, 0)

            // A wrong code is not counted.
            T.clickDigits(idCase, page.pwdInput, "111111")
            T.waitPadEmpty(idCase, page.pwdInput)
            compare(DB.root.app.login.pwdTry, 0)
            verify(win.lockPopup.opened)

            T.clickDigits(idCase, page.pwdInput, "123456")
            tryCompare(win.lockPopup, "visible", false)
            compare(idUnlocked.count, 1)
            compare(idThemeUnlocked.count, 1)
            // Nothing of the login is redone (the cloud state is not read
            // again, the upload timer not started again), and what was open
            // stays open.
            compare(DBCloud.root.user.phoneNumber, "in memory only")
            verify(!win.autoCloudBackupLogic.backupTimer.running)
            verify(!win.popupMsg.opened)
            compare(win.loginStack.currentIndex, 2)
            compare(T.find(win.homePage, "homePageStack").currentIndex, 1)
            verify(editor.opened)
        }

        // A text password on the lock screen: the field has the focus, and
        // the vault opens the moment the text is right.
        function test_lockScreenTextPassword() {
            Fixture.makeVault(Encryptor, "lock-pass", 1, null, 0)
            startApp()
            T.typeText(idCase, "lock-pass")
            tryCompare(win.loginStack, "currentIndex", 2)

            background(now)
            foreground(now + 60000)
            tryCompare(win.lockPopup, "opened", true)
            var page = lockPage()
            compare(page.inputStack.currentIndex, 1)
            verify(!page.okButton.visible)
            T.typeText(idCase, "lock-pas")
            verify(win.lockPopup.opened)
            T.typeText(idCase, "s")
            tryCompare(win.lockPopup, "visible", false)
            compare(idUnlocked.count, 1)
            compare(page.lineEdit.text, "")
        }

        function lockNow() {
            background(now)
            foreground(now + 60000)
            tryCompare(win.lockPopup, "opened", true)
        }

        function settingsRow(panelName, idx) {
            T.tap(idCase, findChild(win.navBar, "navBtnSetting"))
            T.tap(idCase, T.find(T.find(win.contentItem, panelName), "row" + idx))
        }

        // "清除应用数据" on the settings tab, the answers given: its question.
        function openClearDialog() {
            settingsRow("dataPanel", 0)
            var check = T.find(win.contentItem, "checkSecQuestionPage")
            tryCompare(check, "opened", true)
            T.answerQuestions(idCase, check, "a", "b")
            var ask = T.find(win.contentItem, "clearDialog")
            tryCompare(ask, "opened", true)
            return ask
        }

        // Opens what a lock may find open, with what the user entered in it;
        // returns it and a function that tells whether it is as it was.
        function openBeneath(what) {
            var popup
            var asItWas = function () { return popup.opened }
            if (what === "entry editor") {
                T.tap(idCase, T.findType(T.find(win.homePage, "homeTitleBar"), "PlusButton"))
                var menu = T.find(win.homePage, "pwdPageMenu")
                tryCompare(menu, "opened", true)
                T.tap(idCase, T.find(menu, "pageMenuItem_1"))
                popup = T.find(win.homePage, "homeEditPwdItemPage")
                tryCompare(popup, "opened", true)
                T.typeInto(idCase, T.find(popup, "accountEdit"), "alice")
                T.typeInto(idCase, T.find(popup, "noteEdit"), "half a no")
                asItWas = function () {
                    return popup.opened && popup.accountText === "alice" && popup.noteText === "half a no"
                }
            } else if (what === "PIN change") {
                settingsRow("securityPanel", 2)
                popup = T.find(win.contentItem, "changePinCodePage")
                tryCompare(popup, "opened", true)
                T.clickDigits(idCase, popup.pinInput, "135")
                asItWas = function () {
                    return popup.opened && T.find(popup.pinInput, "echo").pwdStr === "135"
                }
            } else if (what === "restore drawer") {
                settingsRow("backupPanel", 1)
                popup = T.find(win.contentItem, "restorePage")
            } else {
                popup = openClearDialog()
                asItWas = function () { return popup.opened && !DB.isEmptyPassword() }
            }
            tryCompare(popup, "opened", true)
            return { popup: popup, asItWas: asItWas }
        }

        // Keys pressed on the lock screen reach nothing beneath it; once the
        // vault is unlocked, what was open is as it was and has the keys
        // again (typing goes on in the field, Escape closes it).
        function test_lockScreenHoldsKeys_data() {
            var beneath = ["entry editor", "PIN change", "restore drawer", "clear question"]
            var rows = []
            for (var i = 0; i < beneath.length; ++i) {
                rows.push({ tag: beneath[i] + ", keypad", beneath: beneath[i], typeIndex: 0 })
                rows.push({ tag: beneath[i] + ", text", beneath: beneath[i], typeIndex: 1 })
            }
            return rows
        }
        function test_lockScreenHoldsKeys(data) {
            openVault(data.typeIndex)
            var open = openBeneath(data.beneath)
            verify(open.asItWas())

            lockNow()
            var keys = [Qt.Key_Escape, Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Return, Qt.Key_Enter,
                        Qt.Key_Space, Qt.Key_Backspace, Qt.Key_Delete, Qt.Key_Escape]
            for (var i = 0; i < keys.length; ++i)
                keyClick(keys[i])
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Escape)
            verify(win.lockPopup.opened)
            verify(!lockPage().popupMsg.opened)
            verify(open.asItWas(), "under the lock")

            enterPassword(lockPage(), data.typeIndex)
            tryCompare(win.lockPopup, "visible", false)
            verify(open.asItWas(), "after unlocking")
            if (data.beneath === "entry editor") {
                T.typeText(idCase, "te")
                compare(open.popup.noteText, "half a note")
            }
            keyClick(Qt.Key_Escape)
            tryCompare(open.popup, "visible", false)
        }

        // A popup that opens beneath the lock (a late answer, say) stays
        // beneath it and takes neither the keys nor the pointer.
        function test_lockScreenKeepsFocus() {
            openVault(1)
            lockNow()
            T.typeText(idCase, "12")
            var dialog = win.unreadableVaultDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            verify(T.reachable(lockPage().lineEdit))
            // A one-button dialog would take Escape as its button.
            keyClick(Qt.Key_Escape)
            verify(dialog.opened)
            T.typeText(idCase, "3456")
            tryCompare(win.lockPopup, "visible", false)
            verify(dialog.opened)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
        }

        // After the data are cleared nothing is written before the program
        // ends: the lock, which could only offer a new password, stays away.
        function test_noLockAfterClear() {
            openVault()
            var exits = 0
            T.findType(win.contentItem, "SettingPage").exitApp = function () { exits++ }
            T.tap(idCase, T.find(openClearDialog(), "acceptButton"))
            var done = T.find(win.contentItem, "clearedDialog")
            tryCompare(done, "opened", true)

            background(now)
            foreground(now + 60000)
            verify(!win.lockPopup.visible)
            compare(idLocked.count, 0)
            verify(done.opened)
            T.reload()
            verify(DB.isEmptyPassword())

            keyClick(Qt.Key_Escape)
            tryCompare(done, "visible", false)
            compare(exits, 1)
        }

        function test_navigation_data() {
            return [
                { tag: "notes tab", from: 0, button: "navBtnNote", to: 1, homeBack: false },
                { tag: "settings tab", from: 0, button: "navBtnSetting", to: 2, homeBack: false },
                { tag: "current passwords tab", from: 0, button: "navBtnHome", to: 0, homeBack: true },
                { tag: "passwords tab from notes", from: 1, button: "navBtnHome", to: 0, homeBack: false },
                { tag: "current settings tab", from: 2, button: "navBtnSetting", to: 2, homeBack: false }
            ]
        }
        function test_navigation(data) {
            openVault()
            var bar = win.navBar
            var names = ["navBtnHome", "navBtnNote", "navBtnSetting"]
            // A box's entry list on the passwords tab, then the tab to start from.
            T.tap(idCase, T.find(win.homePage, "boxButton_-1"))
            var homeStack = T.find(win.homePage, "homePageStack")
            compare(homeStack.currentIndex, 1)
            if (data.from !== 0)
                T.tap(idCase, findChild(bar, names[data.from]))
            compare(win.pageStack.currentIndex, data.from)

            DB.pinCode = Qt.md5("135790")
            T.tap(idCase, findChild(bar, data.button))
            compare(DB.pinCode, "")
            compare(win.pageStack.currentIndex, data.to)
            compare(homeStack.currentIndex, data.homeBack ? 0 : 1)
            for (var i = 0; i < names.length; i++)
                compare(findChild(bar, names[i]).checked, i === data.to, names[i])
        }

        function test_notesTabTapReturnsToBoxGrid() {
            openVault()
            T.tap(idCase, findChild(win.navBar, "navBtnNote"))
            var cell = null
            tryVerify(function () { return (cell = T.find(win.notesPage, "boxButton_-1")) !== null })
            T.tap(idCase, cell)
            var notesStack = T.find(win.notesPage, "notesStack")
            compare(notesStack.currentIndex, 1)
            T.tap(idCase, findChild(win.navBar, "navBtnNote"))
            compare(notesStack.currentIndex, 0)
            compare(win.pageStack.currentIndex, 1)
        }
    }
}
