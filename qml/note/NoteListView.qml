import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon
import "qrc:/js/pubfun.js" as Pubfun

// The notes of one box as coloured cards, newest first.
Item {
    id: idNoteListView

    property int boxId: -1
    property var noteItemList: []
    property int currentHoldIndex: -1

    signal gobackClicked()
    // A write was refused (the store put the vault back).
    signal writeRefused()
    signal noteItemClicked(int itemId)
    signal noteItemDelayClicked(int itemId)

    function updateModel() {
        currentHoldIndex = -1
        noteItemList = DB.getNoteItemList(boxId)
    }

    function resetCurrentIndex() {
        currentHoldIndex = -1
    }

    onBoxIdChanged: updateModel()
    onVisibleChanged: {
        if (!visible)
            return
        updateModel()
        if (noteItemList.length > 0 && DB.root.app.prompt.noteItemEdit) {
            DB.root.app.prompt.noteItemEdit = false
            if (!DB.saveOnly())
                writeRefused()
            idPromptMenu.open()
        }
    }

    ListView {
        id: idListView
        objectName: "noteList"
        anchors.fill: parent
        clip: true
        topMargin: Util.unitHeight
        leftMargin: Util.unitHeight
        bottomMargin: Util.unitHeight * 7
        spacing: Util.unitHeight
        model: idNoteListView.noteItemList

        delegate: DelayButton {
            id: idCard
            objectName: "noteCard_" + modelData.id
            width: idListView.width - Util.unitHeight * 2
            height: Util.unitHeight * 8
            delay: 500
            checkable: false
            padding: 0
            readonly property bool isHeld: idNoteListView.currentHoldIndex === index
            readonly property var colorPair: Icon.getNoteColorList(Theme.darkMode)[modelData.colorIndex]
                                             || Icon.getNoteColorList(Theme.darkMode)[0]

            onActivated: {
                idNoteListView.currentHoldIndex = index
                idNoteListView.noteItemDelayClicked(modelData.id)
            }
            onReleased: {
                if (!isHeld)
                    idNoteListView.noteItemClicked(modelData.id)
            }

            contentItem: Item {}
            background: Rectangle {
                color: idCard.colorPair.bright
                border.width: 1
                border.color: idCard.colorPair.dark
                radius: Util.unitHeight
                opacity: (idCard.down || idCard.isHeld) ? 0.8 : 1

                Image {
                    objectName: "noteCardLock"
                    visible: modelData.securityLevel === 1
                    anchors.top: parent.top
                    anchors.right: parent.right
                    anchors.topMargin: Util.unitHeight
                    anchors.rightMargin: Util.unitHeight * 2
                    width: Util.unitHeight * 2
                    height: Util.unitHeight * 2
                    sourceSize: Qt.size(width * 2, height * 2)
                    source: Theme.darkMode ? "qrc:/img/note/lock_dark.png" : "qrc:/img/note/lock.png"
                }

                Column {
                    anchors.fill: parent
                    anchors.topMargin: Util.unitHeight
                    anchors.bottomMargin: Util.unitHeight
                    anchors.leftMargin: Util.unitHeight * 2
                    anchors.rightMargin: Util.unitHeight * 2
                    spacing: Util.unitHeight

                    ZVText {
                        objectName: "noteCardTitle"
                        width: parent.width - Util.unitHeight * 4
                        font.bold: true
                        font.pointSize: Util.relativeFontPoint(-1)
                        elide: Text.ElideRight
                        text: modelData.title
                    }
                    Row {
                        width: parent.width
                        spacing: Util.unitHeight
                        ZVText {
                            id: idDateText
                            objectName: "noteCardDate"
                            font.pointSize: Util.relativeFontPoint(-3)
                            color: Theme.textColor3
                            text: Pubfun.millisecToDateStr(modelData.date)
                        }
                        ZVText {
                            objectName: "noteCardSummary"
                            width: parent.width - idDateText.width - parent.spacing
                            font.pointSize: Util.relativeFontPoint(-3)
                            color: Theme.textColor3
                            elide: Text.ElideRight
                            text: modelData.summary
                        }
                    }
                }
            }
        }
    }

    GotoBoxButton {
        objectName: "noteGoBack"
        onClicked: idNoteListView.gobackClicked()
    }

    // Centred by a binding: the list is first shown before the layout has
    // given it its width.
    PromptMenu {
        id: idPromptMenu
        objectName: "noteListPrompt"
        x: (idNoteListView.width - width) / 2
        y: Util.unitHeight * 7
        arrowPosition: 0.3
        text: qsTr("长按可删除")
    }
}
