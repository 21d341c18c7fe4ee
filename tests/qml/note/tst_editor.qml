import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Encryptor 1.0
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/note"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon
import "qrc:/js/pubfun.js" as Pubfun
import "../common/pagetest.js" as T
import "notetest.js" as N
import "../common"

// The note editor, opened from the notes tab: title and summary, the cut of
// long texts, dirty state, dates and list positions, the attribute sheet and
// the PIN key a confidential note is saved under.
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
        name: "NoteEditor"
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
            DB.pinCode = ""
        }

        function createNotes() {
            notes = idNotesComp.createObject(idWindow)
            verify(notes)
            return notes
        }

        function repeat(ch, n) {
            return new Array(n + 1).join(ch)
        }

        // Puts text into the note through the clipboard at the cursor.
        function paste(text) {
            var area = N.textArea(notes)
            if (!area.activeFocus)
                mouseClick(area, 10, 10)
            tryVerify(function () { return area.activeFocus })
            Util.clipboardText = text
            keySequence(StandardKey.Paste)
        }

        function clearText() {
            var area = N.textArea(notes)
            mouseClick(area, 10, 10)
            keySequence(StandardKey.SelectAll)
            keyClick(Qt.Key_Delete)
            compare(area.text, "")
        }

        function clickSwatch(page, idx) {
            T.tap(idCase, T.find(page, "noteColorSwatch_" + idx))
        }

        function checkedSwatches(page) {
            var on = []
            for (var i = 0; i < 6; ++i) {
                if (T.find(page, "noteColorSwatch_" + i).checked)
                    on.push(i)
            }
            return on
        }

        // A new note with text, saved with "完成"; returns the stored note.
        function saveNewNote(text, confidential) {
            createNotes()
            N.addNoteViaMenu(idCase, notes)
            paste(text)
            if (confidential) {
                var page = N.openAttr(idCase, notes)
                T.tap(idCase, T.find(page, "noteRdoConfidential"))
                N.acceptAttr(idCase, notes)
            }
            tryVerify(function () { return N.doneShown(notes) })
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)
            return DB.root.data.noteItemList[0]
        }

        // Three notes A, B, C from oldest to newest: the list reads C, B, A.
        function threeNotes() {
            var day = 24 * 3600 * 1000
            var now = new Date().getTime()
            return [
                N.addNote({ note: "A text", title: "A text", date: now - 3 * day }, Encryptor),
                N.addNote({ note: "B text\nmore", title: "B text", summary: "more",
                            colorIndex: 1, date: now - 2 * day }, Encryptor),
                N.addNote({ note: "C text", title: "C text", date: now - day }, Encryptor)
            ]
        }

        function ids() {
            return DB.root.data.noteItemList.map(function (n) { return n.id })
        }

        function test_titleAndSummary_data() {
            var x31 = repeat("x", 31)
            return [
                { tag: "empty lines skipped, blanks kept", text: "\n\nword\n  \nother",
                  title: "word", summary: "  " },
                { tag: "only the first two lines", text: "one\ntwo\nthree", title: "one", summary: "two" },
                { tag: "nothing in the first eight lines", text: repeat("\n", 8) + "nine",
                  title: "", summary: "" },
                { tag: "eighth line counts, ninth does not", text: repeat("\n", 7) + "eight\nnine",
                  title: "eight", summary: "" },
                { tag: "40 characters cut to 32", text: repeat("t", 40) + "\n" + repeat("s", 33),
                  title: repeat("t", 32), summary: repeat("s", 32) },
                { tag: "cut never splits a surrogate pair", text: x31 + "\ud83d\ude00z\n" + x31 + "\ud83d\ude00",
                  title: x31, summary: x31 },
                { tag: "pair that fits whole", text: repeat("x", 30) + "\ud83d\ude00z",
                  title: repeat("x", 30) + "\ud83d\ude00", summary: "" },
                { tag: "confidential", text: "first\nsecond", confidential: true,
                  title: "first", summary: "******" },
                { tag: "confidential, one line", text: "\n\nonly", confidential: true,
                  title: "only", summary: "******" }
            ]
        }

        function test_titleAndSummary(data) {
            if (data.confidential) {
                T.setPin()
                DB.pinCode = T.pinKey()
            }
            var item = saveNewNote(data.text, data.confidential)
            compare(DB.root.data.noteItemList.length, 1)
            compare(item.title, data.title)
            compare(item.summary, data.summary)
            if (data.confidential) {
                compare(item.securityLevel, 1)
                verify(item.note !== data.text)
                compare(Encryptor.aesDecrypt(T.pinKey(), item.note), data.text)
            } else {
                compare(item.securityLevel, 0)
                compare(item.note, data.text)
            }
            // the card shows the stored previews
            N.openBox(idCase, notes, -1)
            var card = null
            tryVerify(function () { card = N.card(notes, item.id); return card !== null })
            compare(T.find(card, "noteCardTitle").text, data.title)
            compare(T.find(card, "noteCardSummary").text, data.summary)
            compare(T.find(card, "noteCardLock").visible, !!data.confidential)
        }

        function test_longTextCut_data() {
            var pair = "\ud83d\ude00"
            return [
                { tag: "9000 characters", text: repeat("a", 9000), stored: repeat("a", 8192) },
                { tag: "pair across the limit", text: repeat("a", 8191) + pair + "bbb",
                  stored: repeat("a", 8191) },
                { tag: "pair just inside", text: repeat("a", 8190) + pair + "bbb",
                  stored: repeat("a", 8190) + pair }
            ]
        }

        function test_longTextCut(data) {
            var item = saveNewNote(data.text)
            compare(item.note.length, data.stored.length)
            verify(item.note === data.stored)
            compare(item.title, data.stored.substring(0, 32))
        }

        function test_emptyNewNoteCannotBeSaved() {
            createNotes()
            N.addNoteViaMenu(idCase, notes)
            var ed = N.editor(notes)
            compare(ed.title, "新建便签")
            compare(N.doneShown(notes), false)
            compare(ed.interactive, true)
            mouseClick(N.textArea(notes), 10, 10)
            keyClick("a")
            tryVerify(function () { return N.doneShown(notes) })
            compare(ed.interactive, false)
            keyClick(Qt.Key_Backspace)
            tryVerify(function () { return !N.doneShown(notes) })
            compare(ed.interactive, true)
            // a colour alone does not make an empty note worth saving
            var page = N.openAttr(idCase, notes)
            clickSwatch(page, 3)
            N.acceptAttr(idCase, notes)
            compare(ed.attributeDirty, true)
            compare(N.doneShown(notes), false)

            N.clickReturn(idCase, notes)
            N.waitEditorClosed(idCase, notes)
            compare(T.find(ed, "noteSaveQuestion").visible, false)
            compare(DB.root.data.noteItemList.length, 0)
        }

        function test_clearingExistingNoteKeepsIt() {
            var stored = threeNotes()[1]
            var before = JSON.stringify(stored)
            createNotes()
            N.openBox(idCase, notes, -1)
            N.openNote(idCase, notes, stored.id)
            compare(N.editor(notes).title, "编辑便签")
            compare(N.textArea(notes).text, "B text\nmore")
            compare(N.doneShown(notes), false)

            var page = N.openAttr(idCase, notes)
            clickSwatch(page, 4)
            N.acceptAttr(idCase, notes)
            tryVerify(function () { return N.doneShown(notes) })
            clearText()
            tryVerify(function () { return !N.doneShown(notes) })

            N.clickReturn(idCase, notes)
            N.waitEditorClosed(idCase, notes)
            compare(JSON.stringify(DB.getNoteItem(stored.id)), before)
            compare(ids(), [3, 2, 1])
        }

        function test_colourOnlyKeepsDateAndPlace() {
            var b = threeNotes()[1]
            var date = b.date
            createNotes()
            N.openBox(idCase, notes, -1)
            N.openNote(idCase, notes, b.id)
            var page = N.openAttr(idCase, notes)
            compare(checkedSwatches(page), [1])
            clickSwatch(page, 5)
            compare(checkedSwatches(page), [5])
            N.acceptAttr(idCase, notes)
            tryVerify(function () { return N.doneShown(notes) })
            compare(N.editor(notes).noteColorIndex, 5)
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            var saved = DB.getNoteItem(b.id)
            compare(saved.colorIndex, 5)
            compare(saved.date, date)
            compare(saved.note, "B text\nmore")
            compare(ids(), [3, 2, 1])
            var colors = Icon.getNoteColorList(Theme.darkMode)
            tryVerify(function () {
                var c = N.card(notes, b.id)
                return c !== null && c.colorPair.bright === colors[5].bright
            })
        }

        function test_textChangeMovesToHeadWithToday() {
            var b = threeNotes()[1]
            createNotes()
            N.openBox(idCase, notes, -1)
            N.openNote(idCase, notes, b.id)
            var area = N.textArea(notes)
            mouseClick(area, 10, 10)
            keyClick(Qt.Key_End, Qt.ControlModifier)
            keyClick("!")
            compare(area.text, "B text\nmore!")
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            compare(ids(), [2, 3, 1])
            var today = Pubfun.millisecToDateStr(new Date().getTime())
            compare(Pubfun.millisecToDateStr(DB.getNoteItem(b.id).date), today)
            compare(DB.getNoteItem(b.id).summary, "more!")
            var list = T.find(notes, "noteListView")
            tryVerify(function () { return list.noteItemList[0].id === b.id })
            var card = null
            tryVerify(function () { card = N.card(notes, b.id); return card !== null })
            compare(T.find(card, "noteCardDate").text, today)
        }

        function test_attrSheetShowsNoteValuesAgain() {
            var box = N.addBox("Work")
            var item = N.addNote({ note: "n", title: "n", colorIndex: 2, boxId: box.id }, Encryptor)
            createNotes()
            N.openBox(idCase, notes, box.id)
            N.openNote(idCase, notes, item.id)
            compare(T.find(N.editor(notes), "noteAttrBox").text, "[Work]")
            var page = N.openAttr(idCase, notes)
            compare(checkedSwatches(page), [2])
            compare(T.find(page, "noteAttrBoxName").text, "Work")
            clickSwatch(page, 4)
            T.tap(idCase, T.find(page, "noteRdoConfidential"))
            // no PIN exists: the question comes; its "取消" returns to "普通"
            var request = T.find(page, "noteAttrPinKeyRequest")
            var question = T.find(request, "noPinDialog")
            tryCompare(question, "opened", true)
            T.tap(idCase, T.find(question, "rejectButton"))
            tryCompare(question, "visible", false)
            compare(T.find(page, "noteRdoNormal").checked, true)
            T.tap(idCase, T.find(page, "noteAttrClose"))
            tryCompare(page, "visible", false)
            compare(N.editor(notes).noteColorIndex, 2)
            compare(N.doneShown(notes), false)

            page = N.openAttr(idCase, notes)
            compare(checkedSwatches(page), [2])
            compare(T.find(page, "noteRdoNormal").checked, true)
        }

        function test_boxChangeKeepsDateAndPlace() {
            var box = N.addBox("Work")
            var b = threeNotes()[1]
            var date = b.date
            createNotes()
            N.openBox(idCase, notes, 0)
            N.openNote(idCase, notes, b.id)
            compare(T.find(N.editor(notes), "noteAttrBox").text, "[未分类]")
            var page = N.openAttr(idCase, notes)
            compare(T.find(page, "noteAttrBoxName").text, "未分类")
            T.tap(idCase, T.find(page, "noteChooseBox"))
            var chooser = T.find(page, "noteBoxChoosePage")
            tryCompare(chooser, "opened", true)
            compare(T.find(chooser, "boxChooseList").count, 2)
            T.tap(idCase, T.findText(chooser, "Work"))
            T.tap(idCase, T.find(chooser, "chooseDoneButton"))
            tryCompare(chooser, "visible", false)
            compare(T.find(page, "noteAttrBoxName").text, "Work")
            N.acceptAttr(idCase, notes)
            compare(T.find(N.editor(notes), "noteAttrBox").text, "[Work]")
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            var saved = DB.getNoteItem(b.id)
            compare(saved.boxId, box.id)
            compare(saved.date, date)
            compare(ids(), [3, 2, 1])
            // the list of 未分类 no longer holds it
            tryVerify(function () { return N.card(notes, b.id) === null })
        }

        function test_confidentialBackToNormal() {
            T.setPin()
            var item = N.addNote({ securityLevel: 1, note: "head line\n\nsecond line",
                                   title: "head line", summary: "******" }, Encryptor)
            var date = item.date
            DB.pinCode = T.pinKey()
            createNotes()
            N.openBox(idCase, notes, -1)
            N.openNote(idCase, notes, item.id)
            compare(N.textArea(notes).text, "head line\n\nsecond line")
            compare(T.find(N.editor(notes), "noteAttrLevel").text, "机密")
            var page = N.openAttr(idCase, notes)
            compare(T.find(page, "noteRdoConfidential").checked, true)
            T.tap(idCase, T.find(page, "noteRdoNormal"))
            N.acceptAttr(idCase, notes)
            compare(T.find(N.editor(notes), "noteAttrLevel").text, "普通")
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            var saved = DB.getNoteItem(item.id)
            compare(saved.securityLevel, 0)
            compare(saved.note, "head line\n\nsecond line")
            compare(saved.title, "head line")
            compare(saved.summary, "second line")
            compare(saved.date, date)
        }

        // The key was verified when "机密" was chosen but is absent or not
        // the vault's by the time the note is saved.
        function test_saveAsksForPinKey_data() {
            return [
                { tag: "key dropped", key: "" },
                { tag: "key of another PIN", key: Qt.md5("000000") }
            ]
        }

        function test_saveAsksForPinKey(data) {
            T.setPin()
            createNotes()
            N.addNoteViaMenu(idCase, notes)
            paste("my secret\nsecond")
            var page = N.openAttr(idCase, notes)
            T.tap(idCase, T.find(page, "noteRdoConfidential"))
            T.answerPinCheck(idCase, T.find(page, "noteAttrPinKeyRequest"), true)
            compare(T.find(page, "noteRdoConfidential").checked, true)
            N.acceptAttr(idCase, notes)
            compare(N.editor(notes).noteSecurityLevel, 1)

            DB.pinCode = data.key
            var request = T.find(N.editor(notes), "noteSavePinKeyRequest")
            N.clickDone(idCase, notes)
            T.answerPinCheck(idCase, request, false)
            compare(N.editor(notes).opened, true)
            compare(DB.root.data.noteItemList.length, 0)

            // "保存" of the return question goes the same way
            N.clickReturn(idCase, notes)
            var question = T.find(N.editor(notes), "noteSaveQuestion")
            tryCompare(question, "opened", true)
            compare(T.find(question, "dialogMsg").text, "此便签已修改，是否保存?")
            T.tap(idCase, T.find(question, "acceptButton"))
            T.answerPinCheck(idCase, request, true)
            N.waitEditorClosed(idCase, notes)

            compare(DB.root.data.noteItemList.length, 1)
            var saved = DB.root.data.noteItemList[0]
            compare(saved.securityLevel, 1)
            compare(Encryptor.aesDecrypt(T.pinKey(), saved.note), "my secret\nsecond")
            compare(saved.title, "my secret")
            compare(saved.summary, "******")
        }

        function test_confidentialWithFirstPin() {
            createNotes()
            N.addNoteViaMenu(idCase, notes)
            paste("hidden")
            var page = N.openAttr(idCase, notes)
            var request = T.find(page, "noteAttrPinKeyRequest")
            var question = T.find(request, "noPinDialog")
            T.tap(idCase, T.find(page, "noteRdoConfidential"))
            tryCompare(question, "opened", true)
            compare(T.find(question, "dialogMsg").text, "启用此功能需要设置PIN码，现在设置?")
            // Escape counts as "取消"
            keyClick(Qt.Key_Escape)
            tryCompare(question, "visible", false)
            compare(T.find(page, "noteRdoNormal").checked, true)

            T.tap(idCase, T.find(page, "noteRdoConfidential"))
            tryCompare(question, "opened", true)
            T.tap(idCase, T.find(question, "acceptButton"))
            var change = T.find(request, "changePinCodePage")
            tryCompare(change, "opened", true)
            T.clickDigits(idCase, change, T.PIN)
            tryCompare(T.find(change, "changePinPrompt"), "text", "验证新PIN码")
            T.waitPadEmpty(idCase, change)
            T.clickDigits(idCase, change, T.PIN)
            tryCompare(change, "visible", false, 3000)
            T.expectToast(idCase, T.find(request, "pinKeyPopupMsg"), "PIN码已修改")
            compare(T.find(page, "noteRdoConfidential").checked, true)
            N.acceptAttr(idCase, notes)
            N.clickDone(idCase, notes)
            N.waitEditorClosed(idCase, notes)

            var saved = DB.root.data.noteItemList[0]
            compare(saved.securityLevel, 1)
            compare(Encryptor.aesDecrypt(T.pinKey(), saved.note), "hidden")
        }

        function test_returnOnChangedNote() {
            var b = threeNotes()[1]
            createNotes()
            N.openBox(idCase, notes, -1)
            N.openNote(idCase, notes, b.id)
            paste("X")
            N.clickReturn(idCase, notes)
            var question = T.find(N.editor(notes), "noteSaveQuestion")
            tryCompare(question, "opened", true)
            compare(T.find(question, "rejectButton").text, "放弃")
            compare(T.find(question, "acceptButton").text, "保存")
            T.tap(idCase, T.find(question, "rejectButton"))
            N.waitEditorClosed(idCase, notes)
            compare(DB.getNoteItem(b.id).note, "B text\nmore")
            compare(ids(), [3, 2, 1])

            // reopened, the editor shows the stored text again
            N.openNote(idCase, notes, b.id)
            compare(N.textArea(notes).text, "B text\nmore")
            compare(N.doneShown(notes), false)
        }

        function test_attrHintShownOnce() {
            DB.root.app.prompt.noteAttrEdit = true
            DB.save()
            createNotes()
            N.addNoteViaMenu(idCase, notes)
            var hint = T.find(N.editor(notes), "noteAttrPrompt")
            tryCompare(hint, "opened", true)
            compare(T.find(hint, "promptText").text, "点击修改属性")
            DB.load()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.app.prompt.noteAttrEdit, false)
            T.tap(idCase, hint.contentItem)
            tryCompare(hint, "visible", false)

            // not shown at the next opening of the editor
            N.clickReturn(idCase, notes)
            N.waitEditorClosed(idCase, notes)
            N.addNoteViaMenu(idCase, notes)
            compare(hint.visible, false)
        }
    }
}
