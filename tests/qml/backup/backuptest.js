// Helpers for the backup and restore tests: vaults as the security pages
// leave them, and the two pages driven with real clicks and keys.
.pragma library
.import "qrc:/js/db.js" as DB
.import "../common/pagetest.js" as T
.import "qrc:/js/pubfun.js" as Pubfun
.import "../frame/Fixture.js" as Fixture

var BEGIN = "-----BEGIN BACKUP-----\n"
var END = "-----END BACKUP-----"

// An open vault with the login password `login` and, when given, two
// security questions ([question one, answer one, question two, answer
// two]), written as after the first run and the security-question page.
function openVault(env, login, questions) {
    Fixture.reset(env.localStorage, env.encryptor, env.util)
    DB.loginPassword = Qt.md5(login)
    if (questions)
        Fixture.setQuestions(env.encryptor, questions)
    if (!DB.save())
        throw new Error("vault not saved")
}

// A backup of the open vault under `password`, framed as the backup page
// puts it on the clipboard, made without the page.
function framedBackup(password) {
    return Pubfun.wrapLine(DB.backup(Qt.md5(password)), "BEGIN BACKUP", "END BACKUP")
}

// The page's toast shows msg. One that closes by itself is dismissed at
// once; a sticky one must still be up after its 1500 ms, and is then
// dismissed with a tap.
function expectToast(tc, page, name, msg, sticky) {
    var toast = T.find(page, name)
    if (!sticky) {
        T.expectToast(tc, toast, msg)
        return
    }
    T.expectStickyToast(tc, toast, msg)
}

// Opens the password dialog with the page's button and types `typed` into
// it; `extra`, when given, is set as the edit's text afterwards (text that
// reaches the edit other than through keys). Returns the dialog.
function enterPassword(tc, page, button, dialogName, typed, extra) {
    T.tap(tc, T.find(page, button))
    var dialog = T.find(page, dialogName)
    tc.tryCompare(dialog, "opened", true)
    tc.compare(dialog.userText, "")
    T.typeText(tc, typed)
    // What is typed is not shown.
    var shown = T.find(dialog, "dialogEdit").input.displayText
    tc.verify(dialog.userText === "" || shown.indexOf(dialog.userText) < 0, shown)
    if (extra !== undefined)
        dialog.userText = extra
    return dialog
}

function accept(tc, dialog) {
    T.tap(tc, T.find(dialog, "acceptButton"))
    tc.tryCompare(dialog, "visible", false)
}

// "备份" with the password, up to "完成" of the success dialog.
function backupThroughPage(tc, page, typed, extra) {
    accept(tc, enterPassword(tc, page, "pageButton", "passwordDialog", typed, extra))
    var done = T.find(page, "backupSuccessDialog")
    tc.tryCompare(done, "opened", true)
    tc.compare(T.find(done, "dialogTitle").text, "备份成功")
    accept(tc, done)
}

// "恢复备份" up to the security check, which is returned open.
function restoreToQuestions(tc, page, typed, extra) {
    accept(tc, enterPassword(tc, page, "pageButton", "passwordDialog", typed, extra))
    var check = T.find(page, "verifyBackupQuestionPage")
    tc.tryCompare(check, "opened", true)
    return check
}

function answer(tc, check, answer1, answer2) {
    var fields = [T.find(check, "answer1"), T.find(check, "answer2")]
    var texts = [answer1, answer2]
    for (var i = 0; i < 2; ++i) {
        fields[i].text = ""
        T.typeInto(tc, fields[i], texts[i])
    }
    T.tap(tc, T.find(check, "checkButton"))
}

// The security check passed: the confirmation, returned open.
function confirmation(tc, page, check) {
    tc.tryCompare(check, "visible", false)
    var dialog = T.find(page, "restoreConfirmDialog")
    tc.tryCompare(dialog, "opened", true)
    return dialog
}

// The whole restore with the right answers, up to "是".
function restoreThroughPage(tc, page, password, answer1, answer2) {
    var check = restoreToQuestions(tc, page, password)
    answer(tc, check, answer1, answer2)
    accept(tc, confirmation(tc, page, check))
}
