import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/pwd"
import "qrc:/note"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "../frame/Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "../store/StoreFixture.js" as Fx
import "../common"

// Writes that the database itself refuses: another process holds the write
// lock on the vault file while the store writes ("database is locked"). The
// store reports false and never throws, the row keeps every byte, the vault
// in memory is what a fresh start reads from disk, and the page says so.
Item {
    id: idRoot
    width: 400
    height: 650

    Component { id: idEditPwdComp; EditPwdItemPage {} }
    Component { id: idEditBoxComp; EditPwdBoxPage {} }
    Component { id: idEditNoteComp; EditNoteItemPage {} }
    Component { id: idChangeLoginPwdComp; ChangeLoginPwdPage {} }
    Component { id: idChangeSecComp; ChangeSecQuestionPage {} }
    Component { id: idChangePinComp; ChangePinCodePage {} }

    KeyloftTestCase {
        id: idCase
        name: "LockedWrites"
        when: windowShown

        property string pwd: "123456"

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            Fx.LS = LocalStorage
            Fixture.makeVault(Encryptor, pwd, 0, ["a", "b"], 0)
            verify(DB.login(Qt.md5(pwd)))
            var prompt = DB.root.app.prompt
            for (var k in prompt)
                prompt[k] = false
            var item = DB.addPwdItem()
            item.label = "mail"
            item.password = "m41l"
            verify(DB.save())
            T.namePseudoBoxes()
        }

        function cleanup() {
            databaseLock.release()
        }

        function lock() {
            verify(databaseLock.hold(Util.databaseFile("ZovuduzuRez")), "the vault file is locked")
        }

        // The parts of the vault as a page sees them.
        function parts() {
            var r = DB.root
            return JSON.stringify([r.app, r.local, r.security, r.summary, r.data])
        }

        // Lock released: what memory holds is what a new start reads, and
        // the row was not touched.
        function expectMemoryIsDisk(row) {
            databaseLock.release()
            compare(Fx.rows("pwddata"), row)
            var memory = parts()
            var key = DB.loginPassword
            T.reload()
            verify(DB.login(key), "the stored vault opens with the key in memory")
            compare(parts(), memory)
        }

        function test_store_data() {
            return [
                { tag: "save", op: function () { DB.root.data.pwdItemList[0].label = "x"; return DB.save() } },
                { tag: "saveOnly", op: function () { DB.addNoteItem(); return DB.saveOnly() } },
                { tag: "clear", op: function () { return DB.clear() } }
            ]
        }
        function test_store(data) {
            var row = Fx.rows("pwddata")
            lock()
            var result
            try {
                result = data.op()
            } catch (e) {
                fail("the store threw: " + e)
            }
            compare(result, false)
            expectMemoryIsDisk(row)
        }

        // A restore whose write is refused leaves the vault as it was.
        function test_restore() {
            var text = DB.backup(Qt.md5("bk"))
            verify(text)
            DB.addPwdItem().label = "after the backup"
            verify(DB.save())
            var row = Fx.rows("pwddata")
            verify(DB.restore(text, Qt.md5("bk"), Fixture.answerKey("a", "b")))
            compare(DB.root.data.pwdItemList.length, 1)
            lock()
            verify(!DB.saveOnly())
            compare(DB.root.data.pwdItemList.length, 2)
            expectMemoryIsDisk(row)
        }

        // The login's write of the failure count is refused: a right password
        // opens the vault all the same, a wrong one counts for this run.
        function test_loginWhileLocked() {
            T.reload()
            var row = Fx.rows("pwddata")
            lock()
            verify(!DB.login(Qt.md5("654321")))
            compare(DB.root.app.login.pwdTry, 1)
            verify(!DB.login(Qt.md5("654322")))
            compare(DB.root.app.login.pwdTry, 2)
            verify(DB.login(Qt.md5(pwd)))
            compare(DB.root.data.pwdItemList[0].label, "mail")
            databaseLock.release()
            compare(Fx.rows("pwddata"), row)
        }

        // --- pages ----------------------------------------------------------

        function openPage(comp) {
            var page = createTemporaryObject(comp, idRoot)
            T.openPopup(idCase, page)
            return page
        }

        function expectSaveFailed(toast) {
            T.expectStickyToast(idCase, toast, "保存数据失败")
        }

        function test_entryEditor() {
            var page = openPage(idEditPwdComp)
            T.typeInto(idCase, T.find(page, "accountEdit"), "me@example.org")
            T.typeInto(idCase, T.find(page, "passwordEdit"), "s3cret")
            var row = Fx.rows("pwddata")
            lock()
            mouseClick(T.find(page, "saveButton"))
            expectSaveFailed(T.findType(page, "PopupMsg"))
            verify(page.opened)
            compare(T.find(page, "accountEdit").text, "me@example.org")
            compare(DB.root.data.pwdItemList.length, 1)
            expectMemoryIsDisk(row)
        }

        function test_boxEditor() {
            var page = openPage(idEditBoxComp)
            T.typeInto(idCase, T.find(page, "nameEdit"), "Work")
            var row = Fx.rows("pwddata")
            lock()
            mouseClick(T.find(page, "boxDoneButton"))
            expectSaveFailed(T.findType(page, "PopupMsg"))
            verify(page.opened)
            compare(DB.root.data.pwdBoxList.length, 1)
            expectMemoryIsDisk(row)
            // The next try, with the lock gone, adds the box once.
            mouseClick(T.find(page, "boxDoneButton"))
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdBoxList.length, 2)
        }

        function test_noteEditor() {
            var page = openPage(idEditNoteComp)
            T.typeInto(idCase, T.find(page, "noteTextArea"), "shopping list")
            var row = Fx.rows("pwddata")
            lock()
            verify(!page.saveNote())
            expectSaveFailed(page.popupMsg)
            verify(page.opened)
            compare(DB.root.data.noteItemList.length, 0)
            expectMemoryIsDisk(row)
            verify(page.saveNote())
            compare(DB.root.data.noteItemList.length, 1)
        }

        function test_changeLoginPassword() {
            var page = openPage(idChangeLoginPwdComp)
            T.clickDigits(idCase, page.pwdInput, "222222")
            T.waitPadEmpty(idCase, page.pwdInput)
            var row = Fx.rows("pwddata")
            lock()
            T.clickDigits(idCase, page.pwdInput, "222222")
            expectSaveFailed(page.popupMsg)
            verify(page.opened)
            compare(DB.loginPassword, Qt.md5(pwd))
            expectMemoryIsDisk(row)
        }

        function test_changeSecurityQuestions() {
            var page = openPage(idChangeSecComp)
            var fill = function (q1, a1, q2, a2) {
                if (q1 !== null)
                    T.typeInto(idCase, page.question1.edit, q1)
                T.typeInto(idCase, page.answer1.edit, a1)
                if (q2 !== null)
                    T.typeInto(idCase, page.question2.edit, q2)
                T.typeInto(idCase, page.answer2.edit, a2)
                mouseClick(page.nextButton)
            }
            var answerKey = DB.securityAnswer
            fill("Pet", "rex", "Town", "ulm")
            var row = Fx.rows("pwddata")
            lock()
            fill(null, "rex", null, "ulm")
            expectSaveFailed(page.popupMsg)
            verify(page.opened)
            compare(DB.securityAnswer, answerKey)
            compare(DB.root.security.securityQuestion1, "q1")
            expectMemoryIsDisk(row)
        }

        function test_changePin() {
            DB.root.security.verifiedPinCode = Qt.md5(Qt.md5("111111"))
            var item = DB.addPwdItem()
            item.securityLevel = 1
            item.password = Encryptor.aesEncrypt(Qt.md5("111111"), "pw-1")
            verify(DB.save())
            DB.pinCode = Qt.md5("111111")
            var page = openPage(idChangePinComp)
            T.clickDigits(idCase, page.pinInput, "444444")
            T.waitPadEmpty(idCase, page.pinInput)
            var row = Fx.rows("pwddata")
            lock()
            T.clickDigits(idCase, page.pinInput, "444444")
            tryCompare(page.popupMsg, "opened", true)
            compare(page.popupMsg.msg, "保存数据失败")
            T.closePopup(idCase, page.popupMsg)
            verify(!page.changeSucc)
            // The old PIN stays in force and still opens the stored field.
            compare(DB.pinCode, Qt.md5("111111"))
            compare(Encryptor.aesDecrypt(DB.pinCode, DB.getPwdItem(item.id).password), "pw-1")
            expectMemoryIsDisk(row)
        }
    }
}
