import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "../frame/Fixture.js" as Fixture
import "../common/pagetest.js" as T
import "layoutcheck.js" as Layout
import "../common"

// A box name too long for its room: wherever it is shown it is cut at its
// end, and nothing else is cut or run into (the pages' check of
// tst_pages.qml, with the name allowed to be cut).
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "LongNames"
        when: windowShown

        readonly property string longName: "Household, family and shared accounts of the flat"
        property var win: null
        property var box: null
        property var noteBox: null

        function init() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            DBCloud.localStorage = LocalStorage
            DBCloud.libEncryptor = Encryptor
            DBCloud.clear()
            DBCloud.root = {}
            var prompt = DB.root.app.prompt
            for (var k in prompt)
                prompt[k] = false
            DB.loginPassword = Qt.md5("Safe-2021pw")
            box = DB.addPwdBox()
            box.name = longName
            box.iconId = 3
            T.addEntry({ boxId: box.id, iconId: 2, label: "Mail", account: "someone@example.com",
                         password: "mail-pw", note: "", otpUrl: "" }, Encryptor)
            noteBox = DB.addNoteBox()
            noteBox.name = longName
            noteBox.iconId = 4
            var note = DB.addNoteItem()
            note.note = "Shopping"
            note.title = "Shopping"
            note.boxId = noteBox.id
            Fixture.makeVault(Encryptor, "Safe-2021pw", 1, null, 0)
            var comp = Qt.createComponent("qrc:/main.qml")
            win = comp.createObject(null)
            win.requestActivate()
            tryVerify(function () { return win.active })
            T.typeInto(idCase, win.loginPage.lineEdit, "Safe-2021pw")
            tryCompare(win.loginStack, "currentIndex", 2)
        }

        function cleanup() {
            win.close()
            win.destroy()
            win = null
        }

        function find(name, root) {
            var o = null
            tryVerify(function () {
                o = T.find(root || win, name)
                return o !== null
            }, 5000, name)
            return o
        }

        function opened(popup) {
            tryCompare(popup, "opened", true)
            return popup
        }

        function openList() {
            T.tap(idCase, find("boxButton_" + box.id, find("pwdBoxView")))
            var hold = null
            tryVerify(function () {
                hold = T.find(find("pwdListView"), "holdButton")
                return hold !== null && T.isShown(hold)
            })
            return hold
        }

        function openNote() {
            T.tap(idCase, find("navBtnNote"))
            T.tap(idCase, find("boxButton_" + noteBox.id, find("noteBoxView")))
            T.tap(idCase, find("noteCard_" + DB.root.data.noteItemList[0].id))
            return opened(find("editNoteItemPage"))
        }

        function test_cutAtItsEnd_data() {
            return [
                { tag: "passwords title", open: function () { openList() } },
                { tag: "entry view", open: function () {
                    T.tap(idCase, openList())
                    opened(find("viewPwdItemPage"))
                } },
                { tag: "entry editor", open: function () {
                    T.hold(idCase, openList(), find("itemMenu"))
                    T.tap(idCase, T.find(find("itemMenu"), "menuRow0"))
                    opened(find("listEditPwdItemPage"))
                } },
                { tag: "note editor", open: openNote },
                { tag: "note attributes", open: function () {
                    var editor = openNote()
                    T.tap(idCase, T.find(editor, "noteAttrBar"))
                    opened(T.find(editor, "editNoteItemAttrPage"))
                } }
            ]
        }
        function test_cutAtItsEnd(data) {
            data.open()
            var cut = T.findAll(win, function (o) {
                return (o.text === longName || o.text === "[" + longName + "]") && T.isShown(o)
                        && o.truncated
            })
            verify(cut.length > 0, "the name is not cut")
            Layout.check(idCase, win, testArtifactDir, "long-name-" + data.tag.replace(/ /g, "-"),
                         { english: Util.currentLanguage() !== "zh",
                           mayCut: [longName, "[" + longName + "]"] })
        }
    }
}
