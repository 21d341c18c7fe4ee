import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Grid of note boxes: "全部", the user boxes, then "未分类" while it holds notes.
GridView {
    id: idNoteBoxView

    property var noteBoxList: []
    property int heldIndex: -1

    signal boxClicked(int boxId)
    signal boxEdited(int boxId, string boxName)

    readonly property int columnCount: Util.isPad() ? 4 : 3

    function updateModel() {
        heldIndex = -1
        // The tiles read their counts from the store, and a box list equal to
        // the shown one would keep the old tiles: empty it first.
        noteBoxList = []
        noteBoxList = DB.getNoteBoxList()
    }

    function clearHighlight() {
        heldIndex = -1
    }

    function showEditHint() {
        if (DB.root.data.noteBoxList.length > 1 && DB.root.app.prompt.noteBoxEdit) {
            DB.root.app.prompt.noteBoxEdit = false
            DB.saveOnly()
            var pad = Util.isPad()
            idPromptMenu.x = cellWidth * (pad ? 1.2 : 1.13)
            idPromptMenu.y = cellHeight * (pad ? 0.75 : 0.8)
            idPromptMenu.open()
        }
    }

    clip: true
    cellWidth: Util.isPad() ? Math.floor((Util.screenSize.width - Util.unitHeight * 1.5) / 4)
                            : Math.floor(width / 3)
    cellHeight: cellWidth
    topMargin: Util.unitHeight * 0.75
    bottomMargin: Util.unitHeight * 6
    model: noteBoxList

    onVisibleChanged: {
        if (visible) {
            updateModel()
            showEditHint()
        }
    }
    Component.onCompleted: {
        if (visible) {
            updateModel()
            showEditHint()
        }
    }

    delegate: DelayButton {
        id: idCell
        objectName: "noteBoxCell_" + modelData.id
        width: idNoteBoxView.cellWidth
        height: idNoteBoxView.cellHeight
        delay: 500
        checkable: false
        padding: 0
        readonly property bool isHeld: idNoteBoxView.heldIndex === index

        onActivated: {
            idNoteBoxView.heldIndex = index
            idNoteBoxView.boxEdited(modelData.id, modelData.name)
        }
        onReleased: {
            if (!isHeld)
                idNoteBoxView.boxClicked(modelData.id)
        }

        contentItem: Item {}
        background: Rectangle {
            anchors.fill: parent
            anchors.margins: Util.unitHeight * 0.25
            color: (idCell.down || idCell.isHeld) ? Theme.pageBoxHiColor : Theme.pageBoxColor

            Column {
                anchors.centerIn: parent
                width: parent.width - Util.unitHeight
                spacing: Math.ceil(Util.unitHeight * 0.5)
                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Util.unitHeight * 4.5
                    height: Util.unitHeight * 4.5
                    sourceSize: Qt.size(width * 2, height * 2)
                    source: Icon.getIconUrl(modelData.iconId)
                }
                ZVText {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    font.pointSize: Util.relativeFontPoint(-2)
                    maximumLineCount: 2
                    wrapMode: Text.WordWrap
                    elide: Text.ElideRight
                    text: modelData.name
                }
            }
            ZVText {
                objectName: "noteBoxCount"
                anchors.top: parent.top
                anchors.right: parent.right
                anchors.topMargin: Util.unitHeight
                anchors.rightMargin: Util.unitHeight
                font.pointSize: Util.relativeFontPoint(-4)
                color: Theme.textColor4
                text: DB.getNoteBoxItemCount(modelData.id)
            }
        }
    }

    PromptMenu {
        id: idPromptMenu
        objectName: "noteBoxPrompt"
        arrowPosition: 0.4
        text: qsTr("长按可编辑")
    }
}
