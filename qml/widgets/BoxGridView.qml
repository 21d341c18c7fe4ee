import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// A tab's grid of boxes with their entry counts: a tap opens a box, a 500 ms
// hold makes its cell the current one and asks for its menu. The tab says
// which boxes through the store functions and names below.
GridView {
    id: idRoot

    property var boxList: []
    // function () -> the boxes to show; function (id) -> the count of a box
    property var getBoxList
    property var getBoxItemCount
    // The stored box list (in DB.root.data) and the one-use hint flag (in
    // DB.root.app.prompt) of this tab.
    property string storedListName
    property string hintFlagName
    property real iconSize: Util.unitHeight * 4

    signal boxClicked(int boxId)
    // A write was refused (the store put the vault back).
    signal writeRefused()
    signal boxEdited(int boxId, string boxName)

    function updateModel() {
        // The tiles read their counts from the store, and a box list equal to
        // the shown one would keep the old tiles: empty it first.
        boxList = []
        if (typeof DB.root.data === "object")
            boxList = getBoxList()
        currentIndex = -1
    }

    function clearHighlight() {
        currentIndex = -1
    }

    function __showHint() {
        if (typeof DB.root.data !== "object")
            return
        var prompt = DB.root.app.prompt
        if (DB.root.data[storedListName].length > 1 && prompt[hintFlagName]) {
            prompt[hintFlagName] = false
            if (!DB.saveOnly())
                writeRefused()
            var pad = Util.isPad()
            idPromptMenu.x = cellWidth * (pad ? 1.2 : 1.13)
            idPromptMenu.y = cellHeight * (pad ? 0.75 : 0.8)
            idPromptMenu.open()
        }
    }

    function __refresh() {
        if (visible) {
            updateModel()
            __showHint()
        }
    }

    onVisibleChanged: __refresh()
    Component.onCompleted: __refresh()

    clip: true
    topMargin: Util.unitHeight * 0.75
    bottomMargin: Util.unitHeight * 6
    cellWidth: Util.isPad() ? (Util.screenSize.width - Util.unitHeight * 1.5) / 4 : width / 3
    cellHeight: cellWidth
    currentIndex: -1
    highlightFollowsCurrentItem: false
    model: boxList

    delegate: Item {
        id: idCell
        width: idRoot.cellWidth
        height: idRoot.cellHeight
        readonly property bool isCurrent: idRoot.currentIndex === index

        DelayButton {
            id: idButton
            objectName: "boxButton_" + modelData.id
            anchors.fill: parent
            delay: 500
            padding: 0
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idFocusFrame.keyPressed(event)
            Keys.onReleased: idFocusFrame.keyReleased(event)
            onActivated: {
                checked = false
                idRoot.currentIndex = index
                idRoot.boxEdited(modelData.id, modelData.name)
            }
            onReleased: {
                checked = false
                if (!idCell.isCurrent)
                    idRoot.boxClicked(modelData.id)
            }
            background: Item {}
            contentItem: Item {
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: Util.unitHeight * 0.25
                    color: (idButton.down || idCell.isCurrent) ? Theme.pageBoxHiColor
                                                               : Theme.pageBoxColor

                    Column {
                        anchors.centerIn: parent
                        width: parent.width - Util.unitHeight
                        spacing: Util.unitHeight * 0.5
                        Image {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: idRoot.iconSize
                            height: idRoot.iconSize
                            sourceSize: Qt.size(width * 2, height * 2)
                            source: Icon.getIconUrl(modelData.iconId)
                        }
                        ZVText {
                            objectName: "boxName"
                            width: parent.width
                            text: modelData.name
                            font.pointSize: Util.relativeFontPoint(-2)
                            horizontalAlignment: Text.AlignHCenter
                            maximumLineCount: 2
                            wrapMode: Text.WordWrap
                            elide: Text.ElideRight
                        }
                    }

                    ZVText {
                        objectName: "boxCount"
                        anchors.top: parent.top
                        anchors.right: parent.right
                        anchors.topMargin: Util.unitHeight
                        anchors.rightMargin: Util.unitHeight
                        text: idRoot.getBoxItemCount(modelData.id)
                        font.pointSize: Util.relativeFontPoint(-4)
                        color: Theme.textColor4
                    }
                }
            }

            FocusFrame {
                id: idFocusFrame
                margin: Util.unitHeight * 0.25
                radius: Util.unitHeight / 2
            }
        }
    }

    PromptMenu {
        id: idPromptMenu
        objectName: "boxEditPrompt"
        arrowPosition: 0.4
    }
}
