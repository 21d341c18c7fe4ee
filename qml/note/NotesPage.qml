import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// The notes tab: the note box grid (page 0) and the notes of one box
// (page 1), with every sheet of the tab created once and reopened.
Rectangle {
    id: idNotesPage
    color: Theme.pageColor

    // Called on a repeated tap of the tab and by the list's back control.
    function goBack() {
        idTitleBar.text = qsTr("便签")
        idNoteStack.currentIndex = 0
    }

    function openNoteEditor(itemId) {
        idEditNoteItemPage.returnText = idTitleBar.text
        idEditNoteItemPage.noteItemId = itemId
        idEditNoteItemPage.open()
    }

    function addNote() {
        var boxId = DB.constBoxIdUncateg
        if (idNoteStack.currentIndex === 1 && idNoteListView.boxId > 0)
            boxId = idNoteListView.boxId
        idEditNoteItemPage.noteBoxId = boxId
        openNoteEditor(0)
    }

    // A confidential note is opened or deleted only under the verified PIN
    // key; a failed or cancelled check reloads the list.
    function withNoteKey(itemId, action) {
        idPinKeyRequest.guard(DB.getNoteItem(itemId), action, idNoteListView.updateModel)
    }

    function reloadAll() {
        idNoteListView.updateModel()
        idNoteBoxView.updateModel()
    }

    // A write was refused: the store put the vault back.
    function saveFailed() {
        idPopupMsg.show(qsTr("保存数据失败"), true)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TitleBar {
            id: idTitleBar
            objectName: "notesTitleBar"
            Layout.fillWidth: true
            text: qsTr("便签")
            haveMenuButton: true
            onMenuButtonClicked: {
                idNotePageMenu.popupTopMargin = idTitleBar.mapToItem(null, 0, idTitleBar.height).y
                idNotePageMenu.open()
            }
        }

        StackLayout {
            id: idNoteStack
            objectName: "notesStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: 0

            Item {
                NoteBoxView {
                    id: idNoteBoxView
                    onWriteRefused: idNotesPage.saveFailed()
                    objectName: "noteBoxView"
                    anchors.fill: parent
                    anchors.leftMargin: Util.unitHeight * 0.75
                    anchors.rightMargin: Util.unitHeight * 0.75
                    onBoxClicked: {
                        var box = DB.getNoteBox(boxId)
                        idTitleBar.text = box ? box.name : ""
                        idNoteListView.boxId = boxId
                        idNoteStack.currentIndex = 1
                    }
                    onBoxEdited: idBoxMenu.openFor(boxId, boxName)
                }
            }

            NoteListView {
                id: idNoteListView
                onWriteRefused: idNotesPage.saveFailed()
                objectName: "noteListView"
                onGobackClicked: idNotesPage.goBack()
                onNoteItemClicked: {
                    idNotesPage.withNoteKey(itemId, function () {
                        idNotesPage.openNoteEditor(itemId)
                    })
                }
                onNoteItemDelayClicked: {
                    var item = DB.getNoteItem(itemId)
                    if (!item)
                        return
                    idNoteMenu.menuItems = []
                    idNoteMenu.menuItems = [
                        { text: qsTr("删除") + " \"" + item.title + "\"", color: Theme.textRedColor, noteItemId: itemId }
                    ]
                    idNoteMenu.open()
                }
            }
        }
    }

    NotePageMenu {
        id: idNotePageMenu
        objectName: "notePageMenu"
        onMenuAddCategory: {
            idEditNoteBoxPage.noteBoxId = 0
            idEditNoteBoxPage.open()
        }
        onMenuAddNote: idNotesPage.addNote()
    }

    BoxMenu {
        id: idBoxMenu
        objectName: "noteBoxMenu"
        boxIdKey: "noteBoxId"
        onAnswered: idNoteBoxView.clearHighlight()
        onRefused: idPopupMsg.show(msg)
        onEditRequested: {
            idEditNoteBoxPage.noteBoxId = boxId
            idEditNoteBoxPage.open()
        }
        onRemoveRequested: {
            DB.removeNoteBox(boxId)
            if (!DB.save())
                idNotesPage.saveFailed()
            idNotesPage.reloadAll()
        }
    }

    BottomPopupMenu {
        id: idNoteMenu
        objectName: "noteItemMenu"
        onMenuTriggered: {
            idNoteListView.resetCurrentIndex()
            if (itemIdx < 0 || !itemObj)
                return
            var itemId = itemObj.noteItemId
            idNotesPage.withNoteKey(itemId, function () {
                DB.removeNoteItem(itemId)
                if (!DB.save())
                    idNotesPage.saveFailed()
                idNotesPage.reloadAll()
            })
        }
    }

    // Only checks the PIN: a confidential note cannot exist without one.
    PinKeyRequest {
        id: idPinKeyRequest
        objectName: "notesPinKeyRequest"
        offerNewPin: false
    }

    EditNoteBoxPage {
        id: idEditNoteBoxPage
        objectName: "editNoteBoxPage"
        onAccepted: idNoteBoxView.updateModel()
    }

    EditNoteItemPage {
        id: idEditNoteItemPage
        objectName: "editNoteItemPage"
        onAccepted: idNotesPage.reloadAll()
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "notesPopupMsg"
    }
}
