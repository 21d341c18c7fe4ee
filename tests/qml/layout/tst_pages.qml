import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "../frame/Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../backup/backuptest.js" as B
import "../screens/pixels.js" as Pixels
import "layoutcheck.js" as Layout
import "../common"

// Every page of the program's window, in the language of the run (the
// directory runs in English and in Chinese, see LOCALES), opened with real
// clicks as a person opens it: no text is cut, runs outside its box or the
// window, or is drawn over another text, picture or button (only a name too
// long for its room may be cut, at its end); in English no text is left in
// Chinese. Each page is saved as NAME.png in the test's artefact directory.
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "Pages"
        when: windowShown

        readonly property bool english: Util.currentLanguage() !== "zh"
        readonly property var answers: ["Blue", "Tokyo"]
        property var win: null
        property real now: 1600000000000
        // A box name too long for its room, and the boxes of test_longBoxName.
        readonly property string longName: "Household, family and shared accounts of the flat"
        // An account longer than its field in English: the field shows its
        // start, ending in an ellipsis, until it takes the focus.
        readonly property string account: "someone@example.com"
        property var longBox: null
        property var longNoteBox: null

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            DBCloud.localStorage = LocalStorage
            DBCloud.libEncryptor = Encryptor
            DBCloud.clear()
            DBCloud.root = {}
        }

        function cleanup() {
            if (win) {
                win.close()
                win.destroy()
                win = null
            }
        }

        // The program's window, on the page that the stored vault asks for.
        function start() {
            var comp = Qt.createComponent("qrc:/main.qml")
            compare(comp.status, Component.Ready, comp.errorString())
            win = comp.createObject(null)
            verify(win)
            win.currentTimeMs = function () { return idCase.now }
            win.requestActivate()
            tryVerify(function () { return win.active })
        }

        // A stored vault (text password "Safe-2021pw", or the keypad code
        // 123456 with keypad true) with security questions, its one-use
        // hints spent but those named in hints, filled with a user's boxes,
        // entries and notes when fill is true.
        function storeVault(keypad, hints, fill) {
            var pwd = keypad ? "123456" : "Safe-2021pw"
            if (fill) {
                DB.loginPassword = Qt.md5(pwd)
                fillVault()
            }
            var prompt = DB.root.app.prompt
            for (var k in prompt)
                prompt[k] = (hints || []).indexOf(k) >= 0
            Fixture.makeVault(Encryptor, pwd, keypad ? 0 : 1, answers, 0)
        }

        // Boxes, entries and a note as a user keeps them, written as the
        // pages write them.
        function fillVault() {
            var box = DB.addPwdBox()
            box.name = "Work"
            box.iconId = 3
            T.addEntry({ boxId: 0, iconId: 2, label: "Mail", account: account,
                         password: "mail-pw", note: "personal", otpUrl: "" }, Encryptor)
            T.addEntry({ boxId: 0, iconId: 5, label: "Bank", account: "clerk", password: "bank-pw",
                         note: "", otpUrl: "otpauth://totp/Bank:clerk?secret=JBSWY3DPEHPK3PXP&issuer=Bank" },
                       Encryptor)
            var noteBox = DB.addNoteBox()
            noteBox.name = "Ideas"
            noteBox.iconId = 4
            var item = DB.addNoteItem()
            item.note = "Shopping\nmilk and bread"
            item.title = "Shopping"
            item.summary = "milk and bread"
            item.colorIndex = 1
            item.boxId = DB.constBoxIdUncateg
            verify(DB.save())
        }

        // The one note of fillVault().
        function note() {
            return DB.root.data.noteItemList[0]
        }

        function open(keypad, hints, fill) {
            storeVault(keypad, hints, fill)
            start()
            compare(win.loginStack.currentIndex, 1)
            if (keypad)
                T.clickDigits(idCase, win.loginPage.pwdInput, "123456")
            else
                T.typeInto(idCase, win.loginPage.lineEdit, "Safe-2021pw")
            tryCompare(win.loginStack, "currentIndex", 2)
        }

        // The item of that name under root (the window when not given),
        // once it is there.
        function find(name, root) {
            var o = null
            tryVerify(function () {
                o = T.find(root || win, name)
                return o !== null
            }, 5000, name)
            return o
        }

        function check(name, mayCut) {
            Layout.check(idCase, win, testArtifactDir, name, { english: english, mayCut: mayCut })
        }

        // A page that slides in from the right fills the window: its title
        // bar reaches the window's left edge.
        function barAtLeftEdge(name) {
            var image = grabImage(win.contentItem)
            verify(Pixels.difference(image.pixel(0, 20), Theme.appBarColor) < 3,
                   name + ": " + image.pixel(0, 20) + " at the left edge, not the bar's " + Theme.appBarColor)
        }

        // The rows of a form share one title column: whatever the titles'
        // lengths, the rows' contents start at one place.
        function contentsAligned(sheet, name) {
            var titles = T.findAll(sheet, function (o) { return o.objectName === "rowTitle" && T.isShown(o) })
            verify(titles.length >= 2, name + ": no titled rows")
            var starts = titles.map(function (title) {
                var kids = title.parent.children
                for (var k = 0; k < kids.length; ++k) {
                    if (kids[k] !== title && T.isShown(kids[k]))
                        return Math.round(kids[k].mapToItem(null, 0, 0).x)
                }
                return -1
            })
            compare(starts.filter(function (x) { return x !== starts[0] }), [],
                    name + ": rows start at " + starts.join(", "))
        }

        function opened(popup) {
            tryCompare(popup, "opened", true)
            return popup
        }

        function gone(popup) {
            tryCompare(popup, "visible", false)
        }

        function answerMenu(menu, row) {
            T.tap(idCase, T.find(menu, row))
            gone(menu)
        }

        // The rows of the entry list once count of them are shown.
        function shownRows(list, count) {
            var rows = []
            tryVerify(function () {
                rows = T.findAll(list, function (o) { return o.objectName === "holdButton" && T.isShown(o) })
                return rows.length === count
            })
            return rows
        }

        function tapRow(panel, idx) {
            T.tap(idCase, T.find(find(panel), "row" + idx))
        }

        function test_firstRun() {
            start()
            check("welcome")
            // The frame's dialogs about a vault that does not open (shown
            // here over the welcome page; they end nothing in this test).
            win.quitProgram = function () {}
            var dialogs = [win.unreadableVaultDialog, win.vaultFileDialog]
            for (var i = 0; i < dialogs.length; ++i) {
                T.openPopup(idCase, dialogs[i])
                check(dialogs[i].objectName)
                T.closePopup(idCase, dialogs[i])
            }
            T.tap(idCase, find("startButton"))
            tryCompare(win.loginStack, "currentIndex", 1)
            var page = win.loginPage
            check("first-password")
            var first = page.promptText.text
            T.typeInto(idCase, page.lineEdit, "Safe-2021pw")
            T.tap(idCase, page.okButton)
            tryVerify(function () { return page.promptText.text !== first })
            check("first-password-again")
            T.typeInto(idCase, page.lineEdit, "Safe-2021pw")
            T.tap(idCase, page.okButton)
            tryCompare(win.loginStack, "currentIndex", 2)
            check("passwords-first-day")
        }

        function test_login() {
            storeVault(true)
            start()
            check("login-keypad")
            T.tap(idCase, win.loginPage.forgetButton)
            var questions = opened(win.loginPage.checkSecQuestionPage)
            check("login-forgotten-password")
            T.closePopup(idCase, questions)
            // Every attempt spent: the next one shows the lock-out message,
            // which stays until it is tapped.
            DB.root.app.login.pwdTry = DB.root.app.login.pwdTryMax
            T.clickDigits(idCase, win.loginPage.pwdInput, "111111")
            var toast = opened(win.loginPage.popupMsg)
            check("login-locked-out")
            T.closePopup(idCase, toast)
        }

        // After a minute in the background the lock screen covers the vault.
        function test_lockScreen() {
            open(false)
            PhoneNotify.emitApplicationDidEnterBackground()
            now += 60000
            PhoneNotify.emitApplicationWillEnterForeground()
            opened(win.lockPopup)
            check("lock-screen")
        }

        function test_passwordsTab() {
            open(false, ["pwdBoxEdit", "pwdItemEdit"], true)
            var hint = opened(T.find(find("pwdBoxView"), "boxEditPrompt"))
            check("passwords-hint")
            T.tap(idCase, T.find(hint, "promptArea"))
            gone(hint)
            // Each banner, as the carousel comes to it.
            var swipe = T.search(find("adSwipeWidget"), function (o) {
                return String(o).indexOf("SwipeView") === 0
            })
            for (var i = 0; i < 3; ++i) {
                swipe.currentIndex = i
                tryVerify(function () { return swipe.contentItem.contentX === swipe.currentItem.x })
                check("passwords-banner-" + (i + 1))
            }

            var menu = find("pwdPageMenu")
            T.tap(idCase, T.findType(find("homeTitleBar"), "PlusButton"))
            opened(menu)
            check("passwords-menu")
            T.tap(idCase, T.find(menu, "pageMenuItem_0"))
            var boxSheet = opened(find("editPwdBoxPage"))
            check("box-new")
            contentsAligned(boxSheet, "box-new")
            T.closePopup(idCase, boxSheet)

            T.tap(idCase, T.findType(find("homeTitleBar"), "PlusButton"))
            T.tap(idCase, T.find(opened(menu), "pageMenuItem_1"))
            var edit = opened(find("homeEditPwdItemPage"))
            check("entry-new")
            T.tap(idCase, T.find(edit, "chooseBoxButton"))
            var chooser = opened(T.find(edit, "boxChoosePage"))
            check("entry-box-choice")
            T.closePopup(idCase, chooser)
            T.tap(idCase, T.find(edit, "chooseIconButton"))
            var icons = opened(T.findType(edit, "IconChoosePage"))
            check("entry-icon-choice")
            T.closePopup(idCase, icons)
            T.tap(idCase, T.find(edit, "generateButton"))
            var generator = opened(T.find(edit, "autoBuildPwdPage"))
            check("entry-generator")
            contentsAligned(generator, "entry-generator")
            T.closePopup(idCase, generator)
            T.tap(idCase, T.find(edit, "enable2faButton"))
            var otpMenu = opened(T.find(edit, "otpMenu"))
            check("entry-2fa-menu")
            answerMenu(otpMenu, "menuRow1")
            var secret = opened(T.find(edit, "secretDialog"))
            T.typeText(idCase, "JBSWY3DP")
            check("entry-2fa-secret")
            T.tap(idCase, T.find(secret, "rejectButton"))
            gone(secret)
            T.tap(idCase, T.find(edit, "levelSecret"))
            var noPin = opened(T.find(edit, "noPinDialog"))
            check("entry-no-pin")
            T.tap(idCase, T.find(noPin, "rejectButton"))
            gone(noPin)
            T.closePopup(idCase, edit)

            var boxMenu = find("boxMenu")
            T.hold(idCase, find("boxButton_0", find("pwdBoxView")), boxMenu)
            check("box-menu")
            answerMenu(boxMenu, "menuCancel")

            T.tap(idCase, find("boxButton_0", find("pwdBoxView")))
            var list = find("pwdListView")
            var rows = shownRows(list, 2)
            var listHint = opened(T.findType(list, "PromptMenu"))
            check("entries-hint")
            T.tap(idCase, T.find(listHint, "promptArea"))
            gone(listHint)
            var reveal = T.findAll(list, function (o) { return o.objectName === "revealButton" })
            T.tap(idCase, reveal[0])
            T.tap(idCase, reveal[1])
            tryVerify(function () {
                return T.findAll(list, function (o) {
                    return o.objectName === "codeText" && T.isShown(o) && o.text !== "000000"
                }).length === 1
            })
            check("entries-shown")
            var itemMenu = find("itemMenu")
            T.hold(idCase, rows[1], itemMenu)
            check("entry-menu")
            answerMenu(itemMenu, "menuCancel")

            for (var r = 0; r < 2; ++r) {
                // The list is made anew after each of these pages.
                rows = shownRows(list, 2)
                T.tap(idCase, rows[r])
                var view = opened(find("viewPwdItemPage"))
                check("entry-view-" + (r + 1))
                T.tap(idCase, T.find(view, "editButton"))
                gone(view)
                var existing = opened(find("listEditPwdItemPage"))
                check("entry-edit-" + (r + 1), [account])
                T.closePopup(idCase, existing)
            }

            T.tap(idCase, find("gotoBoxButton"))
            T.tap(idCase, T.findType(find("homeTitleBar"), "PlusButton"))
            T.tap(idCase, T.find(opened(menu), "pageMenuItem_2"))
            // Kept up for the check.
            var toast = opened(find("homePopupMsg"))
            toast.autoClose = false
            check("passwords-mobile-only")
            T.closePopup(idCase, toast)
        }

        function test_notesTab() {
            // The note list's own one-use hint is not looked at here.
            open(false, ["noteBoxEdit", "noteAttrEdit"], true)
            T.tap(idCase, find("navBtnNote"))
            var hint = opened(T.find(find("noteBoxView"), "boxEditPrompt"))
            check("notes-hint")
            T.tap(idCase, T.find(hint, "promptArea"))
            gone(hint)

            var menu = find("notePageMenu")
            T.tap(idCase, T.findType(find("notesTitleBar"), "PlusButton"))
            opened(menu)
            check("notes-menu")
            T.tap(idCase, T.find(menu, "pageMenuItem_0"))
            var boxSheet = opened(find("editNoteBoxPage"))
            check("note-box-new")
            contentsAligned(boxSheet, "note-box-new")
            T.closePopup(idCase, boxSheet)


            var boxMenu = find("noteBoxMenu")
            T.hold(idCase, find("boxButton_0", find("noteBoxView")), boxMenu)
            check("note-box-menu")
            answerMenu(boxMenu, "menuCancel")

            T.tap(idCase, find("boxButton_0", find("noteBoxView")))
            var card = find("noteCard_" + note().id)
            check("notes-list")
            var itemMenu = find("noteItemMenu")
            T.hold(idCase, card, itemMenu)
            check("note-menu")
            answerMenu(itemMenu, "menuCancel")

            T.tap(idCase, card)
            var editor = opened(find("editNoteItemPage"))
            var attrHint = opened(T.find(editor, "noteAttrPrompt"))
            check("note-editor-hint")
            T.tap(idCase, T.find(attrHint, "promptArea"))
            gone(attrHint)
            check("note-editor")
            T.tap(idCase, T.find(editor, "noteAttrBar"))
            var attr = opened(T.find(editor, "editNoteItemAttrPage"))
            check("note-attributes")
            T.tap(idCase, T.find(attr, "noteChooseBox"))
            var chooser = opened(T.find(attr, "noteBoxChoosePage"))
            check("note-box-choice")
            T.closePopup(idCase, chooser)
            T.tap(idCase, T.find(attr, "noteRdoConfidential"))
            var noPin = opened(T.find(attr, "noPinDialog"))
            check("note-no-pin")
            T.tap(idCase, T.find(noPin, "rejectButton"))
            gone(noPin)
            T.closePopup(idCase, attr)
            T.tap(idCase, T.find(editor, "noteTextArea"))
            T.typeText(idCase, " and eggs")
            T.tap(idCase, T.findType(editor.titleBar, "ReturnButton"))
            var question = opened(T.find(editor, "noteSaveQuestion"))
            check("note-save-question")
            T.tap(idCase, T.find(question, "rejectButton"))
            gone(editor)

            // A new note, once its attributes' hint is spent.
            T.tap(idCase, T.findType(find("notesTitleBar"), "PlusButton"))
            T.tap(idCase, T.find(opened(menu), "pageMenuItem_1"))
            var newNote = opened(find("editNoteItemPage"))
            check("note-new")
            barAtLeftEdge("note-new")
            T.tap(idCase, T.findType(newNote.titleBar, "ReturnButton"))
            gone(newNote)
        }

        // A confidential note names its level in the editor's attribute bar;
        // in English the box name then no longer fits and is elided at its
        // end.
        function test_confidentialNote() {
            open(false)
            T.setPin()
            var secret = DB.addNoteItem()
            T.fillItem(secret, { securityLevel: 1, boxId: DB.constBoxIdUncateg,
                                 note: "Safe\ncombination", title: "Safe", summary: "******" },
                       ["note"], Encryptor)
            T.tap(idCase, find("navBtnNote"))
            // The PIN key as after a PIN check (a tap on a tab forgets it).
            DB.pinCode = T.pinKey()
            T.tap(idCase, find("boxButton_0", find("noteBoxView")))
            T.tap(idCase, find("noteCard_" + secret.id))
            opened(find("editNoteItemPage"))
            check("note-editor-confidential", english ? ["[Uncategorized]"] : [])
        }

        // A box of passwords and one of notes, each named longName, with an
        // entry and a note in them; logged in.
        function openLongNames() {
            DB.loginPassword = Qt.md5("Safe-2021pw")
            longBox = DB.addPwdBox()
            longBox.name = longName
            longBox.iconId = 3
            T.addEntry({ boxId: longBox.id, iconId: 2, label: "Mail", account: account,
                         password: "mail-pw", note: "", otpUrl: "" }, Encryptor)
            longNoteBox = DB.addNoteBox()
            longNoteBox.name = longName
            longNoteBox.iconId = 4
            var item = DB.addNoteItem()
            item.note = "Shopping"
            item.title = "Shopping"
            item.boxId = longNoteBox.id
            open(false)
        }

        // The entry list of the long-named box; returns its one row.
        function openLongList() {
            T.tap(idCase, find("boxButton_" + longBox.id, find("pwdBoxView")))
            return shownRows(find("pwdListView"), 1)[0]
        }

        function openLongNote() {
            T.tap(idCase, find("navBtnNote"))
            T.tap(idCase, find("boxButton_" + longNoteBox.id, find("noteBoxView")))
            T.tap(idCase, find("noteCard_" + note().id))
            return opened(find("editNoteItemPage"))
        }

        // Wherever a box name too long for its room is shown, it is cut at
        // its end, and nothing else is cut or run into.
        function test_longBoxName_data() {
            return [
                { tag: "passwords title", open: function () { openLongList() } },
                { tag: "entry view", open: function () {
                    T.tap(idCase, openLongList())
                    opened(find("viewPwdItemPage"))
                } },
                { tag: "entry editor", open: function () {
                    T.hold(idCase, openLongList(), find("itemMenu"))
                    T.tap(idCase, T.find(find("itemMenu"), "menuRow0"))
                    opened(find("listEditPwdItemPage"))
                } },
                { tag: "note editor", open: openLongNote },
                { tag: "note attributes", open: function () {
                    var editor = openLongNote()
                    T.tap(idCase, T.find(editor, "noteAttrBar"))
                    opened(T.find(editor, "editNoteItemAttrPage"))
                } }
            ]
        }
        function test_longBoxName(data) {
            openLongNames()
            data.open()
            var names = [longName, "[" + longName + "]"]
            var cut = T.findAll(win, function (o) {
                return names.indexOf(o.text) >= 0 && T.isShown(o) && o.truncated
            })
            verify(cut.length > 0, "the name is not cut")
            check("long-name-" + data.tag.replace(/ /g, "-"), names.concat([account]))
        }

        function openSettings() {
            open(true)
            T.tap(idCase, find("navBtnSetting"))
        }

        function test_securityPages() {
            openSettings()
            check("settings")

            // Login password: the answers first, then the new password.
            tapRow("securityPanel", 0)
            var check1 = opened(find("checkSecQuestionPage"))
            check("settings-check-questions")
            T.answerQuestions(idCase, check1, answers[0], answers[1])
            var change = opened(find("changeLoginPwdPage"))
            check("settings-new-password-keypad")
            T.tap(idCase, T.find(change, "changeSwitchButton"))
            check("settings-new-password-text")
            T.closePopup(idCase, change)

            tapRow("securityPanel", 1)
            T.answerQuestions(idCase, opened(find("checkSecQuestionPage")), answers[0], answers[1])
            var questions = opened(find("changeSecQuestionPage"))
            check("settings-new-questions")
            T.closePopup(idCase, questions)

            tapRow("securityPanel", 2)
            var pin = opened(find("changePinCodePage"))
            check("settings-new-pin")
            T.clickDigits(idCase, pin, T.PIN)
            T.waitPadEmpty(idCase, pin)
            check("settings-new-pin-again")
            T.clickDigits(idCase, pin, T.PIN)
            gone(pin)
            // The toast "PIN码已修改" takes the page's input while it shows.
            var toast = find("settingMsg")
            tryCompare(toast, "visible", false, 5000)
            tapRow("securityPanel", 2)
            var checkPin = opened(find("checkPinCodePage"))
            check("settings-check-pin")
            T.closePopup(idCase, checkPin)
        }

        // The first tap after a dialog that a passed check sheet opened (the
        // sheet still closing) does not reach the page beneath: such a
        // dialog ends its test function.
        function test_backupPages() {
            openSettings()
            tapRow("backupPanel", 0)
            var backup = opened(find("backupPage"))
            check("backup")
            barAtLeftEdge("backup")
            var password = B.enterPassword(idCase, backup, "pageButton", "passwordDialog", "bpw")
            check("backup-password")
            B.accept(idCase, password)
            var done = opened(T.find(backup, "backupSuccessDialog"))
            check("backup-done")
            B.accept(idCase, done)
            T.closePopup(idCase, backup)

            tapRow("backupPanel", 1)
            var restore = opened(find("restorePage"))
            check("restore")
            barAtLeftEdge("restore")
            var verifyPage = B.restoreToQuestions(idCase, restore, "bpw")
            check("restore-questions")
            B.answer(idCase, verifyPage, answers[0], answers[1])
            var confirm = B.confirmation(idCase, restore, verifyPage)
            check("restore-confirm")
            T.tap(idCase, T.find(confirm, "rejectButton"))
            gone(confirm)
        }

        function test_clearData() {
            openSettings()
            tapRow("dataPanel", 0)
            T.answerQuestions(idCase, opened(find("checkSecQuestionPage")), answers[0], answers[1])
            var clear = opened(find("clearDialog"))
            check("settings-clear")
            T.tap(idCase, T.find(clear, "rejectButton"))
            gone(clear)
        }

        function test_helpAndAbout() {
            openSettings()
            tapRow("infoPanel", 0)
            var help = opened(find("helpMainPage"))
            // No help index is served here: the page says it could not load.
            tryVerify(function () { return T.findText(help, help.errorText) !== null }, 15000)
            check("help-not-loaded")
            barAtLeftEdge("help")
            T.closePopup(idCase, help)

            // The last rows stand below the fold.
            var flick = find("settingFlickable")
            flick.contentY = flick.contentHeight - flick.height
            tapRow("infoPanel", 1)
            var about = opened(find("aboutPage"))
            check("about")
            barAtLeftEdge("about")
            T.tap(idCase, T.find(T.find(about, "aboutPanel"), "row2"))
            var share = opened(about.shareMenu)
            check("about-share")
            answerMenu(share, "shareCancel")
            T.closePopup(idCase, about)
        }

        // Without security questions the login password is checked by
        // itself, and a backup first offers to set questions.
        function test_withoutQuestions() {
            Fixture.makeVault(Encryptor, "Safe-2021pw", 1, null, 0)
            start()
            T.typeInto(idCase, win.loginPage.lineEdit, "Safe-2021pw")
            tryCompare(win.loginStack, "currentIndex", 2)
            T.tap(idCase, find("navBtnSetting"))
            tapRow("securityPanel", 0)
            var checkPwd = opened(find("checkLoginPwdPage"))
            check("settings-check-password")
            T.closePopup(idCase, checkPwd)
            tapRow("securityPanel", 1)
            var questions = opened(find("changeSecQuestionPage"))
            var texts = ["Pet?", answers[0], "City?", answers[1]]
            var rows = ["changeQuestion1", "changeAnswer1", "changeQuestion2", "changeAnswer2"]
            for (var i = 0; i < rows.length; ++i)
                T.typeInto(idCase, T.find(questions, rows[i]).edit, texts[i])
            T.tap(idCase, T.find(questions, "changeSecButton"))
            tryCompare(T.find(questions, "changeAnswer1"), "text", "")
            check("settings-new-questions-again")
            T.closePopup(idCase, questions)
            tapRow("backupPanel", 0)
            var dialog = opened(find("setQuestionsDialog"))
            check("settings-backup-needs-questions")
            T.tap(idCase, T.find(dialog, "rejectButton"))
            gone(dialog)
        }
    }
}
