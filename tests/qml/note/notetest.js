// Helpers for the notes tab tests: notes in the store and the steps a user
// takes on the tab. Functions that drive the UI take the TestCase as tc.
.pragma library
.import "qrc:/js/db.js" as DB
.import "../common/pagetest.js" as T

// A note at the head of the list as the editor files it; a confidential
// note's text is stored under the PIN key.
function addNote(fields, encryptor) {
    var item = DB.addNoteItem()
    DB.moveNoteItemFront(item.id)
    return T.fillItem(item, fields, ["note"], encryptor)
}

function addBox(name) {
    var box = DB.addNoteBox()
    box.name = name
    box.iconId = 3
    DB.save()
    return box
}

function editor(notes) {
    return T.find(notes, "editNoteItemPage")
}

function textArea(notes) {
    return T.find(editor(notes), "noteTextArea")
}

function attrPage(notes) {
    return T.find(editor(notes), "editNoteItemAttrPage")
}

// Whether the editor's "完成" is shown.
function doneShown(notes) {
    var button = T.find(editor(notes), "noteDoneButton")
    return button !== null && T.isShown(button)
}

function openBox(tc, notes, boxId) {
    T.tap(tc, T.find(notes, "boxButton_" + boxId))
    tc.tryCompare(T.find(notes, "notesStack"), "currentIndex", 1)
}

function card(notes, itemId) {
    return T.find(T.find(notes, "noteListView"), "noteCard_" + itemId)
}

// Taps a note's card in the shown list; the caller waits for what opens.
function tapCard(tc, notes, itemId) {
    var c = null
    tc.tryVerify(function () {
        c = card(notes, itemId)
        return c !== null && T.isShown(c)
    })
    T.tap(tc, c)
}

function waitEditorOpen(tc, notes) {
    tc.tryCompare(editor(notes), "opened", true)
}

function openNote(tc, notes, itemId) {
    tapCard(tc, notes, itemId)
    waitEditorOpen(tc, notes)
}

// "添加便签" from the page menu.
function addNoteViaMenu(tc, notes) {
    T.tap(tc, T.findType(T.find(notes, "notesTitleBar"), "PlusButton"))
    var menu = T.find(notes, "notePageMenu")
    tc.tryCompare(menu, "opened", true)
    T.tap(tc, T.find(menu, "pageMenuItem_1"))
    tc.tryCompare(menu, "visible", false)
    waitEditorOpen(tc, notes)
}

function clickDone(tc, notes) {
    T.tap(tc, T.find(editor(notes), "noteDoneButton"))
}

function clickReturn(tc, notes) {
    T.tap(tc, T.findType(T.find(editor(notes), "noteEditTitleBar"), "ReturnButton"))
}

function waitEditorClosed(tc, notes) {
    tc.tryCompare(editor(notes), "visible", false)
}

function openAttr(tc, notes) {
    T.tap(tc, T.find(editor(notes), "noteAttrBar"))
    var page = attrPage(notes)
    tc.tryCompare(page, "opened", true)
    // the whole sheet stands on the screen
    var done = T.find(page, "noteAttrDone")
    var bottom = done.mapToItem(notes, 0, done.height).y
    tc.verify(bottom > 0 && bottom <= notes.height, "sheet bottom at " + bottom)
    return page
}

function acceptAttr(tc, notes) {
    var page = attrPage(notes)
    T.tap(tc, T.find(page, "noteAttrDone"))
    tc.tryCompare(page, "visible", false)
}
