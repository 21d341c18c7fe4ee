import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/"
import "qrc:/pwd"
import "qrc:/js/db.js" as DB
import "../faults.js" as Faults
import "../../../qml/common/pagetest.js" as T
import "../../../qml/common"

// A vault in a data directory mounted read-only (as root, file modes do not
// stop writes; the mount does): the logins open it, failures count for the
// run, pages that save say "保存数据失败" and the vault in memory stays the
// one on disk. The keypad functions run on the keypad vault of
// faults_qml/setup, test_textLogin on the text vault.
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

    Component {
        id: idEntryComp
        EditPwdItemPage {}
    }

    Component {
        id: idBoxComp
        EditPwdBoxPage {}
    }

    KeyloftTestCase {
        id: idCase
        name: "ReadOnly"
        when: windowShown

        property var page: null

        SignalSpy {
            id: idSucceeded
            signalName: "loginSucceeded"
        }

        function initTestCase() {
            verify(Faults.open(LocalStorage, Encryptor, Util), "the stored vault did not load")
            var refusal = Faults.probeWrite()
            verify(refusal.indexOf("readonly") >= 0,
                   "the data directory takes writes (" + refusal + ")")
        }

        function init() {
            verify(Faults.open(LocalStorage, Encryptor, Util))
            verify(!DB.isEmptyPassword())
            idSucceeded.clear()
        }

        function cleanup() {
            if (page) {
                page.destroy()
                page = null
            }
        }

        function showLogin() {
            page = createTemporaryObject(idLoginComp, idRoot)
            idSucceeded.target = page
            page.visible = true
        }

        function keypadKey() {
            return Qt.md5(Faults.KEYPAD_PIN)
        }

        // The open PopupMsg under root showing text.
        function expectStickyFailure(root) {
            var toast = null
            tryVerify(function () {
                toast = T.search(root, function (o) {
                    return String(o).indexOf("PopupMsg") === 0 && o.opened
                })
                return toast !== null
            }, 5000, "no toast opened")
            compare(toast.msg, "保存数据失败")
            compare(toast.autoClose, false)
            toast.close()
            tryCompare(toast, "visible", false)
        }

        function test_keypadLogin() {
            showLogin()
            compare(page.inputStack.currentIndex, 0)
            verify(page.bottomBar.visible)

            // Wrong codes count for this run although the count is not written,
            // and the keypad takes the next code after each.
            T.clickDigits(idCase, page.pwdInput, "111111")
            T.waitPadEmpty(idCase, page.pwdInput)
            compare(DB.root.app.login.pwdTry, 1)
            T.clickDigits(idCase, page.pwdInput, "222222")
            T.waitPadEmpty(idCase, page.pwdInput)
            compare(DB.root.app.login.pwdTry, 2)
            compare(Faults.storedDocument().app.login.pwdTry, 0)
            compare(idSucceeded.count, 0)
            compare(DB.loginPassword, "")

            T.clickDigits(idCase, page.pwdInput, Faults.KEYPAD_PIN)
            tryCompare(idSucceeded, "count", 1)
            compare(DB.loginPassword, keypadKey())
            compare(DB.root.app.login.pwdTry, 0)
            compare(DB.root.data.pwdItemList.length, 2)
            T.waitPadEmpty(idCase, page.pwdInput)
        }

        function test_textLogin() {
            verify(DB.tryLogin(Qt.md5(Faults.TEXT_PASSWORD)), "not the text vault")
            showLogin()
            compare(page.inputStack.currentIndex, 1)
            // Every twentieth change of the field counts one failure.
            T.typeInto(idCase, page.lineEdit, "xxxxxxxxxxxxxxxxxxx")
            compare(DB.root.app.login.pwdTry, 0)
            keyClick(Qt.Key_Backspace)
            compare(DB.root.app.login.pwdTry, 1)
            compare(Faults.storedDocument().app.login.pwdTry, 0)
            compare(idSucceeded.count, 0)

            keyClick(Qt.Key_A, Qt.ControlModifier)
            T.typeText(idCase, Faults.TEXT_PASSWORD)
            tryCompare(idSucceeded, "count", 1)
            compare(DB.loginPassword, Qt.md5(Faults.TEXT_PASSWORD))
            compare(DB.root.app.login.pwdTry, 0)
            compare(DB.root.data.pwdItemList.length, 2)
        }

        function test_newEntryNotSaved() {
            verify(DB.login(keypadKey()))
            var before = Faults.canonical(DB.root)
            page = idEntryComp.createObject(idRoot)
            page.pwdItemId = 0
            page.currentBoxId = 0
            page.open()
            tryCompare(page, "opened", true)
            T.typeInto(idCase, T.find(page, "labelEdit"), "Shop")
            T.typeInto(idCase, T.find(page, "accountEdit"), "bob")
            T.typeInto(idCase, T.find(page, "passwordEdit"), "sh0p-pw")
            mouseClick(T.find(page, "saveButton"))
            expectStickyFailure(page)
            // The sheet stays with what was typed.
            verify(page.opened)
            compare(page.accountText, "bob")
            compare(page.passwordText, "sh0p-pw")
            compare(Faults.canonical(DB.root), before)
            compare(Faults.vaultOnDisk(keypadKey()), before)
        }

        function test_boxNotSaved_data() {
            return [
                { tag: "new box", existing: false },
                { tag: "renamed box", existing: true }
            ]
        }
        function test_boxNotSaved(data) {
            verify(DB.login(keypadKey()))
            var before = Faults.canonical(DB.root)
            var boxId = data.existing ? DB.root.data.pwdBoxList[1].id : 0
            page = idBoxComp.createObject(idRoot)
            page.pwdBoxId = boxId
            page.open()
            tryCompare(page, "opened", true)
            var edit = T.find(page, "nameEdit")
            edit.text = ""
            T.typeInto(idCase, edit, "Travel")
            mouseClick(T.find(page, "boxDoneButton"))
            expectStickyFailure(page)
            verify(page.opened)
            compare(edit.text, "Travel")
            compare(Faults.canonical(DB.root), before)
            if (data.existing)
                compare(DB.getPwdBox(boxId).name, "Work")
            compare(Faults.vaultOnDisk(keypadKey()), before)
        }

        // The store's writes report the refusal instead of throwing, and put
        // back the vault as stored.
        function test_storeWrites_data() {
            return [
                { tag: "save of a change", change: true, write: function () { return DB.save() } },
                { tag: "saveOnly of a change", change: true,
                  write: function () { return DB.saveOnly() } },
                { tag: "clear", change: false, write: function () { return DB.clear() } }
            ]
        }
        function test_storeWrites(data) {
            verify(DB.login(keypadKey()))
            var before = Faults.canonical(DB.root)
            if (data.change) {
                var item = DB.addPwdItem()
                item.account = "carol"
                DB.getPwdBox(DB.root.data.pwdBoxList[1].id).name = "Changed"
            }
            var result
            try {
                result = data.write()
            } catch (e) {
                fail("threw: " + e)
            }
            compare(result, false)
            compare(Faults.canonical(DB.root), before)
            compare(DB.loginPassword, keypadKey())
            compare(Faults.vaultOnDisk(keypadKey()), before)
        }
    }
}
