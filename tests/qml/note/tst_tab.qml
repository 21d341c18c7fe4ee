import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Encryptor 1.0
import Lib.Util 1.0
import "qrc:/note"
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "notetest.js" as N
import "../common"

// The notes tab: box grid and its menu, the list of one box, the notes'
// hold menu, the PIN check in front of confidential notes, new notes and the
// one-use hints.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idNotesComp
        NotesPage {
            anchors.fill: parent
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "NoteTab"
        when: windowShown

        property var notes: null

        function init() {
            T.resetStore(LocalStorage, Encryptor)
        }

        function cleanup() {
            if (notes) {
                notes.destroy()
                notes = null
            }
            verify(testLanguage.setEnglish(false))
            DB.pinCode = ""
        }

        function createNotes() {
            notes = idNotesComp.createObject(idWindow)
            verify(notes)
            return notes
        }

        function grid() {
            return T.find(notes, "noteBoxView")
        }

        function cell(boxId) {
            return T.find(grid(), "boxButton_" + boxId)
        }

        function list() {
            return T.find(notes, "noteListView")
        }

        // The count on a box's tile, found afresh: a reload makes new tiles.
        function waitCount(boxId, count) {
            tryVerify(function () {
                var c = cell(boxId)
                return c !== null && T.find(c, "boxCount").text === count
            }, 5000, "count of box " + boxId)
        }

        function titleText() {
            return T.find(notes, "notesTitleBar").text
        }

        function toast() {
            return T.find(notes, "notesPopupMsg")
        }

        function names(boxes) {
            return boxes.map(function (b) { return b.name })
        }

        function listIds() {
            return list().noteItemList.map(function (n) { return n.id })
        }

        function pinRequest() {
            return T.find(notes, "notesPinKeyRequest")
        }

        // Holds a card until its menu opens; returns the menu.
        function holdCard(itemId) {
            var menu = T.find(notes, "noteItemMenu")
            var c = null
            tryVerify(function () { c = N.card(notes, itemId); return c !== null })
            T.hold(idCase, c, menu)
            return menu
        }

        function test_holdPseudoBoxOnlyRefuses_data() {
            return [
                { tag: "全部, edit", boxId: -1, item: "编辑", msg: "此分类不可编辑" },
                { tag: "全部, delete", boxId: -1, item: "删除", msg: "此分类不可删除" },
                { tag: "未分类, edit", boxId: 0, item: "编辑", msg: "此分类不可编辑" },
                { tag: "未分类, delete", boxId: 0, item: "删除", msg: "此分类不可删除" }
            ]
        }

        function test_holdPseudoBoxOnlyRefuses(data) {
            N.addNote({ note: "n", title: "n" }, Encryptor)
            createNotes()
            compare(names(grid().noteBoxList), ["全部", "未分类"])
            var menu = T.find(notes, "noteBoxMenu")
            var name = DB.getNoteBox(data.boxId).name
            T.hold(idCase, cell(data.boxId), menu)
            // the release that ends the hold opens nothing
            compare(T.find(notes, "notesStack").currentIndex, 0)
            compare(grid().currentIndex, data.boxId === -1 ? 0 : 1)
            verify(T.findText(menu, "编辑 \"" + name + "\""))
            T.tap(idCase, T.findText(menu, data.item + " \"" + name + "\""))
            T.expectToast(idCase, toast(), data.msg)
            compare(grid().currentIndex, -1)
            compare(T.find(notes, "editNoteBoxPage").visible, false)
            compare(DB.root.data.noteItemList.length, 1)
            compare(DB.root.data.noteBoxList.length, 1)
        }

        function test_deleteBoxMovesNotesToUncategorised() {
            var box = N.addBox("Work")
            N.addNote({ note: "a", title: "a", boxId: box.id }, Encryptor)
            N.addNote({ note: "b", title: "b", boxId: box.id }, Encryptor)
            createNotes()
            compare(names(grid().noteBoxList), ["全部", "Work"])
            waitCount(box.id, "2")

            var menu = T.find(notes, "noteBoxMenu")
            T.hold(idCase, cell(box.id), menu)
            T.tap(idCase, T.findText(menu, "删除 \"Work\""))
            tryCompare(menu, "visible", false)
            compare(names(grid().noteBoxList), ["全部", "未分类"])
            compare(DB.getNoteBoxItemCount(0), 2)
            compare(DB.root.data.noteItemList[0].boxId, 0)
            compare(DB.root.data.noteItemList[1].boxId, 0)
            waitCount(0, "2")
            // written at once
            DB.load()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.data.noteBoxList.length, 1)
            compare(DB.root.data.noteItemList[0].boxId, 0)
        }

        function test_editBox() {
            var box = N.addBox("Work")
            createNotes()
            var menu = T.find(notes, "noteBoxMenu")
            T.hold(idCase, cell(box.id), menu)
            T.tap(idCase, T.findText(menu, "编辑 \"Work\""))
            var page = T.find(notes, "editNoteBoxPage")
            tryCompare(page, "opened", true)
            compare(page.noteBoxId, box.id)
            var edit = T.find(page, "nameEdit")
            compare(edit.text, "Work")
            T.tap(idCase, edit)
            keyClick(Qt.Key_End)
            T.typeText(idCase, "s")
            T.tap(idCase, T.find(page, "boxDoneButton"))
            tryCompare(page, "visible", false)
            compare(DB.getNoteBox(box.id).name, "Works")
            compare(names(grid().noteBoxList), ["全部", "Works"])
        }

        function test_addNoteFiling_data() {
            return [
                { tag: "from the grid", open: null, expected: 0 },
                { tag: "from 全部", open: -1, expected: 0 },
                { tag: "from 未分类", open: 0, expected: 0 },
                { tag: "from a user box", open: 1, expected: 1 }
            ]
        }

        function test_addNoteFiling(data) {
            N.addBox("Work")
            N.addNote({ note: "seed", title: "seed" }, Encryptor)
            createNotes()
            if (data.open !== null) {
                N.openBox(idCase, notes, data.open)
                compare(titleText(), DB.getNoteBox(data.open).name)
                compare(list().boxId, data.open)
            }
            var returnText = titleText()
            N.addNoteViaMenu(idCase, notes)
            var ed = N.editor(notes)
            compare(ed.noteItemId, 0)
            compare(ed.noteBoxId, data.expected)
            compare(ed.returnText, returnText)
            compare(T.findType(T.find(ed, "noteEditTitleBar"), "ReturnButton").text, returnText)
            compare(T.find(ed, "noteAttrBox").text, "[" + DB.getNoteBox(data.expected).name + "]")
            mouseClick(N.textArea(notes), 10, 10)
            T.typeText(idCase, "fresh")
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            var head = DB.root.data.noteItemList[0]
            compare(head.note, "fresh")
            compare(head.boxId, data.expected)
            compare(head.colorIndex, 0)
            compare(DB.root.data.noteItemList.length, 2)
            // the grid and the list were reloaded
            waitCount(-1, "2")
            if (data.open === -1 || data.open === 1)
                compare(list().noteItemList[0].id, head.id)
            if (data.open !== null) {
                T.tap(idCase, T.find(notes, "noteGoBack"))
                tryCompare(T.find(notes, "notesStack"), "currentIndex", 0)
                compare(titleText(), "便签")
            }
        }

        function test_deleteNoteFromHoldMenu() {
            var a = N.addNote({ note: "alpha\nrest", title: "alpha", summary: "rest" }, Encryptor)
            var b = N.addNote({ note: "beta", title: "beta" }, Encryptor)
            createNotes()
            N.openBox(idCase, notes, -1)
            var menu = holdCard(a.id)
            compare(N.editor(notes).visible, false)
            verify(T.findText(menu, "删除 \"alpha\""))
            compare(list().currentHoldIndex, 1)
            T.tap(idCase, T.findText(menu, "删除 \"alpha\""))
            tryCompare(menu, "visible", false)
            compare(DB.getNoteItem(a.id), null)
            compare(listIds(), [b.id])
            compare(list().currentHoldIndex, -1)
            waitCount(-1, "1")

            // cancel only clears the highlight
            menu = holdCard(b.id)
            T.tap(idCase, T.find(menu, "menuCancel"))
            tryCompare(menu, "visible", false)
            compare(list().currentHoldIndex, -1)
            compare(listIds(), [b.id])
        }

        function test_confidentialDeleteAsksPin() {
            T.setPin()
            var s = N.addNote({ securityLevel: 1, note: "secret", title: "vault", summary: "******" },
                              Encryptor)
            createNotes()
            N.openBox(idCase, notes, -1)
            var menu = holdCard(s.id)
            T.tap(idCase, T.findText(menu, "删除 \"vault\""))
            T.answerPinCheck(idCase, pinRequest(), false)
            verify(DB.getNoteItem(s.id) !== null)
            compare(listIds(), [s.id])

            menu = holdCard(s.id)
            T.tap(idCase, T.findText(menu, "删除 \"vault\""))
            T.answerPinCheck(idCase, pinRequest(), true)
            compare(DB.getNoteItem(s.id), null)
            compare(listIds(), [])
        }

        function test_confidentialDeleteWithKeyHeld() {
            T.setPin()
            var s = N.addNote({ securityLevel: 1, note: "secret", title: "vault", summary: "******" },
                              Encryptor)
            DB.pinCode = T.pinKey()
            createNotes()
            N.openBox(idCase, notes, -1)
            var menu = holdCard(s.id)
            T.tap(idCase, T.findText(menu, "删除 \"vault\""))
            tryCompare(menu, "visible", false)
            compare(T.find(pinRequest(), "checkPinCodePage").visible, false)
            compare(DB.getNoteItem(s.id), null)
        }

        function test_confidentialOpenAsksPin() {
            T.setPin()
            var box = N.addBox("Private")
            var s = N.addNote({ securityLevel: 1, note: "the secret\nline", title: "the secret",
                                summary: "******", boxId: box.id }, Encryptor)
            createNotes()
            N.openBox(idCase, notes, box.id)
            var c = null
            tryVerify(function () { c = N.card(notes, s.id); return c !== null })
            verify(T.find(c, "noteCardLock").visible)
            compare(T.find(c, "noteCardSummary").text, "******")

            N.tapCard(idCase, notes, s.id)
            T.answerPinCheck(idCase, pinRequest(), false)
            compare(N.editor(notes).visible, false)

            N.tapCard(idCase, notes, s.id)
            T.answerPinCheck(idCase, pinRequest(), true)
            N.waitEditorOpen(idCase, notes)
            var ed = N.editor(notes)
            compare(ed.noteItemId, s.id)
            compare(N.textArea(notes).text, "the secret\nline")
            compare(ed.title, "编辑便签")
            compare(ed.returnText, "Private")
            N.clickReturn(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            // with the key held the note opens at once
            N.openNote(idCase, notes, s.id)
            compare(T.find(pinRequest(), "checkPinCodePage").visible, false)
        }

        // The list's hint, on its one showing (the first time the list is
        // shown at all), stands centred over the list, 7 units from its top.
        function test_listHintCentred_data() {
            return [ { tag: "Chinese", english: false, text: "长按可删除" },
                     { tag: "English", english: true, text: "Press and hold to delete" } ]
        }
        function test_listHintCentred(data) {
            N.addNote({ note: "n", title: "n" }, Encryptor)
            DB.root.app.prompt.noteItemEdit = true
            DB.save()
            verify(testLanguage.setEnglish(data.english))
            createNotes()
            N.openBox(idCase, notes, -1)
            var hint = T.find(list(), "noteListPrompt")
            tryCompare(hint, "opened", true)
            compare(T.find(hint, "promptText").text, data.text)
            verify(hint.width > 0)
            var left = hint.contentItem.mapToItem(list(), 0, 0)
            verify(Math.abs(left.x + hint.width / 2 - list().width / 2) <= 1,
                   "hint at " + left.x + ", " + hint.width + " wide, over " + list().width)
            compare(left.y, Util.unitHeight * 7)
        }

        function test_hintsShownOnce() {
            N.addBox("Work")
            N.addNote({ note: "n", title: "n" }, Encryptor)
            DB.root.app.prompt.noteBoxEdit = true
            DB.root.app.prompt.noteItemEdit = true
            DB.save()
            createNotes()
            var boxHint = T.find(grid(), "boxEditPrompt")
            tryCompare(boxHint, "opened", true)
            compare(T.find(boxHint, "promptText").text, "长按可编辑")
            compare(DB.root.app.prompt.noteBoxEdit, false)
            T.tap(idCase, boxHint.contentItem)
            tryCompare(boxHint, "visible", false)

            N.openBox(idCase, notes, -1)
            var listHint = T.find(list(), "noteListPrompt")
            tryCompare(listHint, "opened", true)
            compare(T.find(listHint, "promptText").text, "长按可删除")
            compare(DB.root.app.prompt.noteItemEdit, false)
            T.tap(idCase, listHint.contentItem)
            tryCompare(listHint, "visible", false)

            // stored without stamping, and not shown again
            DB.load()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.app.prompt.noteBoxEdit, false)
            compare(DB.root.app.prompt.noteItemEdit, false)
            notes.goBack()
            tryCompare(T.find(notes, "notesStack"), "currentIndex", 0)
            compare(boxHint.visible, false)
            N.openBox(idCase, notes, -1)
            compare(listHint.visible, false)
        }
    }
}
