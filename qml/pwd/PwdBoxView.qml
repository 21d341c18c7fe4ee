import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// The grid of password boxes with their entry counts. Tap opens a box,
// a 500 ms hold asks for its menu.
GridView {
    id: idRoot

    property var pwdBoxList: []

    signal boxClicked(int boxId)
    signal boxEdited(int boxId, string boxName)

    readonly property int __columns: Util.isPad() ? 4 : 3

    function updateModel() {
        // The tiles read their counts from the store, and a box list equal to
        // the shown one would keep the old tiles: empty it first.
        pwdBoxList = []
        if (typeof DB.root.data === "object")
            pwdBoxList = DB.getPwdBoxList()
        currentIndex = -1
    }

    function __showHint() {
        if (typeof DB.root.data !== "object")
            return
        var prompt = DB.root.app.prompt
        if (DB.root.data.pwdBoxList.length > 1 && prompt.pwdBoxEdit) {
            prompt.pwdBoxEdit = false
            DB.saveOnly()
            var pad = Util.isPad()
            idPromptMenu.x = cellWidth * (pad ? 1.2 : 1.13)
            idPromptMenu.y = cellHeight * (pad ? 0.75 : 0.8)
            idPromptMenu.open()
        }
    }

    onVisibleChanged: {
        if (visible) {
            updateModel()
            __showHint()
        }
    }
    Component.onCompleted: {
        if (visible) {
            updateModel()
            __showHint()
        }
    }

    clip: true
    topMargin: Util.unitHeight * 0.75
    bottomMargin: Util.unitHeight * 6
    cellWidth: Util.isPad() ? (Util.screenSize.width - Util.unitHeight * 1.5) / 4
                            : width / 3
    cellHeight: cellWidth
    currentIndex: -1
    highlightFollowsCurrentItem: false
    model: pwdBoxList

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
                            width: Util.unitHeight * 4
                            height: Util.unitHeight * 4
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
                        text: DB.getPwdBoxItemCount(modelData.id)
                        font.pointSize: Util.relativeFontPoint(-4)
                        color: Theme.textColor4
                    }
                }
            }
        }
    }

    PromptMenu {
        id: idPromptMenu
        arrowPosition: 0.4
    }
}
