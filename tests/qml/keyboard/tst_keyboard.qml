import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/keypress.js" as KeyPress
import "../frame/Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../common"

// The program as a desktop user meets it with the keyboard, through the
// real window: Tab and Backtab through the pages in reading order and only
// within the open sheet, the focus frame, Space and Return only on a button
// that shows the focus, Return on the pages with one confirm button, the
// keypads' own keys and the lock screen's toasts. Screenshots of the focus
// frames in both palettes go to the artefact directory.
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "Keyboard"
        when: windowShown

        property var win: null
        property real now: 1600000000000

        function init() {
            // The last case's keys are not taken for this one's.
            T.waitReturnSettled(idCase)
            Fixture.reset(LocalStorage, Encryptor, Util)
            DBCloud.localStorage = LocalStorage
            DBCloud.libEncryptor = Encryptor
            DBCloud.clear()
            DBCloud.root = {}
            now = 1600000000000
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
            // No window manager activates it under the private X server.
            win.requestActivate()
            tryVerify(function () { return win.active })
            return win
        }

        // A stored vault with the password 123456 (typeIndex 0: keypad, 1:
        // text), with the security questions q1/a and q2/b when `questions`,
        // opened from the keyboard, with the one-use hints spent.
        function openVault(typeIndex, questions) {
            var prompt = DB.root.app.prompt
            prompt.pwdBoxEdit = false
            prompt.pwdItemEdit = false
            Fixture.makeVault(Encryptor, "123456", typeIndex, questions ? ["a", "b"] : null, 0)
            startApp()
            compare(win.loginStack.currentIndex, 1)
            T.typeText(idCase, "123456")
            tryCompare(win.loginStack, "currentIndex", 2)
            waitForRendering(win.contentItem)
        }

        function lockNow() {
            now += 1000
            PhoneNotify.emitApplicationDidEnterBackground()
            now += 60000
            PhoneNotify.emitApplicationWillEnterForeground()
            tryCompare(win.lockPopup, "opened", true)
        }

        // The control holding the keyboard focus: the named item the focus
        // item is (a button) or lies in (the edit around a text field).
        function focused() {
            for (var item = win.activeFocusItem; item; item = item.parent) {
                if (item.objectName !== "")
                    return item
            }
            return null
        }

        function focusedName() {
            var item = focused()
            return item ? item.objectName : "(none)"
        }

        // The focus frame of the control that item is or lies in.
        function frameOf(item) {
            for (var p = item; p; p = p.parent) {
                for (var i = 0; i < p.children.length; ++i) {
                    if (String(p.children[i]).indexOf("FocusFrame_QMLTYPE") === 0)
                        return p.children[i]
                }
            }
            return null
        }

        function inside(item, popup) {
            for (var p = item; p; p = p.parent) {
                if (p === popup.contentItem)
                    return true
            }
            return false
        }

        // Presses key `count` times; after each press the focus must be on a
        // shown control inside `popup` (null: anywhere) that shows its focus
        // frame. Returns the names of the controls in the order they took the
        // focus.
        function walk(key, count, popup) {
            var names = []
            for (var i = 0; i < count; ++i) {
                keyClick(key)
                var item = focused()
                verify(item, "no control has the focus after " + names.join(", "))
                verify(!popup || inside(win.activeFocusItem, popup),
                       item.objectName + " is not in the open page")
                verify(T.isShown(item), item.objectName + " is hidden")
                var frame = frameOf(win.activeFocusItem)
                verify(frame && frame.visible, "no focus frame on " + item.objectName)
                names.push(item.objectName)
            }
            return names
        }

        // Tab through the whole page and round to where it started, Backtab
        // back: `order` is the reading order, starting after the control
        // that has the focus (which it ends with).
        function expectTabOrder(popup, order) {
            compare(walk(Qt.Key_Tab, order.length, popup), order)
            var back = order.slice(0, order.length - 1).reverse()
            back.push(order[order.length - 1])
            compare(walk(Qt.Key_Backtab, order.length, popup), back)
        }

        function openEntryEditor() {
            T.tap(idCase, T.findType(T.find(win.homePage, "homeTitleBar"), "PlusButton"))
            var menu = T.find(win.homePage, "pwdPageMenu")
            tryCompare(menu, "opened", true)
            T.tap(idCase, T.find(menu, "pageMenuItem_1"))
            var editor = T.find(win.homePage, "homeEditPwdItemPage")
            tryCompare(editor, "opened", true)
            return editor
        }

        function settingsRow(panelName, idx) {
            T.tap(idCase, findChild(win.navBar, "navBtnSetting"))
            T.tap(idCase, T.find(T.find(win.contentItem, panelName), "row" + idx))
        }

        function settingsPage(name) {
            var page = T.find(win.contentItem, name)
            tryCompare(page, "opened", true)
            return page
        }

        // The settings tab's toast after a change, dismissed.
        function dismissSettingsMsg() {
            var toast = T.find(win.contentItem, "settingMsg")
            tryCompare(toast, "opened", true)
            toast.close()
            tryCompare(toast, "visible", false)
        }

        // --- Tab, Backtab and the focus frame --------------------------------

        function test_tabThroughEntryEditor() {
            openVault(1, false)
            var editor = openEntryEditor()
            // The sheet gives the focus to its close button without showing
            // it: Space and Return do nothing there.
            compare(focusedName(), "closeButton")
            verify(!frameOf(win.activeFocusItem).visible)
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Return)
            verify(editor.opened)

            T.typeInto(idCase, T.find(editor, "labelEdit"), "Mail")
            verify(!frameOf(win.activeFocusItem).visible, "a click shows no frame")
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "accountEdit")
            verify(frameOf(win.activeFocusItem).visible)
            T.typeText(idCase, "me")
            // Space after Tab types into the field the focus went to.
            keyClick(Qt.Key_Space)
            T.typeText(idCase, "x")
            compare(editor.accountText, "me x")
            verify(editor.opened)

            // A click on a button leaves the focus in the field.
            T.tap(idCase, T.find(editor, "levelNormal"))
            T.typeText(idCase, "y")
            compare(editor.accountText, "me xy")

            expectTabOrder(editor, ["enable2faButton", "passwordEdit", "generateButton", "noteEdit",
                                    "saveButton", "closeButton", "levelNormal", "levelSecret",
                                    "chooseBoxButton", "chooseIconButton", "labelEdit",
                                    "accountEdit"])
            T.typeText(idCase, "z")
            compare(editor.labelText, "Mail")
            compare(editor.accountText, "me xyz")
            verify(editor.opened)
            // Escape still closes the sheet.
            keyClick(Qt.Key_Escape)
            tryCompare(editor, "visible", false)
        }

        // The question pages, their read-only questions left out of the
        // order; Tab then Space types into the next field.
        function test_tabThroughQuestionPages() {
            openVault(1, false)
            settingsRow("securityPanel", 1)
            var change = settingsPage("changeSecQuestionPage")
            T.typeInto(idCase, change.question1.edit, "Pet")
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Space)
            verify(change.opened)
            compare(change.question1.text, "Pet")
            compare(change.answer1.text, " ")
            T.typeText(idCase, "Rex")
            expectTabOrder(change, ["changeQuestion2", "changeAnswer2", "changeSecButton", "closeButton",
                                    "changeQuestion1", "changeAnswer1"])
            keyClick(Qt.Key_Tab)
            T.typeText(idCase, "Town")
            keyClick(Qt.Key_Tab)
            T.typeText(idCase, "Oslo")
            compare([change.question1.text, change.answer1.text, change.question2.text,
                     change.answer2.text], ["Pet", " Rex", "Town", "Oslo"])

            // Return presses "下一步"; the answers are asked again, the
            // questions are read-only and out of the order.
            keyClick(Qt.Key_Return)
            verify(change.question1.readOnly)
            compare(change.answer2.text, "")
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "changeSecButton")
            expectTabOrder(change, ["closeButton", "changeAnswer1", "changeAnswer2", "changeSecButton"])
            walk(Qt.Key_Tab, 2, change)
            T.typeText(idCase, "Rex")
            keyClick(Qt.Key_Tab)
            T.typeText(idCase, "Oslo")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            tryCompare(change, "visible", false)
            verify(change.changeSucc)
            compare(DB.root.security.securityQuestion1, "Pet")
            compare(DB.securityAnswer, Qt.md5("RexOslo"))
            dismissSettingsMsg()

            // The check asks only for the answers.
            settingsRow("securityPanel", 1)
            var check = settingsPage("checkSecQuestionPage")
            T.typeInto(idCase, check.answer1.edit, "Re")
            expectTabOrder(check, ["answer2", "checkButton", "closeButton", "answer1"])
            T.typeText(idCase, "x")
            keyClick(Qt.Key_Tab)
            T.typeText(idCase, "Oslo")
            keyClick(Qt.Key_Return)
            tryCompare(check, "visible", false)
            verify(check.checkPassed)
            settingsPage("changeSecQuestionPage")
        }

        // The check and the change of a text login password, and the change
        // on the keypad, whose keys the keyboard types.
        function test_tabThroughChangePasswordPages() {
            openVault(1, false)
            settingsRow("securityPanel", 0)
            var check = settingsPage("checkLoginPwdPage")
            T.typeText(idCase, "12")
            expectTabOrder(check, ["closeButton", "checkLineEdit"])
            T.typeText(idCase, "3456")
            var change = settingsPage("changeLoginPwdPage")
            tryCompare(check, "visible", false)
            compare(change.inputStack.currentIndex, 1)
            T.typeText(idCase, "new-")
            expectTabOrder(change, ["changeOkButton", "changeSwitchButton", "closeButton",
                                    "changeLineEdit"])
            T.typeText(idCase, "pass")
            compare(change.lineEdit.text, "new-pass")

            // Over to the keypad with the keyboard: Tab to the link, Space;
            // the keypad takes the focus.
            walk(Qt.Key_Tab, 2, change)
            compare(focusedName(), "changeSwitchButton")
            keyClick(Qt.Key_Space)
            compare(change.inputStack.currentIndex, 0)
            compare(focusedName(), "keypadKeys")
            var echo = T.find(change.pwdInput, "echo")
            T.typeText(idCase, "2468")
            keyClick(Qt.Key_Backspace)
            compare(echo.pwdStr, "246")
            expectTabOrder(change, ["changeSwitchButton", "closeButton", "keypadKeys"])
            T.typeText(idCase, "810")
            T.waitPadEmpty(idCase, change.pwdInput)
            keyClick(Qt.Key_2, Qt.KeypadModifier)
            keyClick(Qt.Key_4, Qt.KeypadModifier)
            keyClick(Qt.Key_6, Qt.KeypadModifier)
            keyClick(Qt.Key_8, Qt.KeypadModifier)
            keyClick(Qt.Key_1, Qt.KeypadModifier)
            keyClick(Qt.Key_0, Qt.KeypadModifier)
            tryCompare(change, "visible", false)
            T.reload()
            verify(DB.login(Qt.md5("246810")))
            compare(DB.root.app.login.typeIndex, 0)
        }

        // Tab stays within an open drawer page too.
        function test_tabWithinDrawerPage() {
            openVault(1, false)
            settingsRow("backupPanel", 1)
            var restore = settingsPage("restorePage")
            var names = walk(Qt.Key_Tab, 3, restore)
            compare(names[2], names[0])
            keyClick(Qt.Key_Escape)
            tryCompare(restore, "visible", false)
        }

        // The tabs of a new vault: every Tab stop shows its focus frame, and
        // nothing else is one. The carousel of the passwords tab is one stop
        // between "+" and the boxes; Space there does what a click on the
        // banner it shows does.
        function test_tabThroughTabs() {
            openVault(1, false)
            var tabs = [
                { nav: "navBtnHome", order: ["homeTitleBar", "adSwipeWidget", "boxButton_-1",
                                             "navBtnHome", "navBtnNote", "navBtnSetting"] },
                { nav: "navBtnNote", order: ["notesTitleBar", "boxButton_-1", "navBtnHome",
                                             "navBtnNote", "navBtnSetting"] },
                { nav: "navBtnSetting", order: ["switch", "navBtnHome", "navBtnNote",
                                                "navBtnSetting"] }
            ]
            for (var t = 0; t < tabs.length; ++t) {
                var order = tabs[t].order
                T.tap(idCase, findChild(win.navBar, tabs[t].nav))
                var names = walk(Qt.Key_Tab, 2 * order.length, null)
                var first = names.indexOf(order[0])
                verify(first >= 0, tabs[t].nav + ": " + names.join(", "))
                compare(names.slice(first, first + order.length), order)
            }

            T.tap(idCase, findChild(win.navBar, "navBtnHome"))
            var ads = T.find(win.homePage, "adSwipeWidget")
            for (var i = 0; i < 8 && focused() !== ads; ++i)
                keyClick(Qt.Key_Tab)
            compare(focused(), ads)
            verify(frameOf(win.activeFocusItem).visible)
            tryVerify(function () {
                return T.findAll(ads, function (o) {
                    return o.status === Image.Ready && T.isShown(o)
                }).length > 0
            })
            T.shoot(idCase, win, testArtifactDir, "focus-banner")
            // Banners that open nothing: the test sees what the carousel
            // reports, as a click on a banner does (the help pages it would
            // open are web pages).
            ads.adListModel = [{ imageSource: ads.adListModel[0].imageSource, linkUrl: "banner-0" },
                               { imageSource: ads.adListModel[1].imageSource, linkUrl: "banner-1" }]
            var reported = []
            ads.itemClicked.connect(function (item) { reported.push(item.linkUrl) })
            compare(focused(), ads)
            var shown = ads.adListModel[ads.currentIndex].linkUrl
            keyClick(Qt.Key_Space)
            compare(reported, [shown])
        }

        // --- Return on the pages with one confirm button ---------------------

        function test_enterOnWelcomePage() {
            startApp()
            verify(win.welcomePage.startButton.visible)
            keyClick(Qt.Key_Return)
            compare(win.loginStack.currentIndex, 1)
            // On the login page the keys go to the new password's field.
            T.typeText(idCase, "first")
            compare(win.loginPage.lineEdit.text, "first")
        }

        function test_enterOnEditors() {
            openVault(1, false)
            // The box editor: its name, then Return.
            T.tap(idCase, T.findType(T.find(win.homePage, "homeTitleBar"), "PlusButton"))
            var menu = T.find(win.homePage, "pwdPageMenu")
            tryCompare(menu, "opened", true)
            T.tap(idCase, T.find(menu, "pageMenuItem_0"))
            var box = T.find(win.homePage, "editPwdBoxPage")
            tryCompare(box, "opened", true)
            T.typeInto(idCase, T.find(box, "nameEdit"), "Work")
            keyClick(Qt.Key_Return)
            tryCompare(box, "visible", false)
            verify(DB.root.data.pwdBoxList.some(function (b) { return b.name === "Work" }))

            // The entry editor: Return in any field saves.
            var editor = openEntryEditor()
            T.typeInto(idCase, T.find(editor, "accountEdit"), "alice")
            keyClick(Qt.Key_Return)
            // The password is missing: the sheet stays and says so.
            tryCompare(editor.popupMsg, "opened", true)
            editor.popupMsg.close()
            tryCompare(editor.popupMsg, "visible", false)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "passwordEdit")
            T.typeText(idCase, "pw1")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            tryCompare(editor, "visible", false)
            T.reload()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.data.pwdItemList[0].account, "alice")
            compare(DB.root.data.pwdItemList[0].password, "pw1")
        }

        // The action sheet and the input dialog behind "启用2FA", with keys
        // only.
        function test_actionSheetAndInputDialog() {
            openVault(1, false)
            var editor = openEntryEditor()
            T.typeInto(idCase, T.find(editor, "accountEdit"), "bob")
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "enable2faButton")
            keyClick(Qt.Key_Space)
            var menu = T.find(editor, "otpMenu")
            tryCompare(menu, "opened", true)
            compare(walk(Qt.Key_Tab, 4, menu), ["menuRow0", "menuRow1", "menuCancel", "menuRow0"])
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Return)
            var dialog = T.find(editor, "secretDialog")
            tryCompare(dialog, "opened", true)
            tryCompare(menu, "visible", false)
            T.typeText(idCase, "jbswy3dpehpk3pxp")
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            compare(editor.viewIndex, 1)
            compare(editor.passwordText, "JBSWY3DPEHPK3PXP")
            compare(editor.accountText, "bob")
            verify(editor.opened)
        }

        // The backup with the keyboard: its password dialog and the one-button
        // "备份成功" take Return; a dialog with two buttons does not.
        function test_enterOnDialogs() {
            openVault(1, false)
            settingsRow("backupPanel", 0)
            var ask = settingsPage("setQuestionsDialog")
            keyClick(Qt.Key_Return)
            verify(ask.opened)
            keyClick(Qt.Key_Escape)
            tryCompare(ask, "visible", false)

            Fixture.setQuestions(Encryptor, ["q1", "a", "q2", "b"])
            verify(DB.save())
            Util.clipboardText = ""
            settingsRow("backupPanel", 0)
            var page = settingsPage("backupPage")
            T.tap(idCase, T.find(page, "pageButton"))
            var dialog = T.find(page, "passwordDialog")
            tryCompare(dialog, "opened", true)
            T.typeText(idCase, "bk-pass")
            keyClick(Qt.Key_Return)
            var done = T.find(page, "backupSuccessDialog")
            tryCompare(done, "opened", true)
            verify(Util.clipboardText.indexOf("-----BEGIN BACKUP-----") === 0)
            var accepted = 0
            done.accepted.connect(function () { accepted++ })
            T.waitReturnSettled(idCase)
            keyClick(Qt.Key_Return)
            tryCompare(done, "visible", false)
            compare(accepted, 1)
            verify(page.opened)
        }

        // Two Returns in quick succession: the second went down on the page
        // the first one left, which it has pressed already, so it presses
        // nothing on the page or step that came in. A Return after a key
        // typed there presses as ever.
        function test_quickSecondReturn_data() {
            return [
                { tag: "welcome page", flow: "welcome", gap: 0 },
                { tag: "first password", flow: "firstPassword", gap: 0 },
                { tag: "new login password", flow: "changePassword", gap: 0 },
                { tag: "security questions", flow: "questions", gap: 0 },
                { tag: "security questions 15 ms apart", flow: "questions", gap: 15 },
                { tag: "backup password", flow: "backup", gap: 0 }
            ]
        }
        function test_quickSecondReturn(data) {
            var page = null
            var toast = null
            if (data.flow === "welcome" || data.flow === "firstPassword") {
                startApp()
                page = win.loginPage
                toast = page.popupMsg
                if (data.flow === "firstPassword") {
                    keyClick(Qt.Key_Return)
                    T.typeText(idCase, "first")
                }
            } else if (data.flow === "changePassword") {
                openVault(1, false)
                settingsRow("securityPanel", 0)
                T.typeText(idCase, "123456")
                page = settingsPage("changeLoginPwdPage")
                toast = page.popupMsg
                T.typeText(idCase, "new-pass")
            } else if (data.flow === "questions") {
                openVault(1, false)
                settingsRow("securityPanel", 1)
                page = settingsPage("changeSecQuestionPage")
                toast = page.popupMsg
                T.typeInto(idCase, page.question1.edit, "Pet")
                var typed = ["Rex", "Town", "Oslo"]
                for (var i = 0; i < typed.length; ++i) {
                    keyClick(Qt.Key_Tab)
                    T.typeText(idCase, typed[i])
                }
            } else {
                openVault(1, false)
                Fixture.setQuestions(Encryptor, ["q1", "a", "q2", "b"])
                verify(DB.save())
                settingsRow("backupPanel", 0)
                page = settingsPage("backupPage")
                T.tap(idCase, T.find(page, "pageButton"))
                tryCompare(T.find(page, "passwordDialog"), "opened", true)
                T.typeText(idCase, "bk-pass")
                toast = page.popupMsg
            }
            var prompt = page.promptText ? page.promptText.text : ""

            keyClick(Qt.Key_Return)
            if (data.gap > 0) {
                var before = Date.now()
                wait(data.gap)
                // A machine so loaded that the gap outlasted the settle time
                // cannot show anything here.
                if (Date.now() - before >= KeyPress.RETURN_SETTLE_MS)
                    skip("the %1 ms gap took %2 ms".arg(data.gap).arg(Date.now() - before))
            }
            keyClick(Qt.Key_Return)
            // What the first Return did, and nothing more: no toast of an
            // empty field, the step or page it brought still there.
            wait(0)
            verify(!toast.visible, "a second press said: " + toast.msg)
            if (data.flow === "welcome") {
                compare(win.loginStack.currentIndex, 1)
                verify(page.okButton.visible)
                compare(page.firstLoginPwd, "")
            } else if (data.flow === "firstPassword" || data.flow === "changePassword") {
                verify(page.promptText.text !== prompt)
                compare(page.lineEdit.text, "")
            } else if (data.flow === "questions") {
                verify(page.question1.readOnly)
                compare([page.answer1.text, page.answer2.text], ["", ""])
            } else {
                var done = T.find(page, "backupSuccessDialog")
                tryCompare(done, "opened", true)
                verify(done.visible)
            }
            T.shoot(idCase, win, testArtifactDir, "quick-return-" + data.flow)

            // The step goes on by keys typed there and Return.
            if (data.flow === "welcome") {
                T.typeText(idCase, "first")
                keyClick(Qt.Key_Return)
                verify(page.firstLoginPwd !== "")
            } else if (data.flow === "firstPassword") {
                T.typeText(idCase, "first")
                keyClick(Qt.Key_Return)
                tryCompare(win.loginStack, "currentIndex", 2)
                compare(DB.loginPassword, Qt.md5("first"))
            } else if (data.flow === "changePassword") {
                T.typeText(idCase, "new-pass")
                keyClick(Qt.Key_Return)
                tryCompare(page, "visible", false)
                verify(DB.login(Qt.md5("new-pass")))
            } else if (data.flow === "questions") {
                T.typeInto(idCase, page.answer1.edit, "Rex")
                keyClick(Qt.Key_Tab)
                T.typeText(idCase, "Oslo")
                keyClick(Qt.Key_Return)
                tryCompare(page, "visible", false)
                verify(page.changeSucc)
                compare(DB.securityAnswer, Qt.md5("RexOslo"))
            } else {
                T.waitReturnSettled(idCase)
                keyClick(Qt.Key_Return)
                tryCompare(done, "visible", false)
                verify(page.opened)
            }
        }

        // A dialog that is still coming in takes no Return: the one-button
        // "备份成功" after a click on the password dialog's "完成".
        function test_noReturnWhileComingIn() {
            openVault(1, false)
            Fixture.setQuestions(Encryptor, ["q1", "a", "q2", "b"])
            verify(DB.save())
            settingsRow("backupPanel", 0)
            var page = settingsPage("backupPage")
            T.tap(idCase, T.find(page, "pageButton"))
            var dialog = T.find(page, "passwordDialog")
            tryCompare(dialog, "opened", true)
            T.typeText(idCase, "bk-pass")
            T.tap(idCase, T.find(dialog, "acceptButton"))
            var done = T.find(page, "backupSuccessDialog")
            verify(done.visible && !done.opened)
            keyClick(Qt.Key_Return)
            tryCompare(done, "opened", true)
            keyClick(Qt.Key_Return)
            tryCompare(done, "visible", false)
        }

        // The first password on the login page: Return says what a click on
        // "确定" says, for an empty field and for a confirmation that differs.
        function test_loginReturnAsClick() {
            startApp()
            keyClick(Qt.Key_Return)
            var page = win.loginPage
            var said = []
            var presses = [function () { keyClick(Qt.Key_Return) },
                           function () { T.tap(idCase, page.okButton) }]
            for (var i = 0; i < presses.length; ++i) {
                T.waitReturnSettled(idCase)
                presses[i]()
                tryCompare(page.popupMsg, "opened", true)
                var empty = page.popupMsg.msg
                page.popupMsg.close()
                tryCompare(page.popupMsg, "visible", false)
                T.typeText(idCase, "first")
                presses[i]()
                var prompt = page.promptText.text
                T.typeText(idCase, "other")
                presses[i]()
                tryCompare(page.popupMsg, "opened", true)
                said.push([empty, page.popupMsg.msg, page.promptText.text !== prompt])
                page.popupMsg.close()
                tryCompare(page.popupMsg, "visible", false)
                compare(page.lineEdit.text, "")
                compare(win.loginStack.currentIndex, 1)
            }
            verify(said[0][0] !== "" && said[0][1] !== "" && said[0][0] !== said[0][1])
            compare(said[0], said[1])
            compare(said[0][2], true)
        }

        // --- Keypads -------------------------------------------------------

        // The keypad login and the keypad lock take the digit keys of the
        // main row and of the numeric keypad, Backspace and Delete.
        function test_keypadLoginAndLock() {
            openVault(0, false)
            lockNow()
            var pad = win.lockPopup.loginPage.pwdInput
            var echo = T.find(pad, "echo")
            T.typeText(idCase, "129")
            keyClick(Qt.Key_Backspace)
            T.typeText(idCase, "37")
            keyClick(Qt.Key_Delete)
            compare(echo.pwdStr, "123")
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_4, Qt.ControlModifier)
            compare(echo.pwdStr, "123")
            keyClick(Qt.Key_4, Qt.KeypadModifier)
            keyClick(Qt.Key_5, Qt.KeypadModifier)
            keyClick(Qt.Key_6, Qt.KeypadModifier)
            tryCompare(win.lockPopup, "visible", false)
        }

        function test_pinKeypad() {
            openVault(1, false)
            settingsRow("securityPanel", 2)
            var page = settingsPage("changePinCodePage")
            var echo = T.find(page.pinInput, "echo")
            T.typeText(idCase, "1357")
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Delete)
            compare(echo.pwdStr, "13")
            T.typeText(idCase, "5790")
            T.waitPadEmpty(idCase, page.pinInput)
            var digits = [Qt.Key_1, Qt.Key_3, Qt.Key_5, Qt.Key_7, Qt.Key_9, Qt.Key_0]
            for (var i = 0; i < digits.length; ++i)
                keyClick(digits[i], Qt.KeypadModifier)
            tryCompare(page, "visible", false)
            compare(DB.root.security.verifiedPinCode, Qt.md5(Qt.md5("135790")))
            dismissSettingsMsg()

            settingsRow("securityPanel", 2)
            var check = settingsPage("checkPinCodePage")
            T.typeText(idCase, "135790")
            tryCompare(check, "visible", false)
            verify(check.checkPassed)
        }

        // --- The lock screen's toasts ---------------------------------------

        function test_lockScreenToasts() {
            openVault(1, false)
            lockNow()
            var page = win.lockPopup.loginPage
            var typed = ""
            while (typed.length < 65)
                typed += "x"
            T.typeText(idCase, typed)
            compare(page.lineEdit.text.length, 64)
            var toast = page.lineEdit.__limitToast
            verify(toast)
            tryCompare(toast, "opened", true)
            verify(toast.z > win.lockPopup.z)
            tryVerify(function () { return T.reachable(toast.contentItem) }, 5000,
                      "the length toast is beneath the lock")
            T.shoot(idCase, win, testArtifactDir, "lock-length-toast")
            toast.close()
            tryCompare(toast, "visible", false)

            page.popupMsg.show("lock toast")
            tryCompare(page.popupMsg, "opened", true)
            tryVerify(function () { return T.reachable(page.popupMsg.contentItem) }, 5000,
                      "the login page's toast is beneath the lock")
            page.popupMsg.close()
            tryCompare(page.popupMsg, "visible", false)
            // The lock keeps the keys: typing goes on in its field.
            keyClick(Qt.Key_Backspace)
            compare(page.lineEdit.text.length, 63)
        }

        // --- Screenshots of the focus frames --------------------------------

        function test_focusFrameScreenshots_data() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }
        function test_focusFrameScreenshots(data) {
            startApp()
            Theme.enableDarkMode(data.dark)
            keyClick(Qt.Key_Tab)
            compare(focused(), win.welcomePage.startButton)
            T.shoot(idCase, win, testArtifactDir, "focus-welcome-" + data.tag)
            keyClick(Qt.Key_Space)
            compare(win.loginStack.currentIndex, 1)
            T.typeText(idCase, "first")
            keyClick(Qt.Key_Tab)
            compare(focused(), win.loginPage.okButton)
            T.shoot(idCase, win, testArtifactDir, "focus-login-button-" + data.tag)
            keyClick(Qt.Key_Backtab)
            T.shoot(idCase, win, testArtifactDir, "focus-login-field-" + data.tag)
            keyClick(Qt.Key_Return)
            T.typeText(idCase, "first")
            keyClick(Qt.Key_Return)
            tryCompare(win.loginStack, "currentIndex", 2)
            win.popupMsg.close()
            tryCompare(win.popupMsg, "visible", false)

            var editor = openEntryEditor()
            keyClick(Qt.Key_Tab)
            T.shoot(idCase, win, testArtifactDir, "focus-editor-radio-" + data.tag)
            for (var i = 0; i < 4; ++i)
                keyClick(Qt.Key_Tab)
            compare(focusedName(), "labelEdit")
            T.typeText(idCase, "Mail")
            T.shoot(idCase, win, testArtifactDir, "focus-editor-field-" + data.tag)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "enable2faButton")
            T.shoot(idCase, win, testArtifactDir, "focus-editor-button-" + data.tag)
            for (i = 0; i < 4; ++i)
                keyClick(Qt.Key_Tab)
            compare(focusedName(), "saveButton")
            T.shoot(idCase, win, testArtifactDir, "focus-editor-save-" + data.tag)
            keyClick(Qt.Key_Tab)
            T.shoot(idCase, win, testArtifactDir, "focus-editor-close-" + data.tag)
            keyClick(Qt.Key_Escape)
            tryCompare(editor, "visible", false)

            settingsRow("securityPanel", 2)
            var pin = settingsPage("changePinCodePage")
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "keypadKeys")
            T.shoot(idCase, win, testArtifactDir, "focus-pin-keypad-" + data.tag)
            keyClick(Qt.Key_Escape)
            tryCompare(pin, "visible", false)

            settingsRow("backupPanel", 0)
            var ask = settingsPage("setQuestionsDialog")
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "acceptButton")
            T.shoot(idCase, win, testArtifactDir, "focus-dialog-button-" + data.tag)
            keyClick(Qt.Key_Escape)
            tryCompare(ask, "visible", false)
        }
    }
}
